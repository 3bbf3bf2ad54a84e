#pragma once
// The sketch of a sheet frame in the service window: the frame's outline
// with its name above it, between the x axis (up) and the y axis (right),
// each axis with its letter. A drawing keeps its coordinates inside its own
// widget; they are counted in lines of its font, so it grows with the font.

#include <QWidget>

namespace vexilor {

struct FrameSketch {
  QWidget& name;      // lblName
  QWidget& outline;   // shpRamka
  QWidget& xAxis;     // linAxis(0)
  QWidget& yAxis;     // linAxis(1)
  QWidget& xLetter;   // lblX
  QWidget& yLetter;   // lblY
};

// Moves the parts of the sketch into `area` and gives the area their size.
void DrawFrameSketch(QWidget& area, const FrameSketch& sketch);

}  // namespace vexilor
