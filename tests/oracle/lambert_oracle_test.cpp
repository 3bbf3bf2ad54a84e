// Lambert conformal conic on one standard parallel (kind 1 of ProjectPoint)
// against PROJ's lcc with lat_1 = lat_0 = B0 and k_0.
//
// The engine's x is measured along the central meridian from the standard
// parallel (x0 + rho0 - rho cos gamma), its y across it: PROJ's northing and
// easting with the false origins exchanged (y_0 = x0, x_0 = y0).

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "geodesy/angle_constants.h"
#include "geodesy/project_point.h"
#include "proj_oracle.h"

namespace vexilor::oracle {
namespace {

constexpr unsigned kSeed = 19620313;
constexpr int kPoints = 4000;            // per case
constexpr double kLatitudeSpan = 15.0;   // |B - B0|, degrees
constexpr double kLongitudeSpan = 30.0;  // |L - L0|, degrees

struct LambertCase {
  OracleEllipsoid ellipsoid;
  double primeMeridian;  // degrees east of Greenwich
  double b0, l0;         // degrees
  double x0, y0;         // metres
  double k0;
  bool axesExchanged;  // slot 9: 1 gives (x, y), 0 gives (y, x)
};

// The central meridians keep L0 ± 30° inside [0, 360): the engine does not
// fold longitudes about the central meridian.
constexpr LambertCase kCases[] = {
    {kKrassovsky, 0.0, 30.0, 40.0, 2000000.0, 500000.0, 1.0, true},
    {kKrassovsky, 0.0, 45.0, 100.0, 2000000.0, 500000.0, 1.0, true},
    {kKrassovsky, 0.0, 55.0, 135.0, 2000000.0, 500000.0, 1.0, true},
    {kKrassovsky, 0.0, 65.0, 300.0, 2000000.0, 500000.0, 1.0, true},
    {kKrassovsky, 0.0, 30.0, 40.0, 2000000.0, 500000.0, 0.9999, true},
    {kKrassovsky, 0.0, 45.0, 100.0, 2000000.0, 500000.0, 0.9999, true},
    {kKrassovsky, 0.0, 55.0, 135.0, 2000000.0, 500000.0, 0.9999, true},
    {kKrassovsky, 0.0, 65.0, 300.0, 2000000.0, 500000.0, 0.9999, true},
    {kWgs84, 0.0, 50.0, 60.0, 3000000.0, 1000000.0, 0.9999, true},
    {kPz90, 2.33722917, 45.0, 40.0, 2000000.0, 500000.0, 1.0, true},
    // The first coordinate is then the one across the meridian, which must
    // stay positive.
    {kKrassovsky, 0.0, 55.0, 135.0, 2000000.0, 3000000.0, 1.0, false},
};

// Measured: the conformal-latitude series stop at e^6 and leave up to 1.8 mm
// in the plane (B0 = 65°) and 2.4e-8 degrees of latitude back (near
// |B - B0| = 15°, the inverse series); longitudes need no series and agree to
// rounding (6e-14 degrees). The bounds keep a margin over the printed maxima.
constexpr double kPlaneBoundMetres = 2.5e-3;
constexpr double kLatitudeBoundDegrees = 3e-8;
constexpr double kLongitudeBoundDegrees = 1e-12;

std::string ProjDefinition(const LambertCase& c) {
  return "+proj=lcc +lat_1=" + NumberArg(c.b0) + " +lat_0=" + NumberArg(c.b0) +
         " +lon_0=" + NumberArg(c.l0) + " +k_0=" + NumberArg(c.k0) + " +x_0=" + NumberArg(c.y0) +
         " +y_0=" + NumberArg(c.x0) + " +pm=" + NumberArg(c.primeMeridian) + " " +
         EllipsoidArgs(c.ellipsoid);
}

ProjectionSlots Slots(const LambertCase& c) {
  ProjectionSlots slots;
  slots.values = {1, c.primeMeridian, c.b0, c.l0, c.x0, c.y0, c.k0, 0, c.axesExchanged ? 1.0 : 0.0,
                  0};
  return slots;
}

std::string CaseText(const LambertCase& c) {
  return std::string(c.ellipsoid.name) + " B0=" + NumberArg(c.b0) + " L0=" + NumberArg(c.l0) +
         " pm=" + NumberArg(c.primeMeridian) + " k0=" + NumberArg(c.k0) +
         " axes=" + (c.axesExchanged ? "1" : "0");
}

double LongitudeDifference(double l1, double l2) { return std::remainder(l1 - l2, 360.0); }

struct LambertMeasurement {
  WorstCase x, y;                    // engine - PROJ, metres
  WorstCase inverseB, inverseL;      // engine inverse of PROJ's plane - sample, degrees
  WorstCase roundTripB, roundTripL;  // engine forward then inverse - sample, degrees
  int failures = 0;
};

// The engine's inverse of `plane` (in the engine's axis layout), against the
// sample.
void OfferInverse(const LambertCase& c, PlanePoint plane, const LatLonDegrees& sample,
                  WorstCase& dB, WorstCase& dL, int& failures) {
  LatLonDegrees back;
  if (ProjectPoint(c.ellipsoid.a, c.ellipsoid.inverseFlattening, ProjectionDirection::kInverse,
                   plane, back, Slots(c)) != kOk) {
    ++failures;
    return;
  }
  const std::array<double, 3> where{sample.b, sample.l, 0.0};
  dB.Offer(back.b - sample.b, where);
  dL.Offer(LongitudeDifference(back.l, sample.l), where);
}

LambertMeasurement Measure(const LambertCase& c, std::mt19937& rng) {
  LambertMeasurement m;
  const ProjOperation lcc(ProjDefinition(c));
  if (!lcc.Valid()) {
    ADD_FAILURE() << lcc.Error();
    return m;
  }
  for (int i = 0; i < kPoints; ++i) {
    const double b = c.b0 + Uniform(rng, -kLatitudeSpan, kLatitudeSpan);
    const LatLonDegrees sample{b, c.primeMeridian + c.l0 +
                                      Uniform(rng, -kLongitudeSpan, kLongitudeSpan)};
    const std::array<double, 3> where{sample.b, sample.l, 0.0};
    PlanePoint plane;
    LatLonDegrees geo = sample;
    const auto en = lcc.Forward(sample.l * kRadiansPerDegree, sample.b * kRadiansPerDegree, 0.0);
    if (ProjectPoint(c.ellipsoid.a, c.ellipsoid.inverseFlattening, ProjectionDirection::kForward,
                     plane, geo, Slots(c)) != kOk ||
        !std::isfinite(en[0])) {
      ++m.failures;
      continue;
    }
    // Along the meridian, across it: the engine's (x, y) for slot 9 = 1.
    const PlanePoint meridian = c.axesExchanged ? plane : PlanePoint{plane.y, plane.x};
    m.x.Offer(meridian.x - en[1], where);
    m.y.Offer(meridian.y - en[0], where);
    // PROJ's plane point in the engine's layout: (north, east) with slot 9 = 1.
    const PlanePoint fromProj = c.axesExchanged ? PlanePoint{en[1], en[0]} : PlanePoint{en[0], en[1]};
    OfferInverse(c, fromProj, sample, m.inverseB, m.inverseL, m.failures);
    OfferInverse(c, plane, sample, m.roundTripB, m.roundTripL, m.failures);
  }
  return m;
}

TEST(LambertOracle, OneStandardParallelMatchesProjLcc) {
  std::mt19937 rng(kSeed);
  int index = 0;
  for (const LambertCase& c : kCases) {
    SCOPED_TRACE(CaseText(c));
    const std::string key = "lambert_case" + std::to_string(++index);
    const LambertMeasurement m = Measure(c, rng);
    const std::string domain = " over " + std::to_string(kPoints) + " pts |B-B0|<=15 |L-L0|<=30" +
                               " seed=" + std::to_string(kSeed);
    ReportMeasured(key + "_forward_mm",
                   "Lambert " + CaseText(c) + " |dx|max=" + Fixed(m.x.Value() * 1000.0, 3) +
                       " mm |dy|max=" + Fixed(m.y.Value() * 1000.0, 3) + " mm" + domain);
    ReportMeasured(key + "_inverse_deg",
                   "Lambert " + CaseText(c) +
                       " inverse of PROJ plane |dB|max=" + Scientific(m.inverseB.Value()) +
                       " deg |dL|max=" + Scientific(m.inverseL.Value()) +
                       " deg; forward+inverse |dB|max=" + Scientific(m.roundTripB.Value()) +
                       " deg |dL|max=" + Scientific(m.roundTripL.Value()) + " deg" + domain);
    EXPECT_EQ(m.failures, 0);
    EXPECT_LT(m.x.Value(), kPlaneBoundMetres) << "(B, L) " << m.x.Where();
    EXPECT_LT(m.y.Value(), kPlaneBoundMetres) << "(B, L) " << m.y.Where();
    EXPECT_LT(m.inverseB.Value(), kLatitudeBoundDegrees) << "(B, L) " << m.inverseB.Where();
    EXPECT_LT(m.inverseL.Value(), kLongitudeBoundDegrees) << "(B, L) " << m.inverseL.Where();
    EXPECT_LT(m.roundTripB.Value(), kLatitudeBoundDegrees) << "(B, L) " << m.roundTripB.Where();
    EXPECT_LT(m.roundTripL.Value(), kLongitudeBoundDegrees) << "(B, L) " << m.roundTripL.Where();
  }
}

}  // namespace
}  // namespace vexilor::oracle
