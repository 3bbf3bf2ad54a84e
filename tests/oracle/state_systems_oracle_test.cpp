// Today's state systems - ПЗ-90.02, ПЗ-90.11, ГСК-2011 - through the
// shipped catalogue and the engine's route, against PROJ pipelines built
// from the published steps of GOST 32453-2017 (EPSG 7702, 7704, 7705, each
// with its exact inverse where the chain runs backwards) and the catalogue's
// links of СК-42, СК-95 and WGS-84. Not PROJ's own choice of operation: it
// may take another path.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "geodesy/angle_constants.h"
#include "geodesy/datum.h"
#include "proj_oracle.h"
#include "refdata/reference_file.h"
#include "refdata/system_choice.h"
#include "refdata/system_lookup.h"
#include "zoned_oracle.h"

namespace vexilor::oracle {
namespace {

const std::filesystem::path kProgramFolder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
constexpr OracleEllipsoid kGsk2011{"gsk2011", 6378136.5, 298.2564151};
constexpr int kPoints = 1000;
constexpr double kBoundMetres = 0.001;

// Each system carried to ПЗ-90 by published steps, and its ellipsoid.
struct StateSystem {
  OracleEllipsoid ellipsoid;
  std::string toPz90;  // pipeline steps in geocentric coordinates
};

std::string Helmert(const char* parameters) {
  return std::string(" +step +proj=helmert ") + parameters + " +convention=coordinate_frame";
}
std::string InverseHelmert(const char* parameters) {
  return std::string(" +step +inv +proj=helmert ") + parameters + " +convention=coordinate_frame";
}

const char* const k7702 = "+x=-1.07 +y=-0.03 +z=0.02 +rx=0 +ry=0 +rz=-0.13 +s=-0.22";
const char* const k7704 = "+x=-1.443 +y=0.156 +z=0.222 +rx=-0.0023 +ry=0.00354 +rz=-0.13421 +s=-0.228";
const char* const k7705 = "+x=0 +y=0.014 +z=-0.008 +rx=-0.000562 +ry=-0.000019 +rz=0.000053 +s=-0.0006";

const std::map<std::string, StateSystem>& Systems() {
  static const std::map<std::string, StateSystem> systems = {
      {"CK42", {kKrassovsky, Helmert("+x=25 +y=-141 +z=-80 +rx=0 +ry=-0.35 +rz=-0.66 +s=0")}},
      {"CK95", {kKrassovsky, Helmert("+x=25.9 +y=-130.94 +z=-81.76 +rx=0 +ry=0 +rz=0 +s=0")}},
      // EPSG 1244, ПЗ-90 → WGS 84, run backwards.
      {"WGS84", {kWgs84, InverseHelmert("+x=-1.08 +y=-0.27 +z=-0.9 +rx=0 +ry=0 +rz=-0.16 +s=-0.12")}},
      {"PZ90.02", {kPz90, InverseHelmert(k7702)}},
      {"PZ90.11", {kPz90, InverseHelmert(k7704)}},
      {"GSK2011", {kGsk2011, Helmert(k7705) + InverseHelmert(k7704)}},
  };
  return systems;
}

// The steps of `steps` (" +step ..." each) in reverse order, each inverted.
std::string Reversed(const std::string& steps) {
  std::vector<std::string> parts;
  for (std::size_t at = steps.find(" +step"); at != std::string::npos;) {
    const std::size_t next = steps.find(" +step", at + 1);
    parts.push_back(steps.substr(at, next == std::string::npos ? std::string::npos : next - at));
    at = next;
  }
  std::string reversed;
  for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
    const bool inverse = part->find(" +inv ") != std::string::npos;
    std::string step = *part;
    if (inverse) {
      step.erase(step.find(" +inv"), 5);
    } else {
      step.insert(6, " +inv");
    }
    reversed += step;
  }
  return reversed;
}

SystemSide ShippedSide(const SystemLines& systems, const EllipsoidLines& ellipsoids, const std::string& code,
                       CoordType type) {
  SystemChoice choice;
  EXPECT_EQ(ChooseSystem(systems, ellipsoids, FindSystemLine(systems, code), choice).error, ChoiceError::kNone)
      << code;
  return {choice.name, choice.baseName, type, choice.vector};
}

struct RouteCase {
  std::string from, to;
  bool plane;  // the target as Gauss-Krüger x y H, else B L H
};

std::vector<RouteCase> Routes() {
  std::vector<RouteCase> routes;
  for (const char* added : {"PZ90.02", "PZ90.11", "GSK2011"}) {
    for (const char* older : {"CK42", "CK95", "WGS84"}) {
      for (const bool plane : {false, true}) {
        routes.push_back({added, older, plane});
        routes.push_back({older, added, plane});
      }
    }
  }
  return routes;
}

TEST(StateSystemsOracle, RoutesAgreeWithThePublishedChainsWithinAMillimetre) {
  SystemLines systems;
  EllipsoidLines ellipsoids;
  ASSERT_EQ(LoadSystemLines((kProgramFolder / "sys.dat").string(), systems), ReferenceFileError::kNone);
  ASSERT_EQ(LoadEllipsoidLines((kProgramFolder / "ellips.dat").string(), ellipsoids), ReferenceFileError::kNone);
  for (const RouteCase& route : Routes()) {
    const StateSystem& from = Systems().at(route.from);
    const StateSystem& to = Systems().at(route.to);
    const ZonedSetup gk = GaussKrugerSetup(to.ellipsoid);
    const SystemSide source = ShippedSide(systems, ellipsoids, route.from, CoordType::BLH);
    const SystemSide target =
        ShippedSide(systems, ellipsoids, route.to, route.plane ? CoordType::xyH : CoordType::BLH);
    GlobalLinkParams global{};
    if (source.base != target.base) {
      ASSERT_EQ(FindGlobalLink(systems, source.base, target.base, global), GlobalLinkSearch::kLinked);
    }
    ProjectionParams params;
    params[Side::Target] = gk.slots;
    const std::string chain = "+proj=pipeline +step +proj=cart " + EllipsoidArgs(from.ellipsoid) + from.toPz90 +
                              Reversed(to.toPz90) + " +step +inv +proj=cart " + EllipsoidArgs(to.ellipsoid);
    const ProjOperation geodetic(chain);
    ASSERT_TRUE(geodetic.Valid()) << geodetic.Error() << "\n" << chain;
    const ZonedLayout layout(gk.slots);

    std::mt19937 rng(32453);
    WorstCase worst;
    for (int i = 0; i < kPoints; ++i) {
      const double b = Uniform(rng, 41.0, 82.0), l = Uniform(rng, 19.5, 189.5), h = Uniform(rng, -100.0, 3000.0);
      Coords out{};
      ASSERT_EQ(TransformPoint(source, target, global, {b * kRadiansPerDegree, l * kRadiansPerDegree, h}, params, out),
                kOk);
      const auto expected = geodetic.Forward(l * kRadiansPerDegree, b * kRadiansPerDegree, h);
      double miss = 0;
      if (route.plane) {
        const double lon = std::fmod(expected[0] * kDegreesPerRadian + 360.0, 360.0);
        const int zone = static_cast<int>(std::floor(lon / 6.0)) + 1;
        const auto en = ProjOperation(gk.projDefinition(zone)).Forward(expected[0], expected[1], 0.0);
        const EastNorth engine = layout.InZone({out[0], out[1]}, zone);
        miss = std::max({std::fabs(engine.easting - en[0]), std::fabs(engine.northing - en[1]),
                         std::fabs(out[2] - expected[2])});
      } else {
        const double radius = to.ellipsoid.a;
        const double dl = std::remainder(out[1] - expected[0], kTwoPi);
        miss = std::max({std::fabs(out[0] - expected[1]) * radius, std::fabs(dl) * radius * std::cos(expected[1]),
                         std::fabs(out[2] - expected[2])});
      }
      worst.Offer(miss, {b, l, h});
    }
    const std::string name = route.from + " -> " + route.to + (route.plane ? " GK" : " BLH");
    ReportMeasured("state_systems " + name, name + " over " + std::to_string(kPoints) +
                                                " points of Russia, engine - published chain: max " +
                                                Fixed(worst.Value() * 1000, 3) + " mm");
    EXPECT_LT(worst.Value(), kBoundMetres) << name << " " << worst.Where();
  }
}

}  // namespace
}  // namespace vexilor::oracle
