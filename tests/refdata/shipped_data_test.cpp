// The reference files delivered with the program: they must read cleanly,
// be written exactly as the program itself writes them, and hold the
// ellipsoids, systems and links that the standard systems need.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "geodesy/datum.h"
#include "refdata/coord_system_record.h"
#include "refdata/ellipsoid_record.h"
#include "refdata/local_system_key.h"
#include "refdata/reference_file.h"
#include "refdata/reference_path.h"
#include "refdata/system_choice.h"
#include "refdata/system_lookup.h"
#include "support/raw_files.h"

namespace vexilor {
namespace {

std::string DataFolder() {
  return (std::filesystem::path(VEXILOR_SOURCE_DIR) / "data").string();
}

std::string DataFile(std::string_view name) { return ReferenceFilePath(DataFolder(), name); }

class ShippedFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedFile, IsWindows1251WithCrLfLineEnds) {
  const std::string bytes = testing::ReadBytes(DataFile(GetParam()));
  ASSERT_FALSE(bytes.empty());
  ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == '\n') {
      EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare line feed at byte " << i;
    }
    if (byte == '\r') {
      EXPECT_EQ(bytes[i + 1], '\n') << "bare carriage return at byte " << i;  // the file ends in CR LF
    }
    EXPECT_NE(byte, 0x98) << "byte with no character in Windows-1251 at " << i;
    EXPECT_FALSE(byte < 0x20 && byte != '\r' && byte != '\n') << "control byte at " << i;
  }
  // Text in UTF-8 would show as pairs of 0xD0/0xD1 lead bytes.
  EXPECT_EQ(bytes.find("\xD0\x9F"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedFile, ::testing::Values("ellips.dat", "sys.dat", "keys.dat"));

struct ShippedCatalogue : ::testing::Test {
  SystemLines systems;
  EllipsoidLines ellipsoids;

  void SetUp() override {
    ASSERT_EQ(LoadSystemLines(DataFile("sys.dat"), systems), ReferenceFileError::kNone);
    ASSERT_EQ(LoadEllipsoidLines(DataFile("ellips.dat"), ellipsoids), ReferenceFileError::kNone);
  }

  SystemChoice Choose(std::string_view code) {
    SystemChoice choice;
    const std::int16_t index = FindSystemLine(systems, code);
    EXPECT_NE(index, 0) << code;
    EXPECT_EQ(ChooseSystem(systems, ellipsoids, index, choice).error, ChoiceError::kNone) << code;
    return choice;
  }
};

TEST_F(ShippedCatalogue, EllipsoidsAreNumberedDenselyAndWrittenAsTheProgramWritesThem) {
  std::vector<std::string> raw;
  ASSERT_EQ(ReadReferenceLines(DataFile("ellips.dat"), raw), ReferenceFileError::kNone);
  ASSERT_GE(raw.size(), 28u);
  for (std::size_t i = 0; i < raw.size(); ++i) {
    Ellipsoid e;
    ASSERT_EQ(ParseEllipsoidLine(raw[i], e), RecordError::kNone) << raw[i];
    EXPECT_EQ(e.number, static_cast<int>(i + 1)) << raw[i];
    EXPECT_EQ(FormatEllipsoidLine(e), raw[i]);
    // The bounds a new ellipsoid must meet hold for the shipped ones too.
    EXPECT_LE(e.name.size(), 26u);
    EXPECT_TRUE(e.a >= 6200000 && e.a <= 6400000) << raw[i];
    EXPECT_TRUE(e.invf >= 290 && e.invf <= 305) << raw[i];
  }
}

TEST_F(ShippedCatalogue, HoldsThePublishedEllipsoids) {
  struct Published {
    std::int16_t number;
    double a;
    double invf;
  };
  // 21 and 27 are the bases' numbers that sys.dat refers to.
  for (const Published& p : {Published{21, 6378137, 298.257223563}, Published{27, 6378136, 298.25784}}) {
    Ellipsoid e;
    ASSERT_EQ(FindEllipsoid(ellipsoids, p.number, e), EllipsoidSearch::kFound);
    EXPECT_EQ(e.a, p.a) << e.name;
    EXPECT_EQ(e.invf, p.invf) << e.name;
  }
  struct Named {
    const char* name;
    double a;
    double invf;
  };
  for (const Named& n : {Named{"Krassovsky 1940", 6378245, 298.3}, Named{"GRS 1980", 6378137, 298.257222101},
                         Named{"ГСК-2011", 6378136.5, 298.2564151}}) {
    bool found = false;
    for (const std::string& line : ellipsoids) {
      Ellipsoid e;
      if (ParseEllipsoidLine(line, e) == RecordError::kNone && e.name == n.name) {
        found = true;
        EXPECT_EQ(e.a, n.a) << n.name;
        EXPECT_EQ(e.invf, n.invf) << n.name;
      }
    }
    EXPECT_TRUE(found) << n.name;
  }
}

TEST_F(ShippedCatalogue, SystemsAreSortedAndWrittenAsTheProgramWritesThem) {
  std::vector<std::string> raw;
  ASSERT_EQ(ReadReferenceLines(DataFile("sys.dat"), raw), ReferenceFileError::kNone);
  ASSERT_EQ(raw.size(), 10u);
  for (std::size_t i = 0; i < raw.size(); ++i) {
    CoordSystem s;
    ASSERT_EQ(ParseSystemLine(raw[i], s), RecordError::kNone) << raw[i];
    EXPECT_EQ(FormatSystemLine(s), raw[i]);
    if (i > 0) {
      EXPECT_LT(raw[i - 1], raw[i]);
    }
  }
}

TEST_F(ShippedCatalogue, ListsTheSevenStandardSystemsUnderTheirFullNames) {
  for (const char* name : {"Russia 1942 Coordinate Reference System (CK42)",
                           "Russia 1963 Local Coordinate Reference System (CK63)",
                           "Russia 1995 Coordinate Reference System (CK95)", "Russia 1990 Global Coordinate System (ПЗ-90)",
                           "WGS 1984 Global Definition (WGS84)", "Russia 1942 Local User Defined System (MCK42)",
                           "Russia 1995 Local User Defined System (MCK95)"}) {
    const std::int16_t index = FindSystemLine(systems, name);
    ASSERT_NE(index, 0) << name;
    CoordSystem s;
    ASSERT_EQ(ParseSystemLine(systems.Item(index), s), RecordError::kNone);
    EXPECT_EQ(s.name, name);
  }
}

// Link parameters of GOST R 51794-2008 in the coordinate-frame convention:
// Dx, Dy, Dz (m), Wx, Wy, Wz (arc seconds), m.
TEST_F(ShippedCatalogue, CarriesThePublishedLinks) {
  struct Link {
    const char* code;
    const char* base;
    LinkParams link;
    double a;
  };
  const LinkParams ck42{25, -141, -80, 0, -0.35, -0.66, 0};
  const LinkParams ck95{25.90, -130.94, -81.76, 0, 0, 0, 0};
  for (const Link& l : {Link{"CK42", kPz90Name.c_str(), ck42, 6378245}, Link{"CK63", kPz90Name.c_str(), ck42, 6378245},
                        Link{"MCK42", kPz90Name.c_str(), ck42, 6378245}, Link{"CK95", kPz90Name.c_str(), ck95, 6378245},
                        Link{"MCK95", kPz90Name.c_str(), ck95, 6378245},
                        Link{"PZ90", kWgs84Name.c_str(), {-1.08, -0.27, -0.90, 0, 0, -0.16, -0.12e-6}, 6378136},
                        Link{"WGS84", kPz90Name.c_str(), {1.08, 0.27, 0.90, 0, 0, 0.16, 0.12e-6}, 6378137},
                        // GOST 32453-2017 (EPSG 7702, 7704, 7705), each taken to ПЗ-90.
                        Link{"PZ90.02", kPz90Name.c_str(), {1.07, 0.03, -0.02, 0, 0, 0.13, 0.22e-6}, 6378136},
                        Link{"PZ90.11", kPz90Name.c_str(),
                             {1.443, -0.156, -0.222, 0.0023, -0.00354, 0.13421, 0.228e-6}, 6378136},
                        Link{"GSK2011", kPz90Name.c_str(),
                             {1.443, -0.142, -0.23, 0.001738, -0.003559, 0.134263, 0.2274e-6}, 6378136.5}}) {
    const SystemChoice choice = Choose(l.code);
    EXPECT_EQ(choice.baseName, l.base) << l.code;
    EXPECT_EQ(choice.vector[1], l.a) << l.code;
    EXPECT_EQ(choice.vector.Link(), l.link) << l.code;
  }
}

// Through their common base ПЗ-90 the links of СК-42 and СК-95 and that of
// ПЗ-90.11 compose, to first order, into the direct СК-42 → ПЗ-90.11 and
// СК-95 → ПЗ-90.11 parameters that GOST 32453-2017 publishes.
TEST_F(ShippedCatalogue, ChainsToTheStandardsDirectLinks) {
  const LinkParams toPz9011 = Choose("PZ90.11").vector.Link();
  const LinkParams ck42Direct{23.557, -140.844, -79.778, -0.0023, -0.34646, -0.79421, -0.228e-6};
  const LinkParams ck95Direct{24.457, -130.784, -81.538, -0.0023, 0.00354, -0.13421, -0.228e-6};
  for (const auto& [code, direct] : {std::pair{"CK42", ck42Direct}, std::pair{"CK95", ck95Direct}}) {
    const LinkParams link = Choose(code).vector.Link();
    for (std::size_t k = 0; k < direct.size(); ++k) EXPECT_NEAR(link[k] - toPz9011[k], direct[k], 1e-12) << code << k;
  }
}

TEST_F(ShippedCatalogue, LinksTheTwoGlobalSystemsBothWays) {
  GlobalLinkParams there{};
  GlobalLinkParams back{};
  ASSERT_EQ(FindGlobalLink(systems, kPz90Name, kWgs84Name, there), GlobalLinkSearch::kLinked);
  ASSERT_EQ(FindGlobalLink(systems, kWgs84Name, kPz90Name, back), GlobalLinkSearch::kLinked);
  for (std::size_t k = 0; k < there.size(); ++k) EXPECT_EQ(back[k], -there[k]) << k;
  // A СК-42 point reaches WGS-84 through its base ПЗ-90.
  EXPECT_EQ(Choose("CK42").vector[3], 6378136);
  EXPECT_EQ(Choose("WGS84").vector[3], 6378136);
  EXPECT_EQ(Choose("PZ90").vector[3], 6378137);
}

TEST(ShippedKeys, EveryExampleIsFoundAndWithinTheAcceptedRanges) {
  struct Example {
    const char* name;
    bool region;  // СК63: x0 in minutes of arc
  };
  for (const Example& e : {Example{"example-mck42", false}, Example{"EXAMPLE-MCK95", false},
                           Example{"Example-CK63-C", true}, Example{"EXAMPLE-CK63-K", true}}) {
    LocalSystemKey key;
    ASSERT_EQ(FindLocalSystemKey(DataFile("keys.dat"), e.name, key), KeysSearch::kFound) << e.name;
    EXPECT_LT(std::abs(key.axialMeridian), 360) << e.name;
    EXPECT_TRUE(key.zoneWidth >= 0.5 && key.zoneWidth <= 15) << e.name;
    EXPECT_LE(std::abs(key.falseOriginX), e.region ? 60 : 10000) << e.name;
    EXPECT_TRUE(key.falseOriginY >= 65 * key.zoneWidth && key.falseOriginY < 1000) << e.name;
  }
}

}  // namespace
}  // namespace vexilor
