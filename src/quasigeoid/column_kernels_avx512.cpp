// The column passes with AVX-512 instructions: this file alone is built with
// -mavx512f -mavx512vl -mavx512dq -mfma (src/CMakeLists.txt); the processor is
// asked before they run.

#include "quasigeoid/column_passes.h"

#if defined(__x86_64__)
namespace vexilor {

ColumnKernels Avx512Kernels() { return KernelsOfWidth<8>("AVX-512"); }

}  // namespace vexilor
#endif
