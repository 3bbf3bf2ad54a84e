// The plane corners of map sheets against PROJ's transverse Mercator on the
// Krassovsky ellipsoid, in the zone of each sheet's north-west corner.

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/angle_constants.h"
#include "geodesy/lat_lon.h"
#include "proj_oracle.h"
#include "service/sheet_corners.h"
#include "service/sheet_frame.h"

namespace vexilor::oracle {
namespace {

struct SheetCase {
  std::int32_t scale;
  const char* name;
};

TEST(SheetCornersOracle, CornersMatchTransverseMercatorInTheNorthWestZone) {
  const SheetCase cases[] = {
      {1000000, "(N) N-37"},       {100000, "(N) N-37-12"}, {10000, "(N) N-37-144-Г-г-4"},
      {100000, "(S) F-23-46"},     {1000000, "(N) U-60"},   {1000000, "(s) A-1"},
      {200000, "(S) M-40-XXXVI"},  {500000, "(N) K-8-Г"},
  };
  for (const SheetCase& c : cases) {
    const SheetFrameResult frame = ComputeSheetFrame(c.scale, c.name);
    ASSERT_EQ(frame.code, FrameCode::kSuccess) << c.name;
    SheetCorners corners;
    ASSERT_EQ(ProjectSheetCorners(frame.frame, Sk42GaussKruger(), corners), kOk) << c.name;
    const int zone = static_cast<int>(corners[0].y / 1e6);
    const ProjOperation proj("+proj=tmerc +lat_0=0 +lon_0=" + NumberArg(6.0 * zone - 3.0) +
                             " +k=1 +x_0=500000 +y_0=0 " + EllipsoidArgs(kKrassovsky));
    ASSERT_TRUE(proj.Valid()) << proj.Error();
    const SheetFrame& f = frame.frame;
    const LatLonDegrees geo[] = {{f.north, f.west}, {f.north, f.east}, {f.south, f.west}, {f.south, f.east}};
    for (int k = 0; k < 4; ++k) {
      const auto en = proj.Forward(geo[k].l * kRadiansPerDegree, geo[k].b * kRadiansPerDegree, 0.0);
      EXPECT_NEAR(corners[static_cast<std::size_t>(k)].x, en[1], 1e-3) << c.name << " corner " << k;
      EXPECT_NEAR(corners[static_cast<std::size_t>(k)].y, zone * 1e6 + en[0], 1e-3) << c.name << " corner " << k;
    }
  }
}

}  // namespace
}  // namespace vexilor::oracle
