#include "windows/local_link_params.h"

#include <initializer_list>
#include <optional>
#include <string_view>

#include "text/search_path.h"
#include "text/text_case.h"
#include "refdata/local_system_key.h"
#include "refdata/reference_messages.h"
#include "refdata/reference_path.h"
#include "run/units.h"

namespace vexilor {
namespace {

constexpr std::string_view kStepTitle = "Установить параметры связи для местной СК";
constexpr std::string_view kSourceQuestionTitle = "Определить тип ввода параметров связи";
constexpr std::string_view kBreak = kMessageLineBreak;
constexpr std::string_view kKeyboardQuestion = "Ввести параметры связи с клавиатуры?";
constexpr std::string_view kKeyboardQuestionLong = "Ввести параметры связи систем координат с клавиатуры?";
// What the name input box asks for, and what is missing when it is left empty.
constexpr std::string_view kNameFirstLine = "имя региона (СК63) или имя местной";
constexpr std::string_view kNameSecondLine = "системы   координат (MCK42  или  MCK95).";
constexpr std::string_view kDefaultName = "A";

// A СК63 region counts its false origin along x in minutes of arc of the
// meridian.
constexpr double kMetresPerArcMinute = 1842.938;

struct LocalSystemCodes {
  std::string_view system;  // "CK63", "MCK42" or "MCK95"
  std::string_view parent;  // "CK42" or "CK95"
};

std::optional<LocalSystemCodes> CodesOf(const std::string& systemName) {
  if (systemName == kCk63Name) return LocalSystemCodes{kCk63Code, "CK42"};
  if (systemName == kMck42Name) return LocalSystemCodes{"MCK42", "CK42"};
  if (systemName == kMck95Name) return LocalSystemCodes{"MCK95", "CK95"};
  return std::nullopt;
}

// Where a part of the step leads.
enum class Next {
  kKeyboard,  // the values are typed into the dialog
  kWrite,     // the link values passed: write the projection
  kReset,     // the user gave up: the main window starts anew
  kAbandon,   // the dialog could not be shown (the program is ending)
};

class LocalLinkStep {
 public:
  LocalLinkStep(AppState& state, Platform& platform, MainWindowHooks& mainWindow, FrmLocalLink& dialog,
                Side side, LocalSystemCodes codes)
      : state_(state), platform_(platform), mainWindow_(mainWindow), dialog_(dialog), side_(side), codes_(codes) {}

  void Run() {
    const std::string question = "Параметры связи " + std::string(codes_.system) + " c " +
                                 std::string(codes_.parent) + " вводятся" + std::string(kBreak) +
                                 "из файла? (Иначе с клавиатуры).";
    Next next = Ask(question, kSourceQuestionTitle) ? FromFile() : Next::kKeyboard;
    if (next == Next::kKeyboard) next = FromKeyboard();
    if (next == Next::kWrite) WriteProjection();
    if (next == Next::kReset) mainWindow_.ResetToNewSettings();
  }

 private:
  bool Ask(const std::string& text, std::string_view title = kStepTitle) {
    return platform_.ShowMessage({.text = text,
                                  .title = std::string(title),
                                  .buttons = MessageButtons::kYesNo,
                                  .icon = MessageIcon::kQuestion}) == MessageAnswer::kYes;
  }

  Next KeyboardOrReset(const std::string& question) { return Ask(question) ? Next::kKeyboard : Next::kReset; }

  Next FromFile() {
    const std::string path = ReferenceFilePath(state_.catalogueFolder, kKeysFileName);
    if (!IsOnSearchPath(path, PathFromUtf8(state_.catalogueFolder))) {
      return KeyboardOrReset(Join({"Отсутствует файл параметров связи", path, kKeyboardQuestion}));
    }
    std::string name;
    if (!AskName(name)) return Next::kReset;
    LocalSystemKey key;
    switch (FindLocalSystemKey(path, name, key)) {
      case KeysSearch::kFound:
        return TakeKey(key, name);
      case KeysSearch::kOpenFailed:
        return KeyboardOrReset(FileFailure("Ошибка открытия файла параметров", path));
      case KeysSearch::kReadFailed:
        return KeyboardOrReset(FileFailure("Ошибка чтения файла параметров", path));
      case KeysSearch::kNotFound:
        return KeyboardOrReset(
            Join({"В файле " + path, "не найдено имя региона или имя МСК: " + name, kKeyboardQuestionLong}));
      case KeysSearch::kBadWordCount:
        return KeyboardOrReset(Join({"Неверный файл " + path + ".", kKeyboardQuestionLong}));
      case KeysSearch::kBadNumber:
        break;
    }
    return KeyboardOrReset(
        Join({"Ошибка в параметрах связи для МСК (региона): " + name + ".", kKeyboardQuestionLong}));
  }

  // The region or local system name, upper-cased; false when the user gives up.
  bool AskName(std::string& name) {
    for (;;) {
      const std::string typed = platform_.InputBox({.prompt = Join({"Введите " + std::string(kNameFirstLine), kNameSecondLine}),
                                                    .title = std::string(kStepTitle),
                                                    .defaultText = std::string(kDefaultName)});
      if (!typed.empty()) {
        name = UpperCase(typed);
        return true;
      }
      if (!Ask(Join({"Не введено " + std::string(kNameFirstLine), kNameSecondLine, "Повторный ввод?"}))) return false;
    }
  }

  // Checks the values of the keys.dat line; the message names the last value
  // that failed.
  Next TakeKey(const LocalSystemKey& key, const std::string& name) {
    std::string_view failure;
    if (!IsAxialMeridianInRange(key.axialMeridian)) failure = "Ошибочное значение долготы осевого меридиана.";
    if (!IsZoneWidthInRange(key.zoneWidth)) failure = "Ошибочное значение ширины координатных зон.";
    if (!IsFalseOriginXInRange(key.falseOriginX, IsCk63())) {
      failure = "Ошибочное значение условного начала по оси \"x\"";
    }
    if (!IsFalseOriginYInRange(key.falseOriginY, key.zoneWidth)) {
      failure = "Ошибочное значение условного начала по оси \"y\"";
    }
    if (!failure.empty()) return KeyboardOrReset(Join({failure, "МСК (регион): " + name + "."}));
    state_.settings.LocalLinkValues = {EastwardAxialMeridian(key.axialMeridian), key.zoneWidth, key.falseOriginX,
                                       key.falseOriginY};
    return Next::kWrite;
  }

  Next FromKeyboard() {
    dialog_.Load();
    dialog_.PrepareFor(side_, codes_.system, codes_.parent);
    const std::string retry = Join({"Не введены параметры связи " + std::string(codes_.system) + " с " +
                                        std::string(codes_.parent),
                                    "Повторный ввод?"});
    for (;;) {
      if (!platform_.ShowModal(dialog_)) return Next::kAbandon;
      if (dialog_.Entered()) return Next::kWrite;
      if (!Ask(retry)) return Next::kReset;
    }
  }

  // A Gauss-Krüger set on Greenwich, scale 1, longitudes to the east, axis x
  // vertical; the false origins in metres. The target zone (slot 10) stays.
  void WriteProjection() {
    const auto& values = state_.settings.LocalLinkValues;
    ProjectionSlots& slots = state_.projection.params[side_];
    slots.SetKind(ProjectionKind::GaussKruger);
    slots.SetPrimeMeridian(0.0);
    slots.SetZoneOneAxialMeridian(values[kLinkAxialMeridian]);
    slots.SetZoneWidth(values[kLinkZoneWidth]);
    slots.SetFalseX(values[kLinkFalseOriginX] * (IsCk63() ? kMetresPerArcMinute : kMetresPerKilometre));
    slots.SetFalseY(values[kLinkFalseOriginY] * kMetresPerKilometre);
    slots.SetScale(1.0);
    slots.SetWestPositive(false);
    slots.SetAxesExchanged(false);
    dialog_.ClearEntered();
  }

  bool IsCk63() const { return codes_.system == kCk63Code; }

  static std::string FileFailure(std::string_view failure, const std::string& path) {
    return Join({failure, "связи  систем  координат", path + ".", kKeyboardQuestion});
  }

  // The pieces of a message, one per line.
  static std::string Join(std::initializer_list<std::string_view> pieces) {
    std::string text;
    bool first = true;
    for (std::string_view piece : pieces) {
      if (!first) text += kBreak;
      text += piece;
      first = false;
    }
    return text;
  }

  AppState& state_;
  Platform& platform_;
  MainWindowHooks& mainWindow_;
  FrmLocalLink& dialog_;
  Side side_;
  LocalSystemCodes codes_;
};

}  // namespace

void SetLocalLinkParams(AppState& state, Platform& platform, MainWindowHooks& mainWindow, FrmLocalLink& dialog,
                        Side side, const std::string& systemName) {
  const std::optional<LocalSystemCodes> codes = CodesOf(systemName);
  if (!codes) return;
  LocalLinkStep(state, platform, mainWindow, dialog, side, *codes).Run();
}

}  // namespace vexilor
