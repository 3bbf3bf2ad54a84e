#include "support/scripted_platform.h"

#include <gtest/gtest.h>

#include "form/file_filter.h"

namespace vexilor {
namespace {

const char* KindName(FileDialogKind kind) { return kind == FileDialogKind::kOpen ? "open" : "save"; }

}  // namespace

ScriptedPlatform::~ScriptedPlatform() {
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " message answer(s) never asked for";
  EXPECT_TRUE(inputs_.empty()) << inputs_.size() << " input box answer(s) never asked for";
  EXPECT_TRUE(openFiles_.empty()) << openFiles_.size() << " open-file answer(s) never asked for";
  EXPECT_TRUE(saveFiles_.empty()) << saveFiles_.size() << " save-file answer(s) never asked for";
  EXPECT_TRUE(scripts_.empty()) << scripts_.size() << " modal user script(s) never run";
}

MessageAnswer ScriptedPlatform::ShowMessage(const MessageRequest& request) {
  messages_.push_back(request);
  if (request.buttons == MessageButtons::kOkOnly) return MessageAnswer::kOkPressed;
  // A test that forgot an answer gets the last button (No or Cancel), which
  // ends the retry loops ("Повторный ввод?") instead of spinning in them.
  const MessageAnswer fallback = ButtonAnswers(request.buttons).back();
  if (answers_.empty()) {
    ADD_FAILURE() << "no answer queued for the question \"" << request.text << "\"";
    return fallback;
  }
  const MessageAnswer answer = answers_.front();
  answers_.pop_front();
  if (!Offers(request.buttons, answer)) {
    ADD_FAILURE() << "the queued answer is not a button of the box \"" << request.text << "\"";
    return fallback;
  }
  return answer;
}

std::string ScriptedPlatform::InputBox(const InputRequest& request) {
  inputRequests_.push_back(request);
  if (inputs_.empty()) {
    ADD_FAILURE() << "no input queued for the input box \"" << request.prompt << "\"";
    return {};
  }
  std::string text = std::move(inputs_.front());
  inputs_.pop_front();
  return text;
}

std::string ScriptedPlatform::ChooseOpenFile(const FileDialogRequest& request) {
  return ChooseFile(FileDialogKind::kOpen, request, openFiles_);
}

std::string ScriptedPlatform::ChooseSaveFile(const FileDialogRequest& request) {
  return ChooseFile(FileDialogKind::kSave, request, saveFiles_);
}

std::string ScriptedPlatform::ChooseFile(FileDialogKind kind, const FileDialogRequest& request,
                                         std::deque<std::string>& queue) {
  fileDialogs_.push_back({kind, request});
  bool wellFormed = true;
  ParseFileFilter(request.filter, &wellFormed);
  EXPECT_TRUE(wellFormed) << "malformed filter \"" << request.filter << "\" in the " << KindName(kind)
                           << " dialog \"" << request.title << "\"";
  if (queue.empty()) {
    ADD_FAILURE() << "no path queued for the " << KindName(kind) << " dialog \"" << request.title << "\"";
    return {};
  }
  std::string path = std::move(queue.front());
  queue.pop_front();
  return path;
}

void ScriptedPlatform::RunModal(Form& form) {
  modalForms_.push_back(&form);
  if (scripts_.empty()) {
    ADD_FAILURE() << "form " << form.Name() << " shown modally with no user script queued";
    form.Hide();
    return;
  }
  ModalScript script = std::move(scripts_.front());
  scripts_.pop_front();
  if (script.expected != nullptr && script.expected != &form) {
    ADD_FAILURE() << "form " << form.Name() << " shown modally where " << script.expected->Name()
                  << " was expected";
  }
  script.user(form);
  if (form.Visible() && !QuitRequested()) {
    ADD_FAILURE() << "form " << form.Name() << " still shown after its user script";
    form.Hide();
  }
}

}  // namespace vexilor
