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

Qt::WindowFlags WindowFlagsOwnedBy(const QWidget* owner) {
  if (owner == nullptr) return Qt::Window;
  return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
         Qt::WindowCloseButtonHint;
}

QMargins ExpectedFrameMargins(const QWidget& window) {
  const auto margins = [](const QWidget& framed) {
    const QRect frame = framed.frameGeometry();
    const QRect client = framed.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
  };
  if (HasFrame(window)) return margins(window);
  const QWidget* owner = window.parentWidget() != nullptr ? window.parentWidget()->window() : nullptr;
  return owner != nullptr && HasFrame(*owner) ? margins(*owner) : QMargins();
}

QPoint FrameTopLeft(const QWidget& window) {
  const QMargins margins = ExpectedFrameMargins(window);
  return window.geometry().topLeft() - QPoint(margins.left(), margins.top());
}

// The client area is moved rather than the frame: before the window is
// framed, Qt takes a move of the frame for one of the client area.
void PlaceFrame(QWidget& window, QPoint frameTopLeft) {
  const QMargins margins = ExpectedFrameMargins(window);
  QRect frame = window.geometry().marginsAdded(margins);
  frame.moveTopLeft(frameTopLeft);
  frame = KeptInside(frame, AvailableArea(window));
  const QRect client = frame.marginsRemoved(margins);
  if (window.geometry() != client) window.setGeometry(client);
}

QPoint CentredOver(const QWidget& window, const QRect& over) {
  const QSize size = window.geometry().marginsAdded(ExpectedFrameMargins(window)).size();
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
