#pragma once
// The filter of the file dialogs: "Desc (*.in)|*.in|All (*.*)|*.*".

#include <string>
#include <string_view>
#include <vector>

namespace vexilor {

struct FileFilterEntry {
  std::string description;               // "Desc (*.in)"
  std::vector<std::string> patterns;     // {"*.in"}; several are joined by ";" in the filter
  friend bool operator==(const FileFilterEntry&, const FileFilterEntry&) = default;
};

// The filter's description/pattern pairs, in order. An empty filter gives no
// entry. A filter with an odd number of pieces is malformed: the result is
// empty and `well_formed` (when given) is false.
std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter, bool* wellFormed = nullptr);

}  // namespace vexilor
