#pragma once
// A vertical grid in the .gtx layout: a 40-byte big-endian header (latitude
// and longitude of the south-western node, latitude and longitude steps, all
// in degrees as doubles; rows and columns as 32-bit integers) and then rows
// × columns big-endian floats, row by row from the south, each row from the
// west. -88888 marks a node without a value.

#include <string>
#include <vector>

namespace vexilor::mkgeoid {

class GtxGrid {
 public:
  // Reads the whole file. False, with the reason in `error`, when it cannot
  // be read or its header does not describe a grid that covers the whole
  // sphere and wraps round in longitude.
  bool Read(const std::string& path, std::string& error);

  // Bilinear value at latitude b and longitude l in degrees (any turn of l).
  // False when a corner of the cell holds no value.
  bool Bilinear(double b, double l, double& value) const;

 private:
  double ValueAt(int row, int column) const;

  double latOrigin_ = 0, lonOrigin_ = 0, latStep_ = 0, lonStep_ = 0;
  int rows_ = 0, columns_ = 0;
  std::vector<float> values_;
};

}  // namespace vexilor::mkgeoid
