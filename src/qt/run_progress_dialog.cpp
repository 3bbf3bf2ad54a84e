#include "qt/run_progress_dialog.h"

#include <QCoreApplication>
#include <QPushButton>
#include <limits>

#include "qt/window_placement.h"

namespace vexilor {

namespace {
constexpr int kScale = 1000;  // the bar's steps: thousandths of the file
const QString kTitle = QStringLiteral("Преобразование координат");
}  // namespace

RunProgressDialog::~RunProgressDialog() { delete dialog_.data(); }

void RunProgressDialog::Attach(QWidget* owner) {
  delete dialog_.data();
  dialog_ = new QProgressDialog(owner);
  dialog_->setWindowTitle(kTitle);
  dialog_->setCancelButton(new QPushButton(QStringLiteral("Прервать"), dialog_));
  dialog_->setRange(0, kScale);
  dialog_->setMinimumDuration(std::numeric_limits<int>::max());  // Update shows it
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->setMinimumWidth(TitleBarWidth(kTitle));
  QObject::connect(dialog_, &QProgressDialog::canceled, [this] { stopRequested_ = true; });
  // Escape rejects a dialog, which only hides this one: it asks to stop too.
  QObject::connect(dialog_, &QDialog::rejected, [this] { stopRequested_ = true; });
  dialog_->reset();
  dialog_->hide();
}

bool RunProgressDialog::Update(std::int64_t lines, std::uint64_t bytesDone, std::uint64_t bytesTotal) {
  if (!running_.isValid()) {
    running_.start();
    stopRequested_ = false;
  }
  if (dialog_ == nullptr) return true;
  const double share = bytesTotal == 0 ? 1.0 : static_cast<double>(bytesDone) / static_cast<double>(bytesTotal);
  dialog_->setLabelText(QStringLiteral("Обработано строк: %1").arg(lines));
  dialog_->setValue(static_cast<int>(share * kScale));
  if (!dialog_->isVisible() && running_.elapsed() >= showDelay_) dialog_->show();
  // Once the modal dialog shows, only it takes the user's input; before
  // that the windows under it must not take any.
  QCoreApplication::processEvents(dialog_->isVisible() ? QEventLoop::AllEvents
                                                       : QEventLoop::ExcludeUserInputEvents);
  return !stopRequested_;
}

void RunProgressDialog::End() {
  running_.invalidate();
  if (dialog_ == nullptr) return;
  dialog_->hide();
  dialog_->reset();
}

}  // namespace vexilor
