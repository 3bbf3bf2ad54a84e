#include "quasigeoid/grid_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <limits>

#include "text/numeric.h"
#include "geodesy/angle_constants.h"
#include "geodesy/result_codes.h"

namespace vexilor {
namespace {

bool WithinGrid(const GridWindowBounds& w, const GridGeometry& g) {
  if (!std::isfinite(w.west) || !std::isfinite(w.east) || !std::isfinite(w.south) ||
      !std::isfinite(w.north) || w.east < w.west || w.north < w.south)
    return false;
  const auto f = ToSinglePrecision;
  if (f(w.south) < f(g.south) - kGridBoundToleranceSingle || f(w.north) > f(g.north) + kGridBoundToleranceSingle)
    return false;
  if (g.wholeCircle) {
    // At most one turn, starting no more than a turn away from the grid.
    return w.east - w.west <= kDegreesPerCircle + kGridBoundToleranceSingle &&
           w.west >= g.west - kDegreesPerCircle && w.east <= g.east + kDegreesPerCircle;
  }
  return f(w.west) >= f(g.west) - kGridBoundToleranceSingle && f(w.east) <= f(g.east) + kGridBoundToleranceSingle;
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

// Heights in metres of `count` stored values; a value above the no-data
// limit less one metre, or beyond the float range, is no height.
void DecodeHeights(const unsigned char* values, int count, const GridGeometry& g, float* heights) {
  for (int i = 0; i < count; ++i) {
    const double height =
        StoredValueAt(values + static_cast<std::size_t>(i) * g.valueSize, g.valueSize) * g.scale;
    const bool noData =
        height > g.noDataLimit - 1.0 || std::fabs(height) > std::numeric_limits<float>::max();
    heights[i] = noData ? kGridNoDataHeight : static_cast<float>(height);
  }
}

}  // namespace

ResultCode PlaceGridWindow(const GridWindowBounds& bounds, const GridGeometry& g,
                           GridWindowPlace& place) {
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
  place.rows = static_cast<int>(rows);
  place.columns = static_cast<int>(columns);
  place.firstRow = static_cast<int>(firstRow);
  place.firstColumn = static_cast<int>(firstColumn);
  return kOk;
}

ResultCode FillGridWindow(const GridWindowPlace& place, const GridGeometry& g,
                          const GridValueSource& source, GridWindow& window) {
  static_cast<GridWindowPlace&>(window) = place;
  window.heights.resize(static_cast<std::size_t>(place.rows) *
                        static_cast<std::size_t>(place.columns));
  for (int r = 0; r < place.rows; ++r) {
    for (int j = 0; j < place.columns;) {
      const std::int64_t c = WrappedColumn(place.firstColumn + j, g.totalColumns);
      const int run =
          static_cast<int>(std::min<std::int64_t>(place.columns - j, g.totalColumns - c + 1));
      const unsigned char* values = source(place.firstRow + r, c, run);
      if (values == nullptr) return kGridWindowUnreadable;
      DecodeHeights(values, run, g,
                    &window.heights[static_cast<std::size_t>(r) * place.columns + j]);
      j += run;
    }
  }
  return kOk;
}

std::unique_ptr<std::istream> OpenGridStream(const std::string& path) {
  auto in = std::make_unique<std::ifstream>(path, std::ios::binary);
  if (!in->is_open()) return nullptr;
  return in;
}

ResultCode GridFile::Open(const std::string& path, std::string_view signature,
                          const GridStreamOpener& open) {
  std::unique_ptr<std::istream> in = open(path);
  if (!in || !*in) return kGridFileNotOpened;
  in->seekg(0, std::ios::end);
  const std::streamoff fileBytes = in->tellg();
  in->seekg(0, std::ios::beg);
  std::array<unsigned char, kGridHeaderBytes> bytes{};
  in->read(reinterpret_cast<char*>(bytes.data()), kGridHeaderBytes);
  if (fileBytes < 0 || in->gcount() != kGridHeaderBytes) return kGridBadHeader;
  const GridHeader header = DecodeGridHeader(bytes);
  if (header.signature != signature) return kGridBadHeader;
  GridGeometry geometry;
  const ResultCode code = DescribeGrid(header, fileBytes, geometry);
  if (code != kOk) return code;
  in_ = std::move(in);
  header_ = header;
  geometry_ = geometry;
  return kOk;
}

bool GridFile::ReadBody(std::vector<unsigned char>& bytes) {
  const GridGeometry& g = geometry_;
  if (!in_) return false;
  bytes.resize(static_cast<std::size_t>(g.totalRows) * static_cast<std::size_t>(g.totalColumns) *
               static_cast<std::size_t>(g.valueSize));
  in_->clear();
  in_->seekg(kGridBodyOffset, std::ios::beg);
  in_->read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return in_->gcount() == static_cast<std::streamsize>(bytes.size());
}

const unsigned char* GridFile::ReadValues(std::int64_t row, std::int64_t column, int count) {
  const GridGeometry& g = geometry_;
  if (!in_) return nullptr;
  const std::int64_t offset =
      kGridBodyOffset + ((row - 1) * g.totalColumns + (column - 1)) * g.valueSize;
  values_.resize(static_cast<std::size_t>(count) * static_cast<std::size_t>(g.valueSize));
  in_->clear();
  in_->seekg(offset, std::ios::beg);
  in_->read(reinterpret_cast<char*>(values_.data()), static_cast<std::streamsize>(values_.size()));
  if (in_->gcount() != static_cast<std::streamsize>(values_.size())) return nullptr;
  return values_.data();
}

ResultCode GridFile::ReadWindow(const GridWindowBounds& bounds, GridWindow& window) {
  if (!in_) return kGridWindowUnreadable;  // no grid opened
  GridWindowPlace place;
  ResultCode code = PlaceGridWindow(bounds, geometry_, place);
  if (code != kOk) return code;
  GridWindow w;
  code = FillGridWindow(
      place, geometry_,
      [this](std::int64_t row, std::int64_t column, int count) {
        return ReadValues(row, column, count);
      },
      w);
  if (code != kOk) return code;
  window = std::move(w);
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
