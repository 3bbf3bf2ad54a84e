#include "quasigeoid/column_kernels.h"

#include "quasigeoid/column_passes.h"

namespace vexilor {

std::vector<ColumnKernels> AllKernelsOfThisProcessor() {
  std::vector<ColumnKernels> all;
#if defined(__x86_64__)
  __builtin_cpu_init();
  const bool fma = __builtin_cpu_supports("fma");
  if (fma && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
      __builtin_cpu_supports("avx512dq"))
    all.push_back(Avx512Kernels());
  if (fma && __builtin_cpu_supports("avx2")) all.push_back(Avx2Kernels());
#endif
  all.push_back(KernelsOfWidth<2>("plain"));
  return all;
}

const ColumnKernels& KernelsOfThisProcessor() {
  static const ColumnKernels fastest = AllKernelsOfThisProcessor().front();
  return fastest;
}

}  // namespace vexilor
