#include "run/source_points.h"

#include <fstream>

#include "run/source_file_reader.h"
#include "text/number_text.h"

namespace vexilor {

ResultCode ReadSourcePoints(const std::string& path, CoordType type, const SideUnits& units,
                            std::vector<SourcePoint>& out, std::int32_t& line) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return kSourceFileNotOpened;
  SourceLineReader reader(in);
  std::string text;
  reader.Next(text);  // the coordinate type, checked by the caller
  const NumericLocale locale = CurrentNumericLocale();
  std::vector<SourcePoint> points;
  for (std::int32_t counter = 1;; ++counter) {
    const LineRead read = reader.Next(text);
    if (read == LineRead::kEnd) break;
    ResultCode code = read == LineRead::kTooLong ? kLineTooLong : kUnreadableLine;
    SourcePoint point;
    if (read == LineRead::kLine) code = ParseSourcePoint(text, type, units, locale, point);
    if (code != kOk) {
      line = counter;
      return code;
    }
    points.push_back(point);
  }
  out = std::move(points);
  return kOk;
}

}  // namespace vexilor
