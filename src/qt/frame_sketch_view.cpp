#include "qt/frame_sketch_view.h"

#include <QLabel>
#include <algorithm>

namespace vexilor {

void DrawFrameSketch(QWidget& area, const FrameSketch& sketch) {
  for (QWidget* part : {&sketch.name, &sketch.outline, &sketch.xAxis, &sketch.yAxis, &sketch.xLetter, &sketch.yLetter}) {
    part->setParent(&area);
    if (auto* label = qobject_cast<QLabel*>(part)) label->setWordWrap(false);
  }
  const int line = area.fontMetrics().height();
  const QSize x = sketch.xLetter.sizeHint();
  const QSize y = sketch.yLetter.sizeHint();
  const QSize name = sketch.name.sizeHint();
  // The x axis rises from the y axis to the letter X at its top left.
  const int axisLeft = x.width() + line / 4;
  const int frameLeft = axisLeft + line;
  const int frameTop = std::max(x.height(), name.height()) + line / 4;
  const int frameWidth = std::max(name.width(), 6 * line);
  const int frameHeight = 3 * line;
  const int axisBottom = frameTop + frameHeight + line;
  const int axisRight = frameLeft + frameWidth + line;
  sketch.xLetter.setGeometry(QRect(QPoint(0, 0), x));
  sketch.xAxis.setGeometry(axisLeft, x.height() / 2, 1, axisBottom - x.height() / 2);
  sketch.yAxis.setGeometry(axisLeft + 1, axisBottom, axisRight - axisLeft, 1);
  sketch.yLetter.setGeometry(QRect(QPoint(axisRight + line / 4, axisBottom - y.height() / 2), y));
  sketch.name.setGeometry(QRect(QPoint(frameLeft, 0), name));
  sketch.outline.setGeometry(frameLeft, frameTop, frameWidth, frameHeight);
  area.setFixedSize(sketch.yLetter.geometry().right() + 1,
                    std::max(axisBottom + 1, sketch.yLetter.geometry().bottom() + 1));
}

}  // namespace vexilor
