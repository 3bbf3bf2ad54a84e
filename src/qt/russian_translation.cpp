#include "qt/russian_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vexilor {

bool InstallRussianTranslation() {
  // One translator for the life of the application: Qt keeps a pointer to it.
  static QTranslator* translator = nullptr;
  static bool loaded = false;
  if (translator != nullptr) return loaded;
  const QLocale russian(QLocale::Russian, QLocale::Russia);
  QLocale::setDefault(russian);
  translator = new QTranslator(QCoreApplication::instance());
  // "qt_ru" gathers the catalogues of every Qt module, qtbase among them.
  loaded = translator->load(russian, QStringLiteral("qt"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (loaded) QCoreApplication::installTranslator(translator);
  return loaded;
}

}  // namespace vexilor
