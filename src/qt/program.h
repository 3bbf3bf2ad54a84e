#pragma once
// The whole program on Qt: the shared state, every window, their views and
// the wiring between them. main() builds one over the folders of the
// executable (refdata/data_folders.h); the GUI tests build one over a
// temporary folder.

#include <string>

#include "form/form.h"
#include "form/platform.h"
#include "refdata/data_folders.h"
#include "state/app_state.h"
#include "windows/main_window.h"
#include "qt/qt_platform.h"
#include "qt/run_progress_dialog.h"
#include "windows/projection_window.h"
#include "windows/catalogue_window.h"
#include "windows/local_link_dialog.h"
#include "windows/service_window.h"
#include "windows/new_system_window.h"
#include "windows/link_fit_window.h"

namespace vexilor {

class ProgramWindows {
 public:
  ProgramWindows(QtPlatform& platform, const DataFolders& folders);

  // Shows the main window: its start-up runs the checks, which may end the
  // program (platform.QuitRequested()).
  void Start();

  AppState& State() { return state_; }
  FrmMain& MainWindow() { return main_; }
  FrmCatalogue& Catalogue() { return catalogue_; }
  FrmNewSystem& NewSystem() { return newSystem_; }
  FrmLinkFit& LinkFit() { return linkFit_; }
  FrmProjection& Projection() { return projection_; }
  FrmLocalLink& LocalLink() { return localLink_; }
  FrmService& Service() { return service_; }
  RunProgressDialog& Progress() { return progress_; }

 private:
  QtPlatform& platform_;
  AppState state_;
  FrmMain main_;
  FrmCatalogue catalogue_;
  FrmNewSystem newSystem_;
  FrmLinkFit linkFit_;
  FrmProjection projection_;
  FrmLocalLink localLink_;
  FrmService service_;
  RunProgressDialog progress_;
};

}  // namespace vexilor
