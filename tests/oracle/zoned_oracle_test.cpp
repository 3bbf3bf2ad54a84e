// Zoned transverse Mercator of the engine against PROJ: Gauss-Krüger with the
// default set on the Krassovsky ellipsoid (PROJ's tmerc, exact to well below
// a micrometre this close to the axis) and UTM with the built-in set on
// WGS 84 (PROJ's utm; the set has no false northing, so southern northings
// are negative, as PROJ gives them without +south).

#include "zoned_oracle.h"

#include <gtest/gtest.h>

namespace vexilor::oracle {
namespace {

constexpr unsigned kSeed = 19540101;

struct ZonedCase {
  ZonedSetup setup;
  ZonedDomain domain;
};

void PrintTo(const ZonedCase& c, std::ostream* out) {
  PrintTo(c.setup, out);
  *out << " |l|<=" << c.domain.maxOffAxis;
}

constexpr ZonedDomain kInsideZones{3.0, 80.0, 400};
constexpr ZonedDomain kBeyondZoneEdges{3.5, 80.0, 400};

// Measured on both sets: 0.045 mm in the plane, mostly the meridian arc
// series stopping at e^8; back from PROJ's plane 1.3e-9 degrees of latitude
// (the footpoint series) and 3.5e-10 of longitude; forward then inverse
// 1.5e-9 degrees. Half a degree beyond the zone edge changes little. The
// bounds keep a margin over the printed maxima.
constexpr ZonedBounds kBounds{0.08e-3, 2.5e-9, 0.5e-9, 3e-9};

class ZonedOracle : public ::testing::TestWithParam<ZonedCase> {};

TEST_P(ZonedOracle, MatchesProj) {
  const ZonedCase& c = GetParam();
  ExpectZonedWithin(c.setup, c.domain, kBounds, kSeed);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, ZonedOracle,
    ::testing::Values(ZonedCase{GaussKrugerSetup(kKrassovsky), kInsideZones},
                      ZonedCase{GaussKrugerSetup(kKrassovsky), kBeyondZoneEdges},
                      ZonedCase{UtmSetup(), kInsideZones}, ZonedCase{UtmSetup(), kBeyondZoneEdges}),
    [](const auto& instance) {
      return std::string(instance.param.setup.name) + "_l" +
             std::to_string(static_cast<int>(instance.param.domain.maxOffAxis * 10));
    });

}  // namespace
}  // namespace vexilor::oracle
