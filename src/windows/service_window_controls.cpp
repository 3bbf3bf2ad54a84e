// The controls of frmService: menus, the six panels with their frames,
// boxes, lists and labels, the sketch of a sheet frame, and the binding of
// the handlers.

#include <span>
#include <utility>
#include <vector>

#include "service/angle_conversion.h"
#include "service/english_length.h"
#include "windows/service_window.h"
#include "windows/service_window_panels.h"

namespace vexilor {
namespace {

using service_panels::BoxesOf;
using service_panels::PanelBoxes;

constexpr std::array<std::string_view, FrmService::kPanels> kPanelCaptions{
    " Определить номенклатуру по координатам точки ",
    " Определить координаты рамки номенклатурного листа ",
    " Перевод углов из градусов в грады ",
    " Перевод углов из град в градусы ",
    " Перевод расстояний из английской меры длин в метрическую ",
    " Перевод расстояний из метрической меры длин в английскую ",
};

constexpr std::array<std::string_view, FrmService::kScalesPerPanel> kScaleCaptions{
    "1 : 1 000 000", "1 : 500 000", "1 : 200 000", "1 : 100 000", "1 : 50 000", "1 : 25 000", "1 : 10 000"};

// Captions of the source and result frames of panels 2 to 5; the trailing
// blanks differ as they always have.
constexpr std::array<std::string_view, FrmService::kPanels> kSourceFrameCaptions{
    "", "", " Исходный угол ", " Исходный угол ", " Исходное расстояние", " Исходное расстояние"};
constexpr std::array<std::string_view, FrmService::kPanels> kResultFrameCaptions{
    "", "", " Преобразованный угол ", " Преобразованный угол ", " Преобразованное расстояние ",
    " Преобразованное расстояние"};

// The label of txtAngle(index).
constexpr std::array<std::string_view, FrmService::kAngleBoxes> kAngleLabels{
    "Значение угла   \u00B0 ...' ...\"",
    "Значение угла ",
    "Значение угла   g ... c ... cc",
    "Значение угла ",
    "Значение исходного расстояния",
    "Значение преобразованного расстояния, м",
    "Значение преобразованного расстояния",
    "Значение исходного расстояния, м",
};

// The label of cboRazmAngle(index) and its entries.
constexpr std::array<std::string_view, FrmService::kUnitLists> kUnitLabels{
    "Выбор размерности преобразованного угла", "Выбор размерности преобразованного угла",
    "Выбор размерности исходного расстояния", "Выбор размерности преобразованного расстояния"};

std::vector<std::string> Items(std::span<const std::string_view> names) { return {names.begin(), names.end()}; }

std::vector<std::string> UnitItems(int list) {
  switch (list) {
    case 0: return Items(kDegreesUnitNames);
    case 1: return Items(kGradsUnitNames);
    default: return Items(kEnglishUnitNames);
  }
}

}  // namespace

FrmService::FrmService(AppState& state, Platform& platform, MainWindowHooks& mainWindow)
    : Form("frmService", std::string(kServiceCaption)),
      mnuAngle(MakeMenu("mnuAngle", "&Углы", nullptr)),
      mnuGradGradus(MakeMenu("mnuGradGradus", "Грады --> градусы", &mnuAngle)),
      mnuGradusGrad(MakeMenu("mnuGradusGrad", "Градусы --> грады", &mnuAngle)),
      mnuLines(MakeMenu("mnuLines", "&Расстояния", nullptr)),
      mnuAnglMetric(MakeMenu("mnuAnglMetric", "Из английской меры длин в метрическую", &mnuLines)),
      mnuMetricAngl(MakeMenu("mnuMetricAngl", "Из метрической меры длин в английскую", &mnuLines)),
      mnuNomencl(MakeMenu("mnuNomencl", "&Номенклатуры", nullptr)),
      mnuNameNom(MakeMenu("mnuNameNom", "Определить номенклатуру", &mnuNomencl)),
      mnuRamka(MakeMenu("mnuRamka", "Определить координаты рамки", &mnuNomencl)),
      cmdClose(Make(ControlKind::kButton, "cmdClose", "Закрыть", nullptr)),
      state_(state),
      platform_(platform),
      mainWindow_(mainWindow) {
  AddPanels();
  SetCancelButton(cmdClose);  // Escape closes as «Закрыть» does
  BindHandlers();
}

Control& FrmService::Make(ControlKind kind, std::string name, std::string_view text, Control* container, int index,
                          std::string group) {
  return Add({.kind = kind,
              .name = std::move(name),
              .index = index,
              .text = std::string(text),
              .container = container,
              .group = std::move(group)});
}

Control& FrmService::MakeMenu(std::string name, std::string_view caption, Control* parent) {
  return Add({.kind = ControlKind::kMenu, .name = std::move(name), .text = std::string(caption), .container = parent});
}

void FrmService::AddPanels() {
  for (int panel = 0; panel < kPanels; ++panel) {
    fraExecute_[static_cast<std::size_t>(panel)] =
        &Make(ControlKind::kFrame, "fraExecute", kPanelCaptions[static_cast<std::size_t>(panel)], nullptr, panel);
    fraExecute(panel).SetVisible(false);
  }
  for (int k = 0; k < kExecuteButtons; ++k) {
    cmdOK_[static_cast<std::size_t>(k)] = &Make(ControlKind::kButton, "cmdOK", "Выполнить", nullptr, k);
    cmdOK(k).SetVisible(false);
  }
  AddNomenclaturePanel();
  AddFramePanel();
  for (int panel = kDegreesToGradsPanel; panel < kPanels; ++panel) AddConversionPanel(panel);
  // The buttons were made before the panels' boxes; Tab reaches them last.
  for (Control* button : cmdOK_) button->SetTabIndex(static_cast<int>(ControlCount()));
  cmdClose.SetTabIndex(static_cast<int>(ControlCount()));
}

void FrmService::AddNomenclaturePanel() {
  Control& panel = fraExecute(kNomenclaturePanel);
  fraCoord_ = &Make(ControlKind::kFrame, "fraCoord", " Координаты точки ", &panel);
  optCoord_[0] = &Make(ControlKind::kOption, "optCoord", "Геодезические B, L", fraCoord_, 0, "fraCoord");
  optCoord_[1] = &Make(ControlKind::kOption, "optCoord", "Плоские x, y", fraCoord_, 1, "fraCoord");
  optCoord(0).SetChecked(true);
  for (int k = 0; k < 2; ++k) {
    const std::size_t i = static_cast<std::size_t>(k);
    lblCoord_[i] = &Make(ControlKind::kLabel, "lblCoord", "", fraCoord_, k);
    txtCoord_[i] = &Make(ControlKind::kTextBox, "txtCoord", "", fraCoord_, k);
  }
  ShowPointKind();
  // The name under the point, then the scale column beside both.
  fraRes_ = &Make(ControlKind::kFrame, "fraRes", " Номенклатура ", &panel);
  txtNom_ = &Add({.kind = ControlKind::kTextBox, .name = "txtNom", .container = fraRes_, .fixedPitch = true});
  txtNom().SetReadOnly(true);
  fraScale_ = &Make(ControlKind::kFrame, "fraScale", " Масштаб ", &panel);
  AddScaleButtons(*fraScale_, 0);
}

void FrmService::AddFramePanel() {
  Control& panel = fraExecute(kFramePanel);
  frame2_ = &Make(ControlKind::kFrame, "Frame2", " Номенклатура ", &panel);
  txtNom1_ = &Add({.kind = ControlKind::kTextBox,
                   .name = "txtNom1",
                   .container = frame2_,
                   .toolTip = "Номенклатура должна содержать признак полушария (N) или (S)",
                   .fixedPitch = true});
  cmdOutline_ = &Add({.kind = ControlKind::kButton,
                      .name = "cmdOutline",
                      .text = "Контур для карты...",
                      .container = frame2_,
                      .toolTip = "Записать контур листа в WGS-84 в файл GeoJSON, чтобы наложить его на веб-карту"});
  cmdOutline().SetEnabled(false);
  frame1_ = &Make(ControlKind::kFrame, "Frame1", " Масштаб ", &panel);
  AddScaleButtons(*frame1_, kFirstFrameScale);
  fraBound_ = &Make(ControlKind::kFrame, "fraBound", " Координаты границ ", &panel);
  optCoord_[2] = &Make(ControlKind::kOption, "optCoord", "Геодезические B, L", fraBound_, 2, "fraBound");
  optCoord_[3] = &Make(ControlKind::kOption, "optCoord", "Плоские x, y", fraBound_, 3, "fraBound");
  optCoord(2).SetChecked(true);
  constexpr std::array<std::string_view, 4> kEdgeLabels{"Север", "Юг", "Запад", "Восток"};
  for (int k = 2; k < kCoordBoxes; ++k) {
    const std::size_t i = static_cast<std::size_t>(k);
    lblCoord_[i] = &Make(ControlKind::kLabel, "lblCoord", kEdgeLabels[i - 2], fraBound_, k);
    txtCoord_[i] = &Make(ControlKind::kTextBox, "txtCoord", "", fraBound_, k);
    txtCoord(k).SetReadOnly(true);
  }
  txtRmkXY_ = &Add({.kind = ControlKind::kTextBox,
                    .name = "txtRmkXY",
                    .container = fraBound_,
                    .multiLine = true,
                    .fixedPitch = true});
  txtRmkXY().SetReadOnly(true);
  AddSketch(*fraBound_);
  // Geodetic edges at first: the corner block and the sketch wait hidden.
  for (Control* c : {txtRmkXY_, shpRamka_, linAxis_[0], linAxis_[1], lblX_, lblY_, lblName_}) c->SetVisible(false);
}

void FrmService::AddSketch(Control& frame) {
  lblName_ = &Make(ControlKind::kLabel, "lblName", "Углы рамки", &frame);
  shpRamka_ = &Make(ControlKind::kShape, "shpRamka", "", &frame);
  linAxis_[0] = &Make(ControlKind::kLine, "linAxis", "", &frame, 0);
  linAxis_[1] = &Make(ControlKind::kLine, "linAxis", "", &frame, 1);
  lblX_ = &Make(ControlKind::kLabel, "lblX", "X", &frame);
  lblY_ = &Make(ControlKind::kLabel, "lblY", "Y", &frame);
}

void FrmService::AddScaleButtons(Control& frame, int first) {
  for (std::size_t k = 0; k < kScaleCaptions.size(); ++k) {
    const int index = first + static_cast<int>(k);
    optScale_[static_cast<std::size_t>(index)] =
        &Make(ControlKind::kOption, "optScale", kScaleCaptions[k], &frame, index, frame.Name());
  }
}

void FrmService::AddConversionPanel(int panel) {
  const PanelBoxes boxes = BoxesOf(panel);
  Control& frame = fraExecute(panel);
  const auto p = static_cast<std::size_t>(panel);
  // Panel 4 chooses the units of its source; the others, of their result.
  const bool unitsInSource = panel == kEnglishToMetricPanel;
  fraIsx_[p] = &Make(ControlKind::kFrame, "fraIsx", kSourceFrameCaptions[p], &frame, panel);
  fraPreob_[p] = &Make(ControlKind::kFrame, "fraPreob", kResultFrameCaptions[p], &frame, panel);
  if (unitsInSource) {
    AddUnitRow(fraIsx(panel), boxes.units);
    AddAngleRow(fraIsx(panel), boxes.source, false);
    AddAngleRow(fraPreob(panel), boxes.output, true);
  } else {
    AddAngleRow(fraIsx(panel), boxes.source, false);
    AddUnitRow(fraPreob(panel), boxes.units);
    AddAngleRow(fraPreob(panel), boxes.output, true);
  }
}

void FrmService::AddUnitRow(Control& frame, int list) {
  const auto i = static_cast<std::size_t>(list);
  lblRazm_[i] = &Make(ControlKind::kLabel, "lblRazm", kUnitLabels[i], &frame, list);
  cboRazmAngle_[i] = &Make(ControlKind::kCombo, "cboRazmAngle", "", &frame, list);
  cboRazmAngle(list).SetItems(UnitItems(list));
}

void FrmService::AddAngleRow(Control& frame, int box, bool output) {
  const auto i = static_cast<std::size_t>(box);
  lblAngle_[i] = &Make(ControlKind::kLabel, "lblAngle", kAngleLabels[i], &frame, box);
  txtAngle_[i] = &Make(ControlKind::kTextBox, "txtAngle", "", &frame, box);
  txtAngle(box).SetReadOnly(output);
}

void FrmService::BindHandlers() {
  OnLoad([this] { Form_Load(); });
  OnActivate([this] { Form_Activate(); });
  // The close box closes as "Закрыть" does: the window hides, never unloads.
  OnQueryUnload([this](bool& cancel) {
    cancel = true;
    cmdClose_Click();
  });
  mnuNameNom.OnClick([this] { mnuNameNom_Click(); });
  mnuRamka.OnClick([this] { mnuRamka_Click(); });
  mnuGradusGrad.OnClick([this] { mnuGradusGrad_Click(); });
  mnuGradGradus.OnClick([this] { mnuGradGradus_Click(); });
  mnuAnglMetric.OnClick([this] { mnuAnglMetric_Click(); });
  mnuMetricAngl.OnClick([this] { mnuMetricAngl_Click(); });
  for (int k = 0; k < kExecuteButtons; ++k) cmdOK(k).OnClick([this, k] { cmdOK_Click(k); });
  cmdClose.OnClick([this] { cmdClose_Click(); });
  cmdOutline().OnClick([this] { cmdOutline_Click(); });
  for (int k = 0; k < kCoordOptions; ++k) optCoord(k).OnClick([this, k] { optCoord_Click(k); });
  for (int k = 0; k < kScaleButtons; ++k) optScale(k).OnClick([this, k] { optScale_Click(k); });
  for (int k = 0; k < kUnitLists; ++k) cboRazmAngle(k).OnClick([this, k] { cboRazmAngle_Click(k); });
  for (int k = 0; k < kAngleBoxes; ++k) {
    txtAngle(k).OnChange([this, k] { txtAngle_Change(k); });
    txtAngle(k).OnGotFocus([this, k] { txtAngle_GotFocus(k); });
    txtAngle(k).OnKeyPress([this](int& key) { txtAngle_KeyPress(key); });
  }
  for (int k = 0; k < kCoordBoxes; ++k) {
    txtCoord(k).OnChange([this, k] { txtCoord_Change(k); });
    txtCoord(k).OnGotFocus([this, k] { txtCoord_GotFocus(k); });
    txtCoord(k).OnKeyPress([this](int& key) { txtCoord_KeyPress(key); });
  }
  txtNom1().OnChange([this] { txtNom1_Change(); });
  txtNom1().OnGotFocus([this] { txtNom1_GotFocus(); });
}

}  // namespace vexilor
