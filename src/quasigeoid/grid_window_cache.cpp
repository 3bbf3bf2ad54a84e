#include "quasigeoid/grid_window_cache.h"

namespace vexilor {
namespace {

std::int64_t BytesOf(const std::vector<float>& heights) {
  return static_cast<std::int64_t>(heights.size() * sizeof(float));
}

}  // namespace

std::size_t GridWindowCache::PlaceHash::operator()(const GridWindowPlace& p) const {
  std::size_t h = 0;
  for (const int v : {p.firstRow, p.firstColumn, p.rows, p.columns})
    h = h * 1000003u + static_cast<std::size_t>(static_cast<unsigned>(v));
  return h;
}

const std::vector<float>* GridWindowCache::Find(const GridWindowPlace& place) {
  const auto found = index_.find(place);
  if (found == index_.end()) return nullptr;
  recent_.splice(recent_.begin(), recent_, found->second);
  return &found->second->heights;
}

void GridWindowCache::Keep(const GridWindowPlace& place, const std::vector<float>& heights) {
  if (BytesOf(heights) > capacityBytes_ || index_.count(place) != 0) return;
  recent_.push_front({place, heights});
  index_.emplace(place, recent_.begin());
  bytesKept_ += BytesOf(heights);
  while (bytesKept_ > capacityBytes_) {
    bytesKept_ -= BytesOf(recent_.back().heights);
    index_.erase(recent_.back().place);
    recent_.pop_back();
  }
}

}  // namespace vexilor
