#include "qt/help_viewer.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace vexilor {

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("helpViewer"));
  setWindowTitle(QStringLiteral("Справка"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenExternalLinks(true);
  resize(640, 480);
}

void HelpViewer::Open(const std::string& path) {
  const QString file = ToQt(path);
  if (QFileInfo(file).isFile()) {
    browser_->setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
  } else {
    browser_->setPlainText(QStringLiteral("Файл справки не найден: ") + file);
  }
  show();
  raise();
  activateWindow();
}

}  // namespace vexilor
