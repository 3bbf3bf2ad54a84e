#pragma once
// The program's help viewer: a window that shows the HTML help file.

#include <QWidget>
#include <string>

class QTextBrowser;

namespace vexilor {

class HelpViewer : public QWidget {
 public:
  HelpViewer();
  // Shows the file at `path` (HTML in UTF-8, whatever its extension) and
  // brings the window to the front; a missing file is said in the window.
  void Open(const std::string& path);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace vexilor
