#pragma once
// The program's help viewer: a dialog of the main window that shows the
// HTML help file beside it, kept on the screen; Escape closes it. It comes
// back where it stood and as large as it was.

#include <QWidget>
#include <string>

#include "qt/window_placement.h"

class QTextBrowser;

namespace vexilor {

class WindowMemory;

class HelpViewer : public QWidget {
 public:
  HelpViewer(QWidget* owner, WindowMemory& memory);
  // Shows the file at `path` (HTML in UTF-8, whatever its extension) and
  // brings the window to the front; a missing file is said in the window.
  void Open(const std::string& path);
  QTextBrowser* Browser() const { return browser_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Remembered, or beside the owner where the screen has room, else over it.
  QPoint FirstPlace();

  QTextBrowser* browser_;
  WindowMemory& memory_;
  FramePlacer placer_;
  bool shownBefore_ = false;
};

}  // namespace vexilor
