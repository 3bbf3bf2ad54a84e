#pragma once
// A started main window on a scripted platform, with systems chosen the way
// the catalogue fills them (values of the shipped sys.dat and ellips.dat).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "windows/main_window.h"
#include "support/scripted_platform.h"
#include "geodesy/datum.h"
#include "text/codepage.h"
#include "windows/catalogue_window.h"
#include "windows/load_catalogue.h"

namespace vexilor {

inline SystemVector MakeVector(double a, double f, double baseA, double baseF, const LinkParams& link) {
  SystemVector v;
  v.SetOwn({a, f});
  v.SetBase({baseA, baseF});
  v.SetLink(link);
  return v;
}

// СК-42 on the Krassovsky ellipsoid, tied to ПЗ-90.
inline SystemVector Ck42Vector() {
  return MakeVector(6378245, 298.3, 6378136, 298.25784, {25, -141, -80, 0, -0.35, -0.66, 0});
}

inline SystemVector Pz90Vector() { return MakeVector(6378136, 298.25784, 6378136, 298.25784, {}); }

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("vexilor_main_window_" + std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    state.programFolder = folder_.string();
    state.catalogueFolder = folder_.string();
    window.SetCatalogueLoader([](AppState&, Platform&) { return true; });
    window.SetRuntimeFinder([](std::string_view, const std::filesystem::path&) { return true; });
    window.SetDataFinder([](std::string_view, const std::filesystem::path&) { return true; });
  }
  ~MainWindowTest() override {
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    std::filesystem::remove_all(folder_, ignored);
  }

  void Start() { platform.Show(window); }

  void ChooseSource(const std::string& name, const std::string& base, const SystemVector& vector) {
    state.settings.SourceSystemName = name;
    state.settings.SourceBaseName = base;
    state.settings.SourceVector = vector;
    ASSERT_TRUE(window.cmdIsx.Click());
  }
  void ChooseTarget(const std::string& name, const std::string& base, const SystemVector& vector) {
    state.settings.TargetSystemName = name;
    state.settings.TargetBaseName = base;
    state.settings.TargetVector = vector;
    ASSERT_TRUE(window.cmdOut.Click());
  }
  // СК-42 on both sides: the route only changes the coordinate type.
  void ChooseCk42Both() {
    ChooseSource(kCk42Name, kPz90Name, Ck42Vector());
    ChooseTarget(kCk42Name, kPz90Name, Ck42Vector());
  }
  void TypePoint(const std::string& first, const std::string& second, const std::string& third) {
    window.txtLat_In.SetText(first);
    window.txtLon_In.SetText(second);
    window.txtHei_In.SetText(third);
  }
  std::string WriteFile(const std::string& name, const std::string& text) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  std::string PathIn(const std::string& name) const { return (folder_ / name).string(); }
  // Texts of all messages shown so far.
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const MessageRequest& m : platform.Messages()) texts.push_back(m.text);
    return texts;
  }
  bool Said(const std::string& text) const {
    for (const MessageRequest& m : platform.Messages())
      if (m.text == text) return true;
    return false;
  }

  std::filesystem::path folder_;
  AppState state;
  ScriptedPlatform platform;
  FrmMain window{state, platform};
};

// The main window with the real catalogue window over copies of the shipped
// reference files: systems are chosen as a user chooses them.
class CatalogueMainWindowTest : public MainWindowTest {
 protected:
  CatalogueMainWindowTest() {
    const std::filesystem::path data = std::filesystem::path(VEXILOR_SOURCE_DIR) / "data";
    for (const char* name : {"sys.dat", "ellips.dat", "keys.dat"}) std::filesystem::copy_file(data / name, folder_ / name);
    window.SetCatalogueLoader(LoadCatalogue);
    window.SetCatalogueWindow(catalogue);
  }

  // Appends `line` to the program's sys.dat before the catalogue is read.
  void AddSystemLine(const std::string& line) {
    std::ofstream(folder_ / "sys.dat", std::ios::binary | std::ios::app) << Utf8ToCp1251(line) << "\r\n";
  }

  // "Выбрать" of `side`, the entry `name` chosen, OK.
  void Pick(Side side, const std::string& name) {
    platform.ExpectModal(catalogue, [&](Form&) {
      const std::vector<std::string>& items = catalogue.lstSys.Items();
      const auto found = std::find(items.begin(), items.end(), name);
      ASSERT_NE(found, items.end()) << name;
      ASSERT_TRUE(catalogue.lstSys.Choose(static_cast<int>(found - items.begin())));
      ASSERT_TRUE(catalogue.cmdOK.Click());
    });
    ASSERT_TRUE((side == Side::Source ? window.cmdIsx : window.cmdOut).Click());
  }

  FrmCatalogue catalogue{state, platform, window};
};

}  // namespace vexilor
