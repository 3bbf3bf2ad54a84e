// One line of sys.dat, ellips.dat or keys.dat; the first byte chooses the
// file. A record read, written and read again writes the same line.

#include <cmath>
#include <string>

#include "refdata/catalogue_listing.h"
#include "refdata/coord_system_record.h"
#include "refdata/ellipsoid_record.h"
#include "refdata/local_system_key.h"
#include "fuzz_support.h"

using namespace vexilor;

namespace {

void SystemLine(std::string_view line) {
  SystemListName(line);
  CoordSystem first;
  if (ParseSystemLine(line, first) != RecordError::kNone) return;
  const std::string written = FormatSystemLine(first);
  CoordSystem second;
  fuzz::Check(ParseSystemLine(written, second) == RecordError::kNone, "a written system line reads back");
  fuzz::Check(FormatSystemLine(second) == written, "a system line written twice is the same");
}

void EllipsoidLine(std::string_view line) {
  Ellipsoid first;
  if (ParseEllipsoidLine(line, first) != RecordError::kNone) return;
  const std::string written = FormatEllipsoidLine(first);
  Ellipsoid second;
  fuzz::Check(ParseEllipsoidLine(written, second) == RecordError::kNone, "a written ellipsoid line reads back");
  fuzz::Check(FormatEllipsoidLine(second) == written, "an ellipsoid line written twice is the same");
}

void KeysLine(std::string_view line) {
  IsKeysLineOf(line, "MCK42");
  LocalSystemKey key;
  if (ParseKeysLine(line, key) != KeysSearch::kFound) return;
  for (double v : {key.zoneWidth, key.falseOriginX, key.falseOriginY})
    fuzz::Check(std::isfinite(v), "a keys value read is finite");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view line = fuzz::Text(data + 1, size - 1);
  switch (data[0] % 3) {
    case 0: SystemLine(line); break;
    case 1: EllipsoidLine(line); break;
    default: KeysLine(line); break;
  }
  return 0;
}
