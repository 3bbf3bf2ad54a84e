// The local-system step and its keyboard dialog driven as a user drives
// them: questions answered from a queue, keys.dat in a private program
// folder, the dialog typed into.

#include "windows/local_link_params.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "support/recording_main_window.h"
#include "support/scripted_platform.h"
#include "refdata/reference_path.h"
#include "support/raw_files.h"

namespace vexilor {
namespace {

using testing::ReadBytes;
using Texts = std::array<std::string, 4>;

const std::string kStepTitle = "Установить параметры связи для местной СК";
const std::string kKeyboard = "\r\nВвести параметры связи систем координат с клавиатуры?";
const std::string kX0 = "Ошибочное значение условного начала по оси \"x\"";
const std::string kY0 = "Ошибочное значение условного начала по оси \"y\"";
const std::string kWidth = "Ошибочное значение ширины координатных зон.";

class LocalLink : public ::testing::Test {
 protected:
  LocalLink() {
    state.programFolder = folder.text();
    state.catalogueFolder = folder.text();
    for (std::size_t k = 0; k < 10; ++k) {  // both sides already set, so that any write shows
      state.projection.params.source.values[k] = 101.0 + k;
      state.projection.params.target.values[k] = 201.0 + k;
    }
    before = state.projection.params;
  }

  std::string KeysPath() const { return ReferenceFilePath(state.catalogueFolder, kKeysFileName); }
  void WriteKeys(const std::string& bytes) { testing::WriteBytes(folder / "keys.dat", bytes); }
  void Run(Side side, const std::string& systemName) {
    SetLocalLinkParams(state, platform, mainWindow, dialog, side, systemName);
  }
  void Type(const Texts& texts) {
    Control* boxes[] = {&dialog.txtDlg1, &dialog.txtDlg2, &dialog.txtDlg3, &dialog.txtDlg4};
    for (std::size_t i = 0; i < 4; ++i) boxes[i]->Type(texts[i]);
  }
  // The user types the four values into the dialog and presses "Готово".
  void ExpectEntry(const Texts& texts) {
    platform.ExpectModal(dialog, [=, this](Form&) {
      Type(texts);
      dialog.cmdKey.Click();
    });
  }
  const MessageRequest& LastMessage() const { return platform.Messages().back(); }
  bool Unchanged() const {
    return state.projection.params.source.values == before.source.values &&
           state.projection.params.target.values == before.target.values;
  }

  // Slots 1 to 9 of `side` hold the Gauss-Krüger set (x0, y0 in metres);
  // slot 10 and the other side are as before.
  void ExpectWritten(Side side, double l0, double width, double x0, double y0) const {
    const std::array<double, 10> expected{0, 0, l0, width, x0, y0, 1, 0, 0, before[side].FixedZone()};
    for (std::size_t k = 0; k < expected.size(); ++k) {
      EXPECT_NEAR(state.projection.params[side].values[k], expected[k], 1e-6) << "slot " << k + 1;
    }
    const Side other = side == Side::Source ? Side::Target : Side::Source;
    EXPECT_EQ(state.projection.params[other].values, before[other].values);
    EXPECT_FALSE(dialog.Entered());
    EXPECT_EQ(mainWindow.newSettings, 0);
  }

  testing::TempFolder folder;
  AppState state;
  ScriptedPlatform platform;
  testing::RecordingMainWindow mainWindow;
  FrmLocalLink dialog{state, platform, mainWindow};
  ProjectionParams before;
};

TEST_F(LocalLink, TakesTheLineOfTheNameTypedInLowerCase) {
  const std::string keys = "# MCK42A below\r\n\r\nMCK42 1 0 3 0 250\r\nMCK42A 37 30 6 0 500\r\n";
  WriteKeys(keys);
  platform.AnswerMessage(MessageAnswer::kYes);
  platform.AnswerInput("mck42a");
  Run(Side::Source, kMck42Name);
  ASSERT_EQ(platform.Messages().size(), 1u);
  const MessageRequest& q = platform.Messages()[0];
  EXPECT_EQ(q.text, "Параметры связи MCK42 c CK42 вводятся\r\nиз файла? (Иначе с клавиатуры).");
  EXPECT_EQ(q.title, "Определить тип ввода параметров связи");
  EXPECT_EQ(q.buttons, MessageButtons::kYesNo);
  EXPECT_EQ(q.icon, MessageIcon::kQuestion);
  ASSERT_EQ(platform.Inputs().size(), 1u);
  EXPECT_EQ(platform.Inputs()[0].prompt,
            "Введите имя региона (СК63) или имя местной\r\nсистемы   координат (MCK42  или  MCK95).");
  EXPECT_EQ(platform.Inputs()[0].title, kStepTitle);
  EXPECT_EQ(platform.Inputs()[0].defaultText, "A");
  ExpectWritten(Side::Source, 37.5, 6, 0, 500000);
  EXPECT_EQ(ReadBytes(folder / "keys.dat"), keys);
}

struct FileCase {
  const char* label;
  std::string systemName;
  std::string line;
  Side side;
  double l0, width, x0, y0;  // degrees and metres
};

class LocalLinkFromFile : public LocalLink, public ::testing::WithParamInterface<FileCase> {};

TEST_P(LocalLinkFromFile, WritesTheGaussKrugerSet) {
  const FileCase& c = GetParam();
  WriteKeys(c.line + "\r\n");
  platform.AnswerMessage(MessageAnswer::kYes);
  platform.AnswerInput("r");
  Run(c.side, c.systemName);
  EXPECT_EQ(platform.Messages().size(), 1u) << LastMessage().text;
  ExpectWritten(c.side, c.l0, c.width, c.x0, c.y0);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LocalLinkFromFile,
    ::testing::Values(
        FileCase{"seven_words", kMck95Name, "R 38 28 30 3 -5811.057 250", Side::Target, 38 + 28 / 60.0 + 30 / 3600.0, 3,
                 -5811057, 250000},
        FileCase{"negative_longitude", kMck42Name, "R -3 00 6 0 500", Side::Source, 357, 6, 0, 500000},
        // СК63 counts x0 in minutes of arc of 1842.938 m.
        FileCase{"ck63_minutes", kCk63Name, "R 23 30 3 30 250", Side::Source, 23.5, 3, 55288.14, 250000},
        FileCase{"y0_at_65_per_degree", kMck42Name, "R 37 30 6 0 390", Side::Target, 37.5, 6, 0, 390000},
        FileCase{"range_ends", kMck42Name, "R 359 59.5 0.5 -10000 32.5", Side::Source, 359 + 59.5 / 60, 0.5, -1e7,
                 32500}),
    testing::CaseLabel());

struct FailureCase {
  const char* label;
  std::string systemName;
  std::string keys;      // "": no keys.dat
  std::string question;  // "%" stands for the path of keys.dat
};

class LocalLinkFileFailure : public LocalLink, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(LocalLinkFileFailure, AsksForTheKeyboardAndNoStartsAnew) {
  const FailureCase& c = GetParam();
  if (!c.keys.empty()) WriteKeys(c.keys);
  platform.AnswerMessage(MessageAnswer::kYes);
  if (!c.keys.empty()) platform.AnswerInput("a");
  platform.AnswerMessage(MessageAnswer::kNo);
  Run(Side::Target, c.systemName);
  std::string question = c.question;
  if (const auto at = question.find('%'); at != std::string::npos) question.replace(at, 1, KeysPath());
  EXPECT_EQ(LastMessage().text, question);
  EXPECT_EQ(LastMessage().title, kStepTitle);
  EXPECT_EQ(LastMessage().icon, MessageIcon::kQuestion);
  EXPECT_EQ(mainWindow.newSettings, 1);
  EXPECT_TRUE(platform.ModalForms().empty());
  EXPECT_TRUE(Unchanged());
  EXPECT_EQ(ReadBytes(folder / "keys.dat"), c.keys);
  EXPECT_EQ(platform.Inputs().size(), c.keys.empty() ? 0u : 1u);
}

std::string Bad(const std::string& what) { return what + "\r\nМСК (регион): A."; }

INSTANTIATE_TEST_SUITE_P(
    Keys, LocalLinkFileFailure,
    ::testing::Values(
        FailureCase{"missing_file", kMck42Name, "",
                    "Отсутствует файл параметров связи\r\n%\r\nВвести параметры связи с клавиатуры?"},
        FailureCase{"not_found", kMck42Name, "AB 37 30 6 0 500\r\nA\r\n",
                    "В файле %\r\nне найдено имя региона или имя МСК: A" + kKeyboard},
        FailureCase{"eight_words_first", kMck42Name, "A 37 30 0 0 6 0 500\r\nA 37 30 6 0 500\r\n",
                    "Неверный файл %." + kKeyboard},
        FailureCase{"not_a_number", kMck42Name, "A 37 30 six 0 500\r\n",
                    "Ошибка в параметрах связи для МСК (региона): A." + kKeyboard},
        FailureCase{"longitude_360", kMck42Name, "A 360 00 6 0 500\r\n",
                    Bad("Ошибочное значение долготы осевого меридиана.")},
        FailureCase{"longitude_minus_400", kMck42Name, "A -400 00 6 0 500\r\n",
                    Bad("Ошибочное значение долготы осевого меридиана.")},
        FailureCase{"zone_too_narrow", kMck42Name, "A 37 30 0.4 0 500\r\n", Bad(kWidth)},
        FailureCase{"zone_too_wide", kMck42Name, "A 37 30 15.01 0 999\r\n", Bad(kWidth)},
        FailureCase{"x0_beyond_10000_km", kMck95Name, "A 37 30 6 -10000.5 500\r\n", Bad(kX0)},
        FailureCase{"ck63_x0_of_61", kCk63Name, "A 37 30 6 61 500\r\n", Bad(kX0)},
        FailureCase{"y0_of_1000", kMck42Name, "A 37 30 6 0 1000\r\n", Bad(kY0)},
        FailureCase{"y0_below_65_per_degree", kMck42Name, "A 37 30 6 0 389.9\r\n", Bad(kY0)},
        FailureCase{"last_failure_named", kMck42Name, "A 400 00 20 20000 1000\r\n", Bad(kY0)}),
    testing::CaseLabel());

TEST_F(LocalLink, AReadFailureAsksTheFileQuestion) {
  if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no unreadable regular file at hand";
  std::filesystem::create_symlink("/proc/self/mem", folder / "keys.dat");
  platform.AnswerMessage(MessageAnswer::kYes);
  platform.AnswerInput("a");
  platform.AnswerMessage(MessageAnswer::kNo);
  Run(Side::Source, kMck42Name);
  EXPECT_EQ(LastMessage().text, "Ошибка чтения файла параметров\r\nсвязи  систем  координат\r\n" + KeysPath() +
                                    ".\r\nВвести параметры связи с клавиатуры?");
  EXPECT_EQ(mainWindow.newSettings, 1);
  EXPECT_TRUE(Unchanged());
}

TEST_F(LocalLink, YesToAFileQuestionSwitchesToTheKeyboard) {
  WriteKeys("A 37 30 6 0 1000\r\n");
  platform.AnswerMessage(MessageAnswer::kYes);
  platform.AnswerInput("a");
  platform.AnswerMessage(MessageAnswer::kYes);
  ExpectEntry({"21 15", "3", "-5", "195"});
  Run(Side::Target, kMck95Name);
  EXPECT_EQ(dialog.lblCaption.Text(), "Параметры связи MCK95 с CK95");
  EXPECT_EQ(dialog.lblDlg3.Text(), "Условное начало по оси \"x\", км");
  ExpectWritten(Side::Target, 21.25, 3, -5000, 195000);
}

TEST_F(LocalLink, NoToTheFirstQuestionGoesStraightToTheDialog) {
  platform.AnswerMessage(MessageAnswer::kNo);  // no keys.dat: the step must not look for it
  ExpectEntry({"-3", "6", "30", "390"});
  Run(Side::Source, kCk63Name);
  EXPECT_EQ(platform.Messages().size(), 1u);
  EXPECT_TRUE(platform.Inputs().empty());
  EXPECT_EQ(platform.ModalForms(), std::vector<const Form*>{&dialog});
  EXPECT_EQ(dialog.lblCaption.Text(), "Параметры связи CK63 с CK42");
  EXPECT_EQ(dialog.lblDlg3.Text(), "Условное начало по оси \"x\", мин");
  // The dialog stands at the main window's top-left corner.
  EXPECT_EQ(dialog.Position().left, mainWindow.position.left);
  EXPECT_EQ(dialog.Position().top, mainWindow.position.top);
  ExpectWritten(Side::Source, 357, 6, 55288.14, 390000);
}

TEST_F(LocalLink, AnEmptyNameAsksAgainUntilNo) {
  WriteKeys("MCK42A 37 30 6 0 500\r\n");
  for (auto answer : {MessageAnswer::kYes, MessageAnswer::kYes, MessageAnswer::kNo}) platform.AnswerMessage(answer);
  for (const char* name : {"", ""}) platform.AnswerInput(name);
  Run(Side::Source, kMck42Name);
  const std::string again =
      "Не введено имя региона (СК63) или имя местной\r\nсистемы   координат (MCK42  или  MCK95).\r\nПовторный ввод?";
  EXPECT_EQ(platform.Messages()[1].text, again);
  EXPECT_EQ(platform.Messages()[2].text, again);
  EXPECT_EQ(mainWindow.newSettings, 1);
  EXPECT_TRUE(Unchanged());
}

TEST_F(LocalLink, CancelledDialogAndNoStartsAnew) {
  platform.AnswerMessage(MessageAnswer::kNo);
  platform.ExpectModal(dialog, [this](Form&) {
    Type({"5", "5", "5", "5"});
    dialog.cmdCanc.Click();
    for (const Control* box : {&dialog.txtDlg1, &dialog.txtDlg2, &dialog.txtDlg3, &dialog.txtDlg4}) {
      EXPECT_EQ(box->Text(), "") << box->Id();
    }
    EXPECT_TRUE(dialog.txtDlg1.HasFocus());
  });
  platform.AnswerMessage(MessageAnswer::kNo);
  Run(Side::Target, kMck42Name);
  EXPECT_EQ(LastMessage().text, "Не введены параметры связи MCK42 с CK42\r\nПовторный ввод?");
  EXPECT_EQ(mainWindow.typeListResets, std::vector<Side>{Side::Target});
  EXPECT_EQ(mainWindow.newSettings, 1);
  EXPECT_TRUE(Unchanged());
}

TEST_F(LocalLink, TheCloseBoxCancelsAndYesShowsTheDialogAgain) {
  platform.AnswerMessage(MessageAnswer::kNo);
  platform.ExpectModal(dialog, [this](Form&) { EXPECT_FALSE(dialog.RequestClose()); });
  platform.AnswerMessage(MessageAnswer::kYes);
  ExpectEntry({"50", "6", "0", "500"});
  Run(Side::Source, kMck42Name);
  EXPECT_EQ(platform.ModalForms().size(), 2u);
  EXPECT_EQ(mainWindow.typeListResets, std::vector<Side>{Side::Source});
  ExpectWritten(Side::Source, 50, 6, 0, 500000);
}

struct RefusalCase {
  const char* label;
  std::string system;
  Texts texts;
  std::string message;
  int box;  // 1..4: txtDlg1..txtDlg4 takes the focus
};

class LinkDialogRefusal : public LocalLink, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LinkDialogRefusal, NamesTheValueFocusesItsBoxAndStaysOpen) {
  const RefusalCase& c = GetParam();
  platform.AnswerMessage(MessageAnswer::kNo);
  platform.ExpectModal(dialog, [&](Form&) {
    Type(c.texts);
    dialog.cmdKey.Click();
    EXPECT_TRUE(dialog.Visible());
    EXPECT_EQ(dialog.Focused()->Name(), "txtDlg" + std::to_string(c.box));
    dialog.cmdCanc.Click();
  });
  platform.AnswerMessage(MessageAnswer::kNo);
  Run(Side::Source, c.system);
  const MessageRequest& refusal = platform.Messages()[1];
  EXPECT_EQ(refusal.text, c.message);
  EXPECT_EQ(refusal.title, "Параметры связи МСК с родительской СК");
  EXPECT_EQ(refusal.icon, MessageIcon::kExclamation);
  EXPECT_EQ(refusal.buttons, MessageButtons::kOkOnly);
  EXPECT_TRUE(Unchanged());
}

INSTANTIATE_TEST_SUITE_P(
    Values, LinkDialogRefusal,
    ::testing::Values(
        RefusalCase{"empty_box", kMck42Name, {"37", "6", "0", ""},
                    "Не все параметры для связи систем координат введены", 1},
        RefusalCase{"longitude_minus_360", kMck42Name, {"-360", "6", "0", "500"},
                    "Ошибочное значение долготы осевого меридиана 1-ой зоны.", 1},
        RefusalCase{"zone_not_an_angle", kMck42Name, {"37", "6 60", "0", "500"}, kWidth, 2},
        RefusalCase{"zone_below_half_degree", kMck42Name, {"37", "0 29", "0", "500"}, kWidth, 2},
        RefusalCase{"x0_not_a_number", kMck42Name, {"37", "6", "1 2", "500"}, kX0 + ".", 3},
        RefusalCase{"x0_beyond_10000_km", kMck95Name, {"37", "6", "10000.1", "500"}, kX0 + ".", 3},
        RefusalCase{"ck63_x0_of_61", kCk63Name, {"37", "6", "61", "500"}, kX0 + ".", 3},
        RefusalCase{"y0_of_1000", kMck42Name, {"37", "6", "0", "1000"}, kY0 + ".", 4},
        RefusalCase{"y0_below_65_per_degree", kMck42Name, {"37", "6", "0", "389.99"}, kY0 + ".", 4}),
    testing::CaseLabel());

TEST_F(LocalLink, TheBoxesRefuseOtherKeysWithThreeBeeps) {
  dialog.txtDlg2.Type("1a");
  EXPECT_EQ(dialog.txtDlg2.Text(), "1");
  EXPECT_EQ(platform.Beeps(), 3);
  dialog.txtDlg4.Type("-1 2,5+.\b");
  EXPECT_EQ(dialog.txtDlg4.Text(), "-1 25+");
  EXPECT_EQ(platform.Beeps(), 6);
}

TEST_F(LocalLink, OtherSystemsAreLeftAlone) {
  Run(Side::Source, kCk42Name);
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_TRUE(Unchanged());
}

}  // namespace
}  // namespace vexilor
