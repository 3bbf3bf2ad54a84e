#include "windows/catalogue_window.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "text/key_filter.h"
#include "text/mask_format.h"
#include "text/shortest_double.h"
#include "text/text_edit.h"
#include "refdata/catalogue_listing.h"
#include "refdata/ellipsoid_record.h"
#include "refdata/link_fields.h"
#include "refdata/reference_messages.h"
#include "refdata/reference_path.h"
#include "windows/rewrite_reference_file.h"

namespace vexilor {
namespace {

// Shifts and rotations are shown right-aligned in boxes of this many characters.
constexpr int kLinkTextWidth = 9;

// The label of txtEll(index), and the index of the box in each row of the
// ellipsoid frame: the name first, then a and 1/f.
constexpr std::array<std::string_view, FrmCatalogue::kEllipsoidBoxes> kEllipsoidLabels{
    "Большая полуось", "Знаменатель сжатия", "Имя"};
constexpr std::array<int, FrmCatalogue::kEllipsoidBoxes> kEllipsoidBoxOfRow{2, 0, 1};

}  // namespace

FrmCatalogue::FrmCatalogue(AppState& state, Platform& platform, MainWindowHooks& mainWindow)
    : Form("frmNational", "Установка параметров  систем координат"),
      fraSys(Make(ControlKind::kFrame, "fraSys", " Выбор национальной системы координат", nullptr)),
      lstSys(Make(ControlKind::kList, "lstSys", "", &fraSys)),
      fraEllipso(Make(ControlKind::kFrame, "fraEllipso", " Параметры эллипсоида ", nullptr)),
      fraSystem(Make(ControlKind::kFrame, "fraSystem", " Связь с системой ", nullptr)),
      txtSystem(MakeShownBox("txtSystem", fraSystem)),
      fraOrient(Make(ControlKind::kFrame, "fraOrient", " Параметры связи СК ", nullptr)),
      fraLin(Make(ControlKind::kFrame, "fraLin", " Линейные ", &fraOrient)),
      fraAngle(Make(ControlKind::kFrame, "fraAngle", " Угловые ", &fraOrient)),
      fraScale(Make(ControlKind::kFrame, "fraScale", " Масштабная поправка ", &fraOrient)),
      cmdChange(Make(ControlKind::kButton, "cmdChange", "Изменить", nullptr,
                     "Сделать доступными параметры связи СК для редактирования")),
      cmdSave(Make(ControlKind::kButton, "cmdSave", "Сохранить", nullptr, "Сохранить измения параметров связи СК")),
      cmdRemove(Make(ControlKind::kButton, "cmdRemove", "Удалить", nullptr,
                     "Удалить выбранную систему координат из списка")),
      cmdAdd(Make(ControlKind::kButton, "cmdAdd", "Добавить", nullptr, "Добавить новую систему координат в список")),
      cmdFit(Make(ControlKind::kButton, "cmdFit", "По общим точкам…", nullptr,
                  "Вычислить параметры связи новой системы по пунктам, известным в двух системах координат")),
      cmdCancel(Make(ControlKind::kButton, "cmdCancel", "Закрыть", nullptr, "Выход без выбора имени системы координат")),
      cmdOK(Make(ControlKind::kButton, "cmdOK", "OK", nullptr)),
      state_(state),
      platform_(platform),
      mainWindow_(mainWindow) {
  AddEllipsoidBoxes();
  AddLinkBoxes();
  // The buttons were made with the frames; Tab reaches them after the boxes.
  for (Control* button : {&cmdChange, &cmdSave, &cmdRemove, &cmdAdd, &cmdFit, &cmdCancel, &cmdOK}) {
    button->SetTabIndex(static_cast<int>(ControlCount()));
  }
  SetDefaultButton(cmdOK);
  SetCancelButton(cmdCancel);
  BindHandlers();
}

Control& FrmCatalogue::Make(ControlKind kind, std::string name, std::string text, Control* container,
                           std::string toolTip, int index) {
  return Add({.kind = kind,
              .name = std::move(name),
              .index = index,
              .text = std::move(text),
              .container = container,
              .toolTip = std::move(toolTip)});
}

// The ellipsoid's values and the parent's code: shown, not typed.
Control& FrmCatalogue::MakeShownBox(std::string name, Control& frame, int index) {
  Control& box =
      Add({.kind = ControlKind::kTextBox, .name = std::move(name), .index = index, .container = &frame, .fitted = true});
  box.SetReadOnly(true);
  return box;
}

// Row by row, so that Tab goes down the frame; the parent's box below them.
void FrmCatalogue::AddEllipsoidBoxes() {
  for (int row = 0; row < kEllipsoidBoxes; ++row) {
    const int i = kEllipsoidBoxOfRow[static_cast<std::size_t>(row)];
    Make(ControlKind::kLabel, "lblEll", std::string(kEllipsoidLabels[static_cast<std::size_t>(i)]), &fraEllipso, {},
         i);
    txtEll_[static_cast<std::size_t>(i)] = &MakeShownBox("txtEll", fraEllipso, i);
  }
  txtSystem.SetTabIndex(static_cast<int>(ControlCount()));
}

void FrmCatalogue::AddLinkBoxes() {
  for (int i = 0; i < kLinkBoxes; ++i) {
    const LinkField& field = kLinkFields.at(static_cast<std::size_t>(i));
    Control* frame = &fraScale;
    if (!field.label.empty()) {
      frame = i < 3 ? &fraLin : &fraAngle;
      Make(ControlKind::kLabel, "lbl1", std::string(field.label), frame, {}, i);
    }
    txt1_[static_cast<std::size_t>(i)] = &Make(ControlKind::kTextBox, "txt1", "", frame, {}, i);
  }
}

void FrmCatalogue::BindHandlers() {
  OnActivate([this] { Form_Activate(); });
  // The close box leaves the window as "Закрыть" does: hidden, never unloaded.
  OnQueryUnload([this](bool& cancel) {
    cancel = true;
    cmdCancel_Click();
  });
  lstSys.OnClick([this] { lstSys_Click(); });
  // A double click on an entry chooses it, as OK does.
  lstSys.OnDblClick([this] { cmdOK_Click(); });
  cmdChange.OnClick([this] { cmdChange_Click(); });
  cmdSave.OnClick([this] { cmdSave_Click(); });
  cmdRemove.OnClick([this] { cmdRemove_Click(); });
  cmdAdd.OnClick([this] { cmdAdd_Click(); });
  cmdFit.OnClick([this] { cmdFit_Click(); });
  cmdCancel.OnClick([this] { cmdCancel_Click(); });
  cmdOK.OnClick([this] { cmdOK_Click(); });
  for (int i = 0; i < kLinkBoxes; ++i) {
    txt1(i).OnChange([this] { txt1_Change(); });
    // The scale correction takes any key, so that it can be typed in exponent form.
    if (i < kLinkBoxes - 1) txt1(i).OnKeyPress([this](int& key) { txt1_KeyPress(key); });
  }
}

// --- Handlers ---

void FrmCatalogue::Form_Activate() {
  fraSys.SetText(std::string(Title()));
  ShowCatalogueNames();
  if (state_.catalogue.resetOnActivation) {
    lstSys.SetListIndex(-1);
    editMode_ = false;
    for (Control* button : {&cmdRemove, &cmdSave, &cmdChange, &cmdOK}) button->SetEnabled(false);
    ClearBoxes();
    EnableLinkBoxes(false);
  }
  lstSys.SetFocus();
  state_.catalogue.resetOnActivation = true;
}

void FrmCatalogue::lstSys_Click() {
  const std::int16_t position = SelectedPosition();
  if (position == 0) return;
  for (Control* button : {&cmdRemove, &cmdChange, &cmdOK}) button->SetEnabled(true);
  cmdSave.SetEnabled(false);
  editMode_ = false;
  EnableLinkBoxes(false);
  // Nothing of the entry shown before may stay beside the new name.
  ClearBoxes();

  CoordSystem system;
  if (ParseSystemLine(state_.catalogue.systems.Item(position), system) != RecordError::kNone) {
    Warn(BadSystemFileMessage(SystemsPath()), Title());
    return;
  }
  ShowEntry(system);
  if (!ShowEllipsoid(system.ellipsoidNumber)) return;
  txtSystem.SetText(system.parentCode);
}

void FrmCatalogue::cmdChange_Click() {
  EnableLinkBoxes(true);
  editMode_ = true;
  txt1(0).SetFocus();
}

void FrmCatalogue::txt1_Change() {
  if (editMode_) cmdSave.SetEnabled(true);
}

void FrmCatalogue::txt1_KeyPress(int& key) { key = FilterNumericKey(key, platform_.Beeper()); }

void FrmCatalogue::cmdSave_Click() {
  const std::int16_t position = SelectedPosition();
  if (position == 0) return;
  LinkParams link{};
  if (!ReadLinkBoxes(link)) return;
  SystemLines& systems = state_.catalogue.systems;
  CoordSystem system;
  // Parsed before it leaves the list, so that a bad line is never lost.
  if (ParseSystemLine(systems.Item(position), system) != RecordError::kNone) {
    Warn(BadSystemFileMessage(SystemsPath()), kSaveLinkTitle);
    return;
  }
  system.link = link;
  std::string line = FormatSystemLine(system);
  systems.Remove(position);
  // One line was just removed, so the list has room for it again.
  InsertSorted(systems, line);
  // The padded line may sort apart from an entry whose name begins the same.
  if (ShowCatalogueNames()) {
    const auto found = std::find(systems.begin(), systems.end(), line);
    lstSys.SetListIndex(static_cast<int>(found - systems.begin()));
  }
  RewriteSystems(kSaveLinkTitle);
  EnableLinkBoxes(false);
  editMode_ = false;
  cmdSave.SetEnabled(false);
}

void FrmCatalogue::cmdRemove_Click() {
  const std::int16_t position = SelectedPosition();
  if (position == 0) return;
  if (platform_.ShowMessage({.text = "Удалить систему координат " + lstSys.Text() + " из каталога?",
                             .title = std::string(Title()),
                             .buttons = MessageButtons::kYesNo,
                             .icon = MessageIcon::kQuestion,
                             .defaultButton = DefaultButton::kSecond}) != MessageAnswer::kYes) {
    return;
  }
  {
    WaitCursor wait(platform_);
    for (Control* button : {&cmdRemove, &cmdChange, &cmdSave}) button->SetEnabled(false);
    editMode_ = false;
    ClearBoxes();
    EnableLinkBoxes(false);
    state_.catalogue.systems.Remove(position);
    lstSys.ClearItems();
    ShowCatalogueNames();
  }
  cmdOK.SetEnabled(false);
  lstSys.SetFocus();
  RewriteSystems(Title());
}

void FrmCatalogue::ShowOver(Form* form) {
  state_.catalogue.resetOnActivation = false;
  if (form == nullptr) return;
  platform_.ShowModal(*form);
  // The activation on return focuses the list; an added entry wants its OK.
  if (std::exchange(focusOkAfterAdd_, false)) cmdOK.SetFocus();
}

void FrmCatalogue::cmdCancel_Click() {
  state_.catalogue.resetOnActivation = true;
  mainWindow_.ResetTypeList(state_.catalogue.side);
  Hide();
}

void FrmCatalogue::cmdOK_Click() {
  const std::int16_t position = SelectedPosition();
  if (position == 0) return;
  SystemChoice choice;
  const ChoiceOutcome outcome =
      ChooseSystem(state_.catalogue.systems, state_.catalogue.ellipsoids, position, choice);
  if (outcome.error != ChoiceError::kNone) {
    Warn(ChoiceErrorMessage(outcome, SystemsPath(), EllipsoidsPath()), Title());
    return;
  }
  if (!HandOver(choice)) return;
  mainWindow_.ClearResults();
  Hide();
}

// --- The new-system window's hook ---

void FrmCatalogue::ShowAddedEntry(std::int16_t position) {
  ShowCatalogueNames();
  lstSys.SetListIndex(-1);
  lstSys.SetListIndex(position - 1);
  focusOkAfterAdd_ = true;
}

// --- Helpers ---

std::string_view FrmCatalogue::Title() const { return CatalogueTitle(state_.catalogue.side); }

std::string FrmCatalogue::SystemsPath() const { return ReferenceFilePath(state_.catalogueFolder, kSystemsFileName); }

std::string FrmCatalogue::EllipsoidsPath() const {
  return ReferenceFilePath(state_.catalogueFolder, kEllipsoidsFileName);
}

void FrmCatalogue::Warn(std::string text, std::string_view title) {
  platform_.ShowMessage({.text = std::move(text),
                         .title = std::string(title),
                         .buttons = MessageButtons::kOkOnly,
                         .icon = MessageIcon::kExclamation});
}

std::int16_t FrmCatalogue::SelectedPosition() const {
  // The list never holds more entries than a 16-bit list of lines.
  return static_cast<std::int16_t>(lstSys.ListIndex() + 1);
}

bool FrmCatalogue::ShowCatalogueNames() {
  std::vector<std::string> names = SystemListNames(state_.catalogue.systems);
  if (names == lstSys.Items()) return false;
  lstSys.SetItems(std::move(names));
  return true;
}

void FrmCatalogue::EnableLinkBoxes(bool enabled) {
  for (Control* box : txt1_) box->SetEnabled(enabled);
}

void FrmCatalogue::ClearBoxes() {
  for (Control* box : txt1_) box->SetText({});
  for (Control* box : txtEll_) box->SetText({});
  txtSystem.SetText({});
}

void FrmCatalogue::ShowEntry(const CoordSystem& system) {
  for (int i = 0; i < kLinkBoxes; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const LinkField& field = kLinkFields[k];
    txt1(i).SetText(field.mask.empty() ? ShortestDoubleText(system.link[k])
                                       : PadLeft(FormatWithMask(system.link[k], field.mask), kLinkTextWidth));
  }
}

bool FrmCatalogue::ShowEllipsoid(std::int16_t number) {
  Ellipsoid ellipsoid;
  switch (FindEllipsoid(state_.catalogue.ellipsoids, number, ellipsoid)) {
    case EllipsoidSearch::kFound:
      txtEll(2).SetText(ellipsoid.name);
      txtEll(0).SetText(FormatWithMask(ellipsoid.a, kSemiMajorAxisMask));
      txtEll(1).SetText(FormatWithMask(ellipsoid.invf, kInverseFlatteningMask));
      return true;
    case EllipsoidSearch::kNotFound:
      Warn(EllipsoidNotFoundMessage(number, EllipsoidsPath()), Title());
      return false;
    case EllipsoidSearch::kBadFile:
      break;
  }
  Warn(EllipsoidFileErrorMessage(EllipsoidsPath()), Title());
  return false;
}

bool FrmCatalogue::ReadLinkBoxes(LinkParams& link) {
  for (int i = 0; i < kLinkBoxes; ++i) {
    if (txt1(i).Text().empty()) {
      RefuseLinkBox(i, "Не все данные введены.");
      return false;
    }
  }
  for (int i = 0; i < kLinkBoxes; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const std::optional<double> value = ReadLinkValue(k, txt1(i).Text());
    if (!value) {
      RefuseLinkBox(i, std::string(kLinkFields[k].refusal));
      return false;
    }
    link[k] = *value;
  }
  return true;
}

void FrmCatalogue::RefuseLinkBox(int index, std::string text) {
  Warn(std::move(text), kSaveLinkTitle);
  txt1(index).SetFocus();
  cmdSave.SetEnabled(false);
}

void FrmCatalogue::RewriteSystems(std::string_view title) {
  if (!RewriteReferenceFile(ReferenceKind::kSystems, state_.catalogue.systems, title, state_.catalogueFolder,
                            platform_)) {
    state_.catalogue.resetOnActivation = false;
  }
}

bool FrmCatalogue::HandOver(const SystemChoice& choice) {
  TransformSettings& settings = state_.settings;
  const Side side = state_.catalogue.side;
  switch (side) {
    case Side::Source:
      settings.SourceSystemName = choice.name;
      settings.SourceVector = choice.vector;
      settings.SourceBaseName = choice.baseName;
      break;
    case Side::Target:
      settings.TargetSystemName = choice.name;
      settings.TargetVector = choice.vector;
      settings.TargetBaseName = choice.baseName;
      break;
  }
  mainWindow_.ShowSystemName(side, choice.name);
  if (side == Side::Source) return true;
  if (FindGlobalLink(state_.catalogue.systems, settings.SourceBaseName, settings.TargetBaseName,
                     settings.GlobalLink) == GlobalLinkSearch::kNotLinked) {
    Warn(GlobalLinkMissingMessage(settings.SourceBaseName, settings.TargetBaseName), Title());
    return false;
  }
  return true;
}

}  // namespace vexilor
