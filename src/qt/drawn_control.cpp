#include "qt/drawn_control.h"

#include <QPainter>

namespace vexilor {

DrawnControl::DrawnControl(Figure figure, QWidget* parent) : QWidget(parent), figure_(figure) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void DrawnControl::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  // The last pixel of each side, so that a line one pixel wide shows whole.
  const int right = width() - 1;
  const int bottom = height() - 1;
  if (figure_ == Figure::kRectangle) {
    painter.drawRect(0, 0, right, bottom);
  } else {
    painter.drawLine(0, 0, right, bottom);
  }
}

}  // namespace vexilor
