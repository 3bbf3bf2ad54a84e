#pragma once
// Layout of the new-system window frmNewSys.

#include "qt/form_window.h"
#include "windows/new_system_window.h"

namespace vexilor {

void LayOutNewSystem(FormWindow& window, const FrmNewSystem& form);

}  // namespace vexilor
