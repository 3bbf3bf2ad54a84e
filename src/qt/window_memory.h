#pragma once
// What the program remembers between runs about its windows: where each
// stood and how large it was, and the last folder of each kind of file the
// user chose in a file dialog. Kept in a QSettings store.

#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace vexilor {

class WindowMemory {
 public:
  // Without a store nothing is remembered (the tests of single windows).
  explicit WindowMemory(std::unique_ptr<QSettings> store = nullptr);
  ~WindowMemory();
  WindowMemory(const WindowMemory&) = delete;
  WindowMemory& operator=(const WindowMemory&) = delete;

  // The place of window `name`: the top-left corner of its frame (on the
  // screen for the main window, from its owner's frame for a dialog) and
  // the size of its client area.
  std::optional<QPoint> Position(const QString& name) const;
  std::optional<QSize> Size(const QString& name) const;
  void Remember(const QString& name, QPoint position, QSize size);

  // The folder last chosen for files of `kind` (their extension), or
  // `fallback` when none was chosen yet or it no longer exists.
  QString Folder(const QString& kind, const QString& fallback) const;
  void RememberFolder(const QString& kind, const QString& folder);

 private:
  std::unique_ptr<QSettings> store_;
};

}  // namespace vexilor
