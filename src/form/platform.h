#pragma once
// The one way window logic reaches the outside world: standard dialogs,
// showing forms, the cursor, the beep, the screen's size, the help viewer,
// pending events and the end of the program.
//
// One Platform object lives for the whole program and is passed by reference
// to every window. The Qt implementation lives in src/qt/; tests use the
// scripted one in tests/app/support/.
//
// Showing forms is kept here, once for every implementation: Show and
// ShowModal load the form on its first showing, make it visible and run its
// Activate handler; when a modal form hides, the form that was active before
// it is activated again, as a classic toolkit does when focus returns to it.

#include <string>
#include <string_view>
#include <vector>

#include "form/dialog_requests.h"
#include "text/beep.h"

namespace vexilor {

class Form;

struct TwipsSize {
  int width = 0;
  int height = 0;
};

class Platform {
 public:
  Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;
  virtual ~Platform() = default;

  // --- Standard dialogs (modal) ---
  virtual MessageAnswer ShowMessage(const MessageRequest& request) = 0;
  // The text typed, or "" when the user cancels.
  virtual std::string InputBox(const InputRequest& request) = 0;
  // The chosen path, or "" when the user cancels. The save dialog does not
  // ask about replacing an existing file: window logic asks that itself.
  virtual std::string ChooseOpenFile(const FileDialogRequest& request) = 0;
  virtual std::string ChooseSaveFile(const FileDialogRequest& request) = 0;

  // --- Forms ---
  // Shows `form` without blocking (the start window). Nothing happens once
  // the program's end was requested, or when Form_Load requests it.
  void Show(Form& form);
  // Shows `form` modally and returns when the form has hidden itself (or the
  // end of the program was requested). False, showing nothing, when the form
  // is already visible or the end was requested.
  bool ShowModal(Form& form);
  // The form shown last and still showing, modal forms first; nullptr if none.
  Form* ActiveForm() const;
  // The visible form that `form` was shown over: its owner. nullptr for the
  // start window and for a form that is not showing.
  Form* OwnerOf(const Form& form) const;

  // --- Environment ---
  virtual void SetWaitCursor(bool on) = 0;
  virtual void Beep() = 0;
  virtual TwipsSize ScreenSize() const = 0;
  // Starts the help viewer on the help file at `path`.
  virtual void StartHelp(const std::string& path) = 0;
  // Lets pending window events run (and the windows show the model).
  virtual void DoEvents() = 0;

  // Ends the program: no form shows any more and the event loops end. The
  // handler that calls it should return at once.
  void Quit();
  bool QuitRequested() const { return quitRequested_; }

  // The adapter for the key filter (FilterNumericKey).
  BeepFn Beeper();

 protected:
  // Called after the form became visible and was activated.
  virtual void OnShown(Form& form) = 0;
  // Waits until `form` is no longer visible (or the program ends).
  virtual void RunModal(Form& form) = 0;
  // Called once by Quit.
  virtual void EndProgram() = 0;

 private:
  bool Present(Form& form);

  std::vector<Form*> shown_;  // start window first, then the modal forms over it
  bool quitRequested_ = false;
};

// Shows the wait cursor for its lifetime.
class WaitCursor {
 public:
  explicit WaitCursor(Platform& platform) : platform_(platform) { platform_.SetWaitCursor(true); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { platform_.SetWaitCursor(false); }

 private:
  Platform& platform_;
};

}  // namespace vexilor
