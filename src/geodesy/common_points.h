#pragma once
// The marks that two sets of points share: the same points surveyed in two
// coordinate systems, paired by their numbers.
//
// Units: geocentric X, Y, Z in metres of each set's own system.

#include <cstdint>
#include <vector>

#include "geodesy/ellipsoid.h"
#include "geodesy/result_codes.h"

namespace vexilor {

// A mark of one set: its number and its geocentric place in the set's system.
struct NumberedPoint {
  std::int32_t number = 0;
  Geocentric xyz;
};

// A mark of both sets.
struct CommonPoint {
  std::int32_t number = 0;
  Geocentric source;  // in the source set's system
  Geocentric target;  // in the target set's system
  bool used = true;   // false: left out of the fit by the caller
};

struct Pairing {
  ResultCode code = kOk;
  std::vector<CommonPoint> points;    // kOk: in the order of the source set
  std::vector<std::int32_t> numbers;  // otherwise: the numbers at fault, each once
};

// Pairs the marks of `source` and `target` by number. A number in
// `excluded` marks its pair as not used; an excluded number found in one
// set only is dropped, one found in neither is ignored.
// Codes: kFitPointRepeated when a number stands twice in one set (checked
// first), kFitPointUnmatched when a number not excluded stands in one set
// only; `numbers` lists them, the source set's first, each in the order
// of its set.
Pairing PairByNumber(const std::vector<NumberedPoint>& source,
                     const std::vector<NumberedPoint>& target,
                     const std::vector<std::int32_t>& excluded);

}  // namespace vexilor
