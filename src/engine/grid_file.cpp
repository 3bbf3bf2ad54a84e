#include "engine/grid_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "text/numeric.h"
#include "engine/result_codes.h"

namespace vexilor {
namespace {

constexpr float kWindowTolerance = 0.001f;
constexpr double kCircleDegrees = 360.0;

bool WithinGrid(const GridWindowBounds& w, const GridGeometry& g) {
  if (!std::isfinite(w.west) || !std::isfinite(w.east) || !std::isfinite(w.south) ||
      !std::isfinite(w.north) || w.east < w.west || w.north < w.south)
    return false;
  const auto f = ToSinglePrecision;
  if (f(w.south) < f(g.south) - kWindowTolerance || f(w.north) > f(g.north) + kWindowTolerance)
    return false;
  if (g.wholeCircle) {
    // At most one turn, starting no more than a turn away from the grid.
    return w.east - w.west <= kCircleDegrees + kWindowTolerance &&
           w.west >= g.west - kCircleDegrees && w.east <= g.east + kCircleDegrees;
  }
  return f(w.west) >= f(g.west) - kWindowTolerance && f(w.east) <= f(g.east) + kWindowTolerance;
}

// Grid column (1 .. total) holding column c of a grid that wraps round.
std::int64_t WrappedColumn(std::int64_t c, std::int64_t total) {
  const std::int64_t r = (c - 1) % total;
  return (r < 0 ? r + total : r) + 1;
}

std::int32_t StoredValueAt(const unsigned char* p, int size) {
  if (size == 2) return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | p[1] << 8));
  const std::uint32_t u = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                          static_cast<std::uint32_t>(p[2]) << 16 |
                          static_cast<std::uint32_t>(p[3]) << 24;
  return static_cast<std::int32_t>(u);
}

}  // namespace

ResultCode GridFile::Open(const std::string& path, std::string_view signature) {
  in_.open(path, std::ios::binary);
  if (!in_.is_open()) return kGridFileNotOpened;
  in_.seekg(0, std::ios::end);
  const std::streamoff fileBytes = in_.tellg();
  in_.seekg(0, std::ios::beg);
  std::array<unsigned char, kGridHeaderBytes> bytes{};
  in_.read(reinterpret_cast<char*>(bytes.data()), kGridHeaderBytes);
  if (fileBytes < 0 || in_.gcount() != kGridHeaderBytes) return kGridBadHeader;
  const GridHeader header = DecodeGridHeader(bytes);
  if (header.signature != signature) return kGridBadHeader;
  GridGeometry geometry;
  const ResultCode code = DescribeGrid(header, fileBytes, geometry);
  if (code != kOk) return code;
  header_ = header;
  geometry_ = geometry;
  return kOk;
}

ResultCode GridFile::ReadWindow(const GridWindowBounds& bounds, GridWindow& window) {
  const GridGeometry& g = geometry_;
  if (g.totalRows < 1) return kGridWindowUnreadable;  // no grid opened
  if (!WithinGrid(bounds, g)) return kGridPointOutside;
  const int withEnd = g.valuesAtCentres ? 0 : 1;
  const double firstRow = Int((g.north - bounds.north) / g.latitudeStep + 1.1);
  const double firstColumn = Int((bounds.west - g.west) / g.longitudeStep + 1.1);
  const double rows = Int((bounds.north - bounds.south) / g.latitudeStep + 0.1) + withEnd;
  const double columns = Int((bounds.east - bounds.west) / g.longitudeStep + 0.1) + withEnd;
  // Rounding at the grid's edges must not lead outside its rows, nor, on a
  // grid that does not wrap round, outside its columns; a wrapping window
  // takes at most one turn and the seam column once more.
  if (rows < 1 || firstRow < 1 || firstRow + rows - 1 > g.totalRows) return kGridPointOutside;
  if (columns < 1 || columns > g.totalColumns + 1) return kGridPointOutside;
  if (g.wholeCircle ? std::fabs(firstColumn) > 4.0 * g.totalColumns
                    : firstColumn < 1 || firstColumn + columns - 1 > g.totalColumns)
    return kGridPointOutside;

  GridWindow w;
  w.rows = static_cast<int>(rows);
  w.columns = static_cast<int>(columns);
  w.firstRow = static_cast<int>(firstRow);
  w.firstColumn = static_cast<int>(firstColumn);
  w.heights.resize(static_cast<std::size_t>(w.rows) * static_cast<std::size_t>(w.columns));
  for (int r = 0; r < w.rows; ++r) {
    for (int j = 0; j < w.columns;) {
      const std::int64_t c = WrappedColumn(w.firstColumn + j, g.totalColumns);
      const int run =
          static_cast<int>(std::min<std::int64_t>(w.columns - j, g.totalColumns - c + 1));
      float* out = &w.heights[static_cast<std::size_t>(r) * w.columns + j];
      const ResultCode code = ReadRowRun(w.firstRow + r, c, run, out);
      if (code != kOk) return code;
      j += run;
    }
  }
  window = std::move(w);
  return kOk;
}

ResultCode GridFile::ReadRowRun(std::int64_t row, std::int64_t column, int count, float* heights) {
  const GridGeometry& g = geometry_;
  const std::int64_t offset =
      kGridBodyOffset + ((row - 1) * g.totalColumns + (column - 1)) * g.valueSize;
  std::vector<unsigned char> bytes(static_cast<std::size_t>(count) * g.valueSize);
  in_.seekg(offset, std::ios::beg);
  in_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in_.gcount() != static_cast<std::streamsize>(bytes.size())) return kGridWindowUnreadable;
  for (int i = 0; i < count; ++i) {
    const double height =
        StoredValueAt(&bytes[static_cast<std::size_t>(i) * g.valueSize], g.valueSize) * g.scale;
    // A height beyond the float range is no height either.
    const bool noData =
        height > g.noDataLimit - 1.0 || std::fabs(height) > std::numeric_limits<float>::max();
    heights[i] = noData ? kGridNoDataHeight : static_cast<float>(height);
  }
  return kOk;
}

ResultCode ReadGridWindow(const std::string& path, std::string_view signature,
                          const GridWindowBounds& bounds, GridWindow& window, GridHeader& header) {
  GridFile file;
  ResultCode code = file.Open(path, signature);
  if (code != kOk) return code;
  GridWindow w;
  code = file.ReadWindow(bounds, w);
  if (code != kOk) return code;
  window = std::move(w);
  header = file.Header();
  return kOk;
}

}  // namespace vexilor
