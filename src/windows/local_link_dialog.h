#pragma once
// The keyboard entry of a local system's four link values, frmDlg: the
// longitude of the first zone's axial meridian, the zone width and the false
// origins along x and y of a local system (MCK42, MCK95) or of a region of
// the 1963 system (СК63). "Готово" checks them, keeps them in the shared
// link values and sets the entered flag; "Отмена" gives up.
//
// The four values live in TransformSettings::LocalLinkValues (positions
// below), the entered flag in the dialog; both are read by the local-system
// step that shows the dialog.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "form/form.h"
#include "form/platform.h"
#include "state/app_state.h"
#include "windows/main_window_hooks.h"
#include "projection/projection_record.h"

namespace vexilor {

// Positions of the four link values in TransformSettings::LocalLinkValues.
inline constexpr std::size_t kLinkAxialMeridian = 0;  // degrees
inline constexpr std::size_t kLinkZoneWidth = 1;      // degrees
inline constexpr std::size_t kLinkFalseOriginX = 2;   // kilometres; minutes of arc for a СК63 region
inline constexpr std::size_t kLinkFalseOriginY = 3;   // kilometres

// Code of the 1963 system, whose false origin along x is counted in minutes
// of arc instead of kilometres.
inline constexpr std::string_view kCk63Code = "CK63";

// --- Accepted ranges of the link values, common to keys.dat and the dialog ---
// Axial meridian of zone 1 as entered: magnitude below 360°.
bool IsAxialMeridianInRange(double degrees);
// A negative axial meridian counted eastwards: 360° added.
double EastwardAxialMeridian(double degrees);
// Zone width from 0.5° to 15° inclusive.
bool IsZoneWidthInRange(double degrees);
// False origin along x: magnitude at most 60 minutes of arc for a СК63
// region, at most 10000 km otherwise.
bool IsFalseOriginXInRange(double value, bool ck63);
// False origin along y: at least 65 km per degree of zone width, which keeps
// the ordinates of the zone's western edge positive, and below 1000 km.
bool IsFalseOriginYInRange(double kilometres, double zoneWidth);

class FrmLocalLink : public Form {
 public:
  FrmLocalLink(AppState& state, Platform& platform, MainWindowHooks& mainWindow);

  // --- Controls ---
  Control& lblCaption;
  Control& lblDlg1;
  Control& txtDlg1;
  Control& lblDlg2;
  Control& txtDlg2;
  Control& lblDlg3;
  Control& txtDlg3;
  Control& lblDlg4;
  Control& txtDlg4;
  Control& cmdKey;
  Control& cmdCanc;

  // --- Handlers ---
  void Form_Load();
  void txtDlg_KeyPress(int& key);  // all four boxes
  void cmdKey_Click();
  void cmdCanc_Click();

  // Readies the dialog for one entry of `side`: empty boxes, the caption
  // naming the system and its parent, the unit of x0.
  void PrepareFor(Side side, std::string_view systemCode, std::string_view parentCode);

  // The entered flag: set by "Готово" once all four values passed.
  bool Entered() const { return entered_ != 0; }
  void ClearEntered() { entered_ = 0; }

 private:
  Control& Make(ControlKind kind, std::string name, std::string text);
  void BindHandlers();
  bool IsCk63Entry() const;
  void Refuse(Control& box, std::string_view text);
  void ClearBoxes();

  AppState& state_;
  Platform& platform_;
  MainWindowHooks& mainWindow_;
  Side side_ = Side::Source;
  std::int16_t entered_ = 0;
};

}  // namespace vexilor
