// Results files of whole runs, byte for byte, against files written by the
// program when it still transformed one point after another, opening the
// quasi-geoid grid for each: the grid session, the per-point arithmetic and
// the run on several threads must not change a single bit.
//
// The expected files were written by vexilor-cli, one point at a time, with
// the arguments of each case, the shipped catalogue and the standard grid
// built from PROJ's egm96_15.gtx.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "cli_run.h"
#include "support/raw_files.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;

const fs::path kCases = fs::path(VEXILOR_SOURCE_DIR) / "tests/cli/identity";

struct Case {
  const char* name;  // NAME.in gives NAME.expected
  const char* args;
  int status;
};
const Case kRuns[] = {
    // Points of one survey, normal heights to UTM; more lines than one batch.
    {"clustered", "--from CK42 --from-type BLH --from-units 2 --to WGS84 --to-type xyH --to-proj utm",
     0},
    // Over the whole globe, with the quasi-geoid column; LF line ends.
    {"worldwide",
     "--from WGS84 --from-type BLH --from-units 2 --to CK95 --to-type BLH --to-units 1 "
     "--geoid-column",
     0},
    // Within six degrees of either pole and at the poles themselves; the
    // last line ends in CR alone.
    {"polar",
     "--from CK95 --from-type BLH --from-units 2 --to WGS84 --to-type BLH --to-units 0 "
     "--geoid-column",
     0},
    // Gauss-Krüger plane coordinates in, degrees-minutes-seconds out.
    {"plane", "--from CK42 --from-type xyH --from-proj gk --to WGS84 --to-type BLH --to-units 0", 0},
    // Radians and kilometres in, geocentric kilometres out (geodetic heights).
    {"geocentric",
     "--from CK42 --from-type BLH --from-units 3,1 --to WGS84 --to-type XYZ --to-units 1", 0},
    // Line 2345 cannot be read: the 2344 lines before it are the results.
    {"badline",
     "--from WGS84 --from-type BLH --from-units 2 --to CK42 --to-type BLH --to-units 1 "
     "--geoid-column",
     111},
};

class FileRunIdentity : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vexilor-identity-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    for (const char* f : {"sys.dat", "ellips.dat"})
      fs::copy_file(fs::path(VEXILOR_SOURCE_DIR) / "data" / f, dir_ / f);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs `c` with `extra` arguments; the results file's bytes.
  std::string Run(const Case& c, const std::string& extra) const {
    std::istringstream line(std::string(c.args) + " " + extra);
    std::vector<std::string> words;
    for (std::string w; line >> w;) words.push_back(w);
    for (const std::string& w :
         {std::string("--geoid"), (fs::path(VEXILOR_PROGRAM_DIR) / "wgeoid.mat").string(),
          (kCases / (std::string(c.name) + ".in")).string(), (dir_ / "points.out").string()})
      words.push_back(w);
    const CliParse p = ParseCliOptions(words);
    EXPECT_TRUE(p.options) << p.error;
    if (!p.options) return {};
    std::istringstream in;
    std::ostringstream out, err;
    CliStreams io{in, out, err};
    EXPECT_EQ(RunCli(*p.options, {dir_, dir_}, io), c.status) << c.name << " " << extra << err.str();
    return ReadBytes(dir_ / "points.out");
  }

  fs::path dir_;
};

TEST_F(FileRunIdentity, ResultsAreThoseOfThePointByPointProgram) {
  for (const Case& c : kRuns) {
    const std::string expected = ReadBytes(kCases / (std::string(c.name) + ".expected"));
    ASSERT_FALSE(expected.empty()) << c.name;
    // One thread, more threads than the machine has cores, every core.
    for (const char* jobs : {"--jobs 1", "--jobs 3", ""})
      EXPECT_TRUE(Run(c, jobs) == expected) << c.name << " " << jobs;
  }
}

}  // namespace
}  // namespace vexilor
