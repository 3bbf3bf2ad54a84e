// vexilor: the desktop program. Run from its own folder it finds its
// reference files, the standard quasi-geoid grid and the help beside the
// executable; installed, in share/vexilor, with the catalogue in the user's
// own folder (refdata/data_folders.h).

#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "run/removed_on_signal.h"
#include "qt/program.h"
#include "qt/qt_text.h"
#include "refdata/reference_path.h"

namespace {

// The text of --help, from which the manual page vexilor(1) is made too.
constexpr const char* kUsage =
    "usage: vexilor [QT-OPTION ...]\n"
    "       vexilor -h|--help | -V|--version\n"
    "\n"
    "Opens the window of Vexilor, which transforms point coordinates between the\n"
    "Russian state and global coordinate systems (СК-42, СК-63, СК-95, ПЗ-90, WGS-84,\n"
    "local МСК systems and the systems the user adds to its catalogue) and between\n"
    "geodetic B L H, geocentric X Y Z and plane x y H coordinates in Gauss-Krüger, UTM\n"
    "or Lambert projections, with normal heights through a quasi-geoid grid: one\n"
    "typed point or whole source files. Its service tools name map sheets and their\n"
    "frames and convert degrees to grads and metric to English lengths. The window\n"
    "speaks Russian; «Справка» opens its help. vexilor-cli runs the same\n"
    "transformations from scripts.\n"
    "  QT-OPTION  an option of Qt's own, e.g. -platform offscreen or -style fusion\n"
    "\n"
    "files:\n"
    "  /usr/share/vexilor  the reference files sys.dat, ellips.dat and keys.dat, the\n"
    "      standard quasi-geoid grid wgeoid.mat and the help vexilor.hlp, as installed\n"
    "      (a program whose own folder holds sys.dat and may be written keeps\n"
    "      everything there)\n"
    "  ~/.local/share/vexilor  the user's catalogue: sys.dat, ellips.dat, keys.dat and\n"
    "      the backups sys.bac and ellips.bac, filled on first start with copies of\n"
    "      the installed files\n"
    "  ~/.config/Vexilor/vexilor.ini  where the windows stood, how large they were and\n"
    "      the folders last chosen\n"
    "\n"
    "environment:\n"
    "  XDG_DATA_HOME  when an absolute path, the user's catalogue is in\n"
    "      $XDG_DATA_HOME/vexilor\n"
    "  XDG_CONFIG_HOME  when set, the window settings are in\n"
    "      $XDG_CONFIG_HOME/Vexilor/vexilor.ini\n"
    "  DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM  the screen the window opens on\n";

// --help and --version are answered on the terminal before anything of the
// window, which needs a display, is made. Nothing when neither is asked.
std::optional<int> AnswerOnTerminal(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const char* text = nullptr;
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) text = kUsage;
    if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-V") == 0)
      text = "vexilor " VEXILOR_VERSION "\n";
    if (text == nullptr) continue;
    std::fputs(text, stdout);
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const std::optional<int> status = AnswerOnTerminal(argc, argv)) return *status;
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
