#pragma once
// Layout of the projection dialog frmProection.

#include "qt/form_window.h"
#include "windows/projection_window.h"

namespace vexilor {

void LayOutProjection(FormWindow& window, const FrmProjection& form);

}  // namespace vexilor
