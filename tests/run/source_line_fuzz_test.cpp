// Damaged source lines must end in a clean result code, never a crash, a
// hang or a non-finite point.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "run/point_pipeline.h"
#include "run/source_line.h"
#include "support/unit_choices.h"
#include "support/engine_test_support.h"

namespace vexilor {
namespace {

struct Layout {
  CoordType type;
  SideUnits units;
  const char* sample;
};

const Layout kLayouts[] = {
    {CoordType::BLH, testing::kInDegMinSec, "17 55 45 20.5 37 37 12.25 150.5"},
    {CoordType::BLH, testing::kInDegMin, "3 -33 52.2 151 12.6 5"},
    {CoordType::BLH, testing::kInDegrees, "230 55.75 37.62 150"},
    {CoordType::BLH, testing::kInRadians, "1 0.97 0.65 -12"},
    {CoordType::XYZ, testing::kInMetres, "5 2846123.4567 2200000.25 5000000"},
    {CoordType::xyH, testing::kInKilometres, "9 6164.123 7412.345 0.151"},
};

// Pieces a damaged or hand-edited line may contain.
const char* const kPieces[] = {"", " ", "  ", "-", "+", ".", "e", "E", "0", "9", "60", "90", "360",
                               "99999", "1e999", "-1e308", "nan", "inf", "0x1F", ",", "\t", "\r",
                               "\xD0\x9F", "\xFF", "1.2.3", "--1", "32768", "-32769", "4.5e-400"};

std::string Mutate(std::string line, std::mt19937& rng) {
  std::uniform_int_distribution<int> edits(1, 4);
  std::uniform_int_distribution<std::size_t> pieceOf(0, std::size(kPieces) - 1);
  for (int n = edits(rng); n > 0; --n) {
    std::uniform_int_distribution<std::size_t> at(0, line.size());
    const std::size_t pos = at(rng);
    switch (rng() % 3) {
      case 0: line.insert(pos, kPieces[pieceOf(rng)]); break;
      case 1: line.erase(pos, rng() % 4); break;
      default: line.replace(pos, rng() % 3, kPieces[pieceOf(rng)]); break;
    }
  }
  return line;
}

TEST(SourceLineFuzz, MutatedLinesGiveACleanCode) {
  const unsigned seed = 20261207;
  std::mt19937 rng(seed);
  const NumericLocale locale{"."};
  PointRoute route;
  route.source = {"A", "Russia 1990 Global Coordinate System (ПЗ-90)", CoordType::BLH, {}};
  route.source.vector.values = {6378245, 298.3, 6378136, 298.25784, 25, -141, -80, 0, -0.35, -0.66, 0};
  route.target = route.source;
  route.projection.source = testing::GaussKrugerSlots();
  route.projection.target = testing::UtmSlots();
  int accepted = 0;
  for (int i = 0; i < 20000; ++i) {
    const Layout& layout = kLayouts[static_cast<std::size_t>(i) % std::size(kLayouts)];
    const std::string line = Mutate(layout.sample, rng);
    Coords point{};
    const ResultCode code = ParseSourceLine(line, layout.type, layout.units, locale, point);
    ASSERT_TRUE(code == kOk || code == kValueOutOfRange || code == kUnreadableLine)
        << "seed " << seed << " line '" << line << "' code " << code;
    if (code != kOk) continue;
    ++accepted;
    for (double v : point) ASSERT_TRUE(std::isfinite(v)) << line;
    // Whatever was accepted goes through the route to every type cleanly.
    for (CoordType to : {CoordType::BLH, CoordType::XYZ, CoordType::xyH}) {
      route.source.type = layout.type;
      route.target.type = to;
      PointResult r;
      const ResultCode routed = TransformOnePoint(route, point, r);
      if (routed == kOk) {
        for (double v : r.coords) ASSERT_TRUE(std::isfinite(v)) << line;
      }
    }
  }
  EXPECT_GT(accepted, 1000);  // the mutations leave many lines readable
}

}  // namespace
}  // namespace vexilor
