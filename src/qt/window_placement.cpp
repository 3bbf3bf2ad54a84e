#include "qt/window_placement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace vexilor {
namespace {

// The window icon, three title buttons and the margins around them, pixels.
constexpr int kTitleBarAllowance = 120;
// How long a placer waits for the window system to frame a window: looks,
// milliseconds apart. A busy window manager may take seconds.
constexpr int kLooks = 600;
constexpr int kLookInterval = 50;
// Looks a framed window must stand in its place before the placer rests.
constexpr int kSettledLooks = 4;

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

// Read from the window system's own record of the frame (on X11 the frame
// extents and the parent window), which follows the window manager as soon
// as it frames the window. QWidget's frame geometry is refreshed only when
// the window moves, and a window that a busy window manager frames in place
// may never move.
QMargins FrameMargins(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  return handle != nullptr && window.testAttribute(Qt::WA_WState_Created) ? handle->frameMargins() : QMargins();
}

QRect FrameGeometry(const QWidget& window) { return window.geometry().marginsAdded(FrameMargins(window)); }

QMargins ExpectedFrameMargins(const QWidget& window) {
  if (HasFrame(window)) return FrameMargins(window);
  const QWidget* owner = window.parentWidget() != nullptr ? window.parentWidget()->window() : nullptr;
  return owner != nullptr && HasFrame(*owner) ? FrameMargins(*owner) : QMargins();
}

QPoint FrameTopLeft(const QWidget& window) {
  const QMargins margins = ExpectedFrameMargins(window);
  return window.geometry().topLeft() - QPoint(margins.left(), margins.top());
}

// A window without its native window yet is moved by its frame: Qt then
// asks the window system to put the frame's corner there (north-west
// gravity), and no correction is needed once the frame is known, however
// late the window manager frames it. A window that has its native window
// keeps the gravity it was created with, so its client area is moved.
// Its layout is settled and its size set first: a window that Qt sizes anew
// while showing it loses the frame-inclusive position.
QPoint PlaceFrame(QWidget& window, QPoint frameTopLeft) {
  const bool created = window.testAttribute(Qt::WA_WState_Created);
  if (!created) {
    if (window.layout() != nullptr) window.layout()->activate();
    // The size it shows with, which the window keeps from now on: what its
    // layout asks for, unless it was given a size.
    if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
  }
  const QMargins margins = ExpectedFrameMargins(window);
  QRect frame = window.geometry().marginsAdded(margins);
  frame.moveTopLeft(frameTopLeft);
  frame = KeptInside(frame, AvailableArea(window));
  if (!created) {
    window.move(frame.topLeft());
    return frame.topLeft();
  }
  const QRect client = frame.marginsRemoved(margins);
  if (window.geometry() != client) window.setGeometry(client);
  return frame.topLeft();
}

QPoint OwnerFrameCorner(const QWidget& window) {
  const QWidget* owner = window.parentWidget();
  return owner != nullptr ? FrameGeometry(*owner->window()).topLeft() : QPoint();
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
  aimed_ = PlaceFrame(window_, target_);
  settledLooks_ = 0;
  looksLeft_ = HasFrame(window_) ? 0 : kLooks;
  if (looksLeft_ > 0) {
    timer_->start();
  } else {
    timer_->stop();
  }
}

// A window manager busy framing the window may report it in passing at
// another place, or drop a move asked for while it frames: the placer
// places it again until the frame has stood where it belongs for a few
// looks.
void FramePlacer::Look() {
  if (HasFrame(window_)) {
    if (FrameTopLeft(window_) != aimed_) {
      settledLooks_ = 0;
      aimed_ = PlaceFrame(window_, target_);
    } else if (++settledLooks_ >= kSettledLooks) {
      looksLeft_ = 0;
    }
  }
  if (--looksLeft_ <= 0) timer_->stop();
}

bool FramePlacer::Looking() const { return timer_->isActive(); }

bool HasFrame(const QWidget& window) { return !FrameMargins(window).isNull(); }

int TitleBarWidth(const QString& title) {
  QFont font = QApplication::font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(title) + kTitleBarAllowance;
}

}  // namespace vexilor
