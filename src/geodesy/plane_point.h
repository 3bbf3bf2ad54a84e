#pragma once
// A point of a projection plane.

namespace vexilor {

// Metres. x runs along the meridian (north positive), y across it (east
// positive) - the geodetic convention of the Gauss-Krüger projection, with
// x and y exchanged against the mathematical one. Where a parameter set
// exchanges the axes (UTM), x carries the easting and y the northing.
struct PlanePoint {
  double x = 0.0;
  double y = 0.0;
};

}  // namespace vexilor
