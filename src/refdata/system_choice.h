#pragma once
// What choosing a catalogue system hands to a transformation: for each side
// the system's name, its base's display name and its SystemVector, and for
// the pair the global link between the two bases. Built from the loaded
// lists exactly as the catalogue window's OK builds it, so that the window
// and the command-line tool agree.

#include <cstdint>
#include <string>
#include <string_view>

#include "geodesy/link_params.h"
#include "geodesy/system_vector.h"
#include "refdata/reference_lines.h"

namespace vexilor {

struct SystemChoice {
  std::string name;      // words of the name joined by single blanks
  std::string baseName;  // display name of the parent global system
  SystemVector vector;   // [1],[2] own ellipsoid, [3],[4] base's, [5]..[11] link
};

enum class ChoiceError : std::int16_t {
  kNone = 0,
  kBadSystemLine = 1,      // the sys.dat line is not a record
  kBadEllipsoidFile = 2,   // a damaged ellips.dat line before the wanted one
  kEllipsoidNotFound = 3,  // an ellipsoid number missing from ellips.dat
  kUnknownParent = 4,      // a parent code other than "PZ90" and "WGS84"
};

struct ChoiceOutcome {
  ChoiceError error = ChoiceError::kNone;
  std::int16_t missingEllipsoid = 0;  // with kEllipsoidNotFound
  std::string parentCode;             // with kUnknownParent
};

// The base display name of a parent code: kPz90Name for "PZ90", kWgs84Name
// for "WGS84" (exact spelling); empty for any other code.
std::string_view BaseNameOfParentCode(std::string_view parentCode);

// The choice of line `index` (1-based) of `systems`: its name, the a and 1/f
// of its own ellipsoid and of its parent's ellipsoid (each looked up from the
// first line of `ellipsoids`), its link, and its base name. On any failure
// `out` is left untouched and nothing is handed over, so that a side never
// holds the vector of one system with the base of another.
ChoiceOutcome ChooseSystem(const SystemLines& systems, const EllipsoidLines& ellipsoids, std::int16_t index,
                           SystemChoice& out);

enum class GlobalLinkSearch : std::int16_t {
  kSameBase = 0,   // both sides rest on the same base: no link is needed
  kLinked = 1,     // the link was found
  kNoEntry = 2,    // no catalogue line carries the source base's name
  kNotLinked = 3,  // the first such line links the source base elsewhere
};

// The link from `source_base` to `target_base`: the first line of `systems`
// named `source_base` must have the target base as its parent; its seven
// values, Dx, Dy, Dz, Wx, Wy, Wz, m, are the link. `out` is written only
// with kLinked.
GlobalLinkSearch FindGlobalLink(const SystemLines& systems, std::string_view sourceBase,
                                std::string_view targetBase, GlobalLinkParams& out);

}  // namespace vexilor
