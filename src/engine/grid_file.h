#pragma once
// Reading a window of a quasi-geoid grid file by direct positioning in its
// binary body. The file is opened, read and closed within one lookup.

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/grid_header.h"
#include "engine/grid_node.h"
#include "engine/result_codes.h"

namespace vexilor {

// Bounds of a window in degrees. On a grid spanning the whole circle the
// eastern bound may exceed 360: the columns wrap round.
struct GridWindowBounds {
  double west = 0, east = 0, south = 0, north = 0;
};

struct GridWindow {
  int rows = 0, columns = 0;
  // Grid row and column (from 1) of the window's north-western value; the
  // column counts on past the last one where the window wraps round.
  int firstRow = 0, firstColumn = 0;
  // Heights in metres, row by row from the north, each row from the west;
  // kGridNoDataHeight where a value lies above the grid's no-data limit
  // less one metre.
  std::vector<float> heights;
};

// An open grid file whose header has been read and checked.
class GridFile {
 public:
  // Codes: kGridFileNotOpened; kGridBadHeader when fewer than the header's
  // bytes can be read or the signature differs; kGridBadFormat as
  // DescribeGrid.
  ResultCode Open(const std::string& path, std::string_view signature);

  const GridHeader& Header() const { return header_; }
  const GridGeometry& Geometry() const { return geometry_; }

  // Codes: kGridPointOutside when the window does not lie within the grid
  // (tolerance 0.001°, compared in single precision); kGridWindowUnreadable
  // when the body cannot be read or no grid has been opened. `window` is
  // untouched on failure.
  ResultCode ReadWindow(const GridWindowBounds& bounds, GridWindow& window);

 private:
  ResultCode ReadRowRun(std::int64_t row, std::int64_t column, int count, float* heights);

  std::ifstream in_;
  GridHeader header_;
  GridGeometry geometry_;
};

// Opens the grid, checks its header and reads the window; codes as
// GridFile. `window` and `header` are untouched on failure.
ResultCode ReadGridWindow(const std::string& path, std::string_view signature,
                          const GridWindowBounds& bounds, GridWindow& window, GridHeader& header);

}  // namespace vexilor
