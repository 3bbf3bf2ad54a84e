#include "windows/service_window.h"

#include <filesystem>
#include <optional>

#include "refdata/reference_messages.h"
#include "refdata/reference_path.h"
#include "refdata/route_choice.h"
#include "run/results_writer.h"
#include "service/angle_conversion.h"
#include "service/english_length.h"
#include "service/sheet_corners.h"
#include "service/sheet_nomenclature.h"
#include "service/sheet_outline.h"
#include "service/sheet_point.h"
#include "state/result_messages.h"
#include "text/angle_text.h"
#include "text/key_filter.h"
#include "text/text_edit.h"
#include "windows/load_catalogue.h"
#include "windows/service_window_panels.h"

namespace vexilor {
namespace {

using service_panels::BoxesOf;
using service_panels::PanelBoxes;

// The window opens this far below the main window's top edge, twips.
constexpr int kBelowMainWindow = 640;

// The scale of each scale button of a sheet panel, in order.
constexpr std::array<std::int32_t, FrmService::kScalesPerPanel> kScales{1000000, 500000, 200000, 100000,
                                                                        50000,   25000,  10000};

// The scale buttons' reminder that the sheet tools work in СК-42.
constexpr std::string_view kNomenclatureWarning =
    "Внимание! При определении номенклатуры полагается,\r\nчто координаты точки задаются в СК-42.";
constexpr std::string_view kFrameWarning =
    "Внимание! Определение координат рамки номенклатурного\r\nлиста выполняется в СК-42.";

constexpr std::string_view kDmsTip = "Градусы, минуты и секунды должны разделяться пробелами";
constexpr std::string_view kDegreesSourceTip = "Значния градусов, минут и секунд должны разделяться пробелами";
constexpr std::string_view kGradsSourceTip = "Значния град, сантиград и сантисантиград должны разделяться пробелами";

// The tool tip of an English length box for combination `index`: the source
// box of panel 4 asks for blanks, the result box of panel 5 has them.
std::string LengthTip(int index, bool source) {
  const std::string_view tail = source ? "должны разделяться пробелами" : "разделены пробелами";
  switch (index) {
    case 0: return "Значния ярдов, футов и дюймов " + std::string(tail);
    case 1: return "Значния ярдов и футов " + std::string(tail);
    case 3: return "Значния футов и дюймов " + std::string(tail);
    default: return "";
  }
}

// An edge of a sheet in degrees and minutes, as the edge boxes show it.
std::string EdgeText(double degrees) {
  return std::string(TrimBlanks(FormatAngle(degrees, {AngleColumns::DegMin, 2, AngleMarks::Symbols})));
}

// The catalogue lacks СК-42 or WGS-84, or the link between their bases.
constexpr std::string_view kNoOutlineRouteMessage =
    "В каталоге нет системы СК-42 или WGS-84 или связи между ними:\r\n"
    "контур листа нельзя пересчитать в WGS-84.";

// The save dialog of a sheet's outline, proposing the sheet's name without
// its hemisphere mark.
FileDialogRequest OutlineFileDialog(std::string_view sheet) {
  const std::size_t mark = sheet.find(')');
  return {.title = "Сохранить контур листа для карты",
          .filter = "Контуры GeoJSON (*.geojson)|*.geojson|Все файлы (*.*)|*.*",
          .defaultExtension = "geojson",
          .fileName = std::string(TrimBlanks(mark == std::string_view::npos ? sheet : sheet.substr(mark + 1))) +
                      ".geojson"};
}

bool IsAnglePanel(int panel) {
  return panel == FrmService::kDegreesToGradsPanel || panel == FrmService::kGradsToDegreesPanel;
}

}  // namespace

int FrmService::ShownPanel() const {
  for (int panel = 0; panel < kPanels; ++panel) {
    if (fraExecute(panel).Visible()) return panel;
  }
  return -1;
}

// --- Loading and activation ---

void FrmService::Form_Load() {
  const TwipsRect main = mainWindow_.WindowPosition();
  Move({main.left, main.top + kBelowMainWindow, Position().width, Position().height});
}

void FrmService::Form_Activate() {
  for (int k = 0; k < kExecuteButtons; ++k) cmdOK(k).SetEnabled(false);
  cmdOutline().SetEnabled(false);
}

// --- Opening a panel ---

void FrmService::OpenPanel(int panel) {
  ShowPanel(-1);
  platform_.DoEvents();
  ShowPanel(panel);
  EmptyPanel(panel);
  const PanelBoxes boxes = BoxesOf(panel);
  if (boxes.units >= 0) cboRazmAngle(boxes.units).SetListIndex(0);
  if (panel == kDegreesToGradsPanel) txtAngle(boxes.source).SetToolTip(std::string(kDegreesSourceTip));
  if (panel == kGradsToDegreesPanel) txtAngle(boxes.source).SetToolTip(std::string(kGradsSourceTip));
  if (panel == kNomenclaturePanel || panel == kFramePanel) {
    optScale(panel == kNomenclaturePanel ? 0 : kFirstFrameScale).SetChecked(true);
    if (!WarnSk42(panel)) {
      ShowPanel(-1);
      Hide();
      EmptyPanel(panel);
      return;
    }
    // Typing starts in the first box, never on a scale button that digits
    // would move.
    (panel == kNomenclaturePanel ? txtCoord(0) : txtNom1()).SetFocus();
  } else {
    (panel == kEnglishToMetricPanel ? cboRazmAngle(boxes.units) : txtAngle(boxes.source)).SetFocus();
  }
}

// Shows `panel` (-1: none) with its Execute button, disabled.
void FrmService::ShowPanel(int panel) {
  for (int p = 0; p < kPanels; ++p) fraExecute(p).SetVisible(p == panel);
  for (int k = 0; k < kExecuteButtons; ++k) cmdOK(k).SetVisible(false);
  if (panel < 0) return;
  Control& execute = cmdOK(BoxesOf(panel).execute);
  execute.SetVisible(true);
  execute.SetEnabled(false);
  SetDefaultButton(execute);  // Enter runs the tool shown once it may run
}

// Asks to remember that the sheet tools work in СК-42; false on Cancel.
bool FrmService::WarnSk42(int panel) {
  const bool nomenclature = panel == kNomenclaturePanel;
  if (nomenclature) {
    for (Control* box : {txtNom_, txtNom1_}) box->SetText("");
    for (int k = 0; k < kCoordBoxes; ++k) txtCoord(k).SetText("");
  } else {
    txtRmkXY().SetText("");
  }
  const MessageAnswer answer = platform_.ShowMessage(
      {.text = std::string(nomenclature ? kNomenclatureWarning : kFrameWarning),
       .title = std::string(nomenclature ? kNomenclatureTitle : kFrameTitle),
       .buttons = MessageButtons::kOkCancel,
       .icon = MessageIcon::kNone});
  return answer == MessageAnswer::kOkPressed;
}

void FrmService::EmptyPanel(int panel) {
  switch (panel) {
    case kNomenclaturePanel:
      for (Control* box : {&txtCoord(0), &txtCoord(1), txtNom_}) box->SetText("");
      return;
    case kFramePanel:
      txtNom1().SetText("");
      for (int k = 2; k < kCoordBoxes; ++k) txtCoord(k).SetText("");
      txtRmkXY().SetText("");
      return;
    default:
      txtAngle(BoxesOf(panel).source).SetText("");
      txtAngle(BoxesOf(panel).output).SetText("");
  }
}

// --- Enabling Execute, the option buttons and the lists ---

void FrmService::txtCoord_Change(int index) {
  if (index > 1) return;
  txtNom().SetText("");
  cmdOK(0).SetEnabled(!txtCoord(0).Text().empty() && !txtCoord(1).Text().empty());
}

void FrmService::txtNom1_Change() {
  // The edges of another name would be stale.
  for (int k = 2; k < kCoordBoxes; ++k) txtCoord(k).SetText("");
  txtRmkXY().SetText("");
  cmdOK(1).SetEnabled(!txtNom1().Text().empty());
  cmdOutline().SetEnabled(!txtNom1().Text().empty());
}

void FrmService::txtAngle_Change(int index) {
  for (int panel = kDegreesToGradsPanel; panel < kPanels; ++panel) {
    const PanelBoxes boxes = BoxesOf(panel);
    if (boxes.source != index) continue;
    txtAngle(boxes.output).SetText("");
    cmdOK(boxes.execute).SetEnabled(!txtAngle(index).Text().empty());
  }
}

void FrmService::optCoord_Click(int index) {
  if (index < 2) {
    // Texts of the other kind of point mean nothing now.
    EmptyPanel(kNomenclaturePanel);
    ShowPointKind();
    return;
  }
  // The corner block and its sketch stand where the edge boxes are.
  const bool corners = index == 3;
  for (Control* c : {txtRmkXY_, shpRamka_, linAxis_[0], linAxis_[1], lblX_, lblY_, lblName_}) c->SetVisible(corners);
  for (int k = 2; k < kCoordBoxes; ++k) {
    lblCoord(k).SetVisible(!corners);
    txtCoord(k).SetVisible(!corners);
  }
}

void FrmService::ShowPointKind() {
  const bool geodetic = optCoord(0).Checked();
  lblCoord(0).SetText(geodetic ? "Широта  B,\u00B0...'...\"" : "Абсцисса x, м");
  lblCoord(1).SetText(geodetic ? "Долгота L,\u00B0...'...\"" : "Ордината y, м");
  const std::string tip = geodetic ? std::string(kDmsTip) : "";
  for (int k = 0; k < 2; ++k) txtCoord(k).SetToolTip(tip);
}

void FrmService::optScale_Click(int index) {
  if (index < kFirstFrameScale) {
    txtNom().SetText("");
    return;
  }
  txtRmkXY().SetText("");
  for (int k = 2; k < kCoordBoxes; ++k) txtCoord(k).SetText("");
}

void FrmService::cboRazmAngle_Click(int /*index*/) {
  for (int panel = kDegreesToGradsPanel; panel < kPanels; ++panel) txtAngle(BoxesOf(panel).output).SetText("");
  txtAngle(BoxesOf(kEnglishToMetricPanel).source).SetText("");
  txtAngle(BoxesOf(kEnglishToMetricPanel).source)
      .SetToolTip(LengthTip(cboRazmAngle(BoxesOf(kEnglishToMetricPanel).units).ListIndex(), true));
  txtAngle(BoxesOf(kMetricToEnglishPanel).output)
      .SetToolTip(LengthTip(cboRazmAngle(BoxesOf(kMetricToEnglishPanel).units).ListIndex(), false));
}

// --- Focus and keys ---

void FrmService::SelectAllOf(Control& box) {
  if (!box.Text().empty()) box.SelectAll();
}

void FrmService::txtAngle_KeyPress(int& key) { key = FilterNumericKey(key, platform_.Beeper()); }

void FrmService::txtCoord_KeyPress(int& key) { key = FilterNumericKey(key, platform_.Beeper()); }

// --- Execute and close ---

void FrmService::cmdOK_Click(int index) {
  for (int panel = 0; panel < kPanels; ++panel) {
    if (BoxesOf(panel).execute != index) continue;
    if (panel == kNomenclaturePanel) {
      RunNomenclature();
    } else if (panel == kFramePanel) {
      RunFrame();
    } else {
      RunConversion(panel);
    }
  }
}

void FrmService::RunNomenclature() {
  const SheetPoint point = optCoord(0).Checked() ? ReadGeodeticPoint(txtCoord(0).Text(), txtCoord(1).Text())
                                                 : ReadPlanePoint(txtCoord(0).Text(), txtCoord(1).Text());
  if (point.refused != PointField::kNone) {
    txtNom().SetText("");
    Say(point.message, kNomenclatureTitle);
    txtCoord(point.refused == PointField::kFirst ? 0 : 1).SetFocus();
    return;
  }
  const SheetNomenclature sheet = ComputeSheetNomenclature(SelectedScale(0), point.geo.b, point.geo.l);
  txtNom().SetText(sheet.name);
  if (sheet.code == NomenclatureCode::kSuccess) return;
  Say(sheet.message, kNomenclatureTitle);
  txtCoord(sheet.code == NomenclatureCode::kLongitudeOutOfRange ? 1 : 0).SetFocus();
}

std::optional<SheetFrame> FrmService::ReadFrame() {
  const SheetFrameResult result = ComputeSheetFrame(SelectedScale(kFirstFrameScale), txtNom1().Text());
  if (result.code == FrameCode::kSuccess) return result.frame;
  Say(result.message, kFrameTitle);
  for (int k = 2; k < kCoordBoxes; ++k) txtCoord(k).SetText("");
  txtRmkXY().SetText("");
  txtNom1().SetFocus();
  return std::nullopt;
}

void FrmService::RunFrame() {
  if (const std::optional<SheetFrame> frame = ReadFrame()) ShowFrame(*frame);
}

void FrmService::cmdOutline_Click() {
  const std::optional<SheetFrame> frame = ReadFrame();
  if (!frame) return;
  const std::optional<std::vector<LatLonDegrees>> ring = OutlineRing(*frame);
  if (!ring) return;
  const std::string name(TrimBlanks(txtNom1().Text()));
  const std::string path = platform_.ChooseSaveFile(OutlineFileDialog(name));
  if (path.empty()) return;
  std::error_code ignored;
  if (std::filesystem::exists(path, ignored) &&
      platform_.ShowMessage({.text = ReplaceFileQuestion(path),
                             .title = std::string(kOutlineTitle),
                             .buttons = MessageButtons::kYesNo,
                             .icon = MessageIcon::kQuestion}) != MessageAnswer::kYes)
    return;
  WriteOutline(path, SheetOutlineGeoJson(name, SelectedScale(kFirstFrameScale), *ring));
}

std::optional<std::vector<LatLonDegrees>> FrmService::OutlineRing(const SheetFrame& frame) {
  if (!LoadCatalogue(state_, platform_)) return std::nullopt;
  const CatalogueState& c = state_.catalogue;
  PointRoute route;
  const RouteChoice choice = ChooseGeodeticRoute(c.systems, c.ellipsoids, "CK42", "WGS84", route);
  if (choice.error != RouteError::kNone) {
    Say(choice.error == RouteError::kSystemDamaged
            ? ChoiceErrorMessage(choice.outcome, ReferenceFilePath(state_.catalogueFolder, kSystemsFileName),
                                 ReferenceFilePath(state_.catalogueFolder, kEllipsoidsFileName))
            : std::string(kNoOutlineRouteMessage),
        kOutlineTitle, MessageIcon::kExclamation);
    return std::nullopt;
  }
  std::vector<LatLonDegrees> ring;
  if (const ResultCode code = SheetOutline(frame, route, ring); code != kOk) {
    Say(RunResultMessage(code, {}), kOutlineTitle, MessageIcon::kExclamation);
    return std::nullopt;
  }
  return ring;
}

void FrmService::WriteOutline(const std::string& path, const std::string& json) {
  if (WriteWholeFile(path, json)) {
    Say("Контур листа записан в файл\r\n" + path + ".", kOutlineTitle, MessageIcon::kInformation);
  } else {
    Say("Ошибка записи файла\r\n" + path + ".", kOutlineTitle, MessageIcon::kExclamation);
  }
}

void FrmService::ShowFrame(const SheetFrame& f) {
  if (optCoord(2).Checked()) {
    const std::array<double, 4> edges{f.north, f.south, f.west, f.east};
    for (int k = 2; k < kCoordBoxes; ++k) txtCoord(k).SetText(EdgeText(edges[static_cast<std::size_t>(k - 2)]));
    return;
  }
  // Empty when a corner cannot be projected: no stale numbers.
  txtRmkXY().SetText(Sk42SheetCornerText(f, "\r\n"));
}

void FrmService::RunConversion(int panel) {
  const PanelBoxes boxes = BoxesOf(panel);
  Control& source = txtAngle(boxes.source);
  const int unit = cboRazmAngle(boxes.units).ListIndex();
  std::optional<std::string> text;
  switch (panel) {
    case kDegreesToGradsPanel: text = ConvertDegreesToGrads(source.Text(), unit); break;
    case kGradsToDegreesPanel: text = ConvertGradsToDegrees(source.Text(), unit); break;
    case kEnglishToMetricPanel: text = ConvertEnglishToMetres(source.Text(), unit); break;
    default: text = ConvertMetresToEnglish(source.Text(), unit); break;
  }
  if (text) {
    txtAngle(boxes.output).SetText(*text);
    // Ready for the next length: the source box, its text selected on focus.
    if (!IsAnglePanel(panel)) source.SetFocus();
    return;
  }
  if (IsAnglePanel(panel)) {
    Say(kBadAngleMessage, panel == kDegreesToGradsPanel ? kDegreesToGradsTitle : kGradsToDegreesTitle);
  } else {
    Say(kBadLengthMessage, panel == kEnglishToMetricPanel ? kEnglishToMetricTitle : kMetricToEnglishTitle,
        MessageIcon::kExclamation);
    source.SetText("");
  }
  source.SetFocus();
}

void FrmService::cmdClose_Click() {
  ShowPanel(-1);
  txtNom().SetText("");
  for (int k = 0; k < kCoordBoxes; ++k) txtCoord(k).SetText("");
  for (int k = 0; k < kAngleBoxes; ++k) txtAngle(k).SetText("");
  Hide();
}

// --- Helpers ---

std::int32_t FrmService::SelectedScale(int first) const {
  for (std::size_t k = 0; k < kScales.size(); ++k) {
    if (optScale(first + static_cast<int>(k)).Checked()) return kScales[k];
  }
  return kScales[0];
}

void FrmService::Say(std::string_view text, std::string_view title, MessageIcon icon) {
  platform_.ShowMessage({.text = std::string(text),
                         .title = std::string(title),
                         .buttons = MessageButtons::kOkOnly,
                         .icon = icon});
}

}  // namespace vexilor
