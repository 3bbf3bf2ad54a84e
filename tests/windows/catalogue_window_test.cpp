// The catalogue window driven as a user drives it, on copies of the shipped
// reference files in a private program folder.

#include "windows/catalogue_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/form_access.h"
#include "support/recording_main_window.h"
#include "support/scripted_platform.h"
#include "text/text_edit.h"
#include "geodesy/datum.h"
#include "refdata/coord_system_record.h"
#include "windows/load_catalogue.h"
#include "refdata/reference_path.h"
#include "windows/rewrite_reference_file.h"
#include "support/raw_files.h"

namespace vexilor {
namespace {

const std::string kPz90Entry = "Russia 1990 Global Coordinate System (ПЗ-90)";

std::filesystem::path ShippedFile(std::string_view name) {
  return std::filesystem::path(VEXILOR_SOURCE_DIR) / "data" / name;
}

std::string Trimmed(const Control& box) { return std::string(TrimBlanks(box.Text())); }

class CatalogueWindow : public ::testing::Test {
 protected:
  CatalogueWindow() {
    for (const char* name : {"sys.dat", "ellips.dat"}) std::filesystem::copy_file(ShippedFile(name), folder / name);
    state.programFolder = folder.text();
    state.catalogueFolder = folder.text();
  }

  std::string PathOf(std::string_view name) const { return ReferenceFilePath(state.catalogueFolder, name); }

  // Loads the catalogue for `side` and shows the window while `user` acts;
  // the user must leave it hidden.
  void Open(Side side, const std::function<void(FrmCatalogue&)>& user) {
    state.catalogue.side = side;
    ASSERT_TRUE(LoadCatalogue(state, platform));
    platform.ExpectModal(window, [&](Form&) { user(window); });
    platform.ShowModal(window);
  }

  static void Select(FrmCatalogue& frm, std::string_view name) {
    const std::vector<std::string>& items = frm.lstSys.Items();
    const auto found = std::find(items.begin(), items.end(), name);
    ASSERT_NE(found, items.end()) << name;
    ASSERT_TRUE(frm.lstSys.Choose(static_cast<int>(found - items.begin())));
  }

  // The link of the in-memory entry `name`.
  LinkParams LinkOf(std::string_view name) const {
    for (const std::string& line : state.catalogue.systems) {
      CoordSystem system;
      if (ParseSystemLine(line, system) == RecordError::kNone && system.name == name) return system.link;
    }
    ADD_FAILURE() << "no entry " << name;
    return {};
  }

  const MessageRequest& LastMessage() const { return platform.Messages().back(); }

  testing::TempFolder folder;
  AppState state;
  ScriptedPlatform platform;
  testing::RecordingMainWindow mainWindow;
  FrmCatalogue window{state, platform, mainWindow};
};

TEST_F(CatalogueWindow, ListsTheShippedSystemsSortedAndStartsCleared) {
  Open(Side::Target, [](FrmCatalogue& frm) {
    EXPECT_EQ(frm.lstSys.Items(),
              (std::vector<std::string>{kCk42Name, kMck42Name, kCk63Name, kPz90Entry, kCk95Name, kMck95Name,
                                        "Russia 2002 Global Coordinate System (ПЗ-90.02)",
                                        "Russia 2011 Geodetic Coordinate System (ГСК-2011)",
                                        "Russia 2011 Global Coordinate System (ПЗ-90.11)", kWgs84Name}));
    EXPECT_EQ(frm.fraSys.Text(), "Выбор системы для преобразованных координат");
    EXPECT_EQ(frm.Caption(), "Установка параметров  систем координат");
    EXPECT_EQ(frm.lstSys.ListIndex(), -1);
    for (Control* button : {&frm.cmdOK, &frm.cmdRemove, &frm.cmdChange, &frm.cmdSave}) {
      EXPECT_FALSE(button->Enabled()) << button->Id();
    }
    for (int i = 0; i < FrmCatalogue::kLinkBoxes; ++i) EXPECT_FALSE(frm.txt1(i).Enabled());
    frm.cmdCancel.Click();
  });
  EXPECT_FALSE(state.catalogue.reloadNeeded);
  EXPECT_TRUE(platform.Messages().empty());
  // "Закрыть" puts the side's coordinate type back to its first entry.
  EXPECT_EQ(mainWindow.typeListResets, std::vector<Side>{Side::Target});
}

struct DisplayCase {
  const char* label;
  std::string name;
  std::array<const char*, 7> link;
  const char* ellipsoid;
  const char* a;
  const char* invf;
  const char* parent;
};

class CatalogueDisplay : public CatalogueWindow, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(CatalogueDisplay, ShowsTheEntryRightAligned) {
  const DisplayCase& c = GetParam();
  Open(Side::Source, [&](FrmCatalogue& frm) {
    Select(frm, c.name);
    for (int i = 0; i < FrmCatalogue::kLinkBoxes; ++i) EXPECT_EQ(frm.txt1(i).Text(), c.link[i]) << "txt1(" << i << ")";
    EXPECT_EQ(Trimmed(frm.txtEll(2)), c.ellipsoid);
    EXPECT_EQ(Trimmed(frm.txtEll(0)), c.a);
    EXPECT_EQ(Trimmed(frm.txtEll(1)), c.invf);
    EXPECT_EQ(Trimmed(frm.txtSystem), c.parent);
    for (Control* button : {&frm.cmdOK, &frm.cmdRemove, &frm.cmdChange}) EXPECT_TRUE(button->Enabled());
    EXPECT_FALSE(frm.cmdSave.Enabled());
    EXPECT_FALSE(frm.txt1(0).Enabled());
    frm.cmdCancel.Click();
  });
  EXPECT_TRUE(platform.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, CatalogueDisplay,
    ::testing::Values(
        DisplayCase{"Ck42", kCk42Name,
                    {"    25.00", "  -141.00", "   -80.00", "    0.000", "   -0.350", "   -0.660", "0"},
                    "Krassovsky 1940", "6378245.000", "298.300000000", "PZ90"},
        DisplayCase{"Ck95", kCk95Name,
                    {"    25.90", "  -130.94", "   -81.76", "    0.000", "    0.000", "    0.000", "0"},
                    "Krassovsky 1940", "6378245.000", "298.300000000", "PZ90"},
        DisplayCase{"Pz90", kPz90Entry,
                    {"    -1.08", "    -0.27", "    -0.90", "    0.000", "    0.000", "   -0.160", "-1.2e-07"},
                    "ПЗ-90", "6378136.000", "298.257840000", "WGS84"}),
    testing::CaseLabel());

TEST_F(CatalogueWindow, AMissingEllipsoidIsReportedAndNothingStaleStays) {
  testing::WriteBytes(folder / "sys.dat",
                      "Broken entry 99 1 2 3 0 0 0 0 PZ90 27\r\n" + testing::ReadBytes(ShippedFile("sys.dat")));
  Open(Side::Source, [&](FrmCatalogue& frm) {
    Select(frm, kCk42Name);
    Select(frm, "Broken entry");
    frm.cmdCancel.Click();
  });
  // Once when the catalogue is read, again when the entry is picked.
  ASSERT_EQ(platform.Messages().size(), 2U);
  EXPECT_EQ(platform.Messages()[0].text, "В файле " + PathOf("ellips.dat") +
                                             " нет эллипсоидов систем координат:\r\n"
                                             "Broken entry (эллипсоид с номером 99)\r\n"
                                             "Эти системы координат не могут быть выбраны.");
  EXPECT_EQ(LastMessage().text, "Эллипсоид с номером 99 не найден\r\nв файле " + PathOf("ellips.dat") +
                                    ".\r\nВидимо файл испорчен.");
  EXPECT_EQ(LastMessage().title, "Выбор системы для исходных координат");
  EXPECT_EQ(LastMessage().icon, MessageIcon::kExclamation);
  EXPECT_EQ(window.txtEll(2).Text(), "");
  EXPECT_EQ(window.txtSystem.Text(), "");
}

struct SaveCase {
  const char* label;
  int box;
  const char* typed;
  const char* refusal;  // nullptr: accepted
  double stored;
};

class CatalogueSave : public CatalogueWindow, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(CatalogueSave, ChecksEachParameterAgainstItsBound) {
  const SaveCase& c = GetParam();
  const std::string before = testing::ReadBytes(folder / "sys.dat");
  if (c.refusal == nullptr) platform.AnswerMessage(MessageAnswer::kNo);
  Open(Side::Source, [&](FrmCatalogue& frm) {
    Select(frm, kCk42Name);
    ASSERT_TRUE(frm.cmdChange.Click());
    Control& box = frm.txt1(c.box);
    box.SelectAll();
    box.PressDelete();
    box.Type(c.typed);
    ASSERT_TRUE(frm.cmdSave.Click());
    if (c.refusal != nullptr) {
      EXPECT_TRUE(box.HasFocus());
      EXPECT_FALSE(frm.cmdSave.Enabled());
    } else {
      EXPECT_FALSE(state.catalogue.resetOnActivation);  // declined: the edit lives on in memory only
    }
    frm.cmdCancel.Click();
  });
  ASSERT_EQ(platform.Messages().size(), 1U);
  if (c.refusal != nullptr) {
    EXPECT_EQ(LastMessage().text, c.refusal);
    EXPECT_EQ(LastMessage().title, kSaveLinkTitle);
    EXPECT_EQ(LinkOf(kCk42Name)[static_cast<std::size_t>(c.box)], c.stored);
  } else {
    EXPECT_EQ(LastMessage().text,
              "Внести изменения в файл параметров систем\r\nкоординат " + PathOf("sys.dat") + "?");
    EXPECT_EQ(LastMessage().buttons, MessageButtons::kYesNo);
    EXPECT_EQ(LastMessage().icon, MessageIcon::kQuestion);
    EXPECT_EQ(LastMessage().defaultButton, DefaultButton::kSecond);
    EXPECT_EQ(LinkOf(kCk42Name)[static_cast<std::size_t>(c.box)], c.stored);
  }
  EXPECT_EQ(testing::ReadBytes(folder / "sys.dat"), before);
  EXPECT_FALSE(std::filesystem::exists(folder / "sys.bac"));
}

// СК-42 holds Dx 25, Dy -141, Dz -80, Wx 0, Wy -0.35, Wz -0.66, m 0.
INSTANTIATE_TEST_SUITE_P(
    Bounds, CatalogueSave,
    ::testing::Values(SaveCase{"DxAtLowerBound", 0, "-3000", nullptr, -3000},
                      SaveCase{"DxAboveBound", 0, "3000.01", "Неверное значение параметра Dx.", 25},
                      SaveCase{"DyNotANumber", 1, "1-2", "Неверное значение параметра Dy.", -141},
                      SaveCase{"DzAboveBound", 2, "-3001", "Неверное значение параметра Dz.", -80},
                      SaveCase{"WxAtBound", 3, "10", nullptr, 10},
                      SaveCase{"WxAboveBound", 3, "10.001", "Неверное значение параметра Wx.", 0},
                      SaveCase{"WyAboveBound", 4, "-10.5", "Неверное значение параметра Wy.", -0.35},
                      SaveCase{"WzAboveBound", 5, "11", "Неверное значение параметра Wz.", -0.66},
                      SaveCase{"ScaleInExponentForm", 6, "-1.2e-7", nullptr, -1.2e-7},
                      SaveCase{"ScaleAtBound", 6, "0.00001", nullptr, 0.00001},
                      SaveCase{"ScaleAboveBound", 6, "0.00002", "Неверное значение масштабной поправки.", 0},
                      SaveCase{"EmptyBox", 4, "", "Не все данные введены.", -0.35}),
    testing::CaseLabel());

TEST_F(CatalogueWindow, NumericBoxesRefuseTheCommaButTheScaleBoxTakesAnyKey) {
  Open(Side::Source, [](FrmCatalogue& frm) {
    Select(frm, kCk42Name);
    frm.cmdChange.Click();
    frm.txt1(0).SelectAll();
    frm.txt1(0).Type("1,5e");
    EXPECT_EQ(frm.txt1(0).Text(), "15");
    frm.txt1(6).SelectAll();
    frm.txt1(6).Type("1e-7");
    EXPECT_EQ(frm.txt1(6).Text(), "1e-7");
    frm.cmdCancel.Click();
  });
  EXPECT_EQ(platform.Beeps(), 2);
}

TEST_F(CatalogueWindow, AcceptedSaveWritesTheFileAfterABackupCopy) {
  const std::string before = testing::ReadBytes(folder / "sys.dat");
  platform.AnswerMessage(MessageAnswer::kYes);
  platform.AnswerMessage(MessageAnswer::kYes);
  Open(Side::Source, [](FrmCatalogue& frm) {
    Select(frm, kCk42Name);
    frm.cmdChange.Click();
    frm.txt1(0).SelectAll();
    frm.txt1(0).Type("23.5");
    frm.cmdSave.Click();
    EXPECT_FALSE(frm.txt1(0).Enabled());
    EXPECT_FALSE(frm.cmdSave.Enabled());
    frm.cmdCancel.Click();
  });
  ASSERT_EQ(platform.Messages().size(), 2U);
  EXPECT_EQ(LastMessage().text, "Создать страховую копию файла\r\n" + PathOf("sys.dat") + "?");
  EXPECT_EQ(testing::ReadBytes(folder / "sys.bac"), before);
  const std::string after = testing::ReadBytes(folder / "sys.dat");
  EXPECT_NE(after, before);

  // Read back from the file: the new value, shown as the window shows it.
  state.catalogue.reloadNeeded = true;
  Open(Side::Source, [](FrmCatalogue& frm) {
    EXPECT_EQ(frm.lstSys.ListCount(), 10);
    Select(frm, kCk42Name);
    EXPECT_EQ(frm.txt1(0).Text(), "    23.50");
    EXPECT_EQ(frm.txt1(1).Text(), "  -141.00");
    frm.cmdCancel.Click();
  });
}

TEST_F(CatalogueWindow, ASavedLineThatSortsElsewhereStaysSelected) {
  // Padded to its column, "Sys" sorts before "Sys 1"; unpadded it sorted after.
  testing::WriteBytes(folder / "sys.dat", "Sys 20 1 2 3 0 0 0 0 PZ90 27\r\nSys 1 20 4 5 6 0 0 0 0 PZ90 27\r\n");
  platform.AnswerMessage(MessageAnswer::kNo);
  Open(Side::Source, [](FrmCatalogue& frm) {
    EXPECT_EQ(frm.lstSys.Items(), (std::vector<std::string>{"Sys 1", "Sys"}));
    Select(frm, "Sys");
    frm.cmdChange.Click();
    frm.txt1(0).SelectAll();
    frm.txt1(0).Type("9");
    frm.cmdSave.Click();
    EXPECT_EQ(frm.lstSys.Items(), (std::vector<std::string>{"Sys", "Sys 1"}));
    EXPECT_EQ(frm.lstSys.Text(), "Sys");
    frm.cmdOK.Click();
  });
  EXPECT_EQ(state.settings.SourceSystemName, "Sys");
  EXPECT_EQ(state.settings.SourceVector[5], 9);
}

TEST_F(CatalogueWindow, RemovingTheLastEntryWritesAnEmptyFileWithoutBackup) {
  testing::WriteBytes(folder / "sys.dat", "Only entry 20 1 2 3 0 0 0 0 PZ90 27\r\n");
  for (const MessageAnswer answer : {MessageAnswer::kYes, MessageAnswer::kYes, MessageAnswer::kNo}) {
    platform.AnswerMessage(answer);
  }
  Open(Side::Source, [](FrmCatalogue& frm) {
    Select(frm, "Only entry");
    frm.cmdRemove.Click();
    EXPECT_EQ(frm.lstSys.ListCount(), 0);
    for (Control* button : {&frm.cmdOK, &frm.cmdRemove, &frm.cmdChange, &frm.cmdSave}) {
      EXPECT_FALSE(button->Enabled()) << button->Id();
    }
    EXPECT_EQ(frm.txt1(0).Text(), "");
    EXPECT_TRUE(frm.lstSys.HasFocus());
    frm.cmdCancel.Click();
  });
  EXPECT_TRUE(std::filesystem::exists(folder / "sys.dat"));
  EXPECT_EQ(testing::ReadBytes(folder / "sys.dat"), "");
  EXPECT_FALSE(std::filesystem::exists(folder / "sys.bac"));
  EXPECT_EQ(state.catalogue.systems.Count(), 0);
}

TEST_F(CatalogueWindow, RemovalIsAskedForWithNoAsTheDefault) {
  platform.AnswerMessage(MessageAnswer::kNo);
  Open(Side::Source, [](FrmCatalogue& frm) {
    Select(frm, kPz90Entry);
    frm.cmdRemove.Click();
    EXPECT_EQ(frm.lstSys.Text(), kPz90Entry);
    frm.cmdCancel.Click();
  });
  ASSERT_EQ(platform.Messages().size(), 1U);
  EXPECT_EQ(LastMessage().text, "Удалить систему координат " + std::string(kPz90Entry) + " из каталога?");
  EXPECT_EQ(LastMessage().buttons, MessageButtons::kYesNo);
  EXPECT_EQ(LastMessage().defaultButton, DefaultButton::kSecond);
  EXPECT_EQ(state.catalogue.systems.Count(), 10);
}

TEST_F(CatalogueWindow, DeclinedRemovalKeepsTheFileAndTheWindowAsLeft) {
  const std::string before = testing::ReadBytes(folder / "sys.dat");
  platform.AnswerMessage(MessageAnswer::kYes);
  platform.AnswerMessage(MessageAnswer::kNo);
  Open(Side::Source, [](FrmCatalogue& frm) {
    Select(frm, kCk63Name);
    frm.cmdRemove.Click();
    frm.cmdOK.Click();  // nothing is selected: nothing happens
    EXPECT_TRUE(frm.Visible());
    frm.Hide();
  });
  EXPECT_EQ(testing::ReadBytes(folder / "sys.dat"), before);
  EXPECT_EQ(state.catalogue.systems.Count(), 9);
  EXPECT_FALSE(state.catalogue.resetOnActivation);
  Open(Side::Source, [](FrmCatalogue& frm) {
    EXPECT_EQ(frm.lstSys.ListCount(), 9);
    frm.cmdCancel.Click();
  });
}

TEST_F(CatalogueWindow, OkForSourceThenTargetHandsTheSystemsAndTheGlobalLinkOver) {
  Open(Side::Source, [](FrmCatalogue& frm) {
    Select(frm, kCk42Name);
    frm.cmdOK.Click();
  });
  EXPECT_TRUE(mainWindow.typeListResets.empty());
  const TransformSettings& settings = state.settings;
  EXPECT_EQ(settings.SourceSystemName, kCk42Name);
  EXPECT_EQ(settings.SourceBaseName, kPz90Name);
  const double source[11] = {6378245, 298.3, 6378136, 298.25784, 25, -141, -80, 0, -0.35, -0.66, 0};
  for (int i = 1; i <= 11; ++i) EXPECT_EQ(settings.SourceVector[i], source[i - 1]) << "place " << i;

  Open(Side::Target, [](FrmCatalogue& frm) {
    Select(frm, kPz90Entry);
    frm.cmdOK.Click();
  });
  EXPECT_EQ(settings.TargetSystemName, kPz90Entry);
  EXPECT_EQ(settings.TargetBaseName, kWgs84Name);
  EXPECT_EQ(settings.TargetVector[3], 6378137);
  EXPECT_EQ(settings.GlobalLink, (GlobalLinkParams{-1.08, -0.27, -0.9, 0, 0, -0.16, -1.2e-7}));
  EXPECT_EQ(mainWindow.names,
            (std::vector<std::pair<Side, std::string>>{{Side::Source, kCk42Name}, {Side::Target, kPz90Entry}}));
  EXPECT_EQ(mainWindow.clears, 2);
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(CatalogueWindow, ATargetOnTheSourceBaseLeavesTheGlobalLinkAlone) {
  state.settings.GlobalLink = {7, 7, 7, 7, 7, 7, 7};
  Open(Side::Source, [](FrmCatalogue& frm) {
    Select(frm, kCk42Name);
    frm.cmdOK.Click();
  });
  Open(Side::Target, [](FrmCatalogue& frm) {
    Select(frm, kWgs84Name);  // the shipped WGS-84 entry rests on ПЗ-90, as СК-42 does
    frm.cmdOK.Click();
  });
  EXPECT_EQ(state.settings.TargetBaseName, kPz90Name);
  EXPECT_EQ(state.settings.GlobalLink, (GlobalLinkParams{7, 7, 7, 7, 7, 7, 7}));
}

TEST_F(CatalogueWindow, AnUnlinkedBaseKeepsTheWindowOpen) {
  testing::WriteBytes(folder / "sys.dat",
                      "Local W 21 1 2 3 0 0 0 0 WGS84 21\r\n"
                      "WGS 1984 Global Definition (WGS84) 21 0 0 0 0 0 0 0 WGS84 21\r\n"
                      "Local P 20 1 2 3 0 0 0 0 PZ90 27\r\n");
  Open(Side::Source, [](FrmCatalogue& frm) {
    Select(frm, "Local W");
    frm.cmdOK.Click();
  });
  Open(Side::Target, [](FrmCatalogue& frm) {
    Select(frm, "Local P");
    frm.cmdOK.Click();
    EXPECT_TRUE(frm.Visible());
    frm.cmdCancel.Click();
  });
  ASSERT_EQ(platform.Messages().size(), 1U);
  EXPECT_EQ(LastMessage().text, "Не установлена связь между общеземными CK\r\n" + kWgs84Name + " и\r\n" + kPz90Name);
  EXPECT_EQ(state.settings.TargetSystemName, "Local P");
  EXPECT_EQ(mainWindow.typeListResets, std::vector<Side>{Side::Target});
}

TEST_F(CatalogueWindow, AnUnknownParentIsReportedAndNothingIsHandedOver) {
  testing::WriteBytes(folder / "sys.dat", "Odd system 20 1 2 3 0 0 0 0 GRS80 27\r\n");
  Open(Side::Source, [](FrmCatalogue& frm) {
    Select(frm, "Odd system");
    frm.cmdOK.Click();
    EXPECT_TRUE(frm.Visible());
    frm.cmdCancel.Click();
  });
  ASSERT_EQ(platform.Messages().size(), 1U);
  EXPECT_EQ(LastMessage().text, "Неизвестная общеземная CK: GRS80");
  EXPECT_EQ(state.settings.SourceSystemName, "");
  EXPECT_TRUE(mainWindow.names.empty());
  EXPECT_EQ(mainWindow.clears, 0);
}

TEST_F(CatalogueWindow, CloseHandsNothingOverAndTheNextOpeningIsCleared) {
  Open(Side::Source, [](FrmCatalogue& frm) {
    Select(frm, kCk95Name);
    frm.cmdCancel.Click();
  });
  EXPECT_EQ(mainWindow.typeListResets, std::vector<Side>{Side::Source});
  EXPECT_EQ(state.settings.SourceSystemName, "");
  Open(Side::Source, [](FrmCatalogue& frm) {
    EXPECT_EQ(frm.lstSys.ListIndex(), -1);
    EXPECT_EQ(frm.txt1(0).Text(), "");
    EXPECT_EQ(frm.txtEll(2).Text(), "");
    EXPECT_FALSE(frm.cmdOK.Enabled());
    // The close box acts as "Закрыть": the window hides without unloading.
    EXPECT_FALSE(frm.RequestClose());
    EXPECT_FALSE(frm.Visible());
  });
}

struct LoadFailureCase {
  const char* label;
  const char* missing;    // file removed, or nullptr
  const char* sysBytes;   // sys.dat written instead, or nullptr
  const char* message;    // beginning of the message
  const char* file;       // file named by the message
};

class NationalFailure : public CatalogueWindow, public ::testing::WithParamInterface<LoadFailureCase> {};

TEST_P(NationalFailure, ReportsAndTriesAgainNextTime) {
  const LoadFailureCase& c = GetParam();
  if (c.missing != nullptr) std::filesystem::remove(folder / c.missing);
  if (c.sysBytes != nullptr) testing::WriteBytes(folder / "sys.dat", c.sysBytes);
  state.catalogue.side = Side::Source;
  EXPECT_FALSE(LoadCatalogue(state, platform));
  ASSERT_EQ(platform.Messages().size(), 1U);
  EXPECT_EQ(LastMessage().text, c.message + PathOf(c.file));
  EXPECT_EQ(LastMessage().title, "Выбор системы для исходных координат");
  EXPECT_EQ(LastMessage().icon, MessageIcon::kExclamation);
  EXPECT_TRUE(state.catalogue.reloadNeeded);
  EXPECT_FALSE(platform.WaitCursorOn());
}

INSTANTIATE_TEST_SUITE_P(
    Files, NationalFailure,
    ::testing::Values(LoadFailureCase{"MissingSystems", "sys.dat", nullptr, "Ошибка открытия файла ", "sys.dat"},
                      LoadFailureCase{"MissingEllipsoids", "ellips.dat", nullptr, "Ошибка открытия файла ",
                                      "ellips.dat"},
                      LoadFailureCase{"TenWordLine", nullptr, "Ten 20 1 2 3 0 0 0 0 PZ90\r\n",
                                      "Ошибочный файл ", "sys.dat"},
                      LoadFailureCase{"EmptyLine", nullptr, "A 20 1 2 3 0 0 0 0 PZ90 27\r\n\r\n", "Ошибочный файл ",
                                      "sys.dat"}),
    testing::CaseLabel());

TEST_F(CatalogueWindow, NationalReadsNothingOnceLoaded) {
  std::filesystem::remove(folder / "sys.dat");
  state.catalogue.reloadNeeded = false;
  EXPECT_TRUE(LoadCatalogue(state, platform));
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(CatalogueWindow, AnEmptySystemsFileGivesAnEmptyListWithoutMessage) {
  testing::WriteBytes(folder / "sys.dat", "");
  Open(Side::Source, [](FrmCatalogue& frm) {
    EXPECT_EQ(frm.lstSys.ListCount(), 0);
    frm.cmdCancel.Click();
  });
  EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(CatalogueWindow, AFailedRewriteIsReportedAndLeavesNoFile) {
  const std::string missingFolder = (folder / "missing").string();
  EllipsoidLines lines;
  lines.Append("A 20 6378245 298.3");
  platform.AnswerMessage(MessageAnswer::kYes);
  platform.AnswerMessage(MessageAnswer::kNo);
  EXPECT_FALSE(RewriteReferenceFile(ReferenceKind::kEllipsoids, lines, "T", missingFolder, platform));
  ASSERT_EQ(platform.Messages().size(), 3U);
  EXPECT_EQ(LastMessage().text.rfind("Ошибка записи файла " + ReferenceFilePath(missingFolder, "ellips.dat"), 0),
            0U);
  EXPECT_EQ(LastMessage().title, "T");
  // sys.dat is not even offered while its ellipsoids cannot be checked.
  EXPECT_FALSE(RewriteReferenceFile(ReferenceKind::kSystems, lines, "T", missingFolder, platform));
  ASSERT_EQ(platform.Messages().size(), 4U);
  EXPECT_EQ(LastMessage().text, "Ошибка открытия файла " + ReferenceFilePath(missingFolder, "ellips.dat"));
  EXPECT_FALSE(std::filesystem::exists(missingFolder));
}

}  // namespace
}  // namespace vexilor
