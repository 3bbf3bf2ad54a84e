#pragma once
// The results file (.out): a header describing the target system, type and
// units, an empty line, then one fixed-width line per point. Lines are
// returned as UTF-8 text; the file is written in Windows-1251 with CR LF
// line ends (out_composer.cpp), or in UTF-8 with LF where asked for.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "geodesy/coord_type.h"
#include "run/point_pipeline.h"
#include "geodesy/projection_slots.h"
#include "run/units.h"

namespace vexilor {

struct ResultsLayout {
  std::string targetName;
  CoordType type = CoordType::BLH;
  SideUnits units;  // of the target
  HeightType heights = HeightType::Geodetic;
  ProjectionKind projection = ProjectionKind::GaussKruger;
  bool geoidColumn = false;
};

// Header lines, the closing empty line included.
std::vector<std::string> ResultsHeader(const ResultsLayout& layout);

// The three values of a point in the units of the layout, each as its
// column shows it before it is padded: numbers by their masks, angles as
// FormatAngle writes them (with its leading blanks). `coords` in engine
// units.
std::array<std::string, 3> ResultValues(const ResultsLayout& layout, const Coords& coords);

// The quasi-geoid height of a point as its column shows it, metres.
std::string ZetaText(float zeta);

// One result line appended to `bytes`, in UTF-8: the number field, the
// three values in the units of the layout and, with the quasi-geoid column,
// zeta. `coords` in engine units.
void AppendResultLine(std::string& bytes, const ResultsLayout& layout, std::int32_t number, const Coords& coords,
                      float zeta);

}  // namespace vexilor
