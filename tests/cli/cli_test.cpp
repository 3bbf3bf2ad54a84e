#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "text/codepage.h"
#include "cli_options.h"
#include "cli_run.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> w;
  for (std::string s; in >> s;) w.push_back(s);
  return w;
}

TEST(ParseCliOptions, AcceptsWhatTheUsageDescribes) {
  const CliParse p = ParseCliOptions(Words(
      "--from CK42 --from-type BLH --from-units 2,1 --to WGS84 --to-type xyH --to-proj utm "
      "--zone 37 --heights geodetic --geoid-column --geoid g.mat --data d --progress --jobs 3 "
      "a.in b.out"));
  ASSERT_TRUE(p.options) << p.error;
  const CliOptions& o = *p.options;
  EXPECT_EQ(o.from.system, "CK42");
  EXPECT_EQ(o.from.unit, 2);
  EXPECT_EQ(o.from.heightUnit, 1);
  EXPECT_EQ(o.to.type, CoordType::xyH);
  ASSERT_TRUE(o.to.projection);
  EXPECT_EQ((*o.to.projection)[3], 183);
  EXPECT_EQ((*o.to.projection)[5], 500000);  // false origin in metres
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
  EXPECT_EQ(defaults.options->to.unit, 0);
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

TEST(ParseProjectionArgument, NineSlotValues) {
  const auto p = ParseProjectionArgument("0,0,3,6,0,500000,1,0,0");
  ASSERT_TRUE(p);
  EXPECT_EQ((*p)[6], 500000);
  EXPECT_EQ((*p)[10], 0);
  const auto lambert = ParseProjectionArgument("lambert");
  ASSERT_TRUE(lambert);
  EXPECT_TRUE(lambert->IsLambert());
  EXPECT_EQ((*lambert)[5], 500000);
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

  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return Cp1251ToUtf8(s.str());
  }

  int Run(const std::string& args, std::string& err) const {
    std::vector<std::string> words = Words(args);
    words.push_back(Path("points.in"));
    words.push_back(Path("points.out"));
    const CliParse p = ParseCliOptions(words);
    EXPECT_TRUE(p.options) << p.error;
    std::ostringstream out;
    const int status = p.options ? RunCli(*p.options, dir_, out) : -1;
    err = out.str();
    return status;
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

TEST_F(RunCliTest, RefusalsAndEngineFailuresGiveTheirStatus) {
  std::string err;
  Write("points.in", "XYZ\r\n1 55.75 37.62 150\r\n");
  EXPECT_EQ(Run("--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH "
                "--heights geodetic", err),
            kExitUsage);
  EXPECT_EQ(err.rfind("Тип  координат  в  исходном  файле\r\nне совпадает с их типом, выбранным", 0), 0u);

  Write("points.in", "BLH\r\n1 55.75 37.62 150\r\n2 95 37 1\r\n");
  EXPECT_EQ(Run("--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH "
                "--heights geodetic", err),
            110);
  EXPECT_NE(err.find("Ошибка данных в строке 2 файла:"), std::string::npos) << err;

  EXPECT_EQ(Run("--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type xyH", err), kExitUsage);
  EXPECT_EQ(err, "Не установлены параметры проекции\r\nдля  преобразованных  координат.\n");

  EXPECT_EQ(Run("--from CK99 --from-type BLH --to CK95 --to-type BLH", err), kExitUsage);

  // Normal heights need the grid; a missing one is a file that cannot be opened.
  EXPECT_EQ(Run("--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH --geoid " +
                    Path("none.mat"), err),
            112);
  EXPECT_NE(err.find("Ошибка открытия файла высот квазигеоида:"), std::string::npos) << err;

  fs::remove(Path("points.in"));
  EXPECT_EQ(Run("--from CK42 --from-type BLH --to CK95 --to-type BLH", err), 109);
}

TEST_F(RunCliTest, TheSourceFileIsNeverTheResultsFile) {
  Write("points.in", "BLH\r\n1 55.75 37.62 150\r\n");
  const CliParse p = ParseCliOptions(Words("--from CK42 --from-type BLH --to CK95 --to-type BLH " +
                                           Path("points.in") + " " + Path("./points.in")));
  ASSERT_TRUE(p.options);
  std::ostringstream err;
  EXPECT_EQ(RunCli(*p.options, dir_, err), kExitUsage);
  EXPECT_EQ(Read("points.in"), "BLH\r\n1 55.75 37.62 150\r\n");
}

}  // namespace
}  // namespace vexilor
