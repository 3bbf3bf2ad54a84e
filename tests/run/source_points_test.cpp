#include "run/source_points.h"

#include <gtest/gtest.h>

#include <fstream>

#include "run/source_file_reader.h"
#include "run/units.h"
#include "support/temp_folder.h"

namespace vexilor {
namespace {

TEST(ReadSourcePoints, TheNumbersInTheFilesOrderOrTheLineThatFails) {
  struct Case {
    std::string text;
    ResultCode code;
    std::int32_t line;
    std::vector<std::int32_t> numbers;
  };
  const Case cases[] = {
      {"XYZ\n17 2849948.6 2195841.4 5249099.2\r\n5 1 2 3\n", kOk, 0, {17, 5}},
      {"XYZ\n1 1 2 3\n2 1 2\n", kUnreadableLine, 2, {}},
      {"XYZ\n1 1 2 3\n2.5e10 1 1 1\n", kValueOutOfRange, 2, {}},  // a number beyond 32 bits
      {"XYZ\n" + std::string(kMaxSourceLineBytes + 1, '1') + "\n", kLineTooLong, 1, {}},
  };
  testing::TempFolder folder;
  const std::string path = folder.PathOf("marks.in");
  for (const Case& c : cases) {
    std::ofstream(path) << c.text;
    std::vector<SourcePoint> points;
    std::int32_t line = 0;
    EXPECT_EQ(ReadSourcePoints(path, CoordType::XYZ, SideUnits{}, points, line), c.code) << c.line;
    EXPECT_EQ(line, c.line);
    std::vector<std::int32_t> numbers;
    for (const SourcePoint& p : points) numbers.push_back(p.number);
    EXPECT_EQ(numbers, c.numbers);
  }
  std::vector<SourcePoint> points;
  std::int32_t line = 0;
  EXPECT_EQ(ReadSourcePoints(folder.PathOf("none.in"), CoordType::XYZ, SideUnits{}, points, line),
            kSourceFileNotOpened);
}

}  // namespace
}  // namespace vexilor
