// Whole reference files as the catalogue and the local-system step load
// them: sys.dat into its sorted list and the systems looked up in it,
// ellips.dat with every ellipsoid number searched, keys.dat scanned for
// each of its own first words. The first byte chooses the file.

#include <string>

#include "refdata/catalogue_listing.h"
#include "refdata/coord_system_record.h"
#include "refdata/ellipsoid_record.h"
#include "refdata/local_system_key.h"
#include "refdata/reference_file.h"
#include "refdata/system_lookup.h"
#include "text/words.h"
#include "fuzz_support.h"

using namespace vexilor;

namespace {

void Systems(const std::string& path) {
  SystemLines lines;
  LoadSystemLines(path, lines);
  fuzz::Check(lines.Count() >= 0, "a list count in 16 bits");
  std::string previous;
  for (const std::string& line : lines) {
    fuzz::Check(previous <= line, "sys.dat lines in sorted order");
    previous = line;
    // A line listed (up to 50 words) but beyond the 40 words of a record is
    // a bad record to every other operation, as it has always been.
    CoordSystem system;
    if (ParseSystemLine(line, system) != RecordError::kNone) continue;
    fuzz::Check(SystemListName(line) == system.name, "a system is listed by its name");
    const std::int16_t found = FindSystemLine(lines, system.name);
    CoordSystem first;
    fuzz::Check(found > 0 && ParseSystemLine(lines.Item(found), first) == RecordError::kNone &&
                    first.name == system.name,
                "a system is found by its name");
  }
  FindSystemLine(lines, "PZ90");
}

void Ellipsoids(const std::string& path) {
  EllipsoidLines lines;
  LoadEllipsoidLines(path, lines);
  for (std::int16_t number = -1; number <= lines.Count() + 1; ++number) {
    Ellipsoid found;
    FindEllipsoid(lines, number, found);
  }
}

void Keys(const std::string& path, std::string_view bytes) {
  // The names asked for: the first words of the file's own lines.
  std::size_t start = 0;
  for (int asked = 0; asked < 8 && start < bytes.size(); ++asked) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    const std::vector<std::string> words = SplitWords(bytes.substr(start, end - start), 50);
    LocalSystemKey key;
    FindLocalSystemKey(path, words.empty() ? "MCK42" : words[0], key);
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes = fuzz::Text(data + 1, size - 1);
  switch (data[0] % 3) {
    case 0: Systems(fuzz::WriteFile("sys.dat", bytes).string()); break;
    case 1: Ellipsoids(fuzz::WriteFile("ellips.dat", bytes).string()); break;
    default: Keys(fuzz::WriteFile("keys.dat", bytes).string(), bytes); break;
  }
  return 0;
}
