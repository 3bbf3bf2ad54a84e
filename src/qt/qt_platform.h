#pragma once
// The Platform of the real program, on Qt Widgets. A QApplication must exist
// while it is used. Forms bound to it must outlive it.
//
// Typical start:
//   QApplication app(argc, argv);
//   QtPlatform platform;
//   MainWindow main(platform, settings);
//   platform.Bind(main, LayOutMainWindow);   // optional: a view
//   platform.Show(main);
//   return platform.QuitRequested() ? 0 : app.exec();

#include <QEventLoop>
#include <memory>
#include <string>
#include <vector>

#include "form/platform.h"
#include "qt/form_window.h"
#include "qt/window_memory.h"

namespace vexilor {

class HelpViewer;

class QtPlatform : public Platform {
 public:
  // `store` keeps the windows' places and the file dialogs' folders between
  // runs; without one nothing is remembered.
  explicit QtPlatform(std::unique_ptr<QSettings> store = nullptr);
  ~QtPlatform() override;

  // The window of `form`, created at the first call and laid out by `view`
  // then; a form shown without a Bind shows its controls one under another.
  FormWindow& Bind(Form& form, const FormView& view = {});
  // nullptr when `form` has no window yet.
  FormWindow* WindowOf(const Form& form) const;
  // Re-reads every window from its model, and ends the modal loops of the
  // forms that hid themselves.
  void RefreshAll();
  HelpViewer* Help() const { return help_.get(); }
  WindowMemory& Memory() { return memory_; }

  MessageAnswer ShowMessage(const MessageRequest& request) override;
  std::string InputBox(const InputRequest& request) override;
  std::string ChooseOpenFile(const FileDialogRequest& request) override;
  std::string ChooseSaveFile(const FileDialogRequest& request) override;
  void SetWaitCursor(bool on) override;
  void Beep() override;
  TwipsSize ScreenSize() const override;
  void StartHelp(const std::string& path) override;
  void DoEvents() override;

 protected:
  void OnShown(Form& form) override;
  void RunModal(Form& form) override;
  void EndProgram() override;

 private:
  struct ModalLoop {
    const Form* form;
    QEventLoop* loop;
  };

  // The window of the form `form` is shown over; nullptr for none.
  FormWindow* OwnerWindow(const Form& form) const;
  // The window of the active form, parent of the standard dialogs.
  QWidget* DialogParent() const;
  // The open or save dialog, starting in the folder last chosen for its
  // kind of file.
  std::string ChooseFile(FileDialogRequest request, bool save);

  WindowMemory memory_;
  std::vector<std::unique_ptr<FormWindow>> windows_;
  std::vector<ModalLoop> modalLoops_;
  std::unique_ptr<HelpViewer> help_;
  bool waitCursor_ = false;
};

}  // namespace vexilor
