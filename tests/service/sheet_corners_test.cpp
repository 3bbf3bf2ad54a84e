#include "service/sheet_corners.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "service/sheet_frame.h"

namespace vexilor {
namespace {

SheetFrame FrameOf(std::int32_t scale, const char* name) {
  const SheetFrameResult r = ComputeSheetFrame(scale, name);
  EXPECT_EQ(r.code, FrameCode::kSuccess) << name;
  return r.frame;
}

int ZoneOf(const PlanePoint& p) { return static_cast<int>(p.y / 1e6); }

struct ZoneCase {
  std::int32_t scale;
  const char* name;
  int zone;
};

TEST(ProjectSheetCornersTest, AllFourCornersLieInTheZoneOfTheNorthWestCorner) {
  const ZoneCase cases[] = {
      {1000000, "(N) N-37", 7},
      // The east edge is the boundary of zones 7 and 8.
      {100000, "(N) N-37-12", 7},
      {10000, "(N) N-37-144-Г-г-4", 7},
      {100000, "(S) F-23-46", 53},
      {1000000, "(N) U-60", 30},
      {1000000, "(s) A-1", 31},
  };
  for (const ZoneCase& c : cases) {
    SheetCorners corners;
    ASSERT_EQ(ProjectSheetCorners(FrameOf(c.scale, c.name), Sk42GaussKruger(), corners), kOk) << c.name;
    for (const PlanePoint& corner : corners) EXPECT_EQ(ZoneOf(corner), c.zone) << c.name;
    // North-west, north-east, south-west, south-east.
    EXPECT_GT(corners[0].x, corners[2].x) << c.name;
    EXPECT_LT(corners[0].y, corners[1].y) << c.name;
    EXPECT_LT(corners[2].y, corners[3].y) << c.name;
  }
}

TEST(ProjectSheetCornersTest, AMillionSheetIsSymmetricAboutItsAxialMeridian) {
  SheetCorners c;
  ASSERT_EQ(ProjectSheetCorners(FrameOf(1000000, "(N) N-37"), Sk42GaussKruger(), c), kOk);
  EXPECT_NEAR(c[0].x, c[1].x, 1e-6);
  EXPECT_NEAR(c[2].x, c[3].x, 1e-6);
  EXPECT_NEAR(c[0].y + c[1].y, 2 * 7500000.0, 1e-6);
  EXPECT_NEAR(c[2].y + c[3].y, 2 * 7500000.0, 1e-6);
}

TEST(ProjectSheetCornersTest, AFailingCornerLeavesTheCornersAlone) {
  PlaneSystem noZones = Sk42GaussKruger();
  noZones.slots.SetZoneWidth(0.0);
  SheetCorners corners{PlanePoint{1, 2}, PlanePoint{3, 4}, PlanePoint{5, 6}, PlanePoint{7, 8}};
  EXPECT_EQ(ProjectSheetCorners(FrameOf(1000000, "(N) N-37"), noZones, corners), kNoValidZone);
  EXPECT_EQ(corners[3].y, 8.0);
  PlaneSystem tiny = Sk42GaussKruger();
  tiny.a = 1000.0;
  EXPECT_NE(ProjectSheetCorners(FrameOf(1000000, "(N) N-37"), tiny, corners), kOk);
  EXPECT_EQ(corners[0].x, 1.0);
}

TEST(SheetCornerTextTest, ListsTheCornersInFixedColumns) {
  const SheetCorners corners{PlanePoint{6209737.274, 7312977.5}, PlanePoint{6209737.2749, 7687022.495},
                             PlanePoint{-5.004, 1.0}, PlanePoint{123456789012.0, 7.0}};
  EXPECT_EQ(SheetCornerText(corners, "\r\n"),
            "Северо-запад   6209737.27  7312977.50\r\n"
            "Северо-восток  6209737.27  7687022.50\r\n"
            "Юго-запад           -5.00        1.00\r\n"
            "Юго-восток   123456789012.00        7.00");
}

TEST(SheetCornerTextTest, TheSk42BlockOfASheet) {
  const std::string block = Sk42SheetCornerText(FrameOf(100000, "(N) N-37-4"), "\n");
  std::vector<std::string> lines;
  for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
    end = block.find('\n', start);
    lines.push_back(block.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 4u) << block;
  EXPECT_EQ(lines[0].rfind("Северо-запад ", 0), 0u);
  EXPECT_EQ(lines[3].rfind("Юго-восток   ", 0), 0u);
  for (const std::string& line : lines) EXPECT_EQ(line.substr(line.size() - 23, 2), " 6") << line;
  for (const std::string& line : lines) EXPECT_EQ(line.substr(line.size() - 11, 2), " 7") << line;
}

}  // namespace
}  // namespace vexilor
