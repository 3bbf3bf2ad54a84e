#pragma once
// Vectors whose first element starts a cache line, so that whole-vector
// passes over them never split a line (column_kernels.h).

#include <cstddef>
#include <new>
#include <vector>

namespace vexilor {

// Storage whose first element starts a cache line.
template <class T>
struct CacheLineAllocator {
  using value_type = T;
  static constexpr std::align_val_t kLine{64};
  CacheLineAllocator() = default;
  template <class U>
  CacheLineAllocator(const CacheLineAllocator<U>&) {}
  T* allocate(std::size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), kLine)); }
  void deallocate(T* p, std::size_t) { ::operator delete(p, kLine); }
  friend bool operator==(const CacheLineAllocator&, const CacheLineAllocator&) { return true; }
};

template <class T>
using CacheLineVector = std::vector<T, CacheLineAllocator<T>>;

}  // namespace vexilor
