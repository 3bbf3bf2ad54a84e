// The sheet-name parser of the sheet frame: the first byte chooses the
// scale, the rest is the nomenclature. A sheet read names itself again: the
// nomenclature of its centre reads back to the same frame.

#include <array>
#include <cmath>
#include <cstdint>

#include "service/sheet_frame.h"
#include "service/sheet_nomenclature.h"
#include "fuzz_support.h"

using namespace vexilor;

namespace {

constexpr std::array<std::int32_t, 9> kScales{1000000, 500000, 200000, 100000, 50000, 25000, 10000, 5000, 0};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::int32_t scale = kScales[data[0] % kScales.size()];
  const SheetFrameResult read = ComputeSheetFrame(scale, fuzz::Text(data + 1, size - 1));
  if (read.code != FrameCode::kSuccess) {
    fuzz::Check(!read.message.empty(), "a refused name says why");
    return 0;
  }
  const SheetFrame& f = read.frame;
  fuzz::Check(f.north > f.south && f.east > f.west, "a sheet has an extent");
  fuzz::Check(f.north <= 88 && f.south >= -88 && f.west >= 0 && f.east <= 360, "a sheet lies on the globe");
  const double b = (f.north + f.south) / 2, l = (f.west + f.east) / 2;
  if (std::fabs(b) > 84) return 0;  // rows beyond 84° name no point
  const SheetNomenclature named = ComputeSheetNomenclature(scale, b, l);
  fuzz::Check(named.code == NomenclatureCode::kSuccess, "a sheet's centre has a nomenclature");
  const SheetFrameResult again = ComputeSheetFrame(scale, named.name);
  fuzz::Check(again.code == FrameCode::kSuccess, "a nomenclature made reads back");
  fuzz::Check(std::fabs(again.frame.north - f.north) < 1e-9 && std::fabs(again.frame.south - f.south) < 1e-9 &&
                  std::fabs(again.frame.west - f.west) < 1e-9 && std::fabs(again.frame.east - f.east) < 1e-9,
              "a sheet names itself");
  return 0;
}
