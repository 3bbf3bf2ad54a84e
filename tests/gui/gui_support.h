#pragma once
// Driving the real program windows in Qt Test: a Qt platform whose file
// dialogs answer from a queue (the only dialogs not driven through widgets),
// and a watcher that answers message and input boxes as they come up.

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "qt/qt_platform.h"

namespace vexilor::testing {

class FileAnsweringPlatform : public QtPlatform {
 public:
  using QtPlatform::QtPlatform;
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
// the queued button, else with its default button; every input box is
// recorded by its prompt and answered with the queued text, else cancelled.
// A test asserts `texts` at its end, so a surprise box fails it instead of
// hanging it.
class DialogWatcher {
 public:
  DialogWatcher() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

  void Answer(QMessageBox::StandardButton button) { answers_.push_back(button); }
  void Type(QString text) { inputs_.push_back(std::move(text)); }

  std::vector<QString> texts;

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      Close(*box);
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
      Close(*input);
    }
  }

  void Close(QMessageBox& box) {
    texts.push_back(box.text());
    QAbstractButton* button = box.defaultButton();
    if (!answers_.empty()) {
      button = box.button(answers_.front());
      answers_.pop_front();
    }
    if (button == nullptr) button = box.buttons().value(0);
    button->click();
  }

  void Close(QInputDialog& input) {
    texts.push_back(input.labelText());
    if (inputs_.empty()) {
      input.reject();
      return;
    }
    input.setTextValue(inputs_.front());
    inputs_.pop_front();
    input.accept();
  }

  QTimer timer_;
  std::deque<QMessageBox::StandardButton> answers_;
  std::deque<QString> inputs_;
};

// A check that fails while a window of the program is shown modally leaves
// that window open, and the step that showed it would wait for ever: once a
// check of the running test has failed, every modal window that comes up is
// closed, so that the test ends, failed.
class LeftOpenCloser {
 public:
  LeftOpenCloser() {
    timer_.setInterval(50);
    QObject::connect(&timer_, &QTimer::timeout, [] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || !modal->isVisible() || !QTest::currentTestFailed()) return;
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        QAbstractButton* button = box->defaultButton() != nullptr ? box->defaultButton() : box->buttons().value(0);
        if (button != nullptr) button->click();
      } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
    });
    timer_.start();
  }

 private:
  QTimer timer_;
};

}  // namespace vexilor::testing
