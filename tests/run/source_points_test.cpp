#include "run/source_points.h"

#include <gtest/gtest.h>

#include <fstream>

#include "geodesy/angle_constants.h"
#include "run/source_file_reader.h"
#include "run/units.h"
#include "support/temp_folder.h"

namespace vexilor {
namespace {

using testing::TempFolder;

TEST(ReadSourcePoints, KeepsEachPointsNumberInTheFilesOrder) {
  TempFolder folder;
  const std::string path = folder.PathOf("marks.in");
  std::ofstream(path) << "BLH\n17 55 45 0 37 37 12 150\r\n5 -0 30 0 30 18 36 10\n";
  std::vector<SourcePoint> points;
  std::int32_t line = 0;
  ASSERT_EQ(ReadSourcePoints(path, CoordType::BLH, kDegMinSec, kMetres, points, line), kOk);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].number, 17);
  EXPECT_EQ(points[1].number, 5);
  EXPECT_NEAR(points[0].coords[1], (37 + 37.0 / 60 + 12.0 / 3600) * kRadiansPerDegree, 1e-15);
  EXPECT_NEAR(points[1].coords[0], -0.5 * kRadiansPerDegree, 1e-15);
}

TEST(ReadSourcePoints, FailsAtTheLineThatCannotBeRead) {
  struct Case {
    std::string text;
    ResultCode code;
    std::int32_t line;
  };
  const Case cases[] = {
      {"XYZ\n1 2849948.6 2195841.4 5249099.2\n2 2849948.6 2195841.4\n", kUnreadableLine, 2},
      {"XYZ\n1 1e10 0 0\n2.5e10 1 1 1\n", kValueOutOfRange, 2},  // a point number beyond 32 bits
      {"XYZ\n" + std::string(kMaxSourceLineBytes + 1, '1') + "\n", kLineTooLong, 1},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    const std::string path = folder.PathOf("marks.in");
    std::ofstream(path) << c.text;
    std::vector<SourcePoint> points;
    std::int32_t line = 0;
    EXPECT_EQ(ReadSourcePoints(path, CoordType::XYZ, kMetres, kMetres, points, line), c.code) << c.line;
    EXPECT_EQ(line, c.line);
    EXPECT_TRUE(points.empty());
  }
  std::vector<SourcePoint> points;
  std::int32_t line = 0;
  EXPECT_EQ(ReadSourcePoints(folder.PathOf("none.in"), CoordType::XYZ, kMetres, kMetres, points, line),
            kSourceFileNotOpened);
}

}  // namespace
}  // namespace vexilor
