#pragma once
// The projection dialog frmProection: the user chooses the projection type of
// one side of the transformation (the side in ProjectionRecord::side) and
// sets its parameters. OK validates and stores them in that side of the
// projection parameters; "Отмена" leaves them alone and puts the side's
// coordinate type back to its first entry in the main window.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "form/form.h"
#include "form/platform.h"
#include "state/app_state.h"
#include "windows/main_window_hooks.h"
#include "geodesy/projection_slots.h"
#include "projection/projection_panel.h"

namespace vexilor {

// Title of every message of the dialog.
inline constexpr std::string_view kProjectionMessageTitle = "Установить тип проекции и ее параметры";

class FrmProjection : public Form {
 public:
  static constexpr int kTypes = static_cast<int>(kProjectionKinds.size());  // optPro(code of the kind)
  static constexpr int kPanels = 2;                     // fraPro(1) Gauss-Krüger and UTM, fraPro(2) Lambert
  static constexpr int kBoxes = kPanels * kPanelBoxes;  // txt1(0..11)

  FrmProjection(AppState& state, Platform& platform, MainWindowHooks& mainWindow);

  // --- Controls ---
  Control& cmdOK;
  Control& cmdCancel;
  Control& fraPro(int index) const { return At(fraPro_, index); }    // 0 type frame, 1 and 2 panels
  Control& optPro(int index) const { return At(optPro_, index); }    // index = code of the kind
  Control& fraLong(int index) const { return At(fraLong_, index); }  // per panel
  Control& optLong(int index) const { return At(optLong_, index); }  // 2 per panel: east, west
  Control& fraAxis(int index) const { return At(fraAxis_, index); }  // per panel
  Control& optAxis(int index) const { return At(optAxis_, index); }  // 2 per panel: x, y vertical
  Control& txt1(int index) const { return At(txt1_, index); }
  Control& lbl1(int index) const { return At(lbl1_, index); }

  // The main window preselects a type when a side's coordinate type becomes
  // "x y H"; the opening rule of Form_Activate still decides what shows.
  void Preset(ProjectionKind kind);

  // --- Handlers ---
  void Form_Activate();
  void optPro_Click(int index);
  void optAxis_Click(int index);
  void txt1_GotFocus(int index);
  void txt1_KeyPress(int& key);
  void cmdOK_Click();
  void cmdCancel_Click();

 private:
  template <std::size_t N>
  static Control& At(const std::array<Control*, N>& controls, int index) {
    return *controls.at(static_cast<std::size_t>(index));
  }

  Control& Make(ControlKind kind, std::string name, std::string text, Control* container, int index = kNoIndex,
                std::string group = {});
  void AddTypeFrame();
  void AddPanel(int panel);
  void AddBoxes(int panel);
  void AddOptionPair(int panel, std::array<Control*, kPanels>& frames, std::array<Control*, 2 * kPanels>& options,
                     const char* frameName, const std::string& caption, const char* optionName,
                     const std::array<const char*, 2>& captions);
  void BindHandlers();

  Side EditedSide() const;
  Control& TypeButton(ProjectionKind kind) const;
  ProjectionKind SelectedKind() const;
  Control& Box(int panel, int box) const { return txt1(panel * kPanelBoxes + box); }
  void PlaceAtMainWindow();
  void ShowPanel(int panel);
  void FillPanel(ProjectionKind kind, PanelFill fill);
  PanelEntry ReadPanel(int panel) const;
  void Warn(const std::string& text);

  AppState& state_;
  Platform& platform_;
  MainWindowHooks& mainWindow_;
  std::array<Control*, kPanels + 1> fraPro_{};
  std::array<Control*, kTypes> optPro_{};
  std::array<Control*, kPanels> fraLong_{};
  std::array<Control*, 2 * kPanels> optLong_{};
  std::array<Control*, kPanels> fraAxis_{};
  std::array<Control*, 2 * kPanels> optAxis_{};
  std::array<Control*, kBoxes> txt1_{};
  std::array<Control*, kBoxes> lbl1_{};
};

}  // namespace vexilor
