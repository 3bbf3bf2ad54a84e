#include "geodesy/ellipsoid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geodesy/angle_constants.h"

namespace vexilor {
namespace {

constexpr double kPz90A = 6378136.0;
constexpr double kPz90F = 298.25784;
constexpr double kKrassA = 6378245.0;
constexpr double kKrassF = 298.3;

struct GeocentricCase {
  const char* name;
  double x, y, z;
  double b, l, h;  // expected, radians and metres
};

TEST(GeocentricToGeodetic, SpecialPoints) {
  const double pole = 6356851.362;
  const GeocentricCase cases[] = {
      {"centre of the Earth", 0, 0, 0, 0, 0, -kPz90A},
      {"north pole 100 m up", 0, 0, pole, kPi / 2, 0, 100.0},
      {"south pole 100 m up", 0, 0, -pole, -kPi / 2, 0, 100.0},
      {"equator on the antimeridian", -kPz90A, 0, 0, 0, kPi, 0},
  };
  for (const auto& c : cases) {
    Geodetic g;
    ASSERT_EQ(GeocentricToGeodetic(kPz90A, kPz90F, c.x, c.y, c.z, g), kOk) << c.name;
    EXPECT_NEAR(g.b, c.b, 1e-15) << c.name;
    EXPECT_NEAR(g.l, c.l, 1e-15) << c.name;
    EXPECT_NEAR(g.h, c.h, 0.0005) << c.name;
  }
}

TEST(GeocentricToGeodetic, LongitudeIsNeverNegative) {
  const double quadrants[][2] = {{1, -1}, {1e6, -1e-3}, {-1, -1}, {-1e6, 1e-3}, {1, 1}};
  for (const auto& q : quadrants) {
    Geodetic g;
    ASSERT_EQ(GeocentricToGeodetic(kKrassA, kKrassF, q[0] * 4e6, q[1] * 4e6, 3e6, g), kOk);
    EXPECT_GE(g.l, 0.0);
    EXPECT_LT(g.l, 2 * kPi);
    EXPECT_NEAR(std::sin(g.l), q[1] / std::hypot(q[0], q[1]), 1e-12);
  }
  Geodetic g;
  ASSERT_EQ(GeocentricToGeodetic(kKrassA, kKrassF, 4e6, -4e6, 3e6, g), kOk);
  EXPECT_GT(g.l, 1.5 * kPi);
}

TEST(GeodeticGeocentric, RoundTripsOnBothEllipsoids) {
  struct Point { double bDeg, lDeg, h; };
  const Point points[] = {{55, 37, 150},   {-33.9, 151.2, 40}, {89.9, 10, 3000}, {-89.9, 300, 5},
                          {0.001, 359.999, -20}, {45.0001, 90, 8848}, {-45, 270, 0}, {70, 180, 1e5}};
  const double ellipsoids[][2] = {{kPz90A, kPz90F}, {kKrassA, kKrassF}};
  for (const auto& ell : ellipsoids) {
    for (const auto& p : points) {
      const double b = p.bDeg * kRadiansPerDegree, l = p.lDeg * kRadiansPerDegree;
      const Geocentric c = GeodeticToGeocentric(ell[0], ell[1], b, l, p.h);
      Geodetic g;
      ASSERT_EQ(GeocentricToGeodetic(ell[0], ell[1], c.x, c.y, c.z, g), kOk);
      EXPECT_NEAR(g.b, b, 1e-14) << p.bDeg;
      EXPECT_NEAR(g.l, l, 1e-14) << p.lDeg;
      EXPECT_NEAR(g.h, p.h, 0.001) << p.h;
    }
  }
}

// The 90° and 270° meridians cross Russia: the longitude must stay exact
// on and beside them.
TEST(GeodeticGeocentric, NinetyDegreeMeridiansKeepFullAccuracy) {
  const double arcSecond = kRadiansPerDegree / 3600.0;
  const double offsets[] = {0.01, -0.01, 0.001, 0.0};
  for (const double meridian : {90.0, 270.0}) {
    for (const double off : offsets) {
      const double b = 55 * kRadiansPerDegree;
      const double l = meridian * kRadiansPerDegree + off * arcSecond;
      const Geocentric c = GeodeticToGeocentric(kKrassA, kKrassF, b, l, 100);
      Geodetic g;
      ASSERT_EQ(GeocentricToGeodetic(kKrassA, kKrassF, c.x, c.y, c.z, g), kOk);
      const Geocentric back = GeodeticToGeocentric(kKrassA, kKrassF, g.b, g.l, g.h);
      EXPECT_LT(std::hypot(back.x - c.x, back.y - c.y, back.z - c.z), 1e-4)
          << meridian << "° + " << off << "″";
      EXPECT_NEAR(g.l, l, 1e-13);
    }
  }
}

// Both poles keep millimetre heights just off the axis.
TEST(GeocentricToGeodetic, HeightsNearEitherPole) {
  const double offAxis[] = {0.002, 0.01, 1.0, 100.0};
  for (const double sign : {1.0, -1.0}) {
    for (const double d : offAxis) {
      const double b = sign * (kPi / 2 - d / 6356863.0);  // d metres from the axis, roughly
      const Geocentric c = GeodeticToGeocentric(kPz90A, kPz90F, b, 0.3, 30.0);
      Geodetic g;
      ASSERT_EQ(GeocentricToGeodetic(kPz90A, kPz90F, c.x, c.y, c.z, g), kOk);
      EXPECT_NEAR(g.h, 30.0, 1e-4) << (sign > 0 ? "north " : "south ") << d << " m off the axis";
      EXPECT_NEAR(g.b, b, 1e-14);
    }
  }
}

TEST(GeocentricToGeodetic, AbsurdInputEndsWithAnErrorNotAHang) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double bad[][3] = {{nan, 1, 1}, {1, inf, 1}, {1, 1, -inf}, {1e308, 1e308, 1e308}};
  for (const auto& p : bad) {
    Geodetic g{1, 2, 3};
    EXPECT_EQ(GeocentricToGeodetic(kPz90A, kPz90F, p[0], p[1], p[2], g), kGeodeticConversionFailed);
    EXPECT_EQ(g.b, 1);  // untouched
  }
}

// Points from a file are not kept away from the centre of the Earth: close
// to it the conversion must still end, with a result or an error.
TEST(GeocentricToGeodetic, PointsNearTheCentreEnd) {
  const double distances[] = {1, 100, 5000, 20000, 21000, 1e9, 1e15};
  for (const double d : distances) {
    for (const double angle : {0.1, 0.7, 1.2, 1.5}) {
      Geodetic g;
      const ResultCode code = GeocentricToGeodetic(kPz90A, kPz90F, d * std::cos(angle), 0.0,
                                                   d * std::sin(angle), g);
      EXPECT_TRUE(code == kOk || code == kGeodeticConversionFailed) << d;
      if (code == kOk) {
        EXPECT_TRUE(std::isfinite(g.b) && std::isfinite(g.h)) << d;
      }
    }
  }
}

TEST(SafeArcSin, EndsAndInterior) {
  EXPECT_EQ(SafeArcSin(1.0), 1.570796326794895);
  EXPECT_EQ(SafeArcSin(-1.0), -1.570796326794895);
  EXPECT_EQ(SafeArcSin(1.0 - 1e-15), 1.570796326794895);
  for (const double x : {-0.99, -0.5, 0.0, 0.3})
    EXPECT_NEAR(SafeArcSin(x), std::asin(x), 1e-15) << x;
  // Close to the ends the arc tangent form loses a few digits.
  EXPECT_NEAR(SafeArcSin(0.999999), std::asin(0.999999), 1e-13);
}

}  // namespace
}  // namespace vexilor
