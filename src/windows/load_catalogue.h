#pragma once
// Preparing the system catalogue before the catalogue window is shown.

#include "state/app_state.h"
#include "form/platform.h"

namespace vexilor {

// Reads sys.dat and ellips.dat of the program's folder into the catalogue
// lists when the catalogue is marked for reading, with the messages of a
// failed read. False when the catalogue could not be loaded (the window is
// then not to be shown). Systems whose ellipsoids ellips.dat lacks are named
// once, at the load; they stay listed.
bool LoadCatalogue(AppState& state, Platform& platform);

}  // namespace vexilor
