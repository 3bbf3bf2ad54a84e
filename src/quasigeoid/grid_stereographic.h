#pragma once
// Oblique stereographic plane centred at a point, on which the nodes of a
// grid window are placed for the interpolation: the ellipsoid is carried to
// a conformal sphere whose radius R is the geocentric radius at the centre,
// and that sphere is projected stereographically (the double projection of
// EPSG method 9809, with R taken differently).
//
//   χ = B - (e²/2 + 5e⁴/24) sin 2B + (5e⁴/48) sin 4B
//   D = 1 + sin χ₀ sin χ + cos χ₀ cos χ cos ΔL
//   x = 2R (cos χ₀ sin χ - sin χ₀ cos χ cos ΔL) / D   (north)
//   y = 2R cos χ sin ΔL / D                            (east)
//
// The conformal latitude χ is the closed form
//   χ = 2 arctan[tan(π/4 + B/2) ((1 - e sin B)/(1 + e sin B))^(e/2)] - π/2
// expanded in powers of e² (O. S. Adams, "Latitude developments connected
// with geodesy and cartography", 1921; J. P. Snyder, "Map projections - a
// working manual", 1987, chapter 3) and cut after e⁴; the next terms are
// 3e⁶/32 sin 2B and 7e⁶/80 sin 4B. Against the closed form on the ПЗ-90
// ellipsoid, computed at every 0.5° of latitude from 0° to 88° for the nodes
// of a window of ±4 steps of 15′: χ is off by at most 5.2·10⁻⁸ rad (0.33 m
// on the ground, the same for the centre and its nodes), and the distances
// from the centre to the nodes by at most 23 mm, 2.1·10⁻⁷ of the distance -
// nothing that moves an interpolation weight.
//
// Units: B, L in degrees; x, y in kilometres, since the grid's ellipsoids
// are given in kilometres. The plane only places nodes for the
// interpolation.

#include "quasigeoid/grid_header.h"

namespace vexilor {

struct StereographicPosition {
  double x = 0;  // towards north, kilometres
  double y = 0;  // towards east, kilometres
};

// What the placing of a node takes from its latitude, and from its
// longitude: the nodes of a window share their row's and their column's.
struct StereographicRow {
  double sinChi = 0, cosChi = 1;  // of the conformal latitude
};
struct StereographicColumn {
  double sinDl = 0, cosDl = 1;  // of the longitude difference from the centre
};

class GridStereographic {
 public:
  // Centre at latitude and longitude in degrees.
  GridStereographic(const GridEllipsoid& ellipsoid, double bDegrees, double lDegrees);

  // The centre maps to (0, 0). A node antipodal to the centre has no finite
  // position.
  StereographicPosition Place(double bDegrees, double lDegrees) const {
    return Place(Row(bDegrees), Column(lDegrees));
  }
  StereographicPosition Place(const StereographicRow& row, const StereographicColumn& column) const;

  StereographicRow Row(double bDegrees) const;
  StereographicColumn Column(double lDegrees) const;

 private:
  double ConformalLatitude(double b) const;

  double e2_;
  double l0_;
  double sinChi0_, cosChi0_;
  double twoR_;
};

}  // namespace vexilor
