// The seven-parameter transformation and the route between systems against
// PROJ's helmert operation in the coordinate frame convention, which writes
// the rotation with the same signs as the engine's forward form and, unless
// told +exact, uses the same small-angle matrix.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "geodesy/angle_constants.h"
#include "geodesy/datum.h"
#include "geodesy/seven_parameter.h"
#include "proj_oracle.h"

namespace vexilor::oracle {
namespace {

constexpr unsigned kSeed = 19900101;
constexpr int kPointsPerLink = 5000;
constexpr int kRandomLinks = 20;
const double kArcSecond = kRadiansPerDegree / 3600.0;

// The published links: СК-42 to ПЗ-90 and ПЗ-90 to WGS-84.
constexpr LinkParams kCk42ToPz90{25, -141, -80, 0, -0.35, -0.66, 0};
constexpr LinkParams kPz90ToWgs84{-1.08, -0.27, -0.90, 0, 0, -0.16, -0.12e-6};

// Measured: the engine and PROJ differ by rounding only, at most 2.4e-10 m
// over every link and point; the bound keeps a margin.
constexpr double kSameFormulaBoundMetres = 1e-9;

struct NamedLink {
  std::string name;
  LinkParams p;
};

LinkParams Negated(const LinkParams& p) {
  LinkParams n;
  for (std::size_t k = 0; k < p.size(); ++k) n[k] = -p[k];
  return n;
}

// The published links and seeded random ones within the catalogue's range:
// shifts up to 200 m, rotations up to 5″, |m| up to 1e-5.
std::vector<NamedLink> Links() {
  std::vector<NamedLink> links{{"СК-42->ПЗ-90", kCk42ToPz90}, {"ПЗ-90->WGS-84", kPz90ToWgs84}};
  std::mt19937 rng(kSeed);
  for (int i = 0; i < kRandomLinks; ++i) {
    LinkParams p;
    for (int k = 0; k < 3; ++k) p[static_cast<std::size_t>(k)] = Uniform(rng, -200.0, 200.0);
    for (int k = 3; k < 6; ++k) p[static_cast<std::size_t>(k)] = Uniform(rng, -5.0, 5.0);
    p[6] = Uniform(rng, -1e-5, 1e-5);
    links.push_back({"random " + std::to_string(i + 1), p});
  }
  return links;
}

// PROJ's helmert with the link in the forward form; the scale in ppm.
std::string HelmertArgs(const LinkParams& p) {
  return "+proj=helmert +convention=coordinate_frame +x=" + NumberArg(p[0]) +
         " +y=" + NumberArg(p[1]) + " +z=" + NumberArg(p[2]) + " +rx=" + NumberArg(p[3]) +
         " +ry=" + NumberArg(p[4]) + " +rz=" + NumberArg(p[5]) + " +s=" + NumberArg(p[6] * 1e6);
}

// Seeded points around the Earth's surface, from 20 km below to 20 km above,
// in every direction.
template <typename Visit>
void ForEachPoint(std::mt19937& rng, Visit visit) {
  std::normal_distribution<double> normal;
  for (int i = 0; i < kPointsPerLink; ++i) {
    const double x = normal(rng), y = normal(rng), z = normal(rng);
    const double r = Uniform(rng, 6.34e6, 6.40e6) / std::sqrt(x * x + y * y + z * z);
    visit(Geocentric{x * r, y * r, z * r});
  }
}

std::array<double, 3> AsArray(const Geocentric& g) { return {g.x, g.y, g.z}; }

void OfferDifference(WorstCase& worst, const Geocentric& engine, const std::array<double, 3>& proj,
                     const Geocentric& at) {
  worst.Offer(engine.x - proj[0], AsArray(at));
  worst.Offer(engine.y - proj[1], AsArray(at));
  worst.Offer(engine.z - proj[2], AsArray(at));
}

// Compares one engine mode with a PROJ operation applied forward or inverse,
// over the seeded points, and returns the largest coordinate difference.
WorstCase Compare(LinkDirection mode, const LinkParams& engineLink, const ProjOperation& proj,
                  bool projInverse, std::mt19937& rng) {
  WorstCase worst;
  ForEachPoint(rng, [&](const Geocentric& x) {
    Geocentric engine;
    ASSERT_EQ(SevenParameterTransform(mode, x, engineLink, engine), kOk);
    const auto theirs =
        projInverse ? proj.Inverse(x.x, x.y, x.z) : proj.Forward(x.x, x.y, x.z);
    OfferDifference(worst, engine, theirs, x);
  });
  return worst;
}

std::string Domain() {
  return "over " + std::to_string(kPointsPerLink) + " pts per link, r=6340..6400 km, seed=" +
         std::to_string(kSeed);
}

TEST(HelmertOracle, ForwardFormMatchesProjHelmert) {
  std::mt19937 rng(kSeed);
  double overall = 0.0;
  for (const auto& link : Links()) {
    const ProjOperation helmert(HelmertArgs(link.p));
    ASSERT_TRUE(helmert.Valid()) << helmert.Error();
    const WorstCase worst = Compare(LinkDirection::kToBase, link.p, helmert, false, rng);
    EXPECT_LT(worst.Value(), kSameFormulaBoundMetres) << link.name << " " << worst.Where();
    overall = std::max(overall, worst.Value());
  }
  ReportMeasured("helmert_forward_max_m", "7-param forward vs PROJ helmert coordinate_frame "
                                          "max|d|=" + Scientific(overall) + " m " + Domain());
}

// The inverse form is the forward form of the seven negated values.
TEST(HelmertOracle, InverseFormMatchesProjHelmertOfNegatedLink) {
  std::mt19937 rng(kSeed);
  double overall = 0.0;
  for (const auto& link : Links()) {
    const ProjOperation helmert(HelmertArgs(Negated(link.p)));
    ASSERT_TRUE(helmert.Valid()) << helmert.Error();
    const WorstCase worst = Compare(LinkDirection::kFromBase, link.p, helmert, false, rng);
    EXPECT_LT(worst.Value(), kSameFormulaBoundMetres) << link.name << " " << worst.Where();
    overall = std::max(overall, worst.Value());
  }
  ReportMeasured("helmert_inverse_max_m", "7-param inverse vs PROJ helmert of negated link "
                                          "max|d|=" + Scientific(overall) + " m " + Domain());
}

// |w| in radians, |D| in metres, for the analytic bounds below.
double RotationSize(const LinkParams& p) {
  return std::sqrt(p[3] * p[3] + p[4] * p[4] + p[5] * p[5]) * kArcSecond;
}
double ShiftSize(const LinkParams& p) { return std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]); }

// PROJ's inverse undoes the linearised transformation exactly; the engine's
// inverse form is only its first-order inverse. They part by about
// Ω²X + ΩD + mD: a fraction of a millimetre for the published links,
// centimetres for links of several arc seconds and hundreds of metres.
TEST(HelmertOracle, InverseFormIsFirstOrderInverseOfProjHelmert) {
  constexpr double kRadius = 6.40e6;
  std::mt19937 rng(kSeed);
  for (const auto& link : Links()) {
    const ProjOperation helmert(HelmertArgs(link.p));
    ASSERT_TRUE(helmert.Valid()) << helmert.Error();
    const WorstCase worst = Compare(LinkDirection::kFromBase, link.p, helmert, true, rng);
    const double w = RotationSize(link.p), d = ShiftSize(link.p), m = std::fabs(link.p[6]);
    const double bound = 1.01 * (w * w * kRadius + w * d + m * d + m * m * kRadius) + 1e-8;
    EXPECT_LT(worst.Value(), bound) << link.name << " " << worst.Where();
    if (link.name.starts_with("random")) continue;
    EXPECT_LT(worst.Value(), 1e-3) << link.name;
    ReportMeasured("helmert_first_order_" + link.name,
                   "7-param inverse vs PROJ exact inverse, " + link.name +
                       ": max|d|=" + Fixed(worst.Value() * 1e3, 4) + " mm " + Domain());
  }
}

// The small-angle matrix against PROJ's exact rotation (+exact, the product
// of the three elementary rotations). They part by the second-order terms of
// that product: half the squares on the diagonal and the products of two
// rotations off it, together at most (|Wx| + |Wy| + |Wz|)²/2 times |X|.
TEST(HelmertOracle, SmallAngleMatrixAgainstExactRotation) {
  constexpr double kRadius = 6.40e6;
  std::mt19937 rng(kSeed);
  double published = 0.0;
  for (const auto& link : Links()) {
    const ProjOperation exact(HelmertArgs(link.p) + " +exact");
    ASSERT_TRUE(exact.Valid()) << exact.Error();
    const WorstCase worst = Compare(LinkDirection::kToBase, link.p, exact, false, rng);
    const double w = (std::fabs(link.p[3]) + std::fabs(link.p[4]) + std::fabs(link.p[5])) *
                     kArcSecond;
    EXPECT_LT(worst.Value(), 0.5 * w * w * kRadius * (1.0 + std::fabs(link.p[6])) + 1e-8)
        << link.name << " " << worst.Where();
    if (!link.name.starts_with("random")) published = std::max(published, worst.Value());
  }
  EXPECT_LT(published, 1e-4);
  ReportMeasured("helmert_small_angle_max_m",
                 "7-param forward vs PROJ helmert +exact, published links: max|d|=" +
                     Scientific(published) + " m " + Domain());
}

// Whole routes through the catalogue's published links: the engine's route
// against a PROJ pipeline of cart, the legs in the forward form, inverse cart.
struct RouteCase {
  const char* name;
  SystemSide source, target;
  OracleEllipsoid from, to;
  std::vector<LinkParams> legs;
};

SystemSide MakeSide(const std::string& name, const std::string& base, const OracleEllipsoid& own,
                    const OracleEllipsoid& baseEllipsoid, const LinkParams& link) {
  SystemSide side{name, base, CoordType::BLH, {}};
  side.vector.SetOwn({own.a, own.inverseFlattening});
  side.vector.SetBase({baseEllipsoid.a, baseEllipsoid.inverseFlattening});
  side.vector.SetLink(link);
  return side;
}

std::vector<RouteCase> Routes() {
  const SystemSide ck42 = MakeSide("СК-42", kPz90Name, kKrassovsky, kPz90, kCk42ToPz90);
  const SystemSide pz90 = MakeSide(kPz90Name, kWgs84Name, kPz90, kWgs84, kPz90ToWgs84);
  const SystemSide wgs84 = MakeSide(kWgs84Name, kPz90Name, kWgs84, kPz90, Negated(kPz90ToWgs84));
  return {
      {"СК-42->WGS-84", ck42, wgs84, kKrassovsky, kWgs84, {kCk42ToPz90, kPz90ToWgs84}},
      {"WGS-84->СК-42", wgs84, ck42, kWgs84, kKrassovsky,
       {Negated(kPz90ToWgs84), Negated(kCk42ToPz90)}},
      {"ПЗ-90->WGS-84", pz90, wgs84, kPz90, kWgs84, {kPz90ToWgs84}},
      {"ПЗ-90->СК-42", pz90, ck42, kPz90, kKrassovsky, {Negated(kCk42ToPz90)}},
  };
}

// The route up to the last leg; the engine's result on the target ellipsoid
// is put into space by PROJ's cart and compared there, so the comparison
// rests on PROJ's closed-form geodetic-to-geocentric step only.
std::string Pipeline(const RouteCase& route) {
  std::string text = "+proj=pipeline +step +proj=cart " + EllipsoidArgs(route.from);
  for (const auto& leg : route.legs) text += " +step " + HelmertArgs(leg);
  return text;
}

TEST(HelmertOracle, RoutesMatchProjPipelines) {
  // Rounding of the geodetic-geocentric steps and of the legs; measured at
  // most 3.5e-8 m, the largest within a degree of the poles.
  constexpr double kBoundMetres = 1e-7;
  std::mt19937 rng(kSeed);
  for (const auto& route : Routes()) {
    const ProjOperation pipeline(Pipeline(route));
    const ProjOperation cart("+proj=cart " + EllipsoidArgs(route.to));
    ASSERT_TRUE(pipeline.Valid()) << pipeline.Error();
    ASSERT_TRUE(cart.Valid()) << cart.Error();
    WorstCase worst;
    for (int i = 0; i < kPointsPerLink; ++i) {
      const Coords in{Uniform(rng, -89.0, 89.0) * kRadiansPerDegree,
                      Uniform(rng, 0.0, 360.0) * kRadiansPerDegree, Uniform(rng, -500.0, 9000.0)};
      Coords out;
      ASSERT_EQ(TransformPoint(route.source, route.target, GlobalLinkParams{}, in,
                               ProjectionParams{}, out),
                kOk);
      const auto theirs = pipeline.Forward(in[1], in[0], in[2]);
      const auto ours = cart.Forward(out[1], out[0], out[2]);
      const std::array<double, 3> at{in[0] * kDegreesPerRadian, in[1] * kDegreesPerRadian, in[2]};
      for (int k = 0; k < 3; ++k) worst.Offer(ours[static_cast<std::size_t>(k)] -
                                                  theirs[static_cast<std::size_t>(k)], at);
    }
    EXPECT_LT(worst.Value(), kBoundMetres) << route.name << " " << worst.Where();
    ReportMeasured(std::string("route_") + route.name,
                   std::string("TransformPoint BLH ") + route.name +
                       " vs PROJ cart+helmert legs, compared in XYZ: max|d|=" +
                       Scientific(worst.Value()) + " m over " + std::to_string(kPointsPerLink) +
                       " pts |B|<89 H=-500..9000");
  }
}

}  // namespace
}  // namespace vexilor::oracle
