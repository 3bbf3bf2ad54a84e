// vexilor: the desktop program. Its reference files, the standard
// quasi-geoid grid and the help file sit beside the executable.

#include <QApplication>
#include <QSettings>
#include <memory>

#include "qt/program.h"
#include "qt/qt_text.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Where the windows stood and the folders last chosen, kept for the next run.
  vexilor::QtPlatform platform(
      std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Vexilor", "vexilor"));
  vexilor::ProgramWindows program(platform, vexilor::FromQt(QCoreApplication::applicationDirPath()));
  program.Start();
  return platform.QuitRequested() ? 0 : QApplication::exec();
}
