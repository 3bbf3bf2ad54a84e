#include "windows/link_fit_window.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "text/mask_format.h"
#include "text/text_edit.h"
#include "geodesy/coord_type.h"
#include "projection/projection_kinds.h"
#include "projection/projection_record.h"
#include "refdata/catalogue_listing.h"
#include "refdata/coord_system_record.h"
#include "refdata/links_onto_parents.h"
#include "refdata/reference_messages.h"
#include "refdata/reference_path.h"
#include "run/point_file_marks.h"
#include "run/source_file_reader.h"
#include "state/result_messages.h"
#include "windows/execute.h"
#include "windows/link_fit_report.h"
#include "windows/main_window.h"

namespace vexilor {
namespace {

const std::string kBreak(kMessageLineBreak);

// Set 0 holds the points of the system whose link is sought, set 1 the same
// points in the system it is linked to.
constexpr std::array<std::string_view, FrmLinkFit::kSets> kSetCaptions{" Пункты в исходной системе ",
                                                                        " Пункты в системе преобразования "};
constexpr std::array<std::string_view, FrmLinkFit::kSets> kFileTitles{
    "Выбрать файл пунктов в исходной системе", "Выбрать файл пунктов в системе преобразования"};
// The systems each set shows at its first opening: the example of a survey
// in СК-42 and the same marks measured in WGS-84.
const std::array<const std::string*, FrmLinkFit::kSets> kFirstSystems{&kCk42Name, &kWgs84Name};

// The types in the order of kTypeNames.
constexpr std::array<CoordType, 3> kTypes{CoordType::BLH, CoordType::XYZ, CoordType::xyH};

// The caption of the first unit list, by type.
constexpr std::array<std::string_view, 3> kUnitCaptions{"Размерность B, L", "Размерность X, Y, Z",
                                                        "Размерность x, y, H"};

std::string TypeMismatchMessage(const std::string& path, const std::string& typeLine, const std::string& chosen) {
  return "Тип координат в файле" + kBreak + path + " (" + typeLine + ")" + kBreak + "не совпадает с выбранным (" +
         chosen + ").";
}

std::string NoTypeMessage(const std::string& path) {
  return "В первой строке файла" + kBreak + path + kBreak + "нет типа координат: BLH, XYZ или xyH.";
}

// What the messages of a run say of the point file at `path`.
RunContext FileContext(const std::string& path) {
  RunContext context;
  context.fileMode = true;
  context.sourceFile = path;
  return context;
}

std::size_t CountOf(const std::vector<NumberedPoint>& marks, std::int32_t number) {
  return static_cast<std::size_t>(
      std::count_if(marks.begin(), marks.end(), [number](const NumberedPoint& m) { return m.number == number; }));
}

}  // namespace

FrmLinkFit::FrmLinkFit(AppState& state, Platform& platform)
    : Form("frmLinkFit", std::string(kLinkFitCaption)),
      sets_{MakeSet(0), MakeSet(1)},
      fraModel(Make(ControlKind::kFrame, "fraModel", " Модель связи ", nullptr)),
      optSeven(MakeOption("optSeven", "Семь параметров", fraModel)),
      optShifts(MakeOption("optShifts", "Три сдвига", fraModel)),
      cmdFit(Make(ControlKind::kButton, "cmdFit", "Вычислить", nullptr)),
      fraResult(Make(ControlKind::kFrame, "fraResult", " Результаты ", nullptr)),
      txtReport(Add({.kind = ControlKind::kTextBox,
                     .name = "txtReport",
                     .container = &fraResult,
                     .multiLine = true,
                     .fixedPitch = true})),
      lblPoints(Add({.kind = ControlKind::kLabel,
                     .name = "lblPoints",
                     .text = ResidualHeading(),
                     .container = &fraResult,
                     .fixedPitch = true})),
      lstPoints(Add({.kind = ControlKind::kList, .name = "lstPoints", .container = &fraResult, .fixedPitch = true})),
      chkUse(Make(ControlKind::kCheck, "chkUse", "Учитывать пункт", &fraResult)),
      lblRefit(Make(ControlKind::kLabel, "lblRefit", "Нажмите «Вычислить», чтобы учесть отметки", &fraResult)),
      cmdAdd(Make(ControlKind::kButton, "cmdAdd", "Добавить в каталог…", nullptr)),
      cmdClose(Make(ControlKind::kButton, "cmdClose", "Закрыть", nullptr)),
      state_(state),
      platform_(platform) {
  optSeven.SetChecked(true);
  txtReport.SetReadOnly(true);
  chkUse.SetToolTip("Снимите флажок, чтобы исключить выбранный пункт из вычисления");
  cmdAdd.SetToolTip("Определить новую систему координат с вычисленными параметрами связи");
  for (Control* off : {&cmdFit, &chkUse, &cmdAdd}) off->SetEnabled(false);
  lblRefit.SetVisible(false);
  SetDefaultButton(cmdFit);
  SetCancelButton(cmdClose);
  BindHandlers();
  for (int set = 0; set < kSets; ++set) ShowTypeSettings(set);
}

Control& FrmLinkFit::Make(ControlKind kind, std::string name, std::string text, Control* container, int index) {
  return Add({.kind = kind, .name = std::move(name), .index = index, .text = std::move(text), .container = container});
}

// The options of one frame are one group.
Control& FrmLinkFit::MakeOption(std::string name, std::string text, Control& frame, int index) {
  return Add({.kind = ControlKind::kOption,
              .name = std::move(name),
              .index = index,
              .text = std::move(text),
              .container = &frame,
              .group = frame.Id()});
}

// A row after another in the frame: the file, the system, the type and its
// units, the projection, the heights.
FrmLinkFit::PointSet FrmLinkFit::MakeSet(int set) {
  const auto s = static_cast<std::size_t>(set);
  Control& frame = Make(ControlKind::kFrame, "fraSet", std::string(kSetCaptions[s]), nullptr, set);
  Control& cmdFile = Make(ControlKind::kButton, "cmdFile", "Файл…", &frame, set);
  Control& txtFile =
      Add({.kind = ControlKind::kTextBox, .name = "txtFile", .index = set, .container = &frame, .fitted = true});
  txtFile.SetReadOnly(true);
  Control& lblSystem = Make(ControlKind::kLabel, "lblSystem", "Система", &frame, set);
  Control& cboSystem = Make(ControlKind::kCombo, "cboSystem", "", &frame, set);
  Control& lblType = Make(ControlKind::kLabel, "lblType", "Тип координат", &frame, set);
  Control& cboType = Make(ControlKind::kCombo, "cboType", "", &frame, set);
  cboType.SetItems({kTypeNames.begin(), kTypeNames.end()});
  cboType.SetListIndex(0);
  Control& lblUnits = Make(ControlKind::kLabel, "lblUnits", "", &frame, set);
  Control& cboUnits = Make(ControlKind::kCombo, "cboUnits", "", &frame, set);
  Control& lblHeightUnits = Make(ControlKind::kLabel, "lblHeightUnits", "Размерность H", &frame, set);
  Control& cboHeightUnits = Make(ControlKind::kCombo, "cboHeightUnits", "", &frame, set);
  cboHeightUnits.SetItems(LengthUnitNames());
  cboHeightUnits.SetListIndex(0);
  Control& lblProjection = Make(ControlKind::kLabel, "lblProjection", "Проекция", &frame, set);
  Control& cboProjection = Make(ControlKind::kCombo, "cboProjection", "", &frame, set);
  std::vector<std::string> kinds;
  for (const ProjectionKind kind : kProjectionKinds) kinds.emplace_back(DescriptionOf(kind).caption);
  cboProjection.SetItems(std::move(kinds));
  cboProjection.SetListIndex(FactsOf(ProjectionKind::GaussKruger).code);
  cboProjection.SetToolTip("Проекция с параметрами по умолчанию окна «Установка типа проекции»");
  Control& optNormal = MakeOption("optNormal", "Нормальные высоты", frame, set);
  Control& optGeodesy = MakeOption("optGeodesy", "Геодезические высоты", frame, set);
  optNormal.SetChecked(true);
  return {frame,    cmdFile,        txtFile,       lblSystem,     cboSystem, lblType,  cboType,   lblUnits,
          cboUnits, lblHeightUnits, cboHeightUnits, lblProjection, cboProjection, optNormal, optGeodesy};
}

void FrmLinkFit::BindHandlers() {
  OnActivate([this] { Form_Activate(); });
  // The close box hides the window as «Закрыть» does.
  OnQueryUnload([this](bool& cancel) {
    cancel = true;
    cmdClose_Click();
  });
  for (int set = 0; set < kSets; ++set) {
    const PointSet& s = Set(set);
    s.cmdFile.OnClick([this, set] { cmdFile_Click(set); });
    s.cboType.OnClick([this, set] { cboType_Click(set); });
    s.cboSystem.OnClick([this, set] { cboSystem_Click(set); });
    for (Control* setting : {&s.cboUnits, &s.cboHeightUnits, &s.cboProjection, &s.optNormal, &s.optGeodesy})
      setting->OnClick([this] { Setting_Change(); });
  }
  for (Control* setting : {&optSeven, &optShifts}) setting->OnClick([this] { Setting_Change(); });
  cmdFit.OnClick([this] { cmdFit_Click(); });
  lstPoints.OnClick([this] { lstPoints_Click(); });
  lstPoints.OnDblClick([this] { lstPoints_DblClick(); });
  chkUse.OnClick([this] { chkUse_Click(); });
  cmdAdd.OnClick([this] { cmdAdd_Click(); });
  cmdClose.OnClick([this] { cmdClose_Click(); });
}

// --- Handlers ---

// Also when the new-system window closes over this one: the list of
// systems may hold one more.
void FrmLinkFit::Form_Activate() {
  ShowSystems();
  for (int set = 0; set < kSets; ++set) ShowHeightChoice(set);
  UpdateCommands();
}

void FrmLinkFit::cmdFile_Click(int set) {
  const PointSet& s = Set(set);
  FileDialogRequest request = SourceFileDialog(state_.settings.CurPath);
  request.title = kFileTitles.at(static_cast<std::size_t>(set));
  const std::string path = platform_.ChooseOpenFile(request);
  if (path.empty()) return;
  const std::optional<std::string> typeLine = ReadSourceTypeLine(path);
  if (!typeLine) {
    Warn(RunResultMessage(kSourceFileNotOpened, FileContext(path)));
    return;
  }
  const std::optional<CoordType> type = CoordTypeFromName(*typeLine);
  if (!type) {
    Warn(NoTypeMessage(path));
    return;
  }
  files_.at(static_cast<std::size_t>(set)) = path;
  s.txtFile.SetText(path);
  // Other files, other points: what was left out concerned the old ones.
  excluded_.clear();
  const auto typeIndex = std::find(kTypes.begin(), kTypes.end(), *type) - kTypes.begin();
  s.cboType.SetListIndex(static_cast<int>(typeIndex));
  ClearResults();
}

void FrmLinkFit::cboType_Click(int set) {
  const PointSet& s = Set(set);
  ShowTypeSettings(set);
  const ProjectionKind kind = PresetKindOf(s.cboSystem.Text());
  if (TypeOf(set) == CoordType::xyH) s.cboProjection.SetListIndex(FactsOf(kind).code);
  ShowHeightChoice(set);
  ClearResults();
}

// A system chosen again after the catalogue was listed anew is the one the
// results are of.
void FrmLinkFit::cboSystem_Click(int set) {
  Control& list = Set(set).cboSystem;
  list.SetToolTip(list.Text());  // the whole name, which the list may cut
  if (fitted_ && list.Text() == fitted_->systems.at(static_cast<std::size_t>(set))) return;
  ClearResults();
}

void FrmLinkFit::cmdFit_Click() {
  std::array<SystemChoice, kSets> choices;
  for (int set = 0; set < kSets; ++set) {
    if (!ReadSet(set, choices.at(static_cast<std::size_t>(set)))) return;
  }
  const std::optional<Ellipsoid> ellipsoid = SourceEllipsoid();
  if (!ellipsoid) return;
  const LinkModel model = optShifts.Checked() ? LinkModel::kShifts : LinkModel::kSevenParameters;
  for (;;) {
    const LinkFitOutcome outcome = FitLink({model, marks_[0], marks_[1], excluded_, choices[1].vector.Own()});
    if (outcome.code == kOk) {
      fitted_ = Fitted{outcome.fit, model, excluded_, {choices[0].name, choices[1].name}, *ellipsoid, choices[1]};
      ShowFit();
      return;
    }
    if (!ReportFitFailure(outcome)) break;
  }
  ClearResults();
}

void FrmLinkFit::lstPoints_Click() {
  const int row = lstPoints.ListIndex();
  chkUse.SetEnabled(row >= 0);
  if (row >= 0) chkUse.SetChecked(!Excluded(NumberAt(row)));
}

void FrmLinkFit::lstPoints_DblClick() {
  if (lstPoints.ListIndex() >= 0) chkUse.SetChecked(!chkUse.Checked());
}

// The row shows the tick at once; the link stays that of the last fit
// until «Вычислить», and cannot be added to the catalogue meanwhile.
void FrmLinkFit::chkUse_Click() {
  const int row = lstPoints.ListIndex();
  if (row < 0 || !fitted_) return;
  const std::int32_t number = NumberAt(row);
  const bool use = chkUse.Checked();
  if (use != Excluded(number)) return;
  const auto at = std::lower_bound(excluded_.begin(), excluded_.end(), number);
  if (use) {
    excluded_.erase(at);
  } else {
    excluded_.insert(at, number);
  }
  ShowPoints();
  lstPoints.SetListIndex(row);
  UpdateCommands();
}

void FrmLinkFit::cmdAdd_Click() {
  if (!fitted_ || newSystem_ == nullptr) return;
  newSystem_->Offer({fitted_->ellipsoid, LinksOntoParents(fitted_->fit.params, fitted_->target, state_.catalogue.systems),
                     NearestParent(fitted_->target)});
  platform_.ShowModal(*newSystem_);
}

// --- Helpers ---

CoordType FrmLinkFit::TypeOf(int set) const {
  return kTypes.at(static_cast<std::size_t>(std::max(Set(set).cboType.ListIndex(), 0)));
}

std::int32_t FrmLinkFit::NumberAt(int row) const {
  return fitted_->fit.residuals.at(static_cast<std::size_t>(row)).number;
}

bool FrmLinkFit::Excluded(std::int32_t number) const {
  return std::binary_search(excluded_.begin(), excluded_.end(), number);
}

// The names of the catalogue's lines; each set keeps the system it showed,
// or takes its first one.
void FrmLinkFit::ShowSystems() {
  const std::vector<std::string> names = SystemListNames(state_.catalogue.systems);
  for (int set = 0; set < kSets; ++set) {
    Control& list = Set(set).cboSystem;
    if (list.Items() == names) continue;
    const std::string shown = list.ListIndex() >= 0 ? list.Text() : *kFirstSystems.at(static_cast<std::size_t>(set));
    list.SetItems(names);
    list.SetText(shown);
  }
}

// The unit lists of the set's type, and what shows for it: the heights'
// units for B L H, the projection for x y H, the kind of heights for both.
void FrmLinkFit::ShowTypeSettings(int set) {
  const PointSet& s = Set(set);
  const CoordType type = TypeOf(set);
  s.lblUnits.SetText(std::string(kUnitCaptions.at(static_cast<std::size_t>(s.cboType.ListIndex()))));
  s.cboUnits.SetItems(type == CoordType::BLH ? AngleUnitNames() : LengthUnitNames());
  s.cboUnits.SetListIndex(0);
  for (Control* heights : {&s.lblHeightUnits, &s.cboHeightUnits}) heights->SetVisible(type == CoordType::BLH);
  for (Control* projection : {&s.lblProjection, &s.cboProjection}) projection->SetVisible(type == CoordType::xyH);
  for (Control* heights : {&s.optNormal, &s.optGeodesy}) heights->SetVisible(type != CoordType::XYZ);
}

// Normal heights need the quasi-geoid grid of the main window.
void FrmLinkFit::ShowHeightChoice(int set) {
  const PointSet& s = Set(set);
  s.optNormal.SetEnabled(state_.settings.fN != 0);
  if (!s.optNormal.Enabled() && s.optNormal.Checked()) s.optGeodesy.SetChecked(true);
}

void FrmLinkFit::UpdateCommands() {
  bool ready = true;
  for (int set = 0; set < kSets; ++set) {
    ready = ready && !files_.at(static_cast<std::size_t>(set)).empty() && Set(set).cboSystem.ListIndex() >= 0;
  }
  cmdFit.SetEnabled(ready);
  const bool current = fitted_ && fitted_->excluded == excluded_;
  cmdAdd.SetEnabled(current);
  lblRefit.SetVisible(fitted_ && !current);
}

void FrmLinkFit::ClearResults() {
  fitted_.reset();
  txtReport.SetText("");
  lstPoints.ClearItems();
  chkUse.SetEnabled(false);
  UpdateCommands();
}

bool FrmLinkFit::ReadSet(int set, SystemChoice& choice) {
  const PointSet& s = Set(set);
  const std::string& path = files_.at(static_cast<std::size_t>(set));
  const CatalogueState& catalogue = state_.catalogue;
  const auto index = static_cast<std::int16_t>(s.cboSystem.ListIndex() + 1);
  const ChoiceOutcome outcome = ChooseSystem(catalogue.systems, catalogue.ellipsoids, index, choice);
  if (outcome.error != ChoiceError::kNone) {
    Warn(ChoiceErrorMessage(outcome, ReferenceFilePath(state_.catalogueFolder, kSystemsFileName),
                            ReferenceFilePath(state_.catalogueFolder, kEllipsoidsFileName)));
    return false;
  }
  const std::optional<std::string> typeLine = ReadSourceTypeLine(path);
  if (!typeLine) {
    Warn(RunResultMessage(kSourceFileNotOpened, FileContext(path)));
    return false;
  }
  if (*typeLine != CoordTypeName(TypeOf(set))) {
    Warn(TypeMismatchMessage(path, *typeLine, s.cboType.Text()));
    s.cboType.SetFocus();
    return false;
  }
  std::int32_t line = 0;
  ResultCode code = kOk;
  {
    // The quasi-geoid grid is read for every point of normal height.
    WaitCursor wait(platform_);
    code = ReadMarks(path, FrameOf(set, choice), UnitsOf(set), marks_.at(static_cast<std::size_t>(set)), line);
  }
  if (code == kOk) return true;
  RunContext context = FileContext(path);
  context.line = line;
  context.geoidFile = state_.settings.FileGeoid;
  if (RunMessageOf(code) == RunMessage::kOutsideGeoidGrid) context.bounds = BoundsOf(context.geoidFile);
  Warn(RunResultMessage(code, context));
  return false;
}

PointSetFrame FrmLinkFit::FrameOf(int set, const SystemChoice& choice) const {
  const PointSet& s = Set(set);
  const CoordType type = TypeOf(set);
  ProjectionSlots projection;
  if (type == CoordType::xyH) {
    const auto kind = kProjectionKinds.at(static_cast<std::size_t>(std::max(s.cboProjection.ListIndex(), 0)));
    projection = SideOfSet(DescriptionOf(kind).builtInSet);
  }
  return {{choice.name, choice.baseName, type, choice.vector},
          projection,
          s.optGeodesy.Checked() ? HeightType::Geodetic : HeightType::Normal,
          state_.settings.FileGeoid};
}

SideUnits FrmLinkFit::UnitsOf(int set) const {
  const PointSet& s = Set(set);
  const int first = s.cboUnits.ListIndex();
  SideUnits units;
  if (TypeOf(set) == CoordType::BLH) {
    units.angles = UnitAtOrFirst(kAngleUnits, first);
    units.heights = UnitAtOrFirst(kLengthUnits, s.cboHeightUnits.ListIndex());
  } else {
    units.lengths = UnitAtOrFirst(kLengthUnits, first);
  }
  return units;
}

// The new system takes the ellipsoid of the system its points are in.
std::optional<Ellipsoid> FrmLinkFit::SourceEllipsoid() {
  const CatalogueState& catalogue = state_.catalogue;
  const auto index = static_cast<std::int16_t>(Set(0).cboSystem.ListIndex() + 1);
  CoordSystem system;
  Ellipsoid ellipsoid;
  if (ParseSystemLine(catalogue.systems.Item(index), system) == RecordError::kNone &&
      FindEllipsoid(catalogue.ellipsoids, system.ellipsoidNumber, ellipsoid) == EllipsoidSearch::kFound) {
    return ellipsoid;
  }
  Warn(BadSystemFileMessage(ReferenceFilePath(state_.catalogueFolder, kSystemsFileName)));
  return std::nullopt;
}

bool FrmLinkFit::ReportFitFailure(const LinkFitOutcome& outcome) {
  std::string text = RunResultMessage(outcome.code, {});
  switch (outcome.code) {
    case kFitTooFewPoints:
      text += kBreak + "Общих точек в вычислении: " + std::to_string(outcome.fit.pointsUsed) + ".";
      break;
    case kFitPointsInLine:
      text += kBreak + "(Число обусловленности " +
              (std::isfinite(outcome.fit.conditionNumber) ? FormatWithMask(outcome.fit.conditionNumber, "0")
                                                           : std::string("бесконечно")) +
              ", допускается до " + FormatWithMask(kMaxLinkConditionNumber, "0") + ".)";
      break;
    case kFitPointRepeated:
      text += kBreak + "Номера, повторенные в одном файле:" + NumbersInFiles(outcome.numbers, 1);
      break;
    case kFitPointUnmatched:
      if (platform_.ShowMessage({.text = text + kBreak + "Номера, которые есть только в одном файле:" +
                                         NumbersInFiles(outcome.numbers, 0) + kBreak +
                                         "Исключить эти точки и вычислить без них?",
                                 .title = std::string(kLinkFitCaption),
                                 .buttons = MessageButtons::kYesNo,
                                 .icon = MessageIcon::kQuestion}) != MessageAnswer::kYes) {
        return false;
      }
      for (const std::int32_t n : outcome.numbers) excluded_.push_back(n);
      std::sort(excluded_.begin(), excluded_.end());
      return true;
    case kFitValueNotFinite:
      text = "Координата общей точки или параметр эллипсоида" + kBreak + "не является конечным числом.";
      break;
    default:
      break;
  }
  Warn(text);
  return false;
}

// The numbers of `numbers` that stand in a file more than `fewest` times,
// file by file.
std::string FrmLinkFit::NumbersInFiles(const std::vector<std::int32_t>& numbers, std::size_t fewest) const {
  std::string text;
  for (int set = 0; set < kSets; ++set) {
    const auto s = static_cast<std::size_t>(set);
    std::vector<std::int32_t> found;
    for (const std::int32_t n : numbers)
      if (CountOf(marks_[s], n) > fewest) found.push_back(n);
    if (!found.empty()) text += kBreak + files_[s] + ": " + NumberList(found);
  }
  return text;
}

void FrmLinkFit::ShowFit() {
  txtReport.SetText(FitReportText(fitted_->fit, fitted_->model));
  ShowPoints();
  chkUse.SetEnabled(false);
  UpdateCommands();
}

// A row a common point: whether it is ticked now, its number, its residual
// in north, east and up from the last fit, and the mark of a point beyond
// three standard deviations.
void FrmLinkFit::ShowPoints() {
  std::vector<std::string> rows;
  for (const PointResidual& p : fitted_->fit.residuals) rows.push_back(ResidualRow(p, !Excluded(p.number)));
  lstPoints.SetItems(std::move(rows));
}

void FrmLinkFit::Warn(const std::string& text) {
  platform_.ShowMessage({.text = text,
                         .title = std::string(kLinkFitCaption),
                         .buttons = MessageButtons::kOkOnly,
                         .icon = MessageIcon::kExclamation});
}

}  // namespace vexilor
