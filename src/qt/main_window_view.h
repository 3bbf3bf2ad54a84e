#pragma once
// Layout of the main window frmSettinngs.

#include "qt/form_window.h"

namespace vexilor {

void LayOutMainWindow(FormWindow& window);

}  // namespace vexilor
