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

namespace vexilor {

class ProgramWindows {
 public:
  ProgramWindows(QtPlatform& platform, const DataFolders& folders);

  // Shows the main window: its start-up runs the checks, which may end the
  // program (platform.QuitRequested()).
  void Start();

  AppState& State() { return state_; }
  FrmSettinngs& MainWindow() { return main_; }
  FrmNational& Catalogue() { return catalogue_; }
  FrmNewSys& NewSystem() { return newSystem_; }
  FrmProection& Projection() { return projection_; }
  FrmDlg& LocalLink() { return localLink_; }
  FrmService& Service() { return service_; }
  RunProgressDialog& Progress() { return progress_; }

 private:
  QtPlatform& platform_;
  AppState state_;
  FrmSettinngs main_;
  FrmNational catalogue_;
  FrmNewSys newSystem_;
  FrmProection projection_;
  FrmDlg localLink_;
  FrmService service_;
  RunProgressDialog progress_;
};

}  // namespace vexilor
