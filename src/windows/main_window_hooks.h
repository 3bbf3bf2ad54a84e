#pragma once
// What other windows may do to the main window besides changing the shared
// settings: show a chosen system's name, empty the result boxes, put a
// side's coordinate type back to its first entry, start anew, and tell where
// the main window stands (dialogs open at its top-left corner).

#include <string>

#include "form/control.h"

namespace vexilor {

class MainWindowHooks {
 public:
  virtual ~MainWindowHooks() = default;
  // Side 0 source, 1 target: the name box of that side shows `name`, sized
  // to the text and placed under the side's label.
  virtual void ShowSystemName(int side, const std::string& name) = 0;
  // Empties txtLat_Out, txtLon_Out, txtHei_Out and txtGeoid.
  virtual void ClearResults() = 0;
  // Side 0 source, 1 target: the side's coordinate-type list selects its
  // first entry, running the list's handler as a user's choice would.
  virtual void ResetTypeList(int side) = 0;
  // The main window's "Новые установки": every setting back to its start.
  virtual void ResetToNewSettings() = 0;
  // The main window's position on the screen, twips.
  virtual TwipsRect WindowPosition() const = 0;
};

}  // namespace vexilor
