#pragma once
// Layout of the service window frmService.

#include "qt/form_window.h"
#include "windows/service_window.h"

namespace vexilor {

void LayOutService(FormWindow& window, const FrmService& form);

}  // namespace vexilor
