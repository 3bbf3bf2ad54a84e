#include "fit_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_options.h"
#include "cli_run.h"
#include "geodesy/angle_constants.h"
#include "geodesy/seven_parameter.h"
#include "support/temp_folder.h"
#include "text/words.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Words(const std::string& text) { return SplitWords(text, 64); }

class FitCommandTest : public ::testing::Test {
 protected:
  // Twelve СК-42 marks over some 20 km numbered from 10 (source.in), and
  // the same carried to WGS-84 X Y Z by a link of the size of СК-42's,
  // with a few millimetres of noise (target.in).
  void SetUp() override {
    for (const char* f : {"sys.dat", "ellips.dat"}) fs::copy_file(fs::path(VEXILOR_SOURCE_DATA_DIR) / f, folder_ / f);
    const LinkParams link{24.5, -140.2, -81.1, 0.02, -0.31, -0.7, -2.1e-7};
    std::string source = "BLH\n", target = "XYZ\n";
    for (int i = 0; i < 12; ++i) {
      const double b = 55.6 + 0.04 * (i % 4) + 0.011 * i, l = 37.4 + 0.09 * (i / 4), h = 150.0 + 7 * i;
      char text[160];
      std::snprintf(text, sizeof text, "%d %.10f %.10f %.3f\n", 10 + i, b, l, h);
      source += text;
      Geocentric y;
      SevenParameterTransform(LinkDirection::kToBase,
                              GeodeticToGeocentric(6378245, 298.3, b * kRadiansPerDegree, l * kRadiansPerDegree, h),
                              link, y);
      const double noise = 0.004 * std::sin(1.7 * i);
      std::snprintf(text, sizeof text, "%d %.4f %.4f %.4f\n", 10 + i, y.x + noise, y.y - noise / 2, y.z + noise / 3);
      target += text;
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

  // vexilor-cli fit `args` on the catalogue of the test's folder, which
  // holds every file named *.in.
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
  const std::string xyz = "--from CK42 --from-type XYZ --to WGS84 --to-type XYZ ";
  struct Case {
    std::string args;
    int status;
    std::string err;  // after "vexilor-cli fit: "
  };
  const Case cases[] = {
      {kSides + "source.in target.in", 0, ""},
      {kSides + "--model 3 --exclude 11,12 source.in target.in", 0, ""},
      {xyz + "two.in two.in", 114, "common points used: 2; seven parameters need at least 3\n"},
      {xyz + "line.in line.in", 115,
       "the common points lie in a line or nearly so (condition number inf, above 1000): the rotation about that "
       "line cannot be found; add points off it, or use --model 3\n"},
      {xyz + "two.in line.in", 116,
       "points in one file only (" + folder_.PathOf("line.in") + ": 12): pair them, or leave them out with --exclude\n"},
      {xyz + "line.in broken.in", 111,
       folder_.PathOf("broken.in") + ": line 3 (point line 2): expected 4 numbers: N X Y Z, separated by blanks\n"},
      {kSides + "target.in target.in", 64, folder_.PathOf("target.in") + ": line 1 names XYZ, but --from-type is BLH\n"},
      {kSides + "--exclude 99 source.in target.in", 64,
       "--exclude 99: no point of that number in " + folder_.PathOf("source.in") + " or " +
           folder_.PathOf("target.in") + "\n"},
      {kSides + "--model 5 source.in target.in", 64, "--model must be 7 or 3 (vexilor-cli fit --help shows the usage)\n"},
      {kSides + "--exclude 1,x source.in target.in", 64,
       "bad point numbers: --exclude 1,x (vexilor-cli fit --help shows the usage)\n"},
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
// the transformation through a catalogue line made of the link line (their
// direction: link_fit_test).
TEST_F(FitCommandTest, TheLinkLineCarriesThePointsAsTheResidualsSay) {
  const Outcome fit = Fit(kSides + "source.in target.in");
  ASSERT_EQ(fit.status, 0) << fit.err;
  std::vector<std::vector<std::string>> residuals;  // rows "N north east up"
  std::istringstream report(fit.out);
  for (std::string line; std::getline(report, line);)
    if (const auto w = Words(line); w.size() >= 4 && std::isdigit(static_cast<unsigned char>(w[0][0])))
      residuals.push_back(w);
  ASSERT_EQ(residuals.size(), 12u) << fit.out;
  const std::size_t link = fit.out.rfind("link: ") + 6;
  std::ofstream(folder_ / "sys.dat", std::ios::app | std::ios::binary)
      << "Fitted Test System (FIT) 20 " << fit.out.substr(link, fit.out.find('\n', link) - link) << " WGS84 21\r\n";

  const CliParse parse = ParseCliOptions(Words("--from FIT --from-type BLH --from-units 2 --to WGS84 --to-type XYZ "
                                               "--heights geodetic " + folder_.PathOf("source.in") + " " +
                                               folder_.PathOf("fitted.out")));
  ASSERT_TRUE(parse.options) << parse.error;
  std::istringstream in;
  std::ostringstream out, err;
  CliStreams io{in, out, err, false};
  ASSERT_EQ(RunCli(*parse.options, {folder_.path(), folder_.path()}, io), 0) << err.str();

  std::ifstream fitted(folder_ / "fitted.out"), target(folder_ / "target.in");
  std::string f, t;
  for (int header = 0; header < 4; ++header) std::getline(fitted, f);
  std::getline(target, t);
  for (const auto& row : residuals) {
    ASSERT_TRUE(std::getline(fitted, f) && std::getline(target, t));
    const auto fw = Words(f), tw = Words(t);
    double difference = 0, residual = 0;
    for (std::size_t k = 1; k <= 3; ++k) {
      difference += std::pow(std::stod(tw[k]) - std::stod(fw[k]), 2);
      residual += std::pow(std::stod(row[k]), 2);
    }
    EXPECT_EQ(row[0], tw[0]);
    EXPECT_NEAR(std::sqrt(residual), std::sqrt(difference), 2e-4) << row[0];
  }
}

}  // namespace
}  // namespace vexilor
