#include "qt/window_placement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace vexilor {
namespace {

// The window icon, three title buttons and the margins around them, pixels.
constexpr int kTitleBarAllowance = 120;
// How long a placer waits for the window system to frame a window: looks,
// milliseconds apart.
constexpr int kLooks = 40;
constexpr int kLookInterval = 50;

}  // namespace

QRect KeptInside(QRect frame, const QRect& area) {
  if (area.isEmpty()) return frame;
  frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
  frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
  return frame;
}

QRect AvailableArea(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen == nullptr ? QRect() : screen->availableGeometry();
}

void PlaceFrame(QWidget& window, QPoint frameTopLeft) {
  QRect frame = window.frameGeometry();
  frame.moveTopLeft(frameTopLeft);
  frame = KeptInside(frame, AvailableArea(window));
  if (window.frameGeometry().topLeft() != frame.topLeft()) window.move(frame.topLeft());
}

QPoint CentredOver(const QWidget& window, const QRect& over) {
  const QSize size = window.frameGeometry().size();
  return over.center() - QPoint(size.width() / 2, size.height() / 2);
}

FramePlacer::FramePlacer(QWidget& window) : window_(window), timer_(new QTimer(&window)) {
  timer_->setInterval(kLookInterval);
  QObject::connect(timer_, &QTimer::timeout, &window, [this] { Look(); });
}

void FramePlacer::Place(QPoint frameTopLeft) {
  target_ = frameTopLeft;
  PlaceFrame(window_, target_);
  looksLeft_ = HasFrame(window_) ? 0 : kLooks;
  if (looksLeft_ > 0) timer_->start();
}

void FramePlacer::Look() {
  if (HasFrame(window_)) {
    looksLeft_ = 0;
    PlaceFrame(window_, target_);
  }
  if (--looksLeft_ <= 0) timer_->stop();
}

bool HasFrame(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

int TitleBarWidth(const QString& title) {
  QFont font = QApplication::font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(title) + kTitleBarAllowance;
}

}  // namespace vexilor
