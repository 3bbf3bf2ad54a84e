#include "windows/new_system_window.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "text/key_filter.h"
#include "text/mask_format.h"
#include "text/shortest_double.h"
#include "text/text_edit.h"
#include "text/utf8.h"
#include "geodesy/gauss_kruger.h"
#include "refdata/coord_system_record.h"
#include "refdata/ellipsoid_record.h"
#include "refdata/ellipsoid_references.h"
#include "refdata/link_fields.h"
#include "refdata/reference_file.h"
#include "refdata/reference_messages.h"
#include "refdata/reference_path.h"
#include "windows/rewrite_reference_file.h"

namespace vexilor {
namespace {

const std::string kBreak(kMessageLineBreak);

constexpr std::string_view kMissingData = "Не все данные введены.";
constexpr std::string_view kNameTooLong = "Длина имени новой системы координат великовата.";
constexpr std::string_view kEllipsoidNameTooLong = "Длина имени нового эллипсоида великовата.";
constexpr std::string_view kBadSemiMajorAxis = "Неверное значение большой полуоси эллипсоида.";
constexpr std::string_view kBadInverseFlattening = "Неверное значение знаменателя сжатия эллипсоида.";

// Where the name of the system or of the ellipsoid stands in a message.
constexpr std::string_view kInSystemName = "В имени новой системы координат";
constexpr std::string_view kInEllipsoidName = "В имени нового эллипсоида";

// Inverse flattening of every Earth ellipsoid in use (the semi-major axis
// keeps to the bounds of the projections, geodesy/gauss_kruger.h).
constexpr double kMinInverseFlattening = 290.0;
constexpr double kMaxInverseFlattening = 305.0;

constexpr int kEllipsoidNameBox = 2;

// The label of txtEll(index), and the index of the box in each row of the
// ellipsoid frame: the name first, then a and 1/f.
constexpr std::array<std::string_view, FrmNewSystem::kEllipsoidBoxes> kEllipsoidLabels{
    "Большая полуось, м", "Знаменатель сжатия", "Имя"};
constexpr std::array<int, FrmNewSystem::kEllipsoidBoxes> kEllipsoidBoxOfRow{2, 0, 1};

// optRotation(i): its caption, its tip, the convention it reads the rotations in.
struct RotationOption {
  std::string_view caption;
  std::string_view tip;
  RotationConvention convention;
};
constexpr std::array<RotationOption, 2> kRotationOptions{{
    {"Поворот системы координат (EPSG 1032)",
     "Углы поворачивают оси координат: так публикует ГОСТ 32453-2017 и хранит каталог",
     RotationConvention::kCoordinateFrame},
    {"Поворот вектора положения (EPSG 1033)",
     "Углы поворачивают точку: так задает PROJ (+towgs84); в каталог они запишутся с обратным знаком",
     RotationConvention::kPositionVector},
}};

// A character that cannot be written, named so that the user finds it.
std::string CharacterText(char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return "с кодом " + std::to_string(static_cast<unsigned>(c));
  std::string text = "«";
  AppendCodePoint(text, c);
  return text + "»";
}

std::string UnwritableMessage(std::string_view where, char32_t c) {
  return std::string(where) + " есть знак " + CharacterText(c) + "," + kBreak +
         "которого нет в кодировке справочных файлов (Windows-1251).";
}

std::string TooManyWordsMessage() {
  return "Имя новой системы координат состоит" + kBreak + "из слишком многих слов (больше " +
         std::to_string(kMaxSystemNameWords) + ").";
}

std::string DuplicateMessage(const std::string& name) {
  return "Система координат " + name + kBreak + "уже существует.";
}

std::string DifferentEllipsoidQuestion(const std::string& name) {
  return "Эллипсоид с именем " + name + " уже существует," + kBreak + "а его параметры отличаются от введенных." +
         kBreak + "Ввести параметры нового эллипсоида?" + kBreak +
         "(Иначе принять параметры этого эллипсоида из файла).";
}

std::string SystemsFullMessage() {
  return "Список систем координат заполнен:" + kBreak + "новая система не может быть добавлена.";
}

std::string EllipsoidsFullMessage() {
  return "Список эллипсоидов заполнен:" + kBreak + "новый эллипсоид не может быть добавлен.";
}

std::string SystemsFileKeptMessage(std::int16_t number, const std::string& ellipsoidsPath) {
  return "Эллипсоид с номером " + std::to_string(number) + " не записан в файл" + kBreak + ellipsoidsPath + "." +
         kBreak + "Файл параметров систем координат не изменен.";
}

}  // namespace

FrmNewSystem::FrmNewSystem(AppState& state, Platform& platform, CatalogueHooks& catalogue)
    : Form("frmNewSys", std::string(kNewSystemCaption)),
      fraName(Make(ControlKind::kFrame, "fraName", " Имя новой системы координат", nullptr)),
      txtNewName(Make(ControlKind::kTextBox, "txtNewName", "", &fraName)),
      fraSystem(Make(ControlKind::kFrame, "fraSystem", " Связь с системой ", nullptr)),
      cboSystem(Make(ControlKind::kCombo, "cboSystem", "", &fraSystem)),
      fraEllipso(Make(ControlKind::kFrame, "fraEllipso", " Параметры эллипсоида ", nullptr)),
      fraOrient(Make(ControlKind::kFrame, "fraOrient", " Параметры связи СК ", nullptr)),
      fraLin(Make(ControlKind::kFrame, "fraLin", " Линейные ", &fraOrient)),
      fraAngle(Make(ControlKind::kFrame, "fraAngle", " Угловые ", &fraOrient)),
      fraScale(Make(ControlKind::kFrame, "fraScale", " Масштабная поправка ", &fraOrient)),
      fraRotation(Make(ControlKind::kFrame, "fraRotation", " Знак углов поворота ", &fraOrient)),
      cmdOK(Make(ControlKind::kButton, "cmdOK", "OK", nullptr)),
      cmdCancel(Make(ControlKind::kButton, "cmdCancel", "Отмена", nullptr)),
      state_(state),
      platform_(platform),
      catalogue_(catalogue) {
  std::vector<std::string> parents;
  for (const ParentChoice& parent : kParentChoices) parents.emplace_back(parent.listEntry);
  cboSystem.SetItems(std::move(parents));
  cboSystem.SetListIndex(0);
  AddEllipsoidBoxes();
  AddLinkBoxes();
  AddRotationOptions();
  // The buttons were made with the frames; Tab reaches them after the boxes.
  for (Control* button : {&cmdOK, &cmdCancel}) button->SetTabIndex(static_cast<int>(ControlCount()));
  cmdOK.SetEnabled(false);
  SetDefaultButton(cmdOK);
  SetCancelButton(cmdCancel);
  BindHandlers();
}

Control& FrmNewSystem::Make(ControlKind kind, std::string name, std::string text, Control* container, int index) {
  return Add({.kind = kind, .name = std::move(name), .index = index, .text = std::move(text), .container = container});
}

void FrmNewSystem::AddEllipsoidBoxes() {
  // Row by row, so that Tab goes down the frame.
  for (int row = 0; row < kEllipsoidBoxes; ++row) {
    const int i = kEllipsoidBoxOfRow[static_cast<std::size_t>(row)];
    const auto k = static_cast<std::size_t>(i);
    Make(ControlKind::kLabel, "lblEll", std::string(kEllipsoidLabels[k]), &fraEllipso, i);
    txtEll_[k] = &Make(ControlKind::kTextBox, "txtEll", "", &fraEllipso, i);
  }
}

void FrmNewSystem::AddLinkBoxes() {
  for (int i = 0; i < kLinkBoxes; ++i) {
    const LinkField& field = kLinkFields.at(static_cast<std::size_t>(i));
    Control* frame = &fraScale;
    if (!field.label.empty()) {
      frame = i < 3 ? &fraLin : &fraAngle;
      Make(ControlKind::kLabel, "lbl1", std::string(field.label), frame, i);
    }
    txt1_[static_cast<std::size_t>(i)] = &Make(ControlKind::kTextBox, "txt1", "", frame, i);
  }
}

// After the link boxes, so that Tab reaches the rule of sign after the
// values it reads.
void FrmNewSystem::AddRotationOptions() {
  for (std::size_t k = 0; k < kRotationOptions.size(); ++k) {
    optRotation_[k] = &Add({.kind = ControlKind::kOption,
                            .name = "optRotation",
                            .index = static_cast<int>(k),
                            .text = std::string(kRotationOptions[k].caption),
                            .container = &fraRotation,
                            .group = fraRotation.Name(),
                            .toolTip = std::string(kRotationOptions[k].tip),
                            .checked = k == 0});
  }
}

void FrmNewSystem::BindHandlers() {
  OnActivate([this] { Form_Activate(); });
  // The close box leaves the window as "Отмена" does: hidden, never unloaded.
  OnQueryUnload([this](bool& cancel) {
    cancel = true;
    cmdCancel_Click();
  });
  txtNewName.OnChange([this] { txtNewName_Change(); });
  cboSystem.OnClick([this] { cboSystem_Click(); });
  for (int i = 0; i < kEllipsoidBoxes; ++i) {
    txtEll(i).OnChange([this] { txtEll_Change(); });
    txtEll(i).OnLostFocus([this, i] { txtEll_LostFocus(i); });
    // The name takes any key; a and 1/f only what makes a number.
    if (i != kEllipsoidNameBox) txtEll(i).OnKeyPress([this](int& key) { txtEll_KeyPress(key); });
  }
  for (int i = 0; i < kLinkBoxes; ++i) {
    txt1(i).OnChange([this] { txt1_Change(); });
    // The scale correction takes any key, so that it can be typed in exponent form.
    if (i < kLinkBoxes - 1) txt1(i).OnKeyPress([this](int& key) { txt1_KeyPress(key); });
  }
  cmdOK.OnClick([this] { cmdOK_Click(); });
  cmdCancel.OnClick([this] { cmdCancel_Click(); });
}

// --- Handlers ---

// A set is taken in the catalogue's rule of sign unless the user says
// otherwise, at every opening.
void FrmNewSystem::Form_Activate() {
  optRotation(0).SetChecked(true);
  const int parent = offer_ ? static_cast<int>(offer_->parent) : 0;
  if (cboSystem.ListIndex() != parent) {
    cboSystem.SetListIndex(parent);  // its Click shows an offered link
  } else if (offer_) {
    ShowOfferedLink();
  }
  if (offer_) ShowEllipsoid(offer_->ellipsoid);
  cmdOK.SetEnabled(false);
  txtNewName.SetFocus();
}

void FrmNewSystem::cboSystem_Click() {
  if (offer_) ShowOfferedLink();
}

void FrmNewSystem::txtEll_KeyPress(int& key) { key = FilterNumericKey(key, platform_.Beeper()); }

void FrmNewSystem::txt1_KeyPress(int& key) { key = FilterNumericKey(key, platform_.Beeper()); }

// A known ellipsoid typed by its name, in any letter case, brings its
// geometry and the name as the file writes it.
void FrmNewSystem::txtEll_LostFocus(int index) {
  if (index != kEllipsoidNameBox) return;
  const std::optional<Ellipsoid> known =
      FindEllipsoidNamed(state_.catalogue.ellipsoids, txtEll(index).Text(), LetterCase::kIgnored);
  if (!known) return;
  ShowEllipsoid(*known);
  txt1(0).SetFocus();
}

void FrmNewSystem::cmdCancel_Click() {
  state_.catalogue.resetOnActivation = false;
  ClearBoxes();
  Hide();
}

void FrmNewSystem::cmdOK_Click() {
  const std::optional<Definition> definition = ReadDefinition();
  if (!definition) return;
  CatalogueState& catalogue = state_.catalogue;
  if (HasSystemNamed(catalogue.systems, definition->name)) {
    Refuse(txtNewName, DuplicateMessage(definition->name));
    return;
  }
  if (catalogue.systems.Count() == ReferenceLines::kMaxCount) {
    Warn(SystemsFullMessage());
    return;
  }
  const std::optional<EllipsoidUse> ellipsoid = ChooseEllipsoid(*definition);
  if (!ellipsoid) return;
  catalogue_.ShowAddedEntry(AddLines(*definition, *ellipsoid));
  RewriteFiles(ellipsoid->number);
  ClearBoxes();
  Hide();
}

// --- Helpers ---

void FrmNewSystem::UpdateOK() {
  bool complete = !txtNewName.Text().empty();
  for (const Control* box : txtEll_) complete = complete && !box->Text().empty();
  for (const Control* box : txt1_) complete = complete && !box->Text().empty();
  cmdOK.SetEnabled(complete);
}

void FrmNewSystem::ShowEllipsoid(const Ellipsoid& ellipsoid) {
  txtEll(0).SetText(FormatWithMask(ellipsoid.a, kSemiMajorAxisMask));
  txtEll(1).SetText(FormatWithMask(ellipsoid.invf, kInverseFlatteningMask));
  txtEll(kEllipsoidNameBox).SetText(ellipsoid.name);
}

// Each value whole, so that the catalogue line carries the points exactly as
// the fit found them.
void FrmNewSystem::ShowOfferedLink() {
  const auto parent = static_cast<std::size_t>(std::max(cboSystem.ListIndex(), 0));
  const std::optional<LinkParams>& link = offer_->links.at(parent);
  for (int i = 0; i < kLinkBoxes; ++i)
    txt1(i).SetText(link ? ShortestDoubleText((*link)[static_cast<std::size_t>(i)]) : std::string());
  if (!link) {
    // Only two parents: the one not reached is linked to the other nowhere.
    Warn(GlobalLinkMissingMessage(BaseNameOfParentCode(kParentChoices.at(1 - parent).code),
                                  BaseNameOfParentCode(kParentChoices.at(parent).code)));
  }
}

void FrmNewSystem::Warn(const std::string& text) {
  platform_.ShowMessage({.text = text,
                         .title = std::string(kNewSystemCaption),
                         .buttons = MessageButtons::kOkOnly,
                         .icon = MessageIcon::kExclamation});
}

// What was typed stays, selected, for the user to correct or type over.
bool FrmNewSystem::Refuse(Control& box, std::string_view text) {
  Warn(std::string(text));
  box.SetFocus();
  box.SelectAll();
  return false;
}

void FrmNewSystem::ClearBoxes() {
  offer_.reset();
  txtNewName.SetText("");
  for (Control* box : txtEll_) box->SetText("");
  for (Control* box : txt1_) box->SetText("");
  cboSystem.SetListIndex(0);
}

std::optional<FrmNewSystem::Definition> FrmNewSystem::ReadDefinition() {
  // A box of blanks holds nothing: its name would be an empty record.
  std::vector<Control*> boxes{&txtNewName, &txtEll(2), &txtEll(0), &txtEll(1)};
  boxes.insert(boxes.end(), txt1_.begin(), txt1_.end());
  for (Control* box : boxes) {
    if (TrimBlanks(box->Text()).empty()) {
      Refuse(*box, kMissingData);
      return std::nullopt;
    }
  }
  Definition d;
  d.name = CollapsedName(txtNewName.Text());
  d.ellipsoidName = CollapsedName(txtEll(2).Text());
  if (!CheckName(d.name, kMaxSystemNameLength, kNameTooLong, kInSystemName, txtNewName)) return std::nullopt;
  if (WordCount(d.name) > kMaxSystemNameWords) {
    Refuse(txtNewName, TooManyWordsMessage());
    return std::nullopt;
  }
  if (!CheckName(d.ellipsoidName, kMaxEllipsoidNameLength, kEllipsoidNameTooLong, kInEllipsoidName, txtEll(2)))
    return std::nullopt;

  const std::optional<double> a = ReadBoundedNumber(txtEll(0).Text(), kMinSemiMajorAxis, kMaxSemiMajorAxis);
  if (!a) {
    Refuse(txtEll(0), kBadSemiMajorAxis);
    return std::nullopt;
  }
  const std::optional<double> invf =
      ReadBoundedNumber(txtEll(1).Text(), kMinInverseFlattening, kMaxInverseFlattening);
  if (!invf) {
    Refuse(txtEll(1), kBadInverseFlattening);
    return std::nullopt;
  }
  d.a = *a;
  d.invf = *invf;
  for (std::size_t k = 0; k < kLinkFieldCount; ++k) {
    const std::optional<double> value = ReadLinkValue(k, txt1(static_cast<int>(k)).Text());
    if (!value) {
      Refuse(txt1(static_cast<int>(k)), kLinkFields[k].refusal);
      return std::nullopt;
    }
    d.link[k] = *value;
  }
  for (std::size_t k = 0; k < kRotationOptions.size(); ++k)
    if (optRotation(static_cast<int>(k)).Checked()) d.link = InCoordinateFrame(d.link, kRotationOptions[k].convention);
  const int parent = cboSystem.ListIndex();
  d.parent = kParentChoices.at(parent == 1 ? 1 : 0);
  return d;
}

bool FrmNewSystem::CheckName(const std::string& name, std::size_t maxLength, std::string_view tooLong,
                          std::string_view where, Control& box) {
  if (CodePointCount(name) > maxLength) return Refuse(box, tooLong);
  if (const std::optional<char32_t> c = FirstUnwritableCharacter(name)) {
    return Refuse(box, UnwritableMessage(where, *c));
  }
  return true;
}

std::optional<FrmNewSystem::EllipsoidUse> FrmNewSystem::ChooseEllipsoid(const Definition& d) {
  const EllipsoidLines& ellipsoids = state_.catalogue.ellipsoids;
  if (const std::optional<Ellipsoid> known = FindEllipsoidNamed(ellipsoids, d.ellipsoidName, LetterCase::kExact)) {
    if (!HasGeometry(*known, d.a, d.invf) &&
        platform_.ShowMessage({.text = DifferentEllipsoidQuestion(d.ellipsoidName),
                               .title = std::string(kNewSystemCaption),
                               .buttons = MessageButtons::kYesNo,
                               .icon = MessageIcon::kExclamation}) == MessageAnswer::kYes) {
      for (Control* box : txtEll_) box->SetText("");
      txtEll(kEllipsoidNameBox).SetFocus();
      return std::nullopt;
    }
    return EllipsoidUse{known->number, false};
  }
  std::int16_t number = 0;
  switch (NextEllipsoidNumber(ellipsoids, LargestEllipsoidNumberInSystems(), number)) {
    case EllipsoidNumbering::kNumbered:
      return EllipsoidUse{number, true};
    case EllipsoidNumbering::kBadFile:
      Warn(EllipsoidFileErrorMessage(ReferenceFilePath(state_.catalogueFolder, kEllipsoidsFileName)));
      return std::nullopt;
    case EllipsoidNumbering::kFull:
      break;
  }
  Warn(EllipsoidsFullMessage());
  return std::nullopt;
}

// The lines in memory and those still on disk (a removal the user did not
// write keeps its line there): a number either refers to is taken.
std::int16_t FrmNewSystem::LargestEllipsoidNumberInSystems() const {
  SystemLines onDisk;
  LoadSystemLines(ReferenceFilePath(state_.catalogueFolder, kSystemsFileName), onDisk);
  return std::max(LargestEllipsoidNumberUsed(state_.catalogue.systems), LargestEllipsoidNumberUsed(onDisk));
}

std::int16_t FrmNewSystem::AddLines(const Definition& d, const EllipsoidUse& ellipsoid) {
  CatalogueState& catalogue = state_.catalogue;
  // Both lists have room: their counts were checked before.
  if (ellipsoid.added) catalogue.ellipsoids.Append(FormatEllipsoidLine({d.ellipsoidName, ellipsoid.number, d.a, d.invf}));
  const std::string line = FormatSystemLine(
      {d.name, ellipsoid.number, d.link, std::string(d.parent.code), d.parent.ellipsoidNumber});
  InsertSorted(catalogue.systems, line);
  const auto found = std::find(catalogue.systems.begin(), catalogue.systems.end(), line);
  return static_cast<std::int16_t>(found - catalogue.systems.begin() + 1);
}

// ellips.dat goes first: sys.dat is rewritten only when the ellipsoid of the
// new line is in ellips.dat, so that the file never names a missing one.
void FrmNewSystem::RewriteFiles(std::int16_t ellipsoidNumber) {
  CatalogueState& catalogue = state_.catalogue;
  const std::string& folder = state_.catalogueFolder;
  if (!RewriteReferenceFile(ReferenceKind::kEllipsoids, catalogue.ellipsoids, kNewSystemCaption, folder, platform_)) {
    catalogue.resetOnActivation = false;
  }
  const std::string ellipsoidsPath = ReferenceFilePath(folder, kEllipsoidsFileName);
  EllipsoidLines onDisk;
  Ellipsoid found;
  if (LoadEllipsoidLines(ellipsoidsPath, onDisk) != ReferenceFileError::kNone ||
      FindEllipsoid(onDisk, ellipsoidNumber, found) != EllipsoidSearch::kFound) {
    Warn(SystemsFileKeptMessage(ellipsoidNumber, ellipsoidsPath));
    catalogue.resetOnActivation = false;
    return;
  }
  if (!RewriteReferenceFile(ReferenceKind::kSystems, catalogue.systems, kNewSystemCaption, folder, platform_)) {
    catalogue.resetOnActivation = false;
  }
}

}  // namespace vexilor
