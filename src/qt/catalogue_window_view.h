#pragma once
// Layout of the catalogue window frmNational.

#include "qt/form_window.h"
#include "windows/catalogue_window.h"

namespace vexilor {

void LayOutCatalogue(FormWindow& window, const FrmCatalogue& form);

}  // namespace vexilor
