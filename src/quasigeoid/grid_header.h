#pragma once
// The header of a quasi-geoid grid file (.mat) and the grid it describes.
//
// Header layout (little-endian, single-precision floats, 16-bit integers,
// fixed-width single-byte texts; offsets from 0):
//    0  text 5  signature            34  text 4  value placement USEL/MIDL
//    5  text 1  layout B/T           38  float   scale of stored values
//    6  float   northern bound, °    42  float   no-data limit, m
//   10  float   southern bound, °    46  float   further parameter
//   14  float   western bound, °     50  int16   bytes per stored value
//   18  float   eastern bound, °     52  text 7  ellipsoid name
//   22  int16   rows                 59  text 7  further name
//   24  int16   columns
//   26  float   latitude step, ′
//   30  float   longitude step, ′
// The binary body starts at offset 100: signed integers of the given size,
// row by row from the north, each row from west to east.

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "geodesy/result_codes.h"

namespace vexilor {

// The signature that the engine's grids carry.
inline constexpr const char* kGridSignature = "GEOID";

// How far outside its bounds a point or a window still counts as inside a
// grid, degrees. Where it is compared with the bounds as the file stores
// them, single precision, it is taken in single precision too.
inline constexpr double kGridBoundTolerance = 0.001;
inline constexpr float kGridBoundToleranceSingle = static_cast<float>(kGridBoundTolerance);

inline constexpr int kGridHeaderBytes = 66;
inline constexpr int kGridBodyOffset = 100;

struct GridHeader {
  std::string signature;                           // 5 bytes as stored
  char layout = 0;                                 // 'B' binary body, 'T' text body
  float north = 0, south = 0, west = 0, east = 0;  // degrees
  std::int16_t rows = 0, columns = 0;
  float latitudeStep = 0, longitudeStep = 0;  // minutes of arc
  std::string placement;                      // "USEL" values at the nodes, "MIDL" at cell centres
  float scale = 0;                            // metres per stored unit
  float noDataLimit = 0;                      // metres
  float extra = 0;                            // carried, not used
  std::int16_t valueSize = 0;                 // bytes per stored value
  std::string ellipsoid;                      // 7 bytes as stored
  std::string extraName;                      // 7 bytes as stored, not used
};

// The grid's bounds tests are made in single precision; a value beyond the
// float range becomes an infinity of its sign instead of undefined
// behaviour.
inline float ToSinglePrecision(double v) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  if (std::fabs(v) > std::numeric_limits<float>::max()) return v > 0 ? kInfinity : -kInfinity;
  return static_cast<float>(v);
}

GridHeader DecodeGridHeader(const std::array<unsigned char, kGridHeaderBytes>& bytes);

// What the lookup needs of a grid that has passed DescribeGrid.
struct GridGeometry {
  double north = 0, south = 0, west = 0, east = 0;  // degrees
  double latitudeStep = 0, longitudeStep = 0;       // degrees
  int totalRows = 0, totalColumns = 0;
  bool valuesAtCentres = false;  // "MIDL"
  bool wholeCircle = false;      // west 0, east 360: columns wrap round
  int valueSize = 0;
  double scale = 0;
  double noDataLimit = 0;

  // Latitude of row r and longitude of column c, both from 1; c may run
  // past the last column of a grid that spans the whole circle.
  double RowLatitude(int r) const;
  double ColumnLongitude(int c) const;
};

// Checks that the header describes a binary grid whose body lies within a
// file of `fileBytes` bytes and derives its geometry. Anything else - a
// text-layout grid, an unknown placement or value size, non-finite or
// crossed bounds, steps that are not positive or wider than 30°, row and
// column counts that disagree with the bounds and steps, a circle that does
// not close, a body longer than the file - is kGridBadFormat.
ResultCode DescribeGrid(const GridHeader& header, std::int64_t fileBytes, GridGeometry& out);

// Semi-major axis (kilometres) and inverse flattening of the ellipsoid named
// in the header; only used to place nodes on the stereographic plane.
struct GridEllipsoid {
  double aKm = 0;
  double inverseFlattening = 0;
};

// The field matches a name when it holds the name followed by NUL bytes
// only; a field matching no name (trailing blanks, say) gives СК-42's
// Krassovsky ellipsoid.
GridEllipsoid GridEllipsoidOf(const std::string& field);

}  // namespace vexilor
