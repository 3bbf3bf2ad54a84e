#include "windows/execute.h"

#include <gtest/gtest.h>

// The window first: its form headers must precede the engine codes.
#include "main_window_fixture.h"

#include "state/result_messages.h"
#include "support/engine_test_support.h"
#include "support/form_access.h"
#include "support/raw_files.h"
#include "text/angle_text.h"
#include "text/comma_locale.h"
#include "text/text_edit.h"
#include "geodesy/angle_constants.h"
#include "refdata/coord_system_record.h"
#include "refdata/reference_messages.h"
#include "refdata/system_choice.h"
#include "refdata/system_lookup.h"

namespace vexilor {
namespace {

class ExecuteTest : public MainWindowTest {
 protected:
  // Geodetic heights: the runs need no quasi-geoid grid.
  void StartGeodetic() {
    Start();
    window.optGeodesy.SetChecked(true);
    ChooseCk42Both();
  }
  void Run() { ASSERT_TRUE(window.cmdOK.Click()); }
  void SetGaussKruger(Side side) { state.projection.params[side] = testing::GaussKrugerSlots(); }
};

struct TypedCase {
  const char* lat;
  const char* lon;
  const char* height;
  const char* message;  // "" = the point is accepted
  const char* refusedBox;
};

TEST_F(ExecuteTest, TypedGeodeticPointRanges) {
  const TypedCase cases[] = {
      {"90", "37", "0", "", ""},
      {"-90", "37", "0", "", ""},
      {"90.000001", "37", "0", "Ошибочное значение широты. Повторите ввод!", "txtLat_In"},
      {"-90.000001", "37", "0", "Ошибочное значение широты. Повторите ввод!", "txtLat_In"},
      {"55 61", "37", "0", "Ошибочное значение широты. Повторите ввод!", "txtLat_In"},
      {"55", "360", "0", "", ""},
      {"55", "360.5", "0", "Ошибочное значение долготы. Повторите ввод!", "txtLon_In"},
      {"55", "37", "-5000000", "", ""},
      {"55", "37", "42000000", "", ""},
      {"55", "37", "-5000001", "Недопустимое значение высоты (глубины).\r\nПовторите ввод!", "txtHei_In"},
      {"55", "37", "42000001", "Недопустимое значение высоты (глубины).\r\nПовторите ввод!", "txtHei_In"},
      {"55", "37", "1-", "Ошибочное значение высоты. Повторите ввод!", "txtHei_In"},
  };
  StartGeodetic();
  for (const TypedCase& c : cases) {
    SCOPED_TRACE(std::string(c.lat) + " / " + c.lon + " / " + c.height);
    const std::size_t before = platform.Messages().size();
    TypePoint(c.lat, c.lon, c.height);
    Run();
    if (std::string(c.message).empty()) {
      EXPECT_EQ(platform.Messages().size(), before);
      EXPECT_FALSE(window.txtLat_Out.Text().empty());
    } else {
      ASSERT_EQ(platform.Messages().size(), before + 1);
      EXPECT_EQ(platform.Messages().back().text, c.message);
      EXPECT_EQ(platform.Messages().back().icon, MessageIcon::kExclamation);
      Control& box = ControlOf(window, c.refusedBox);
      EXPECT_EQ(box.Text(), "");
      EXPECT_TRUE(box.HasFocus());
      EXPECT_EQ(window.txtLat_Out.Text(), "");
    }
  }
}

// On a Russian desktop the C library separates decimals with a comma; a
// pasted "55,5" (the key filter stops only typed commas) would read as 55.
TEST_F(ExecuteTest, PastedCommaNumbersAreRefusedUnderACommaLocale) {
  const ScopedCommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no comma locale installed";
  StartGeodetic();
  const TypedCase cases[] = {
      {"55,5", "37", "0", "Ошибочное значение широты. Повторите ввод!", "txtLat_In"},
      {"55", "37,5", "0", "Ошибочное значение долготы. Повторите ввод!", "txtLon_In"},
      {"55", "37", "150,5", "Ошибочное значение высоты. Повторите ввод!", "txtHei_In"},
  };
  for (const TypedCase& c : cases) {
    SCOPED_TRACE(std::string(c.lat) + " / " + c.lon + " / " + c.height);
    window.cmdSbros.Click();
    for (auto [box, text] : {std::pair{&window.txtLat_In, c.lat}, {&window.txtLon_In, c.lon}, {&window.txtHei_In, c.height}})
      ASSERT_TRUE(box->ReplaceText(text));
    Run();
    ASSERT_FALSE(platform.Messages().empty());
    EXPECT_EQ(platform.Messages().back().text, c.message);
    EXPECT_EQ(ControlOf(window, c.refusedBox).Text(), "");
    EXPECT_EQ(window.txtLat_Out.Text(), "");
  }
}

// The result boxes show angles with their marks; pasted into the point boxes
// (a paste goes past the key filter) they are read as typed.
TEST_F(ExecuteTest, ResultTextsPastedBackAreRead) {
  StartGeodetic();  // СК-42 to СК-42: the point comes back as it went in
  TypePoint("55 45 20.5", "37 37 0", "150");
  Run();
  const std::string lat = window.txtLat_Out.Text();
  const std::string lon = window.txtLon_Out.Text();
  const std::string height = window.txtHei_Out.Text();
  ASSERT_NE(lat.find("\u00B0"), std::string::npos) << lat;
  window.cmdSbros.Click();
  for (auto [box, text] : {std::pair{&window.txtLat_In, lat}, {&window.txtLon_In, lon}, {&window.txtHei_In, height}}) {
    ASSERT_TRUE(box->ReplaceText(text));
  }
  Run();
  EXPECT_TRUE(platform.Messages().empty()) << platform.Messages()[0].text;
  EXPECT_EQ(window.txtLat_Out.Text(), lat);
  EXPECT_EQ(window.txtLon_Out.Text(), lon);
}

TEST_F(ExecuteTest, NegativeLongitudeCountsFromGreenwichEastwards) {
  StartGeodetic();
  TypePoint("55", "-10", "100");
  Run();
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(window.txtLon_Out.Text(), std::string(TrimBlanks(FormatAngle(350, kShownAngleFormat))));
  EXPECT_EQ(window.txtLat_Out.Text(), std::string(TrimBlanks(FormatAngle(55, kShownAngleFormat))));
  EXPECT_EQ(window.txtHei_Out.Text(), "100.0000");
}

TEST_F(ExecuteTest, GeocentricPointTooNearTheCentre) {
  StartGeodetic();
  window.cboTypeIsx.Choose(1);
  window.cboTypeOut.Choose(1);
  TypePoint("20999", "0", "0");
  Run();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text,
            "Точка находится слишком близко к центру Земли.\r\n"
            "Корректное преобразование ее координат затруднено.\r\n"
            "Введите новые значения координат X, Y, Z!");
  EXPECT_EQ(window.txtLat_In.Text() + window.txtLon_In.Text() + window.txtHei_In.Text(), "");
  EXPECT_TRUE(window.txtLat_In.HasFocus());

  TypePoint("0", "21000", "0");
  Run();
  EXPECT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(window.txtLon_Out.Text(), "21000.0000");
  EXPECT_EQ(state.settings.TypeH, 1);
}

TEST_F(ExecuteTest, PlaneSourceWithoutProjectionWarnsAndResets) {
  StartGeodetic();
  window.cboTypeIsx.Choose(2);
  TypePoint("6000000", "7500000", "0");
  window.cmdOK_Click();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, "Не установлены параметры проекции\r\nдля  исходных  координат.");
  EXPECT_EQ(window.cboTypeIsx.Text(), "B L H");
  EXPECT_TRUE(state.settings.SourceSystemName.empty());
}

TEST_F(ExecuteTest, ZoneNumberIsAskedUntilValid) {
  struct ZoneCase {
    std::vector<std::string> answers;
    double zone;
  };
  const ZoneCase cases[] = {
      {{"7"}, 7}, {{"0"}, 0}, {{"60"}, 60}, {{""}, 0}, {{"61", "7"}, 7},
      {{"-1", "abc", "5.5", " 7 "}, 7},
  };
  StartGeodetic();
  window.cboTypeOut.Choose(2);
  SetGaussKruger(Side::Target);
  for (const ZoneCase& c : cases) {
    SCOPED_TRACE(c.answers.front());
    const std::size_t asked = platform.Inputs().size();
    const std::size_t said = platform.Messages().size();
    for (const std::string& a : c.answers) platform.AnswerInput(a);
    TypePoint("55", "37", "0");
    Run();
    EXPECT_EQ(platform.Inputs().size(), asked + c.answers.size());
    EXPECT_EQ(state.projection.params.target.FixedZone(), c.zone);
    const std::size_t refusals = c.answers.size() - 1;
    for (std::size_t k = 0; k < refusals; ++k) {
      EXPECT_EQ(platform.Messages()[said + k].text,
                "Неверное значение номера координатной зоны.\r\nВведите его новое значение!");
    }
    EXPECT_EQ(platform.Inputs().back().defaultText, "0");
    EXPECT_EQ(platform.Inputs().back().prompt,
              "Введите   номер   координатной   зоны   для\r\nпреобразованных  координат.  (При вводе 0,\r\n"
              "номер зоны будет вычислен автоматически).");
  }
  // 37° lies 2° west of the axial meridian 39° of zone 7: about 128 km
  // west of the 500 km false origin, so y reads 7 3xx xxx.
  platform.AnswerInput("7");
  TypePoint("55", "37", "0");
  Run();
  EXPECT_EQ(window.txtLon_Out.Text().substr(0, 2), "73");
  EXPECT_EQ(window.txtLon_Out.Text().size(), std::string("7372000.0000").size());
}

TEST_F(ExecuteTest, MissingGridKeepsTheSettingsAndPointsToAnotherGrid) {
  Start();  // normal heights; the standard grid is not in the folder
  ChooseCk42Both();
  TypePoint("55", "37", "150");
  Run();
  ASSERT_EQ(platform.Messages().size(), 1u);
  RunContext context;
  context.geoidFile = state.settings.FileGeoid;
  EXPECT_EQ(platform.Messages()[0].text, RunResultMessage(kGridFileNotFound, context));
  EXPECT_EQ(platform.Messages()[0].icon, MessageIcon::kExclamation);
  EXPECT_TRUE(window.cmdNewGeoid.HasFocus());
  EXPECT_EQ(state.settings.SourceSystemName, kCk42Name);
  EXPECT_EQ(window.txtHei_In.Text(), "150");
}

TEST(ParseZoneAnswerTest, IntegersWithinTheZoneCountOnly) {
  EXPECT_EQ(ParseZoneAnswer("0", 60), 0);
  EXPECT_EQ(ParseZoneAnswer("60", 60), 60);
  EXPECT_EQ(ParseZoneAnswer("+12", 60), 12);
  EXPECT_EQ(ParseZoneAnswer(" 3 ", 60), 3);
  for (const char* bad : {"61", "-1", "abc", "5.5", "1e1", "-", "", " ", "99999999999"}) {
    EXPECT_FALSE(ParseZoneAnswer(bad, 60).has_value()) << bad;
  }
}

class ExecuteFileTest : public ExecuteTest {
 protected:
  // File input from `source`; results to `results`.
  void ChooseFiles(const std::string& source, const std::string& results) {
    platform.AnswerOpenFile(source);
    platform.AnswerSaveFile(results);
    ASSERT_TRUE(window.optInFile.Click());
  }
};

TEST_F(ExecuteFileTest, FileRunEndsWithSuccessMessageAndDefaults) {
  std::vector<std::int64_t> progress;
  int ends = 0;
  window.SetRunProgress(
      [&progress](std::int64_t lines, std::uint64_t, std::uint64_t) {
        progress.push_back(lines);
        return true;
      },
      [&ends] { ++ends; });
  StartGeodetic();
  const std::string source = WriteFile("points.in", "BLH\r\n1 55 0 0 37 0 0 100\r\n");
  const std::string results = PathIn("points.out");
  ChooseFiles(source, results);
  EXPECT_TRUE(window.chkFile.Checked());
  EXPECT_FALSE(window.chkScreen.Checked());
  EXPECT_TRUE(window.fraFile.Visible());
  EXPECT_EQ(state.settings.FileInput, source);
  EXPECT_EQ(state.settings.FileResult, results);
  Run();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Вычисления успешно выполнены!"});
  EXPECT_EQ(platform.Messages()[0].icon, MessageIcon::kInformation);
  EXPECT_TRUE(std::filesystem::exists(results));
  EXPECT_TRUE(state.settings.FileInput.empty());
  EXPECT_TRUE(state.settings.FileResult.empty());
  EXPECT_TRUE(window.optInScreen.Checked());
  EXPECT_TRUE(state.settings.SourceSystemName.empty());
  EXPECT_EQ(platform.WaitCursorChanges(), (std::vector<bool>{true, false}));
  EXPECT_EQ(progress, std::vector<std::int64_t>{1});  // the report at the end of the run
  EXPECT_EQ(ends, 1);
}

TEST_F(ExecuteFileTest, FirstLineOfAnotherTypeBringsTheQuestion) {
  StartGeodetic();
  const std::string source = WriteFile("points.in", "XYZ\r\n1 2800000 2200000 5200000\r\n");
  ChooseFiles(source, PathIn("points.out"));
  platform.AnswerMessage(MessageAnswer::kNo);
  Run();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, SourceTypeMismatchQuestion());
  EXPECT_EQ(platform.Messages()[0].buttons, MessageButtons::kYesNo);
  EXPECT_TRUE(window.fraSet.Enabled());
  EXPECT_TRUE(window.cboTypeIsx.HasFocus());
  EXPECT_FALSE(std::filesystem::exists(PathIn("points.out")));
  EXPECT_EQ(state.settings.FileInput, source);
}

TEST_F(ExecuteFileTest, UnreadableLineIsReportedWithItsNumberAndResets) {
  int ends = 0;  // the progress window goes even when the run fails
  window.SetRunProgress([](std::int64_t, std::uint64_t, std::uint64_t) { return true; }, [&ends] { ++ends; });
  StartGeodetic();
  const std::string source = WriteFile("points.in", "BLH\r\n1 55 0 0 37 0 0 100\r\n2 x\r\n");
  ChooseFiles(source, PathIn("points.out"));
  Run();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_TRUE(platform.Messages()[0].text.starts_with("Ошибка чтения файла исходных данных.\r\n" + source))
      << platform.Messages()[0].text;
  EXPECT_EQ(platform.Messages()[0].icon, MessageIcon::kCritical);
  EXPECT_TRUE(state.settings.FileInput.empty());
  EXPECT_EQ(ends, 1);
}

// The results take the kind the chosen file's extension names; a CSV
// source needs no type line; «Пропускать ошибочные строки» leaves bad lines
// out and lists them at the end, and GeoJSON of plane points is refused
// with the settings kept for another choice.
TEST_F(ExecuteFileTest, ResultsFollowTheExtensionAndBadLinesAreLeftOut) {
  struct Case {
    const char* source;
    const char* text;
    const char* results;
    bool keepGoing;
    const char* head;     // of the results file, UTF-8; nullptr: none written
    std::string message;  // "%" stands for the source's path
  };
  const Case cases[] = {
      {"a.in", "BLH\r\n1 55 0 0 37 0 0 100\r\n", "a.csv", false, "1;55 00 00,00000;37 00 00,00000;100,0000\r\n",
       "Вычисления успешно выполнены!"},
      {"b.csv", "Пункт,B,L,H\nRP12,55 0 0,37 0 0,100\nx,55,y\n", "b.out", true, "Система координат: ",
       "Вычисления выполнены, но не все строки файла\r\n%\r\nпреобразованы. Пропущено строк: 1.\r\n"
       "Строка 3: строка не читается."},
      {"c.in", "BLH\r\n1 55 0 0 37 0 0 100\r\n", "c.geojson", false, nullptr,
       RunResultMessage(kResultsNotGeographic, {})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.results);
    StartGeodetic();
    const std::string source = WriteFile(c.source, c.text);
    ChooseFiles(source, PathIn(c.results));
    EXPECT_TRUE(window.chkKeepGoing.Visible());
    window.chkKeepGoing.SetChecked(c.keepGoing);
    const std::size_t before = platform.Messages().size();
    Run();
    ASSERT_EQ(platform.Messages().size(), before + 1);
    std::string message = c.message;
    if (const std::size_t at = message.find('%'); at != std::string::npos) message.replace(at, 1, source);
    EXPECT_EQ(platform.Messages().back().text, message);
    EXPECT_EQ(std::filesystem::exists(PathIn(c.results)), c.head != nullptr);
    if (c.head != nullptr) {
      EXPECT_TRUE(Cp1251ToUtf8(testing::ReadBytes(PathIn(c.results))).starts_with(c.head));
    }
    EXPECT_EQ(window.fraSet.Enabled(), true);
    EXPECT_EQ(state.settings.FileInput.empty(), c.head != nullptr);  // reset after a run, kept after a refusal
    EXPECT_FALSE(window.chkKeepGoing.Checked() && c.head != nullptr);
    window.cmdNewSet_Click();
  }
}

// Cancel in the question about replacing an existing results file leaves no
// results file; the file run is then refused instead of writing its results
// into a file named "None".
TEST_F(ExecuteFileTest, AFileRunWithoutAResultsFileIsRefused) {
  StartGeodetic();
  const std::string source = WriteFile("points.in", "BLH\r\n1 55 0 0 37 0 0 100\r\n");
  const std::string existing = WriteFile("old.out", "old");
  platform.AnswerOpenFile(source);
  platform.AnswerSaveFile(existing);
  platform.AnswerMessage(MessageAnswer::kCancel);
  ASSERT_TRUE(window.optInFile.Click());
  EXPECT_TRUE(state.settings.FileResult.empty());
  EXPECT_EQ(window.txtOutFl.Text(), "");
  Run();
  ASSERT_EQ(platform.Messages().size(), 2u);
  EXPECT_EQ(platform.Messages()[1].text, kNoResultsFileMessage);
  EXPECT_TRUE(window.chkFile.HasFocus());
  for (const std::filesystem::path& folder : {folder_, std::filesystem::current_path()}) {
    EXPECT_FALSE(std::filesystem::exists(folder / "None")) << folder;
  }
  EXPECT_EQ(state.settings.FileInput, source);  // nothing is reset

  // "В файл" again chooses the results file, and the run goes.
  const std::string results = PathIn("points.out");
  platform.AnswerSaveFile(results);
  ASSERT_TRUE(window.chkFile.Click());
  EXPECT_EQ(state.settings.FileResult, results);
  Run();
  EXPECT_EQ(platform.Messages().back().text, "Вычисления успешно выполнены!");
  EXPECT_TRUE(std::filesystem::exists(results));
}

// A national system on WGS-84: into СК-42 (on ПЗ-90) the route crosses the
// link between the two bases.
CoordSystem OnWgs84() {
  return {"Опытная система на WGS-84", 20, {12.5, -30, 8, 0.4, -0.2, 0.3, 2e-6}, "WGS84", 21};
}

class ExecuteCatalogueTest : public CatalogueMainWindowTest {
 protected:
  void StartGeodetic() {
    Start();
    window.optGeodesy.SetChecked(true);
  }
  void Run() { ASSERT_TRUE(window.cmdOK.Click()); }

  // What the route gives for a typed B L H point with the link that the
  // catalogue holds between the two bases.
  Coords Expected(const Coords& blhDegrees) const {
    const CatalogueState& c = state.catalogue;
    SystemChoice source, target;
    EXPECT_EQ(ChooseSystem(c.systems, c.ellipsoids, FindSystemLine(c.systems, state.settings.SourceSystemName),
                           source).error, ChoiceError::kNone);
    EXPECT_EQ(ChooseSystem(c.systems, c.ellipsoids, FindSystemLine(c.systems, state.settings.TargetSystemName),
                           target).error, ChoiceError::kNone);
    GlobalLinkParams link{};
    EXPECT_EQ(FindGlobalLink(c.systems, source.baseName, target.baseName, link), GlobalLinkSearch::kLinked);
    const Coords in{blhDegrees[0] * kRadiansPerDegree, blhDegrees[1] * kRadiansPerDegree, blhDegrees[2]};
    Coords out{};
    EXPECT_EQ(TransformPoint({source.name, source.baseName, CoordType::BLH, source.vector},
                             {target.name, target.baseName, CoordType::BLH, target.vector}, link, in, {}, out),
              kOk);
    return out;
  }

  void ExpectShown(const Coords& blh) const {
    EXPECT_EQ(window.txtLat_Out.Text(), TrimBlanks(FormatAngle(blh[0] * kDegreesPerRadian, kShownAngleFormat)));
    EXPECT_EQ(window.txtLon_Out.Text(), TrimBlanks(FormatAngle(blh[1] * kDegreesPerRadian, kShownAngleFormat)));
  }
};

// The target chosen before the source: no link was known when the target
// was chosen, yet the run uses the catalogue's link between the bases.
TEST_F(ExecuteCatalogueTest, TheLinkBetweenTheBasesIsTakenWhenTheRunStarts) {
  AddSystemLine(FormatSystemLine(OnWgs84()));
  StartGeodetic();
  Pick(Side::Target, kCk42Name);
  Pick(Side::Source, OnWgs84().name);
  EXPECT_EQ(state.settings.GlobalLink, GlobalLinkParams{});  // nothing linked at the choice
  TypePoint("55", "37", "100");
  Run();
  EXPECT_TRUE(platform.Messages().empty());
  ExpectShown(Expected({55, 37, 100}));

  // The other way round after "Новые установки" (which a file run also
  // ends with): the link of the earlier pair points the wrong way for this one.
  window.cmdNewSet_Click();
  window.optGeodesy.SetChecked(true);
  Pick(Side::Target, OnWgs84().name);
  Pick(Side::Source, kCk42Name);
  TypePoint("55", "37", "100");
  Run();
  EXPECT_TRUE(platform.Messages().empty());
  ExpectShown(Expected({55, 37, 100}));
}

TEST_F(ExecuteCatalogueTest, BasesThatNoLineLinksAreRefused) {
  AddSystemLine(FormatSystemLine(OnWgs84()));
  // Without the WGS-84 entry nothing links WGS-84 to ПЗ-90.
  std::vector<std::string> lines;
  std::ifstream in(folder_ / "sys.dat", std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("WGS 1984", 0) != 0) lines.push_back(line);
  }
  in.close();
  std::ofstream out(folder_ / "sys.dat", std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines) out << line << "\n";
  out.close();
  StartGeodetic();
  Pick(Side::Source, OnWgs84().name);
  Pick(Side::Target, kCk42Name);
  TypePoint("55", "37", "100");
  Run();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, GlobalLinkMissingMessage(kWgs84Name, kPz90Name));
  EXPECT_EQ(window.txtLat_Out.Text(), "");
  EXPECT_EQ(state.settings.SourceSystemName, OnWgs84().name);  // the settings stay for another choice
}

TEST_F(ExecuteFileTest, StoppedRunLeavesTheResultsFileAsItWasSaysSoAndKeepsTheSettings) {
  int ends = 0;
  window.SetRunProgress([](std::int64_t, std::uint64_t, std::uint64_t) { return false; }, [&ends] { ++ends; });
  StartGeodetic();
  std::string points = "BLH\r\n";
  for (int i = 1; i <= 300; ++i) points += std::to_string(i) + " 55 0 0 37 0 0 100\r\n";
  const std::string source = WriteFile("points.in", points);
  const std::string results = PathIn("points.out");
  ChooseFiles(source, results);
  Run();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text,
            "Преобразование прервано.\r\nФайл результатов\r\n" + results + "\r\nне создан.");
  EXPECT_EQ(platform.Messages()[0].icon, MessageIcon::kInformation);
  EXPECT_FALSE(std::filesystem::exists(results));
  EXPECT_EQ(ends, 1);
  WriteFile("points.out", "earlier results");
  Run();
  ASSERT_EQ(platform.Messages().size(), 2u);
  EXPECT_EQ(platform.Messages()[1].text,
            "Преобразование прервано.\r\nФайл результатов\r\n" + results + "\r\nне изменен.");
  EXPECT_EQ(testing::ReadBytes(results), "earlier results");
  // Ready to run again: the files and the systems stay, the settings open.
  EXPECT_EQ(state.settings.FileInput, source);
  EXPECT_EQ(state.settings.FileResult, results);
  EXPECT_FALSE(state.settings.SourceSystemName.empty());
  EXPECT_TRUE(window.fraSet.Enabled());
  EXPECT_TRUE(window.cmdOK.Enabled());
}

}  // namespace
}  // namespace vexilor
