// A quasi-geoid grid file, header and body, through the lookup a point
// uses. The points asked for come from the header itself - the centre, the
// corners, near the northern and southern edges, across the 0/360 seam - so
// that every header reaches the window, the polar rows and the
// interpolation.

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "quasigeoid/grid_header.h"
#include "quasigeoid/quasi_geoid.h"
#include "fuzz_support.h"

using namespace vexilor;

namespace {

struct Point {
  double b, l;
};

std::vector<Point> PointsOf(const GridHeader& h) {
  const double n = h.north, s = h.south, w = h.west, e = h.east;
  const double db = h.latitudeStep / 60.0, dl = h.longitudeStep / 60.0;
  return {{(n + s) / 2, (w + e) / 2}, {n, w}, {s, e}, {n - db / 3, (w + e) / 2},
          {s + db / 3, w + dl / 3}, {(n + s) / 2, 359.9}, {(n + s) / 2, 0.05}, {90, 0}};
}

bool IsLookupCode(ResultCode code) {
  switch (code) {
    case kOk:
    case kGridBadHeader:
    case kGridBadFormat:
    case kGridPointOutside:
    case kGridWindowUnreadable:
    case kGridInterpolationFailed:
      return true;
    default:
      return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::WriteFile("grid.mat", fuzz::Text(data, size)).string();
  std::array<unsigned char, kGridHeaderBytes> bytes{};
  std::memcpy(bytes.data(), data, std::min<std::size_t>(size, bytes.size()));
  for (const Point& p : PointsOf(DecodeGridHeader(bytes))) {
    const float untouched = -12345.0f;
    float height = untouched;
    const ResultCode code = QuasiGeoidHeight(path, p.b, p.l, "GEOID", height);
    fuzz::Check(IsLookupCode(code), "a lookup code of the grid");
    if (code == kOk)
      fuzz::Check(std::isfinite(height), "a height found is finite");
    else
      fuzz::Check(height == untouched, "a failed lookup leaves the height untouched");
  }
  return 0;
}
