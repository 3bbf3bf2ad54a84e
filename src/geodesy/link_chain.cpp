#include "geodesy/link_chain.h"

namespace vexilor {

LinkParams ChainLinks(const LinkParams& first, const LinkParams& then) {
  LinkParams sum{};
  for (std::size_t k = 0; k < sum.size(); ++k) sum[k] = first[k] + then[k];
  return sum;
}

}  // namespace vexilor
