// Damaged grid files by the thousand: every lookup must end with one of the
// lookup's codes - no crash, no read outside the file, no hang - and a
// successful one with a finite height.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <random>
#include <set>

#include "quasigeoid/grid_file.h"
#include "geodesy/result_codes.h"
#include "quasigeoid/grid_test_files.h"
#include "quasigeoid/quasi_geoid.h"

namespace vexilor {
namespace {

using testing::GridBytes;
using testing::TempFolder;
using testing::TestGrid;

double Wavy(double b, double l) { return 20.0 + 10.0 * std::sin(0.1 * b) * std::cos(0.05 * l); }

std::vector<TestGrid> BaseGrids() {
  TestGrid regional;  // 50..60 N, 30..40 E at 1°, 4-byte values
  regional.latitudeStep = regional.longitudeStep = 60;
  TestGrid global;  // the whole sphere at 10°, 2-byte values
  global.north = 90;
  global.south = -90;
  global.west = 0;
  global.east = 360;
  global.latitudeStep = global.longitudeStep = 600;
  global.valueSize = 2;
  global.scale = 0.01f;
  TestGrid cells = regional;  // cell centres
  cells.placement = "MIDL";
  return {regional, global, cells};
}

// Offsets and widths of the header's numeric fields.
struct Field {
  std::size_t at;
  int bytes;  // 4: float, 2: 16-bit integer
};
const Field kFields[] = {{6, 4},  {10, 4}, {14, 4}, {18, 4}, {22, 2}, {24, 2},
                         {26, 4}, {30, 4}, {38, 4}, {42, 4}, {46, 4}, {50, 2}};

float SpecialFloat(std::mt19937& random) {
  const float specials[] = {std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(),
                            0.0f,
                            -0.0f,
                            1e-38f,
                            1e-45f,
                            1e30f,
                            -1e30f,
                            std::numeric_limits<float>::max(),
                            90.0f,
                            -90.0f,
                            360.0f,
                            0.001f,
                            60.0f,
                            15.0f,
                            1800.0f,
                            1801.0f,
                            -15.0f};
  if (random() % 3 == 0) return std::uniform_real_distribution<float>(-400, 400)(random);
  return specials[random() % std::size(specials)];
}

std::int16_t SpecialInt16(std::mt19937& random) {
  const std::int16_t specials[] = {0, 1, 2, 3, 4, -1, -2, 11, 12, 19, 36, 37, 32767, -32768};
  if (random() % 3 == 0) return static_cast<std::int16_t>(random());
  return specials[random() % std::size(specials)];
}

void Mutate(std::vector<unsigned char>& bytes, std::mt19937& random) {
  const int changes = 1 + static_cast<int>(random() % 3);
  for (int i = 0; i < changes; ++i) {
    switch (random() % 5) {
      case 0: {  // a random byte of the header or the gap after it
        bytes[random() % 100] = static_cast<unsigned char>(random());
        break;
      }
      case 1:
      case 2: {  // a numeric field set to an awkward value
        const Field& f = kFields[random() % std::size(kFields)];
        if (f.bytes == 4) {
          const float v = SpecialFloat(random);
          std::memcpy(&bytes[f.at], &v, 4);  // little-endian hosts only
        } else {
          const std::int16_t v = SpecialInt16(random);
          std::memcpy(&bytes[f.at], &v, 2);
        }
        break;
      }
      case 3: {  // cut the file short
        bytes.resize(random() % (bytes.size() + 1));
        break;
      }
      default: {  // garbage appended
        const std::size_t extra = random() % 64;
        for (std::size_t k = 0; k < extra; ++k)
          bytes.push_back(static_cast<unsigned char>(random()));
      }
    }
  }
}

double RandomLatitude(std::mt19937& random) {
  switch (random() % 4) {
    case 0:
      return std::uniform_real_distribution<double>(-100, 100)(random);
    case 1:
      return std::uniform_real_distribution<double>(49, 61)(random);
    case 2:
      return (random() % 2 ? 1 : -1) * std::uniform_real_distribution<double>(88, 90)(random);
    default:
      return std::numeric_limits<double>::quiet_NaN();
  }
}

TEST(QuasiGeoidHeightFuzz, DamagedHeadersAlwaysEndWithACleanCode) {
  static_assert(std::endian::native == std::endian::little);
  TempFolder folder;
  std::mt19937 random(314159);
  const std::vector<TestGrid> bases = BaseGrids();
  std::vector<std::vector<unsigned char>> originals;
  for (const TestGrid& g : bases) originals.push_back(GridBytes(g, Wavy));
  const std::set<ResultCode> lookupCodes = {kOk,
                                            kGridBadHeader,
                                            kGridBadFormat,
                                            kGridPointOutside,
                                            kGridWindowUnreadable,
                                            kGridInterpolationFailed};
  std::map<ResultCode, int> seen;
  for (int trial = 0; trial < 4000; ++trial) {
    std::vector<unsigned char> bytes = originals[random() % originals.size()];
    Mutate(bytes, random);
    const std::string path = folder.Write("fuzz.mat", bytes);
    for (int point = 0; point < 3; ++point) {
      const double b = RandomLatitude(random);
      const double l = std::uniform_real_distribution<double>(-400, 800)(random);
      float h = 0;
      const ResultCode code = QuasiGeoidHeight(path, b, l, "GEOID", h);
      ++seen[code];
      ASSERT_TRUE(lookupCodes.count(code)) << "trial " << trial << " code " << code;
      if (code == kOk) {
        ASSERT_TRUE(std::isfinite(h)) << "trial " << trial;
      }
    }
    GridWindow window;
    GridHeader header;
    const double west = std::uniform_real_distribution<double>(-400, 800)(random);
    const double south = std::uniform_real_distribution<double>(-100, 100)(random);
    const ResultCode code = ReadGridWindow(
        path, "GEOID", {west, west + (random() % 400), south, south + (random() % 200)}, window,
        header);
    ASSERT_TRUE(lookupCodes.count(code)) << "trial " << trial << " code " << code;
    if (code == kOk) {
      ASSERT_EQ(window.heights.size(), static_cast<std::size_t>(window.rows) * window.columns);
    }
  }
  // The mutations reach every stage of the lookup, not only the header check.
  EXPECT_GT(seen[kOk], 100);
  EXPECT_GT(seen[kGridBadHeader], 100);
  EXPECT_GT(seen[kGridBadFormat], 100);
  EXPECT_GT(seen[kGridPointOutside], 100);
}

}  // namespace
}  // namespace vexilor
