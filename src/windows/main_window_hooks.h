#pragma once
// What other windows may do to the main window besides changing the shared
// settings: show a chosen system's name, empty the result boxes, put a
// side's coordinate type back to its first entry, start anew, and tell where
// the main window stands (dialogs open at its top-left corner).

#include <string>

#include "form/control.h"
#include "geodesy/side.h"

namespace vexilor {

class MainWindowHooks {
 public:
  virtual ~MainWindowHooks() = default;
  // The name box of `side` shows `name`.
  virtual void ShowSystemName(Side side, const std::string& name) = 0;
  // Empties txtLat_Out, txtLon_Out, txtHei_Out and txtGeoid.
  virtual void ClearResults() = 0;
  // The coordinate-type list of `side` selects its first entry, running the
  // list's handler as a user's choice would.
  virtual void ResetTypeList(Side side) = 0;
  // The main window's "Новые установки": every setting back to its start.
  virtual void ResetToNewSettings() = 0;
  // The main window's position on the screen, twips.
  virtual TwipsRect WindowPosition() const = 0;
};

}  // namespace vexilor
