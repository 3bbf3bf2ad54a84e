// vexilor: the desktop program. Run from its own folder it finds its
// reference files, the standard quasi-geoid grid and the help beside the
// executable; installed, in share/vexilor, with the catalogue in the user's
// own folder (refdata/data_folders.h).

#include <QApplication>
#include <QSettings>
#include <memory>

#include "run/removed_on_signal.h"
#include "qt/program.h"
#include "qt/qt_text.h"
#include "refdata/reference_path.h"

int main(int argc, char* argv[]) {
  // A run's temporary results file goes with the program when it is killed.
  vexilor::RemoveHeldFilesOnSignals();
  QApplication application(argc, argv);
  // Where the windows stood and the folders last chosen, kept for the next run.
  vexilor::QtPlatform platform(
      std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Vexilor", "vexilor"));
  const vexilor::DataFolders folders = vexilor::ResolveDataFolders(
      vexilor::PathFromUtf8(vexilor::FromQt(QCoreApplication::applicationDirPath())), vexilor::UserCatalogueFolder());
  vexilor::ProgramWindows program(platform, folders);
  program.State().catalogueAdditions = vexilor::UpdateCatalogueCopy(folders);
  program.Start();
  return platform.QuitRequested() ? 0 : QApplication::exec();
}
