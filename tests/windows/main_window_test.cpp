#include "windows/main_window.h"

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "projection/projection_record.h"

namespace vexilor {
namespace {

using FrmSettinngsTest = MainWindowTest;

// The four link values of a local system typed into frmDlg and accepted:
// axial meridian of zone 1 37°30', zones of 6°, false origins 0 and 500 km.
void TypeLinkValues(FrmLocalLink& dialog) {
  dialog.txtDlg1.SetText("37 30");
  dialog.txtDlg2.SetText("6");
  dialog.txtDlg3.SetText("0");
  dialog.txtDlg4.SetText("500");
  dialog.cmdKey.Click();
}

TEST_F(FrmSettinngsTest, LocalSystemsOfferPlaneCoordinatesOnly) {
  Start();
  ChooseSource(kMck42Name, kPz90Name, Ck42Vector());
  EXPECT_EQ(window.cboTypeIsx.Items(), std::vector<std::string>{"x y H"});
  EXPECT_EQ(window.cboTypeIsx.Text(), "x y H");
  EXPECT_EQ(state.settings.Type_Isx, "x y H");
  EXPECT_TRUE(window.cmdParProIn.Enabled());
  EXPECT_EQ(window.lbl5.Text(), "Абсцисса x, м");
  EXPECT_FALSE(window.cboInFl2.Visible());
  EXPECT_EQ(window.cboInFl.Items(), (std::vector<std::string>{"метры", "километры"}));

  // Back to a state system: all three types, the plane type kept.
  ChooseSource(kCk42Name, kPz90Name, Ck42Vector());
  EXPECT_EQ(window.cboTypeIsx.ListCount(), 3);
  EXPECT_EQ(window.cboTypeIsx.Text(), "x y H");
}

// Each side's lists choose that side's units: the first one the angles of
// B L H or the lengths of X Y Z and x y H, the second one the heights of
// B L H.
TEST_F(FrmSettinngsTest, UnitListsChooseTheUnitsOfTheirSide) {
  Start();
  ChooseCk42Both();
  // The lists of the file frames, hidden while a point is typed.
  ASSERT_TRUE(window.cboOutFl1.SetListIndex(3));
  ASSERT_TRUE(window.cboOutFl2.SetListIndex(1));
  ASSERT_TRUE(window.cboTypeIsx.Choose(2));
  ASSERT_TRUE(window.cboInFl.SetListIndex(1));
  const RunUnits& units = state.settings.Units;
  EXPECT_EQ(units.target.angles, AngleUnit::Radians);
  EXPECT_EQ(units.target.heights, LengthUnit::Kilometres);
  EXPECT_EQ(units.target.lengths, LengthUnit::Metres);
  EXPECT_EQ(units.source.lengths, LengthUnit::Kilometres);
  EXPECT_EQ(units.source.angles, AngleUnit::DegMinSec);
}

TEST_F(FrmSettinngsTest, ExecuteIsEnabledOnlyWhenEverythingIsSet) {
  Start();
  ChooseCk42Both();
  EXPECT_FALSE(window.cmdOK.Enabled());
  TypePoint("55", "37", "");
  EXPECT_FALSE(window.cmdOK.Enabled());
  window.txtHei_In.SetText("0");
  EXPECT_TRUE(window.cmdOK.Enabled());
  window.cboTypeOut.Choose(2);
  EXPECT_FALSE(window.CanExecute()) << "target projection not set";
  state.projection.params.target.SetZoneWidth(6);
  EXPECT_TRUE(window.CanExecute());
}

TEST_F(FrmSettinngsTest, TypingEmptiesTheResults) {
  Start();
  TypePoint("55", "37", "0");
  EXPECT_TRUE(window.cmdSbros.Enabled());
  for (Control* box : {&window.txtLat_Out, &window.txtLon_Out, &window.txtHei_Out, &window.txtGeoid})
    box->SetText("1");
  ASSERT_TRUE(window.txtLat_In.Type("1"));
  EXPECT_EQ(window.txtLat_In.Text(), "155");
  for (Control* box : {&window.txtLat_Out, &window.txtLon_Out, &window.txtHei_Out, &window.txtGeoid})
    EXPECT_EQ(box->Text(), "") << box->Name();
  ASSERT_TRUE(window.txtLon_In.Type("a"));
  EXPECT_EQ(window.txtLon_In.Text(), "37");
  EXPECT_EQ(platform.Beeps(), 1);
  ASSERT_TRUE(window.cmdSbros.Click());
  EXPECT_EQ(window.txtLat_In.Text() + window.txtLon_In.Text() + window.txtHei_In.Text(), "");
  EXPECT_FALSE(window.cmdSbros.Enabled());
}

TEST_F(FrmSettinngsTest, ScreenOutputFollowsKeyboardInput) {
  Start();
  ASSERT_TRUE(window.chkScreen.Click());
  EXPECT_TRUE(window.chkScreen.Checked());
}

TEST_F(FrmSettinngsTest, ResultsFileEqualToSourceFileIsRefusedAndNoResets) {
  Start();
  ChooseCk42Both();
  std::filesystem::create_directory(PathIn("survey"));  // not the program's folder
  const std::string source = WriteFile("survey/points.in", "BLH\r\n");
  platform.AnswerOpenFile(source);
  platform.AnswerSaveFile(source);
  platform.AnswerMessage(MessageAnswer::kNo);
  ASSERT_TRUE(window.optInFile.Click());
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text,
            "Файл результатов не может совпадать\r\nс файлом исходной информации.\r\n"
            "Выбрать другое имя для файла результатов?");
  EXPECT_TRUE(state.settings.FileInput.empty());
  EXPECT_TRUE(state.settings.FileResult.empty());
  EXPECT_TRUE(state.settings.SourceSystemName.empty());
  EXPECT_TRUE(window.optInScreen.Checked());
  EXPECT_TRUE(window.chkScreen.Checked());
  EXPECT_FALSE(window.fraFile.Visible());
  // The results file was looked for beside the source file.
  ASSERT_EQ(platform.FileDialogs().size(), 2u);
  EXPECT_EQ(platform.FileDialogs()[1].request.initialFolder, std::filesystem::path(source).parent_path().string());
}

// The box keeps the whole path, lower case then proper case; it fits the
// path to the width it gets.
TEST_F(FrmSettinngsTest, SourceFileBoxHoldsTheWholePathInProperCase) {
  Start();
  std::filesystem::create_directory(PathIn("Survey Points"));
  platform.AnswerOpenFile(WriteFile("Survey Points/Area 7.IN", "BLH\r\n"));
  platform.AnswerSaveFile(PathIn("b.out"));
  ASSERT_TRUE(window.optInFile.Click());
  EXPECT_TRUE(window.txtFile.Fitted());
  EXPECT_TRUE(window.txtFile.Text().ends_with("/survey Points/area 7.in")) << window.txtFile.Text();
  EXPECT_EQ(window.txtFile.Text().find("..."), std::string::npos);
}

TEST_F(FrmSettinngsTest, ExistingResultsFileIsReplacedOnlyWhenConfirmed) {
  Start();
  const std::string first = WriteFile("a.out", "old");
  const std::string second = PathIn("b.out");
  platform.AnswerSaveFile(first);
  platform.AnswerMessage(MessageAnswer::kNo);  // choose again
  platform.AnswerSaveFile(second);
  ASSERT_TRUE(window.chkFile.Click());
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, "Файл " + first + "\r\nуже существует. Заменить его?");
  EXPECT_EQ(platform.Messages()[0].buttons, MessageButtons::kYesNoCancel);
  EXPECT_EQ(state.settings.FileResult, second);
  EXPECT_TRUE(window.fraOutFl.Visible());
}

TEST_F(FrmSettinngsTest, SwitchingHeightSystemEmptiesResults) {
  Start();
  for (Control* option : {&window.optGeodesy, &window.optNormal}) {
    window.txtHei_Out.SetText("1");
    ASSERT_TRUE(option->Click());
    EXPECT_EQ(window.txtHei_Out.Text(), "") << option->Name();
  }
  EXPECT_EQ(state.settings.TypeH, 0);
}

TEST_F(FrmSettinngsTest, OneGeocentricSideMakesHeightsGeodetic) {
  struct Case {
    int source, target;
    const char* warning;  // "" = no warning, options shown
    bool optionsEnabled;
  };
  const Case cases[] = {
      {1, 0, "Внимание! Исходные высоты полагаются геодезическими!", true},
      {0, 1, "Внимание! Вычисленные высоты будут полагаться геодезическими!", true},
      {1, 1, "", false},
      {0, 2, "", true},
  };
  Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.source) + "," + std::to_string(c.target));
    window.cboTypeIsx.Choose(c.source);
    window.cboTypeOut.Choose(c.target);
    const bool warned = std::string(c.warning) != "";
    EXPECT_EQ(window.lblWar.Visible(), warned);
    if (warned) {
      EXPECT_EQ(window.lblWar.Text(), c.warning);
    }
    EXPECT_EQ(window.optNormal.Visible(), !warned);
    EXPECT_EQ(window.optGeodesy.Enabled(), c.optionsEnabled);
    EXPECT_EQ(state.settings.TypeH, c.source == 1 || c.target == 1 ? 1 : 0);
  }
}

TEST_F(FrmSettinngsTest, ProjectionButtonsOpenTheDialogOrTheLocalLinkStep) {
  FrmProjection projection(state, platform, window);
  FrmLocalLink localLink(state, platform, window);
  window.SetProjectionWindow(projection);
  window.SetLocalLinkDialog(localLink);
  Start();

  // A state system: the projection dialog, preset to Gauss-Krüger.
  ChooseSource(kCk42Name, kPz90Name, Ck42Vector());
  window.cboTypeIsx.Choose(2);
  EXPECT_TRUE(projection.optPro(0).Checked());
  platform.ExpectModal(projection, [&](Form&) { projection.cmdOK.Click(); });
  ASSERT_TRUE(window.cmdParProIn.Click());
  EXPECT_EQ(state.projection.side, Side::Source);
  EXPECT_EQ(state.projection.params.source.FalseY(), 500000.0);  // the built-in Gauss-Krüger set

  // WGS-84 as a plane target: preset to UTM.
  ChooseTarget(kWgs84Name, kPz90Name, Pz90Vector());
  window.cboTypeOut.Choose(2);
  EXPECT_TRUE(projection.optPro(2).Checked());

  // A local system: the link step; "No" to the file question opens frmDlg.
  ChooseTarget(kMck42Name, kPz90Name, Ck42Vector());
  platform.AnswerMessage(MessageAnswer::kNo);
  platform.ExpectModal(localLink, [&](Form&) { TypeLinkValues(localLink); });
  ASSERT_TRUE(window.cmdParProOut.Click());
  EXPECT_EQ(state.projection.side, Side::Target);
  EXPECT_EQ(state.projection.params.target.ZoneOneAxialMeridian(), 37.5);
  EXPECT_EQ(state.projection.params.target.FalseY(), 500000.0);
  EXPECT_EQ(platform.Messages().size(), 1u);  // the file question only
}

TEST_F(FrmSettinngsTest, ServiceOpensItsWindowModallyAndHelpOpensTheGuide) {
  Start();
  Form service{"frmService"};
  window.SetServiceWindow(service);
  platform.ExpectModal(service, [](Form& shown) { shown.Hide(); });
  ASSERT_TRUE(window.mnuServis.Click());
  EXPECT_EQ(platform.ModalForms(), std::vector<const Form*>{&service});
  EXPECT_TRUE(platform.Messages().empty());
  ASSERT_TRUE(window.mnuHelp.Click());
  EXPECT_EQ(platform.HelpFiles(), std::vector<std::string>{state.programFolder + "/vexilor.hlp"});
  ASSERT_TRUE(window.cmdCancel.Click());
  EXPECT_TRUE(platform.QuitRequested());
}

// A plane side keeps its projection only while its system stays the same:
// the Gauss-Krüger set of СК-42 is no projection of МСК-42, whose link
// values must be asked for.
TEST_F(CatalogueMainWindowTest, ChoosingAnotherSystemForASideClearsItsProjection) {
  FrmProjection projection(state, platform, window);
  FrmLocalLink localLink(state, platform, window);
  window.SetProjectionWindow(projection);
  window.SetLocalLinkDialog(localLink);
  Start();
  Pick(Side::Source, kCk42Name);
  Pick(Side::Target, kCk42Name);
  window.cboTypeIsx.Choose(2);
  platform.ExpectModal(projection, [&](Form&) { projection.cmdOK.Click(); });
  ASSERT_TRUE(window.cmdParProIn.Click());
  TypePoint("6100000", "7400000", "0");
  EXPECT_TRUE(window.cmdOK.Enabled());

  // The same system again keeps the projection.
  Pick(Side::Source, kCk42Name);
  EXPECT_TRUE(IsProjectionSet(state.projection.params.source));
  EXPECT_TRUE(window.cmdOK.Enabled());

  Pick(Side::Source, kMck42Name);
  EXPECT_FALSE(IsProjectionSet(state.projection.params.source));
  EXPECT_FALSE(window.cmdOK.Enabled());
  // "Проекция" now asks for the local system's link values.
  platform.AnswerMessage(MessageAnswer::kNo);
  platform.ExpectModal(localLink, [&](Form&) { TypeLinkValues(localLink); });
  ASSERT_TRUE(window.cmdParProIn.Click());
  EXPECT_EQ(state.projection.params.source.ZoneOneAxialMeridian(), 37.5);
  EXPECT_TRUE(window.cmdOK.Enabled());
}

}  // namespace
}  // namespace vexilor
