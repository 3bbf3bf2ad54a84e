// The column passes with AVX2 instructions: this file alone is built with
// -mavx2 -mfma (src/CMakeLists.txt); the processor is asked before they run.

#include "quasigeoid/column_passes.h"

#if defined(__x86_64__)
namespace vexilor {

ColumnKernels Avx2Kernels() { return KernelsOfWidth<4>("AVX2"); }

}  // namespace vexilor
#endif
