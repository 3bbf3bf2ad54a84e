#include "text/shortest_double.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "text/number_reader.h"

namespace vexilor {
namespace {

struct ShortestCase {
  double value;
  std::string text;
};

TEST(ShortestDoubleTest, WritesTheShortestPlainForm) {
  const ShortestCase cases[] = {
      {298.257223563, "298.257223563"}, {6378137, "6378137"}, {-0.12e-6, "-1.2e-07"},
      {0.1, "0.1"},                     {-0.0, "-0"},         {1e22, "1e+22"},
      {23.92, "23.92"},
  };
  for (const ShortestCase& c : cases) EXPECT_EQ(ShortestDoubleText(c.value), c.text);
}

TEST(ShortestDoubleTest, NonFiniteGivesTheMarker) {
  EXPECT_EQ(ShortestDoubleText(std::numeric_limits<double>::infinity()), "Inf");
  EXPECT_EQ(ShortestDoubleText(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

void ExpectReadsBackExactly(double value) {
  const std::string text = ShortestDoubleText(value);
  ASSERT_EQ(text.find(','), std::string::npos) << text;
  const std::optional<double> back = ReadNumber(text);
  ASSERT_TRUE(back.has_value()) << text;
  ASSERT_EQ(std::bit_cast<std::uint64_t>(*back), std::bit_cast<std::uint64_t>(value)) << text;
}

TEST(ShortestDoubleTest, EveryFiniteDoubleReadsBackBitForBit) {
  std::mt19937_64 random(1942);
  for (int i = 0; i < 200000; ++i) {
    const double value = std::bit_cast<double>(random());
    if (std::isfinite(value)) ExpectReadsBackExactly(value);
  }
  for (const double edge : {std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
                            std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
                            -std::numeric_limits<double>::denorm_min(), 0.0, -0.0})
    ExpectReadsBackExactly(edge);
}

}  // namespace
}  // namespace vexilor
