#include "refdata/route_choice.h"

#include <gtest/gtest.h>

#include <string>

#include "geodesy/datum.h"
#include "support/reference_lists.h"

namespace vexilor {
namespace {

using testing::ListOf;

const EllipsoidLines kEllipsoids =
    ListOf({"Krassovsky 1940 20 6378245 298.3", "WGS 84 21 6378137 298.257223563", "ПЗ-90 27 6378136 298.25784"});

struct RouteCase {
  const char* what;
  SystemLines systems;
  const char* from;
  RouteError error;
  const char* system;  // the side that failed
};

TEST(ChooseGeodeticRoute, BothSidesAndTheLinkOfTheirBasesOrWhyNot) {
  const char* ck42 = "Russia 1942 Coordinate Reference System (CK42) 20 25 -141 -80 0 0 -0.35 -0.66 PZ90 27";
  const char* pz90 = "Russia 1990 Global Coordinate System (ПЗ-90) 27 -1.08 -0.27 -0.9 -1.2e-07 0 0 -0.16 WGS84 21";
  // on itself, so that the route takes ПЗ-90's link to it
  const char* wgs84 = "WGS 1984 Global Definition (WGS84) 21 0 0 0 0 0 0 0 WGS84 21";
  const RouteCase cases[] = {
      {"the route", ListOf({ck42, pz90, wgs84}), "CK42", RouteError::kNone, ""},
      {"no such system", ListOf({ck42, pz90, wgs84}), "CK95", RouteError::kSystemMissing, "CK95"},
      {"an ellipsoid missing", ListOf({"Russia 1942 (CK42) 99 0 0 0 0 0 0 0 PZ90 27", pz90, wgs84}), "CK42",
       RouteError::kSystemDamaged, "CK42"},
      {"no link of the bases", ListOf({ck42, wgs84}), "CK42", RouteError::kNoLink, "CK42"},
  };
  for (const RouteCase& c : cases) {
    PointRoute route;
    route.gridFile = "untouched";
    const RouteChoice choice = ChooseGeodeticRoute(c.systems, kEllipsoids, c.from, "WGS84", route);
    EXPECT_EQ(choice.error, c.error) << c.what;
    EXPECT_EQ(choice.system, c.system) << c.what;
    if (c.error != RouteError::kNone) {
      EXPECT_EQ(route.gridFile, "untouched") << c.what;
      continue;
    }
    EXPECT_EQ(route.source.name, "Russia 1942 Coordinate Reference System (CK42)");
    EXPECT_EQ(route.source.base, kPz90Name);
    EXPECT_EQ(route.target.base, kWgs84Name);
    EXPECT_EQ(route.target.name, kWgs84Name);
    EXPECT_EQ(route.source.type, CoordType::BLH);
    EXPECT_EQ(route.target.type, CoordType::BLH);
    EXPECT_EQ(route.heights, HeightType::Geodetic);
    EXPECT_EQ(route.global[kLinkWz], -0.16);  // of ПЗ-90's line
  }
}

}  // namespace
}  // namespace vexilor
