// mkgeoid: builds the standard quasi-geoid grid wgeoid.mat from the EGM96
// 15′ geoid in the .gtx layout (Debian package proj-data:
// /usr/share/proj/egm96_15.gtx).
//
//   mkgeoid <egm96_15.gtx> <wgeoid.mat>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "gtx_grid.h"
#include "standard_grid.h"

int main(int argc, char** argv) {
  using namespace vexilor::mkgeoid;
  if (argc != 3) {
    std::cerr << "usage: mkgeoid <egm96_15.gtx> <wgeoid.mat>\n";
    return 2;
  }
  const std::string source = argv[1], target = argv[2];
  if (!std::filesystem::is_regular_file(source)) {
    std::cerr << "mkgeoid: the EGM96 grid " << source
              << " is missing; install the Debian package proj-data or name another .gtx file\n";
    return 1;
  }
  GtxGrid egm96;
  std::string error;
  if (!egm96.Read(source, error)) {
    std::cerr << "mkgeoid: " << error << '\n';
    return 1;
  }
  std::vector<std::int16_t> stored;
  BuildReport report;
  if (!BuildStandardGrid(egm96, stored, report, error) ||
      !WriteStandardGrid(target, stored, error)) {
    std::cerr << "mkgeoid: " << error << '\n';
    return 1;
  }
  std::cout << "mkgeoid: " << target << ": " << kStandardRows << " x " << kStandardColumns
            << " nodes; heights re-referred to ПЗ-90 by up to " << report.largestShift
            << " m; carried nodes miss EGM96 by up to " << report.largestMiss
            << " m before storage, after at most " << report.worstIterations
            << " iterations per node\n";
  return 0;
}
