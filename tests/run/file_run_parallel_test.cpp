// A file run on several threads, with its grid session, against the same
// file transformed one point at a time, each point opening the grid on its
// own: the results files must be the same to the byte, and so must the code
// and the line a failing run reports, or the lines a run that carries on
// leaves out.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "text/codepage.h"
#include "geodesy/angle_constants.h"
#include "run/run_transformation.h"
#include "run/source_line.h"
#include "quasigeoid/grid_test_files.h"
#include "support/raw_files.h"
#include "support/unit_choices.h"

namespace vexilor {
namespace {

using testing::GridBytes;
using testing::ReadBytes;
using testing::TempFolder;
using testing::TestGrid;

using Refusals = std::vector<std::pair<std::int32_t, ResultCode>>;

struct PointByPoint {
  std::string results;  // the file's bytes
  ResultCode code = kOk;
  std::int32_t line = 0;
  Refusals refused;
};

// The run as the program made it before file runs had sessions and
// threads: each line read, transformed on its own and written in turn;
// with r.keepGoing, a line that fails is left out.
PointByPoint TransformPointByPoint(const RunRequest& r, const std::string& source) {
  const ResultsLayout layout{r.route.target.name, r.route.target.type, r.units.target, r.route.heights,
                             r.route.projection.target.Kind(), r.route.geoidColumn};
  PointByPoint out;
  for (const std::string& line : ResultsHeader(layout)) out.results += Utf8ToCp1251(line) + "\r\n";
  std::istringstream in(source);
  std::string line;
  std::getline(in, line);  // the coordinate type
  for (std::int32_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Coords point{};
    PointResult p;
    out.code = ParseSourceLine(line, r.route.source.type, r.units.source, CurrentNumericLocale(), point);
    if (out.code == kOk) out.code = TransformOnePoint(r.route, point, p);
    if (out.code != kOk && r.keepGoing) {
      out.refused.emplace_back(number, out.code);
      out.code = kOk;
      continue;
    }
    if (out.code != kOk) {
      out.line = number;
      return out;
    }
    std::string result;
    AppendResultLine(result, layout, number, p.coords, p.zeta);
    out.results += Utf8ToCp1251(result) + "\r\n";
  }
  return out;
}

double Smooth(double b, double l) { return 15.0 + 3.0 * std::sin(0.3 * b) + 2.0 * std::cos(0.2 * l); }

// Points over a regional grid (50°-60° N, 30°-40° E), some of them near its
// edges, in lines of the given layout, with the lines of `others` in place
// of those of their numbers.
std::string SourceFile(int points, const std::map<int, std::string>& others = {}) {
  std::string s = "BLH\r\n";
  for (int i = 1; i <= points; ++i) {
    if (others.count(i) > 0) {
      s += others.at(i) + "\r\n";
      continue;
    }
    const double b = 50.05 + 9.9 * std::fmod(i * 0.6180339887, 1.0);
    const double l = 30.05 + 9.9 * std::fmod(i * 0.7548776662, 1.0);
    std::ostringstream line;
    line.precision(10);
    line << i << " " << b << " " << l << " " << (i % 500) << "\r\n";
    s += line.str();
  }
  return s;
}

TEST(FileRunOnThreads, ResultsAreThoseOfThePointByPointRun) {
  TempFolder folder;
  const std::string grid = folder.Write("regional.mat", GridBytes(TestGrid{}, Smooth));
  struct Source {
    const char* what;
    std::string text;
  };
  const Source sources[] = {
      {"all good", SourceFile(5000)},
      {"an unreadable line", SourceFile(3000, {{1777, "1777 55 x 1"}})},
      {"a point off the grid, in the second batch", SourceFile(5000, {{4161, "4161 45 35 1"}})},
      {"a failure in the first slice", SourceFile(700, {{3, "3 55 39"}})},
  };
  const GridAccess readings[] = {GridAccess{}, GridAccess{0, 4096, OpenGridStream},
                                 GridAccess::WindowByWindow()};
  for (const Source& source : sources) {
    std::ofstream(folder / "points.in", std::ios::binary) << source.text;
    RunRequest request;
    SystemSide side{"Пулково", kPz90Name, CoordType::BLH, {}};
    side.vector.values = {6378245, 298.3, 6378136, 298.25784, 25, -141, -80, 0, -0.35, -0.66, 0};
    request.route.source = request.route.target = side;
    request.route.heights = HeightType::Normal;
    request.route.geoidColumn = true;
    request.route.gridFile = grid;
    request.units = {testing::kInDegrees, testing::kInDegrees};
    request.sourceFile = folder.PathOf("points.in");
    request.resultsFile = folder.PathOf("points.out");
    const PointByPoint expected = TransformPointByPoint(request, source.text);
    for (const GridAccess& reading : readings) {
      for (const int jobs : {1, 2, 5}) {
        request.gridAccess = reading;
        request.jobs = jobs;
        RunCounters counters;
        std::int16_t headerWritten = 0;
        RunResult result;
        EXPECT_EQ(RunTransformation(request, counters, headerWritten, result), expected.code)
            << source.what << ", jobs " << jobs;
        EXPECT_EQ(result.line, expected.line) << source.what << ", jobs " << jobs;
        EXPECT_TRUE(ReadBytes(request.resultsFile) == expected.results)
            << source.what << ", jobs " << jobs << ", cache " << reading.cacheBytes;
      }
    }
  }
}

// Lines left out in every slice and batch, the first and the last among
// them: the others come out as they would with no bad line beside them.
TEST(FileRunOnThreads, LinesLeftOutLeaveTheOthersAsTheyWere) {
  TempFolder folder;
  const std::string source =
      SourceFile(4200, {{1, "1 55 x 1"},        {64, "64 45 35 1"},  {65, "65 91 35 1"},
                        {1777, "1777 55 39"},   {4096, "4096 45 35 1"}, {4097, "4097 55 61 1 2"},
                        {4200, "4200 55 35 1 1"}});
  std::ofstream(folder / "points.in", std::ios::binary) << source;
  RunRequest request;
  SystemSide side{"Пулково", kPz90Name, CoordType::BLH, {}};
  side.vector.values = {6378245, 298.3, 6378136, 298.25784, 25, -141, -80, 0, -0.35, -0.66, 0};
  request.route.source = request.route.target = side;
  request.route.heights = HeightType::Normal;
  request.route.gridFile = folder.Write("regional.mat", GridBytes(TestGrid{}, Smooth));
  request.units = {testing::kInDegrees, testing::kInDegrees};
  request.sourceFile = folder.PathOf("points.in");
  request.resultsFile = folder.PathOf("points.out");
  request.keepGoing = true;
  const PointByPoint expected = TransformPointByPoint(request, source);
  ASSERT_EQ(expected.refused.size(), 7u);
  for (const int jobs : {1, 2, 5}) {
    Refusals refused;
    request.refused = [&](std::int32_t line, ResultCode code) { refused.emplace_back(line, code); };
    request.jobs = jobs;
    RunCounters counters;
    std::int16_t headerWritten = 0;
    RunResult result;
    EXPECT_EQ(RunTransformation(request, counters, headerWritten, result), kOk) << "jobs " << jobs;
    EXPECT_EQ(refused, expected.refused) << "jobs " << jobs;
    EXPECT_EQ(result.refused, 7) << "jobs " << jobs;
    EXPECT_EQ(result.written, 4200 - 7) << "jobs " << jobs;
    EXPECT_TRUE(ReadBytes(request.resultsFile) == expected.results) << "jobs " << jobs;
  }
}

}  // namespace
}  // namespace vexilor
