// vexilor: the desktop program. Its reference files, the standard
// quasi-geoid grid and the help file sit beside the executable.

#include <QApplication>

#include "qt/program.h"
#include "qt/qt_text.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  vexilor::QtPlatform platform;
  vexilor::ProgramWindows program(platform, vexilor::FromQt(QCoreApplication::applicationDirPath()));
  program.Start();
  return platform.QuitRequested() ? 0 : QApplication::exec();
}
