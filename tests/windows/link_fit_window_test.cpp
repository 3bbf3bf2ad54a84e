// The link fit window opened from the catalogue, driven as a user drives it
// on copies of the shipped reference files: two files of the same marks in
// СК-42 Gauss-Krüger and in WGS-84 X Y Z, made here by carrying the marks
// through a known link, so that the link the window finds is known.

#include "windows/link_fit_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "geodesy/angle_constants.h"
#include "geodesy/coord_type.h"
#include "geodesy/seven_parameter.h"
#include "projection/projection_kinds.h"
#include "projection/projection_record.h"
#include "state/result_messages.h"
#include "support/recording_main_window.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "windows/catalogue_window.h"
#include "windows/load_catalogue.h"
#include "windows/new_system_window.h"

namespace vexilor {
namespace {

// The link that made the WGS-84 marks of the СК-42 ones (link_params.h).
constexpr LinkParams kLink{23.5, -140.2, -80.7, -0.02, -0.36, -0.8, -1.8e-7};
// Krassovsky 1940, СК-42's ellipsoid.
constexpr double kA = 6378245.0;
constexpr double kInverseFlattening = 298.3;

struct Mark {
  std::int32_t number;
  double b, l, h;  // degrees, metres above the ellipsoid
};

// Nine marks over some 80 km near Moscow; 27 is measured 6 cm off to the
// north.
constexpr Mark kMarks[] = {{3, 55.53, 37.35, 175.4}, {8, 55.47, 37.31, 176.2}, {12, 56.06, 38.12, 227.1},
                           {15, 55.51, 37.82, 158.7}, {21, 55.49, 37.36, 150.0}, {27, 56.07, 38.15, 232.9},
                           {30, 55.98, 37.46, 163.4}, {34, 55.83, 38.04, 239.7}, {41, 56.05, 37.38, 204.8}};
constexpr std::int32_t kOutlier = 27;

std::string Line(std::int32_t number, const Coords& c) {
  std::ostringstream line;
  line << number << std::fixed << std::setprecision(6) << ' ' << c[0] << ' ' << c[1] << ' ' << c[2] << "\r\n";
  return line.str();
}

// The marks as a Gauss-Krüger file (zone in the millions) and as WGS-84
// X Y Z carried through kLink.
std::pair<std::string, std::string> MarkFiles() {
  ProjectionParams plane;
  plane.target = SideOfSet(DescriptionOf(ProjectionKind::GaussKruger).builtInSet);
  std::string source = "xyH\r\n", target = "XYZ\r\n";
  for (const Mark& m : kMarks) {
    const Coords blh{m.b * kRadiansPerDegree, m.l * kRadiansPerDegree, m.h};
    Coords xyh{}, xyz{};
    EXPECT_EQ(ConvertCoordType(kA, kInverseFlattening, CoordType::BLH, CoordType::xyH, plane, blh, xyh), kOk);
    EXPECT_EQ(ConvertCoordType(kA, kInverseFlattening, CoordType::BLH, CoordType::XYZ, plane, blh, xyz), kOk);
    Geocentric wgs;
    EXPECT_EQ(SevenParameterTransform(LinkDirection::kToBase, {xyz[0], xyz[1], xyz[2]}, kLink, wgs), kOk);
    source += Line(m.number, xyh);
    const double off = m.number == kOutlier ? 0.06 : 0.0;
    const double b = blh[0], l = blh[1];
    target += Line(m.number, {wgs.x - off * std::sin(b) * std::cos(l), wgs.y - off * std::sin(b) * std::sin(l),
                              wgs.z + off * std::cos(b)});
  }
  return {source, target};
}

class LinkFitWindow : public ::testing::Test {
 protected:
  LinkFitWindow() {
    for (const char* name : {"sys.dat", "ellips.dat"}) {
      std::filesystem::copy_file(std::filesystem::path(VEXILOR_SOURCE_DIR) / "data" / name, folder / name);
    }
    state.programFolder = folder.text();
    state.catalogueFolder = folder.text();
    catalogue.SetNewSystemWindow(newSystem);
    catalogue.SetLinkFitWindow(window);
    window.SetNewSystemWindow(newSystem);
  }

  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(folder / name, std::ios::binary) << text;
    return folder.PathOf(name);
  }

  // The catalogue for the source side, «По общим точкам…», `user` in the
  // fit window, which must hide; `after` looks at the catalogue.
  void Open(const std::function<void(FrmLinkFit&)>& user, const std::function<void(FrmCatalogue&)>& after = {}) {
    ASSERT_TRUE(LoadCatalogue(state, platform));
    platform.ExpectModal(catalogue, [&](Form&) {
      platform.ExpectModal(window, [&](Form&) { user(window); });
      ASSERT_TRUE(catalogue.cmdFit.Click());
      if (after) after(catalogue);
      if (catalogue.Visible()) catalogue.cmdCancel.Click();
    });
    platform.ShowModal(catalogue);
  }

  // Both files chosen through «Файл…».
  void ChooseFiles(const std::string& source, const std::string& target) {
    for (int set = 0; set < FrmLinkFit::kSets; ++set) {
      platform.AnswerOpenFile(set == 0 ? source : target);
      ASSERT_TRUE(window.Set(set).cmdFile.Click());
    }
  }

  testing::TempFolder folder;
  AppState state;
  ScriptedPlatform platform;
  testing::RecordingMainWindow mainWindow;
  FrmCatalogue catalogue{state, platform, mainWindow};
  FrmNewSystem newSystem{state, platform, catalogue};
  FrmLinkFit window{state, platform};
};

// The values of the new-system window's link boxes.
LinkParams LinkShown(const FrmNewSystem& frm) {
  LinkParams link{};
  for (int i = 0; i < FrmNewSystem::kLinkBoxes; ++i) link[static_cast<std::size_t>(i)] = std::stod(frm.txt1(i).Text());
  return link;
}

TEST_F(LinkFitWindow, FromTwoFilesToAFilledNewSystemWindow) {
  const auto [sourceText, targetText] = MarkFiles();
  const std::string source = Write("ck42.in", sourceText);
  const std::string target = Write("wgs84.in", targetText);
  // Neither reference file rewritten.
  for (const MessageAnswer answer : {MessageAnswer::kNo, MessageAnswer::kNo}) platform.AnswerMessage(answer);
  Open(
      [&](FrmLinkFit& frm) {
        EXPECT_EQ(frm.Set(0).cboSystem.Text(), kCk42Name);
        EXPECT_EQ(frm.Set(1).cboSystem.Text(), kWgs84Name);
        ChooseFiles(source, target);
        // The type from the files' first lines; heights geodetic without a grid.
        EXPECT_EQ(frm.Set(0).cboType.Text(), "x y H");
        EXPECT_TRUE(frm.Set(0).cboProjection.Visible());
        EXPECT_EQ(frm.Set(0).cboProjection.Text(), "Гаусса - Крюгера");
        EXPECT_TRUE(frm.Set(0).optGeodesy.Checked());
        EXPECT_EQ(frm.Set(1).cboType.Text(), "X Y Z");
        EXPECT_FALSE(frm.Set(1).optNormal.Visible());
        EXPECT_FALSE(frm.cmdAdd.Enabled());

        ASSERT_TRUE(frm.cmdFit.Click());
        ASSERT_EQ(frm.lstPoints.ListCount(), 9);
        const int outlier = 5;
        EXPECT_TRUE(frm.lstPoints.Items()[outlier].starts_with("да       27")) << frm.lstPoints.Items()[outlier];
        EXPECT_TRUE(frm.lstPoints.Items()[outlier].ends_with("> 3σ")) << frm.lstPoints.Items()[outlier];
        EXPECT_NE(frm.txtReport.Text().find("За пределами 3σ: 27"), std::string::npos) << frm.txtReport.Text();
        EXPECT_TRUE(frm.cmdAdd.Enabled());

        // Leaving the point out marks its row and holds the link back until
        // it is fitted again.
        ASSERT_TRUE(frm.lstPoints.Choose(outlier));
        EXPECT_TRUE(frm.chkUse.Checked());
        ASSERT_TRUE(frm.chkUse.Click());
        EXPECT_TRUE(frm.lstPoints.Items()[outlier].starts_with("нет      27")) << frm.lstPoints.Items()[outlier];
        EXPECT_FALSE(frm.cmdAdd.Enabled());
        EXPECT_TRUE(frm.lblRefit.Visible());
        ASSERT_TRUE(frm.cmdFit.Click());
        EXPECT_FALSE(frm.lblRefit.Visible());
        EXPECT_NE(frm.txtReport.Text().find("Пунктов: 8, исключено 1"), std::string::npos)
            << frm.txtReport.Text();
        EXPECT_NE(frm.txtReport.Text().find("За пределами 3σ: 27"), std::string::npos) << frm.txtReport.Text();

        platform.ExpectModal(newSystem, [&](Form&) {
          EXPECT_EQ(newSystem.txtEll(2).Text(), "Krassovsky 1940");
          EXPECT_EQ(newSystem.txtEll(0).Text(), "6378245.000");
          EXPECT_EQ(newSystem.cboSystem.Text(), "WGS-84");
          EXPECT_TRUE(newSystem.optRotation(0).Checked());
          const LinkParams onWgs84 = LinkShown(newSystem);
          for (std::size_t k = 0; k < kLink.size(); ++k) {
            const double tolerance = k < kLinkWx ? 1e-3 : k < kLinkScale ? 1e-5 : 1e-10;
            EXPECT_NEAR(onWgs84[k], kLink[k], tolerance) << k;
          }
          // Onto ПЗ-90 through the catalogue's WGS-84 line (1.08 0.27 0.9 m, 0.16″, 1.2e-7).
          ASSERT_TRUE(newSystem.cboSystem.Choose(1));
          const LinkParams onPz90 = LinkShown(newSystem);
          EXPECT_DOUBLE_EQ(onPz90[kLinkDx], onWgs84[kLinkDx] + 1.08);
          EXPECT_DOUBLE_EQ(onPz90[kLinkWz], onWgs84[kLinkWz] + 0.16);
          ASSERT_TRUE(newSystem.txtNewName.ReplaceText("Съемка 2024"));
          ASSERT_TRUE(newSystem.cmdOK.Click());
          EXPECT_FALSE(newSystem.Visible());
        });
        ASSERT_TRUE(frm.cmdAdd.Click());
        ASSERT_TRUE(frm.cmdClose.Click());
      },
      [&](FrmCatalogue& frm) {
        EXPECT_EQ(frm.lstSys.Text(), "Съемка 2024");
        EXPECT_TRUE(frm.cmdOK.HasFocus());
      });
  EXPECT_EQ(platform.Messages().size(), 2u);  // whether to rewrite each file
}

// A refusal of the fit, worded in the window's messages; no link is left
// to add. The files: X Y Z on both sides, the second shifted.
struct RefusalCase {
  const char* label;
  std::string source, target;  // point lines after the type line
  bool shifts;                 // the model of three shifts
  int sourceType;              // chosen after the file; -1 keeps the file's
  std::vector<MessageAnswer> answers;
  std::string (*message)(const std::string& source, const std::string& target);
  int rows;  // of the table of residuals afterwards
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.label; }

class LinkFitRefusals : public LinkFitWindow, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LinkFitRefusals, AreWordedAndLeaveNoLink) {
  const RefusalCase& c = GetParam();
  const std::string source = Write("source.in", "XYZ\r\n" + c.source);
  const std::string target = Write("target.in", "XYZ\r\n" + c.target);
  for (const MessageAnswer answer : c.answers) platform.AnswerMessage(answer);
  Open([&](FrmLinkFit& frm) {
    ChooseFiles(source, target);
    if (c.sourceType >= 0) {
      ASSERT_TRUE(frm.Set(0).cboType.Choose(c.sourceType));
    }
    if (c.shifts) {
      ASSERT_TRUE(frm.optShifts.Click());
    }
    ASSERT_TRUE(frm.cmdFit.Click());
    EXPECT_EQ(frm.lstPoints.ListCount(), c.rows);
    EXPECT_EQ(frm.cmdAdd.Enabled(), c.rows > 0);
    ASSERT_TRUE(frm.cmdClose.Click());
  });
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_TRUE(platform.Messages()[0].text.starts_with(c.message(source, target))) << platform.Messages()[0].text;
  EXPECT_EQ(platform.Messages()[0].title, "Параметры связи по общим точкам");
}

const std::string kPoints =
    "1 2845455 2160954 5265993\r\n2 2846455 2161954 5265293\r\n3 2844455 2162954 5265793\r\n";
const std::string kShifted =
    "1 2845479 2160813 5265913\r\n2 2846479 2161813 5265213\r\n3 2844479 2162813 5265713\r\n";
const std::string kUnmatched = "\r\nНомера, которые есть только в одном файле:\r\n";

RunContext LineContext(const std::string& file, std::int32_t line) {
  RunContext context;
  context.fileMode = true;
  context.line = line;
  context.sourceFile = file;
  return context;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinkFitRefusals,
    ::testing::Values(
        RefusalCase{"TwoPointsForSevenParameters", "1 2845455 2160954 5265993\r\n2 2846455 2161954 5265293\r\n",
                    "1 2845479 2160813 5265913\r\n2 2846479 2161813 5265213\r\n", false, -1, {},
                    [](const std::string&, const std::string&) {
                      return RunResultMessage(kFitTooFewPoints, {}) + "\r\nОбщих точек в вычислении: 2.";
                    },
                    0},
        RefusalCase{"PointsInALine",
                    "1 2845455 2160954 5265993\r\n2 2846455 2161954 5265293\r\n3 2847455 2162954 5264593\r\n"
                    "4 2848455 2163954 5263893\r\n",
                    "1 2845479 2160813 5265913\r\n2 2846479 2161813 5265213\r\n3 2847479 2162813 5264513\r\n"
                    "4 2848479 2163813 5263813\r\n",
                    false, -1, {},
                    [](const std::string&, const std::string&) {
                      return RunResultMessage(kFitPointsInLine, {}) + "\r\n(Число обусловленности ";
                    },
                    0},
        RefusalCase{"ANumberInOneFileKept", kPoints + "9 2845000 2160000 5266000\r\n", kShifted, true, -1,
                    {MessageAnswer::kNo},
                    [](const std::string& source, const std::string&) {
                      return RunResultMessage(kFitPointUnmatched, {}) + kUnmatched + source +
                             ": 9\r\nИсключить эти точки и вычислить без них?";
                    },
                    0},
        RefusalCase{"ANumberInOneFileLeftOut", kPoints, kShifted + "7 2845000 2160000 5266000\r\n", true, -1,
                    {MessageAnswer::kYes},
                    [](const std::string&, const std::string& target) {
                      return RunResultMessage(kFitPointUnmatched, {}) + kUnmatched + target +
                             ": 7\r\nИсключить эти точки и вычислить без них?";
                    },
                    3},
        RefusalCase{"ANumberTwiceInAFile", kPoints + "2 2845000 2160000 5266000\r\n", kShifted, true, -1, {},
                    [](const std::string& source, const std::string&) {
                      return RunResultMessage(kFitPointRepeated, {}) +
                             "\r\nНомера, повторенные в одном файле:\r\n" + source + ": 2";
                    },
                    0},
        RefusalCase{"AnUnreadableLine", kPoints + "4 2845000 x 5266000\r\n", kShifted, true, -1, {},
                    [](const std::string& source, const std::string&) {
                      return RunResultMessage(kUnreadableLine, LineContext(source, 4));
                    },
                    0},
        RefusalCase{"AnotherTypeThanTheFiles", kPoints, kShifted, true, 0, {},
                    [](const std::string& source, const std::string&) {
                      return "Тип координат в файле\r\n" + source + " (XYZ)\r\nне совпадает с выбранным (B L H).";
                    },
                    0}));

}  // namespace
}  // namespace vexilor
