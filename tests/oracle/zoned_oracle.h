#pragma once
// Zoned transverse Mercator (Gauss-Krüger, UTM) of the engine's ProjectPoint
// against PROJ, zone by zone: forward plane coordinates, the engine's inverse
// of PROJ's plane coordinates, and the engine's own forward-inverse loop.

#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

#include "geodesy/gauss_kruger.h"
#include "geodesy/projection_slots.h"
#include "proj_oracle.h"

namespace vexilor::oracle {

struct ZonedSetup {
  std::string_view name;  // "GK", "UTM"
  OracleEllipsoid ellipsoid;
  ProjectionSlots slots;      // the parameter set; slot 10 is set per point
  double firstAxialMeridian;  // zone 1, degrees, as the zone system defines it
  double zoneWidth;           // degrees
  int zones;
  // PROJ operation of one zone giving easting and northing inside the zone,
  // with the false origins of the set but without the zone millions.
  std::function<std::string(int zone)> projDefinition;
};

// Names a set in test failure messages ("GK krass").
void PrintTo(const ZonedSetup& setup, std::ostream* out);

// The default Gauss-Krüger set (zone 1 on 3°, 6° zones, 500 km false
// easting, scale 1) against PROJ's tmerc on 6n - 3 degrees.
ZonedSetup GaussKrugerSetup(const OracleEllipsoid& ellipsoid);

// The built-in UTM set (zone 1 on 183°, 500 km false easting, 0.9996, axes
// exchanged) on WGS 84 against PROJ's utm of the same zone.
ZonedSetup UtmSetup();

// Plane coordinates inside one zone, metres, false origins included.
struct EastNorth {
  double easting;
  double northing;
};

// Where the engine keeps the zoned easting: y when x runs along the meridian
// (Gauss-Krüger), x when the axes are exchanged (UTM).
class ZonedLayout {
 public:
  explicit ZonedLayout(const ProjectionSlots& slots) : exchanged_(slots.AxesExchanged()) {}

  int ZoneOf(const PlanePoint& p) const;
  EastNorth InZone(const PlanePoint& p, int zone) const;
  PlanePoint Zoned(const EastNorth& en, int zone) const;

 private:
  bool exchanged_;
};

struct ZonedDomain {
  double maxOffAxis;   // |L - axial meridian|, degrees
  double maxLatitude;  // |B|, degrees
  int pointsPerZone;
};

// Largest differences a comparison accepts.
struct ZonedBounds {
  double planeMetres;             // engine forward against PROJ forward
  double inverseLatitudeDegrees;  // engine inverse of PROJ's plane point
  double inverseLongitudeDegrees;
  double roundTripDegrees;  // engine forward then inverse
};

// Measures with a generator seeded by `seed`, prints the maxima with the
// domain and the seed, and expects each within its bound, no wrong zone and
// no refused point.
void ExpectZonedWithin(const ZonedSetup& setup, const ZonedDomain& domain,
                       const ZonedBounds& bounds, unsigned seed);

}  // namespace vexilor::oracle
