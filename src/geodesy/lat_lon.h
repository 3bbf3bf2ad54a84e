#pragma once
// Latitude and longitude of a point, in one unit per type. The projections
// take and give degrees at their interface; the conformal-latitude series
// and the geocentric conversions work in radians. The two types keep a value
// from crossing that border without the conversion factor.

namespace vexilor {

struct LatLonDegrees {
  double b = 0.0;  // latitude, degrees, north positive
  double l = 0.0;  // longitude, degrees, east positive (or a difference of longitudes)
};

struct LatLonRadians {
  double b = 0.0;  // latitude, radians, north positive
  double l = 0.0;  // longitude, radians, east positive
};

}  // namespace vexilor
