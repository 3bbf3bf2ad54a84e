#include "fit_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli_options.h"
#include "cli_run.h"
#include "geodesy/angle_constants.h"
#include "geodesy/seven_parameter.h"
#include "support/temp_folder.h"
#include "text/codepage.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;

struct Mark {
  int number;
  double b, l, h;  // СК-42, degrees and metres
};

// Twelve marks over some 20 km near Moscow.
std::vector<Mark> Marks() {
  std::vector<Mark> marks;
  for (int i = 0; i < 12; ++i) marks.push_back({10 + i, 55.6 + 0.04 * (i % 4) + 0.011 * i, 37.4 + 0.09 * (i / 4), 150.0 + 7 * i});
  return marks;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::string Line(const char* format, double a, double b, double c) {
  char text[128];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

class FitCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"sys.dat", "ellips.dat"}) fs::copy_file(fs::path(VEXILOR_SOURCE_DATA_DIR) / f, folder_ / f);
    std::string source = "BLH\n", target = "XYZ\n";
    // A link of the size of СК-42's, and a few millimetres of noise.
    const LinkParams link{24.5, -140.2, -81.1, 0.02, -0.31, -0.7, -2.1e-7};
    for (const Mark& m : Marks()) {
      source += std::to_string(m.number) + Line(" %.10f %.10f %.3f\n", m.b, m.l, m.h);
      Geocentric y;
      SevenParameterTransform(LinkDirection::kToBase,
                              GeodeticToGeocentric(6378245, 298.3, m.b * kRadiansPerDegree, m.l * kRadiansPerDegree, m.h),
                              link, y);
      const double noise = 0.004 * std::sin(1.7 * m.number);
      target += std::to_string(m.number) + Line(" %.4f %.4f %.4f\n", y.x + noise, y.y - noise / 2, y.z + noise / 3);
    }
    Write("source.in", source);
    Write("target.in", target);
  }

  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }

  struct Outcome {
    int status;
    std::string out, err;
  };

  // vexilor-cli fit with `args`, the catalogue of the test's folder.
  Outcome Fit(const std::string& args) const {
    std::vector<std::string> words = Words("fit " + args);
    for (std::string& w : words)
      if (w.ends_with(".in")) w = folder_.PathOf(w);
    std::ostringstream out, err;
    const DataFolders folders{folder_.path(), folder_.path()};
    const int status = RunFitCommand(words, [&](const std::string&) { return folders; }, out, err);
    return {status, out.str(), err.str()};
  }

  testing::TempFolder folder_;
};

const std::string kSides = "--from CK42 --from-type BLH --from-units 2 --to WGS84 --to-type XYZ --heights geodetic ";

TEST_F(FitCommandTest, StatusesAndMessages) {
  Write("two.in", "XYZ\n10 2849000 2195000 5249000\n11 2850000 2195000 5249000\n");
  Write("line.in", "XYZ\n10 2849000 2195000 5249000\n11 2850000 2195000 5249000\n12 2851000 2195000 5249000\n");
  Write("broken.in", "XYZ\n10 2849000 2195000 5249000\n11 2850000 2195000\n");
  struct Case {
    std::string args;
    int status;
    std::string err;  // the message, without "vexilor-cli fit: "
  };
  const std::string xyz = "--from CK42 --from-type XYZ --to WGS84 --to-type XYZ ";
  const Case cases[] = {
      {kSides + "source.in target.in", 0, ""},
      {kSides + "--model 3 --exclude 11,12 source.in target.in", 0, ""},
      {xyz + "two.in two.in", 114, "common points used: 2; seven parameters need at least 3\n"},
      {kSides + "--exclude 10,11,12,13,14,15,16,17,18,19 source.in target.in", 114,
       "common points used: 2; seven parameters need at least 3\n"},
      {xyz + "line.in line.in", 115,
       "the common points lie in a line or nearly so (condition number inf, above 1000): the rotation about that "
       "line cannot be found; add points off it, or use --model 3\n"},
      {xyz + "--model 3 line.in line.in", 0, ""},
      {"--from CK42 --from-type XYZ --to WGS84 --to-type XYZ two.in line.in", 116,
       "points in one file only (" + folder_.PathOf("line.in") + ": 12): pair them, or leave them out with --exclude\n"},
      {xyz + "--exclude 12 two.in line.in", 114, "common points used: 2; seven parameters need at least 3\n"},
      {xyz + "line.in broken.in", 111,
       folder_.PathOf("broken.in") + ": line 3 (point line 2): expected 4 numbers: N X Y Z, separated by blanks\n"},
      {kSides + "target.in target.in", 64,
       folder_.PathOf("target.in") + ": line 1 names XYZ, but --from-type is BLH\n"},
      {kSides + "--exclude 99 source.in target.in", 64,
       "--exclude 99: no point of that number in " + folder_.PathOf("source.in") + " or " +
           folder_.PathOf("target.in") + "\n"},
      {kSides + "--model 5 source.in target.in", 64, "--model must be 7 or 3 (vexilor-cli fit --help shows the usage)\n"},
      {kSides + "--exclude 1,x source.in target.in", 64,
       "bad point numbers: --exclude 1,x (vexilor-cli fit --help shows the usage)\n"},
      {kSides + "source.in", 64, "expected the point files SOURCE and TARGET (vexilor-cli fit --help shows the usage)\n"},
      {"--from CK99 --from-type XYZ --to WGS84 --to-type XYZ two.in two.in", 64,
       "--from CK99: no such system in " + (folder_ / "sys.dat").string() + "\n"},
  };
  for (const Case& c : cases) {
    const Outcome o = Fit(c.args);
    EXPECT_EQ(o.status, c.status) << c.args << "\n" << o.err;
    EXPECT_EQ(o.err, c.err.empty() ? "" : "vexilor-cli fit: " + c.err) << c.args;
    EXPECT_EQ(o.out.find("\nlink: ") != std::string::npos, c.status == 0) << c.args;
  }
  // --help names every status the command gave.
  const Outcome help = Fit("--help");
  EXPECT_EQ(help.status, 0);
  for (const Case& c : cases) EXPECT_NE(help.out.find(" " + std::to_string(c.status) + " "), std::string::npos) << c.status;
}

// The residuals the report prints are those of the source file carried by
// the transformation through a catalogue line made of the link line.
TEST_F(FitCommandTest, TheLinkLineCarriesThePointsAsTheResidualsSay) {
  const Outcome fit = Fit(kSides + "source.in target.in");
  ASSERT_EQ(fit.status, 0) << fit.err;
  std::map<int, std::array<double, 3>> residuals;
  std::istringstream report(fit.out);
  std::string line, link;
  while (std::getline(report, line) && line.find("  N  ") == std::string::npos) {
  }
  while (std::getline(report, line) && !line.empty()) {
    const std::vector<std::string> w = Words(line);
    residuals[std::stoi(w[0])] = {std::stod(w[1]), std::stod(w[2]), std::stod(w[3])};
  }
  while (std::getline(report, line))
    if (line.starts_with("link: ")) link = line.substr(6);
  ASSERT_EQ(Words(link).size(), 7u) << fit.out;
  ASSERT_EQ(residuals.size(), 12u) << fit.out;

  std::ofstream(folder_ / "sys.dat", std::ios::app | std::ios::binary)
      << "Fitted Test System (FIT) 20 " << link << " WGS84 21\r\n";
  const CliParse parse = ParseCliOptions(Words(
      "--from FIT --from-type BLH --from-units 2 --to WGS84 --to-type XYZ --heights geodetic " +
      folder_.PathOf("source.in") + " " + folder_.PathOf("fitted.out")));
  ASSERT_TRUE(parse.options) << parse.error;
  std::istringstream in;
  std::ostringstream out, err;
  CliStreams io{in, out, err, false};
  ASSERT_EQ(RunCli(*parse.options, {folder_.path(), folder_.path()}, io), 0) << err.str();

  std::ifstream fitted(folder_ / "fitted.out", std::ios::binary), target(folder_ / "target.in");
  for (int skip = 0; skip < 4; ++skip) std::getline(fitted, line);
  std::getline(target, line);
  for (const Mark& m : Marks()) {
    std::string fittedLine, targetLine;
    ASSERT_TRUE(std::getline(fitted, fittedLine) && std::getline(target, targetLine));
    const std::vector<std::string> f = Words(fittedLine), t = Words(targetLine);
    double d[3];
    for (int k = 0; k < 3; ++k) d[k] = std::stod(t[static_cast<std::size_t>(k + 1)]) - std::stod(f[static_cast<std::size_t>(k + 1)]);
    const double sb = std::sin(m.b * kRadiansPerDegree), cb = std::cos(m.b * kRadiansPerDegree);
    const double sl = std::sin(m.l * kRadiansPerDegree), cl = std::cos(m.l * kRadiansPerDegree);
    const double local[3] = {-sb * cl * d[0] - sb * sl * d[1] + cb * d[2], -sl * d[0] + cl * d[1],
                             cb * cl * d[0] + cb * sl * d[1] + sb * d[2]};
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(residuals[m.number][static_cast<std::size_t>(k)], local[k], 2e-4) << m.number << " " << k;
  }
}

}  // namespace
}  // namespace vexilor
