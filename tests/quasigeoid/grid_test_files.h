#pragma once
// Quasi-geoid grid files for the tests, written byte by byte from the
// published layout (not through the engine's own code), so that a wrong
// offset in the reader shows up.

#include <gtest/gtest.h>

#include "support/temp_folder.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace vexilor::testing {

// Everything a grid header says, with the row and column counts derived
// from bounds and steps unless set.
struct TestGrid {
  std::string signature = "GEOID";
  char layout = 'B';
  float north = 60, south = 50, west = 30, east = 40;
  std::int16_t rows = 0, columns = 0;
  float latitudeStep = 15, longitudeStep = 15;  // minutes
  std::string placement = "USEL";
  float scale = 0.001f;
  float noDataLimit = 9000;
  float extra = 0;
  std::int16_t valueSize = 4;
  std::string ellipsoid = "PZ90";
  std::string extraName = "TEST";

  bool AtCentres() const { return placement == "MIDL"; }
  bool WholeCircle() const { return std::fabs(west) < 0.001 && std::fabs(east - 360) < 0.001; }
  int TotalRows() const {
    if (rows != 0) return rows;
    return static_cast<int>(std::floor((north - south) / (latitudeStep / 60.0) + 0.1)) +
           (AtCentres() ? 0 : 1);
  }
  int TotalColumns() const {
    if (columns != 0) return columns;
    return static_cast<int>(std::floor((east - west) / (longitudeStep / 60.0) + 0.1)) +
           (AtCentres() || WholeCircle() ? 0 : 1);
  }
  double RowLatitude(int r) const {
    return north - (r - (AtCentres() ? 0.5 : 1.0)) * latitudeStep / 60.0;
  }
  double ColumnLongitude(int c) const {
    return west + (c - (AtCentres() ? 0.5 : 1.0)) * longitudeStep / 60.0;
  }
};

// A grid over the whole globe, the circle closing on itself.
inline TestGrid GlobalGrid(float stepMinutes) {
  TestGrid g;
  g.north = 90;
  g.south = -90;
  g.west = 0;
  g.east = 360;
  g.latitudeStep = g.longitudeStep = stepMinutes;
  return g;
}

using HeightFunction = std::function<double(double b, double l)>;

inline void PutBytes(std::vector<unsigned char>& out, std::size_t at, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) out[at + static_cast<std::size_t>(i)] = (v >> (8 * i)) & 0xFF;
}
inline void PutFloat(std::vector<unsigned char>& out, std::size_t at, float v) {
  PutBytes(out, at, std::bit_cast<std::uint32_t>(v), 4);
}
inline void PutText(std::vector<unsigned char>& out, std::size_t at, const std::string& text,
                    std::size_t width) {
  for (std::size_t i = 0; i < width; ++i)
    out[at + i] = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
}

// Header at bytes 1-66 (offsets 0-65), body from byte 101, heights stored
// as round(height / scale).
inline std::vector<unsigned char> GridBytes(const TestGrid& g, const HeightFunction& height) {
  // A damaged header may declare no rows or columns at all: no body then.
  const int rows = std::max(0, g.TotalRows()), columns = std::max(0, g.TotalColumns());
  const std::size_t size = static_cast<std::size_t>(g.valueSize == 2 ? 2 : 4);
  std::vector<unsigned char> out(100 + static_cast<std::size_t>(rows) * columns * size, 0);
  PutText(out, 0, g.signature, 5);
  out[5] = static_cast<unsigned char>(g.layout);
  PutFloat(out, 6, g.north);
  PutFloat(out, 10, g.south);
  PutFloat(out, 14, g.west);
  PutFloat(out, 18, g.east);
  PutBytes(out, 22, static_cast<std::uint16_t>(g.TotalRows()), 2);
  PutBytes(out, 24, static_cast<std::uint16_t>(g.TotalColumns()), 2);
  PutFloat(out, 26, g.latitudeStep);
  PutFloat(out, 30, g.longitudeStep);
  PutText(out, 34, g.placement, 4);
  PutFloat(out, 38, g.scale);
  PutFloat(out, 42, g.noDataLimit);
  PutFloat(out, 46, g.extra);
  PutBytes(out, 50, static_cast<std::uint16_t>(g.valueSize), 2);
  PutText(out, 52, g.ellipsoid, 7);
  PutText(out, 59, g.extraName, 7);
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= columns; ++c) {
      const double v = std::nearbyint(height(g.RowLatitude(r), g.ColumnLongitude(c)) / g.scale);
      // A damaged header (a scale of zero, a NaN edge) gives nodes no
      // stored value: they hold 0, as converting NaN to an integer is
      // undefined.
      const std::int32_t stored = std::fabs(v) < 2e9 ? static_cast<std::int32_t>(v) : 0;
      const std::size_t at = 100 + ((static_cast<std::size_t>(r) - 1) * columns + (c - 1)) * size;
      PutBytes(out, at, static_cast<std::uint32_t>(stored), static_cast<int>(size));
    }
  }
  return out;
}

// The height a node holds once stored: rounded to the grid's scale.
inline double StoredHeight(const TestGrid& g, double h) {
  return static_cast<double>(static_cast<float>(std::nearbyint(h / g.scale) * double{g.scale}));
}

}  // namespace vexilor::testing
