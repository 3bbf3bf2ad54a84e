#include "qt/qt_platform.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>

#include "form/form.h"
#include "qt/help_viewer.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_text.h"
#include "qt/twips.h"

namespace vexilor {

QtPlatform::QtPlatform(std::unique_ptr<QSettings> store) : memory_(std::move(store)) {}

QtPlatform::~QtPlatform() {
  if (waitCursor_) QApplication::restoreOverrideCursor();
  // Owned windows first: a window deletes the dialogs it owns with itself.
  help_.reset();
  while (!windows_.empty()) windows_.pop_back();
}

FormWindow& QtPlatform::Bind(Form& form, const FormView& view) {
  if (FormWindow* window = WindowOf(form)) return *window;
  windows_.push_back(std::make_unique<FormWindow>(form, OwnerWindow(form), [this] { RefreshAll(); }, view));
  FormWindow& window = *windows_.back();
  window.SetMemory(&memory_);
  window.Refresh();
  return window;
}

FormWindow* QtPlatform::WindowOf(const Form& form) const {
  for (const auto& window : windows_) {
    if (&window->Model() == &form) return window.get();
  }
  return nullptr;
}

void QtPlatform::RefreshAll() {
  for (const auto& window : windows_) window->Refresh();
  for (const ModalLoop& modal : modalLoops_) {
    if (!modal.form->Visible() || QuitRequested()) modal.loop->quit();
  }
}

MessageAnswer QtPlatform::ShowMessage(const MessageRequest& request) {
  RefreshAll();
  return RunMessageBox(DialogParent(), request);
}

std::string QtPlatform::InputBox(const InputRequest& request) {
  RefreshAll();
  return RunInputBox(DialogParent(), request);
}

std::string QtPlatform::ChooseOpenFile(const FileDialogRequest& request) { return ChooseFile(request, false); }

std::string QtPlatform::ChooseSaveFile(const FileDialogRequest& request) { return ChooseFile(request, true); }

std::string QtPlatform::ChooseFile(FileDialogRequest request, bool save) {
  RefreshAll();
  const QString kind = ToQt(request.defaultExtension);
  request.initialFolder = FromQt(memory_.Folder(kind, ToQt(request.initialFolder)));
  std::string path = RunFileDialog(DialogParent(), request, save);
  if (!path.empty()) memory_.RememberFolder(kind, QFileInfo(ToQt(path)).absolutePath());
  return path;
}

void QtPlatform::SetWaitCursor(bool on) {
  if (on == waitCursor_) return;
  waitCursor_ = on;
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtPlatform::Beep() { QApplication::beep(); }

TwipsSize QtPlatform::ScreenSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const double dpi = screen->logicalDotsPerInchX();
  return {PixelsToTwips(screen->geometry().width(), dpi), PixelsToTwips(screen->geometry().height(), dpi)};
}

void QtPlatform::StartHelp(const std::string& path) {
  if (!help_) help_ = std::make_unique<HelpViewer>(DialogParent(), memory_);
  help_->Open(path);
}

void QtPlatform::DoEvents() {
  RefreshAll();
  QCoreApplication::processEvents();
}

void QtPlatform::OnShown(Form& form) {
  FormWindow& window = Bind(form);
  window.SetOwner(OwnerWindow(form));
  window.FollowModality();
  RefreshAll();
}

void QtPlatform::RunModal(Form& form) {
  QEventLoop loop;
  modalLoops_.push_back({&form, &loop});
  if (form.Visible() && !QuitRequested()) loop.exec();
  modalLoops_.pop_back();
  RefreshAll();
}

void QtPlatform::EndProgram() {
  for (const auto& window : windows_) window->hide();
  if (help_) help_->hide();
  QCoreApplication::exit(0);
}

FormWindow* QtPlatform::OwnerWindow(const Form& form) const {
  const Form* owner = OwnerOf(form);
  return owner != nullptr ? WindowOf(*owner) : nullptr;
}

QWidget* QtPlatform::DialogParent() const {
  const Form* active = ActiveForm();
  FormWindow* window = active == nullptr ? nullptr : WindowOf(*active);
  return window != nullptr && window->isVisible() ? window : nullptr;
}

}  // namespace vexilor
