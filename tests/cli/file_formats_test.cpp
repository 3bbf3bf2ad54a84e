// vexilor-cli with the files surveyors exchange: GeoJSON and GPX read back
// by python3's own parsers against the .out of the same points, a run that
// carries on past each kind of bad line, results in UTF-8 for a terminal.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "text/codepage.h"
#include "cli_in_process.h"
#include "support/raw_files.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

using testing::CliRun;
using testing::Words;

// Reads a GeoJSON or GPX file with python3's parsers, checks its structure
// and prints a line a point: name, longitude, latitude, height, the
// quasi-geoid height and the code, each followed by "|".
const char* const kReader = R"(
import json, sys, xml.etree.ElementTree as et
path = sys.argv[1]
if path.endswith('.geojson'):
    doc = json.load(open(path, encoding='utf-8'))
    assert doc['type'] == 'FeatureCollection'
    for f in doc['features']:
        assert f['type'] == 'Feature' and f['geometry']['type'] == 'Point'
        c = f['geometry']['coordinates']
        p = f['properties']
        h = c[2] if len(c) == 3 else p['normalHeight']
        print('|'.join([p['name'], repr(c[0]), repr(c[1]), repr(h), repr(p.get('zeta', '')), p.get('code', '')]) + '|')
else:
    gpx = '{http://www.topografix.com/GPX/1/1}'
    root = et.parse(path).getroot()
    assert root.tag == gpx + 'gpx' and root.get('version') == '1.1'
    for w in root.findall(gpx + 'wpt'):
        z = w.find(gpx + 'geoidheight')
        d = w.find(gpx + 'desc')
        print('|'.join([w.find(gpx + 'name').text, w.get('lon'), w.get('lat'), w.find(gpx + 'ele').text,
                        '' if z is None else z.text, '' if d is None else d.text]) + '|')
)";

class FileFormatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"sys.dat", "ellips.dat"}) fs::copy_file(fs::path(VEXILOR_SOURCE_DATA_DIR) / f, folder / f);
  }

  CliRun Run(const std::string& args, bool terminal = false) const {
    return testing::RunCliIn(folder.path(), Words(args), "", terminal);
  }

  // The lines python3 prints for the points of `file`.
  std::vector<std::vector<std::string>> Parsed(const std::string& file) const {
    WriteBytes(folder / "reader.py", kReader);
    const std::string command = "python3 '" + folder.PathOf("reader.py") + "' '" + folder.PathOf(file) + "' > '" +
                                folder.PathOf("parsed") + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << ReadBytes(folder / "parsed");
    std::vector<std::vector<std::string>> points;
    std::istringstream lines(ReadBytes(folder / "parsed"));
    for (std::string line; std::getline(lines, line);) {
      std::vector<std::string> fields;
      std::istringstream in(line);
      for (std::string field; std::getline(in, field, '|');) fields.push_back(field);
      points.push_back(fields);
    }
    return points;
  }

  // The point lines of a .out, as words.
  std::vector<std::vector<std::string>> OutPoints(const std::string& file) const {
    std::istringstream lines(Cp1251ToUtf8(ReadBytes(folder / file)));
    std::vector<std::vector<std::string>> points;
    std::string line;
    for (int header = 0; header < 5; ++header) std::getline(lines, line);
    while (std::getline(lines, line)) points.push_back(Words(line));
    return points;
  }

  testing::TempFolder folder;
};

// Longitude, latitude and height in GeoJSON's order, GPX's attributes and
// elements, each the .out's decimal degrees to 10⁻⁹° and height to 0.1 mm.
TEST_F(FileFormatsTest, GeoJsonAndGpxHoldThePointsOfTheOut) {
  WriteBytes(folder / "points.csv",
             "name;lat;lon;h;code\n1;55,7522;37,6156;150,0;репер\nRP12;59 56 18,85;30 18 51,2;10;\"стена; дом\"\n"
             "3;43.1056;131.8735;-25;\n");
  const std::string grid = (fs::path(VEXILOR_PROGRAM_DIR) / "wgeoid.mat").string();
  for (const char* heights : {"--heights geodetic", "--heights normal --geoid-column --geoid "}) {
    const std::string options = "--from CK42 --from-type BLH --to WGS84 --to-type BLH " + std::string(heights) +
                                (std::string(heights).ends_with(" ") ? grid : "") + " " + folder.PathOf("points.csv");
    ASSERT_EQ(Run(options + " " + folder.PathOf("points.out") + " --to-units 2").status, 0);
    const auto out = OutPoints("points.out");
    ASSERT_EQ(out.size(), 3u);
    for (const char* results : {"points.geojson", "points.gpx"}) {
      SCOPED_TRACE(std::string(heights) + " " + results);
      const CliRun run = Run(options + " " + folder.PathOf(results));
      ASSERT_EQ(run.status, 0) << run.err;
      const auto parsed = Parsed(results);
      ASSERT_EQ(parsed.size(), out.size());
      const char* names[] = {"1", "RP12", "3"};
      const char* codes[] = {"репер", "стена; дом", ""};
      for (std::size_t k = 0; k < out.size(); ++k) {
        ASSERT_EQ(parsed[k].size(), 6u);
        EXPECT_EQ(parsed[k][0], names[k]);
        EXPECT_NEAR(std::stod(parsed[k][1]), std::stod(out[k][2]), 1e-9);  // longitude first
        EXPECT_NEAR(std::stod(parsed[k][2]), std::stod(out[k][1]), 1e-9);
        EXPECT_NEAR(std::stod(parsed[k][3]), std::stod(out[k][3]), 1e-4);
        if (out[k].size() > 4) {
          EXPECT_NEAR(std::stod(parsed[k][4]), std::stod(out[k][4]), 0.005);
        }
        EXPECT_EQ(parsed[k][5], codes[k]);
      }
    }
  }
}

// Each kind of bad line is named on standard error and left out; the run
// goes on, writes the others as they would be written anyway, and says with
// its status that lines were refused, and how many.
TEST_F(FileFormatsTest, KeepGoingLeavesOutEachKindOfBadLine) {
  const std::string longLine(70000, '5');
  WriteBytes(folder / "points.in",
             "BLH\r\n1 55.75 37.62 150\r\n2 55.75 x 150\r\n3 55.75 37.62\r\n4 95 37.62 150\r\n5 " + longLine +
                 "\r\n6 55.75 50 150\r\n7 56 38 160\r\n" + std::string("\0\0", 2) + "\r\n");
  WriteBytes(folder / "good.in", "BLH\r\n1 55.75 37.62 150\r\n7 56 38 160\r\n");
  const std::string options = "--from CK42 --from-type BLH --from-units 2 --to CK42 --to-type xyH --to-proj gk "
                              "--zone 7 --heights geodetic ";
  const CliRun run = Run(options + "--keep-going " + folder.PathOf("points.in") + " " + folder.PathOf("points.out"));
  EXPECT_EQ(run.status, kExitLinesRefused);
  const std::string in = folder.PathOf("points.in");
  EXPECT_EQ(run.err,
            "vexilor-cli: " + in + ": line 3 (point line 2): expected 4 numbers: N B L H, B and L in degrees, "
            "separated by blanks\n"
            "vexilor-cli: " + in + ": line 4 (point line 3): expected 4 numbers: N B L H, B and L in degrees, "
            "separated by blanks\n"
            "vexilor-cli: " + in + ": line 5 (point line 4): a value out of range (|B| <= 90, 0 <= L <= 360)\n"
            "vexilor-cli: " + in + ": line 6 (point line 5): longer than 64 KiB, not a point line\n"
            "vexilor-cli: " + in + ": line 7 (point line 6): the plane y falls outside its zone "
            "(0 <= y < 1 000 000 m): check the longitude, the projection's false origin and zone width, or --zone\n"
            "vexilor-cli: " + in + ": line 9 (point line 8): expected 4 numbers: N B L H, B and L in degrees, "
            "separated by blanks\n"
            "vexilor-cli: " + in + ": 6 lines refused, 2 points written to " + folder.PathOf("points.out") + "\n");
  // the good lines keep the numbers of their lines
  ASSERT_EQ(Run(options + folder.PathOf("good.in") + " " + folder.PathOf("good.out")).status, 0);
  std::string good = ReadBytes(folder / "good.out");
  good.replace(good.rfind("     2 "), 7, "     7 ");
  EXPECT_EQ(ReadBytes(folder / "points.out"), good);
  // without it the first bad line stops the run, as always
  EXPECT_EQ(Run(options + folder.PathOf("points.in") + " " + folder.PathOf("points.out")).status, 111);
}

// --encoding utf-8 gives the .out for a pipe to grep; results already in
// UTF-8 reach a terminal as they are, not converted a second time.
TEST_F(FileFormatsTest, ResultsInUtf8ForTheTerminal) {
  WriteBytes(folder / "points.in", "BLH\r\n1 55.75 37.62 150\r\n");
  const std::string options = "--from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH --heights geodetic ";
  ASSERT_EQ(Run(options + folder.PathOf("points.in") + " " + folder.PathOf("points.out")).status, 0);
  std::string expected = Cp1251ToUtf8(ReadBytes(folder / "points.out"));
  for (std::size_t at = expected.find("\r\n"); at != std::string::npos; at = expected.find("\r\n", at))
    expected.erase(at, 1);
  const CliRun utf8 = Run(options + "--encoding utf-8 " + folder.PathOf("points.in") + " -");
  EXPECT_EQ(utf8.out, expected);

  WriteBytes(folder / "points.csv", "Пункт,B,L,H\n1,55.75,37.62,150\n");
  ASSERT_EQ(Run(options + folder.PathOf("points.csv") + " " + folder.PathOf("results.csv")).status, 0);
  const CliRun csv = Run(options + folder.PathOf("points.csv") + " - --output-format csv", true);
  EXPECT_EQ(csv.status, 0) << csv.err;
  EXPECT_EQ(csv.out, ReadBytes(folder / "results.csv"));
  EXPECT_EQ(csv.out.substr(0, csv.out.find(',')), "Пункт");
}

TEST(FormatsOf, TheOptionsOrTheExtensions) {
  struct Case {
    const char* words;
    SourceFormat source;
    ResultsFormat results;
  };
  const Case cases[] = {
      {"a.in b.out", SourceFormat::kIn, ResultsFormat::kOut},
      {"a.CSV b.GeoJSON", SourceFormat::kCsv, ResultsFormat::kGeoJson},
      {"a.txt b.gpx", SourceFormat::kIn, ResultsFormat::kGpx},
      {"- -", SourceFormat::kIn, ResultsFormat::kOut},
      {"--input-format csv --output-format csv - -", SourceFormat::kCsv, ResultsFormat::kCsv},
      {"--input-format in --output-format out a.csv b.csv", SourceFormat::kIn, ResultsFormat::kOut},
  };
  for (const Case& c : cases) {
    const CliParse p = ParseCliOptions(Words("--from a --from-type BLH --to b --to-type BLH " + std::string(c.words)));
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(FormatsOf(*p.options).source, c.source) << c.words;
    EXPECT_EQ(FormatsOf(*p.options).results, c.results) << c.words;
  }
  const CliParse p = ParseCliOptions(Words("--from a --from-type BLH --to b --to-type BLH --delimiter tab "
                                           "--encoding utf-8 --keep-going a.csv b.out"));
  ASSERT_TRUE(p.options) << p.error;
  EXPECT_EQ(FormatsOf(*p.options).delimiter, '\t');
  EXPECT_TRUE(FormatsOf(*p.options).utf8);
  EXPECT_TRUE(p.options->keepGoing);
}

}  // namespace
}  // namespace vexilor
