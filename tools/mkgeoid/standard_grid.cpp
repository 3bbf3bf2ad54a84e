#include "standard_grid.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>

#include "geodesy/angle_constants.h"
#include "quasigeoid/quasi_geoid_link.h"

namespace vexilor::mkgeoid {
namespace {

// Settles in two or three rounds. At the south pole the engine's
// geocentric-to-geodetic height (taken from D / cos B in the southern
// hemisphere) moves in steps of about 8 mm, so the iteration may end by
// stepping to and fro; the best round is kept when it misses by no more
// than kAcceptable.
constexpr double kSettled = 1e-5;      // metres
constexpr double kAcceptable = 0.005;  // metres
constexpr int kMaxIterations = 20;

// Any height above 9000 m would be no height; the 16-bit values never get
// there, so the grid has none.
constexpr float kNoDataLimit = 9000.0f;

double StepDegrees() { return kStandardStepMinutes / 60.0; }

struct NodeHeight {
  double zeta = 0;   // above ПЗ-90, metres
  double miss = 0;   // EGM96 less the carried height, metres
  double geoid = 0;  // EGM96 at the node itself, metres
  int iterations = 0;
};

// ζ above ПЗ-90 at (b, l) degrees whose point the fixed link carries onto
// the EGM96 geoid.
bool HeightAboveReference(const GtxGrid& egm96, double b, double l, NodeHeight& out,
                          std::string& error) {
  double geoid = 0;
  if (!egm96.Bilinear(b, l, geoid)) {
    error = "EGM96 holds no value near the node";
    return false;
  }
  double zeta = geoid;
  NodeHeight best;
  best.miss = std::numeric_limits<double>::infinity();
  for (int round = 1; round <= kMaxIterations; ++round) {
    Geodetic carried;
    if (CarryQuasiGeoidPointToWgs84(b * kRadiansPerDegree, l * kRadiansPerDegree, zeta, carried) !=
        kOk) {
      error = "the fixed link failed";
      return false;
    }
    double there = 0;
    if (!egm96.Bilinear(carried.b * kDegreesPerRadian, carried.l * kDegreesPerRadian, there)) {
      error = "EGM96 holds no value near the carried node";
      return false;
    }
    const double miss = there - carried.h;
    if (std::fabs(miss) < std::fabs(best.miss)) best = {zeta, miss, geoid, round};
    if (std::fabs(miss) < kSettled) break;
    zeta += miss;
  }
  if (!(std::fabs(best.miss) <= kAcceptable)) {
    error = "the height above ПЗ-90 does not settle";
    return false;
  }
  out = best;
  return true;
}

void PutLittleEndian(std::vector<unsigned char>& out, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + static_cast<std::size_t>(i)] = (v >> (8 * i)) & 0xFF;
}

void PutFloat(std::vector<unsigned char>& out, std::size_t at, float v) {
  PutLittleEndian(out, at, std::bit_cast<std::uint32_t>(v), 4);
}

void PutText(std::vector<unsigned char>& out, std::size_t at, const char* text, std::size_t width) {
  for (std::size_t i = 0; i < width && text[i] != '\0'; ++i)
    out[at + i] = static_cast<unsigned char>(text[i]);
}

std::vector<unsigned char> GridFileBytes(const std::vector<std::int16_t>& stored) {
  std::vector<unsigned char> out(100 + 2 * stored.size(), 0);
  PutText(out, 0, "GEOIDB", 6);
  PutFloat(out, 6, 90.0f);    // north
  PutFloat(out, 10, -90.0f);  // south
  PutFloat(out, 14, 0.0f);    // west
  PutFloat(out, 18, 360.0f);  // east
  PutLittleEndian(out, 22, kStandardRows, 2);
  PutLittleEndian(out, 24, kStandardColumns, 2);
  PutFloat(out, 26, static_cast<float>(kStandardStepMinutes));
  PutFloat(out, 30, static_cast<float>(kStandardStepMinutes));
  PutText(out, 34, "USEL", 4);
  PutFloat(out, 38, static_cast<float>(kStandardScale));
  PutFloat(out, 42, kNoDataLimit);
  PutLittleEndian(out, 50, 2, 2);  // bytes per value
  PutText(out, 52, "PZ90", 7);     // heights above the ПЗ-90 ellipsoid
  PutText(out, 59, "EGM96", 7);    // their source
  for (std::size_t i = 0; i < stored.size(); ++i)
    PutLittleEndian(out, 100 + 2 * i, static_cast<std::uint16_t>(stored[i]), 2);
  return out;
}

}  // namespace

bool BuildStandardGrid(const GtxGrid& egm96, std::vector<std::int16_t>& stored, BuildReport& report,
                       std::string& error) {
  std::vector<std::int16_t> values;
  values.reserve(static_cast<std::size_t>(kStandardRows) * kStandardColumns);
  BuildReport r;
  for (int row = 0; row < kStandardRows; ++row) {
    const double b = 90.0 - row * StepDegrees();
    for (int column = 0; column < kStandardColumns; ++column) {
      const double l = column * StepDegrees();
      NodeHeight node;
      if (!HeightAboveReference(egm96, b, l, node, error)) {
        error += " at " + std::to_string(b) + ", " + std::to_string(l);
        return false;
      }
      const double units = std::nearbyint(node.zeta / kStandardScale);
      if (std::fabs(units) > std::numeric_limits<std::int16_t>::max()) {
        error = "height " + std::to_string(node.zeta) + " m does not fit 16 bits";
        return false;
      }
      r.largestShift = std::max(r.largestShift, std::fabs(node.zeta - node.geoid));
      r.largestMiss = std::max(r.largestMiss, std::fabs(node.miss));
      r.worstIterations = std::max(r.worstIterations, node.iterations);
      values.push_back(static_cast<std::int16_t>(units));
    }
  }
  stored = std::move(values);
  report = r;
  return true;
}

bool WriteStandardGrid(const std::string& path, const std::vector<std::int16_t>& stored,
                       std::string& error) {
  const std::vector<unsigned char> bytes = GridFileBytes(stored);
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      error = "cannot write " + temporary;
      std::remove(temporary.c_str());
      return false;
    }
  }
  std::error_code failure;
  std::filesystem::rename(temporary, path, failure);
  if (failure) {
    error = "cannot rename " + temporary + " to " + path + ": " + failure.message();
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace vexilor::mkgeoid
