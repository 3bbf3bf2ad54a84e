#pragma once
// A quasi-geoid grid file (.mat): its header, and the windows of its binary
// body, each read by direct positioning.

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "quasigeoid/grid_header.h"
#include "quasigeoid/grid_node.h"
#include "geodesy/result_codes.h"

namespace vexilor {

// Bounds of a window in degrees. On a grid spanning the whole circle the
// eastern bound may exceed 360: the columns wrap round.
struct GridWindowBounds {
  double west = 0, east = 0, south = 0, north = 0;
};

// Which values of the grid a window takes.
struct GridWindowPlace {
  int rows = 0, columns = 0;
  // Grid row and column (from 1) of the window's north-western value; the
  // column counts on past the last one where the window wraps round.
  int firstRow = 0, firstColumn = 0;

  bool operator==(const GridWindowPlace&) const = default;
};

struct GridWindow : GridWindowPlace {
  // Heights in metres, row by row from the north, each row from the west;
  // kGridNoDataHeight where a value lies above the grid's no-data limit
  // less one metre.
  std::vector<float> heights;
};

// The place of the window with `bounds`. Codes: kGridPointOutside when the
// window does not lie within the grid (tolerance 0.001°, compared in single
// precision) or rounding would lead it outside the grid's rows (or, on a
// grid that does not wrap round, its columns). `place` is untouched on
// failure.
ResultCode PlaceGridWindow(const GridWindowBounds& bounds, const GridGeometry& grid,
                           GridWindowPlace& place);

// The stored values of `count` grid columns from `column` of grid row `row`
// (both from 1, within the grid), as the body stores them; null when they
// cannot be read. The pointer serves until the next call.
using GridValueSource =
    std::function<const unsigned char*(std::int64_t row, std::int64_t column, int count)>;

// Fills `window` with the heights of the window at `place`, asking `source`
// for each run of consecutive grid columns of each row (a window wrapping
// round the circle has two runs a row). kGridWindowUnreadable when a run
// cannot be read; `window` is then left with its place and some heights.
ResultCode FillGridWindow(const GridWindowPlace& place, const GridGeometry& grid,
                          const GridValueSource& source, GridWindow& window);

// Opens a grid file for binary reading; empty when it cannot be opened.
// Every grid file is opened through one of these, so that a test can watch.
using GridStreamOpener = std::function<std::unique_ptr<std::istream>(const std::string& path)>;

// The file system's opener.
std::unique_ptr<std::istream> OpenGridStream(const std::string& path);

// An open grid file whose header has been read and checked. Reading is not
// safe from two threads at once.
class GridFile {
 public:
  // Codes: kGridFileNotOpened; kGridBadHeader when fewer than the header's
  // bytes can be read or the signature differs; kGridBadFormat as
  // DescribeGrid.
  ResultCode Open(const std::string& path, std::string_view signature,
                  const GridStreamOpener& open = OpenGridStream);

  const GridHeader& Header() const { return header_; }
  const GridGeometry& Geometry() const { return geometry_; }

  // Reads the stored values of the whole body into `bytes`; false when
  // they cannot be read or no grid is open.
  bool ReadBody(std::vector<unsigned char>& bytes);

  // Reads the stored values of `count` grid columns from `column` of grid
  // row `row` (both from 1), one positioned read; as GridValueSource.
  const unsigned char* ReadValues(std::int64_t row, std::int64_t column, int count);

  // The window with `bounds`, each run of a row read by ReadValues. Codes as
  // PlaceGridWindow and FillGridWindow, and kGridWindowUnreadable when no
  // grid is open; `window` is untouched on failure.
  ResultCode ReadWindow(const GridWindowBounds& bounds, GridWindow& window);

 private:
  std::unique_ptr<std::istream> in_;
  std::vector<unsigned char> values_;  // of the last ReadValues
  GridHeader header_;
  GridGeometry geometry_;
};

// Opens the grid, checks its header and reads the window; codes as
// GridFile. `window` and `header` are untouched on failure.
ResultCode ReadGridWindow(const std::string& path, std::string_view signature,
                          const GridWindowBounds& bounds, GridWindow& window, GridHeader& header);

}  // namespace vexilor
