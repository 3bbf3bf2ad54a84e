#pragma once
// One point line of a source file as a file run reads it: the point, and
// what the results carry beside it.

#include <string_view>

#include "geodesy/coord_type.h"

namespace vexilor {

struct SourceRecord {
  Coords coords{};        // engine units (radians and metres)
  std::string_view name;  // the point's name or number as the line writes it
  // The fields of a CSV line after its coordinates, from the delimiter
  // before them, as the line writes them; empty for an .in line.
  std::string_view extra;
};

}  // namespace vexilor
