#pragma once
// How far the engine's Gauss-Krüger series reach from the axial meridian:
// the largest difference, over all latitudes, between the series and the
// exact transverse Mercator at a longitude difference l. The series run in
// powers of l (to l⁸ for x, l⁷ for y), so their error grows with about the
// tenth power of l; the meridian arc, which ends at e⁸, sets the floor near
// the axis.
//
// The oracle test GaussKrugerReach measures these figures against PROJ's
// exact transverse Mercator and holds the engine to them; the published
// values widen a tolerance that the series cannot meet to them.

#include <cmath>
#include <limits>

namespace vexilor::testing {

struct SeriesReach {
  double offAxisDegrees;  // up to this |l|
  double metres;          // the forward and the inverse series agree to this
};

inline constexpr SeriesReach kGaussKrugerReach[] = {
    {6, 0.2e-3}, {7, 0.4e-3}, {8, 1e-3},  {9, 2.5e-3},
    {10, 6e-3},  {12, 30e-3}, {15, 0.2}, {20, 3.5},
};

// The bound for a point l degrees off the axial meridian; none beyond 20°.
inline double GaussKrugerReachMetres(double l) {
  for (const SeriesReach& r : kGaussKrugerReach)
    if (std::fabs(l) <= r.offAxisDegrees) return r.metres;
  return std::numeric_limits<double>::infinity();
}

}  // namespace vexilor::testing
