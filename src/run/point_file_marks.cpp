#include "run/point_file_marks.h"

#include "run/source_points.h"

namespace vexilor {

ResultCode ReadMarks(const std::string& path, const PointSetFrame& frame, const SideUnits& units,
                     std::vector<NumberedPoint>& out, std::int32_t& line) {
  std::vector<SourcePoint> points;
  if (const ResultCode code = ReadSourcePoints(path, frame.side.type, units, points, line); code != kOk) return code;
  return ToGeocentric(frame, points, out, line);
}

}  // namespace vexilor
