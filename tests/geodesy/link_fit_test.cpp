#include "geodesy/link_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geodesy/angle_constants.h"
#include "geodesy/seven_parameter.h"
#include "support/engine_test_support.h"

namespace vexilor {
namespace {

using testing::kKrassA;
using testing::kKrassF;

constexpr EllipsoidAxes kKrassovsky{kKrassA, kKrassF};

// Marks spread over a square of `side` metres about (b°, l°), heights 0 to
// 300 m, numbered 1, 2, ...; `lateral` squeezes the square and the heights
// into a corridor along the meridian (1: a square, 0: one meridian's arc).
std::vector<NumberedPoint> Marks(int count, double b, double l, double side, unsigned seed, double lateral = 1) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> unit(-0.5, 0.5);
  const double radius = 6.37e6;
  std::vector<NumberedPoint> marks;
  for (int i = 1; i <= count; ++i) {
    const double north = unit(random) * side, east = unit(random) * side * lateral;
    const double bi = b * kRadiansPerDegree + north / radius;
    const double li = l * kRadiansPerDegree + east / (radius * std::cos(b * kRadiansPerDegree));
    marks.push_back({i, GeodeticToGeocentric(kKrassA, kKrassF, bi, li, 150 + 300 * lateral * unit(random))});
  }
  return marks;
}

// The marks carried by `link` through the engine, with normal noise of
// `noise` metres on every coordinate.
std::vector<NumberedPoint> Carried(const std::vector<NumberedPoint>& marks, const LinkParams& link, double noise = 0,
                                   unsigned seed = 7) {
  std::mt19937 random(seed);
  std::normal_distribution<double> error(0, noise > 0 ? noise : 1);
  std::vector<NumberedPoint> out;
  for (const NumberedPoint& m : marks) {
    Geocentric g;
    EXPECT_EQ(SevenParameterTransform(LinkDirection::kToBase, m.xyz, link, g), kOk);
    if (noise > 0) g = {g.x + error(random), g.y + error(random), g.z + error(random)};
    out.push_back({m.number, g});
  }
  return out;
}

LinkFitOutcome Fit(LinkModel model, const std::vector<NumberedPoint>& source, const std::vector<NumberedPoint>& target,
                   std::vector<std::int32_t> excluded = {}) {
  return FitLink({model, source, target, std::move(excluded), kKrassovsky});
}

// СК-42 to ПЗ-90 of the catalogue; ГСК-2011 to ПЗ-90 with its scale; a
// local datum of large parameters; shifts alone.
const LinkParams kCk42{25, -141, -80, 0, -0.35, -0.66, 0};
const LinkParams kGsk2011{1.443, -0.142, -0.23, 0.001738, -0.003559, 0.134263, 2.274e-7};
const LinkParams kLocal{574.3, 85.1, 461.8, 4.91, 1.53, -5.36, 3.5e-6};
const LinkParams kShiftsOnly{23.57, -140.95, -79.8, 0, 0, 0, 0};

struct Area {
  const char* name;
  int count;
  double b, l, side;  // degrees, metres
  double shifts;      // metres: how well D is found from exact points
};
// D is the place of the geocentre, 6400 km beyond the marks: the last bit of
// the marks' coordinates, turned into rotations over a few kilometres,
// moves it by micrometres.
const Area kAreas[] = {{"city of 5 km, 20 marks", 20, 55.75, 37.62, 5e3, 1e-6},
                       {"region of 600 km, 50 marks", 50, 61.0, 45.0, 6e5, 1e-6},
                       {"city of 3 km, 3 marks", 3, 59.94, 30.31, 3e3, 1e-5}};

TEST(FitLink, FindsTheParametersTheEngineApplied) {
  struct Case { LinkModel model; LinkParams truth; };
  const Case cases[] = {{LinkModel::kSevenParameters, kCk42}, {LinkModel::kSevenParameters, kGsk2011},
                        {LinkModel::kSevenParameters, kLocal}, {LinkModel::kShifts, kShiftsOnly}};
  for (const Area& area : kAreas)
    for (const Case& c : cases) {
      const auto source = Marks(area.count, area.b, area.l, area.side, 11);
      const LinkFitOutcome o = Fit(c.model, source, Carried(source, c.truth));
      ASSERT_EQ(o.code, kOk) << area.name;
      for (std::size_t k = 0; k < 6; ++k)
        EXPECT_NEAR(o.fit.params[k], c.truth[k], k < 3 ? area.shifts : 1e-6) << area.name << " " << k;
      EXPECT_NEAR(o.fit.params[kLinkScale], c.truth[kLinkScale], 1e-12) << area.name;
      EXPECT_LT(o.fit.sigma0, 1e-6) << area.name;
      EXPECT_EQ(o.fit.redundancy, 3 * area.count - static_cast<int>(c.model));
    }
}

// Over 200 draws of 3 mm noise, σ₀ averages the noise and each parameter's
// error over its σ has a root mean square of 1: the standard deviations
// are neither too hopeful nor too timid, and few errors pass 3σ.
TEST(FitLink, PrecisionMatchesTheNoise) {
  const double noise = 0.003;
  const int draws = 200;
  for (const Area& area : kAreas) {
    if (area.count < 10) continue;
    for (const LinkModel model : {LinkModel::kSevenParameters, LinkModel::kShifts}) {
      const LinkParams truth = model == LinkModel::kShifts ? kShiftsOnly : kGsk2011;
      const std::size_t parameters = static_cast<std::size_t>(model);
      const auto source = Marks(area.count, area.b, area.l, area.side, 23);
      double sigma0 = 0, beyond3 = 0;
      LinkParams squares{};
      for (int draw = 0; draw < draws; ++draw) {
        const LinkFitOutcome o = Fit(model, source, Carried(source, truth, noise, static_cast<unsigned>(draw)));
        ASSERT_EQ(o.code, kOk) << area.name;
        sigma0 += o.fit.sigma0 / noise / draws;
        for (std::size_t k = 0; k < parameters; ++k) {
          const double z = (o.fit.params[k] - truth[k]) / o.fit.sigma[k];
          squares[k] += z * z / draws;
          beyond3 += std::fabs(z) > 3 ? 1.0 / (draws * parameters) : 0.0;
        }
      }
      EXPECT_NEAR(sigma0, 1.0, 0.05) << area.name;
      for (std::size_t k = 0; k < parameters; ++k) EXPECT_NEAR(std::sqrt(squares[k]), 1.0, 0.15) << area.name << " " << k;
      EXPECT_LT(beyond3, 0.02) << area.name;
    }
  }
}

// A blunder stands out: flagged and worst while used; left out, the fit
// is clean again and the mark, now a check point, still shows it.
TEST(FitLink, FlagsABlunderAndChecksAMarkLeftOut) {
  const auto source = Marks(12, 55.75, 37.62, 5e3, 31);
  auto target = Carried(source, kCk42, 0.002, 9);
  target[4].xyz.z += 0.10;
  const LinkFitOutcome used = Fit(LinkModel::kSevenParameters, source, target);
  ASSERT_EQ(used.code, kOk);
  EXPECT_EQ(used.fit.residuals[used.fit.worst].number, 5);
  for (const PointResidual& p : used.fit.residuals) EXPECT_EQ(p.flagged, p.number == 5) << p.number;

  const LinkFitOutcome left = Fit(LinkModel::kSevenParameters, source, target, {5});
  ASSERT_EQ(left.code, kOk);
  EXPECT_EQ(left.fit.pointsUsed, 11);
  EXPECT_LT(left.fit.sigma0, 0.003);
  const PointResidual& check = left.fit.residuals[4];
  EXPECT_FALSE(check.used);
  EXPECT_TRUE(check.flagged);
  EXPECT_NEAR(std::sqrt(check.north * check.north + check.east * check.east + check.up * check.up), 0.10, 0.01);
}

// Residuals are the target minus the fitted source along the target
// point's own north, east and up: two marks a kilometre apart, shifted
// alike but for ±5 cm along one local axis, keep ±5 cm on that axis alone.
TEST(FitLink, ResidualsLieAlongTheLocalAxes) {
  const auto source = Marks(2, 55.75, 37.62, 1e3, 3);
  for (int axis = 0; axis < 3; ++axis) {
    auto target = Carried(source, kShiftsOnly);
    for (std::size_t i = 0; i < 2; ++i) {
      Geocentric& t = target[i].xyz;
      Geodetic g;
      ASSERT_EQ(GeocentricToGeodetic(kKrassA, kKrassF, t.x, t.y, t.z, g), kOk);
      const double sb = std::sin(g.b), cb = std::cos(g.b), sl = std::sin(g.l), cl = std::cos(g.l);
      const Geocentric along[3] = {{-sb * cl, -sb * sl, cb}, {-sl, cl, 0}, {cb * cl, cb * sl, sb}};
      const double step = i == 0 ? 0.05 : -0.05;
      t = {t.x + step * along[axis].x, t.y + step * along[axis].y, t.z + step * along[axis].z};
    }
    const PointResidual r = Fit(LinkModel::kShifts, source, target).fit.residuals.at(0);
    EXPECT_NEAR(r.north, axis == 0 ? 0.05 : 0, 5e-5) << axis;
    EXPECT_NEAR(r.east, axis == 1 ? 0.05 : 0, 5e-5) << axis;
    EXPECT_NEAR(r.up, axis == 2 ? 0.05 : 0, 5e-5) << axis;
  }
}

TEST(FitLink, RefusesWhatCannotGiveALink) {
  const auto marks = Marks(5, 55.75, 37.62, 5e3, 17);
  auto nan = marks;
  nan[2].xyz.y = std::nan("");
  auto repeated = marks;
  repeated[3].number = 2;
  const auto line = Marks(6, 55.75, 37.62, 5e3, 17, 0);
  const auto nearLine = Marks(6, 55.75, 37.62, 5e3, 17, 5e-4);
  struct Case {
    const char* name;
    LinkModel model;
    std::vector<NumberedPoint> source, target;
    std::vector<std::int32_t> excluded;
    ResultCode code;
    std::vector<std::int32_t> numbers;
  };
  const std::vector<NumberedPoint> two(marks.begin(), marks.begin() + 2);
  const std::vector<NumberedPoint> four(marks.begin(), marks.begin() + 4);
  const Case cases[] = {
      {"two marks, seven parameters", LinkModel::kSevenParameters, two, two, {}, kFitTooFewPoints, {}},
      {"three left out of five", LinkModel::kSevenParameters, marks, marks, {1, 2, 3}, kFitTooFewPoints, {}},
      {"every mark left out", LinkModel::kShifts, marks, marks, {1, 2, 3, 4, 5}, kFitTooFewPoints, {}},
      {"5 km of a meridian at one height", LinkModel::kSevenParameters, line, line, {}, kFitPointsInLine, {}},
      {"2.5 m off a 5 km line", LinkModel::kSevenParameters, nearLine, nearLine, {}, kFitPointsInLine, {}},
      {"a line, shifts alone", LinkModel::kShifts, line, line, {}, kOk, {}},
      {"mark 5 in the source only", LinkModel::kShifts, marks, four, {}, kFitPointUnmatched, {5}},
      {"mark 5 in the target only", LinkModel::kShifts, four, marks, {}, kFitPointUnmatched, {5}},
      {"mark 5 in the source only, left out", LinkModel::kShifts, marks, four, {5}, kOk, {}},
      {"mark 2 twice", LinkModel::kShifts, repeated, marks, {}, kFitPointRepeated, {2}},
      {"a coordinate not a number", LinkModel::kShifts, marks, nan, {}, kFitValueNotFinite, {}},
  };
  for (const Case& c : cases) {
    const LinkFitOutcome o = Fit(c.model, c.source, c.target, c.excluded);
    EXPECT_EQ(o.code, c.code) << c.name;
    EXPECT_EQ(o.numbers, c.numbers) << c.name;
  }
}

// The threshold refuses lines alone: a corridor twenty times longer than
// wide and a city's flat spread stay far below it.
TEST(FitLink, ConditionNumberOfCorridorsAndLines) {
  const auto identity = [](const std::vector<NumberedPoint>& m) {
    return Fit(LinkModel::kSevenParameters, m, m).fit.conditionNumber;
  };
  EXPECT_LT(identity(Marks(20, 55.75, 37.62, 5e3, 41)), 3.0);
  EXPECT_LT(identity(Marks(20, 55.75, 37.62, 5e4, 41, 0.05)), 40.0);
}

}  // namespace
}  // namespace vexilor
