#pragma once
// The new-system window frmNewSys, shown over the catalogue by "Добавить":
// the user defines a national coordinate system by its name, its parent
// global system (WGS-84 or ПЗ-90), its ellipsoid (a known one, recognised by
// its name, or a new one) and its seven link parameters, with the rule of
// sign its rotations were published in (optRotation). OK checks
// them, adds the lines to the catalogue lists, shows the new entry selected
// in the catalogue and offers to rewrite ellips.dat and sys.dat.
//
// The link fit (link_fit_window.h) opens it filled: an offer names the
// ellipsoid and the link onto each parent, and choosing the parent shows
// that parent's link.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "form/form.h"
#include "form/platform.h"
#include "geodesy/link_params.h"
#include "refdata/ellipsoid_record.h"
#include "refdata/links_onto_parents.h"
#include "refdata/new_system.h"
#include "state/app_state.h"
#include "windows/catalogue_hooks.h"

namespace vexilor {

// The window's caption, also the title of every message of the window.
inline constexpr std::string_view kNewSystemCaption = "Определить параметры новой системы координат";

// What a link fitted to common points offers to the next opening.
struct NewSystemOffer {
  Ellipsoid ellipsoid;  // the new system's, as ellips.dat names it
  ParentLinks links;    // onto each parent of kParentChoices
  std::size_t parent = 0;  // the parent shown first
};

class FrmNewSystem : public Form {
 public:
  static constexpr int kLinkBoxes = 7;       // txt1(0..6): Dx, Dy, Dz, Wx, Wy, Wz, m
  static constexpr int kEllipsoidBoxes = 3;  // txtEll(0) a, txtEll(1) 1/f, txtEll(2) name

  FrmNewSystem(AppState& state, Platform& platform, CatalogueHooks& catalogue);

  // The next opening shows `offer` instead of empty boxes; OK or "Отмена"
  // forget it.
  void Offer(NewSystemOffer offer) { offer_ = std::move(offer); }

  // --- Controls ---
  Control& fraName;
  Control& txtNewName;
  Control& fraSystem;
  Control& cboSystem;
  Control& fraEllipso;
  Control& fraOrient;
  Control& fraLin;
  Control& fraAngle;
  Control& fraScale;
  Control& fraRotation;
  Control& cmdOK;
  Control& cmdCancel;
  Control& txtEll(int index) const { return *txtEll_.at(static_cast<std::size_t>(index)); }
  Control& txt1(int index) const { return *txt1_.at(static_cast<std::size_t>(index)); }
  // optRotation(0): the rotations turn the coordinate frame, as the
  // catalogue keeps them; optRotation(1): they turn the position vector,
  // and are stored negated (geodesy/link_params.h).
  Control& optRotation(int index) const { return *optRotation_.at(static_cast<std::size_t>(index)); }

  // --- Handlers ---
  void Form_Activate();
  void cboSystem_Click();
  void txtNewName_Change() { UpdateOK(); }
  void txtEll_Change() { UpdateOK(); }
  void txt1_Change() { UpdateOK(); }
  void txtEll_KeyPress(int& key);
  void txt1_KeyPress(int& key);
  void txtEll_LostFocus(int index);
  void cmdCancel_Click();
  void cmdOK_Click();

 private:
  // What the boxes define once every check has passed.
  struct Definition {
    std::string name;           // collapsed
    std::string ellipsoidName;  // collapsed
    double a = 0.0;
    double invf = 0.0;
    LinkParams link{};
    ParentChoice parent = kParentChoices[0];
  };

  // The ellipsoid of the new system: a known one, or a new one to append.
  struct EllipsoidUse {
    std::int16_t number = 0;
    bool added = false;
  };

  Control& Make(ControlKind kind, std::string name, std::string text, Control* container, int index = kNoIndex);
  void AddEllipsoidBoxes();
  void AddLinkBoxes();
  void AddRotationOptions();
  void BindHandlers();

  void UpdateOK();
  void ShowEllipsoid(const Ellipsoid& ellipsoid);
  // The offered link onto the parent chosen in cboSystem.
  void ShowOfferedLink();
  void Warn(const std::string& text);
  // Shows `text` and puts the focus into `box`, its text selected; always false.
  bool Refuse(Control& box, std::string_view text);
  void ClearBoxes();

  // The checks of OK in their order; empty after the message of the first
  // that fails.
  std::optional<Definition> ReadDefinition();
  // A collapsed name of `box`: its length, then its characters. `where`
  // names it in the message about a character that cannot be written.
  bool CheckName(const std::string& name, std::size_t maxLength, std::string_view tooLong, std::string_view where,
                 Control& box);
  // Empty after a message or the user's choice to type other values.
  std::optional<EllipsoidUse> ChooseEllipsoid(const Definition& definition);
  std::int16_t LargestEllipsoidNumberInSystems() const;
  // Adds the lines to the catalogue lists; the position of the system line.
  std::int16_t AddLines(const Definition& definition, const EllipsoidUse& ellipsoid);
  void RewriteFiles(std::int16_t ellipsoidNumber);

  AppState& state_;
  Platform& platform_;
  CatalogueHooks& catalogue_;
  std::array<Control*, kEllipsoidBoxes> txtEll_{};
  std::array<Control*, kLinkBoxes> txt1_{};
  std::array<Control*, 2> optRotation_{};
  std::optional<NewSystemOffer> offer_;
};

}  // namespace vexilor
