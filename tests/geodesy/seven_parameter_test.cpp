#include "geodesy/seven_parameter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "geodesy/angle_constants.h"

namespace vexilor {
namespace {

const double kArcSecond = kRadiansPerDegree / 3600.0;

const Geocentric kPoints[] = {
    {6378137.0, 0.0, 0.0},
    {0.0, 0.0, 6356752.3},
    {2845455.0, 2160954.0, 5265993.0},
    {-1e6, -4.5e6, -4.3e6},
};

double Distance(const Geocentric& p, const Geocentric& q) {
  return std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y) +
                   (p.z - q.z) * (p.z - q.z));
}

TEST(SevenParameterTransform, ZeroParametersKeepThePoint) {
  for (LinkDirection mode : {LinkDirection::kToBase, LinkDirection::kFromBase}) {
    for (const auto& p : kPoints) {
      Geocentric out{-1, -1, -1};
      ASSERT_EQ(SevenParameterTransform(mode, p, LinkParams{}, out), kOk);
      EXPECT_EQ(out.x, p.x);
      EXPECT_EQ(out.y, p.y);
      EXPECT_EQ(out.z, p.z);
    }
  }
}

// One parameter at a time, against the rows of the two matrices worked by
// hand: 1″ of Wz turns the point (6378137, 0, 0) by 30.922080775909325 m.
struct SingleCase {
  const char* name;
  LinkDirection mode;
  LinkParams p;
  Geocentric in, expected;
};

TEST(SevenParameterTransform, EachParameterActsAsTheMatricesSay) {
  const double t = 30.922080775909325;
  const double a = 6378137.0;
  const SingleCase cases[] = {
      {"forward adds the shift", LinkDirection::kToBase, {25, -141, -80, 0, 0, 0, 0}, {a, 0, 0},
       {a + 25, -141, -80}},
      {"inverse subtracts the shift", LinkDirection::kFromBase, {25, -141, -80, 0, 0, 0, 0}, {a, 0, 0},
       {a - 25, 141, 80}},
      {"forward scales by 1 + m", LinkDirection::kToBase, {0, 0, 0, 0, 0, 0, 1e-6}, {a, 0, 0},
       {a * (1 + 1e-6), 0, 0}},
      {"inverse scales by 1 - m", LinkDirection::kFromBase, {0, 0, 0, 0, 0, 0, 1e-6}, {a, 0, 0},
       {a * (1 - 1e-6), 0, 0}},
      {"forward Wz: Y' = -Wz X", LinkDirection::kToBase, {0, 0, 0, 0, 0, 1, 0}, {a, 0, 0}, {a, -t, 0}},
      {"inverse Wz: Y' = +Wz X", LinkDirection::kFromBase, {0, 0, 0, 0, 0, 1, 0}, {a, 0, 0}, {a, t, 0}},
      {"forward Wz: X' = +Wz Y", LinkDirection::kToBase, {0, 0, 0, 0, 0, 1, 0}, {0, a, 0}, {t, a, 0}},
      {"forward Wy: Z' = +Wy X", LinkDirection::kToBase, {0, 0, 0, 0, 1, 0, 0}, {a, 0, 0}, {a, 0, t}},
      {"forward Wy: X' = -Wy Z", LinkDirection::kToBase, {0, 0, 0, 0, 1, 0, 0}, {0, 0, a}, {-t, 0, a}},
      {"inverse Wy: X' = +Wy Z", LinkDirection::kFromBase, {0, 0, 0, 0, 1, 0, 0}, {0, 0, a}, {t, 0, a}},
      {"forward Wx: Y' = +Wx Z", LinkDirection::kToBase, {0, 0, 0, 1, 0, 0, 0}, {0, 0, a}, {0, t, a}},
      {"forward Wx: Z' = -Wx Y", LinkDirection::kToBase, {0, 0, 0, 1, 0, 0, 0}, {0, a, 0}, {0, a, -t}},
      {"inverse Wx: Z' = +Wx Y", LinkDirection::kFromBase, {0, 0, 0, 1, 0, 0, 0}, {0, a, 0}, {0, a, t}},
      {"forward: scale applies to the rotated point, not to the shift", LinkDirection::kToBase,
       {10, 0, 0, 0, 0, 1, 1e-6}, {a, 0, 0}, {a * (1 + 1e-6) + 10, -t * (1 + 1e-6), 0}},
  };
  for (const auto& c : cases) {
    Geocentric out;
    ASSERT_EQ(SevenParameterTransform(c.mode, c.in, c.p, out), kOk) << c.name;
    EXPECT_NEAR(out.x, c.expected.x, 1e-8) << c.name;
    EXPECT_NEAR(out.y, c.expected.y, 1e-8) << c.name;
    EXPECT_NEAR(out.z, c.expected.z, 1e-8) << c.name;
  }
}

TEST(SevenParameterTransform, ForwardEqualsInverseWithAllSevenNegated) {
  const LinkParams p{25, -141, -80, 0.7, -0.35, -0.66, 2.2e-6};
  LinkParams negated;
  for (std::size_t k = 0; k < p.size(); ++k) negated[k] = -p[k];
  for (const auto& pt : kPoints) {
    Geocentric forward, inverse;
    ASSERT_EQ(SevenParameterTransform(LinkDirection::kToBase, pt, p, forward), kOk);
    ASSERT_EQ(SevenParameterTransform(LinkDirection::kFromBase, pt, negated, inverse), kOk);
    EXPECT_EQ(forward.x, inverse.x);
    EXPECT_EQ(forward.y, inverse.y);
    EXPECT_EQ(forward.z, inverse.z);
  }
}

// The inverse form is the first-order inverse: after forward and inverse
// the point is off by -Ω²X - ΩD - mD - m²X and smaller terms, Ω the small
// rotation. The bound below is that sum, with |ΩD| ≤ |w||D| and |Ω²X| ≤ |w|²|X|.
double SecondOrderBound(const LinkParams& p, const Geocentric& x) {
  const double w = std::sqrt(p[3] * p[3] + p[4] * p[4] + p[5] * p[5]) * kArcSecond;
  const double d = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
  const double r = std::sqrt(x.x * x.x + x.y * x.y + x.z * x.z);
  return 1.01 * (w * w * r + w * d + std::fabs(p[6]) * d + p[6] * p[6] * r) + 1e-8;
}

struct RoundTripCase {
  const char* name;
  LinkParams p;
  double millimetres;  // the largest error seen must stay below this
};

TEST(SevenParameterTransform, ForwardThenInverseReturnsWithinSecondOrder) {
  const RoundTripCase cases[] = {
      {"СК-42 to ПЗ-90", {25, -141, -80, 0, -0.35, -0.66, 0}, 1.0},
      {"ПЗ-90 to WGS-84", {-1.08, -0.27, -0.90, 0, 0, -0.16, -0.12e-6}, 1.0},
      {"one second about each axis, m 1e-6, no shift", {0, 0, 0, 1, -1, 1, 1e-6}, 1.0},
      {"two seconds about one axis, m 1e-6, shifts of metres", {3, -2, 1, 0, 2, 0, 1e-6}, 1.0},
      // Larger links leave the millimetre: Ω²X alone is 0.15 mm per square
      // arc second on the Earth's surface.
      {"one and a half seconds about each axis", {0, 0, 0, 1.5, -1.5, 1.5, 0}, 1.1},
      {"three seconds about each axis with shifts of a hundred metres",
       {100, -150, 80, 3, -3, 3, 1e-6}, 6.0},
  };
  std::mt19937_64 rng(20240611);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  for (const auto& c : cases) {
    double worst = 0.0;
    for (int k = 0; k < 2000; ++k) {
      Geocentric x{unit(rng), unit(rng), unit(rng)};
      const double scale = 6.37e6 / std::sqrt(x.x * x.x + x.y * x.y + x.z * x.z);
      x = {x.x * scale, x.y * scale, x.z * scale};
      Geocentric there, back;
      ASSERT_EQ(SevenParameterTransform(LinkDirection::kToBase, x, c.p, there), kOk);
      ASSERT_EQ(SevenParameterTransform(LinkDirection::kFromBase, there, c.p, back), kOk);
      const double error = Distance(back, x);
      EXPECT_LE(error, SecondOrderBound(c.p, x)) << c.name;
      worst = std::max(worst, error);
    }
    EXPECT_LT(worst, c.millimetres * 1e-3) << c.name;
    // The parameters really move the point: the round trip is not a no-op.
    Geocentric there;
    ASSERT_EQ(SevenParameterTransform(LinkDirection::kToBase, kPoints[2], c.p, there), kOk);
    EXPECT_GT(Distance(there, kPoints[2]), 1.0) << c.name;
  }
}

TEST(SevenParameterTransform, NonFiniteResultIsRefused) {
  const double nan = std::nan("");
  const LinkParams bad[] = {{nan, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, nan, 0},
                            {0, 0, 0, 0, 0, 0, HUGE_VAL}};
  for (const auto& p : bad) {
    for (LinkDirection mode : {LinkDirection::kToBase, LinkDirection::kFromBase}) {
      Geocentric out{-1, -2, -3};
      EXPECT_EQ(SevenParameterTransform(mode, kPoints[2], p, out), kLinkResultNotFinite);
      EXPECT_EQ(out.x, -1);
    }
  }
}

TEST(SevenParameterTransform, OutputMayBeTheInput) {
  const LinkParams p{25, -141, -80, 0, -0.35, -0.66, 0};
  Geocentric separate;
  ASSERT_EQ(SevenParameterTransform(LinkDirection::kToBase, kPoints[2], p, separate), kOk);
  Geocentric same = kPoints[2];
  ASSERT_EQ(SevenParameterTransform(LinkDirection::kToBase, same, p, same), kOk);
  EXPECT_EQ(same.x, separate.x);
  EXPECT_EQ(same.y, separate.y);
  EXPECT_EQ(same.z, separate.z);
}

}  // namespace
}  // namespace vexilor
