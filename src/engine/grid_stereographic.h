#pragma once
// Oblique stereographic plane centred at a point, on which the nodes of a
// grid window are placed for the interpolation. The ellipsoid is carried to
// the conformal sphere of the geocentric radius at the point.

#include "engine/grid_header.h"

namespace vexilor {

struct StereographicPosition {
  double x = 0;  // towards north, kilometres
  double y = 0;  // towards east, kilometres
};

class GridStereographic {
 public:
  // Centre at latitude and longitude in degrees.
  GridStereographic(const GridEllipsoid& ellipsoid, double bDegrees, double lDegrees);

  // The centre maps to (0, 0). A node antipodal to the centre has no finite
  // position.
  StereographicPosition Place(double bDegrees, double lDegrees) const;

 private:
  double ConformalLatitude(double b) const;

  double e2_;
  double l0_;
  double sinChi0_, cosChi0_;
  double twoR_;
};

}  // namespace vexilor
