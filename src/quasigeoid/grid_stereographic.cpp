#include "quasigeoid/grid_stereographic.h"

#include <cmath>

#include "geodesy/angle_constants.h"
#include "geodesy/ellipsoid.h"

namespace vexilor {

GridStereographic::GridStereographic(const GridEllipsoid& ellipsoid, double bDegrees,
                                     double lDegrees)
    : e2_(EccentricitySquared(ellipsoid.inverseFlattening)), l0_(lDegrees * kRadiansPerDegree) {
  const double b = bDegrees * kRadiansPerDegree;
  const double chi0 = ConformalLatitude(b);
  sinChi0_ = std::sin(chi0);
  cosChi0_ = std::cos(chi0);
  // Geocentric radius of the ellipsoid at the centre's latitude.
  const double s2 = std::sin(b) * std::sin(b);
  const double radius =
      ellipsoid.aKm * std::sqrt((1.0 - (2.0 * e2_ - e2_ * e2_) * s2) / (1.0 - e2_ * s2));
  twoR_ = 2.0 * radius;
}

// Series for the conformal latitude, to the fourth power of e.
double GridStereographic::ConformalLatitude(double b) const {
  const double e4 = e2_ * e2_;
  return b - (e2_ / 2.0 + 5.0 * e4 / 24.0) * std::sin(2.0 * b) +
         5.0 * e4 / 48.0 * std::sin(4.0 * b);
}

StereographicRow GridStereographic::Row(double bDegrees) const {
  const double chi = ConformalLatitude(bDegrees * kRadiansPerDegree);
  return {std::sin(chi), std::cos(chi)};
}

StereographicColumn GridStereographic::Column(double lDegrees) const {
  const double dl = lDegrees * kRadiansPerDegree - l0_;
  return {std::sin(dl), std::cos(dl)};
}

StereographicPosition GridStereographic::Place(const StereographicRow& row,
                                               const StereographicColumn& column) const {
  const double d = 1.0 + sinChi0_ * row.sinChi + cosChi0_ * row.cosChi * column.cosDl;
  return {twoR_ * (cosChi0_ * row.sinChi - sinChi0_ * row.cosChi * column.cosDl) / d,
          twoR_ * row.cosChi * column.sinDl / d};
}

}  // namespace vexilor
