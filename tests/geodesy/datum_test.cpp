#include "geodesy/datum.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "geodesy/angle_constants.h"
#include "support/engine_test_support.h"

namespace vexilor {
namespace {

// The route is traced with links that only shift, each along its own axis
// by its own amount, so the result tells which legs ran and in which form
// (forward adds the shift, inverse subtracts it). Every number the route
// must not read is NaN, so reading it fails the point.
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

struct Axes {
  double a, invF;
};
constexpr Axes kKrassovsky{6378245.0, 298.3};
constexpr Axes kPz90{6378136.0, 298.25784};
constexpr Axes kWgs84{6378137.0, 298.257223563};
constexpr Axes kHayford{6378388.0, 297.0};
constexpr Axes kClarke{6378206.4, 294.9786982};
constexpr Axes kPoisoned{kNan, kNan};

const std::string kCk42 = "СК-42";
const std::string kCk95 = "СК-95";
const std::string kLocalW = "Местная на WGS-84";

using Shift = std::array<double, 3>;

struct System {
  const std::string* name;
  const std::string* base;
  Axes own, baseAxes;
  Shift link;
};

const System kCk42System{&kCk42, &kPz90Name, kKrassovsky, kPz90, {1, 0, 0}};
const System kCk95System{&kCk95, &kPz90Name, kClarke, kPz90, {0, 2, 0}};
const System kLocalWSystem{&kLocalW, &kWgs84Name, kHayford, kWgs84, {0, 0, 4}};
const System kPz90System{&kPz90Name, &kWgs84Name, kPz90, kWgs84, {16, 0, 0}};
const System kWgs84System{&kWgs84Name, &kPz90Name, kWgs84, kPz90, {0, 32, 0}};
const Shift kGlobalShift{0, 0, 64};

LinkParams ShiftLink(const Shift& d) { return {d[0], d[1], d[2], 0, 0, 0, 0}; }
LinkParams PoisonedLink() { LinkParams p; p.fill(kNan); return p; }

SystemSide Side(const System& s, CoordType type, bool ownRead, bool baseRead, bool linkRead) {
  SystemSide side{*s.name, *s.base, type, {}};
  const Axes own = ownRead ? s.own : kPoisoned;
  const Axes base = baseRead ? s.baseAxes : kPoisoned;
  side.vector.SetOwn({own.a, own.invF});
  side.vector.SetBase({base.a, base.invF});
  side.vector.SetLink(linkRead ? ShiftLink(s.link) : PoisonedLink());
  return side;
}

enum class Finish { SourceBase, TargetOwn };

struct RouteCase {
  const char* name;
  const System* source;
  const System* target;
  Shift shift;  // sum of the legs
  bool sourceLink, targetLink, global;
  Finish finish;
};

ProjectionParams GaussKrugerBothSides() { return {testing::GaussKrugerSlots(), testing::GaussKrugerSlots()}; }

Coords Expected(const RouteCase& c, CoordType from, CoordType to, const Coords& in,
                const ProjectionParams& params) {
  Coords xyz;
  EXPECT_EQ(ConvertCoordType(c.source->own.a, c.source->own.invF, from, CoordType::XYZ, params,
                             in, xyz),
            kOk);
  for (int k = 0; k < 3; ++k) xyz[k] += c.shift[k];
  const Axes finish = c.finish == Finish::SourceBase ? c.source->baseAxes : c.target->own;
  Coords out;
  EXPECT_EQ(ConvertCoordType(finish.a, finish.invF, CoordType::XYZ, to, params, xyz, out), kOk);
  return out;
}

const RouteCase kRoutes[] = {
    {"system into its base", &kCk42System, &kPz90System, {1, 0, 0}, true, false, false,
     Finish::SourceBase},
    {"system into its base, WGS-84", &kLocalWSystem, &kWgs84System, {0, 0, 4}, true, false,
     false, Finish::SourceBase},
    {"two systems on one base", &kCk42System, &kCk95System, {1, -2, 0}, true, true, false,
     Finish::TargetOwn},
    {"system into the other global system on its base", &kCk42System, &kWgs84System,
     {1, -32, 0}, true, true, false, Finish::TargetOwn},
    {"WGS-84 based system into ПЗ-90", &kLocalWSystem, &kPz90System, {-16, 0, 4}, true, true,
     false, Finish::TargetOwn},
    {"different bases: three legs", &kCk42System, &kLocalWSystem, {1, 0, 60}, true, true, true,
     Finish::TargetOwn},
    {"different bases the other way", &kLocalWSystem, &kCk42System, {-1, 0, 68}, true, true,
     true, Finish::TargetOwn},
    {"global into a system based on it", &kPz90System, &kCk42System, {-1, 0, 0}, false, true,
     false, Finish::TargetOwn},
    {"WGS-84 into a system based on it", &kWgs84System, &kLocalWSystem, {0, 0, -4}, false,
     true, false, Finish::TargetOwn},
    {"global into a system on the other global", &kPz90System, &kLocalWSystem, {16, 0, -4},
     true, true, false, Finish::TargetOwn},
    {"WGS-84 into a system on ПЗ-90", &kWgs84System, &kCk95System, {0, 30, 0}, true, true,
     false, Finish::TargetOwn},
    {"ПЗ-90 into WGS-84", &kPz90System, &kWgs84System, {16, 0, 0}, true, false, false,
     Finish::SourceBase},
    {"WGS-84 into ПЗ-90", &kWgs84System, &kPz90System, {0, 32, 0}, true, false, false,
     Finish::SourceBase},
};

void ExpectCoordsNear(const Coords& got, const Coords& want, double angular, double linear,
                      const char* name) {
  EXPECT_NEAR(got[0], want[0], angular) << name;
  EXPECT_NEAR(got[1], want[1], angular) << name;
  EXPECT_NEAR(got[2], want[2], linear) << name;
}

TEST(TransformPoint, EachRouteRunsItsLegsAndFinishesOnItsEllipsoid) {
  const ProjectionParams params;
  const Coords in{55.75 * kRadiansPerDegree, 37.62 * kRadiansPerDegree, 150.0};
  for (const auto& c : kRoutes) {
    const SystemSide source = Side(*c.source, CoordType::BLH, true,
                                   c.finish == Finish::SourceBase, c.sourceLink);
    const SystemSide target =
        Side(*c.target, CoordType::BLH, c.finish == Finish::TargetOwn, false, c.targetLink);
    const GlobalLinkParams global = c.global ? ShiftLink(kGlobalShift) : PoisonedLink();
    Coords out;
    ASSERT_EQ(TransformPoint(source, target, global, in, params, out), kOk) << c.name;
    ExpectCoordsNear(out, Expected(c, CoordType::BLH, CoordType::BLH, in, params), 1e-13, 1e-6,
                     c.name);
  }
}

TEST(TransformPoint, PlaneCoordinatesAreReadWithTheSourceSideAndWrittenWithTheTarget) {
  ProjectionParams params = GaussKrugerBothSides();
  params.target.SetFixedZone(6);  // the target written in a fixed neighbouring zone
  const Coords in{6200000.0, 7400000.0, 120.0};
  for (const auto& c : kRoutes) {
    const SystemSide source = Side(*c.source, CoordType::xyH, true, true, true);
    const SystemSide target = Side(*c.target, CoordType::xyH, true, false, true);
    Coords out;
    ASSERT_EQ(TransformPoint(source, target, ShiftLink(kGlobalShift), in, params, out), kOk)
        << c.name;
    ExpectCoordsNear(out, Expected(c, CoordType::xyH, CoordType::xyH, in, params), 1e-6, 1e-6,
                     c.name);
    EXPECT_EQ(std::floor(out[1] / 1e6), 6.0) << c.name;
  }
}

TEST(TransformPoint, SameNameOnlyChangesTheTypeOnTheOwnEllipsoid) {
  const ProjectionParams params = GaussKrugerBothSides();
  const Coords blh{55.75 * kRadiansPerDegree, 37.62 * kRadiansPerDegree, 150.0};
  struct Case {
    const System* system;
    CoordType from, to;
    Coords in;
  };
  const Case cases[] = {
      {&kCk42System, CoordType::BLH, CoordType::XYZ, blh},
      {&kCk42System, CoordType::BLH, CoordType::BLH, blh},
      {&kPz90System, CoordType::BLH, CoordType::xyH, blh},
      {&kLocalWSystem, CoordType::xyH, CoordType::BLH, {6200000.0, 7400000.0, 10.0}},
  };
  for (const auto& c : cases) {
    const SystemSide source = Side(*c.system, c.from, true, false, false);
    const SystemSide target = Side(*c.system, c.to, false, false, false);
    Coords out;
    ASSERT_EQ(TransformPoint(source, target, PoisonedLink(), c.in, params, out), kOk);
    Coords expected;
    ASSERT_EQ(ConvertCoordType(c.system->own.a, c.system->own.invF, c.from, c.to, params, c.in,
                               expected),
              kOk);
    EXPECT_EQ(out, expected) << *c.system->name;
  }
}

TEST(TransformPoint, PublishedLinksFromCk42ToWgs84) {
  // СК-42 → ПЗ-90 forward, then WGS-84's link (WGS-84 → ПЗ-90) inverse.
  // Expected values worked out separately from the two matrices.
  SystemSide ck42{kCk42, kPz90Name, CoordType::XYZ, {}};
  ck42.vector.values = {kKrassovsky.a, kKrassovsky.invF, kPz90.a, kPz90.invF,
                        25, -141, -80, 0, -0.35, -0.66, 0};
  SystemSide wgs{kWgs84Name, kPz90Name, CoordType::XYZ, {}};
  wgs.vector.values = {kWgs84.a, kWgs84.invF, kPz90.a, kPz90.invF,
                       1.08, 0.27, 0.90, 0, 0, 0.16, 0.12e-6};
  Coords out;
  ASSERT_EQ(TransformPoint(ck42, wgs, PoisonedLink(), {2845455.0, 2160954.0, 5265993.0},
                           ProjectionParams{}, out),
            kOk);
  ExpectCoordsNear(out, {2845478.923421, 2160823.782749, 5265906.639787}, 1e-6, 1e-6,
                   "СК-42 to WGS-84");
}

struct FailureCase {
  const char* name;
  std::string sourceName, sourceBase, targetName, targetBase;
  ResultCode code;
};

TEST(TransformPoint, FailuresLeaveTheOutputUntouched) {
  const FailureCase cases[] = {
      {"source base is not global", kCk42, kCk95, kPz90Name, kWgs84Name, kBaseNotGlobal},
      {"target base is not global", kPz90Name, kWgs84Name, kCk42, "", kBaseNotGlobal},
      {"base compared case-sensitively", kCk42, "WGS 1984 GLOBAL DEFINITION (WGS84)", kLocalW,
       kWgs84Name, kBaseNotGlobal},
      {"base tested before the names", kCk42, kCk42, kCk42, kPz90Name, kBaseNotGlobal},
      {"global source that is its own base", kPz90Name, kPz90Name, kLocalW, kWgs84Name,
       kNoRoute},
  };
  for (const auto& c : cases) {
    SystemSide source{c.sourceName, c.sourceBase, CoordType::XYZ, {}};
    SystemSide target{c.targetName, c.targetBase, CoordType::XYZ, {}};
    source.vector.values = {kPz90.a, kPz90.invF, kPz90.a, kPz90.invF, 1, 2, 3, 0, 0, 0, 0};
    target.vector.values = {kHayford.a, kHayford.invF, kWgs84.a, kWgs84.invF, 1, 2, 3, 0, 0, 0, 0};
    Coords out{-1, -2, -3};
    EXPECT_EQ(TransformPoint(source, target, ShiftLink(kGlobalShift), {4e6, 3e6, 3e6},
                             ProjectionParams{}, out),
              c.code)
        << c.name;
    EXPECT_EQ(out, (Coords{-1, -2, -3})) << c.name;
  }
}

TEST(TransformPoint, CodesOfTheStepsPassUnchanged) {
  const Coords blh{55.75 * kRadiansPerDegree, 37.62 * kRadiansPerDegree, 150.0};
  // A leg that leaves the finite numbers.
  SystemSide source = Side(kCk42System, CoordType::BLH, true, true, true);
  source.vector[5] = kNan;
  const SystemSide target = Side(kCk95System, CoordType::BLH, true, true, true);
  Coords out{-1, -2, -3};
  EXPECT_EQ(TransformPoint(source, target, PoisonedLink(), blh, ProjectionParams{}, out),
            kLinkResultNotFinite);
  EXPECT_EQ(out, (Coords{-1, -2, -3}));
  // A target projection without zones refuses the point at the last step.
  const SystemSide plane = Side(kCk95System, CoordType::xyH, true, true, true);
  ProjectionParams noZones = GaussKrugerBothSides();
  noZones.target.SetZoneWidth(0);
  EXPECT_EQ(TransformPoint(Side(kCk42System, CoordType::BLH, true, true, true), plane,
                           PoisonedLink(), blh, noZones, out),
            kNoValidZone);
  EXPECT_EQ(out, (Coords{-1, -2, -3}));
}

TEST(IsGlobalSystem, KnowsExactlyTheTwoDisplayNames) {
  EXPECT_TRUE(IsGlobalSystem("Russia 1990 Global Coordinate System (ПЗ-90)"));
  EXPECT_TRUE(IsGlobalSystem("WGS 1984 Global Definition (WGS84)"));
  EXPECT_FALSE(IsGlobalSystem("WGS 1984 Global Definition (WGS84) "));
  EXPECT_FALSE(IsGlobalSystem("ПЗ-90"));
  EXPECT_FALSE(IsGlobalSystem(""));
}

}  // namespace
}  // namespace vexilor
