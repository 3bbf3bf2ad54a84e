#pragma once
// Driving the real program windows in Qt Test: a Qt platform whose file
// dialogs answer from a queue (the only dialogs not driven through widgets),
// and a watcher that answers message boxes as they come up.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "qt/qt_platform.h"

namespace vexilor::testing {

class FileAnsweringPlatform : public QtPlatform {
 public:
  std::deque<std::string> openFiles;
  std::deque<std::string> saveFiles;

  std::string ChooseOpenFile(const FileDialogRequest&) override { return Next(openFiles); }
  std::string ChooseSaveFile(const FileDialogRequest&) override { return Next(saveFiles); }

 private:
  static std::string Next(std::deque<std::string>& queue) {
    if (queue.empty()) return {};
    std::string path = queue.front();
    queue.pop_front();
    return path;
  }
};

// Every message box that comes up is recorded by its text and closed with
// its default button, unless an expected answer is queued: then that button
// is pressed. A test asserts `texts` at its end, so a surprise message fails
// it instead of hanging it.
class MessageWatcher {
 public:
  MessageWatcher() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

  void Answer(QMessageBox::StandardButton button) { answers_.push_back(button); }

  std::vector<QString> texts;

 private:
  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    texts.push_back(box->text());
    QAbstractButton* button = box->defaultButton();
    if (!answers_.empty()) {
      button = box->button(answers_.front());
      answers_.pop_front();
    }
    if (button == nullptr) button = box->buttons().value(0);
    button->click();
  }

  QTimer timer_;
  std::deque<QMessageBox::StandardButton> answers_;
};

}  // namespace vexilor::testing
