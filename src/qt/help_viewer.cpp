#include "qt/help_viewer.h"

#include <QFileInfo>
#include <QHideEvent>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "qt/qt_text.h"
#include "qt/window_memory.h"

namespace vexilor {
namespace {

const QString kName = QStringLiteral("helpViewer");
constexpr QSize kFirstSize(640, 600);  // pixels, when nothing is remembered
constexpr int kGap = 8;                // between the owner and the viewer beside it

}  // namespace

HelpViewer::HelpViewer(QWidget* owner, WindowMemory& memory)
    : QWidget(owner, WindowFlagsOwnedBy(owner)),
      browser_(new QTextBrowser(this)),
      memory_(memory),
      placer_(*this) {
  setObjectName(kName);
  setWindowTitle(QStringLiteral("Справка"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenExternalLinks(true);
  const QRect area = AvailableArea(*this);
  resize(memory_.Size(kName).value_or(kFirstSize).boundedTo(area.isEmpty() ? kFirstSize : area.size()));
}

void HelpViewer::Open(const std::string& path) {
  const QString file = ToQt(path);
  if (QFileInfo(file).isFile()) {
    browser_->setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
  } else {
    browser_->setPlainText(QStringLiteral("Файл справки не найден: ") + file);
  }
  // Placed before it shows, so that the window system keeps the place.
  if (!shownBefore_) placer_.Place(FirstPlace());
  shownBefore_ = true;
  show();
  raise();
  activateWindow();
}

QPoint HelpViewer::FirstPlace() {
  if (const auto position = memory_.Position(kName)) return OwnerFrameCorner(*this) + *position;
  const QWidget* owner = parentWidget();
  if (owner == nullptr) return FrameGeometry(*this).topLeft();
  const QRect ownerFrame = FrameGeometry(*owner->window());
  const QPoint beside(ownerFrame.right() + 1 + kGap, ownerFrame.top());
  if (beside.x() + FrameGeometry(*this).width() <= AvailableArea(*this).right() + 1) return beside;
  return CentredOver(*this, ownerFrame);
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void HelpViewer::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) memory_.Remember(kName, FrameGeometry(*this).topLeft() - OwnerFrameCorner(*this), size());
}


}  // namespace vexilor
