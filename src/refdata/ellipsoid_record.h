#pragma once
// One line of ellips.dat: an ellipsoid's name, its key and its geometry.
//
// Layout: the last three words are number, a and 1/f; all words before them
// form the name. Written in columns of 26, 3, 13 and 14 code points.

#include <cstdint>
#include <string>
#include <string_view>

#include "refdata/record_fields.h"
#include "refdata/reference_lines.h"

namespace vexilor {

// How the windows show an ellipsoid's geometry: a to the millimetre, 1/f
// to nine decimals.
inline constexpr std::string_view kSemiMajorAxisMask = "0.000";
inline constexpr std::string_view kInverseFlatteningMask = "0.000000000";

struct Ellipsoid {
  std::string name;         // words joined by single blanks
  std::int16_t number = 0;  // key referred to by sys.dat, from 1
  double a = 0.0;           // semi-major axis, metres
  double invf = 0.0;        // inverse flattening 1/f
};

// kTooFewWords for a line of fewer than 4 words (or more than the record
// capacity); kBadNumber when a value is too large or the number does not fit
// 16 bits. `out` is left untouched on failure.
RecordError ParseEllipsoidLine(std::string_view line, Ellipsoid& out);

std::string FormatEllipsoidLine(const Ellipsoid& ellipsoid);

enum class EllipsoidSearch : std::int16_t {
  kFound = 0,
  kNotFound = 1,
  kBadFile = 2,  // a damaged line was met before the wanted one
};

// Scans `lines` from the first: a line that does not parse stops the scan
// with kBadFile; the first line with the wanted number is the result.
// `out` is left untouched unless found.
EllipsoidSearch FindEllipsoid(const EllipsoidLines& lines, std::int16_t number, Ellipsoid& out);

}  // namespace vexilor
