#include "run/map_composer.h"

#include "text/csv_fields.h"

namespace vexilor {

MapComposer::MapComposer(const ResultsSpec& spec, const std::vector<std::string>& taken)
    : layout_(spec.layout), sourceEncoding_(spec.source.encoding), extra_(spec.source, taken) {}

std::string MapComposer::NameOf(const SourceRecord& record) const {
  return ToUtf8(CsvFieldText(record.name), sourceEncoding_);
}

}  // namespace vexilor
