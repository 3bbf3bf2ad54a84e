// CSV as spreadsheets and survey software write it - every delimiter,
// decimal separator, encoding, with and without a header and fields of
// the user's own - is read, transformed and written back in its own
// dialect, its coordinates those of the same points through .in and .out.

#include "run/csv_dialect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "text/codepage.h"
#include "run/run_transformation.h"
#include "support/engine_test_support.h"
#include "support/raw_files.h"
#include "support/standard_sides.h"
#include "support/unit_choices.h"

namespace vexilor {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

enum class Bytes { kUtf8, kUtf8WithMark, kCp1251 };

struct Dialect {
  char delimiter;
  char decimal;
  Bytes bytes;
  bool header;
  bool extras;
};

struct Point {
  const char* name;
  const char* b;  // degrees, "." as decimal separator
  const char* l;
  const char* h;
};

const Point kPoints[] = {{"1", "55.7522", "37.6156", "150.0"},
                         {"RP12", "59.9386", "30.3141", "10.25"},
                         {"\"Репер 3\"", "43.1056", "131.8735", "-25"}};

std::string WithDecimal(std::string number, char decimal) {
  std::replace(number.begin(), number.end(), '.', decimal);
  return number;
}

// The fields after the coordinates: a note holding the delimiter, quoted.
std::string Extras(const Dialect& d) {
  if (!d.extras) return "";
  return std::string(1, d.delimiter) + "репер" + d.delimiter + "\"стена" + d.delimiter + " дом\"";
}

std::string InFileBytes(const std::string& text, const Dialect& d, bool crlf) {
  std::string lines = text;
  if (crlf) {
    std::string withCr;
    for (char c : lines) withCr += c == '\n' ? std::string("\r\n") : std::string(1, c);
    lines = withCr;
  }
  switch (d.bytes) {
    case Bytes::kUtf8: return lines;
    case Bytes::kUtf8WithMark: return std::string(kByteOrderMark) + lines;
    case Bytes::kCp1251: break;
  }
  return Utf8ToCp1251(lines);
}

std::string Joined(const std::vector<std::string>& fields, char delimiter) {
  std::string line;
  for (const std::string& f : fields) line += (line.empty() ? "" : std::string(1, delimiter)) + f;
  return line;
}

class CsvDialectTest : public ::testing::Test {
 protected:
  // СК-42 degrees to СК-42 Gauss-Krüger metres: the values of the .out
  // are single words, the source's format is all the test is about.
  RunRequest Request(const std::string& source, const std::string& results) const {
    RunRequest r;
    r.route.source = testing::Ck42Side(CoordType::BLH);
    r.route.target = testing::Ck42Side(CoordType::xyH);
    r.route.projection.target = testing::GaussKrugerSlots();
    r.route.heights = HeightType::Geodetic;
    r.units = {testing::kInDegrees, testing::kInMetres};
    r.sourceFile = folder.PathOf(source);
    r.resultsFile = folder.PathOf(results);
    r.formats = {SourceFormatOfName(source), ResultsFormatOfName(results), std::nullopt, false};
    return r;
  }

  ResultCode Run(const RunRequest& r) const {
    RunCounters counters;
    std::int16_t headerWritten = 0;
    RunResult result;
    return RunTransformation(r, counters, headerWritten, result);
  }

  // x, y and H of each point as the .out gives them.
  std::vector<std::vector<std::string>> OutValues() {
    std::string in = "BLH\r\n";
    for (std::size_t k = 0; k < std::size(kPoints); ++k)
      in += std::to_string(k + 1) + " " + kPoints[k].b + " " + kPoints[k].l + " " + kPoints[k].h + "\r\n";
    WriteBytes(folder / "points.in", in);
    EXPECT_EQ(Run(Request("points.in", "points.out")), kOk);
    std::istringstream out(ReadBytes(folder / "points.out"));
    std::vector<std::vector<std::string>> values;
    std::string line;
    for (int header = 0; header < 5; ++header) std::getline(out, line);
    while (std::getline(out, line)) {
      std::istringstream words(line);
      std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
      values.push_back({w[1], w[2], w[3]});
    }
    return values;
  }

  TempFolder folder;
};

TEST_F(CsvDialectTest, EveryDialectComesBackAsItWasWithTheCoordinatesOfTheOut) {
  const std::vector<std::vector<std::string>> out = OutValues();
  ASSERT_EQ(out.size(), std::size(kPoints));
  std::vector<Dialect> dialects;
  for (char delimiter : {',', ';', '\t'})
    for (char decimal : {'.', ','})
      for (Bytes bytes : {Bytes::kUtf8, Bytes::kUtf8WithMark, Bytes::kCp1251})
        for (bool header : {false, true})
          for (bool extras : {false, true})
            if (decimal != delimiter) dialects.push_back({delimiter, decimal, bytes, header, extras});
  for (std::size_t i = 0; i < dialects.size(); ++i) {
    const Dialect& d = dialects[i];
    const bool crlf = i % 2 == 1;
    SCOPED_TRACE("delimiter " + std::string(1, d.delimiter) + ", decimal " + d.decimal + ", bytes " +
                 std::to_string(static_cast<int>(d.bytes)) + (d.header ? ", header" : "") +
                 (d.extras ? ", extras" : "") + (crlf ? ", CR LF" : ""));
    std::string source, expected;
    if (d.header) {
      const std::string tail = d.extras ? std::string(1, d.delimiter) + "Код" + d.delimiter + "Примечание" : "";
      source += Joined({"Пункт", "B", "L", "H"}, d.delimiter) + tail + "\n# перенесено из журнала\n";
      expected += Joined({"Пункт", "x", "y", "H"}, d.delimiter) + tail + "\n";
    }
    for (std::size_t k = 0; k < std::size(kPoints); ++k) {
      const Point& p = kPoints[k];
      source += Joined({p.name, WithDecimal(p.b, d.decimal), WithDecimal(p.l, d.decimal), WithDecimal(p.h, d.decimal)},
                       d.delimiter) + Extras(d) + "\n\n";
      expected += Joined({p.name, WithDecimal(out[k][0], d.decimal), WithDecimal(out[k][1], d.decimal),
                          WithDecimal(out[k][2], d.decimal)},
                         d.delimiter) + Extras(d) + "\n";
    }
    WriteBytes(folder / "points.csv", InFileBytes(source, d, crlf));
    ASSERT_EQ(Run(Request("points.csv", "results.csv")), kOk);
    EXPECT_EQ(ReadBytes(folder / "results.csv"), InFileBytes(expected, d, crlf));
  }
}

struct DetectionCase {
  const char* what;
  std::string bytes;
  std::optional<char> delimiter;  // given
  char foundDelimiter;
  char decimal;
  TextEncoding encoding;
  std::int32_t headerLine;
};

TEST(DetectCsvDialect, FindsTheDialectFromTheHeadOfTheFile) {
  const DetectionCase cases[] = {
      {"notes full of semicolons", "1,55.7,37.6,150,a;b;c;d\n2,55.8,37.7,150,e;f;g;h\n", std::nullopt, ',', '.',
       TextEncoding::kUtf8, 0},
      {"whole degrees", "1;55;37;150\n", std::nullopt, ';', '.', TextEncoding::kUtf8, 0},
      {"a decimal comma after whole numbers", "1;55;37;150\n2;55,5;37;150\n", std::nullopt, ';', ',',
       TextEncoding::kUtf8, 0},
      {"a header after comments", "# 1;2;3;4\n\nN\tB\tL\tH\n1\t55.7\t37.6\t1\n", std::nullopt, '\t', '.',
       TextEncoding::kUtf8, 3},
      {"a header alone", Utf8ToCp1251("Пункт;Широта;Долгота;Высота\r\n"), std::nullopt, ';', '.',
       TextEncoding::kCp1251, 1},
      // the line reads as no point with the delimiter given: a header
      {"the delimiter given", "1;55,7;37,6;150\n", ',', ',', '.', TextEncoding::kUtf8, 1},
      {"nothing", "", std::nullopt, '\t', '.', TextEncoding::kUtf8, 0},
  };
  TempFolder folder;
  for (const DetectionCase& c : cases) {
    WriteBytes(folder / "points.csv", c.bytes);
    CsvDialect d;
    ASSERT_EQ(DetectCsvDialect(folder.PathOf("points.csv"), c.delimiter, CoordType::BLH, testing::kInDegrees, d), kOk)
        << c.what;
    EXPECT_EQ(d.delimiter, c.foundDelimiter) << c.what;
    EXPECT_EQ(d.decimal, c.decimal) << c.what;
    EXPECT_EQ(d.encoding, c.encoding) << c.what;
    EXPECT_EQ(d.headerLine, c.headerLine) << c.what;
  }
  CsvDialect untouched;
  untouched.delimiter = '|';
  EXPECT_EQ(DetectCsvDialect(folder.PathOf("missing.csv"), std::nullopt, CoordType::BLH, testing::kInDegrees,
                             untouched),
            kSourceFileNotOpened);
  EXPECT_EQ(untouched.delimiter, '|');
}

}  // namespace
}  // namespace vexilor
