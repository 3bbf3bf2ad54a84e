#pragma once
// Windows of a grid kept for reuse, keyed on their place in the grid, the
// least recently used given up first once their heights pass a bound.

#include <cstddef>
#include <cstdint>
#include <list>
#include <unordered_map>
#include <vector>

#include "quasigeoid/grid_file.h"

namespace vexilor {

class GridWindowCache {
 public:
  explicit GridWindowCache(std::int64_t capacityBytes = 0) : capacityBytes_(capacityBytes) {}

  // The heights of the window at `place`, or null. A window found becomes
  // the most recently used; the pointer serves until the next Keep.
  const std::vector<float>* Find(const GridWindowPlace& place);

  // Keeps the window's heights, giving up the least recently used windows
  // while the heights kept exceed the capacity. A window larger than the
  // whole capacity is not kept.
  void Keep(const GridWindowPlace& place, const std::vector<float>& heights);

  std::int64_t BytesKept() const { return bytesKept_; }

 private:
  struct Entry {
    GridWindowPlace place;
    std::vector<float> heights;
  };
  struct PlaceHash {
    std::size_t operator()(const GridWindowPlace& p) const;
  };

  std::int64_t capacityBytes_;
  std::int64_t bytesKept_ = 0;
  std::list<Entry> recent_;  // most recently used first
  std::unordered_map<GridWindowPlace, std::list<Entry>::iterator, PlaceHash> index_;
};

}  // namespace vexilor
