#pragma once
// Vectors of W doubles, as the compiler's vector extensions hold them, for
// the passes of column_kernels.h. Everything here has internal linkage: the
// files that include this header are built for different processor
// families, and no build's copy may stand in for another's at link time.

#include <cstddef>
#include <cstring>

namespace vexilor {
namespace {

template <std::size_t W>
struct Lanes {
  // typedef, not using: GCC drops the attribute from an alias template.
  typedef double Doubles __attribute__((vector_size(W * sizeof(double))));
  typedef long long Bits __attribute__((vector_size(W * sizeof(double))));
  typedef unsigned long long Unsigned __attribute__((vector_size(W * sizeof(double))));
};

template <class Vector, class T>
Vector Load(const T* at) {
  Vector v;
  std::memcpy(&v, at, sizeof v);
  return v;
}

template <class Vector, class T>
void Store(T* at, Vector v) {
  std::memcpy(at, &v, sizeof v);
}

// Every lane `value`: value - 0 is value itself, a -0 included (0 + value
// would turn -0 into +0).
template <class Doubles>
Doubles Broadcast(double value) {
  const Doubles zero = {};
  return value - zero;
}

}  // namespace
}  // namespace vexilor
