#pragma once
// One line of sys.dat: a national coordinate system and its link to its
// parent global system (its base).
//
// Layout: the last ten words are, in this order, the ellipsoid number, Dx,
// Dy, Dz, m, Wx, Wy, Wz, the parent code and the parent's ellipsoid number;
// all words before them form the name. The scale correction stands between
// the shifts and the rotations in the file but last in LinkParams.

#include <cstdint>
#include <string>
#include <string_view>

#include "geodesy/link_params.h"
#include "refdata/record_fields.h"

namespace vexilor {

struct CoordSystem {
  std::string name;  // words joined by single blanks; the catalogue's sort key
  std::int16_t ellipsoidNumber = 0;
  LinkParams link{};       // Dx, Dy, Dz (m), Wx, Wy, Wz (arc seconds), m
  std::string parentCode;  // "WGS84" or "PZ90"
  std::int16_t parentEllipsoidNumber = 0;  // 21 with "WGS84", 27 with "PZ90"
};

// kTooFewWords for a line of fewer than 11 words, or of more than
// `word_capacity`; kBadNumber when a value is too large or an ellipsoid
// number does not fit 16 bits. `out` is left untouched on failure.
RecordError ParseSystemLine(std::string_view line, CoordSystem& out,
                            int wordCapacity = kRecordWordCapacity);

// The eleven columns, of 68, 4, 8, 8, 8, 12, 8, 8, 8, 12 and 5 code points.
std::string FormatSystemLine(const CoordSystem& system);

}  // namespace vexilor
