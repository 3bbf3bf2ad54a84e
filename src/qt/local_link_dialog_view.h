#pragma once
// Layout of the link values dialog frmDlg.

#include "qt/form_window.h"
#include "windows/local_link_dialog.h"

namespace vexilor {

void LayOutLocalLink(FormWindow& window, const FrmLocalLink& form);

}  // namespace vexilor
