#pragma once
// The fields a CSV source line carries after its coordinates, for results
// that name what they hold (GeoJSON properties, GPX descriptions): their
// texts in UTF-8 and their names.

#include <string>
#include <string_view>
#include <vector>

#include "run/csv_dialect.h"

namespace vexilor {

class ExtraFields {
 public:
  // The names come from the header of `source`; `taken` are names the
  // results use themselves.
  ExtraFields(const CsvDialect& source, const std::vector<std::string>& taken);

  // The texts of the fields of `extra` (SourceRecord::extra), in UTF-8,
  // without their quotes and the blanks around them.
  std::vector<std::string> Values(std::string_view extra) const;

  // The name of field `index` (0: the first after the coordinates): the
  // header's title of its column, or "field" and the column's number
  // (from 1) where the header has none or a name already given.
  std::string Name(std::size_t index) const;

 private:
  CsvDialect source_;
  std::vector<std::string> names_;  // from the header
};

}  // namespace vexilor
