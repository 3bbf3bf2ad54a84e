#pragma once
// A Platform for tests: records every message, input box and file dialog,
// answers them from queues, and plays a scripted user while a modal form is
// shown. A needed answer that was not queued, a queued answer of a kind the
// box does not offer, a modal form still shown after its script, and answers
// or scripts left unused at the end all fail the running test.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "form/form.h"
#include "form/platform.h"

namespace vexilor {

enum class FileDialogKind { kOpen, kSave };

struct FileDialogRecord {
  FileDialogKind kind;
  FileDialogRequest request;
};

class ScriptedPlatform : public Platform {
 public:
  // The user's gestures while a modal form is shown; it must hide the form.
  using UserScript = std::function<void(Form&)>;

  ScriptedPlatform() = default;
  ~ScriptedPlatform() override;

  // --- Answers, each queue consumed in order ---
  // For boxes with more than one button; an OK-only box needs no answer.
  void AnswerMessage(MessageAnswer answer) { answers_.push_back(answer); }
  void AnswerInput(std::string text) { inputs_.push_back(std::move(text)); }  // "" = cancel
  void AnswerOpenFile(std::string path) { openFiles_.push_back(std::move(path)); }  // "" = cancel
  void AnswerSaveFile(std::string path) { saveFiles_.push_back(std::move(path)); }
  // Runs `user` while the next modal form is shown.
  void ExpectModal(UserScript user) { scripts_.push_back({nullptr, std::move(user)}); }
  // Same, and the form shown must be `form`.
  void ExpectModal(const Form& form, UserScript user) { scripts_.push_back({&form, std::move(user)}); }

  // --- The screen (twips) ---
  void SetScreenSize(TwipsSize size) { screen_ = size; }

  // --- What happened ---
  const std::vector<MessageRequest>& Messages() const { return messages_; }
  const std::vector<InputRequest>& Inputs() const { return inputRequests_; }
  const std::vector<FileDialogRecord>& FileDialogs() const { return fileDialogs_; }
  const std::vector<const Form*>& ModalForms() const { return modalForms_; }
  const std::vector<std::string>& HelpFiles() const { return helpFiles_; }
  const std::vector<bool>& WaitCursorChanges() const { return waitCursorChanges_; }
  bool WaitCursorOn() const { return !waitCursorChanges_.empty() && waitCursorChanges_.back(); }
  int Beeps() const { return beeps_; }
  int DoEventsCount() const { return doEvents_; }

  // --- Platform ---
  MessageAnswer ShowMessage(const MessageRequest& request) override;
  std::string InputBox(const InputRequest& request) override;
  std::string ChooseOpenFile(const FileDialogRequest& request) override;
  std::string ChooseSaveFile(const FileDialogRequest& request) override;
  void SetWaitCursor(bool on) override { waitCursorChanges_.push_back(on); }
  void Beep() override { ++beeps_; }
  TwipsSize ScreenSize() const override { return screen_; }
  void StartHelp(const std::string& path) override { helpFiles_.push_back(path); }
  void DoEvents() override { ++doEvents_; }

 protected:
  void OnShown(Form&) override {}
  void RunModal(Form& form) override;
  void EndProgram() override {}

 private:
  struct ModalScript {
    const Form* expected;
    UserScript user;
  };

  std::string ChooseFile(FileDialogKind kind, const FileDialogRequest& request, std::deque<std::string>& queue);

  std::deque<MessageAnswer> answers_;
  std::deque<std::string> inputs_;
  std::deque<std::string> openFiles_;
  std::deque<std::string> saveFiles_;
  std::deque<ModalScript> scripts_;

  TwipsSize screen_{28800, 16200};  // 1920 x 1080 pixels at 15 twips a pixel

  std::vector<MessageRequest> messages_;
  std::vector<InputRequest> inputRequests_;
  std::vector<FileDialogRecord> fileDialogs_;
  std::vector<const Form*> modalForms_;
  std::vector<std::string> helpFiles_;
  std::vector<bool> waitCursorChanges_;
  int beeps_ = 0;
  int doEvents_ = 0;
};

}  // namespace vexilor
