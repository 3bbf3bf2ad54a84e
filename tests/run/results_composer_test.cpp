// The bytes each results format gives one point, its head and its tail.

#include "run/results_composer.h"

#include <gtest/gtest.h>

#include <string>

#include "text/codepage.h"
#include "geodesy/angle_constants.h"
#include "support/unit_choices.h"

namespace vexilor {
namespace {

using namespace testing;  // the units the tests choose

struct ComposerCase {
  const char* what;
  ResultsSpec spec;
  SourceRecord record;
  PointResult result;
  std::string head;
  std::string point;
  std::string tail;
};

ResultsSpec Spec(ResultsFormat format, CoordType type, const SideUnits& units, const CsvDialect& source,
                 HeightType heights = HeightType::Geodetic, bool geoidColumn = false) {
  ResultsSpec s;
  s.layout = {"WGS 1984 Global Definition (WGS84)", type, units, heights, ProjectionKind::GaussKruger, geoidColumn};
  s.format = format;
  s.sourceType = CoordType::BLH;
  s.source = source;
  return s;
}

CsvDialect Source(char delimiter, char decimal, TextEncoding encoding, const std::string& header = "") {
  CsvDialect d;
  d.delimiter = delimiter;
  d.decimal = decimal;
  d.encoding = encoding;
  d.crlf = encoding == TextEncoding::kCp1251;
  d.headerLine = header.empty() ? 0 : 1;
  d.header = header;
  return d;
}

// 55°45'08.05099" N, 37°36'49.41573" E (10° W for the west), 154.3214 m.
const PointResult kMoscow{{(55 + 45 / 60.0 + 8.05099 / 3600) * kRadiansPerDegree,
                           (37 + 36 / 60.0 + 49.41573 / 3600) * kRadiansPerDegree, 154.3214},
                          14.25f};
const PointResult kWest{{55.5 * kRadiansPerDegree, 350 * kRadiansPerDegree, 10}, 0};

std::string Cp1251(const std::string& text) { return Utf8ToCp1251(text); }

TEST(ResultsComposer, EachFormatWritesItsPoint) {
  const CsvDialect ruSheet = Source(';', ',', TextEncoding::kCp1251, Cp1251("Пункт;Широта;Долгота;Высота;Код"));
  const CsvDialect plain = Source(',', '.', TextEncoding::kUtf8, "name,lat,lon,h,name,,code");
  const std::string code = Cp1251(";репер");
  const std::string quoted = Cp1251("\"Репер\"");
  const std::string plainName = Cp1251("Репер");
  const ComposerCase cases[] = {
      {"CSV as a Russian spreadsheet wrote it, d m s and the quasi-geoid",
       Spec(ResultsFormat::kCsv, CoordType::BLH, kInDegMinSec, ruSheet, HeightType::Normal, true),
       {{}, "RP12", code}, kMoscow,
       Cp1251("Пункт;Широта;Долгота;Высота;zeta;Код\r\n"),
       "RP12;55 45 08,05099;37 36 49,41573;154,3214;14,25" + code + "\r\n", ""},
      {"CSV from an .in, in UTF-8 for a terminal",
       [] {
         ResultsSpec s = Spec(ResultsFormat::kCsv, CoordType::xyH, kInKilometres, InSourceDialect(std::nullopt));
         s.utf8 = true;
         return s;
       }(),
       {{}, "17", ""}, {{6181699.0886, 7413344.6199, 150}, 0}, "", "17;6181,6990886;7413,3446199;0,1500000\n", ""},
      {"CSV in Windows-1251 written as UTF-8",
       [&] {
         ResultsSpec s = Spec(ResultsFormat::kCsv, CoordType::BLH, kInDegrees, ruSheet);
         s.utf8 = true;
         return s;
       }(),
       {{}, quoted, code}, kWest, "Пункт;Широта;Долгота;Высота;Код\n",
       "\"Репер\";55,5000000000;350,0000000000;10,0000;репер\n", ""},
      {"GeoJSON with geodetic heights: a third coordinate",
       Spec(ResultsFormat::kGeoJson, CoordType::BLH, kInDegMinSec, plain, HeightType::Geodetic, true),
       {{}, "\"RP \"\"12\"\"\"", ",a,b,c\\d"}, kMoscow,
       "{\"type\":\"FeatureCollection\",\"features\":[\n",
       "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[37.613726592,55.752236386,154.3214]},"
       "\"properties\":{\"name\":\"RP \\\"12\\\"\",\"zeta\":14.2500,\"field5\":\"a\",\"field6\":\"b\",\"code\":"
       "\"c\\\\d\"}}",
       "\n]}\n"},
      {"GeoJSON with normal heights: no third coordinate, west negative",
       Spec(ResultsFormat::kGeoJson, CoordType::BLH, kInDegrees, ruSheet, HeightType::Normal),
       {{}, plainName, code}, kWest, "{\"type\":\"FeatureCollection\",\"features\":[\n",
       "{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[-10.000000000,55.500000000]},"
       "\"properties\":{\"name\":\"Репер\",\"normalHeight\":10.0000,\"Код\":\"репер\"}}",
       "\n]}\n"},
      {".out in UTF-8 for a terminal",
       [] {
         ResultsSpec s = Spec(ResultsFormat::kOut, CoordType::XYZ, kInMetres, {});
         s.utf8 = true;
         return s;
       }(),
       {{}, "17", ""}, {{2846123.4567, -1.5, 0}, 0},
       "Система координат: WGS 1984 Global Definition (WGS84)\nТип координат: XYZ\n"
       "Размерность координат: метры\n\n",
       "     1    2846123.4567         -1.5000          0.0000\n", ""},
      {"GPX",
       Spec(ResultsFormat::kGpx, CoordType::BLH, kInDegMin, plain, HeightType::Normal, true),
       {{}, "<A&B>", ",,x,"}, kWest,
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
       "<gpx version=\"1.1\" creator=\"Vexilor\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n",
       "<wpt lat=\"55.500000000\" lon=\"-10.000000000\"><ele>10.0000</ele><geoidheight>0.0000</geoidheight>"
       "<name>&lt;A&amp;B&gt;</name><desc>x</desc></wpt>\n",
       "</gpx>\n"},
  };
  for (const ComposerCase& c : cases) {
    const auto composer = MakeResultsComposer(c.spec);
    EXPECT_EQ(composer->Head(), c.head) << c.what;
    std::string point;
    composer->AppendPoint(point, 1, c.record, c.result);
    EXPECT_EQ(point, c.point) << c.what;
    EXPECT_EQ(composer->Tail(), c.tail) << c.what;
  }
}

}  // namespace
}  // namespace vexilor
