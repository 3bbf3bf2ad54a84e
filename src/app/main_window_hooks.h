#pragma once
// What other windows may do to the main window besides changing the shared
// settings: the catalogue shows the chosen system's name beside its side and
// empties the result boxes.

#include <string>

namespace vexilor {

class MainWindowHooks {
 public:
  virtual ~MainWindowHooks() = default;
  // Side 0 source, 1 target: the name box of that side shows `name`, sized
  // to the text and placed under the side's label.
  virtual void ShowSystemName(int side, const std::string& name) = 0;
  // Empties txtLat_Out, txtLon_Out, txtHei_Out and txtGeoid.
  virtual void ClearResults() = 0;
};

}  // namespace vexilor
