#include "run/run_transformation.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "text/codepage.h"
#include "geodesy/angle_constants.h"
#include "run/source_file_reader.h"
#include "support/engine_test_support.h"
#include "support/standard_sides.h"
#include "support/unit_choices.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;
using testing::Ck42Side;

class RunTransformationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vexilor-run-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  void WriteSource(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

  std::string ReadFile(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // Geodetic degrees in, the same system's Gauss-Krüger plane out: no
  // datum shift and no grid.
  RunRequest PlaneRequest() const {
    RunRequest r;
    r.route.source = Ck42Side(CoordType::BLH);
    r.route.target = Ck42Side(CoordType::xyH);
    r.route.projection.target = testing::GaussKrugerSlots();
    r.route.heights = HeightType::Geodetic;
    r.route.gridFile = Path("missing.mat");
    r.units = {testing::kInDegrees, testing::kInMetres};
    r.sourceFile = Path("points.in");
    r.resultsFile = Path("points.out");
    return r;
  }

  // Names in the test's folder other than `keep`: temporaries left behind.
  std::vector<std::string> StrayFiles(const std::vector<std::string>& keep) const {
    std::vector<std::string> stray;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      const std::string name = entry.path().filename().string();
      if (std::find(keep.begin(), keep.end(), name) == keep.end()) stray.push_back(name);
    }
    return stray;
  }

  fs::path dir_;
  RunCounters counters_;
  std::int16_t headerWritten_ = 0;
};

const std::string kPlaneHeader =
    "Система координат: Pulkovo 1942 (CK42)\r\nТип координат: xyH\r\n"
    "Размерность координат и высот: метры; Тип высот: геодезические\r\n"
    "Проекция: Гаусса-Крюгера\r\n\r\n";

TEST_F(RunTransformationTest, TypeLineOnlyGivesTheHeaderAlone) {
  WriteSource("points.in", "BLH\r\n");
  RunResult result;
  ASSERT_EQ(RunTransformation(PlaneRequest(), counters_, headerWritten_, result), kOk);
  EXPECT_EQ(ReadFile("points.out"), Utf8ToCp1251(kPlaneHeader));
}

TEST_F(RunTransformationTest, PointsAreNumberedByLineNotByTheirOwnNumbers) {
  WriteSource("points.in", "BLH\r\n17 55 39 100\r\n5 0 3 0\n230 -10 9 5\r\n");
  RunResult result;
  std::int64_t lastLines = -1;
  std::uint64_t lastBytes = 0, total = 0;
  ASSERT_EQ(RunTransformation(PlaneRequest(), counters_, headerWritten_, result,
                              [&](std::int64_t lines, std::uint64_t bytes, std::uint64_t all) {
                                lastLines = lines;
                                lastBytes = bytes;
                                total = all;
                                return true;
                              }),
            kOk);
  const std::string out = Cp1251ToUtf8(ReadFile("points.out"));
  std::istringstream lines(out.substr(Cp1251ToUtf8(Utf8ToCp1251(kPlaneHeader)).size()));
  std::string line;
  int expectedNumber = 1;
  while (std::getline(lines, line)) {
    ASSERT_EQ(line.back(), '\r');
    EXPECT_EQ(std::stoi(line.substr(0, 6)), expectedNumber++);
  }
  EXPECT_EQ(expectedNumber, 4);
  EXPECT_NE(out.find("     2         0.0000   1500000.0000       0.0000"), std::string::npos) << out;
  EXPECT_EQ(lastLines, 3);
  EXPECT_EQ(lastBytes, total);
  EXPECT_EQ(total, fs::file_size(Path("points.in")));
}

// In a death test's child: files can grow to `bytes` only, as on a disk
// that fills up, and the child exits with 0 when `run` reports the failed
// write.
[[noreturn]] void ExitWithCodeOnAFullDisk(rlim_t bytes, const std::function<ResultCode()>& run) {
  std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit fails instead
  const rlimit limit{bytes, bytes};
  setrlimit(RLIMIT_FSIZE, &limit);
  const ResultCode code = run();
  std::fprintf(stderr, "code %d\n", static_cast<int>(code));
  std::_Exit(code == kResultsFileNotWritten ? 0 : 1);
}

const std::string kLongLineSource =
    "BLH\n1 55 39 100\n2 55 39 " + std::string(kMaxSourceLineBytes, '1') + "\n3 55 39 1\n";
// NUL bytes and no line end after the type line.
const std::string kNulSource = "BLH\n" + std::string(3 * kMaxSourceLineBytes, '\0');

TEST_F(RunTransformationTest, BadLineStopsTheRunAndKeepsTheLinesBefore) {
  struct Case { std::string source; ResultCode code; std::int32_t line; int linesWritten; };
  const Case cases[] = {
      {"BLH\n1 55 39 100\n2 55 39 100 7\n3 55 39 1\n", kUnreadableLine, 2, 1},
      {"BLH\n1 55 39 100\n2 55 39 100\n3 95 39 1\n", kValueOutOfRange, 3, 2},
      {"BLH\n1 55 nan 100\n", kUnreadableLine, 1, 0},
      {"BLH\n\n", kUnreadableLine, 1, 0},
      {"BLH\n1 55 39 100\n2 55 30 100\n", kOrdinateOutsideZone, 2, 1},
      // over-long lines: refused, not read into memory
      {kLongLineSource, kLineTooLong, 2, 1},
      {kNulSource, kLineTooLong, 1, 0},
  };
  for (const auto& c : cases) {
    RunRequest request = PlaneRequest();
    request.route.projection.target.SetFixedZone(7);  // fixed zone: 33° lies outside it
    RunResult result;
    WriteSource("points.in", c.source);
    const std::string shown = c.source.substr(0, 40);
    EXPECT_EQ(RunTransformation(request, counters_, headerWritten_, result), c.code) << shown;
    EXPECT_EQ(result.line, c.line) << shown;
    const std::string out = ReadFile("points.out");
    const auto body = out.substr(Utf8ToCp1251(kPlaneHeader).size());
    EXPECT_EQ(std::count(body.begin(), body.end(), '\n'), c.linesWritten) << shown;
  }
}

// Carrying on past bad lines leaves out the lines whose failure is their
// own; a failure of the run itself - its grid, a results format its target
// does not fit - still stops it, before any line is left out.
TEST_F(RunTransformationTest, GoingOnStopsAtFailuresOfTheRunItself) {
  struct Case {
    const char* what;
    std::string source;
    HeightType heights;
    ResultsFormat results;
    ResultCode code;
    std::int32_t line;
    std::int64_t refused;
  };
  const Case cases[] = {
      {"an over-long line", kNulSource, HeightType::Geodetic, ResultsFormat::kOut, kOk, 0, 1},
      {"no grid", "BLH\n1 55 x 100\n2 55 39 100\n", HeightType::Normal, ResultsFormat::kOut, kGridFileNotFound, 2, 1},
      {"GeoJSON of plane points", "BLH\n1 55 39 100\n", HeightType::Geodetic, ResultsFormat::kGeoJson,
       kResultsNotGeographic, 0, 0},
  };
  for (const Case& c : cases) {
    fs::remove(Path("points.out"));
    WriteSource("points.in", c.source);
    RunRequest request = PlaneRequest();
    request.route.heights = c.heights;
    request.formats.results = c.results;
    request.keepGoing = true;
    RunResult result;
    EXPECT_EQ(RunTransformation(request, counters_, headerWritten_, result), c.code) << c.what;
    EXPECT_EQ(result.line, c.line) << c.what;
    EXPECT_EQ(result.refused, c.refused) << c.what;
    EXPECT_EQ(fs::exists(Path("points.out")), c.code != kResultsNotGeographic) << c.what;
  }
}

// A progress report that answers false stops the run between two lines and
// writes no results file - an earlier one stays as it was, also when the
// next batch is already at work; the report after the last line can stop
// nothing.
TEST_F(RunTransformationTest, StoppedRunWritesNoResultsFile) {
  struct Case {
    int points;
    int stopAtReport;  // 1 = the first report
    ResultCode code;
    std::int64_t linesAtStop;
  };
  const Case cases[] = {
      {700, 1, kRunStopped, kProgressLines},
      {700, 2, kRunStopped, 2 * kProgressLines},
      {9000, 17, kRunStopped, 17 * kProgressLines},  // the third batch already at work
      {512, 3, kOk, 512},  // the third report is the one after the last line
  };
  for (const auto& c : cases) {
    std::string source = "BLH\r\n";
    for (int i = 1; i <= c.points; ++i) source += std::to_string(i) + " 55 39 100\r\n";
    WriteSource("points.in", source);
    RunResult result;
    int reports = 0;
    std::int64_t lastLines = 0;
    const ResultCode code = RunTransformation(PlaneRequest(), counters_, headerWritten_, result,
                                              [&](std::int64_t lines, std::uint64_t, std::uint64_t) {
                                                lastLines = lines;
                                                return ++reports < c.stopAtReport;
                                              });
    EXPECT_EQ(code, c.code) << c.stopAtReport;
    EXPECT_EQ(reports, c.stopAtReport);
    EXPECT_EQ(lastLines, c.linesAtStop);
    EXPECT_EQ(fs::exists(Path("points.out")), code == kOk) << c.stopAtReport;
    if (code == kOk) continue;
    WriteSource("points.out", "earlier results\n");
    reports = 0;
    RunTransformation(PlaneRequest(), counters_, headerWritten_, result,
                      [&](std::int64_t, std::uint64_t, std::uint64_t) { return ++reports < c.stopAtReport; });
    EXPECT_EQ(ReadFile("points.out"), "earlier results\n");
    EXPECT_EQ(StrayFiles({"points.in", "points.out"}), std::vector<std::string>{});
    fs::remove(Path("points.out"));
  }
}

TEST_F(RunTransformationTest, FilesThatCannotBeOpened) {
  RunRequest request = PlaneRequest();
  RunResult result;
  EXPECT_EQ(RunTransformation(request, counters_, headerWritten_, result), kSourceFileNotOpened);
  WriteSource("points.in", "BLH\n1 55 39 100\n");
  request.resultsFile = Path("no-such-folder/points.out");
  EXPECT_EQ(RunTransformation(request, counters_, headerWritten_, result), kResultsFileNotOpened);
  // The source file named as results file is refused before it is touched.
  request.resultsFile = Path("./points.in");
  EXPECT_EQ(RunTransformation(request, counters_, headerWritten_, result), kResultsFileNotOpened);
  EXPECT_EQ(ReadFile("points.in"), "BLH\n1 55 39 100\n");
}

TEST_F(RunTransformationTest, TypedPointsAppendUntilTheHeaderFlagIsCleared) {
  RunRequest request = PlaneRequest();
  request.sourceFile = kNoFile;
  request.typedPoint = {55 * kRadiansPerDegree, 39 * kRadiansPerDegree, 100};
  RunResult result;
  auto numbers = [&] {
    std::vector<int> n;
    std::istringstream in(Cp1251ToUtf8(ReadFile("points.out")));
    std::string line;
    int header = 5;
    while (std::getline(in, line))
      if (header-- <= 0) n.push_back(std::stoi(line.substr(0, 6)));
    return n;
  };
  ASSERT_EQ(RunTransformation(request, counters_, headerWritten_, result), kOk);
  EXPECT_EQ(headerWritten_, 1);
  ASSERT_EQ(RunTransformation(request, counters_, headerWritten_, result), kOk);
  EXPECT_EQ(numbers(), (std::vector<int>{1, 2}));
  headerWritten_ = 0;  // the window restored its settings
  ASSERT_EQ(RunTransformation(request, counters_, headerWritten_, result), kOk);
  EXPECT_EQ(numbers(), (std::vector<int>{1}));
  EXPECT_EQ(counters_.typedPointsWritten, 3);
  EXPECT_NEAR(result.coords[1], 7500000.0, 1e-6);
  EXPECT_TRUE(result.latitudeText.empty());
}

// The results take the results name only when the run has ended, and a
// results file that cannot be written whole is no result: the earlier one
// stays.
TEST_F(RunTransformationTest, ResultsTakeTheirNameOnlyWhenWrittenWhole) {
  std::string points = "BLH\n";
  for (int i = 0; i < 2000; ++i) points += std::to_string(i) + " 55 39 100\n";
  WriteSource("points.in", points);
  WriteSource("points.out", "earlier results\n");
  RunResult result;
  ASSERT_EQ(RunTransformation(PlaneRequest(), counters_, headerWritten_, result), kOk);
  EXPECT_GT(ReadFile("points.out").size(), 2000u * 40);
  EXPECT_EQ(StrayFiles({"points.in", "points.out"}), std::vector<std::string>{});

  WriteSource("points.out", "earlier results\n");
  // A disk that fills up after a few kilobytes: the run must say so.
  const auto run = [&] {
    RunResult r;
    return RunTransformation(PlaneRequest(), counters_, headerWritten_, r);
  };
  EXPECT_EXIT(ExitWithCodeOnAFullDisk(8192, run), ::testing::ExitedWithCode(0), "code");
  EXPECT_EQ(ReadFile("points.out"), "earlier results\n");
  EXPECT_EQ(StrayFiles({"points.in", "points.out"}), std::vector<std::string>{});
}

TEST_F(RunTransformationTest, TypedPointsOnAFullDiskAreAWriteError) {
  RunRequest request = PlaneRequest();
  request.sourceFile = kNoFile;
  request.typedPoint = {55 * kRadiansPerDegree, 39 * kRadiansPerDegree, 100};
  const std::string earlier(300, 'x');
  WriteSource("points.out", earlier);
  // The first point starts the file anew (a header and a line, some 220
  // bytes), a later one is appended (47 bytes more): neither fits.
  struct Case { std::int32_t written; rlim_t bytes; };
  for (const Case& c : {Case{0, 100}, Case{1, 320}}) {
    const auto run = [&] {
      RunCounters counters{c.written, c.written};
      std::int16_t header = static_cast<std::int16_t>(c.written);
      RunResult r;
      return RunTransformation(request, counters, header, r);
    };
    EXPECT_EXIT(ExitWithCodeOnAFullDisk(c.bytes, run), ::testing::ExitedWithCode(0), "code") << c.written;
  }
  // The new file never replaced the earlier one; the append may have put
  // what fitted at its end, as a failed append does.
  EXPECT_EQ(ReadFile("points.out").substr(0, earlier.size()), earlier);
  EXPECT_EQ(StrayFiles({"points.out"}), std::vector<std::string>{});
}

TEST_F(RunTransformationTest, ScreenModeWithoutResultsFileGivesAngleTexts) {
  RunRequest request = PlaneRequest();
  request.route.source = Ck42Side(CoordType::xyH);
  request.route.target = Ck42Side(CoordType::BLH);
  request.route.projection.source = testing::GaussKrugerSlots();
  request.sourceFile = kNoFile;
  request.resultsFile = kNoFile;
  request.typedPoint = {0.0, 7500000.0, 12.0};
  RunResult result;
  ASSERT_EQ(RunTransformation(request, counters_, headerWritten_, result), kOk);
  EXPECT_EQ(result.latitudeText, "    0° 00' 00.00000\"");
  EXPECT_EQ(result.longitudeText, "   39° 00' 00.00000\"");
  EXPECT_EQ(result.coords[2], 12.0);
  EXPECT_EQ(counters_.typedPointsWritten, 0);
  EXPECT_FALSE(fs::exists(Path("points.out")));
}

}  // namespace
}  // namespace vexilor
