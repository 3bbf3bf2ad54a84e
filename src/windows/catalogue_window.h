#pragma once
// The catalogue window frmNational: the user picks the national coordinate
// system of one side of the transformation, inspects its ellipsoid and its
// link to its parent global system, edits the seven link parameters, removes
// an entry or adds one. OK hands the chosen system to the settings.
//
// The window works on the catalogue lists of the shared state (loaded by
// LoadCatalogue before it is shown) and rewrites sys.dat from them when the user
// agrees.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "form/form.h"
#include "form/platform.h"
#include "state/app_state.h"
#include "windows/catalogue_hooks.h"
#include "windows/main_window_hooks.h"
#include "refdata/coord_system_record.h"
#include "refdata/system_choice.h"

namespace vexilor {

// Title of the messages of "Сохранить".
inline constexpr std::string_view kSaveLinkTitle = "Изменить параметры связи систем координат";

class FrmCatalogue : public Form, public CatalogueHooks {
 public:
  static constexpr int kLinkBoxes = 7;       // txt1(0..6): Dx, Dy, Dz, Wx, Wy, Wz, m
  static constexpr int kEllipsoidBoxes = 3;  // txtEll(0) a, txtEll(1) 1/f, txtEll(2) name

  FrmCatalogue(AppState& state, Platform& platform, MainWindowHooks& mainWindow);

  // The window that "Добавить" shows (frmNewSys); until it is set the
  // button only keeps the window as it is.
  void SetNewSystemWindow(Form& form) { newSystem_ = &form; }
  // The window that "По общим точкам…" shows (frmLinkFit), which may add
  // an entry through the new-system window.
  void SetLinkFitWindow(Form& form) { linkFit_ = &form; }

  // CatalogueHooks
  void ShowAddedEntry(std::int16_t position) override;

  // --- Controls ---
  Control& fraSys;
  Control& lstSys;
  Control& fraEllipso;
  Control& fraSystem;
  Control& txtSystem;
  Control& fraOrient;
  Control& fraLin;
  Control& fraAngle;
  Control& fraScale;
  Control& cmdChange;
  Control& cmdSave;
  Control& cmdRemove;
  Control& cmdAdd;
  Control& cmdFit;
  Control& cmdCancel;
  Control& cmdOK;
  Control& txt1(int index) const { return *txt1_.at(static_cast<std::size_t>(index)); }
  Control& txtEll(int index) const { return *txtEll_.at(static_cast<std::size_t>(index)); }

  // --- Handlers ---
  void Form_Activate();
  void lstSys_Click();
  void cmdChange_Click();
  void txt1_Change();
  void txt1_KeyPress(int& key);
  void cmdSave_Click();
  void cmdRemove_Click();
  void cmdAdd_Click() { ShowOver(newSystem_); }
  void cmdFit_Click() { ShowOver(linkFit_); }
  void cmdCancel_Click();
  void cmdOK_Click();

 private:
  Control& Make(ControlKind kind, std::string name, std::string text, Control* container, std::string toolTip = {},
                int index = kNoIndex);
  Control& MakeShownBox(std::string name, Control& frame, int index = kNoIndex);
  void AddEllipsoidBoxes();
  void AddLinkBoxes();
  void BindHandlers();

  std::string_view Title() const;
  std::string SystemsPath() const;
  std::string EllipsoidsPath() const;
  void Warn(std::string text, std::string_view title);
  // 1-based position of the selected entry; 0 when nothing is selected.
  std::int16_t SelectedPosition() const;
  // Refills lstSys when its names differ from those of the catalogue lines;
  // true when it did (the selection is then gone).
  bool ShowCatalogueNames();
  void EnableLinkBoxes(bool enabled);
  void ClearBoxes();
  void ShowEntry(const CoordSystem& system);
  bool ShowEllipsoid(std::int16_t number);
  // The seven typed link values, or false after the message for the first
  // box that is empty or out of its bound.
  bool ReadLinkBoxes(LinkParams& link);
  void RefuseLinkBox(int index, std::string text);
  // Rewrites sys.dat after an edit; a refusal keeps the window as it is at
  // its next activation.
  void RewriteSystems(std::string_view title);
  bool HandOver(const SystemChoice& choice);
  // Shows `form` modally over the catalogue, which keeps its state; an
  // entry added meanwhile is selected with OK focused.
  void ShowOver(Form* form);

  AppState& state_;
  Platform& platform_;
  MainWindowHooks& mainWindow_;
  std::array<Control*, kLinkBoxes> txt1_{};
  std::array<Control*, kEllipsoidBoxes> txtEll_{};
  Form* newSystem_ = nullptr;
  Form* linkFit_ = nullptr;
  bool editMode_ = false;
  bool focusOkAfterAdd_ = false;
};

}  // namespace vexilor
