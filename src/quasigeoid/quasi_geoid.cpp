#include "quasigeoid/quasi_geoid.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "text/numeric.h"
#include "geodesy/angle_constants.h"
#include "quasigeoid/grid_stereographic.h"

namespace vexilor {
namespace {

// Half the window, in steps.
constexpr double kHalfWindowSteps = 3.5;
// Within this many steps of a pole row of the window, polar mode.
constexpr double kPolarSteps = 2.0;
// Distance unit of the candidate search, in meridian steps.
constexpr double kUnitSteps = 0.7;

// The longitude in [0, 360), or, for a grid that does not span the circle,
// the turn of it that falls within the grid's bounds when there is one.
double LongitudeForGrid(double l, const GridGeometry& g) {
  l = std::fmod(l, kDegreesPerCircle);
  if (l < 0.0) l += kDegreesPerCircle;
  if (l >= kDegreesPerCircle) l = 0.0;
  if (g.wholeCircle) return l;
  if (l > g.east + kGridBoundToleranceSingle && l - kDegreesPerCircle >= g.west - kGridBoundToleranceSingle)
    return l - kDegreesPerCircle;
  if (l < g.west - kGridBoundToleranceSingle && l + kDegreesPerCircle <= g.east + kGridBoundToleranceSingle)
    return l + kDegreesPerCircle;
  return l;
}

// The bounds test, in single precision.
bool InsideGrid(double b, double l, const GridGeometry& g) {
  const auto f = ToSinglePrecision;
  if (f(b) < f(g.south) - kGridBoundToleranceSingle || f(b) > f(g.north) + kGridBoundToleranceSingle) return false;
  return g.wholeCircle ||
         (f(l) >= f(g.west) - kGridBoundToleranceSingle && f(l) <= f(g.east) + kGridBoundToleranceSingle);
}

// Multiple of `step` about `steps` steps beyond v, rounded outwards.
double StepBeyond(double v, double step, double steps) {
  return steps > 0 ? step * Int((v + steps * step) / step + 0.5)
                   : step * Int((v + steps * step) / step - 0.5);
}

GridWindowBounds WindowAround(double b, double l, const GridGeometry& g, bool& polar) {
  GridWindowBounds w;
  w.north = std::min(StepBeyond(b, g.latitudeStep, kHalfWindowSteps), g.north);
  w.south = std::max(StepBeyond(b, g.latitudeStep, -kHalfWindowSteps), g.south);
  w.east = StepBeyond(l, g.longitudeStep, kHalfWindowSteps);
  w.west = StepBeyond(l, g.longitudeStep, -kHalfWindowSteps);
  polar = false;
  if (!g.wholeCircle) {
    w.east = std::min(w.east, g.east);
    w.west = std::max(w.west, g.west);
    return w;
  }
  if (w.west < 0.0) {
    w.west += kDegreesPerCircle;
    if (w.east < w.west) w.east += kDegreesPerCircle;
  }
  polar = std::fabs(g.north - w.north) < kPolarSteps * g.latitudeStep ||
          std::fabs(g.south - w.south) < kPolarSteps * g.latitudeStep;
  if (polar) {
    w.west = 0.0;
    w.east = kDegreesPerCircle;
  }
  return w;
}

}  // namespace

ResultCode QuasiGeoidLookup::Height(double bDegrees, double lDegrees, float& height) {
  ResultCode code = grid_.Open();
  if (code != kOk) return code;
  const GridGeometry& g = grid_.Geometry();
  if (!std::isfinite(bDegrees) || !std::isfinite(lDegrees)) return kGridPointOutside;
  const double l = LongitudeForGrid(lDegrees, g);
  if (!InsideGrid(bDegrees, l, g)) return kGridPointOutside;
  const double b = std::clamp(bDegrees, -90.0, 90.0);

  bool polar = false;
  code = grid_.ReadWindow(WindowAround(b, l, g, polar), window_);
  if (code != kOk) return code;

  const GridEllipsoid ellipsoid = GridEllipsoidOf(grid_.Header().ellipsoid);
  const GridStereographic plane(ellipsoid, b, l);
  const std::vector<GridNode>& nodes = nodes_.Place(window_, g, polar, plane);
  const double unitKm = kUnitSteps * ellipsoid.aKm * g.latitudeStep * kRadiansPerDegree;
  double result = 0.0;
  code = interpolation_.AtOrigin(nodes, unitKm, result);
  if (code != kOk) return code;
  if (std::fabs(result) > std::numeric_limits<float>::max()) return kGridInterpolationFailed;
  height = static_cast<float>(result);
  return kOk;
}

ResultCode QuasiGeoidHeight(const std::string& gridFile, double bDegrees, double lDegrees,
                            std::string_view signature, float& height) {
  GridSession grid(gridFile, std::string(signature), GridAccess::WindowByWindow());
  return QuasiGeoidLookup(grid).Height(bDegrees, lDegrees, height);
}

}  // namespace vexilor
