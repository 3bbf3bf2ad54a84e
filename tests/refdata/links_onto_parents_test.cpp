#include "refdata/links_onto_parents.h"

#include <gtest/gtest.h>

#include "geodesy/datum.h"

namespace vexilor {
namespace {

// The links between the bases, in the file's own layout (m fourth).
const char* const kPz90Line = "Russia 1990 Global Coordinate System (ПЗ-90) 27 -1.08 -0.27 -0.9 -1.2e-07 0 0 -0.16 WGS84 21";
const char* const kWgs84Line = "WGS 1984 Global Definition (WGS84) 21 1.08 0.27 0.9 1.2e-07 0 0 0.16 PZ90 27";

constexpr LinkParams kFitted{100, 200, 300, 0.5, 0.25, 0.125, 2e-7};

SystemChoice Target(const std::string& name, const std::string& base, const LinkParams& link) {
  SystemChoice choice{name, base, {}};
  choice.vector.SetLink(link);
  return choice;
}

struct OntoCase {
  const char* label;
  SystemChoice target;
  bool withPz90Line;
  std::optional<LinkParams> wgs84, pz90;  // kParentChoices' order
  std::size_t nearest;
};

TEST(LinksOntoParents, ChainTheTargetsLinksToEachParent) {
  const SystemChoice local = Target("Local (L1)", kPz90Name, {10, 20, 30, 1, 2, 3, 1e-6});
  const OntoCase cases[] = {
      {"the target is WGS-84", Target(kWgs84Name, kPz90Name, {1.08, 0.27, 0.9, 0, 0, 0.16, 1.2e-7}), true,
       kFitted, LinkParams{101.08, 200.27, 300.9, 0.5, 0.25, 0.285, 3.2e-7}, 0},
      {"the target is ПЗ-90", Target(kPz90Name, kWgs84Name, {-1.08, -0.27, -0.9, 0, 0, -0.16, -1.2e-7}), true,
       LinkParams{98.92, 199.73, 299.1, 0.5, 0.25, -0.035, 0.8e-7}, kFitted, 1},
      {"a target on ПЗ-90", local, true, LinkParams{108.92, 219.73, 329.1, 1.5, 2.25, 2.965, 1.08e-6},
       LinkParams{110, 220, 330, 1.5, 2.25, 3.125, 1.2e-6}, 1},
      {"no link between the bases", local, false, std::nullopt, LinkParams{110, 220, 330, 1.5, 2.25, 3.125, 1.2e-6},
       1},
  };
  for (const OntoCase& c : cases) {
    SystemLines systems;
    if (c.withPz90Line) systems.Append(kPz90Line);
    systems.Append(kWgs84Line);
    const ParentLinks links = LinksOntoParents(kFitted, c.target, systems);
    for (const auto& [got, expected] : {std::pair{links[0], c.wgs84}, std::pair{links[1], c.pz90}}) {
      ASSERT_EQ(got.has_value(), expected.has_value()) << c.label;
      if (!expected) continue;
      for (std::size_t k = 0; k < expected->size(); ++k) EXPECT_DOUBLE_EQ((*got)[k], (*expected)[k]) << c.label << " " << k;
    }
    EXPECT_EQ(NearestParent(c.target), c.nearest) << c.label;
  }
}

}  // namespace
}  // namespace vexilor
