#include "refdata/route_choice.h"

#include "refdata/system_lookup.h"

namespace vexilor {
RouteChoice ChooseCatalogueSide(const SystemLines& systems, const EllipsoidLines& ellipsoids, std::string_view query,
                                CoordType type, SystemSide& side) {
  const std::int16_t index = FindSystemLine(systems, query);
  if (index == 0) return {RouteError::kSystemMissing, std::string(query), {}};
  SystemChoice choice;
  const ChoiceOutcome outcome = ChooseSystem(systems, ellipsoids, index, choice);
  if (outcome.error != ChoiceError::kNone) return {RouteError::kSystemDamaged, std::string(query), outcome};
  side = {choice.name, choice.baseName, type, choice.vector};
  return {};
}

RouteChoice ChooseGeodeticRoute(const SystemLines& systems, const EllipsoidLines& ellipsoids, std::string_view from,
                                std::string_view to, PointRoute& out) {
  PointRoute route;
  route.heights = HeightType::Geodetic;
  if (RouteChoice c = ChooseCatalogueSide(systems, ellipsoids, from, CoordType::BLH, route.source); c.error != RouteError::kNone) return c;
  if (RouteChoice c = ChooseCatalogueSide(systems, ellipsoids, to, CoordType::BLH, route.target); c.error != RouteError::kNone) return c;
  const GlobalLinkSearch link = FindGlobalLink(systems, route.source.base, route.target.base, route.global);
  if (link != GlobalLinkSearch::kSameBase && link != GlobalLinkSearch::kLinked)
    return {RouteError::kNoLink, std::string(from), {}};
  out = route;
  return {};
}

}  // namespace vexilor
