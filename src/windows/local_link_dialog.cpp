#include "windows/local_link_dialog.h"

#include <cmath>
#include <optional>
#include <utility>

#include "text/angle_text.h"
#include "text/beep.h"
#include "text/key_filter.h"
#include "text/number_reader.h"
#include "text/number_text.h"
#include "geodesy/angle_constants.h"

namespace vexilor {
namespace {

constexpr std::string_view kDialogCaption = "Параметры связи МСК с  родительской СК";
constexpr std::string_view kMessageTitle = "Параметры связи МСК с родительской СК";
constexpr std::string_view kFalseOriginXKilometres = "Условное начало по оси \"x\", км";
constexpr std::string_view kFalseOriginXMinutes = "Условное начало по оси \"x\", мин";

constexpr double kMinZoneWidth = 0.5;            // degrees
constexpr double kMaxZoneWidth = 15.0;           // degrees
constexpr double kMaxFalseOriginXMinutes = 60.0; // minutes of arc, СК63 regions
constexpr double kMaxFalseOriginXKm = 10000.0;
constexpr double kFalseOriginYKmPerDegree = 65.0;  // least y0 per degree of zone width
constexpr double kFalseOriginYLimitKm = 1000.0;

// A box's number, or nothing when its text is not a number.
std::optional<double> NumberIn(const Control& box) {
  const std::string text = box.Text();
  if (!IsNumberText(text)) return std::nullopt;
  return ReadNumber(text);
}

}  // namespace

bool IsAxialMeridianInRange(double degrees) { return std::fabs(degrees) < kDegreesPerCircle; }

double EastwardAxialMeridian(double degrees) { return degrees < 0.0 ? degrees + kDegreesPerCircle : degrees; }

bool IsZoneWidthInRange(double degrees) { return degrees >= kMinZoneWidth && degrees <= kMaxZoneWidth; }

bool IsFalseOriginXInRange(double value, bool ck63) {
  return std::fabs(value) <= (ck63 ? kMaxFalseOriginXMinutes : kMaxFalseOriginXKm);
}

bool IsFalseOriginYInRange(double kilometres, double zoneWidth) {
  return kilometres >= kFalseOriginYKmPerDegree * zoneWidth && kilometres < kFalseOriginYLimitKm;
}

FrmLocalLink::FrmLocalLink(AppState& state, Platform& platform, MainWindowHooks& mainWindow)
    : Form("frmDlg", std::string(kDialogCaption)),
      lblCaption(Make(ControlKind::kLabel, "lblCaption", "")),
      lblDlg1(Make(ControlKind::kLabel, "lblDlg1", "Долгота осевого меридиана первой зоны,  ° ...' ...\"")),
      txtDlg1(Make(ControlKind::kTextBox, "txtDlg1", "")),
      lblDlg2(Make(ControlKind::kLabel, "lblDlg2", "Ширина координатных зон, °...'...\" ")),
      txtDlg2(Make(ControlKind::kTextBox, "txtDlg2", "")),
      lblDlg3(Make(ControlKind::kLabel, "lblDlg3", std::string(kFalseOriginXKilometres))),
      txtDlg3(Make(ControlKind::kTextBox, "txtDlg3", "")),
      lblDlg4(Make(ControlKind::kLabel, "lblDlg4", "Условное начало по оси  \"y\", км")),
      txtDlg4(Make(ControlKind::kTextBox, "txtDlg4", "")),
      cmdKey(Make(ControlKind::kButton, "cmdKey", "Готово")),
      cmdCanc(Make(ControlKind::kButton, "cmdCanc", "Отмена")),
      state_(state),
      platform_(platform),
      mainWindow_(mainWindow) {
  lblCaption.SetBold(true);
  SetDefaultButton(cmdKey);
  SetCancelButton(cmdCanc);
  BindHandlers();
}

Control& FrmLocalLink::Make(ControlKind kind, std::string name, std::string text) {
  return Add({.kind = kind, .name = std::move(name), .text = std::move(text)});
}

void FrmLocalLink::BindHandlers() {
  OnLoad([this] { Form_Load(); });
  // The close box gives up as "Отмена" does; the dialog is hidden, never unloaded.
  OnQueryUnload([this](bool& cancel) {
    cancel = true;
    cmdCanc_Click();
  });
  for (Control* box : {&txtDlg1, &txtDlg2, &txtDlg3, &txtDlg4}) {
    box->OnKeyPress([this](int& key) { txtDlg_KeyPress(key); });
  }
  cmdKey.OnClick([this] { cmdKey_Click(); });
  cmdCanc.OnClick([this] { cmdCanc_Click(); });
}

// --- Handlers ---

void FrmLocalLink::Form_Load() {
  entered_ = 0;
  const TwipsRect main = mainWindow_.WindowPosition();
  Move({main.left, main.top, Position().width, Position().height});
}

void FrmLocalLink::txtDlg_KeyPress(int& key) {
  key = FilterNumericKey(key, [this] { BeepThrice(platform_.Beeper()); });
}

void FrmLocalLink::cmdKey_Click() {
  for (const Control* box : {&txtDlg1, &txtDlg2, &txtDlg3, &txtDlg4}) {
    if (box->Text().empty()) return Refuse(txtDlg1, "Не все параметры для связи систем координат введены");
  }
  const double axial = ParseAngle(txtDlg1.Text());
  if (!IsAxialMeridianInRange(axial)) {
    return Refuse(txtDlg1, "Ошибочное значение долготы осевого меридиана 1-ой зоны.");
  }
  const double width = ParseAngle(txtDlg2.Text());
  if (!IsZoneWidthInRange(width)) return Refuse(txtDlg2, "Ошибочное значение ширины координатных зон.");
  const std::optional<double> x0 = NumberIn(txtDlg3);
  if (!x0 || !IsFalseOriginXInRange(*x0, IsCk63Entry())) {
    return Refuse(txtDlg3, "Ошибочное значение условного начала по оси \"x\".");
  }
  const std::optional<double> y0 = NumberIn(txtDlg4);
  if (!y0 || !IsFalseOriginYInRange(*y0, width)) {
    return Refuse(txtDlg4, "Ошибочное значение условного начала по оси \"y\".");
  }
  state_.settings.LocalLinkValues = {EastwardAxialMeridian(axial), width, *x0, *y0};
  entered_ = 1;
  Hide();
}

void FrmLocalLink::cmdCanc_Click() {
  ClearBoxes();
  entered_ = 0;
  txtDlg1.SetFocus();
  Hide();
  mainWindow_.ResetTypeList(side_);
}

// --- Step interface and helpers ---

void FrmLocalLink::PrepareFor(Side side, std::string_view systemCode, std::string_view parentCode) {
  side_ = side;
  ClearBoxes();
  lblCaption.SetText("Параметры связи " + std::string(systemCode) + " с " + std::string(parentCode));
  lblDlg3.SetText(std::string(systemCode == kCk63Code ? kFalseOriginXMinutes : kFalseOriginXKilometres));
  txtDlg1.SetFocus();
}

bool FrmLocalLink::IsCk63Entry() const { return lblCaption.Text().find(kCk63Code) != std::string::npos; }

void FrmLocalLink::Refuse(Control& box, std::string_view text) {
  platform_.ShowMessage({.text = std::string(text),
                         .title = std::string(kMessageTitle),
                         .buttons = MessageButtons::kOkOnly,
                         .icon = MessageIcon::kExclamation});
  box.SetFocus();
}

void FrmLocalLink::ClearBoxes() {
  for (Control* box : {&txtDlg1, &txtDlg2, &txtDlg3, &txtDlg4}) box->SetText({});
}

}  // namespace vexilor
