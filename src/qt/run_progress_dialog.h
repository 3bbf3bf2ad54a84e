#pragma once
// The window that shows how far a file run has come, a dialog of the main
// window. It appears once a run has taken a moment and goes when the run
// ends. «Прервать» (or Escape) asks the run to stop: the next report
// answers false, and the engine stops between two lines.

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <cstdint>

namespace vexilor {

class RunProgressDialog {
 public:
  RunProgressDialog() = default;
  RunProgressDialog(const RunProgressDialog&) = delete;
  RunProgressDialog& operator=(const RunProgressDialog&) = delete;
  ~RunProgressDialog();

  // The window the dialog belongs to; it is made then.
  void Attach(QWidget* owner);
  // Milliseconds of a run before the dialog shows (runs shorter than that
  // would only flash it).
  void SetShowDelay(int milliseconds) { showDelay_ = milliseconds; }

  // Lines done, bytes of the source file read and in all. False once the
  // user asked to stop.
  bool Update(std::int64_t lines, std::uint64_t bytesDone, std::uint64_t bytesTotal);
  void End();
  // nullptr before Attach (or once the owner is gone).
  QProgressDialog* Dialog() const { return dialog_; }

 private:
  QPointer<QProgressDialog> dialog_;
  QElapsedTimer running_;
  int showDelay_ = 400;
  bool stopRequested_ = false;
};

}  // namespace vexilor
