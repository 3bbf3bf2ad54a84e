#include "qt/window_memory.h"

#include <QDir>
#include <QSettings>

namespace vexilor {
namespace {

QString WindowKey(const QString& name, const char* what) {
  return QStringLiteral("windows/") + name + QLatin1Char('/') + QLatin1String(what);
}

QString FolderKey(const QString& kind) { return QStringLiteral("folders/") + kind; }

}  // namespace

WindowMemory::WindowMemory(std::unique_ptr<QSettings> store) : store_(std::move(store)) {}

WindowMemory::~WindowMemory() = default;

std::optional<QPoint> WindowMemory::Position(const QString& name) const {
  const QVariant value = store_ ? store_->value(WindowKey(name, "position")) : QVariant();
  if (!value.canConvert<QPoint>()) return std::nullopt;
  return value.toPoint();
}

std::optional<QSize> WindowMemory::Size(const QString& name) const {
  const QVariant value = store_ ? store_->value(WindowKey(name, "size")) : QVariant();
  if (!value.canConvert<QSize>() || !value.toSize().isValid()) return std::nullopt;
  return value.toSize();
}

void WindowMemory::Remember(const QString& name, QPoint position, QSize size) {
  if (!store_) return;
  store_->setValue(WindowKey(name, "position"), position);
  store_->setValue(WindowKey(name, "size"), size);
}

QString WindowMemory::Folder(const QString& kind, const QString& fallback) const {
  const QString folder = store_ ? store_->value(FolderKey(kind)).toString() : QString();
  return !folder.isEmpty() && QDir(folder).exists() ? folder : fallback;
}

void WindowMemory::RememberFolder(const QString& kind, const QString& folder) {
  if (store_ && !folder.isEmpty()) store_->setValue(FolderKey(kind), folder);
}

}  // namespace vexilor
