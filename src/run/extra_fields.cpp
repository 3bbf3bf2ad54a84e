#include "run/extra_fields.h"

#include <algorithm>

#include "text/csv_fields.h"
#include "run/csv_line.h"

namespace vexilor {
namespace {


}  // namespace

ExtraFields::ExtraFields(const CsvDialect& source, const std::vector<std::string>& taken) : source_(source) {
  if (source.headerLine == 0) return;
  const std::vector<std::string_view> titles = CsvFields(source.header, source.delimiter);
  std::vector<std::string> given = taken;
  for (std::size_t k = kLeadingCsvFields; k < titles.size(); ++k) {
    std::string title = ToUtf8(CsvFieldText(titles[k]), source.encoding);
    if (title.empty() || std::find(given.begin(), given.end(), title) != given.end()) title.clear();
    if (!title.empty()) given.push_back(title);
    names_.push_back(title);
  }
}

std::vector<std::string> ExtraFields::Values(std::string_view extra) const {
  std::vector<std::string> values;
  if (extra.empty()) return values;
  for (std::string_view field : CsvFields(extra.substr(1), source_.delimiter))
    values.push_back(ToUtf8(CsvFieldText(field), source_.encoding));
  return values;
}

std::string ExtraFields::Name(std::size_t index) const {
  if (index < names_.size() && !names_[index].empty()) return names_[index];
  return "field" + std::to_string(index + kLeadingCsvFields + 1);
}

}  // namespace vexilor
