#include "qt/run_progress_dialog.h"

#include <QCoreApplication>

namespace vexilor {

namespace {
constexpr int kScale = 1000;  // the bar's steps: thousandths of the file
}

RunProgressDialog::RunProgressDialog(QWidget* parent) : dialog_(parent) {
  dialog_.setWindowTitle(QStringLiteral("Преобразование координат"));
  dialog_.setCancelButton(nullptr);
  dialog_.setRange(0, kScale);
  dialog_.setMinimumDuration(0);
  dialog_.setAutoClose(false);
  dialog_.setAutoReset(false);
  dialog_.setWindowModality(Qt::ApplicationModal);
  dialog_.reset();
  dialog_.hide();
}

void RunProgressDialog::Update(std::int64_t lines, std::uint64_t bytesDone, std::uint64_t bytesTotal) {
  const double share = bytesTotal == 0 ? 1.0 : static_cast<double>(bytesDone) / static_cast<double>(bytesTotal);
  dialog_.setLabelText(QStringLiteral("Обработано строк: %1").arg(lines));
  dialog_.setValue(static_cast<int>(share * kScale));
  if (!dialog_.isVisible()) dialog_.show();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void RunProgressDialog::End() {
  dialog_.hide();
  dialog_.reset();
}

}  // namespace vexilor
