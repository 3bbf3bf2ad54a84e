#pragma once
// What adding a national system to the catalogue lists needs to know: the
// parent global systems a new system may hang on, the form in which names
// are written and compared, the lookups by name, the number of a new
// ellipsoid, and which characters a line of a reference file can hold.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "refdata/ellipsoid_record.h"
#include "refdata/record_fields.h"
#include "refdata/reference_lines.h"

namespace vexilor {

// A parent global system as the new-system window lists it, with what the
// new sys.dat line records of it.
struct ParentChoice {
  std::string_view listEntry;     // "WGS-84", "ПЗ-90"
  std::string_view code;          // the line's parent code
  std::int16_t ellipsoidNumber;  // the parent's ellipsoid in ellips.dat
};

inline constexpr std::array<ParentChoice, 2> kParentChoices{{
    {"WGS-84", "WGS84", 21},
    {"ПЗ-90", "PZ90", 27},
}};

// The longest names the reference files take, in characters.
inline constexpr std::size_t kMaxSystemNameLength = 68;
inline constexpr std::size_t kMaxEllipsoidNameLength = 17;

// `text` without its leading and trailing blanks and with every run of
// blanks inside it made one: the form in which the files write names and the
// catalogue compares them.
std::string CollapsedName(std::string_view text);

// Number of blank-separated words of `name`.
std::size_t WordCount(std::string_view name);

// The most words a system name may have: its sys.dat line, ten values after
// the name, must stay within the record's word capacity, or the line could
// be listed but never chosen.
inline constexpr std::size_t kMaxSystemNameWords = kRecordWordCapacity - 10;

// The first character of `text` that a line of a reference file cannot
// hold: a control character (a line break would split the record), or a
// character that Windows-1251, the files' code page, lacks. Empty when
// every character can be written.
std::optional<char32_t> FirstUnwritableCharacter(std::string_view text);

// Whether a line of `systems` carries the name `name` (case counts; names
// are compared in their collapsed form). Lines that are not records are
// passed over.
bool HasSystemNamed(const SystemLines& systems, std::string_view name);

enum class LetterCase { kExact, kIgnored };

// The first ellipsoid of `ellipsoids` named `name` (collapsed names; with
// kIgnored upper-cased as well). Lines that are not records are passed over.
std::optional<Ellipsoid> FindEllipsoidNamed(const EllipsoidLines& ellipsoids, std::string_view name,
                                            LetterCase letterCase);

// Whether typed a and 1/f are those of `ellipsoid` at the precision the
// windows show them (kSemiMajorAxisMask, kInverseFlatteningMask), so that the
// values a window filled in from the file count as the file's own.
bool HasGeometry(const Ellipsoid& ellipsoid, double a, double invf);

enum class EllipsoidNumbering : std::int16_t {
  kNumbered = 0,
  kBadFile = 1,  // a line of ellips.dat is not a record: a line after it could never be found
  kFull = 2,     // the list is full, or the largest number leaves no 16-bit successor
};

// The number of a new ellipsoid: one above the largest number of
// `ellipsoids` and above `largestInUse`, the largest number that any
// sys.dat line refers to (1 for empty lists), so that it collides with none
// even when the numbers have gaps, and no system whose ellipsoid is missing
// silently takes the new one. `number` is written only with kNumbered.
EllipsoidNumbering NextEllipsoidNumber(const EllipsoidLines& ellipsoids, std::int16_t largestInUse,
                                       std::int16_t& number);

}  // namespace vexilor
