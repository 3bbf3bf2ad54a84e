// The new-system window opened by "Добавить" in the catalogue, driven as a
// user drives it, on copies of the shipped reference files in a private
// program folder.

#include "windows/new_system_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "refdata/coord_system_record.h"
#include "refdata/reference_messages.h"
#include "refdata/reference_path.h"
#include "refdata/system_choice.h"
#include "support/form_access.h"
#include "support/raw_files.h"
#include "support/recording_main_window.h"
#include "support/scripted_platform.h"
#include "text/codepage.h"
#include "windows/catalogue_window.h"
#include "windows/load_catalogue.h"

namespace vexilor {
namespace {

std::filesystem::path ShippedFile(std::string_view name) {
  return std::filesystem::path(VEXILOR_SOURCE_DIR) / "data" / name;
}

// What the user types, box by box.
struct Entry {
  std::string name = "Опытная система";
  int parent = 0;  // cboSystem: 0 "WGS-84", 1 "ПЗ-90"
  std::string ellipsoid = "Опытный";
  std::string a = "6378200";
  std::string invf = "298.3";
  std::array<std::string, 7> link{"23.5", "-140", "-80", "0", "0.35", "0.66", "-1.2e-7"};
  int rotation = 0;  // optRotation: 0 coordinate frame, 1 position vector
};

// The answers that write both files without backups.
const std::vector<MessageAnswer> kWriteBoth{MessageAnswer::kYes, MessageAnswer::kNo, MessageAnswer::kYes,
                                            MessageAnswer::kNo};

class NewSystemWindow : public ::testing::Test {
 protected:
  NewSystemWindow() {
    for (const char* name : {"sys.dat", "ellips.dat"}) std::filesystem::copy_file(ShippedFile(name), folder / name);
    state.programFolder = folder.text();
    state.catalogueFolder = folder.text();
    catalogue.SetNewSystemWindow(window);
  }

  std::string PathOf(std::string_view name) const { return ReferenceFilePath(state.catalogueFolder, name); }
  std::string Bytes(std::string_view name) const { return testing::ReadBytes(folder / name); }

  // Opens the catalogue for the source side, presses "Добавить" and lets
  // `user` act in the new window, which must hide; then `after` looks at the
  // catalogue, which closes.
  void Add(const std::function<void(FrmNewSystem&)>& user, const std::function<void(FrmCatalogue&)>& after = {}) {
    state.catalogue.side = Side::Source;
    ASSERT_TRUE(LoadCatalogue(state, platform));
    platform.ExpectModal(catalogue, [&](Form&) {
      platform.ExpectModal(window, [&](Form&) { user(window); });
      ASSERT_TRUE(catalogue.cmdAdd.Click());
      if (after) after(catalogue);
      if (catalogue.Visible()) catalogue.cmdCancel.Click();
    });
    platform.ShowModal(catalogue);
  }

  // Types `entry` box by box, clicking into each box first as a user does.
  static void Fill(FrmNewSystem& frm, const Entry& entry) {
    const auto type = [](Control& box, const std::string& text) {
      ASSERT_TRUE(box.Click());
      ASSERT_TRUE(box.ReplaceText(text));
    };
    type(frm.txtNewName, entry.name);
    ASSERT_TRUE(frm.cboSystem.Choose(entry.parent));
    type(frm.txtEll(2), entry.ellipsoid);
    type(frm.txtEll(0), entry.a);
    type(frm.txtEll(1), entry.invf);
    for (int i = 0; i < FrmNewSystem::kLinkBoxes; ++i) type(frm.txt1(i), entry.link[static_cast<std::size_t>(i)]);
    ASSERT_TRUE(frm.optRotation(entry.rotation).Click());
  }

  // Fills the window with `entry` and presses OK, answering the questions
  // with `answers`.
  void AddEntry(const Entry& entry, const std::vector<MessageAnswer>& answers,
                const std::function<void(FrmCatalogue&)>& after = {}) {
    for (MessageAnswer answer : answers) platform.AnswerMessage(answer);
    Add(
        [&](FrmNewSystem& frm) {
          Fill(frm, entry);
          ASSERT_TRUE(frm.cmdOK.Click());
          EXPECT_FALSE(frm.Visible());
        },
        after);
  }

  // The in-memory line of the system `name`.
  std::optional<CoordSystem> SystemNamed(std::string_view name) const {
    for (const std::string& line : state.catalogue.systems) {
      CoordSystem system;
      if (ParseSystemLine(line, system) == RecordError::kNone && system.name == name) return system;
    }
    return std::nullopt;
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const MessageRequest& m : platform.Messages()) texts.push_back(m.text);
    return texts;
  }

  testing::TempFolder folder;
  AppState state;
  ScriptedPlatform platform;
  testing::RecordingMainWindow mainWindow;
  FrmCatalogue catalogue{state, platform, mainWindow};
  FrmNewSystem window{state, platform, catalogue};
};

TEST_F(NewSystemWindow, OpensEmptyOnWgs84WithOkOffUntilEveryBoxIsFilled) {
  Add([](FrmNewSystem& frm) {
    EXPECT_EQ(frm.Caption(), "Определить параметры новой системы координат");
    EXPECT_EQ(frm.fraName.Text(), " Имя новой системы координат");
    EXPECT_EQ(frm.fraSystem.Text(), " Связь с системой ");
    EXPECT_EQ(frm.fraEllipso.Text(), " Параметры эллипсоида ");
    EXPECT_EQ(frm.fraOrient.Text(), " Параметры связи СК ");
    EXPECT_EQ(frm.fraLin.Text(), " Линейные ");
    EXPECT_EQ(frm.fraAngle.Text(), " Угловые ");
    EXPECT_EQ(frm.fraScale.Text(), " Масштабная поправка ");
    EXPECT_EQ(ControlOf(frm, "lblEll", 2).Text(), "Имя");
    EXPECT_EQ(ControlOf(frm, "lblEll", 0).Text(), "Большая полуось, м");
    EXPECT_EQ(ControlOf(frm, "lblEll", 1).Text(), "Знаменатель сжатия");
    EXPECT_EQ(ControlOf(frm, "lbl1", 3).Text(), "Wx,\"");
    EXPECT_EQ(frm.cboSystem.Items(), (std::vector<std::string>{"WGS-84", "ПЗ-90"}));
    EXPECT_EQ(frm.cboSystem.Text(), "WGS-84");
    EXPECT_EQ(frm.cmdOK.Text(), "OK");
    EXPECT_EQ(frm.cmdCancel.Text(), "Отмена");
    EXPECT_TRUE(frm.txtNewName.HasFocus());
    EXPECT_FALSE(frm.cmdOK.Enabled());
    Entry entry;
    entry.link[6] = "";
    Fill(frm, entry);
    EXPECT_FALSE(frm.cmdOK.Enabled());
    ASSERT_TRUE(frm.txt1(6).ReplaceText("0"));
    EXPECT_TRUE(frm.cmdOK.Enabled());
    ASSERT_TRUE(frm.txtNewName.ReplaceText(""));
    EXPECT_FALSE(frm.cmdOK.Enabled());
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
}

// One box given a text; an empty message means the entry is accepted.
struct BoundCase {
  const char* label;
  const char* box;
  int index;
  std::string text;
  std::string message;
};

void PrintTo(const BoundCase& c, std::ostream* out) { *out << c.label; }

class NewSystemBounds : public NewSystemWindow, public ::testing::WithParamInterface<BoundCase> {};

TEST_P(NewSystemBounds, ChecksEachBoxInItsOrder) {
  const BoundCase& c = GetParam();
  const bool accepted = c.message.empty();
  const std::string ellipsBefore = Bytes("ellips.dat");
  if (accepted) {
    for (MessageAnswer answer : kWriteBoth) platform.AnswerMessage(answer);
  }
  Add([&](FrmNewSystem& frm) {
    Fill(frm, Entry{});
    Control& box = ControlOf(frm, c.box, c.index);
    ASSERT_TRUE(box.ReplaceText(c.text));
    ASSERT_TRUE(frm.cmdOK.Click());
    EXPECT_EQ(frm.Visible(), !accepted);
    if (!frm.Visible()) return;
    // A refusal keeps the window open with the focus in the refused box.
    EXPECT_TRUE(box.HasFocus());
    EXPECT_EQ(box.Text(), c.text);
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
  if (accepted) {
    EXPECT_EQ(platform.Messages().size(), 4u) << MessageTexts().front();
    EXPECT_EQ(state.catalogue.systems.Count(), 11);
    EXPECT_NE(Bytes("ellips.dat"), ellipsBefore);
    return;
  }
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, c.message);
  EXPECT_EQ(platform.Messages()[0].title, "Определить параметры новой системы координат");
  EXPECT_EQ(platform.Messages()[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(state.catalogue.systems.Count(), 10);
  EXPECT_EQ(state.catalogue.ellipsoids.Count(), 28);
  EXPECT_EQ(Bytes("ellips.dat"), ellipsBefore);
}

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

std::string Words(int count) {
  std::string text = "w";
  for (int i = 1; i < count; ++i) text += " w";
  return text;
}

const std::string kMissing = "Не все данные введены.";
const std::string kNameTooLong = "Длина имени новой системы координат великовата.";
const std::string kEllipsoidTooLong = "Длина имени нового эллипсоида великовата.";

INSTANTIATE_TEST_SUITE_P(
    Boxes, NewSystemBounds,
    ::testing::Values(
        BoundCase{"Name68", "txtNewName", kNoIndex, Repeated("N", 68), ""},
        BoundCase{"Name69", "txtNewName", kNoIndex, Repeated("N", 69), kNameTooLong},
        // Characters, not bytes: 68 Cyrillic letters take 136 bytes.
        BoundCase{"Name68Cyrillic", "txtNewName", kNoIndex, Repeated("Ж", 68), ""},
        BoundCase{"Name69Cyrillic", "txtNewName", kNoIndex, Repeated("Ж", 69), kNameTooLong},
        BoundCase{"Name68WithBlanksAround", "txtNewName", kNoIndex, "  " + Repeated("N", 68) + "  ", ""},
        BoundCase{"NameOfBlanks", "txtNewName", kNoIndex, "   ", kMissing},
        BoundCase{"Name30Words", "txtNewName", kNoIndex, Words(30), ""},
        BoundCase{"Name31Words", "txtNewName", kNoIndex, Words(31),
                  "Имя новой системы координат состоит\r\nиз слишком многих слов (больше 30)."},
        BoundCase{"NameNotInTheCodePage", "txtNewName", kNoIndex, "Система 中",
                  "В имени новой системы координат есть знак «中»,\r\n"
                  "которого нет в кодировке справочных файлов (Windows-1251)."},
        BoundCase{"NameWithATab", "txtNewName", kNoIndex, "A\tB",
                  "В имени новой системы координат есть знак с кодом 9,\r\n"
                  "которого нет в кодировке справочных файлов (Windows-1251)."},
        BoundCase{"Ellipsoid17", "txtEll", 2, Repeated("Э", 17), ""},
        BoundCase{"Ellipsoid18", "txtEll", 2, Repeated("Э", 18), kEllipsoidTooLong},
        BoundCase{"Ellipsoid17WithBlanksAround", "txtEll", 2, " " + Repeated("E", 17) + " ", ""},
        BoundCase{"EllipsoidOfBlanks", "txtEll", 2, "  ", kMissing},
        BoundCase{"EllipsoidNotInTheCodePage", "txtEll", 2, "Ä",
                  "В имени нового эллипсоида есть знак «Ä»,\r\n"
                  "которого нет в кодировке справочных файлов (Windows-1251)."},
        BoundCase{"A6400000", "txtEll", 0, "6400000", ""},
        BoundCase{"A6200000", "txtEll", 0, "6200000", ""},
        BoundCase{"AJustBelow6200000", "txtEll", 0, "6199999.999", "Неверное значение большой полуоси эллипсоида."},
        BoundCase{"InverseFlattening290", "txtEll", 1, "290", ""},
        BoundCase{"InverseFlattening305", "txtEll", 1, "305", ""},
        BoundCase{"InverseFlattening305_01", "txtEll", 1, "305.01",
                  "Неверное значение знаменателя сжатия эллипсоида."},
        BoundCase{"InverseFlatteningNotANumber", "txtEll", 1, "2 98", "Неверное значение знаменателя сжатия эллипсоида."},
        BoundCase{"DxMinus3000", "txt1", 0, "-3000", ""},
        BoundCase{"DxBeyond3000", "txt1", 0, "3000.001", "Неверное значение параметра Dx."},
        BoundCase{"DyBeyond3000", "txt1", 1, "-3000.001", "Неверное значение параметра Dy."},
        BoundCase{"DzNotANumber", "txt1", 2, "-", "Неверное значение параметра Dz."},
        BoundCase{"Wx10", "txt1", 3, "10", ""},
        BoundCase{"WxBeyond10", "txt1", 3, "10.001", "Неверное значение параметра Wx."},
        BoundCase{"WyBeyond10", "txt1", 4, "-10.001", "Неверное значение параметра Wy."},
        BoundCase{"WzBeyond10", "txt1", 5, "11", "Неверное значение параметра Wz."},
        BoundCase{"WzOfBlanks", "txt1", 5, " ", kMissing},
        BoundCase{"ScaleInExponentForm", "txt1", 6, "1e-5", ""},
        BoundCase{"ScaleBeyondBound", "txt1", 6, "0.00002", "Неверное значение масштабной поправки."}),
    testing::CaseLabel());

TEST_F(NewSystemWindow, ADuplicateNameIsRefusedWhateverItsBlanks) {
  Entry entry;
  entry.name = "Russia  1942   Coordinate Reference System (CK42) ";
  entry.parent = 1;
  Add([&](FrmNewSystem& frm) {
    Fill(frm, entry);
    ASSERT_TRUE(frm.cmdOK.Click());
    EXPECT_TRUE(frm.Visible());
    // Everything typed stays; the name is selected for correction.
    EXPECT_EQ(frm.txtNewName.Text(), entry.name);
    EXPECT_TRUE(frm.txtNewName.HasFocus());
    EXPECT_EQ(frm.txtNewName.SelectedText(), entry.name);
    EXPECT_EQ(frm.txtEll(2).Text(), entry.ellipsoid);
    EXPECT_EQ(frm.txt1(6).Text(), entry.link[6]);
    EXPECT_EQ(frm.cboSystem.Text(), "ПЗ-90");
    EXPECT_TRUE(frm.cmdOK.Enabled());
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
  EXPECT_EQ(MessageTexts(),
            std::vector<std::string>{"Система координат Russia 1942 Coordinate Reference System (CK42)\r\nуже существует."});
  EXPECT_EQ(state.catalogue.systems.Count(), 10);
  EXPECT_EQ(state.catalogue.ellipsoids.Count(), 28);
}

TEST_F(NewSystemWindow, AKnownEllipsoidTypedInAnotherCaseIsFilledInAndReused) {
  Add([](FrmNewSystem& frm) {
    ASSERT_TRUE(frm.txtEll(2).Click());
    ASSERT_TRUE(frm.txtEll(2).ReplaceText("  krassovsky   1940"));
    ASSERT_TRUE(frm.txtNewName.Click());  // leaving the name box looks the name up
    EXPECT_EQ(frm.txtEll(2).Text(), "Krassovsky 1940");
    EXPECT_EQ(frm.txtEll(0).Text(), "6378245.000");
    EXPECT_EQ(frm.txtEll(1).Text(), "298.300000000");
    EXPECT_TRUE(frm.txt1(0).HasFocus());
    // An unknown name changes nothing.
    ASSERT_TRUE(frm.txtEll(2).Click());
    ASSERT_TRUE(frm.txtEll(2).ReplaceText("Krassovsky 1941"));
    ASSERT_TRUE(frm.txtEll(1).Click());
    EXPECT_EQ(frm.txtEll(2).Text(), "Krassovsky 1941");
    EXPECT_TRUE(frm.txtEll(1).HasFocus());
    ASSERT_TRUE(frm.cmdCancel.Click());
  });

  platform.AnswerMessage(MessageAnswer::kNo);  // ellips.dat
  platform.AnswerMessage(MessageAnswer::kNo);  // sys.dat
  Add([](FrmNewSystem& frm) {
    Entry entry;
    Fill(frm, entry);
    ASSERT_TRUE(frm.txtEll(2).Click());
    ASSERT_TRUE(frm.txtEll(2).ReplaceText("KRASSOVSKY 1940"));
    ASSERT_TRUE(frm.cmdOK.Click());  // leaving the box fills the geometry in first
  });
  EXPECT_EQ(state.catalogue.ellipsoids.Count(), 28);
  const std::optional<CoordSystem> added = SystemNamed("Опытная система");
  ASSERT_TRUE(added.has_value());
  EXPECT_EQ(added->ellipsoidNumber, 20);
}

TEST_F(NewSystemWindow, AKnownNameWithOtherGeometryAsksWhichToKeep) {
  Entry entry;
  entry.ellipsoid = "Krassovsky 1940";
  entry.invf = "298.31";
  const std::string question =
      "Эллипсоид с именем Krassovsky 1940 уже существует,\r\nа его параметры отличаются от введенных.\r\n"
      "Ввести параметры нового эллипсоида?\r\n(Иначе принять параметры этого эллипсоида из файла).";
  // Yes: the ellipsoid boxes are emptied for other values; nothing is added.
  platform.AnswerMessage(MessageAnswer::kYes);
  Add([&](FrmNewSystem& frm) {
    Fill(frm, entry);
    ASSERT_TRUE(frm.txtEll(1).ReplaceText("298.31"));  // leaving the name box filled in the file's value
    ASSERT_TRUE(frm.cmdOK.Click());
    EXPECT_TRUE(frm.Visible());
    for (int i = 0; i < FrmNewSystem::kEllipsoidBoxes; ++i) EXPECT_EQ(frm.txtEll(i).Text(), "");
    EXPECT_TRUE(frm.txtEll(2).HasFocus());
    EXPECT_EQ(frm.txtNewName.Text(), entry.name);
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].text, question);
  EXPECT_EQ(platform.Messages()[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(state.catalogue.systems.Count(), 10);

  // No: the system takes the file's ellipsoid; ellips.dat gains nothing.
  const std::string ellipsBefore = Bytes("ellips.dat");
  for (MessageAnswer answer : {MessageAnswer::kNo, MessageAnswer::kYes, MessageAnswer::kNo, MessageAnswer::kYes,
                               MessageAnswer::kNo}) {
    platform.AnswerMessage(answer);
  }
  Add([&](FrmNewSystem& frm) {
    Fill(frm, entry);
    ASSERT_TRUE(frm.txtEll(1).ReplaceText("298.31"));
    ASSERT_TRUE(frm.cmdOK.Click());
  });
  EXPECT_EQ(platform.Messages()[1].text, question);
  EXPECT_EQ(SystemNamed(entry.name)->ellipsoidNumber, 20);
  EXPECT_EQ(state.catalogue.ellipsoids.Count(), 28);
  EXPECT_EQ(Bytes("ellips.dat"), ellipsBefore);
}

// ellips.dat may hold more decimals than the window shows: the values the
// window filled in are still the file's ellipsoid, without a question.
TEST_F(NewSystemWindow, AGeometryFilledInFromTheFileIsTheFilesOwn) {
  std::ofstream(folder / "ellips.dat", std::ios::binary | std::ios::app)
      << "GRS 1980 exact             40 6378137.0001 298.257222100883\r\n";
  platform.AnswerMessage(MessageAnswer::kNo);
  platform.AnswerMessage(MessageAnswer::kNo);
  Add([](FrmNewSystem& frm) {
    Entry entry;
    entry.ellipsoid = "grs 1980 exact";
    Fill(frm, entry);
    // Retyped as the window showed them.
    ASSERT_TRUE(frm.txtEll(0).ReplaceText("6378137.000"));
    ASSERT_TRUE(frm.txtEll(1).ReplaceText("298.257222101"));
    ASSERT_TRUE(frm.cmdOK.Click());
  });
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{RewriteQuestion(ReferenceKind::kEllipsoids, PathOf("ellips.dat")),
                                                      RewriteQuestion(ReferenceKind::kSystems, PathOf("sys.dat"))}));
  EXPECT_EQ(SystemNamed("Опытная система")->ellipsoidNumber, 40);
}

TEST_F(NewSystemWindow, TheParentDecidesTheCodeAndTheParentEllipsoid) {
  struct Case {
    int parent;
    const char* name;
    const char* code;
    std::int16_t ellipsoid;
  };
  for (const Case& c : {Case{0, "На WGS-84", "WGS84", 21}, Case{1, "На ПЗ-90", "PZ90", 27}}) {
    Entry entry;
    entry.name = c.name;
    entry.parent = c.parent;
    entry.ellipsoid = "Krassovsky 1940";
    entry.a = "6378245";
    AddEntry(entry, {MessageAnswer::kNo, MessageAnswer::kNo});
    const std::optional<CoordSystem> added = SystemNamed(c.name);
    ASSERT_TRUE(added.has_value()) << c.name;
    EXPECT_EQ(added->parentCode, c.code);
    EXPECT_EQ(added->parentEllipsoidNumber, c.ellipsoid);
    EXPECT_EQ(added->link, (LinkParams{23.5, -140, -80, 0, 0.35, 0.66, -1.2e-7}));
  }
}

// The guidance note 7-2 example WGS 72 → WGS 84 (EPSG 1238), published in
// the position-vector rule of sign, and the same set in the coordinate-frame
// rule: one catalogue line but for the name. The window opens on the
// coordinate frame every time, whatever was chosen before.
TEST_F(NewSystemWindow, APositionVectorSetIsStoredWithItsRotationsNegated) {
  struct Case {
    const char* name;
    int rotation;
    const char* wz;
  };
  std::vector<std::string> tails;
  // Names of one length, so that the values stand at one place in the lines.
  for (const Case& c : {Case{"Опыт 1033 А", 1, "0.554"}, Case{"Опыт 1032 А", 0, "-0.554"},
                        Case{"Опыт 1033 Б", 1, "0.554"}}) {
    Entry entry;
    entry.name = c.name;
    entry.rotation = c.rotation;
    entry.link = {"0", "0", "4.5", "0", "0", c.wz, "2.19e-7"};
    for (MessageAnswer answer : kWriteBoth) platform.AnswerMessage(answer);
    Add([&](FrmNewSystem& frm) {
      EXPECT_TRUE(frm.optRotation(0).Checked()) << entry.name;
      EXPECT_FALSE(frm.optRotation(1).Checked()) << entry.name;
      Fill(frm, entry);
      ASSERT_TRUE(frm.cmdOK.Click());
    });
    const auto line = std::find_if(state.catalogue.systems.begin(), state.catalogue.systems.end(),
                                   [&](const std::string& l) { return l.starts_with(entry.name + " "); });
    ASSERT_NE(line, state.catalogue.systems.end()) << entry.name;
    tails.push_back(line->substr(kMaxSystemNameLength));
  }
  EXPECT_EQ(tails[0], tails[1]);
  EXPECT_EQ(tails[1], tails[2]);
  EXPECT_EQ(SystemNamed("Опыт 1032 А")->link, (LinkParams{0, 0, 4.5, 0, 0, -0.554, 2.19e-7}));
}

TEST_F(NewSystemWindow, ANameThatSortsFirstIsListedFirstSelectedAndReadyToChoose) {
  Entry entry;
  entry.name = "Aаа местная";
  entry.parent = 1;
  AddEntry(entry, {MessageAnswer::kNo}, [&](FrmCatalogue& frm) {
    EXPECT_EQ(frm.lstSys.Items().front(), "Aаа местная");
    EXPECT_EQ(frm.lstSys.ListIndex(), 0);
    EXPECT_EQ(frm.txt1(0).Text(), "    23.50");
    EXPECT_EQ(frm.txt1(6).Text(), "-1.2e-07");
    EXPECT_EQ(frm.txtSystem.Text().find("PZ90") != std::string::npos, true);
    EXPECT_TRUE(frm.cmdOK.Enabled());
    EXPECT_TRUE(frm.cmdOK.HasFocus());
    ASSERT_TRUE(frm.cmdOK.Click());
  });
  // ellips.dat declined with a new ellipsoid: sys.dat is not asked about.
  EXPECT_EQ(state.settings.SourceSystemName, "Aаа местная");
  EXPECT_EQ(state.settings.SourceBaseName, kPz90Name);
  EXPECT_EQ(state.settings.SourceVector[1], 6378200.0);
  EXPECT_EQ(state.settings.SourceVector[3], 6378136.0);
  EXPECT_EQ(state.settings.SourceVector[11], -1.2e-7);
}

// How the two rewrites go, answered each way.
struct RewriteCase {
  const char* label;
  bool newEllipsoid;
  std::vector<MessageAnswer> answers;
  bool ellipsoidsWritten;
  bool systemsWritten;
  bool backups;
  bool systemsKeptMessage;  // sys.dat not rewritten: ellips.dat lacks the ellipsoid
};

void PrintTo(const RewriteCase& c, std::ostream* out) { *out << c.label; }

class NewSystemRewrite : public NewSystemWindow, public ::testing::WithParamInterface<RewriteCase> {};

TEST_P(NewSystemRewrite, WritesEllipsoidsFirstAndSystemsOnlyOnTopOfThem) {
  const RewriteCase& c = GetParam();
  const std::string sysBefore = Bytes("sys.dat");
  const std::string ellipsBefore = Bytes("ellips.dat");
  Entry entry;
  if (!c.newEllipsoid) {
    entry.ellipsoid = "Krassovsky 1940";
    entry.a = "6378245";
  }
  AddEntry(entry, c.answers);
  const std::vector<std::string> texts = MessageTexts();
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), RewriteQuestion(ReferenceKind::kEllipsoids, PathOf("ellips.dat")));
  EXPECT_EQ(Bytes("ellips.dat") != ellipsBefore, c.ellipsoidsWritten);
  EXPECT_EQ(Bytes("sys.dat") != sysBefore, c.systemsWritten);
  EXPECT_EQ(std::filesystem::exists(folder / "ellips.bac"), c.backups && c.ellipsoidsWritten);
  EXPECT_EQ(std::filesystem::exists(folder / "sys.bac"), c.backups && c.systemsWritten);
  if (c.backups) {
    EXPECT_EQ(Bytes("sys.bac"), sysBefore);
  }
  const std::string kept = "Эллипсоид с номером 29 не записан в файл\r\n" + PathOf("ellips.dat") +
                           ".\r\nФайл параметров систем координат не изменен.";
  EXPECT_EQ(texts.back() == kept, c.systemsKeptMessage);
  // The lists keep the new lines whatever the files.
  EXPECT_TRUE(SystemNamed(entry.name).has_value());
  EXPECT_EQ(state.catalogue.ellipsoids.Count(), c.newEllipsoid ? 29 : 28);

  // What the files hold reads back as a catalogue that lists and chooses
  // every entry.
  state.catalogue.reloadNeeded = true;
  ASSERT_TRUE(LoadCatalogue(state, platform));
  for (std::int16_t i = 1; i <= state.catalogue.systems.Count(); ++i) {
    SystemChoice choice;
    EXPECT_EQ(ChooseSystem(state.catalogue.systems, state.catalogue.ellipsoids, i, choice).error, ChoiceError::kNone)
        << state.catalogue.systems.Item(i);
  }
}

using A = MessageAnswer;
INSTANTIATE_TEST_SUITE_P(
    Answers, NewSystemRewrite,
    ::testing::Values(
        RewriteCase{"NewEllipsoidDeclined", true, {A::kNo}, false, false, false, true},
        RewriteCase{"NewEllipsoidBothWithBackups", true, {A::kYes, A::kYes, A::kYes, A::kYes}, true, true, true, false},
        RewriteCase{"NewEllipsoidSystemsDeclined", true, {A::kYes, A::kNo, A::kNo}, true, false, false, false},
        RewriteCase{"KnownEllipsoidSystemsOnly", false, {A::kNo, A::kYes, A::kNo}, false, true, false, false},
        RewriteCase{"KnownEllipsoidBothDeclined", false, {A::kNo, A::kNo}, false, false, false, false}),
    testing::CaseLabel());

// A system on a new ellipsoid whose ellips.dat rewrite the user declined
// lives in memory only: removing another system rewrites sys.dat without it,
// and an ellipsoid number that any sys.dat line names is never given again.
TEST_F(NewSystemWindow, ASystemOnAnUnwrittenEllipsoidNeverReachesTheSystemsFile) {
  AddEntry(Entry{}, {A::kNo, A::kYes, A::kYes, A::kNo}, [](FrmCatalogue& frm) {
    const std::vector<std::string>& names = frm.lstSys.Items();
    const auto ck63 = std::find_if(names.begin(), names.end(),
                                   [](const std::string& name) { return name.find("(CK63)") != std::string::npos; });
    ASSERT_TRUE(frm.lstSys.Choose(static_cast<int>(ck63 - names.begin())));
    ASSERT_TRUE(frm.cmdRemove.Click());
  });
  const std::string written = Cp1251ToUtf8(Bytes("sys.dat"));
  EXPECT_EQ(written.find("(CK63)"), std::string::npos);
  EXPECT_EQ(written.find("Опытная система"), std::string::npos);
  EXPECT_EQ(MessageTexts().back(),
            OrphansNotWrittenMessage({{"Опытная система", 29}}, PathOf("sys.dat"), PathOf("ellips.dat")));

  testing::WriteBytes(folder / "sys.dat", "Осиротевшая 40 0 0 0 0 0 0 0 PZ90 27\r\n" + Bytes("sys.dat"));
  state.catalogue.reloadNeeded = true;
  Entry next;
  next.name = "Следующая";
  AddEntry(next, {A::kNo});
  EXPECT_EQ(SystemNamed("Следующая")->ellipsoidNumber, 41);
}

// An installed program reads and rewrites the user's copy of the catalogue;
// the installed files, beside the grid and the help, are never touched.
TEST_F(NewSystemWindow, AnInstalledProgramWritesTheUsersCatalogueAndItsBackups) {
  const std::filesystem::path installed = folder / "share";
  std::filesystem::create_directory(installed);
  for (const char* name : {"sys.dat", "ellips.dat"}) std::filesystem::copy_file(ShippedFile(name), installed / name);
  state.programFolder = installed.string();
  Entry entry;
  entry.name = "Участок 7";
  const MessageAnswer yes = MessageAnswer::kYes;
  AddEntry(entry, {yes, yes, yes, yes});  // both files, each with a backup

  EXPECT_NE(Cp1251ToUtf8(Bytes("sys.dat")).find("Участок 7"), std::string::npos);
  EXPECT_EQ(Bytes("sys.bac"), testing::ReadBytes(ShippedFile("sys.dat")));
  EXPECT_EQ(Bytes("ellips.bac"), testing::ReadBytes(ShippedFile("ellips.dat")));
  for (const char* name : {"sys.dat", "ellips.dat"})
    EXPECT_EQ(testing::ReadBytes(installed / name), testing::ReadBytes(ShippedFile(name))) << name;
  EXPECT_FALSE(std::filesystem::exists(installed / "sys.bac"));
  EXPECT_FALSE(std::filesystem::exists(installed / "ellips.bac"));
}

TEST_F(NewSystemWindow, ANewEllipsoidIsNumberedAfterTheLargestNumber) {
  struct Case {
    std::vector<int> numbers;
    std::int16_t expected;
  };
  std::vector<int> dense(30);
  std::iota(dense.begin(), dense.end(), 1);
  std::vector<int> gap = dense;
  gap.erase(gap.begin() + 4);  // 29 lines: Count + 1 = 30 is taken
  // {5, 21, 27, 12}: ГСК-2011 in sys.dat names 28, which is not free.
  for (const Case& c : {Case{dense, 31}, Case{gap, 31}, Case{{5, 21, 27, 12}, 29}}) {
    std::string lines;
    for (int n : c.numbers) lines += "E" + std::to_string(n) + " " + std::to_string(n) + " 6378245 298.3\r\n";
    testing::WriteBytes(folder / "ellips.dat", lines);
    state.catalogue.reloadNeeded = true;
    Entry entry;
    entry.name = "Система " + std::to_string(c.numbers.size());
    AddEntry(entry, {A::kNo});
    EXPECT_EQ(SystemNamed(entry.name)->ellipsoidNumber, c.expected) << c.numbers.size();
  }
}

TEST_F(NewSystemWindow, AFullListOrADamagedEllipsoidFileAddsNothing) {
  struct Case {
    const char* label;
    std::function<void()> prepare;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"DamagedEllipsoidFile",
       [&] {
         testing::WriteBytes(folder / "ellips.dat", "A 1 6378245 298.3\r\n\r\nB 2 6378245 298.3\r\n");
         state.catalogue.reloadNeeded = true;
       },
       EllipsoidFileErrorMessage(PathOf("ellips.dat"))},
      {"LargestEllipsoidNumber",
       [&] {
         testing::WriteBytes(folder / "ellips.dat",
                             testing::ReadBytes(ShippedFile("ellips.dat")) + "A 32767 6378245 298.3\r\n");
         state.catalogue.reloadNeeded = true;
       },
       "Список эллипсоидов заполнен:\r\nновый эллипсоид не может быть добавлен."},
      {"FullSystemList",
       [&] {
         while (state.catalogue.systems.Append("S 20 0 0 0 0 0 0 0 PZ90 27")) {
         }
       },
       "Список систем координат заполнен:\r\nновая система не может быть добавлена."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::filesystem::copy_file(ShippedFile("ellips.dat"), folder / "ellips.dat",
                               std::filesystem::copy_options::overwrite_existing);
    state.catalogue.reloadNeeded = true;
    ASSERT_TRUE(LoadCatalogue(state, platform));
    c.prepare();
    const std::size_t said = platform.Messages().size();
    Add([](FrmNewSystem& frm) {
      Fill(frm, Entry{});
      ASSERT_TRUE(frm.cmdOK.Click());
      EXPECT_TRUE(frm.Visible());
      ASSERT_TRUE(frm.cmdCancel.Click());
    });
    ASSERT_EQ(platform.Messages().size(), said + 1);
    EXPECT_EQ(platform.Messages().back().text, c.message);
    EXPECT_FALSE(SystemNamed("Опытная система").has_value());
  }
}

TEST_F(NewSystemWindow, CancelAddsNothingAndKeepsTheCatalogueAsItWas) {
  state.catalogue.side = Side::Source;
  ASSERT_TRUE(LoadCatalogue(state, platform));
  platform.ExpectModal(catalogue, [&](Form&) {
    ASSERT_TRUE(catalogue.lstSys.Choose(2));
    platform.ExpectModal(window, [this](Form&) {
      Fill(window, Entry{.parent = 1});
      ASSERT_TRUE(window.cmdCancel.Click());
    });
    ASSERT_TRUE(catalogue.cmdAdd.Click());
    EXPECT_EQ(catalogue.lstSys.ListIndex(), 2);
    EXPECT_TRUE(catalogue.cmdOK.Enabled());
    EXPECT_TRUE(catalogue.lstSys.HasFocus());
    ASSERT_TRUE(catalogue.cmdCancel.Click());
  });
  platform.ShowModal(catalogue);
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_EQ(state.catalogue.systems.Count(), 10);
  EXPECT_EQ(window.txtNewName.Text(), "");
  EXPECT_EQ(window.txt1(6).Text(), "");
  EXPECT_EQ(window.cboSystem.Text(), "WGS-84");
}

TEST_F(NewSystemWindow, NumberBoxesTakeOnlyNumberKeys) {
  Add([this](FrmNewSystem& frm) {
    for (Control* box : {&frm.txtEll(0), &frm.txtEll(1), &frm.txt1(0), &frm.txt1(5)}) {
      ASSERT_TRUE(box->Click());
      ASSERT_TRUE(box->Type("1,5e"));
      EXPECT_EQ(box->Text(), "15") << box->Id();
    }
    EXPECT_EQ(platform.Beeps(), 8);
    for (Control* box : {&frm.txt1(6), &frm.txtEll(2), &frm.txtNewName}) {
      ASSERT_TRUE(box->Click());
      ASSERT_TRUE(box->Type("1e-7,Ж"));
      EXPECT_EQ(box->Text(), "1e-7,Ж") << box->Id();
    }
    EXPECT_EQ(platform.Beeps(), 8);
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
}

}  // namespace
}  // namespace vexilor
