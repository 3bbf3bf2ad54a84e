#include "quasigeoid/grid_interpolation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "geodesy/angle_constants.h"
#include "geodesy/result_codes.h"
#include "quasigeoid/thin_plate_spline.h"

namespace vexilor {
namespace {

constexpr std::size_t kMinNodes = 3;
constexpr double kStartReach = 7.0;
constexpr std::size_t kMaxCandidates = 500;
constexpr std::size_t kWantedCandidates = 30;
constexpr int kSectorCount = 6;
constexpr std::size_t kPerSector = 6;
// Direction components below this count as zero.
constexpr double kDirectionFloor = 1e-14;
// Up to this many kept nodes a poor surround switches to weighting.
constexpr std::size_t kSparseKept = 29;
constexpr double kMinKeptPerSector = 2.0;
// A node this close (squared kilometres) is the point itself.
constexpr double kCoincidentR2 = 0.01;

double DistanceSquared(const GridNode& n) { return n.x * n.x + n.y * n.y; }

// The sector from the angle itself, as atan2 rounds it.
int SectorByAngle(const GridNode& n) {
  const double x = std::fabs(n.x) < kDirectionFloor ? 0.0 : n.x;
  const double y = std::fabs(n.y) < kDirectionFloor ? 0.0 : n.y;
  double angle = std::atan2(y, x);  // 0 for the zero vector
  if (angle < 0.0) angle += kTwoPi;
  return std::min(kSectorCount - 1, static_cast<int>(angle / (kTwoPi / kSectorCount)));
}

// Directions closer than this (radians) to a border of the sectors go by
// the angle; farther off, the sides of the three borders through the
// point decide alike, since atan2 and the division err by 1e-15 at most.
constexpr double kBorderMargin = 1e-9;

// The sector of a node's direction, counted from x towards y in steps of 60°.
int SectorOf(const GridNode& n) {
  // Which side of the borders at 0°/180°, 60°/240° and 120°/300° the node
  // lies on: the cross products with their directions.
  const double sin60 = 0.8660254037844386;
  const double across0 = n.y, across60 = 0.5 * n.y - sin60 * n.x, across120 = -0.5 * n.y - sin60 * n.x;
  const double margin = kBorderMargin * (std::fabs(n.x) + std::fabs(n.y));
  if (!(std::fabs(across0) > margin && std::fabs(across60) > margin && std::fabs(across120) > margin))
    return SectorByAngle(n);
  if (across0 > 0.0) return across60 < 0.0 ? 0 : across120 < 0.0 ? 1 : 2;
  return across60 > 0.0 ? 3 : across120 > 0.0 ? 4 : 5;
}

bool TwoNeighbouringSectorsEmpty(const Sectors& sectors) {
  for (int s = 0; s < kSectorCount; ++s)
    if (sectors[static_cast<std::size_t>(s)].empty() &&
        sectors[static_cast<std::size_t>((s + 1) % kSectorCount)].empty())
      return true;
  return false;
}

// Inverse-distance weighting, power 2, of the nearest and second nearest
// node of every sector.
ResultCode InverseDistance(const Sectors& sectors, double& height) {
  std::vector<GridNode> used;
  for (const auto& sector : sectors)
    used.insert(
        used.end(), sector.begin(),
        sector.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(2, sector.size())));
  for (const GridNode& n : used) {
    if (DistanceSquared(n) <= kCoincidentR2) {
      if (HoldsNoData(n)) return kGridPointOutside;
      height = n.height;
      return kOk;
    }
  }
  double weighted = 0.0, weights = 0.0;
  for (const GridNode& n : used) {
    if (HoldsNoData(n)) return kGridPointOutside;
    const double w = 1.0 / DistanceSquared(n);
    weighted += w * n.height;
    weights += w;
  }
  const double result = weighted / weights;
  if (!std::isfinite(result)) return kGridInterpolationFailed;
  height = result;
  return kOk;
}

// The wanted-th smallest reach (wanted >= 1).
double WantedReach(const std::vector<double>& reach, std::size_t wanted) {
  std::vector<double> sorted = reach;
  const auto nth = sorted.begin() + static_cast<std::ptrdiff_t>(wanted) - 1;
  std::nth_element(sorted.begin(), nth, sorted.end());
  return *nth;
}

}  // namespace

void SelectCandidates(const std::vector<GridNode>& nodes, double unitKm,
                      std::vector<double>& reach, std::vector<GridNode>& candidates) {
  candidates.clear();
  // Reach of a node: the least k for which it is a candidate.
  reach.resize(nodes.size());
  std::transform(nodes.begin(), nodes.end(), reach.begin(), [unitKm](const GridNode& n) {
    return std::max(std::fabs(n.x), std::fabs(n.y)) / unitKm;
  });
  const auto count = [&](double k) {
    return static_cast<std::size_t>(std::count_if(reach.begin(), reach.end(), [k](double r) { return r <= k; }));
  };
  const std::size_t wanted = std::min(nodes.size(), kWantedCandidates);
  double k = kStartReach;
  if (count(k) > kMaxCandidates) {
    do {
      k -= 1.0;
      if (k < 1.0) return;
    } while (count(k) > kMaxCandidates);
    if (count(k) < wanted) return;
  } else if (count(k) < wanted) {
    // Raising k one by one stops at the first k that admits enough nodes;
    // lowering it again from there would fall short.
    k = std::max(k + 1.0, std::ceil(WantedReach(reach, wanted)));
    if (count(k) > kMaxCandidates) return;
  }
  for (std::size_t i = 0; i < nodes.size(); ++i)
    if (reach[i] <= k) candidates.push_back(nodes[i]);
}

void NearestBySector(const std::vector<GridNode>& candidates, Sectors& sectors) {
  // The squared distances of the nodes kept, sector by sector.
  std::array<std::array<double, kPerSector>, kSectorCount> kept;
  for (auto& sector : sectors) sector.clear();
  for (const GridNode& n : candidates) {
    const auto s = static_cast<std::size_t>(SectorOf(n));
    std::vector<GridNode>& sector = sectors[s];
    std::array<double, kPerSector>& distances = kept[s];
    // After the nodes kept that are no farther: nodes at equal distances
    // keep their order.
    const double r2 = DistanceSquared(n);
    std::size_t place = sector.size();
    while (place > 0 && r2 < distances[place - 1]) --place;
    if (place == kPerSector) continue;
    if (sector.size() < kPerSector) sector.emplace_back();
    for (std::size_t j = sector.size() - 1; j > place; --j) {
      sector[j] = sector[j - 1];
      distances[j] = distances[j - 1];
    }
    sector[place] = n;
    distances[place] = r2;
  }
}

ResultCode GridInterpolation::AtOrigin(const std::vector<GridNode>& nodes, double unitKm,
                                       double& height) {
  if (nodes.size() < kMinNodes || !(unitKm > 0.0) || !std::isfinite(unitKm))
    return kGridInterpolationFailed;
  // A node antipodal to the point has no finite place on the plane.
  if (!std::all_of(nodes.begin(), nodes.end(), [](const GridNode& n) {
        return std::isfinite(n.x) && std::isfinite(n.y) && std::isfinite(n.height);
      }))
    return kGridInterpolationFailed;
  SelectCandidates(nodes, unitKm, reach_, candidates_);
  if (candidates_.empty()) return kGridInterpolationFailed;
  NearestBySector(candidates_, sectors_);
  std::size_t kept = 0;
  int filled = 0;
  for (const auto& sector : sectors_) {
    kept += sector.size();
    filled += sector.empty() ? 0 : 1;
  }
  const bool poorSurround = TwoNeighbouringSectorsEmpty(sectors_) ||
                            static_cast<double>(kept) / filled < kMinKeptPerSector;
  if (kept <= kSparseKept && poorSurround) return InverseDistance(sectors_, height);
  return Spline(height);
}

ResultCode GridInterpolation::Spline(double& height) {
  kept_.clear();
  for (const auto& sector : sectors_) kept_.insert(kept_.end(), sector.begin(), sector.end());
  if (std::any_of(kept_.begin(), kept_.end(), HoldsNoData)) return kGridPointOutside;
  const std::optional<double> result = spline_.AtOrigin(kept_);
  if (!result) return kGridInterpolationFailed;
  height = *result;
  return kOk;
}

}  // namespace vexilor
