#include "geodesy/link_chain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "geodesy/angle_constants.h"
#include "geodesy/seven_parameter.h"

namespace vexilor {
namespace {

// Links in the order of link_params.h: metres, arc seconds, a pure number.
constexpr LinkParams kCk42ToPz90{25, -141, -80, 0, -0.35, -0.66, 0};
constexpr LinkParams kPz90ToWgs84{-1.08, -0.27, -0.9, 0, 0, -0.16, -1.2e-7};
constexpr LinkParams kFittedOntoPz9011{23.48, -140.18, -80.66, -0.025, -0.364, -0.796, -1.8e-7};
constexpr LinkParams kPz9011ToPz90{1.443, -0.156, -0.222, 0.0023, -0.00354, 0.13421, 2.28e-7};
constexpr LinkParams kBound{3000, 3000, 3000, 10, 10, 10, 1e-5};
constexpr LinkParams kOtherBound{3000, -3000, 3000, -10, 10, 10, 1e-5};

struct ChainCase {
  const char* name;
  LinkParams first, then;
  double largest;  // metres, the most the summed link may part from the chain
};

// The largest distance between the chain applied link by link and the
// summed link, over points every 10° of latitude and longitude at the
// poles' and the equator's radius.
double LargestDeparture(const LinkParams& first, const LinkParams& then) {
  const LinkParams sum = ChainLinks(first, then);
  double largest = 0;
  for (int lat = -90; lat <= 90; lat += 10) {
    for (int lon = -180; lon < 180; lon += 10) {
      for (const double r : {6357e3, 6400e3}) {
        const double b = lat * kRadiansPerDegree, l = lon * kRadiansPerDegree;
        const Geocentric x{r * std::cos(b) * std::cos(l), r * std::cos(b) * std::sin(l), r * std::sin(b)};
        Geocentric y, z, summed;
        EXPECT_EQ(SevenParameterTransform(LinkDirection::kToBase, x, first, y), kOk);
        EXPECT_EQ(SevenParameterTransform(LinkDirection::kToBase, y, then, z), kOk);
        EXPECT_EQ(SevenParameterTransform(LinkDirection::kToBase, x, sum, summed), kOk);
        largest = std::max(largest, std::hypot(z.x - summed.x, z.y - summed.y, z.z - summed.z));
      }
    }
  }
  return largest;
}

TEST(ChainLinks, SummedLinkStaysNearTheChain) {
  const ChainCase cases[] = {
      {"СК-42 → ПЗ-90 → WGS-84", kCk42ToPz90, kPz90ToWgs84, 0.13e-3},
      {"fitted onto ПЗ-90.11, then ПЗ-90.11 → ПЗ-90", kFittedOntoPz9011, kPz9011ToPz90, 0.12e-3},
      {"two links at the catalogue's bounds", kBound, kOtherBound, 0.44},
  };
  for (const ChainCase& c : cases) {
    const double largest = LargestDeparture(c.first, c.then);
    EXPECT_LE(largest, c.largest) << c.name;
  }
}

}  // namespace
}  // namespace vexilor
