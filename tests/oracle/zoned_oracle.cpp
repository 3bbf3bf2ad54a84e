#include "zoned_oracle.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/angle_constants.h"
#include "geodesy/project_point.h"

namespace vexilor::oracle {
namespace {

constexpr double kZoneMillions = 1000000.0;

struct ZonedMeasurement {
  WorstCase northing, easting;       // engine forward - PROJ forward, metres
  WorstCase inverseB, inverseL;      // engine inverse of PROJ's plane - sample, degrees
  WorstCase roundTripB, roundTripL;  // engine forward then inverse - sample, degrees
  int wrongZones = 0;                // zone millions other than the zone sampled
  int failures = 0;                  // engine or PROJ refusing a point
  int points = 0;
};

// Longitude difference in degrees folded into (-180, 180].
double LongitudeDifference(double l1, double l2) { return std::remainder(l1 - l2, 360.0); }

struct ZoneRun {
  const ZonedSetup& setup;
  const ZonedLayout& layout;
  const ProjOperation& proj;
  int zone;
  ZonedMeasurement& m;

  // The engine's inverse of `plane` against the sample (degrees).
  bool Inverse(const PlanePoint& plane, const ProjectionSlots& slots, const LatLonDegrees& sample,
               WorstCase& dB, WorstCase& dL, const std::array<double, 3>& where) {
    PlanePoint in = plane;
    LatLonDegrees back;
    if (ProjectPoint(setup.ellipsoid.a, setup.ellipsoid.inverseFlattening, ProjectionDirection::kInverse, in, back,
                     slots) != kOk)
      return false;
    dB.Offer(back.b - sample.b, where);
    dL.Offer(LongitudeDifference(back.l, sample.l), where);
    return true;
  }

  void Point(double b, double offAxis) {
    const double axial = setup.firstAxialMeridian + setup.zoneWidth * (zone - 1);
    const LatLonDegrees sample{b, axial + offAxis};
    const std::array<double, 3> where{sample.b, sample.l, static_cast<double>(zone)};
    ProjectionSlots slots = setup.slots;
    // Just inside the zone edge the engine picks the zone; beyond it the zone
    // is fixed. The margin keeps rounding of axial + offAxis off the edge.
    const bool insideZone = std::fabs(offAxis) < setup.zoneWidth / 2 - 1e-9;
    slots.SetFixedZone(insideZone ? 0.0 : zone);
    ++m.points;

    PlanePoint plane;
    LatLonDegrees geo = sample;
    const auto projEn =
        proj.Forward(sample.l * kRadiansPerDegree, sample.b * kRadiansPerDegree, 0.0);
    if (ProjectPoint(setup.ellipsoid.a, setup.ellipsoid.inverseFlattening, ProjectionDirection::kForward, plane, geo,
                     slots) != kOk ||
        !std::isfinite(projEn[0]) || !std::isfinite(projEn[1])) {
      ++m.failures;
      return;
    }
    if (layout.ZoneOf(plane) != zone) ++m.wrongZones;
    const EastNorth engineEn = layout.InZone(plane, zone);
    m.easting.Offer(engineEn.easting - projEn[0], where);
    m.northing.Offer(engineEn.northing - projEn[1], where);

    const PlanePoint projPlane = layout.Zoned({projEn[0], projEn[1]}, zone);
    if (!Inverse(projPlane, slots, sample, m.inverseB, m.inverseL, where)) ++m.failures;
    if (!Inverse(plane, slots, sample, m.roundTripB, m.roundTripL, where)) ++m.failures;
  }
};

// Samples every zone of `setup` with `rng`. Inside the standard zone width
// the engine chooses the zone itself from the longitude; beyond it slot 10
// fixes the sampled zone, as the Execute command does for a target zone.
ZonedMeasurement MeasureZoned(const ZonedSetup& setup, const ZonedDomain& domain,
                              std::mt19937& rng) {
  ZonedMeasurement m;
  const ZonedLayout layout(setup.slots);
  for (int zone = 1; zone <= setup.zones; ++zone) {
    const ProjOperation proj(setup.projDefinition(zone));
    if (!proj.Valid()) {
      ADD_FAILURE() << proj.Error();
      continue;
    }
    ZoneRun run{setup, layout, proj, zone, m};
    for (int i = 0; i < domain.pointsPerZone; ++i) {
      const double b = Uniform(rng, -domain.maxLatitude, domain.maxLatitude);
      run.Point(b, Uniform(rng, -domain.maxOffAxis, domain.maxOffAxis));
    }
  }
  return m;
}

}  // namespace

void PrintTo(const ZonedSetup& setup, std::ostream* out) {
  *out << setup.name << ' ' << setup.ellipsoid.name;
}

// Zone n of the Gauss-Krüger system has its axial meridian at 6n - 3 degrees.
ZonedSetup GaussKrugerSetup(const OracleEllipsoid& ellipsoid) {
  ProjectionSlots slots;
  slots.values = {0, 0, 3, 6, 0, 500000, 1.0, 0, 0, 0};
  auto definition = [ellipsoid](int zone) {
    return "+proj=tmerc +lat_0=0 +lon_0=" + NumberArg(6.0 * zone - 3.0) +
           " +k=1 +x_0=500000 +y_0=0 " + EllipsoidArgs(ellipsoid);
  };
  return {"GK", ellipsoid, slots, 3.0, 6.0, 60, definition};
}

// UTM zone 1 is centred on 177° W, the engine's 183°.
ZonedSetup UtmSetup() {
  ProjectionSlots slots;
  slots.values = {2, 0, 183, 6, 500000, 0, 0.9996, 0, 1, 0};
  auto definition = [](int zone) {
    return "+proj=utm +zone=" + std::to_string(zone) + " " + EllipsoidArgs(kWgs84);
  };
  return {"UTM", kWgs84, slots, -177.0, 6.0, 60, definition};
}

int ZonedLayout::ZoneOf(const PlanePoint& p) const {
  return static_cast<int>(std::floor((exchanged_ ? p.x : p.y) / kZoneMillions));
}

EastNorth ZonedLayout::InZone(const PlanePoint& p, int zone) const {
  return exchanged_ ? EastNorth{p.x - zone * kZoneMillions, p.y}
                    : EastNorth{p.y - zone * kZoneMillions, p.x};
}

PlanePoint ZonedLayout::Zoned(const EastNorth& en, int zone) const {
  return exchanged_ ? PlanePoint{zone * kZoneMillions + en.easting, en.northing}
                    : PlanePoint{en.northing, zone * kZoneMillions + en.easting};
}

void ExpectZonedWithin(const ZonedSetup& setup, const ZonedDomain& domain,
                       const ZonedBounds& bounds, unsigned seed) {
  std::mt19937 rng(seed);
  const ZonedMeasurement m = MeasureZoned(setup, domain, rng);
  const std::string where = std::string(setup.ellipsoid.name) + " over " +
                            std::to_string(m.points) + " pts |l|<=" + NumberArg(domain.maxOffAxis) +
                            " |B|<" + NumberArg(domain.maxLatitude) +
                            " seed=" + std::to_string(seed);
  const std::string prefix = std::string(setup.name) + "_l" + NumberArg(domain.maxOffAxis) + "_";
  ReportMeasured(prefix + "forward_mm",
                 std::string(setup.name) +
                     " forward vs PROJ |dnorthing|max=" + Fixed(m.northing.Value() * 1000.0, 4) +
                     " mm |deasting|max=" + Fixed(m.easting.Value() * 1000.0, 4) + " mm " + where);
  ReportMeasured(prefix + "inverse_deg",
                 std::string(setup.name) +
                     " inverse of PROJ plane |dB|max=" + Scientific(m.inverseB.Value()) +
                     " deg |dL|max=" + Scientific(m.inverseL.Value()) + " deg " + where);
  ReportMeasured(prefix + "round_trip_deg",
                 std::string(setup.name) +
                     " forward+inverse |dB|max=" + Scientific(m.roundTripB.Value()) +
                     " deg |dL|max=" + Scientific(m.roundTripL.Value()) + " deg " + where);
  EXPECT_EQ(m.failures, 0);
  EXPECT_EQ(m.wrongZones, 0);
  EXPECT_LT(m.northing.Value(), bounds.planeMetres) << "(B, L, zone) " << m.northing.Where();
  EXPECT_LT(m.easting.Value(), bounds.planeMetres) << "(B, L, zone) " << m.easting.Where();
  EXPECT_LT(m.inverseB.Value(), bounds.inverseLatitudeDegrees)
      << "(B, L, zone) " << m.inverseB.Where();
  EXPECT_LT(m.inverseL.Value(), bounds.inverseLongitudeDegrees)
      << "(B, L, zone) " << m.inverseL.Where();
  EXPECT_LT(m.roundTripB.Value(), bounds.roundTripDegrees)
      << "(B, L, zone) " << m.roundTripB.Where();
  EXPECT_LT(m.roundTripL.Value(), bounds.roundTripDegrees)
      << "(B, L, zone) " << m.roundTripL.Where();
}

}  // namespace vexilor::oracle
