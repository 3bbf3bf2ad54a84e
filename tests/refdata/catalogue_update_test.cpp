// A user's copy of the catalogue, made from an earlier program, gains the
// systems the program's catalogue added since, and nothing else.

#include "refdata/catalogue_update.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "refdata/coord_system_record.h"
#include "refdata/ellipsoid_record.h"
#include "refdata/reference_lines.h"
#include "support/raw_files.h"
#include "support/temp_folder.h"
#include "text/codepage.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

const fs::path kShipped = fs::path(VEXILOR_SOURCE_DIR) / "data";
const std::vector<std::string> kAdded = {"Russia 2002 Global Coordinate System (ПЗ-90.02)",
                                         "Russia 2011 Global Coordinate System (ПЗ-90.11)",
                                         "Russia 2011 Geodetic Coordinate System (ГСК-2011)"};

std::vector<std::string> LinesOf(const fs::path& file) {
  std::vector<std::string> lines;
  EXPECT_EQ(ReadReferenceLines(file.string(), lines), ReferenceFileError::kNone) << file;
  return lines;
}

std::string Bytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += Utf8ToCp1251(line) + "\r\n";
  return bytes;
}

bool Named(const std::string& line, std::string_view name) {
  CoordSystem system;
  return ParseSystemLine(line, system) == RecordError::kNone && system.name == name;
}

class CatalogueUpdateTest : public ::testing::Test {
 protected:
  CatalogueUpdateTest() {
    for (const char* name : {"sys.dat", "ellips.dat", "additions.dat"}) fs::copy_file(kShipped / name, program.path() / name);
    // The first catalogue: today's without the added systems.
    for (const std::string& line : LinesOf(kShipped / "sys.dat")) {
      if (std::none_of(kAdded.begin(), kAdded.end(), [&](const std::string& n) { return Named(line, n); }))
        firstSystems.push_back(line);
    }
  }

  testing::TempFolder program, user;
  std::vector<std::string> firstSystems;
};

TEST_F(CatalogueUpdateTest, ACopyOfTheFirstCatalogueGainsExactlyTheNewSystems) {
  // The user added a system, edited СК-95's Dx and removed МСК-42.
  std::vector<std::string> own = firstSystems;
  own.erase(std::find_if(own.begin(), own.end(), [](const std::string& l) { return l.find("(MCK42)") != l.npos; }));
  for (std::string& line : own)
    if (line.find("(CK95)") != line.npos) line.replace(line.find("25.9 "), 5, "26.1 ");
  own.insert(own.begin(), "A local system 20 1 2 3 0 0 0 0 PZ90 27");
  const std::string before = Bytes(own);
  WriteBytes(user.path() / "sys.dat", before);
  fs::copy_file(kShipped / "ellips.dat", user.path() / "ellips.dat");

  const CatalogueUpdate update = UpdateUserCatalogue(program.path(), user.path());
  EXPECT_EQ(update.error, ReferenceFileError::kNone);
  EXPECT_EQ(update.addedSystems, kAdded);
  std::vector<std::string> expected = own;
  for (const std::string& line : LinesOf(kShipped / "sys.dat"))
    if (std::any_of(kAdded.begin(), kAdded.end(), [&](const std::string& n) { return Named(line, n); }))
      expected.push_back(line);
  std::sort(expected.begin(), expected.end());
  std::vector<std::string> now = LinesOf(user.path() / "sys.dat");
  std::sort(now.begin(), now.end());
  EXPECT_EQ(now, expected);
  EXPECT_EQ(ReadBytes(user.path() / "sys.bac"), before);
  EXPECT_FALSE(fs::exists(user.path() / "ellips.bac"));  // ellips.dat held every ellipsoid
  EXPECT_EQ(ReadBytes(user.path() / "catalogue.revision"), "2\r\n");

  // Recorded: the next start adds nothing, even what the user removes now.
  WriteBytes(user.path() / "sys.dat", before);
  EXPECT_TRUE(UpdateUserCatalogue(program.path(), user.path()).addedSystems.empty());
  EXPECT_EQ(ReadBytes(user.path() / "sys.dat"), before);
}

// A user's ellips.dat that lacks ГСК-2011 and gave its number 28 to an
// ellipsoid of its own takes ГСК-2011's under a free number.
TEST_F(CatalogueUpdateTest, AnEllipsoidTheCopyLacksIsAppendedUnderAFreeNumber) {
  WriteBytes(user.path() / "sys.dat", Bytes(firstSystems));
  std::vector<std::string> ellipsoids = LinesOf(kShipped / "ellips.dat");
  ellipsoids.back() = "Own 28 6378200 298.3";
  WriteBytes(user.path() / "ellips.dat", Bytes(ellipsoids));

  ASSERT_EQ(UpdateUserCatalogue(program.path(), user.path()).addedSystems, kAdded);
  const std::vector<std::string> now = LinesOf(user.path() / "ellips.dat");
  ASSERT_EQ(now.size(), ellipsoids.size() + 1);
  Ellipsoid appended;
  ASSERT_EQ(ParseEllipsoidLine(now.back(), appended), RecordError::kNone);
  EXPECT_EQ(appended.name, "ГСК-2011");
  EXPECT_EQ(appended.number, 29);
  const std::vector<std::string> systems = LinesOf(user.path() / "sys.dat");
  const auto gsk = std::find_if(systems.begin(), systems.end(), [](const std::string& l) { return Named(l, kAdded[2]); });
  ASSERT_NE(gsk, systems.end());
  CoordSystem system;
  ASSERT_EQ(ParseSystemLine(*gsk, system), RecordError::kNone);
  EXPECT_EQ(system.ellipsoidNumber, 29);
  EXPECT_TRUE(fs::exists(user.path() / "ellips.bac"));
}

}  // namespace
}  // namespace vexilor
