#pragma once
// "Новые установки": the settings and the main window back to a fresh start.

namespace vexilor {

class FrmMain;

// Restores the default settings, projection parameters and units and the
// main window's initial look; the catalogue is read again at the next
// choice of a system.
void ResetSettings(FrmMain& window);

}  // namespace vexilor
