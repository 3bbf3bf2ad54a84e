#include "windows/main_window.h"

#include <cctype>
#include <fstream>
#include <system_error>

#include "projection/projection_kinds.h"
#include "windows/execute.h"
#include "windows/reset_settings.h"
#include "windows/start_up.h"
#include "text/key_filter.h"
#include "text/search_path.h"
#include "windows/local_link_params.h"
#include "windows/load_catalogue.h"

namespace vexilor {
namespace {

const std::string& kTypeBlh = kTypeNames[0];
const std::string& kTypeXyz = kTypeNames[1];
const std::string& kTypePlane = kTypeNames[2];

bool IsLocalSystem(const std::string& name) {
  return name == kCk63Name || name == kMck42Name || name == kMck95Name;
}

std::int16_t TypeIndex(const std::string& type) {
  for (std::size_t i = 0; i < kTypeNames.size(); ++i) {
    if (kTypeNames[i] == type) return static_cast<std::int16_t>(i);
  }
  return 0;
}

template <std::size_t N>
std::vector<std::string> Items(const std::array<std::string, N>& names) {
  return {names.begin(), names.end()};
}

// Lower case, then a capital at the start of every blank-separated word.
// Letters outside ASCII keep their case.
std::string ProperCasePath(const std::string& path) {
  std::string text = path;
  bool wordStart = true;
  for (char& c : text) {
    const auto u = static_cast<unsigned char>(c);
    c = static_cast<char>(wordStart ? std::toupper(u) : std::tolower(u));
    wordStart = std::isspace(u) != 0;
  }
  return text;
}

// Input labels of the source side and result labels of the target side.
struct AxisLabels {
  const char* first;
  const char* second;
  const char* third;
};

AxisLabels LabelsOf(const std::string& type) {
  if (type == kTypeXyz) return {"Абсцисса X, м", "Ордината Y, м", "Аппликата Z, м"};
  if (type == kTypePlane) return {"Абсцисса x, м", "Ордината y, м", "Высота   H, м"};
  return {"Широта  B, ° ...' ...\"", "Долгота L, ° ...' ...\"", "Высота  H, м"};
}

}  // namespace

FileDialogRequest SourceFileDialog(const std::string& folder) {
  return {.title = "Выбрать файл для ввода исходных данных",
          .filter = "Файлы исходных координат (*.in;*.csv)|*.in;*.csv|Файлы исходных координат (*.in)|*.in|"
                    "Таблицы CSV (*.csv)|*.csv|Все файлы (*.*)|*.*",
          .defaultExtension = "in",
          .initialFolder = folder,
          .fileMustExist = true};
}

FileDialogRequest ResultsFileDialog(const std::string& folder, bool fileMode) {
  const std::string kinds = fileMode ? "|Таблицы CSV (*.csv)|*.csv|Точки GeoJSON для карт (*.geojson)|*.geojson|"
                                       "Путевые точки GPX (*.gpx)|*.gpx"
                                     : "";
  return {.title = "Выбрать файл для сохранения результатов",
          .filter = "Файлы результатов(*.out)|*.out" + kinds + "|Все файлы (*.*)|*.*",
          .defaultExtension = "out",
          .initialFolder = folder};
}

FileDialogRequest GridFileDialog() {
  return {.title = "Выбрать имя файла - матрицы ВКГ",
          .filter = "Файлы - матрицы ВКГ (*.mat)|*.mat|Все файлы (*.*)|*.*",
          .defaultExtension = "mat"};
}

MessageAnswer Say(Platform& platform, const std::string& text, MessageIcon icon, MessageButtons buttons) {
  return platform.ShowMessage({.text = text, .title = kMainCaption, .buttons = buttons, .icon = icon});
}

bool CanOpenForReading(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return static_cast<bool>(in);
}

Control& FrmMain::Make(ControlKind kind, std::string name, std::string text, Control* container,
                            std::string toolTip) {
  std::string group = kind == ControlKind::kOption && container != nullptr ? container->Name() : std::string();
  return Add({.kind = kind,
              .name = std::move(name),
              .text = std::move(text),
              .container = container,
              .group = std::move(group),
              .toolTip = std::move(toolTip)});
}

FrmMain::FrmMain(AppState& state, Platform& platform)
    : Form("frmSettinngs", kMainCaption),
      Frame1(Make(ControlKind::kFrame, "Frame1", " Исходная система координат ", nullptr)),
      cmdIsx(Make(ControlKind::kButton, "cmdIsx", "Выбрать", &Frame1)),
      cmdParProIn(Make(ControlKind::kButton, "cmdParProIn", "Проекция", &Frame1,
                       "Установить тип проекции и ее параметры для исходных координат")),
      lbl2(Make(ControlKind::kLabel, "lbl2", "Тип  координат", &Frame1)),
      cboTypeIsx(Make(ControlKind::kCombo, "cboTypeIsx", "", &Frame1)),
      lblIn(Make(ControlKind::kLabel, "lblIn", "", &Frame1)),
      Frame2(Make(ControlKind::kFrame, "Frame2", " Система координат преобразования ", nullptr)),
      cmdOut(Make(ControlKind::kButton, "cmdOut", "Выбрать", &Frame2)),
      cmdParProOut(Make(ControlKind::kButton, "cmdParProOut", "Проекция", &Frame2,
                        "Установить тип проекции и ее параметры для преобразованных координат")),
      lbl4(Make(ControlKind::kLabel, "lbl4", "Тип  координат", &Frame2)),
      cboTypeOut(Make(ControlKind::kCombo, "cboTypeOut", "", &Frame2)),
      lblOut(Make(ControlKind::kLabel, "lblOut", "", &Frame2)),
      fraSet(Make(ControlKind::kFrame, "fraSet", " Установки ", nullptr)),
      fraInput(Make(ControlKind::kFrame, "fraInput", " Ввод данных ", &fraSet)),
      optInScreen(Make(ControlKind::kOption, "optInScreen", "С клавиатуры", &fraInput)),
      optInFile(Make(ControlKind::kOption, "optInFile", "Из файла", &fraInput)),
      fraHei(Make(ControlKind::kFrame, "fraHei", " Выбор системы высот ", &fraSet)),
      optNormal(Make(ControlKind::kOption, "optNormal", "Нормальные", &fraHei)),
      optGeodesy(Make(ControlKind::kOption, "optGeodesy", "Геодезические", &fraHei)),
      lblWar(Make(ControlKind::kLabel, "lblWar", "", &fraHei)),
      fraRes(Make(ControlKind::kFrame, "fraRes", " Вывод данных ", &fraSet)),
      chkScreen(Make(ControlKind::kCheck, "chkScreen", "На экран", &fraRes)),
      chkFile(Make(ControlKind::kCheck, "chkFile", "В файл", &fraRes)),
      fraGeoid(Make(ControlKind::kFrame, "fraGeoid", " Файл высот квазигеоида ", &fraSet)),
      txtFlGeoid(MakePathBox("txtFlGeoid", fraGeoid)),
      cmdNewGeoid(Make(ControlKind::kButton, "cmdNewGeoid", "...", &fraGeoid,
                       "Открыть другой файл высот квазигеоида")),
      chkGeoid(Make(ControlKind::kCheck, "chkGeoid", "Вычислять высоты квазигеоида", &fraGeoid)),
      fr03(Make(ControlKind::kFrame, "fr03", " Ввод исходных координат ", nullptr)),
      lbl5(Make(ControlKind::kLabel, "lbl5", "", &fr03)),
      txtLat_In(Make(ControlKind::kTextBox, "txtLat_In", "", &fr03)),
      lbl6(Make(ControlKind::kLabel, "lbl6", "", &fr03)),
      txtLon_In(Make(ControlKind::kTextBox, "txtLon_In", "", &fr03)),
      lbl7(Make(ControlKind::kLabel, "lbl7", "", &fr03)),
      txtHei_In(Make(ControlKind::kTextBox, "txtHei_In", "", &fr03)),
      cmdSbros(Make(ControlKind::kButton, "cmdSbros", "Сброс", &fr03, "Очистить окна ввода исходных данных")),
      fraResult(Make(ControlKind::kFrame, "fraResult", " Результаты преобразования ", nullptr)),
      lbl9(Make(ControlKind::kLabel, "lbl9", "", &fraResult)),
      txtLat_Out(Make(ControlKind::kTextBox, "txtLat_Out", "", &fraResult)),
      lbl10(Make(ControlKind::kLabel, "lbl10", "", &fraResult)),
      txtLon_Out(Make(ControlKind::kTextBox, "txtLon_Out", "", &fraResult)),
      lbl11(Make(ControlKind::kLabel, "lbl11", "Высота, м", &fraResult)),
      txtHei_Out(Make(ControlKind::kTextBox, "txtHei_Out", "", &fraResult)),
      lbl12(Make(ControlKind::kLabel, "lbl12", "Высота квазигеоида, м", &fraResult)),
      txtGeoid(Make(ControlKind::kTextBox, "txtGeoid", "", &fraResult)),
      fraFile(Make(ControlKind::kFrame, "fraFile", " Файл исходных координат ", nullptr)),
      txtFile(MakePathBox("txtFile", fraFile)),
      lblRazm1(Make(ControlKind::kLabel, "lblRazm1", "", &fraFile)),
      cboInFl(Make(ControlKind::kCombo, "cboInFl", "", &fraFile)),
      lblRazm2(Make(ControlKind::kLabel, "lblRazm2", "", &fraFile)),
      cboInFl2(Make(ControlKind::kCombo, "cboInFl2", "", &fraFile)),
      chkKeepGoing(Make(ControlKind::kCheck, "chkKeepGoing", "Пропускать ошибочные строки", &fraFile,
                        "Строки, которые не удается прочитать или преобразовать, пропускаются, "
                        "а их список выводится в конце")),
      fraOutFl(Make(ControlKind::kFrame, "fraOutFl", "Файл преобразованных координат", nullptr)),
      txtOutFl(MakePathBox("txtOutFl", fraOutFl)),
      lblRazm3(Make(ControlKind::kLabel, "lblRazm3", "", &fraOutFl)),
      cboOutFl1(Make(ControlKind::kCombo, "cboOutFl1", "", &fraOutFl)),
      lblRazm4(Make(ControlKind::kLabel, "lblRazm4", "", &fraOutFl)),
      cboOutFl2(Make(ControlKind::kCombo, "cboOutFl2", "", &fraOutFl)),
      cmdNewSet(Make(ControlKind::kButton, "cmdNewSet", "Новые установки", nullptr)),
      cmdOK(Make(ControlKind::kButton, "cmdOK", "Выполнить", nullptr)),
      cmdCancel(Make(ControlKind::kButton, "cmdCancel", "Выход", nullptr)),
      txtToolIn(Make(ControlKind::kTextBox, "txtToolIn", "", nullptr)),
      txtToolOut(Make(ControlKind::kTextBox, "txtToolOut", "", nullptr)),
      mnuServis(Make(ControlKind::kMenu, "mnuServis", "&Сервис", nullptr)),
      mnuHelp(Make(ControlKind::kMenu, "mnuHelp", "С&правка", nullptr)),
      state_(state),
      platform_(platform),
      national_(LoadCatalogue),
      runtimeFinder_(IsRuntimeFilePresent),
      dataFinder_(IsOnSearchPath) {
  optInScreen.SetChecked(true);
  for (Control* hidden : {&fraFile, &fraOutFl, &txtGeoid, &lbl12, &lblWar, &txtToolIn, &txtToolOut}) {
    hidden->SetVisible(false);
  }
  for (Control* off : {&cmdOK, &cmdSbros, &cmdParProIn, &cmdParProOut}) off->SetEnabled(false);
  SetDefaultButton(cmdOK);  // Enter runs "Выполнить" once it is enabled
  BindHandlers();
}

Control& FrmMain::MakePathBox(std::string name, Control& frame) {
  Control& box = Add({.kind = ControlKind::kTextBox, .name = std::move(name), .container = &frame, .fitted = true});
  box.SetReadOnly(true);
  return box;
}

void FrmMain::BindHandlers() {
  cmdIsx.OnClick([this] { cmdIsx_Click(); });
  cmdOut.OnClick([this] { cmdOut_Click(); });
  cboTypeIsx.OnClick([this] { cboTypeIsx_Click(); });
  cboTypeOut.OnClick([this] { cboTypeOut_Click(); });
  cmdParProIn.OnClick([this] { cmdParProIn_Click(); });
  cmdParProOut.OnClick([this] { cmdParProOut_Click(); });
  cboInFl.OnClick([this] { cboInFl_Click(); });
  cboInFl2.OnClick([this] { cboInFl2_Click(); });
  cboOutFl1.OnClick([this] { cboOutFl1_Click(); });
  cboOutFl2.OnClick([this] { cboOutFl2_Click(); });
  optInScreen.OnClick([this] { optInScreen_Click(); });
  optInFile.OnClick([this] { optInFile_Click(); });
  chkScreen.OnClick([this] { chkScreen_Click(); });
  chkFile.OnClick([this] { chkFile_Click(); });
  optNormal.OnClick([this] { optNormal_Click(); });
  optGeodesy.OnClick([this] { optGeodesy_Click(); });
  chkGeoid.OnClick([this] { chkGeoid_Click(); });
  cmdNewGeoid.OnClick([this] { cmdNewGeoid_Click(); });
  for (Control* box : {&txtLat_In, &txtLon_In, &txtHei_In}) {
    box->OnChange([this] { TypedPoint_Change(); });
    box->OnKeyPress([this](int& key) { TypedPoint_KeyPress(key); });
  }
  cmdSbros.OnClick([this] { cmdSbros_Click(); });
  cmdOK.OnClick([this] { cmdOK_Click(); });
  cmdNewSet.OnClick([this] { cmdNewSet_Click(); });
  cmdCancel.OnClick([this] { cmdCancel_Click(); });
  mnuServis.OnClick([this] { mnuServis_Click(); });
  mnuHelp.OnClick([this] { mnuHelp_Click(); });
  OnLoad([this] { Form_Load(); });
  OnUnload([this](bool&) { platform_.Quit(); });
}

bool FrmMain::CanExecute() const {
  const TransformSettings& s = state_.settings;
  if (s.SourceSystemName.empty() || s.TargetSystemName.empty()) return false;
  for (Side side : kSides)
    if (SideType(s, side) == kTypePlane && !IsProjectionSet(state_.projection.params[side])) return false;
  if (!s.FileInput.empty()) return true;
  return !txtLat_In.Text().empty() && !txtLon_In.Text().empty() && !txtHei_In.Text().empty();
}

FrmMain::SideControls FrmMain::ControlsOf(Side side) {
  if (side == Side::Source) return {cboTypeIsx, cmdParProIn, lblIn, cboInFl, cboInFl2, lblRazm1, lblRazm2};
  return {cboTypeOut, cmdParProOut, lblOut, cboOutFl1, cboOutFl2, lblRazm3, lblRazm4};
}

void FrmMain::ShowSystemName(Side side, const std::string& name) { ControlsOf(side).name.SetText(name); }

void FrmMain::ClearResults() {
  for (Control* box : {&txtLat_Out, &txtLon_Out, &txtHei_Out, &txtGeoid}) box->SetText("");
}

void FrmMain::ShowFittedPath(Control& box, const std::string& path) { box.SetText(ProperCasePath(path)); }

void FrmMain::EnterWorkingFolder() const {
  if (state_.settings.CurPath.empty()) return;
  std::error_code ignored;
  std::filesystem::current_path(state_.settings.CurPath, ignored);
}

// --- Systems and types ---

void FrmMain::ChooseSystem(Side side) {
  state_.catalogue.side = side;
  if (national_ && !national_(state_, platform_)) return;
  const TransformSettings& s = state_.settings;
  const std::string& name = SideSystemName(s, side);
  const std::string before = name;
  if (catalogue_ != nullptr) platform_.ShowModal(*catalogue_);
  // A projection set for another system is not this one's (a local system
  // needs its own link values): the side must be set again.
  if (name != before) state_.projection.params[side] = {};
  const SideControls controls = ControlsOf(side);
  if (IsLocalSystem(name)) {
    controls.types.SetItems({kTypePlane});
    controls.types.SetListIndex(0);
  } else {
    const std::string current = SideType(s, side);
    controls.types.SetItems(Items(kTypeNames));
    controls.types.SetText(current);
  }
  const std::string& type = SideType(s, side);
  if (type == kTypePlane) PresetProjection(side);
  controls.projection.SetEnabled(type == kTypePlane);
  UpdateCanExecute();
}

// A plane side opens the projection dialog on Gauss-Krüger, on UTM for WGS-84.
void FrmMain::PresetProjection(Side side) {
  if (projection_ == nullptr) return;
  projection_->Preset(PresetKindOf(SideSystemName(state_.settings, side)));
}

void FrmMain::TypeChosen(Side side) {
  const SideControls controls = ControlsOf(side);
  const std::string chosen = controls.types.Text();
  if (chosen.empty()) return;
  std::string& current = SideType(state_.settings, side);
  if (chosen != current) {
    switch (side) {
      case Side::Source:
        for (Control* box : {&txtLat_In, &txtLon_In, &txtHei_In}) box->SetText("");
        break;
      case Side::Target:
        ClearResults();
        break;
    }
  }
  current = chosen;
  SetSideLabels(side);
  SetUnitLists(side);
  if (chosen == kTypePlane) PresetProjection(side);
  controls.projection.SetEnabled(chosen == kTypePlane);
  UpdateHeightOptions();
  UpdateCanExecute();
}

void FrmMain::SetSideLabels(Side side) {
  const std::string& type = SideType(state_.settings, side);
  const AxisLabels labels = LabelsOf(type);
  switch (side) {
    case Side::Source: {
      lbl5.SetText(labels.first);
      lbl6.SetText(labels.second);
      lbl7.SetText(labels.third);
      const std::string tip = type == kTypeBlh ? "Градусы, минуты и секунды должны разделяться пробелами" : "";
      txtLat_In.SetToolTip(tip);
      txtLon_In.SetToolTip(tip);
      break;
    }
    case Side::Target:
      lbl9.SetText(labels.first);
      lbl10.SetText(labels.second);
      break;
  }
}

void FrmMain::SetUnitLists(Side side) {
  TransformSettings& s = state_.settings;
  const std::string& type = SideType(s, side);
  const SideControls controls = ControlsOf(side);
  Control& first = controls.coordinateUnits;
  Control& second = controls.heightUnits;
  const RememberedUnitLists& remembered = s.RememberedUnitIndex[side];
  const bool angles = type == kTypeBlh;
  const bool hadAngles = s.RememberedTypeIndex[side] == 0;
  const bool firstRefill = remembered.coordinates == -1 || angles != hadAngles || first.ListCount() == 0;
  const bool secondRefill = remembered.heights == -1 || second.ListCount() == 0;
  if (angles) {
    controls.coordinateCaption.SetText("Размерность широт и долгот");
    first.SetToolTip("Установить размерность широт и долгот");
    controls.heightCaption.SetText("Размерность высот");
    second.SetToolTip("Установить размерность высот");
  } else {
    const bool plane = type == kTypePlane;
    controls.coordinateCaption.SetText(plane ? "Размерность координат и высот" : "Размерность координат");
    first.SetToolTip(plane ? "Установить размерность координат и высот" : "Установить размерность координат");
  }
  controls.heightCaption.SetVisible(angles);
  second.SetVisible(angles);
  if (firstRefill) {
    first.SetItems(angles ? AngleUnitNames() : LengthUnitNames());
    first.SetListIndex(0);
  }
  if (angles && secondRefill) {
    second.SetItems(LengthUnitNames());
    second.SetListIndex(0);
  }
}

// A list position outside the list (-1 while nothing is chosen) counts as
// the first unit.
void FrmMain::CoordinateUnitChosen(Side side) {
  TransformSettings& s = state_.settings;
  const int index = ControlsOf(side).coordinateUnits.ListIndex();
  SideUnits& units = s.Units[side];
  if (SideType(s, side) == kTypeBlh) {
    units.angles = UnitAtOrFirst(kAngleUnits, index);
  } else {
    units.lengths = UnitAtOrFirst(kLengthUnits, index);
  }
  RememberUnitChoice(side, s.RememberedUnitIndex[side].coordinates, index);
}

void FrmMain::HeightUnitChosen(Side side) {
  TransformSettings& s = state_.settings;
  const int index = ControlsOf(side).heightUnits.ListIndex();
  s.Units[side].heights = UnitAtOrFirst(kLengthUnits, index);
  RememberUnitChoice(side, s.RememberedUnitIndex[side].heights, index);
}

void FrmMain::RememberUnitChoice(Side side, std::int16_t& remembered, int index) {
  remembered = static_cast<std::int16_t>(index);
  state_.settings.RememberedTypeIndex[side] = TypeIndex(SideType(state_.settings, side));
}

void FrmMain::UpdateHeightOptions() {
  TransformSettings& s = state_.settings;
  const bool sourceXyz = s.Type_Isx == kTypeXyz;
  const bool targetXyz = s.Type_Out == kTypeXyz;
  const bool oneXyz = sourceXyz != targetXyz;
  if (oneXyz) {
    s.TypeH = 1;
    lblWar.SetText(sourceXyz ? "Внимание! Исходные высоты полагаются геодезическими!"
                             : "Внимание! Вычисленные высоты будут полагаться геодезическими!");
    lblWar.SetEnabled(s.fN != 0);
  } else {
    s.TypeH = optGeodesy.Checked() ? 1 : 0;
  }
  lblWar.SetVisible(oneXyz);
  optNormal.SetVisible(!oneXyz);
  optGeodesy.SetVisible(!oneXyz);
  if (sourceXyz && targetXyz) {
    optNormal.SetEnabled(false);
    optGeodesy.SetEnabled(false);
    s.TypeH = 1;
  } else {
    optNormal.SetEnabled(s.fN != 0);
    optGeodesy.SetEnabled(true);
  }
}

void FrmMain::SetProjection(Side side) {
  state_.projection.side = side;
  const std::string& name = SideSystemName(state_.settings, side);
  if (IsLocalSystem(name)) {
    if (localLink_ != nullptr) SetLocalLinkParams(state_, platform_, *this, *localLink_, side, name);
  } else if (projection_ != nullptr) {
    platform_.ShowModal(*projection_);
  }
  UpdateCanExecute();
}

// --- Input mode and output ---

void FrmMain::optInScreen_Click() {
  state_.settings.FileInput.clear();
  fraRes.SetEnabled(true);
  chkScreen.SetChecked(true);
  fraFile.SetVisible(false);
  UpdateCanExecute();
}

void FrmMain::optInFile_Click() {
  TransformSettings& s = state_.settings;
  for (;;) {
    const std::string path = platform_.ChooseOpenFile(SourceFileDialog(s.CurPath));
    if (path.empty()) {
      optInScreen.SetChecked(true);
      fraRes.SetEnabled(true);
      chkScreen.SetChecked(true);
      return;
    }
    if (CanOpenForReading(path)) {
      s.FileInput = path;
      chkFile.SetChecked(true);
      if (s.FileInput.empty()) return;  // the results-file choice reset everything
      chkScreen.SetChecked(false);
      EnterWorkingFolder();
      fraFile.SetVisible(true);
      ShowFittedPath(txtFile, path);
      fraOutFl.SetVisible(true);
      UpdateCanExecute();
      cboInFl.SetFocus();
      return;
    }
    if (Say(platform_, "Ошибка открытия файла\r\n" + path + ".\r\nОткрыть другой файл?", MessageIcon::kQuestion,
            MessageButtons::kYesNo) != MessageAnswer::kYes) {
      optInScreen.SetChecked(true);
      fraRes.SetEnabled(true);
      s.FileInput.clear();
      chkScreen.SetChecked(true);
      chkFile.SetChecked(false);
      return;
    }
  }
}

void FrmMain::chkScreen_Click() {
  chkScreen.SetChecked(!optInFile.Checked());
  if (chkScreen.Checked()) {
    fraOutFl.SetVisible(false);
  } else if (chkFile.Checked()) {
    fraOutFl.SetVisible(true);
  }
}

void FrmMain::chkFile_Click() {
  TransformSettings& s = state_.settings;
  if (optInFile.Checked()) {
    chkFile.SetChecked(true);
    if (!s.FileResult.empty()) return;
  }
  if (!chkFile.Checked()) {
    s.FileResult.clear();
    s.fOutFile = 0;
    fraOutFl.SetVisible(false);
    return;
  }
  // Results usually go beside their source file.
  const std::string sourceFolder = std::filesystem::path(s.FileInput).parent_path().string();
  const FileDialogRequest request =
      ResultsFileDialog(sourceFolder.empty() ? s.CurPath : sourceFolder, optInFile.Checked());
  for (;;) {
    const std::string name = platform_.ChooseSaveFile(request);
    if (name.empty()) {
      if (Say(platform_, kNoResultsFileMessage + "\r\nПовторить выбор?",
              MessageIcon::kQuestion, MessageButtons::kYesNo) == MessageAnswer::kYes)
        continue;
      EnterWorkingFolder();
      fraRes.SetEnabled(true);
      ResetSettings(*this);
      return;
    }
    if (name == s.FileInput) {
      if (Say(platform_,
              "Файл результатов не может совпадать\r\nс файлом исходной информации.\r\n"
              "Выбрать другое имя для файла результатов?",
              MessageIcon::kQuestion, MessageButtons::kYesNo) == MessageAnswer::kYes)
        continue;
      EnterWorkingFolder();
      ResetSettings(*this);
      return;
    }
    std::error_code ignored;
    if (std::filesystem::exists(name, ignored)) {
      const MessageAnswer answer = Say(platform_, ReplaceFileQuestion(name),
                                       MessageIcon::kQuestion, MessageButtons::kYesNoCancel);
      if (answer == MessageAnswer::kNo) continue;
      if (answer == MessageAnswer::kCancel) {
        // No results file: with file input the box stays ticked, and
        // "Выполнить" refuses to run until one is chosen.
        s.FileResult.clear();
        txtOutFl.SetText("");
        if (!optInFile.Checked()) chkFile.SetChecked(false);
        return;
      }
    }
    s.FileResult = name;
    fraOutFl.SetVisible(true);
    ShowFittedPath(txtOutFl, name);
    return;
  }
}

// --- Heights and quasi-geoid ---

void FrmMain::HeightTypeChosen(std::int16_t typeH) {
  if (state_.settings.TypeH != typeH) ClearResults();
  state_.settings.TypeH = typeH;
}

void FrmMain::chkGeoid_Click() {
  const bool on = chkGeoid.Checked();
  txtGeoid.SetVisible(on);
  lbl12.SetVisible(on);
  state_.settings.fGeoid = on ? 1 : 0;
  if (on) txtGeoid.SetText("");
}

std::string FrmMain::ChooseGridFile(bool& refusedAfterError) {
  for (;;) {
    const std::string path = platform_.ChooseOpenFile(GridFileDialog());
    if (!path.empty() && CanOpenForReading(path)) return path;
    refusedAfterError = !path.empty();
    const std::string question =
        path.empty() ? "Файл - матрица высот квазигеоида не выбран.\r\nПовторить выбор?"
                     : "Ошибка открытия файла\r\n" + path + ".\r\nОткрыть другой файл?";
    if (Say(platform_, question, MessageIcon::kQuestion, MessageButtons::kYesNo) != MessageAnswer::kYes) return {};
  }
}

void FrmMain::cmdNewGeoid_Click() {
  TransformSettings& s = state_.settings;
  bool refusedAfterError = false;
  const std::string path = ChooseGridFile(refusedAfterError);
  if (!path.empty()) {
    s.fN = -1;
    s.FileGeoid = path;
    chkGeoid.SetEnabled(true);
    ShowFittedPath(txtFlGeoid, path);
    UpdateHeightOptions();
  } else if (refusedAfterError) {
    s.fN = 0;
    chkGeoid.SetEnabled(false);
    optGeodesy.SetChecked(true);
    txtFlGeoid.SetText("");
    s.fGeoid = 0;
    UpdateHeightOptions();
  }
}

// --- Typed point ---

void FrmMain::TypedPoint_Change() {
  ClearResults();
  UpdateCanExecute();
  cmdSbros.SetEnabled(!txtLat_In.Text().empty() || !txtLon_In.Text().empty() || !txtHei_In.Text().empty());
}

void FrmMain::TypedPoint_KeyPress(int& key) { key = FilterNumericKey(key, platform_.Beeper()); }

void FrmMain::cmdSbros_Click() {
  for (Control* box : {&txtLat_In, &txtLon_In, &txtHei_In}) box->SetText("");
}

// --- Commands and menus ---

void FrmMain::cmdOK_Click() { Execute(*this); }

void FrmMain::cmdNewSet_Click() { ResetSettings(*this); }

// The service window disables its Execute buttons whenever it is activated.
void FrmMain::mnuServis_Click() {
  if (service_ != nullptr) platform_.ShowModal(*service_);
}

}  // namespace vexilor
