#include "run/file_formats.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

namespace vexilor {
namespace {

// The extension of `name` in lower case, with its dot.
std::string ExtensionOf(std::string_view name) {
  std::string extension = std::filesystem::path(name).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

}  // namespace

SourceFormat SourceFormatOfName(std::string_view name) {
  return ExtensionOf(name) == ".csv" ? SourceFormat::kCsv : SourceFormat::kIn;
}

ResultsFormat ResultsFormatOfName(std::string_view name) {
  const std::string extension = ExtensionOf(name);
  if (extension == ".csv") return ResultsFormat::kCsv;
  if (extension == ".geojson") return ResultsFormat::kGeoJson;
  if (extension == ".gpx") return ResultsFormat::kGpx;
  return ResultsFormat::kOut;
}

bool FormatTakesTarget(ResultsFormat format, const SystemSide& target) {
  switch (format) {
    case ResultsFormat::kOut:
    case ResultsFormat::kCsv: return true;
    case ResultsFormat::kGeoJson:
    case ResultsFormat::kGpx: break;
  }
  return target.name == kWgs84Name && target.type == CoordType::BLH;
}

}  // namespace vexilor
