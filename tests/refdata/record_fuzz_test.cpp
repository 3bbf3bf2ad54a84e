// Damaged reference lines, made by seeded random mutation of good ones, must
// either parse into finite values that survive a write and a read, or be
// refused cleanly with the record left untouched.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "text/codepage.h"
#include "refdata/coord_system_record.h"
#include "refdata/ellipsoid_record.h"
#include "refdata/system_choice.h"

namespace vexilor {
namespace {

// Words that stress the numeric reader and the 16-bit keys.
const std::vector<std::string> kNastyWords = {
    "1e999", "-1e400", "1e-400", "4.9e-324", "2.2250738585072014e-308", "32767", "32768", "-32768", "-32769",
    "32767.5", "-32768.5", "1e5", "nan", "inf", "-", "+", ".", "e5", "1e", "0x1F", "12,5", "١٢", "",
    "999999999999999999999999", "-0", "0.1e+2", "ПЗ-90", "\xC2\xA0"};

class Mutator {
 public:
  explicit Mutator(std::uint32_t seed) : random_(seed) {}

  std::string Mutate(std::string line) {
    const int edits = Pick(1, 4);
    for (int i = 0; i < edits; ++i) {
      switch (Pick(0, 6)) {
        case 0:  // delete a stretch
          if (!line.empty()) {
            const std::size_t at = Index(line.size());
            line.erase(at, static_cast<std::size_t>(Pick(1, 8)));
          }
          break;
        case 1:  // insert random bytes, valid UTF-8 or not
          line.insert(Index(line.size() + 1), RandomBytes());
          break;
        case 2:  // replace a word by a nasty one
          line = ReplaceWord(line, kNastyWords[Index(kNastyWords.size())]);
          break;
        case 3:  // duplicate the line's words
          line += ' ' + line;
          break;
        case 4:  // truncate
          line.resize(Index(line.size() + 1));
          break;
        case 5:  // decode random Windows-1251 bytes, as a damaged file would
          line.insert(Index(line.size() + 1), Cp1251ToUtf8(RandomBytes()));
          break;
        default:  // runs of blanks
          line.insert(Index(line.size() + 1), std::string(static_cast<std::size_t>(Pick(1, 5)), ' '));
          break;
      }
    }
    return line;
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
  std::size_t Index(std::size_t size) { return size == 0 ? 0 : static_cast<std::size_t>(Pick(0, static_cast<int>(size) - 1)); }

  std::string RandomBytes() {
    std::string bytes;
    for (int k = Pick(1, 6); k > 0; --k) bytes += static_cast<char>(Pick(0, 255));
    return bytes;
  }

  std::string ReplaceWord(const std::string& line, const std::string& word) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] != ' ' && (i == 0 || line[i - 1] == ' ')) starts.push_back(i);
    }
    if (starts.empty()) return word;
    const std::size_t start = starts[Index(starts.size())];
    std::size_t end = line.find(' ', start);
    if (end == std::string::npos) end = line.size();
    return line.substr(0, start) + word + line.substr(end);
  }

  std::mt19937 random_;
};

const std::vector<std::string> kSystemSeeds = {
    "Russia 1942 Coordinate Reference System (CK42)                      20  25      -141    -80     0           0       -0.35   -0.66   PZ90        27   ",
    "Russia 1990 Global Coordinate System (ПЗ-90)                        27  -1.08   -0.27   -0.9    -1.2e-07    0       0       -0.16   WGS84       21   ",
};
const std::vector<std::string> kEllipsoidSeeds = {
    "Krassovsky 1940           20 6378245      298.3         ",
    "ГСК-2011                  28 6378136.5    298.2564151   ",
};

bool AllFinite(const LinkParams& link) {
  for (double value : link) {
    if (!std::isfinite(value)) return false;
  }
  return true;
}

TEST(DamagedLines, SystemLinesParseCleanlyOrAreRefused) {
  Mutator mutator(1942);
  int parsedCount = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string line = mutator.Mutate(kSystemSeeds[static_cast<std::size_t>(i) % kSystemSeeds.size()]);
    CoordSystem system{"kept", 1, {}, "KEEP", 2};
    const RecordError error = ParseSystemLine(line, system);
    if (error != RecordError::kNone) {
      ASSERT_TRUE(error == RecordError::kTooFewWords || error == RecordError::kBadNumber) << line;
      ASSERT_EQ(system.name, "kept") << line;
      continue;
    }
    ++parsedCount;
    ASSERT_TRUE(AllFinite(system.link)) << line;
    CoordSystem again;
    ASSERT_EQ(ParseSystemLine(FormatSystemLine(system), again), RecordError::kNone) << line;
    ASSERT_EQ(again.name, system.name) << line;
    ASSERT_EQ(again.ellipsoidNumber, system.ellipsoidNumber) << line;
    ASSERT_EQ(again.link, system.link) << line;
    ASSERT_EQ(again.parentCode, system.parentCode) << line;
    ASSERT_EQ(again.parentEllipsoidNumber, system.parentEllipsoidNumber) << line;
  }
  // Both outcomes must have been exercised for the test to mean anything.
  EXPECT_GT(parsedCount, 2000);
  EXPECT_LT(parsedCount, 18000);
}

TEST(DamagedLines, EllipsoidLinesParseCleanlyOrAreRefused) {
  Mutator mutator(1940);
  int parsedCount = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string line = mutator.Mutate(kEllipsoidSeeds[static_cast<std::size_t>(i) % kEllipsoidSeeds.size()]);
    Ellipsoid ellipsoid{"kept", 1, 2, 3};
    const RecordError error = ParseEllipsoidLine(line, ellipsoid);
    if (error != RecordError::kNone) {
      ASSERT_EQ(ellipsoid.name, "kept") << line;
      continue;
    }
    ++parsedCount;
    ASSERT_TRUE(std::isfinite(ellipsoid.a) && std::isfinite(ellipsoid.invf)) << line;
    Ellipsoid again;
    ASSERT_EQ(ParseEllipsoidLine(FormatEllipsoidLine(ellipsoid), again), RecordError::kNone) << line;
    ASSERT_EQ(again.name, ellipsoid.name) << line;
    ASSERT_EQ(again.number, ellipsoid.number) << line;
    ASSERT_EQ(again.a, ellipsoid.a) << line;
    ASSERT_EQ(again.invf, ellipsoid.invf) << line;
  }
  EXPECT_GT(parsedCount, 2000);
  EXPECT_LT(parsedCount, 18000);
}

TEST(DamagedLines, ChoosingFromADamagedCatalogueNeverHandsOverPartOfASystem) {
  Mutator mutator(1995);
  for (int i = 0; i < 3000; ++i) {
    SystemLines systems;
    EllipsoidLines ellipsoids;
    for (const std::string& seed : kSystemSeeds) systems.Append(mutator.Mutate(seed));
    for (const std::string& seed : kEllipsoidSeeds) ellipsoids.Append(mutator.Mutate(seed));
    ellipsoids.Append("WGS 84 21 6378137 298.257223563");
    ellipsoids.Append("PZ 27 6378136 298.25784");
    for (std::int16_t index = 1; index <= systems.Count(); ++index) {
      SystemChoice choice;
      const ChoiceOutcome outcome = ChooseSystem(systems, ellipsoids, index, choice);
      if (outcome.error != ChoiceError::kNone) {
        ASSERT_TRUE(choice.name.empty() && choice.baseName.empty()) << systems.Item(index);
        continue;
      }
      ASSERT_FALSE(choice.baseName.empty()) << systems.Item(index);
      for (double value : choice.vector.values) ASSERT_TRUE(std::isfinite(value)) << systems.Item(index);
    }
  }
}

}  // namespace
}  // namespace vexilor
