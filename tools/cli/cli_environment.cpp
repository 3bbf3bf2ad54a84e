#include "cli_environment.h"

namespace vexilor {

std::string CliFilesAndEnvironment() {
  return std::string(
             "files:\n"
             "  /usr/share/vexilor  the reference files sys.dat, ellips.dat and keys.dat and the\n"
             "      standard quasi-geoid grid wgeoid.mat, as installed (a program whose own\n"
             "      folder holds sys.dat and may be written keeps everything there)\n"
             "  ~/.local/share/vexilor  the user's catalogue: sys.dat, ellips.dat and keys.dat,\n"
             "      filled on first use with copies of the installed files; the systems added\n"
             "      in the catalogue of the program vexilor are found there\n"
             "  ") +
         kInstalledExamples +
         "  the source files of the examples\n"
         "\n"
         "environment:\n"
         "  XDG_DATA_HOME  when an absolute path, the user's catalogue is in\n"
         "      $XDG_DATA_HOME/vexilor\n"
         "  TMPDIR  the folder of the copies that INPUT - and OUTPUT - are read into and\n"
         "      written through\n";
}

}  // namespace vexilor
