#pragma once
// Quasi-geoid height (height anomaly) at a point from a grid file (.mat).
//
// Only a window of about 3.5 steps on each side of the point is read. Its
// nodes are placed on an oblique stereographic plane centred at the point,
// the nearest ones in six sectors around it are kept, and a thin-plate
// spline through them gives the height - or inverse-distance weighting when
// they surround the point too poorly.
//
// Near a pole of a grid that spans the whole circle the window takes whole
// rows, resampled to roughly even spacing on the ground (polar mode). A
// grid that does not span the circle never enters polar mode: near its
// northern or southern edge the window is cut at the edge.
//
// Units: B, L in degrees (any turn of L; a regional grid may run past 360°
// and takes L in whichever turn it holds it); the height in metres, single
// precision, as the grid stores it.
//
// Accuracy against the model the grid holds (tests/oracle,
// standard_grid_oracle_test; the standard grid wgeoid.mat is EGM96 15′):
// - At the nodes, up to 88.5°: the lookup, carried to WGS-84, is within
//   1.95 mm of EGM96, as the stored node values themselves are (their
//   rounding to 1/256 m and the fixed link); at nodes in polar mode, where
//   rows are averaged into spans, within 32 mm.
// - Between the nodes, against EGM96 itself: EGM96 put on a 30′ grid and
//   looked up at the 15′ nodes that grid leaves out (mid-edge and
//   mid-cell, where the model's own values are known) misses them by
//   18 mm at the median, 0.25 m at the 99th percentile and 0.69 m at most,
//   in the sharpest bends of the geoid (trenches, mountain belts). The
//   standard grid's nodes lie twice as close, so its error between nodes is
//   smaller than this.
// - Beside PROJ's bilinear interpolation of the same 15′ nodes: 8.9 mm at
//   the median, 0.18 m at the 99th percentile, 0.45 m at most - two
//   interpolations of one grid.

#include <string>
#include <string_view>

#include "quasigeoid/grid_interpolation.h"
#include "quasigeoid/grid_session.h"
#include "quasigeoid/grid_window_nodes.h"
#include "geodesy/result_codes.h"

namespace vexilor {

// Heights from the grid of a session, one lookup after another; the
// buffers of a lookup serve the next. One per thread: several lookups may
// share a session.
class QuasiGeoidLookup {
 public:
  explicit QuasiGeoidLookup(GridSession& grid) : grid_(grid) {}

  // Height in metres at latitude and longitude in degrees. The grid must
  // have a binary body.
  //
  // Codes: those of GridSession::Open (kGridFileNotFound,
  // kGridFileNotOpened, kGridBadHeader, kGridBadFormat - text-layout grids
  // included), kGridPointOutside (also when a node without a height would
  // enter the result), kGridWindowUnreadable, kGridInterpolationFailed.
  // `height` is untouched on failure.
  ResultCode Height(double bDegrees, double lDegrees, float& height);

 private:
  GridSession& grid_;
  GridWindow window_;
  WindowNodes nodes_;
  GridInterpolation interpolation_;
};

// One lookup in the grid file `gridFile` (found by the standard search
// order), which must carry `signature`: the file is opened, its window read
// and the file closed again. Codes as QuasiGeoidLookup::Height.
ResultCode QuasiGeoidHeight(const std::string& gridFile, double bDegrees, double lDegrees,
                            std::string_view signature, float& height);

}  // namespace vexilor
