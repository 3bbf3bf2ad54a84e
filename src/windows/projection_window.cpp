#include "windows/projection_window.h"

#include <optional>
#include <utility>

#include "text/key_filter.h"
#include "projection/confirmed_sets.h"
#include "projection/projection_kinds.h"
#include "projection/projection_validation.h"

namespace vexilor {
namespace {

// txt1(i) is described by lbl1(kLabelOfBox[i]) with the caption kBoxCaptions[i].
// The blank runs inside two Lambert captions make the label wrap there.
constexpr std::array<int, FrmProjection::kBoxes> kLabelOfBox = {5, 0, 1, 2, 3, 4, 6, 11, 10, 9, 8, 7};
// clang-format off
constexpr std::array<const char*, FrmProjection::kBoxes> kBoxCaptions = {
    "Долгота начального меридиана национальной системы отсчета долгот относительно Гринвича",
    "Долгота осевого меридиана первой зоны,  ° ...' ...\"",
    "Ширина координатных зон, °...'...\" ",
    "Условное начало по оси \"x\", км",
    "Условное начало по оси  \"y\", км",
    "Масштаб изображения на осевом меридиане проекции, m",
    "Долгота начального меридиана национальной системы отсчета долгот относительно Гринвича",
    "Широта условного начала  в дан-           ной зоне проекции Ламберта, °...'...\" ",
    "Долгота условного начала в дан-          ной зоне проекции Ламберта, °...'...\" ",
    "Условное начало по оси \"x\", км",
    "Условное начало по оси  \"y\", км",
    "Наименьший масштаб в данной           зоне проекции Ламберта, m0",
};
// clang-format on


// The axis frames differ only by a trailing blank.
constexpr std::array<const char*, FrmProjection::kPanels> kAxisFrameCaptions = {" Ориентировка осей  CK",
                                                                               " Ориентировка осей  CK "};

std::string Indexed(const char* name, int index) { return std::string(name) + "(" + std::to_string(index) + ")"; }

}  // namespace

FrmProjection::FrmProjection(AppState& state, Platform& platform, MainWindowHooks& mainWindow)
    : Form("frmProection", "Установка типа проекциии и ее параметров"),
      cmdOK(Make(ControlKind::kButton, "cmdOK", "OK", nullptr)),
      cmdCancel(Make(ControlKind::kButton, "cmdCancel", "Отмена", nullptr)),
      state_(state),
      platform_(platform),
      mainWindow_(mainWindow) {
  AddTypeFrame();
  for (int panel = 0; panel < kPanels; ++panel) AddPanel(panel);
  SetDefaultButton(cmdOK);
  SetCancelButton(cmdCancel);
  BindHandlers();
}

Control& FrmProjection::Make(ControlKind kind, std::string name, std::string text, Control* container, int index,
                             std::string group) {
  return Add({.kind = kind,
              .name = std::move(name),
              .index = index,
              .text = std::move(text),
              .container = container,
              .group = std::move(group)});
}

void FrmProjection::AddTypeFrame() {
  fraPro_[0] = &Make(ControlKind::kFrame, "fraPro", " Тип проекции ", nullptr, 0);
  for (int type = 0; type < kTypes; ++type) {
    const auto t = static_cast<std::size_t>(type);
    const std::string caption(DescriptionOf(kProjectionKinds[t]).caption);
    optPro_[t] = &Make(ControlKind::kOption, "optPro", caption, &fraPro(0), type, Indexed("fraPro", 0));
  }
  // Design time: Gauss-Krüger, without running the type switch.
  optPro(0).SetChecked(true);
}

void FrmProjection::AddPanel(int panel) {
  // The two panels share one place: the Lambert panel waits hidden.
  fraPro_[static_cast<std::size_t>(panel + 1)] =
      &Make(ControlKind::kFrame, "fraPro", " Параметры проекции ", nullptr, panel + 1);
  AddBoxes(panel);
  AddOptionPair(panel, fraLong_, optLong_, "fraLong", " Положительное направление счета долгот ", "optLong",
                {"к востоку", "к западу"});
  AddOptionPair(panel, fraAxis_, optAxis_, "fraAxis", kAxisFrameCaptions[static_cast<std::size_t>(panel)], "optAxis",
                {"ось \"x\" вертикально", "ось \"y\" вертикально"});
  fraPro(panel + 1).SetVisible(panel == kGaussKrugerPanel);
}

void FrmProjection::AddBoxes(int panel) {
  Control* frame = &fraPro(panel + 1);
  for (int box = 0; box < kPanelBoxes; ++box) {
    const int index = panel * kPanelBoxes + box;
    const auto i = static_cast<std::size_t>(index);
    lbl1_[static_cast<std::size_t>(kLabelOfBox[i])] =
        &Make(ControlKind::kLabel, "lbl1", kBoxCaptions[i], frame, kLabelOfBox[i]);
    txt1_[i] = &Make(ControlKind::kTextBox, "txt1", "", frame, index);
  }
}

void FrmProjection::AddOptionPair(int panel, std::array<Control*, kPanels>& frames,
                                 std::array<Control*, 2 * kPanels>& options, const char* frameName,
                                 const std::string& caption, const char* optionName,
                                 const std::array<const char*, 2>& captions) {
  Control& frame = Make(ControlKind::kFrame, frameName, caption, &fraPro(panel + 1), panel);
  frames[static_cast<std::size_t>(panel)] = &frame;
  for (int k = 0; k < 2; ++k) {
    const int index = 2 * panel + k;
    options[static_cast<std::size_t>(index)] = &Make(ControlKind::kOption, optionName,
                                                     captions[static_cast<std::size_t>(k)], &frame, index,
                                                     Indexed(frameName, panel));
  }
  options[static_cast<std::size_t>(2 * panel)]->SetChecked(true);
}

void FrmProjection::BindHandlers() {
  OnActivate([this] { Form_Activate(); });
  // The close box leaves the dialog as "Отмена" does: hidden, never unloaded.
  OnQueryUnload([this](bool& cancel) {
    cancel = true;
    cmdCancel_Click();
  });
  for (int type = 0; type < kTypes; ++type) optPro(type).OnClick([this, type] { optPro_Click(type); });
  for (int k = 0; k < 2 * kPanels; ++k) optAxis(k).OnClick([this, k] { optAxis_Click(k); });
  for (int i = 0; i < kBoxes; ++i) {
    txt1(i).OnGotFocus([this, i] { txt1_GotFocus(i); });
    txt1(i).OnKeyPress([this](int& key) { txt1_KeyPress(key); });
  }
  cmdOK.OnClick([this] { cmdOK_Click(); });
  cmdCancel.OnClick([this] { cmdCancel_Click(); });
}

void FrmProjection::Preset(ProjectionKind kind) { TypeButton(kind).SetChecked(true); }

// --- Handlers ---

void FrmProjection::Form_Activate() {
  PlaceAtMainWindow();
  const Side side = EditedSide();
  // Selecting another type runs the type switch; a side not set yet shows
  // Gauss-Krüger.
  TypeButton(state_.projection.params[side].Kind()).SetChecked(true);
  ForgetSetsOfOtherSystem(state_.projection, side, SideSystemName(state_.settings, side));
  FillPanel(SelectedKind(), PanelFill::kOpening);
}

void FrmProjection::optPro_Click(int /*index*/) {
  FillPanel(SelectedKind(), PanelFill::kTypeSwitch);
  PlaceAtMainWindow();
}

void FrmProjection::optAxis_Click(int index) {
  // The false easting stays with the horizontal axis.
  const int panel = index / 2;
  Control& x = Box(panel, 3);
  Control& y = Box(panel, 4);
  std::string xText = x.Text();
  x.SetText(y.Text());
  y.SetText(std::move(xText));
}

void FrmProjection::txt1_GotFocus(int index) {
  if (!txt1(index).Text().empty()) txt1(index).SelectAll();
}

void FrmProjection::txt1_KeyPress(int& key) { key = FilterNumericKey(key, platform_.Beeper()); }

void FrmProjection::cmdOK_Click() {
  const Side side = EditedSide();
  const ProjectionKind kind = SelectedKind();
  const int panel = DescriptionOf(kind).panel;
  const std::optional<EntryFailure> failure = ValidateAndStore(kind, ReadPanel(panel), state_.projection.params[side]);
  if (failure) {
    Warn(failure->message);
    Box(panel, failure->box).SetFocus();
    return;
  }
  mainWindow_.ClearResults();
  ConfirmSet(state_.projection, kind, side, SideSystemName(state_.settings, side));
  Hide();
}

void FrmProjection::cmdCancel_Click() {
  mainWindow_.ResetTypeList(EditedSide());
  Hide();
}

// --- Helpers ---

Side FrmProjection::EditedSide() const { return state_.projection.side; }

Control& FrmProjection::TypeButton(ProjectionKind kind) const { return optPro(FactsOf(kind).code); }

ProjectionKind FrmProjection::SelectedKind() const {
  for (ProjectionKind kind : kProjectionKinds)
    if (TypeButton(kind).Checked()) return kind;
  return ProjectionKind::GaussKruger;
}

void FrmProjection::PlaceAtMainWindow() {
  const TwipsRect main = mainWindow_.WindowPosition();
  Move({main.left, main.top, Position().width, Position().height});
}

// The panels share one place in the dialog, which takes the size of the one shown.
void FrmProjection::ShowPanel(int panel) {
  fraPro(1).SetVisible(panel == kGaussKrugerPanel);
  fraPro(2).SetVisible(panel == kLambertPanel);
}

void FrmProjection::FillPanel(ProjectionKind kind, PanelFill fill) {
  const Side side = EditedSide();
  const int panel = DescriptionOf(kind).panel;
  const PanelEntry entry = PanelEntryFromSet(ConfirmedSet(state_.projection, kind, side), kind, side, fill);
  // The axis buttons go first: their click exchanges the false origins,
  // which the texts below then overwrite.
  optAxis(2 * panel + (entry.yAxisVertical ? 1 : 0)).SetChecked(true);
  for (int box = 0; box < kPanelBoxes; ++box) Box(panel, box).SetText(entry.texts[static_cast<std::size_t>(box)]);
  optLong(2 * panel + (entry.westPositive ? 1 : 0)).SetChecked(true);
  // A hidden box cannot take the focus: the panel shows first.
  ShowPanel(panel);
  Box(panel, 0).SetFocus();
}

PanelEntry FrmProjection::ReadPanel(int panel) const {
  PanelEntry entry;
  for (int box = 0; box < kPanelBoxes; ++box) entry.texts[static_cast<std::size_t>(box)] = Box(panel, box).Text();
  entry.westPositive = optLong(2 * panel + 1).Checked();
  entry.yAxisVertical = optAxis(2 * panel + 1).Checked();
  return entry;
}

void FrmProjection::Warn(const std::string& text) {
  platform_.ShowMessage({.text = text,
                         .title = std::string(kProjectionMessageTitle),
                         .buttons = MessageButtons::kOkOnly,
                         .icon = MessageIcon::kExclamation});
}

}  // namespace vexilor
