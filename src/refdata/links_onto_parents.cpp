#include "refdata/links_onto_parents.h"

#include "geodesy/link_chain.h"

namespace vexilor {
namespace {

std::string_view ParentName(const ParentChoice& parent) { return BaseNameOfParentCode(parent.code); }

std::optional<LinkParams> LinkOnto(std::string_view parent, const LinkParams& fitted, const SystemChoice& target,
                                   const SystemLines& systems) {
  if (target.name == parent) return fitted;
  const LinkParams onBase = ChainLinks(fitted, target.vector.Link());
  GlobalLinkParams between{};
  switch (FindGlobalLink(systems, target.baseName, parent, between)) {
    case GlobalLinkSearch::kSameBase:
      return onBase;
    case GlobalLinkSearch::kLinked:
      return ChainLinks(onBase, between);
    case GlobalLinkSearch::kNoEntry:
    case GlobalLinkSearch::kNotLinked:
      break;
  }
  return std::nullopt;
}

}  // namespace

ParentLinks LinksOntoParents(const LinkParams& fitted, const SystemChoice& target, const SystemLines& systems) {
  ParentLinks links;
  for (std::size_t k = 0; k < kParentChoices.size(); ++k)
    links[k] = LinkOnto(ParentName(kParentChoices[k]), fitted, target, systems);
  return links;
}

std::size_t NearestParent(const SystemChoice& target) {
  for (const std::string_view name : {std::string_view(target.name), std::string_view(target.baseName)}) {
    for (std::size_t k = 0; k < kParentChoices.size(); ++k)
      if (ParentName(kParentChoices[k]) == name) return k;
  }
  return 0;
}

}  // namespace vexilor
