#include "quasigeoid/grid_interpolation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "geodesy/result_codes.h"
#include "quasigeoid/thin_plate_spline.h"

namespace vexilor {
namespace {

std::optional<double> ThinPlateSplineAtOrigin(const std::vector<GridNode>& nodes) {
  return ThinPlateSpline().AtOrigin(nodes);
}

std::vector<GridNode> SelectCandidates(const std::vector<GridNode>& nodes, double unitKm) {
  std::vector<double> reach;
  std::vector<GridNode> candidates;
  vexilor::SelectCandidates(nodes, unitKm, reach, candidates);
  return candidates;
}

Sectors NearestBySector(const std::vector<GridNode>& candidates) {
  Sectors sectors;
  vexilor::NearestBySector(candidates, sectors);
  return sectors;
}

ResultCode InterpolateAtOrigin(const std::vector<GridNode>& nodes, double unitKm, double& height) {
  return GridInterpolation().AtOrigin(nodes, unitKm, height);
}

// Nodes at the corners of a 1 km square whose south-west corner is
// (-0.25, -0.25); heights 0 except 1 at the north-east corner. Worked by
// hand: w = t(1, -1, -1, 1) with t = 1 / (4 ln 2), affine part
// -1/4 + x'/2 + y'/2, evaluated at x' = y' = 1/4.
TEST(ThinPlateSplineAtOrigin, MatchesTheHandWorkedSquare) {
  const std::vector<GridNode> nodes = {
      {-0.25, -0.25, 0}, {0.75, -0.25, 0}, {-0.25, 0.75, 0}, {0.75, 0.75, 1}};
  const auto kernel = [](double r2) { return 0.5 * r2 * std::log(r2); };
  const double t = 1.0 / (4.0 * std::log(2.0));
  const double expected =
      t * (kernel(0.125) - 2.0 * kernel(0.625) + kernel(1.125)) + (-0.25 + 0.125 + 0.125);
  const std::optional<double> h = ThinPlateSplineAtOrigin(nodes);
  ASSERT_TRUE(h.has_value());
  EXPECT_NEAR(*h, expected, 1e-13);
  EXPECT_GT(std::fabs(expected), 0.01);  // the kernel part matters here
}

TEST(ThinPlateSplineAtOrigin, ReproducesAffineHeightsAndNodeValues) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> position(-40, 40);
  std::vector<GridNode> nodes;
  for (int i = 0; i < 36; ++i) {
    const double x = position(random), y = position(random);
    nodes.push_back({x, y, 12.5 + 0.03 * x - 0.07 * y});
  }
  const std::optional<double> affine = ThinPlateSplineAtOrigin(nodes);
  ASSERT_TRUE(affine.has_value());
  EXPECT_NEAR(*affine, 12.5, 1e-9);

  // A node on the point gives its own height back.
  for (std::size_t i = 0; i < nodes.size(); ++i)
    nodes[i].height = std::sin(0.1 * nodes[i].x) + 0.01 * i;
  nodes[5] = {0, 0, 3.25};
  const std::optional<double> onNode = ThinPlateSplineAtOrigin(nodes);
  ASSERT_TRUE(onNode.has_value());
  EXPECT_NEAR(*onNode, 3.25, 1e-9);
}

// Near the poles the columns of a window crowd together: neighbours of the
// node at the point lie within a hundredth of the window's width. The spline
// must still give that node's height back.
TEST(ThinPlateSplineAtOrigin, GivesNodeHeightsBackAmongCrowdedNeighbours) {
  std::vector<GridNode> nodes;
  for (int i = -3; i <= 4; ++i)
    for (int j = -3; j <= 4; ++j) {
      const double x = 28.0 * i, y = 1.1 * j;  // 28 km between rows, 1.1 km between columns
      nodes.push_back({x, y, 20.0 + 0.01 * x + std::sin(0.4 * y) + 0.0001 * x * x});
    }
  const std::optional<double> h = ThinPlateSplineAtOrigin(nodes);
  ASSERT_TRUE(h.has_value());
  EXPECT_NEAR(*h, 20.0 + std::sin(0.0), 1e-9);
}

TEST(ThinPlateSplineAtOrigin, DegenerateNodesFail) {
  EXPECT_FALSE(ThinPlateSplineAtOrigin({}).has_value());
  EXPECT_FALSE(ThinPlateSplineAtOrigin({{1, 1, 1}, {1, 1, 2}, {1, 1, 3}}).has_value());
  // Two nodes in one place with different heights.
  EXPECT_FALSE(ThinPlateSplineAtOrigin({{1, 1, 1}, {1, 1, 2}, {-1, 0, 3}, {0, -1, 4}}).has_value());
  // All on one line: the affine part is not determined.
  EXPECT_FALSE(ThinPlateSplineAtOrigin({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 5}}).has_value());
}

// The candidate rule as it reads, one step of k at a time.
std::vector<GridNode> CandidatesStepByStep(const std::vector<GridNode>& nodes, double unit) {
  const std::size_t wanted = std::min<std::size_t>(nodes.size(), 30);
  double k = 7;
  bool lowered = false;
  for (int round = 0; round < 100000; ++round) {
    std::vector<GridNode> c;
    for (const GridNode& n : nodes)
      if (std::fabs(n.x) <= k * unit && std::fabs(n.y) <= k * unit) c.push_back(n);
    if (c.size() > 500) {
      k -= 1;
      lowered = true;
      if (k < 1) return {};
    } else if (c.size() >= wanted) {
      return c;
    } else if (lowered) {
      return {};
    } else {
      k += 1;
    }
  }
  ADD_FAILURE() << "no end";
  return {};
}

TEST(SelectCandidates, AgreesWithTheStepByStepRule) {
  std::mt19937 random(99);
  for (int trial = 0; trial < 400; ++trial) {
    const double spread = std::pow(10.0, std::uniform_real_distribution<double>(-0.5, 2.5)(random));
    const int count = std::uniform_int_distribution<int>(3, 900)(random);
    std::normal_distribution<double> position(0, spread);
    std::vector<GridNode> nodes;
    for (int i = 0; i < count; ++i) nodes.push_back({position(random), position(random), 1.0 * i});
    const auto expected = CandidatesStepByStep(nodes, 1.0);
    const auto got = SelectCandidates(nodes, 1.0);
    ASSERT_EQ(got.size(), expected.size()) << trial;
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i].height, expected[i].height);
  }
}

TEST(SelectCandidates, TooManyNearOrTooFewAfterRaisingFails) {
  std::vector<GridNode> crowd;
  for (int i = 0; i < 600; ++i) crowd.push_back({0.001 * i, -0.001 * i, 0});
  EXPECT_TRUE(SelectCandidates(crowd, 1.0).empty());
  // Ten nodes close by, six hundred at 8 units: raising k to 8 admits too many.
  std::vector<GridNode> ring(10, GridNode{0.5, 0.5, 0});
  for (int i = 0; i < 600; ++i) ring.push_back({7.5, -7.5 + 0.01 * i, 0});
  EXPECT_TRUE(SelectCandidates(ring, 1.0).empty());
}

TEST(NearestBySector, SectorsTurnFromNorthTowardsEast) {
  struct Case {
    double x, y;
    int sector;
  };
  const Case cases[] = {
      {1, 0, 0},     {1, 1.6, 0}, {1, 1.8, 1},  {1e-15, 1, 1}, {-1, 1e-15, 3}, {-1, -0.5, 3},
      {-1, -1.8, 4}, {0, -1, 4},  {1, -1.5, 5}, {1, -1e-9, 5}, {0, 0, 0},
      // On the borders, as the angle's own rounding puts them, where the
      // sides of the border lines computed in doubles would say otherwise.
      {5.000000000000001, 8.660254037844386, 1}, {-0.4999999999999998, 0.8660254037844387, 2},
      {4.999999999999993, -8.66025403784439, 5}, {-1, -1.7320508075688772, 4}, {-1, 0, 3},
  };
  for (const Case& c : cases) {
    const Sectors s = NearestBySector({{c.x, c.y, 7}});
    ASSERT_EQ(s.size(), 6u);
    for (int k = 0; k < 6; ++k)
      EXPECT_EQ(s[static_cast<std::size_t>(k)].size(), k == c.sector ? 1u : 0u)
          << c.x << " " << c.y << " sector " << k;
  }
}

TEST(NearestBySector, KeepsTheSixNearestInOrder) {
  // Heights name the nodes; at equal distances the first given comes first.
  std::vector<GridNode> nodes;
  const double distances[] = {9, 3, 7, 1, 8, 2, 6, 5, 4, 2, 1};
  const double order[] = {4, 11, 6, 10, 2, 9};
  for (const double d : distances) nodes.push_back({d, 0.1 * d, static_cast<double>(nodes.size() + 1)});
  const Sectors s = NearestBySector(nodes);
  ASSERT_EQ(s[0].size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(s[0][i].height, order[i]) << i;
}

TEST(InterpolateAtOrigin, PoorlySurroundedPointsAreWeightedByInverseDistance) {
  // All nodes to the north and north-east: sectors 3 to 6 are empty.
  // Sector 1 (0-60°) holds 10 (r² 4.25), 20 (10), 30 (26) and 60 (41);
  // sector 2 (60-120°) holds 40 (5) and 50 (10). The two nearest of each
  // are weighted.
  const std::vector<GridNode> nodes = {{2, 0.5, 10}, {3, 1, 20}, {5, 1, 30},
                                       {1, 2, 40},   {1, 3, 50}, {4, 5, 60}};
  const auto w = [](double x, double y) { return 1.0 / (x * x + y * y); };
  const double expected = (10 * w(2, 0.5) + 20 * w(3, 1) + 40 * w(1, 2) + 50 * w(1, 3)) /
                          (w(2, 0.5) + w(3, 1) + w(1, 2) + w(1, 3));
  double h = 0;
  ASSERT_EQ(InterpolateAtOrigin(nodes, 1.0, h), kOk);
  EXPECT_NEAR(h, expected, 1e-12);

  // A node within 0.1 km gives its own height.
  std::vector<GridNode> near = nodes;
  near.push_back({0.05, 0.08, 77});
  ASSERT_EQ(InterpolateAtOrigin(near, 1.0, h), kOk);
  EXPECT_EQ(h, 77);
}

std::vector<GridNode> Lattice(double spacing, const std::function<double(double, double)>& f) {
  std::vector<GridNode> nodes;
  for (int i = -3; i <= 4; ++i)
    for (int j = -3; j <= 4; ++j) {
      const double x = (i - 0.3) * spacing, y = (j - 0.6) * spacing;
      nodes.push_back({x, y, f(x, y)});
    }
  return nodes;
}

TEST(InterpolateAtOrigin, SurroundedPointsFollowTheSpline) {
  const auto nodes = Lattice(25, [](double x, double y) { return -7 + 0.01 * x + 0.02 * y; });
  double h = 0;
  ASSERT_EQ(InterpolateAtOrigin(nodes, 17.5, h), kOk);
  EXPECT_NEAR(h, -7, 1e-9);
}

TEST(InterpolateAtOrigin, NodesWithoutHeightsRefuseThePointOnlyWhenUsed) {
  auto nodes = Lattice(25, [](double, double) { return 4.0; });
  nodes.push_back({1e4, 1e4, kGridNoDataHeight});  // never a candidate
  double h = 0;
  ASSERT_EQ(InterpolateAtOrigin(nodes, 17.5, h), kOk);
  EXPECT_NEAR(h, 4.0, 1e-9);
  nodes[27].height = kGridNoDataHeight;  // next to the point
  h = -1;
  EXPECT_EQ(InterpolateAtOrigin(nodes, 17.5, h), kGridPointOutside);
  EXPECT_EQ(h, -1);
}

TEST(InterpolateAtOrigin, TooFewOrUnplaceableNodesFail) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  double h = 5;
  EXPECT_EQ(InterpolateAtOrigin({{1, 1, 1}, {2, 2, 2}}, 1.0, h), kGridInterpolationFailed);
  EXPECT_EQ(InterpolateAtOrigin({{1, 1, 1}, {2, -2, 2}, {nan, 0, 1}}, 1.0, h),
            kGridInterpolationFailed);
  EXPECT_EQ(InterpolateAtOrigin({{1, 1, 1}, {2, -2, 2}, {inf, 0, 1}}, 1.0, h),
            kGridInterpolationFailed);
  EXPECT_EQ(InterpolateAtOrigin({{1, 1, 1}, {2, -2, 2}, {-1, 0, 1}}, 0.0, h),
            kGridInterpolationFailed);
  EXPECT_EQ(h, 5);
}

// What one point leaves in the buffers changes nothing for the next: one
// interpolation carried through nodes of every size gives the bits of a
// fresh one for each.
TEST(InterpolateAtOrigin, BuffersCarriedFromPointToPointChangeNothing) {
  std::mt19937 random(1507);
  std::uniform_real_distribution<double> at(-40.0, 40.0), height(-30.0, 60.0);
  GridInterpolation carried;
  for (int point = 0; point < 200; ++point) {
    std::vector<GridNode> nodes(3 + random() % 120);
    for (GridNode& n : nodes) n = {at(random), at(random), height(random)};
    double fresh = 0.0, reused = 0.0;
    const ResultCode code = GridInterpolation().AtOrigin(nodes, 10.0, fresh);
    ASSERT_EQ(carried.AtOrigin(nodes, 10.0, reused), code) << point;
    EXPECT_EQ(reused, fresh) << point;
  }
}

}  // namespace
}  // namespace vexilor
