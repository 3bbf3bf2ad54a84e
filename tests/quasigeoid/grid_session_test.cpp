#include "quasigeoid/grid_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "geodesy/angle_constants.h"
#include "quasigeoid/grid_window_cache.h"
#include "quasigeoid/quasi_geoid.h"
#include "run/run_transformation.h"
#include "quasigeoid/grid_test_files.h"
#include "support/unit_choices.h"

namespace vexilor {
namespace {

using testing::GridBytes;
using testing::TempFolder;
using testing::TestGrid;

// Heights that tell every node apart.
double Tagged(double b, double l) { return 100.0 * b + l; }

// A whole-circle grid of one-degree steps.
TestGrid WholeCircle() { return testing::GlobalGrid(60); }

// What a session asked of its grid files.
struct Tally {
  int opens = 0;
  std::int64_t bytes = 0;  // read
};

// A grid file's stream that counts the bytes read from it.
class CountingStream : public std::istream {
 public:
  CountingStream(const std::string& path, std::int64_t& bytes) : std::istream(nullptr), buffer_(bytes) {
    rdbuf(&buffer_);
    if (buffer_.open(path, std::ios::in | std::ios::binary) == nullptr) setstate(std::ios::failbit);
  }

 private:
  struct Buffer : std::filebuf {
    explicit Buffer(std::int64_t& read) : bytes(read) {}
    std::streamsize xsgetn(char* s, std::streamsize n) override {
      bytes += n;
      return std::filebuf::xsgetn(s, n);
    }
    std::int64_t& bytes;
  } buffer_;
};

// An opener that counts the grid files it opens and the bytes read.
GridAccess Counting(GridAccess access, Tally& tally) {
  access.open = [&tally](const std::string& path) -> std::unique_ptr<std::istream> {
    ++tally.opens;
    return std::make_unique<CountingStream>(path, tally.bytes);
  };
  return access;
}

struct Reading {
  const char* name;
  GridAccess access;
};
// Whole body; windows kept with room for all; windows kept with room for
// about two (each 8 x 8 floats), so that they are given up and read again.
const Reading kReadings[] = {
    {"whole body", GridAccess{}},
    {"window cache", GridAccess{0, 1 << 20, OpenGridStream}},
    {"small cache", GridAccess{0, 600, OpenGridStream}},
    {"window by window", GridAccess::WindowByWindow()},
};

// A session serves every window exactly as the file gives it on its own:
// inside the grid, wrapping round the seam, whole polar rows, again after
// other windows, and refuses those outside alike.
TEST(GridSession, WindowsAreThoseOfTheFile) {
  TempFolder folder;
  const std::string path = folder.Write("g.mat", GridBytes(WholeCircle(), Tagged));
  const GridWindowBounds windows[] = {
      {30, 37, 50, 57},    {-3, 4, 10, 17},      {355, 362, -20, -13}, {0, 360, 80, 90},
      {30, 37, 50, 57},    {120, 127, -60, -53}, {-3, 4, 10, 17},      {30, 37, 50, 57},
      {10, 17, 85, 95},
  };
  for (const Reading& reading : kReadings) {
    GridSession session(path, "GEOID", reading.access);
    ASSERT_EQ(session.Open(), kOk) << reading.name;
    GridFile file;
    ASSERT_EQ(file.Open(path, "GEOID"), kOk);
    for (const GridWindowBounds& bounds : windows) {
      GridWindow fromFile, fromSession;
      const ResultCode code = file.ReadWindow(bounds, fromFile);
      EXPECT_EQ(session.ReadWindow(bounds, fromSession), code) << reading.name;
      if (code != kOk) continue;
      EXPECT_EQ(static_cast<const GridWindowPlace&>(fromSession),
                static_cast<const GridWindowPlace&>(fromFile))
          << reading.name << " " << bounds.west << " " << bounds.south;
      EXPECT_EQ(fromSession.heights, fromFile.heights)
          << reading.name << " " << bounds.west << " " << bounds.south;
    }
  }
}

// The first failure of the opening is the answer to every lookup, and the
// file is not tried again.
TEST(GridSession, OpensOnceAndRepeatsItsFirstFailure) {
  TempFolder folder;
  TestGrid other = WholeCircle();
  other.signature = "GEOIX";
  TestGrid text = WholeCircle();
  text.layout = 'T';
  struct Case {
    std::string path;
    ResultCode code;
    int opens;  // the search path finds no missing file to open
  };
  const Case cases[] = {
      {folder.Write("good.mat", GridBytes(WholeCircle(), Tagged)), kOk, 1},
      {folder.Write("other.mat", GridBytes(other, Tagged)), kGridBadHeader, 1},
      {folder.Write("text.mat", GridBytes(text, Tagged)), kGridBadFormat, 1},
      {folder.PathOf("missing.mat"), kGridFileNotFound, 0},
  };
  for (const Case& c : cases) {
    Tally tally;
    GridSession session(c.path, "GEOID", Counting({}, tally));
    QuasiGeoidLookup lookup(session);
    for (const double b : {55.0, -20.0, 70.0}) {
      float h = -1;
      EXPECT_EQ(lookup.Height(b, 37, h), c.code) << c.path;
    }
    EXPECT_EQ(tally.opens, c.opens) << c.path;
  }
}

// A run opens the grid once, whatever the number of points and the way it
// reads it, and a run with geodetic heights never opens it. A typed point
// reads its windows, never the whole body.
TEST(GridSession, ARunOpensTheGridOnce) {
  TempFolder folder;
  const std::vector<unsigned char> bytes = GridBytes(WholeCircle(), Tagged);
  const std::string grid = folder.Write("g.mat", bytes);
  const auto bodyBytes = static_cast<std::int64_t>(bytes.size());
  std::ofstream(folder / "points.in", std::ios::binary) << [] {
    std::string s = "BLH\r\n";
    for (int i = 0; i < 300; ++i)
      s += std::to_string(i + 1) + " " + std::to_string(-60 + i * 0.4) + " " +
           std::to_string(i * 1.2) + " 100\r\n";
    return s;
  }();
  struct Case {
    HeightType heights;
    bool file;
    int opens;
  };
  const Case cases[] = {
      {HeightType::Normal, true, 1},
      {HeightType::Normal, false, 1},
      {HeightType::Geodetic, true, 0},
  };
  for (const Reading& reading : kReadings) {
    for (const Case& c : cases) {
      Tally tally;
      RunRequest request;
      SystemSide side{"Пулково", kPz90Name, CoordType::BLH, {}};
      side.vector.values = {6378245, 298.3, 6378136, 298.25784, 25, -141, -80, 0, -0.35, -0.66, 0};
      request.route.source = request.route.target = side;
      request.route.heights = c.heights;
      request.route.gridFile = grid;
      request.units = {testing::kInDegrees, testing::kInDegrees};
      request.typedPoint = {55 * kRadiansPerDegree, 37 * kRadiansPerDegree, 100};
      if (c.file) {
        request.sourceFile = folder.PathOf("points.in");
        request.resultsFile = folder.PathOf("points.out");
      }
      request.gridAccess = Counting(reading.access, tally);
      RunCounters counters;
      std::int16_t headerWritten = 0;
      RunResult result;
      EXPECT_EQ(RunTransformation(request, counters, headerWritten, result), kOk) << reading.name;
      EXPECT_EQ(tally.opens, c.opens) << reading.name << " file " << c.file;
      if (!c.file) {
        EXPECT_LT(tally.bytes, bodyBytes / 10) << reading.name;
      }
    }
  }
}

// The least recently used windows are given up first once the heights kept
// pass the bound; a window larger than the bound is never kept.
TEST(GridWindowCache, GivesUpTheLeastRecentlyUsed) {
  GridWindowCache cache(3 * 4 * sizeof(float));  // room for three windows of four heights
  const auto place = [](int row) { return GridWindowPlace{2, 2, row, 1}; };
  const auto heights = [](int row) { return std::vector<float>(4, static_cast<float>(row)); };
  for (int row = 1; row <= 3; ++row) cache.Keep(place(row), heights(row));
  ASSERT_NE(cache.Find(place(1)), nullptr);  // now the most recently used
  cache.Keep(place(4), heights(4));          // gives up window 2
  struct Case {
    int row;
    bool kept;
  };
  for (const Case c : {Case{1, true}, Case{2, false}, Case{3, true}, Case{4, true}}) {
    const std::vector<float>* found = cache.Find(place(c.row));
    EXPECT_EQ(found != nullptr, c.kept) << c.row;
    if (found != nullptr) {
      EXPECT_EQ(*found, heights(c.row)) << c.row;
    }
  }
  EXPECT_EQ(cache.BytesKept(), static_cast<std::int64_t>(3 * 4 * sizeof(float)));
  cache.Keep(GridWindowPlace{4, 4, 9, 9}, std::vector<float>(16, 1.0f));
  EXPECT_EQ(cache.Find(GridWindowPlace{4, 4, 9, 9}), nullptr);
  EXPECT_NE(cache.Find(place(4)), nullptr);
  // Windows differing in any field of their place are different windows.
  EXPECT_EQ(cache.Find(GridWindowPlace{2, 3, 4, 1}), nullptr);
  EXPECT_EQ(cache.Find(GridWindowPlace{2, 2, 4, 2}), nullptr);
}

}  // namespace
}  // namespace vexilor
