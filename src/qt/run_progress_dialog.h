#pragma once
// The window that shows how far a file run has come. The run is modal and
// goes to its end, so there is no cancel button; the window appears with the
// first report and goes when the run ends.

#include <QProgressDialog>
#include <cstdint>

namespace vexilor {

class RunProgressDialog {
 public:
  explicit RunProgressDialog(QWidget* parent = nullptr);

  // Lines done, bytes of the source file read and in all.
  void Update(std::int64_t lines, std::uint64_t bytesDone, std::uint64_t bytesTotal);
  void End();
  const QProgressDialog& Dialog() const { return dialog_; }

 private:
  QProgressDialog dialog_;
};

}  // namespace vexilor
