#pragma once
// Layout of the main window frmSettinngs.

#include "qt/form_window.h"
#include "windows/main_window.h"

namespace vexilor {

void LayOutMainWindow(FormWindow& window, const FrmMain& form);

}  // namespace vexilor
