#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "quasigeoid/grid_test_files.h"
#include "text/codepage.h"
#include "cli_in_process.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::Words;

TEST(ParseCliOptions, AcceptsWhatTheUsageDescribes) {
  const CliParse p = ParseCliOptions(Words(
      "--from CK42 --from-type BLH --from-units 2,1 --to WGS84 --to-type xyH --to-proj utm "
      "--zone 37 --heights geodetic --geoid-column --geoid g.mat --data d --progress --jobs 3 "
      "a.in b.out"));
  ASSERT_TRUE(p.options) << p.error;
  const CliOptions& o = *p.options;
  EXPECT_EQ(o.from.system, "CK42");
  EXPECT_EQ(o.from.units.angles, AngleUnit::Degrees);
  EXPECT_EQ(o.from.units.heights, LengthUnit::Kilometres);
  EXPECT_EQ(o.to.type, CoordType::xyH);
  ASSERT_TRUE(o.to.projection);
  EXPECT_EQ(o.to.projection->ZoneOneAxialMeridian(), 183);
  EXPECT_EQ(o.to.projection->FalseX(), 500000);  // false origin in metres
  EXPECT_EQ(o.zone, 37);
  EXPECT_EQ(o.heights, HeightType::Geodetic);
  EXPECT_TRUE(o.geoidColumn && o.progress);
  EXPECT_EQ(o.geoidFile, "g.mat");
  EXPECT_EQ(o.input, "a.in");
  EXPECT_EQ(o.output, "b.out");
  EXPECT_EQ(o.jobs, 3);

  const CliParse defaults = ParseCliOptions(Words("--from a --from-type XYZ --to b --to-type BLH i o"));
  ASSERT_TRUE(defaults.options) << defaults.error;
  EXPECT_EQ(defaults.options->heights, HeightType::Normal);
  EXPECT_EQ(defaults.options->to.units, SideUnits{});
  EXPECT_FALSE(defaults.options->zone);
  EXPECT_EQ(defaults.options->jobs, 0);  // every core
}

TEST(ParseCliOptions, RefusesWhatItCannotRun) {
  const char* bad[] = {
      "--from a --from-type BLH --to b --to-type BLH i",               // one file
      "--from a --from-type BLH --to-type BLH i o",                    // no target system
      "--from a --from-type blh --to b --to-type BLH i o",             // type names are exact
      "--from a --from-type XYZ --from-units 2 --to b --to-type BLH i o",
      "--from a --from-type BLH --from-units 4 --to b --to-type BLH i o",
      "--from a --from-type BLH --from-units 0,2 --to b --to-type BLH i o",
      "--from a --from-type BLH --from-units x --to b --to-type BLH i o",
      "--from a --from-type BLH --to b --to-type xyH --to-proj tm i o",
      "--from a --from-type BLH --to b --to-type xyH --to-proj 0,0,3,6,0,500000,1,0 i o",
      "--from a --from-type BLH --to b --to-type xyH --to-proj 5,0,3,6,0,500000,1,0,0 i o",
      "--from a --from-type BLH --to b --to-type BLH --zone -1 i o",
      "--from a --from-type BLH --to b --to-type BLH --zone 2.5 i o",
      "--from a --from-type BLH --to b --to-type BLH --heights ortho i o",
      "--from a --from-type BLH --to b --to-type BLH --colour i o",
      "--from a --from a --from-type BLH --to b --to-type BLH i o",
      "--from a --from-type BLH --to b --to-type BLH i o --data",
      "--from a --from-type BLH --to b --to-type BLH --jobs 0 i o",
      "--from a --from-type BLH --to b --to-type BLH --jobs -2 i o",
      "--from a --from-type BLH --to b --to-type BLH --jobs two i o",
      "--from a --from-type BLH --to b --to-type BLH --input-format txt i o",
      "--from a --from-type BLH --to b --to-type BLH --output-format kml i o",
      "--from a --from-type BLH --to b --to-type BLH --delimiter | i o",
      "--from a --from-type BLH --to b --to-type BLH --encoding cp866 i o",
  };
  for (const char* line : bad) {
    const CliParse p = ParseCliOptions(Words(line));
    EXPECT_FALSE(p.options) << line;
    EXPECT_FALSE(p.error.empty()) << line;
  }
}

TEST(ParseCliOptions, HelpAsksForTheUsageAndNegativeWordsAreFiles) {
  EXPECT_TRUE(ParseCliOptions({"--help"}).help);
  EXPECT_TRUE(ParseCliOptions(Words("--from a --help")).help);
  EXPECT_FALSE(ParseCliOptions(Words("--from a --from-type BLH --to b --to-type BLH i o")).help);
  const CliParse p = ParseCliOptions(Words("--from a --from-type BLH --to b --to-type BLH -- -i.in --o.out"));
  ASSERT_TRUE(p.options) << p.error;
  EXPECT_EQ(p.options->input, "-i.in");
  EXPECT_EQ(p.options->output, "--o.out");
}

TEST(ParseCliOptions, VersionAndTheStandardStreams) {
  EXPECT_TRUE(ParseCliOptions({"--version"}).version);
  EXPECT_FALSE(ParseCliOptions({"--version"}).options);
  EXPECT_FALSE(ParseCliOptions({"--version", "--colour"}).version);  // a usage error first
  const CliParse p = ParseCliOptions(Words("--from a --from-type BLH --to b --to-type BLH - -"));
  ASSERT_TRUE(p.options) << p.error;
  EXPECT_EQ(p.options->input, "-");
  EXPECT_EQ(p.options->output, "-");
}

TEST(CliUsage, NamesEveryExitStatusAndShowsTheExamples) {
  const std::string help = CliUsage();
  EXPECT_EQ(help.rfind("usage: vexilor-cli --from SYSTEM", 0), 0u);
  for (const char* status : {" 0 done", "64 ", "65 ", "101 ", "102", "103 ", "104", "105 ", "106 ", "107 ", "108 ",
                             "109 ", "110 ", "111 ", "112 "})
    EXPECT_NE(help.find(status), std::string::npos) << status;
  EXPECT_NE(help.find("\nexamples:\n  # "), std::string::npos);
  EXPECT_EQ(CliVersion(), "vexilor-cli " + std::string(VEXILOR_VERSION) + "\n");
  EXPECT_EQ(UsageErrorLine("unknown option --colour"),
            "vexilor-cli: unknown option --colour (vexilor-cli --help shows the usage)");
}

TEST(ParseProjectionArgument, NineSlotValues) {
  const auto p = ParseProjectionArgument("0,0,3,6,0,500000,1,0,0");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->FalseY(), 500000);
  EXPECT_EQ(p->FixedZone(), 0);
  const auto lambert = ParseProjectionArgument("lambert");
  ASSERT_TRUE(lambert);
  EXPECT_EQ(lambert->Kind(), ProjectionKind::Lambert);
  EXPECT_EQ(lambert->FalseX(), 500000);
  EXPECT_FALSE(ParseProjectionArgument("0,0,3,6,0,500000,1,0,0,"));
  EXPECT_FALSE(ParseProjectionArgument("0,0,3,6,0,5e5x,1,0,0"));
}

class RunCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vexilor-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    for (const char* f : {"sys.dat", "ellips.dat"})
      fs::copy_file(fs::path(VEXILOR_SOURCE_DATA_DIR) / f, dir_ / f);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

  std::string Bytes(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::string Read(const std::string& name) const { return Cp1251ToUtf8(Bytes(name)); }

  // The whole command line, with `input` on standard input; the catalogue
  // and the grid are those of the test's folder.
  CliRun RunLine(const std::vector<std::string>& words, const std::string& input = "", bool terminal = false) const {
    return testing::RunCliIn(dir_, words, input, terminal);
  }

  // `args`, then points.in and points.out of the test's folder.
  int Run(const std::string& args, std::string& err) const {
    std::vector<std::string> words = Words(args);
    words.push_back(Path("points.in"));
    words.push_back(Path("points.out"));
    const CliRun run = RunLine(words);
    err = run.err;
    return run.status;
  }

  fs::path dir_;
};

TEST_F(RunCliTest, TransformsAFileWithTheShippedCatalogue) {
  Write("points.in", "BLH\r\n1 55.75 37.62 150\r\n2 59.94 30.31 10\r\n");
  std::string err;
  ASSERT_EQ(Run("--from CK42 --from-type BLH --from-units 2 --to wgs84 --to-type xyH "
                "--to-proj utm --heights geodetic",
                err),
            0)
      << err;
  const std::string out = Read("points.out");
  EXPECT_EQ(out.rfind("Система координат: WGS 1984 Global Definition (WGS84)\r\nТип координат: xyH\r\n"
                      "Размерность координат и высот: метры; Тип высот: геодезические\r\n"
                      "Проекция: UTM\r\n\r\n",
                      0),
            0u)
      << out;
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 7);
  EXPECT_NE(out.find("     1  37"), std::string::npos) << out;  // UTM zone 37
  EXPECT_NE(out.find("     2  36"), std::string::npos) << out;  // St Petersburg, zone 36

  // The values, from PROJ: the same two legs through ПЗ-90 (the sys.dat
  // links, coordinate frame) and UTM on WGS 84,
  //   cct -d 5 +proj=pipeline +step +proj=cart +ellps=krass
  //     +step +proj=helmert +x=25 +y=-141 +z=-80 +ry=-0.35 +rz=-0.66 +convention=coordinate_frame
  //     +step +proj=helmert +x=-1.08 +y=-0.27 +z=-0.9 +rz=-0.16 +s=-0.12 +convention=coordinate_frame
  //     +step +inv +proj=cart +ellps=WGS84 +step +proj=utm +zone=37 (36) +ellps=WGS84
  // The engine's second leg is the first-order inverse of the WGS-84 link:
  // a few micrometres from PROJ's, well inside the printed 0.1 mm.
  struct Expected { double zonedEasting, northing, height; };
  const Expected expected[] = {{37413263.23234, 6179124.54300, 154.31549},
                               {36349587.89970, 6647784.88306, 23.84700}};
  std::istringstream lines(out);
  std::string line;
  for (int header = 0; header < 5; ++header) std::getline(lines, line);
  for (const Expected& e : expected) {
    ASSERT_TRUE(std::getline(lines, line));
    const std::vector<std::string> w = Words(line);
    ASSERT_EQ(w.size(), 4u) << line;
    EXPECT_NEAR(std::stod(w[1]), e.zonedEasting, 1e-4) << line;
    EXPECT_NEAR(std::stod(w[2]), e.northing, 1e-4) << line;
    EXPECT_NEAR(std::stod(w[3]), e.height, 1e-4) << line;
  }
}

// --zone 0 leaves every point in its own zone; 60 is the last of 6° zones
// (61 is refused, a message case).
TEST_F(RunCliTest, ZoneZeroAndTheLastZoneAreAccepted) {
  const struct {
    const char* zone;
    const char* longitude;
    int zoneOfY;
  } cases[] = {{"0", "37.62", 7}, {"60", "357.5", 60}};
  for (const auto& c : cases) {
    Write("points.in", "BLH\r\n1 55.75 " + std::string(c.longitude) + " 150\r\n");
    std::string err;
    ASSERT_EQ(Run("--from CK42 --from-type BLH --from-units 2 --to CK42 --to-type xyH --to-proj gk "
                  "--heights geodetic --zone " + std::string(c.zone), err), 0) << c.zone << ": " << err;
    const std::string out = Read("points.out");
    const std::vector<std::string> w = Words(out.substr(out.rfind("\r\n", out.size() - 3)));
    ASSERT_EQ(w.size(), 4u) << out;
    EXPECT_EQ(static_cast<int>(std::stod(w[2]) / 1e6), c.zoneOfY) << c.zone;
  }
}

// The catalogue of a message case.
enum class Catalogue { kShipped, kNoSystems, kEllipsoidMissing, kNoGlobalLink };

struct MessageCase {
  const char* what;
  const char* source;  // points.in; nullptr: none
  const char* args;    // the whole command line; "%/" stands for the test's folder
  int status;
  const char* message;  // after "vexilor-cli: ", "%/" as above
  Catalogue catalogue = Catalogue::kShipped;
};

std::string InFolder(std::string text, const fs::path& folder) {
  for (std::size_t at = text.find("%/"); at != std::string::npos; at = text.find("%/", at))
    text.replace(at, 2, folder.string() + "/");
  return text;
}

class TerminalMessage : public RunCliTest, public ::testing::WithParamInterface<MessageCase> {};

// Every failure is one line on standard error that names its file (and the
// line of the source file), with the exit status the usage lists.
TEST_P(TerminalMessage, NamesTheFileAndTheLine) {
  const MessageCase& c = GetParam();
  if (c.source != nullptr) Write("points.in", c.source);
  fs::create_directory(dir_ / "sub");
  Write("junk.mat", std::string(200, 'x'));
  testing::TestGrid small;  // 50..60 N, 30..40 E
  std::ofstream(Path("small.mat"), std::ios::binary) << std::string(
      [&] {
        const auto bytes = testing::GridBytes(small, [](double, double) { return 14.0; });
        return std::string(bytes.begin(), bytes.end());
      }());
  if (c.catalogue == Catalogue::kNoSystems) fs::remove(dir_ / "sys.dat");
  if (c.catalogue == Catalogue::kEllipsoidMissing)
    Write("sys.dat", Utf8ToCp1251("Test (TE) 99 0 0 0 0 0 0 0 PZ90 27\r\n"));
  if (c.catalogue == Catalogue::kNoGlobalLink)
    Write("sys.dat", "On PZ90 (TP) 20 0 0 0 0 0 0 0 PZ90 27\r\nOn WGS84 (TW) 21 0 0 0 0 0 0 0 WGS84 21\r\n");

  const CliRun run = RunLine(Words(InFolder(c.args, dir_)));
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.err, "vexilor-cli: " + InFolder(c.message, dir_) + "\n");
  EXPECT_EQ(run.out, "");
}

constexpr const char* kOneDegreePoint = "BLH\r\n1 55.75 37.62 150\r\n";
const std::string kLongLine = "BLH\r\n1 55.75 37.62 150\r\n2 " + std::string(70000, '5') + " 37 150\r\n";

INSTANTIATE_TEST_SUITE_P(
    Failures, TerminalMessage,
    ::testing::Values(
        MessageCase{"type line", "XYZ\r\n1 55.75 37.62 150\r\n",
                    "--from CK42 --from-type BLH --to CK95 --to-type BLH %/points.in %/points.out", kExitUsage,
                    "%/points.in: line 1 names XYZ, but --from-type is BLH"},
        MessageCase{"Windows-1251 type line", "\xC1\xCB\xD5\x98;B;L;H\r\n1 55.75 37.62 150\r\n",
                    "--from CK42 --from-type BLH --to CK95 --to-type BLH %/points.in %/points.out", kExitUsage,
                    "%/points.in: line 1 names БЛХ?;B;L;H, but --from-type is BLH"},
        MessageCase{"empty type line", "\r\n1 55.75 37.62 150\r\n",
                    "--from CK42 --from-type BLH --to CK95 --to-type BLH %/points.in %/points.out", kExitUsage,
                    "%/points.in: line 1 is empty, but must name the type BLH"},
        MessageCase{"long type line, control characters", "BLH\tdegrees of the survey of 1963, in the old format\n",
                    "--from CK42 --from-type BLH --to CK95 --to-type BLH %/points.in %/points.out", kExitUsage,
                    "%/points.in: line 1 names BLH?degrees of the survey of 1963, in th..., but --from-type is BLH"},
        MessageCase{"latitude beyond a pole", "BLH\r\n1 55.75 37.62 150\r\n2 95 37 1\r\n",
                    "--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH --heights geodetic "
                    "%/points.in %/points.out",
                    110, "%/points.in: line 3 (point line 2): a value out of range (|B| <= 90, 0 <= L <= 360)"},
        MessageCase{"sixty minutes", "BLH\r\n1 55 60 0 37 0 0 150\r\n",
                    "--from CK42 --from-type BLH --to CK95 --to-type BLH --heights geodetic %/points.in %/points.out",
                    110,
                    "%/points.in: line 2 (point line 1): a value out of range (|Bd| <= 90, 0 <= Bm, Lm <= 59, "
                    "0 <= Bs, Ls <= 60, 0 <= Ld <= 360)"},
        MessageCase{"a word too many", "BLH\r\n1 55.75 37.62 150 7\r\n",
                    "--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH --heights geodetic "
                    "%/points.in %/points.out",
                    111,
                    "%/points.in: line 2 (point line 1): expected 4 numbers: N B L H, B and L in degrees, "
                    "separated by blanks"},
        MessageCase{"a line beyond 64 KiB", kLongLine.c_str(),
                    "--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH --heights geodetic "
                    "%/points.in %/points.out",
                    111, "%/points.in: line 3 (point line 2): longer than 64 KiB, not a point line"},
        MessageCase{"a CSV line of too few fields", "N;B;L;H\r\n1;55,75;37,62\r\n",
                    "--from CK42 --from-type BLH --to CK95 --to-type BLH --heights geodetic --input-format csv "
                    "%/points.in %/points.out",
                    111,
                    "%/points.in: line 2: expected a name, then 3 coordinates (numbers or angle texts), then any "
                    "fields of your own"},
        MessageCase{"GeoJSON of СК-95", kOneDegreePoint,
                    "--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH %/points.in %/points.geojson",
                    117,
                    "%/points.geojson: GeoJSON and GPX hold WGS-84 longitudes and latitudes: use --to WGS84 "
                    "--to-type BLH"},
        MessageCase{"a word that is no number", "XYZ\r\n1 2849946.4 2195842.1 5249094.x\r\n",
                    "--from WGS84 --from-type XYZ --to CK42 --to-type XYZ %/points.in %/points.out", 111,
                    "%/points.in: line 2 (point line 1): expected 4 numbers: N X Y Z, separated by blanks"},
        MessageCase{"a point far outside the forced zone", "BLH\r\n1 55 50 100\r\n",
                    "--from CK42 --from-type BLH --from-units 2 --to CK42 --to-type xyH --to-proj gk --zone 7 "
                    "--heights geodetic %/points.in %/points.out",
                    101,
                    "%/points.in: line 2 (point line 1): the plane y falls outside its zone (0 <= y < 1 000 000 m): "
                    "check the longitude, the projection's false origin and zone width, or --zone"},
        MessageCase{"no zone in the millions", "xyH\r\n1 6000000 500000 0\r\n",
                    "--from CK42 --from-type xyH --from-proj gk --to CK42 --to-type BLH --heights geodetic "
                    "%/points.in %/points.out",
                    105,
                    "%/points.in: line 2 (point line 1): no valid zone number in the millions of a plane coordinate "
                    "(zone * 1 000 000 + the value in the zone)"},
        MessageCase{"grid missing", kOneDegreePoint,
                    "--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH --geoid %/none.mat "
                    "%/points.in %/points.out",
                    112, "%/none.mat: no such quasi-geoid grid"},
        MessageCase{"not a grid", kOneDegreePoint,
                    "--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH --geoid %/junk.mat "
                    "%/points.in %/points.out",
                    106, "%/junk.mat: not a quasi-geoid grid (no GEOID header)"},
        MessageCase{"outside the grid", "BLH\r\n1 55.75 37.62 150\r\n2 43.1 131.9 25\r\n",
                    "--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH --geoid %/small.mat "
                    "%/points.in %/points.out",
                    107,
                    "%/points.in: line 3 (point line 2): the point lies outside the quasi-geoid grid %/small.mat "
                    "(B 50...60, L 30...40 degrees)"},
        MessageCase{"input missing", nullptr,
                    "--from CK42 --from-type BLH --to CK95 --to-type BLH %/absent.in %/points.out", 109,
                    "%/absent.in: no such file"},
        MessageCase{"input a folder", nullptr, "--from CK42 --from-type BLH --to CK95 --to-type BLH %/sub %/points.out",
                    109, "%/sub: is a folder, not a source file"},
        MessageCase{"output folder missing", kOneDegreePoint,
                    "--from CK42 --from-type BLH --to CK95 --to-type BLH %/points.in %/nowhere/points.out", 108,
                    "%/nowhere/points.out: the folder %/nowhere does not exist"},
        MessageCase{"output a folder", kOneDegreePoint,
                    "--from CK42 --from-type BLH --to CK95 --to-type BLH %/points.in %/sub", 108,
                    "%/sub: is a folder, not a results file"},
        MessageCase{"output the input", kOneDegreePoint,
                    "--from CK42 --from-type BLH --to CK95 --to-type BLH %/points.in %/./points.in", kExitUsage,
                    "%/./points.in: is the input file; the results would overwrite the points"},
        MessageCase{"unknown system", kOneDegreePoint,
                    "--from CK99 --from-type BLH --to CK95 --to-type BLH %/points.in %/points.out", kExitUsage,
                    "--from CK99: no such system in %/sys.dat"},
        MessageCase{"projection missing", kOneDegreePoint,
                    "--from CK42 --from-type BLH --to CK95 --to-type xyH %/points.in %/points.out", kExitUsage,
                    "--to-type xyH needs --to-proj"},
        MessageCase{"zone beyond the projection's", kOneDegreePoint,
                    "--from CK42 --from-type BLH --to CK95 --to-type xyH --to-proj gk --zone 61 %/points.in "
                    "%/points.out",
                    kExitUsage, "--zone 61: the target projection has zones 1 to 60 (0: each point's own)"},
        MessageCase{"no sys.dat", kOneDegreePoint,
                    "--from CK42 --from-type BLH --to CK95 --to-type BLH %/points.in %/points.out", kExitDataError,
                    "%/sys.dat: no such file, or it cannot be opened", Catalogue::kNoSystems},
        MessageCase{"ellipsoid missing", kOneDegreePoint,
                    "--from TE --from-type BLH --to TE --to-type BLH %/points.in %/points.out", kExitDataError,
                    "%/ellips.dat: no ellipsoid number 99, which TE names", Catalogue::kEllipsoidMissing},
        MessageCase{"no link between the bases", kOneDegreePoint,
                    "--from TP --from-type BLH --to TW --to-type BLH --heights geodetic %/points.in %/points.out",
                    kExitDataError,
                    "%/sys.dat: no entry links Russia 1990 Global Coordinate System (ПЗ-90) to WGS 1984 Global "
                    "Definition (WGS84)",
                    Catalogue::kNoGlobalLink}),
    [](const ::testing::TestParamInfo<MessageCase>& param) { return "case" + std::to_string(param.index); });

TEST_F(RunCliTest, TheSourceFileIsNeverTheResultsFile) {
  Write("points.in", "BLH\r\n1 55.75 37.62 150\r\n");
  const CliRun run = RunLine(Words("--from CK42 --from-type BLH --to CK95 --to-type BLH " + Path("points.in") + " " +
                                   Path("./points.in")));
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(Read("points.in"), "BLH\r\n1 55.75 37.62 150\r\n");
}

// "-" for INPUT reads standard input, for OUTPUT writes standard output: the
// same bytes as the files, or UTF-8 with LF for a terminal.
TEST_F(RunCliTest, StandardInputAndOutputStandForTheFiles) {
  const std::string points = "BLH\r\n1 55.75 37.62 150\r\n2 59.94 30.31 10\r\n";
  Write("points.in", points);
  const std::string options = "--from CK42 --from-type BLH --from-units 2 --to WGS84 --to-type xyH --to-proj utm "
                              "--heights geodetic ";
  ASSERT_EQ(RunLine(Words(options + Path("points.in") + " " + Path("points.out"))).status, 0);
  const std::string results = Bytes("points.out");
  ASSERT_NE(results.find("\r\n     2  36"), std::string::npos) << results;

  const CliRun fromInput = RunLine(Words(options + "- " + Path("piped.out")), points);
  EXPECT_EQ(fromInput.status, 0) << fromInput.err;
  EXPECT_EQ(Bytes("piped.out"), results);
  EXPECT_EQ(fromInput.out, "");

  const CliRun toOutput = RunLine(Words(options + Path("points.in") + " -"));
  EXPECT_EQ(toOutput.status, 0) << toOutput.err;
  EXPECT_EQ(toOutput.out, results);
  EXPECT_EQ(toOutput.err, "");

  const CliRun both = RunLine(Words(options + "- -"), points);
  EXPECT_EQ(both.out, results);

  std::string shown = Cp1251ToUtf8(results);
  for (std::size_t at = shown.find("\r\n"); at != std::string::npos; at = shown.find("\r\n", at)) shown.erase(at, 1);
  const CliRun terminal = RunLine(Words(options + "- -"), points, true);
  EXPECT_EQ(terminal.out, shown);
  EXPECT_NE(terminal.out.find("Проекция: UTM\n\n"), std::string::npos) << terminal.out;
}

TEST_F(RunCliTest, AFailedRunOnStandardStreamsHandsOnItsLinesAndNamesTheInput) {
  const std::string options = "--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH --heights geodetic ";
  const std::string points = "BLH\n1 55.75 37.62 150\n2 55.75 37.62\n3 55 37 1\n";
  const CliRun run = RunLine(Words(options + "- -"), points);
  EXPECT_EQ(run.status, 111);
  EXPECT_EQ(run.err, "vexilor-cli: (standard input): line 3 (point line 2): expected 4 numbers: N B L H, "
                     "B and L in degrees, separated by blanks\n");
  // The header and the first point, as a results file keeps them.
  Write("points.in", points);
  ASSERT_EQ(RunLine(Words(options + Path("points.in") + " " + Path("points.out"))).status, 111);
  EXPECT_EQ(run.out, Bytes("points.out"));
  EXPECT_NE(run.out.find("\r\n     1 "), std::string::npos) << run.out;

  const CliRun empty = RunLine(Words(options + "- -"), "");
  EXPECT_EQ(empty.status, kExitUsage);
  EXPECT_EQ(empty.err, "vexilor-cli: (standard input): line 1 is empty, but must name the type BLH\n");
  EXPECT_EQ(empty.out, "");
}

}  // namespace
}  // namespace vexilor
