#pragma once
// A main window stand-in for the windows it opens: records what they ask of
// it.

#include <string>
#include <utility>
#include <vector>

#include "windows/main_window_hooks.h"

namespace vexilor::testing {

class RecordingMainWindow : public MainWindowHooks {
 public:
  void ShowSystemName(Side side, const std::string& name) override { names.emplace_back(side, name); }
  void ClearResults() override { ++clears; }
  void ResetTypeList(Side side) override { typeListResets.push_back(side); }
  void ResetToNewSettings() override { ++newSettings; }
  TwipsRect WindowPosition() const override { return position; }

  std::vector<std::pair<Side, std::string>> names;
  int clears = 0;
  std::vector<Side> typeListResets;
  int newSettings = 0;
  TwipsRect position{1200, 900, 9000, 7000};
};

}  // namespace vexilor::testing
