#include "windows/start_up.h"

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "refdata/reference_path.h"

namespace vexilor {
namespace {

using StartUpTest = MainWindowTest;

TEST(ProgramFolderRule, OneSeparatorAlsoAtTheRoot) {
  EXPECT_EQ(ReferenceFilePath("/opt/vexilor", "sys.dat"), "/opt/vexilor/sys.dat");
  EXPECT_EQ(ReferenceFilePath("/", "sys.dat"), "/sys.dat");
  EXPECT_EQ(ReferenceFilePath("/opt/vexilor/", "ellips.dat"), "/opt/vexilor/ellips.dat");
}

TEST_F(StartUpTest, PlacesTheWindowAtTheTopCentredOnWholeNumbers) {
  platform.SetScreenSize({28801, 16200});
  window.Move({300, 200, 9001, 7000});  // the size its view gave it
  Start();
  EXPECT_EQ(window.Position().top, 0);
  EXPECT_EQ(window.Position().left, 9900);
  EXPECT_EQ(state.settings.CurPath, state.programFolder);
  EXPECT_EQ(window.HelpFile(), state.programFolder + "/vexilor.hlp");
}

TEST_F(StartUpTest, MissingReferenceFilesAreAllReportedThenTheProgramEnds) {
  const std::string systems = state.programFolder + "/sys.dat";
  const std::string ellipsoids = state.programFolder + "/ellips.dat";
  window.SetDataFinder([&](std::string_view name, const std::filesystem::path&) {
    return name != systems && name != ellipsoids;
  });
  Start();
  ASSERT_EQ(platform.Messages().size(), 2u);
  EXPECT_EQ(platform.Messages()[0].text,
            "Отсутствует файл связей систем координат\r\n" + systems + ". Выполнение будет прекращено.");
  EXPECT_EQ(platform.Messages()[1].text,
            "Отсутствует файл параметров эллипсоидов\r\n" + ellipsoids + ". Выполнение будет прекращено.");
  EXPECT_EQ(platform.Messages()[0].title, "Преобразование координат");
  EXPECT_TRUE(platform.QuitRequested());
}

TEST_F(StartUpTest, SystemsANewerCatalogueAddedAreNamedOnce) {
  state.catalogueAdditions = {"Russia 2011 Global Coordinate System (ПЗ-90.11)",
                              "Russia 2011 Geodetic Coordinate System (ГСК-2011)"};
  Start();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{
                                "В каталог систем координат добавлены новые системы:\r\n"
                                "Russia 2011 Global Coordinate System (ПЗ-90.11)\r\n"
                                "Russia 2011 Geodetic Coordinate System (ГСК-2011)\r\n"
                                "Прежний каталог сохранен в файле\r\n" +
                                state.catalogueFolder + "/sys.bac."});
  EXPECT_TRUE(state.catalogueAdditions.empty());
}

// An installed program: the catalogue in the user's folder, the grid and
// the help where the program's files were installed.
TEST_F(StartUpTest, TheCatalogueIsLookedForInItsOwnFolder) {
  state.catalogueFolder = state.programFolder + "/user";
  std::vector<std::string> looked;
  window.SetDataFinder([&](std::string_view name, const std::filesystem::path&) {
    looked.emplace_back(name);
    return !name.starts_with(state.catalogueFolder);
  });
  Start();
  EXPECT_EQ(looked, (std::vector<std::string>{state.catalogueFolder + "/sys.dat", state.catalogueFolder + "/ellips.dat"}));
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"Отсутствует файл связей систем координат\r\n" + state.catalogueFolder +
                                          "/sys.dat. Выполнение будет прекращено.",
                                      "Отсутствует файл параметров эллипсоидов\r\n" + state.catalogueFolder +
                                          "/ellips.dat. Выполнение будет прекращено."}));
}

TEST_F(StartUpTest, TheGridAndTheHelpStayWithTheProgramsFiles) {
  state.catalogueFolder = state.programFolder + "/user";
  std::vector<std::string> looked;
  window.SetDataFinder([&](std::string_view name, const std::filesystem::path&) {
    looked.emplace_back(name);
    return true;
  });
  Start();
  EXPECT_EQ(looked, (std::vector<std::string>{state.catalogueFolder + "/sys.dat", state.catalogueFolder + "/ellips.dat",
                                              state.programFolder + "/wgeoid.mat"}));
  EXPECT_EQ(state.settings.FileGeoid, state.programFolder + "/wgeoid.mat");
  EXPECT_EQ(window.HelpFile(), state.programFolder + "/vexilor.hlp");
}

TEST_F(StartUpTest, MissingRuntimePiecesAreNamed) {
  window.SetRuntimeFinder([](std::string_view, const std::filesystem::path&) { return false; });
  Start();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                "Отсутствует необходимая библиотека\r\nlibQt6Widgets.so.6. Выполнение будет прекращено.",
                                "Отсутствует необходимый компонент\r\nlibqxcb.so. Выполнение будет прекращено."}));
  EXPECT_TRUE(platform.QuitRequested());
}

TEST_F(StartUpTest, AllPresentGivesNormalHeightsAndDefaultLists) {
  Start();
  EXPECT_FALSE(platform.QuitRequested());
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(state.settings.fN, -1);
  EXPECT_TRUE(window.optNormal.Checked());
  EXPECT_TRUE(window.optNormal.Enabled());
  EXPECT_TRUE(window.chkGeoid.Enabled());
  EXPECT_EQ(window.cboTypeIsx.Text(), "B L H");
  EXPECT_EQ(window.cboInFl.Text(), "градусы, минуты, секунды");
  EXPECT_EQ(window.cboOutFl1.Text(), "градусы, минуты, секунды");
  EXPECT_FALSE(window.cmdOK.Enabled());
  EXPECT_TRUE(window.txtFlGeoid.Text().ends_with("/wgeoid.mat")) << window.txtFlGeoid.Text();
  EXPECT_EQ(state.settings.FileGeoid, state.programFolder + "/wgeoid.mat");
}

TEST_F(StartUpTest, GridMissingAndDeclinedLeavesGeodeticHeightsOnly) {
  window.SetDataFinder([](std::string_view name, const std::filesystem::path&) {
    return !name.ends_with("wgeoid.mat");
  });
  platform.AnswerMessage(MessageAnswer::kNo);
  Start();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text,
            "Отсутствует стандартный файл - матрица высот\r\nквазигеоида " + state.programFolder +
                "/wgeoid.mat.\r\nОткрыть другой файл? (Иначе использование\r\nнормальных высот будет невозможно!)");
  EXPECT_EQ(platform.Messages()[0].buttons, MessageButtons::kYesNo);
  EXPECT_TRUE(window.optGeodesy.Checked());
  EXPECT_FALSE(window.optNormal.Checked());
  EXPECT_FALSE(window.optNormal.Enabled());
  EXPECT_FALSE(window.chkGeoid.Enabled());
  EXPECT_EQ(window.txtFlGeoid.Text(), "");
  EXPECT_EQ(state.settings.fN, 0);
  EXPECT_EQ(state.settings.TypeH, 1);
}

TEST_F(StartUpTest, GridMissingThenAnotherGridIsOpened) {
  window.SetDataFinder([](std::string_view name, const std::filesystem::path&) {
    return !name.ends_with("wgeoid.mat");
  });
  const std::string other = WriteFile("other.mat", "x");
  platform.AnswerMessage(MessageAnswer::kYes);
  platform.AnswerOpenFile(PathIn("absent.mat"));
  platform.AnswerMessage(MessageAnswer::kYes);  // open another one
  platform.AnswerOpenFile(other);
  Start();
  ASSERT_EQ(platform.Messages().size(), 2u);
  EXPECT_EQ(platform.Messages()[1].text,
            "Ошибка открытия файла\r\n" + PathIn("absent.mat") + ".\r\nОткрыть другой файл?");
  EXPECT_EQ(state.settings.FileGeoid, other);
  EXPECT_EQ(state.settings.fN, -1);
  EXPECT_TRUE(window.optNormal.Enabled());
  EXPECT_EQ(platform.FileDialogs()[0].request.title, "Выбрать имя файла - матрицы ВКГ");
}

}  // namespace
}  // namespace vexilor
