#pragma once
// Placing top-level windows by their frame (title bar included) and keeping
// them on the screen.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>

class QTimer;
class QWidget;

namespace vexilor {

// `frame` moved the least so that it lies inside `area`; a frame larger than
// the area keeps its top-left corner (and with it the title bar) inside.
QRect KeptInside(QRect frame, const QRect& area);

// The area windows may take on the screen of `window` (or the primary one).
QRect AvailableArea(const QWidget& window);

// The flags of a top-level window owned by `owner`: a dialog with a title
// and the close box, no minimise or maximise buttons; a window of its own
// when `owner` is nullptr.
Qt::WindowFlags WindowFlagsOwnedBy(const QWidget* owner);

// Whether the window system has framed `window` yet (before that its frame
// and its client area coincide).
bool HasFrame(const QWidget& window);

// The frame the window system has put around the client area of `window`
// (none before it framed it), and the frame's rectangle on the screen.
QMargins FrameMargins(const QWidget& window);
QRect FrameGeometry(const QWidget& window);

// The frame around the client area of `window`; before the window system
// framed it, the frame its owner got from the same window system.
QMargins ExpectedFrameMargins(const QWidget& window);

// Where the frame of `window` stands, or will once it is framed.
QPoint FrameTopLeft(const QWidget& window);

// Moves the frame of the top-level `window` so that its top-left corner is
// at `frameTopLeft`, then keeps it inside the available area; answers where
// the corner was sent. Done before the window is first shown, the window
// takes the size its layout asks for, and the position goes with the window
// to the window system, which then does not place the window by its own
// rules.
QPoint PlaceFrame(QWidget& window, QPoint frameTopLeft);

// The frame corner of the window that owns `window`, or the screen's origin
// for a window of its own: remembered places are kept relative to it.
QPoint OwnerFrameCorner(const QWidget& window);

// The frame's top-left corner that centres `window` over the frame `over`.
QPoint CentredOver(const QWidget& window, const QRect& over);

// Places a top-level window by its frame and keeps it on the screen. A
// window placed before the window system framed it gets its client area
// where the frame should be; the placer looks again many times a second for
// up to half a minute, and places it again once the frame is known, until
// the frame stands where it was sent.
class FramePlacer {
 public:
  explicit FramePlacer(QWidget& window);
  void Place(QPoint frameTopLeft);
  // Where the frame was last sent.
  QPoint Target() const { return target_; }
  // One look, as the placer's timer takes them; whether it looks on.
  void Look();
  bool Looking() const;

 private:

  QWidget& window_;
  QTimer* timer_;
  QPoint target_;
  QPoint aimed_;  // target_ kept on the screen
  int looksLeft_ = 0;
  int settledLooks_ = 0;
};

// The least width of a window whose title bar shows `title` whole: the
// text in the bold title font and room for the icon and the title buttons.
int TitleBarWidth(const QString& title);

}  // namespace vexilor
