#pragma once
// The widget of a drawn control (ControlKind::kLine, kShape): a line from
// its top-left to its bottom-right corner, or the outline of its rectangle,
// in the text colour. It lets the mouse through to what lies under it.

#include <QWidget>

namespace vexilor {

class DrawnControl : public QWidget {
 public:
  enum class Figure { kLine, kRectangle };

  DrawnControl(Figure figure, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Figure figure_;
};

}  // namespace vexilor
