// The scripted platform answers in order, records everything and fails the
// test when the script and the window logic disagree.

#include "support/scripted_platform.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace vexilor {
namespace {

TEST(ScriptedPlatform, RecordsMessagesAndAnswersQuestionsInOrder) {
  ScriptedPlatform platform;
  platform.AnswerMessage(MessageAnswer::kNo);
  platform.AnswerMessage(MessageAnswer::kCancel);
  EXPECT_EQ(platform.ShowMessage({.text = "Ошибка", .title = "T"}), MessageAnswer::kOkPressed);
  EXPECT_EQ(platform.ShowMessage({.text = "Повторить?", .buttons = MessageButtons::kYesNo}), MessageAnswer::kNo);
  EXPECT_EQ(platform.ShowMessage({.text = "Заменить?",
                                  .title = "Сохранение",
                                  .buttons = MessageButtons::kYesNoCancel,
                                  .icon = MessageIcon::kQuestion,
                                  .defaultButton = DefaultButton::kSecond}),
            MessageAnswer::kCancel);
  ASSERT_EQ(platform.Messages().size(), 3u);
  const MessageRequest& last = platform.Messages()[2];
  EXPECT_EQ(last.text, "Заменить?");
  EXPECT_EQ(last.title, "Сохранение");
  EXPECT_EQ(last.buttons, MessageButtons::kYesNoCancel);
  EXPECT_EQ(last.icon, MessageIcon::kQuestion);
  EXPECT_EQ(last.defaultButton, DefaultButton::kSecond);
  EXPECT_EQ(platform.Messages()[0].title, "T");
}

TEST(ScriptedPlatform, QuestionWithoutQueuedAnswerFailsAndGivesTheDefault) {
  ScriptedPlatform platform;
  MessageAnswer answer = MessageAnswer::kOkPressed;
  EXPECT_NONFATAL_FAILURE(answer = platform.ShowMessage({.text = "Повторить выбор?",
                                                         .buttons = MessageButtons::kYesNo,
                                                         .defaultButton = DefaultButton::kSecond}),
                          "no answer queued for the question \"Повторить выбор?\"");
  EXPECT_EQ(answer, MessageAnswer::kNo);
}

TEST(ScriptedPlatform, AnswerTheBoxDoesNotOfferFails) {
  ScriptedPlatform platform;
  platform.AnswerMessage(MessageAnswer::kCancel);
  EXPECT_NONFATAL_FAILURE(platform.ShowMessage({.text = "Да или нет", .buttons = MessageButtons::kYesNo}),
                          "not a button of the box");
}

TEST(ScriptedPlatform, InputsAndFilesComeFromTheirQueues) {
  ScriptedPlatform platform;
  platform.AnswerInput("7");
  platform.AnswerInput("");
  platform.AnswerOpenFile("/data/a.in");
  platform.AnswerSaveFile("/data/a.out");
  EXPECT_EQ(platform.InputBox({.prompt = "Зона", .title = "T", .defaultText = "0"}), "7");
  EXPECT_EQ(platform.InputBox({.prompt = "Зона"}), "");
  EXPECT_EQ(platform.ChooseSaveFile({.title = "Сохранить", .filter = "R (*.out)|*.out", .defaultExtension = "out"}),
            "/data/a.out");
  EXPECT_EQ(platform.ChooseOpenFile({.title = "Открыть", .filter = "S (*.in)|*.in", .fileMustExist = true}),
            "/data/a.in");
  ASSERT_EQ(platform.Inputs().size(), 2u);
  EXPECT_EQ(platform.Inputs()[0].defaultText, "0");
  ASSERT_EQ(platform.FileDialogs().size(), 2u);
  EXPECT_EQ(platform.FileDialogs()[0].kind, FileDialogKind::kSave);
  EXPECT_EQ(platform.FileDialogs()[0].request.defaultExtension, "out");
  EXPECT_EQ(platform.FileDialogs()[1].kind, FileDialogKind::kOpen);
  EXPECT_TRUE(platform.FileDialogs()[1].request.fileMustExist);
}

TEST(ScriptedPlatform, EmptyQueuesFailLoudly) {
  ScriptedPlatform platform;
  EXPECT_NONFATAL_FAILURE(platform.InputBox({.prompt = "Зона"}), "no input queued for the input box \"Зона\"");
  platform.AnswerSaveFile("/x.out");
  EXPECT_NONFATAL_FAILURE(platform.ChooseOpenFile({.title = "Открыть"}),
                          "no path queued for the open dialog \"Открыть\"");
  platform.ChooseSaveFile({.title = "Сохранить"});
}

TEST(ScriptedPlatform, MalformedFilterFails) {
  ScriptedPlatform platform;
  platform.AnswerOpenFile("");
  EXPECT_NONFATAL_FAILURE(platform.ChooseOpenFile({.title = "Открыть", .filter = "Файлы (*.in)"}),
                          "malformed filter");
}

TEST(ScriptedPlatform, UnusedAnswersFailAtTheEnd) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedPlatform platform;
        platform.AnswerMessage(MessageAnswer::kYes);
      },
      "1 message answer(s) never asked for");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedPlatform platform;
        platform.ExpectModal([](Form& form) { form.Hide(); });
      },
      "1 modal user script(s) never run");
}

TEST(ScriptedPlatform, ModalFormLeftShownFailsAndIsHidden) {
  ScriptedPlatform platform;
  Form form{"frmDlg"};
  platform.ExpectModal([](Form&) {});
  EXPECT_NONFATAL_FAILURE(platform.ShowModal(form), "form frmDlg still shown after its user script");
  EXPECT_FALSE(form.Visible());
}

TEST(ScriptedPlatform, ModalFormWithoutScriptOrOfAnotherNameFails) {
  ScriptedPlatform platform;
  Form form{"frmDlg"};
  Form expected{"frmNational"};
  EXPECT_NONFATAL_FAILURE(platform.ShowModal(form), "shown modally with no user script");
  platform.ExpectModal(expected, [](Form& shown) { shown.Hide(); });
  EXPECT_NONFATAL_FAILURE(platform.ShowModal(form), "where frmNational was expected");
}

TEST(ScriptedPlatform, CountsBeepsHelpAndPendingEvents) {
  ScriptedPlatform platform;
  platform.Beep();
  platform.Beep();
  platform.DoEvents();
  platform.StartHelp("/opt/vexilor/vexilor.hlp");
  EXPECT_EQ(platform.Beeps(), 2);
  EXPECT_EQ(platform.DoEventsCount(), 1);
  EXPECT_EQ(platform.HelpFiles(), (std::vector<std::string>{"/opt/vexilor/vexilor.hlp"}));
  EXPECT_FALSE(platform.QuitRequested());
  platform.Quit();
  EXPECT_TRUE(platform.QuitRequested());
}

}  // namespace
}  // namespace vexilor
