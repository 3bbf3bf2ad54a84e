#pragma once
// Layout of the link fit window frmLinkFit.

#include "qt/form_window.h"
#include "windows/link_fit_window.h"

namespace vexilor {

void LayOutLinkFit(FormWindow& window, const FrmLinkFit& form);

}  // namespace vexilor
