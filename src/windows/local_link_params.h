#pragma once
// The local-system step: when a side's system is a region of the 1963
// system (СК63) or a local system (MCK42, MCK95), its projection is a
// Gauss-Krüger set built from four link values, taken from keys.dat or typed
// into frmDlg. Every failure turns into a question whose Yes switches to the
// keyboard and whose No starts the main window anew; only a completed step
// writes the side's projection parameters. keys.dat is only read.

#include <string>

#include "form/form.h"
#include "form/platform.h"
#include "state/app_state.h"
#include "windows/main_window_hooks.h"
#include "projection/projection_record.h"
#include "windows/local_link_dialog.h"

namespace vexilor {

// Runs the step for `side` whose system has the display name `systemName`
// (kCk63Name, kMck42Name or kMck95Name; any other name does nothing). On
// success the side's projection parameters hold the Gauss-Krüger set; its
// fixed target zone is kept.
void SetLocalLinkParams(AppState& state, Platform& platform, MainWindowHooks& mainWindow, FrmLocalLink& dialog,
                        Side side, const std::string& systemName);

}  // namespace vexilor
