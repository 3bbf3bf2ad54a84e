#include "windows/execute.h"

#include <cmath>
#include <filesystem>
#include <optional>

#include "windows/main_window.h"
#include "windows/reset_settings.h"
#include "state/result_messages.h"
#include "text/shown_angle.h"
#include "text/angle_text.h"
#include "text/mask_format.h"
#include "text/number_reader.h"
#include "text/number_text.h"
#include "text/numeric.h"
#include "text/text_edit.h"
#include "geodesy/angle_constants.h"
#include "geodesy/coord_type.h"
#include "run/file_formats.h"
#include "run/source_file_reader.h"
#include "refdata/reference_messages.h"
#include "refdata/system_choice.h"

namespace vexilor {
namespace {

// A geocentric point nearer to the centre of the Earth than this (metres)
// cannot be carried to geodetic coordinates reliably.
constexpr double kMinGeocentricDistance = 21000.0;

const std::string kOnePointZonePrompt =
    "Введите   номер   координатной   зоны   для\r\n"
    "преобразованных  координат.  (При вводе 0,\r\n"
    "номер зоны будет вычислен автоматически).";
const std::string kAllPointsZonePrompt =
    "Введите    номер    координатной    зоны     для\r\n"
    "преобразованных координат.  (Одно значение\r\n"
    "для  ВСЕХ  пунктов).  При вводе 0,   номер зоны\r\n"
    "будет  индивидуален  для  каждого  пункта  и\r\n"
    "вычислен автоматически.";

struct Run {
  FrmMain& w;
  TransformSettings& s;
  Platform& platform;
  MessageIcon style = MessageIcon::kCritical;
  bool resultsFileExisted = false;  // before the run began

  void Warn(const std::string& text) const { Say(platform, text, style); }
};

// A file run writes its results to a file: without one there is nothing to
// write to (the engine would take the "no file" marker for a file name).
bool ResultsFileChosen(Run& run) {
  if (run.s.FileInput.empty() || !run.s.FileResult.empty()) return true;
  Say(run.platform, kNoResultsFileMessage, MessageIcon::kExclamation);
  run.w.chkFile.SetFocus();
  return false;
}

// The link between the two bases, taken from the catalogue when the run
// starts: the systems may have been chosen in any order, or before a reset,
// so a link kept from the choice could belong to other systems.
bool LinkBases(Run& run) {
  TransformSettings& s = run.s;
  switch (FindGlobalLink(run.w.State().catalogue.systems, s.SourceBaseName, s.TargetBaseName, s.GlobalLink)) {
    case GlobalLinkSearch::kSameBase:
      s.GlobalLink = {};
      return true;
    case GlobalLinkSearch::kLinked:
      return true;
    case GlobalLinkSearch::kNoEntry:
    case GlobalLinkSearch::kNotLinked:
      break;
  }
  Say(run.platform, GlobalLinkMissingMessage(s.SourceBaseName, s.TargetBaseName), MessageIcon::kExclamation);
  return false;
}

// Steps 4 and 5: a plane side needs its projection.
bool ProjectionsSet(Run& run) {
  const ProjectionParams& p = run.w.State().projection.params;
  for (Side side : kSides) {
    if (SideType(run.s, side) == kTypeNames[2] && !IsProjectionSet(p[side])) {
      Say(run.platform, ProjectionNotSetMessage(side), MessageIcon::kExclamation);
      ResetSettings(run.w);
      return false;
    }
  }
  return true;
}

// Empties and focuses the box that holds a refused value.
bool Refuse(Run& run, Control& box, const std::string& text) {
  run.Warn(text);
  box.SetText("");
  box.SetFocus();
  return false;
}

// Step 6: the typed point in engine units (B, L radians; lengths as typed).
bool ReadTypedPoint(Run& run, Coords& point) {
  FrmMain& w = run.w;
  if (w.txtLat_In.Text().empty() || w.txtLon_In.Text().empty() || w.txtHei_In.Text().empty()) {
    run.Warn("Не все значения исходных координат введены.");
    w.txtLat_In.SetFocus();
    return false;
  }
  const std::string& type = run.s.Type_Isx;
  const bool geodetic = type == kTypeNames[0];
  if (geodetic) {
    // A result pasted back with its marks reads as typed.
    const double b = ParseAngle(TypedAngleText(w.txtLat_In.Text()));
    if (std::fabs(b) > 90) return Refuse(run, w.txtLat_In, "Ошибочное значение широты. Повторите ввод!");
    double l = ParseAngle(TypedAngleText(w.txtLon_In.Text()));
    if (l > 360) return Refuse(run, w.txtLon_In, "Ошибочное значение долготы. Повторите ввод!");
    if (l < 0) l += 360;
    point[0] = b * kRadiansPerDegree;
    point[1] = l * kRadiansPerDegree;
  } else {
    if (!IsNumberText(w.txtLat_In.Text()))
      return Refuse(run, w.txtLat_In, "Ошибочное значение абсциссы. Повторите ввод!");
    if (!IsNumberText(w.txtLon_In.Text()))
      return Refuse(run, w.txtLon_In, "Ошибочное значение ординаты. Повторите ввод!");
    point[0] = ReadNumber(w.txtLat_In.Text()).value_or(0);
    point[1] = ReadNumber(w.txtLon_In.Text()).value_or(0);
  }
  if (!IsNumberText(w.txtHei_In.Text())) {
    return Refuse(run, w.txtHei_In,
                  type == kTypeNames[1] ? "Ошибочное значение аппликаты. Повторите ввод!"
                                        : "Ошибочное значение высоты. Повторите ввод!");
  }
  point[2] = ReadNumber(w.txtHei_In.Text()).value_or(0);
  if (geodetic && (point[2] < -5000000.0 || point[2] > 42000000.0))
    return Refuse(run, w.txtHei_In, "Недопустимое значение высоты (глубины).\r\nПовторите ввод!");
  return true;
}

// Steps 7 and 8: the target zone number.
void AskZone(Run& run, const std::string& prompt) {
  ProjectionSlots& target = run.w.State().projection.params.target;
  const double width = target.ZoneWidth();
  const int maxZone = width > 0 ? static_cast<int>(Int(360.0 / width)) : 0;
  for (;;) {
    const std::string answer =
        run.platform.InputBox({.prompt = prompt, .title = kMainCaption, .defaultText = "0"});
    if (answer.empty()) {
      target.SetFixedZone(0);
      return;
    }
    if (const std::optional<int> zone = ParseZoneAnswer(answer, maxZone)) {
      target.SetFixedZone(*zone);
      return;
    }
    run.Warn("Неверное значение номера координатной зоны.\r\nВведите его новое значение!");
  }
}

void AskZoneWhereNeeded(Run& run) {
  FrmMain& w = run.w;
  if (run.s.Type_Out != kTypeNames[2] || !IsZoned(w.State().projection.params.target.Kind())) return;
  if (w.chkScreen.Checked()) {
    AskZone(run, kOnePointZonePrompt);
  } else if (w.chkFile.Checked()) {
    AskZone(run, kAllPointsZonePrompt);
  }
}

// Step 9.
bool FarEnoughFromCentre(Run& run, const Coords& point) {
  if (run.s.Type_Isx != kTypeNames[1]) return true;
  if (std::hypot(point[0], point[1], point[2]) >= kMinGeocentricDistance) return true;
  run.Warn(
      "Точка находится слишком близко к центру Земли.\r\n"
      "Корректное преобразование ее координат затруднено.\r\n"
      "Введите новые значения координат X, Y, Z!");
  for (Control* box : {&run.w.txtLat_In, &run.w.txtLon_In, &run.w.txtHei_In}) box->SetText("");
  run.w.txtLat_In.SetFocus();
  return false;
}

CoordType CodeOf(const std::string& typeName) {
  if (typeName == kTypeNames[1]) return CoordType::XYZ;
  if (typeName == kTypeNames[2]) return CoordType::xyH;
  return CoordType::BLH;
}

// Step 11: a source coordinates file must name the chosen source type on
// its first line (a CSV file has no such line). A file that cannot be
// opened is left to the run, which reports it.
bool SourceFileMatches(Run& run, CoordType source) {
  if (SourceFormatOfName(run.s.FileInput) == SourceFormat::kCsv) return true;
  const std::optional<std::string> first = ReadSourceTypeLine(run.s.FileInput);
  if (!first || *first == CoordTypeName(source)) return true;
  if (Say(run.platform, SourceTypeMismatchQuestion(), MessageIcon::kQuestion, MessageButtons::kYesNo) !=
      MessageAnswer::kYes) {
    run.w.fraSet.SetEnabled(true);
    run.w.cboTypeIsx.SetFocus();
    return false;
  }
  run.s.FileInput.clear();
  for (;;) {
    const std::string path = run.platform.ChooseOpenFile(SourceFileDialog(run.w.State().programFolder));
    if (!path.empty()) {
      run.s.FileInput = path;
      run.w.ShowFittedPath(run.w.txtFile, path);
      return true;
    }
    if (Say(run.platform, "Файл не выбран. Повторить выбор?", MessageIcon::kQuestion, MessageButtons::kYesNo) !=
        MessageAnswer::kYes) {
      ResetSettings(run.w);
      return false;
    }
  }
}

RunRequest BuildRequest(const Run& run, CoordType source, CoordType target, const Coords& point) {
  const TransformSettings& s = run.s;
  RunRequest request;
  request.route.source = {s.SourceSystemName, s.SourceBaseName, source, s.SourceVector};
  request.route.target = {s.TargetSystemName, s.TargetBaseName, target, s.TargetVector};
  request.route.global = s.GlobalLink;
  request.route.projection = run.w.State().projection.params;
  request.route.gridFile = s.FileGeoid;
  request.route.heights = s.TypeH == 1 ? HeightType::Geodetic : HeightType::Normal;
  request.route.geoidColumn = s.fGeoid == 1;
  request.sourceFile = s.FileInput.empty() ? kNoFile : s.FileInput;
  request.resultsFile = s.FileResult.empty() ? kNoFile : s.FileResult;
  request.units = s.Units;
  request.typedPoint = point;
  request.formats.source = SourceFormatOfName(s.FileInput);
  request.formats.results = ResultsFormatOfName(s.FileResult);
  request.keepGoing = run.w.chkKeepGoing.Checked();
  return request;
}

std::string Metres(double value) { return FormatWithMask(value, "0.0000"); }

// Step 13, screen output.
void ShowResults(FrmMain& w, CoordType target, const RunResult& result) {
  w.txtGeoid.SetText(FormatWithMask(result.zeta, "0.00"));
  if (target == CoordType::BLH) {
    w.txtLat_Out.SetText(std::string(TrimBlanks(result.latitudeText)));
    w.txtLon_Out.SetText(std::string(TrimBlanks(result.longitudeText)));
  } else {
    w.txtLat_Out.SetText(Metres(result.coords[0]));
    w.txtLon_Out.SetText(Metres(result.coords[1]));
  }
  w.txtHei_Out.SetText(Metres(result.coords[2]));
}

// Step 14: the message of a failed run and what follows it.
void FollowUp(Run& run, ResultCode code, const RunResult& result) {
  FrmMain& w = run.w;
  const bool fileMode = !run.s.FileInput.empty();
  RunContext context{.fileMode = fileMode,
                     .line = result.line,
                     .sourceFile = run.s.FileInput,
                     .resultsFile = run.s.FileResult,
                     .geoidFile = run.s.FileGeoid,
                     .resultsFileExisted = run.resultsFileExisted,
                     .bounds = std::nullopt};
  const RunMessage message = RunMessageOf(code);
  if (message == RunMessage::kOutsideGeoidGrid) context.bounds = BoundsOf(run.s.FileGeoid);
  const MessageIcon icon = message == RunMessage::kRunStopped ? MessageIcon::kInformation
                           : fileMode                         ? MessageIcon::kCritical
                                                              : MessageIcon::kExclamation;
  Say(run.platform, RunResultMessage(code, context), icon);
  if (IsProjectionMessage(message)) {
    if (fileMode) {
      ResetSettings(w);
      return;
    }
    w.ClearResults();
    if (message == RunMessage::kNoValidZone) {
      (w.State().projection.params.source.AxesExchanged() ? w.txtLat_In : w.txtLon_In).SetFocus();
    } else {
      w.fraSet.SetEnabled(true);
    }
    return;
  }
  switch (message) {
    case RunMessage::kOutsideGeoidGrid:
      w.fraSet.SetEnabled(true);
      if (fileMode) return;
      for (Control* box : {&w.txtLat_In, &w.txtLon_In, &w.txtHei_In, &w.txtGeoid, &w.txtHei_Out}) box->SetText("");
      w.txtLat_In.SetFocus();
      return;
    case RunMessage::kGeoidFileNotOpened:
      w.fraSet.SetEnabled(true);
      w.cmdNewGeoid.SetFocus();
      return;
    case RunMessage::kRunStopped:  // the settings stay, for a run again
    case RunMessage::kResultsNotGeographic:  // another target or results file, and again
      w.fraSet.SetEnabled(true);
      return;
    default:
      break;
  }
  ResetSettings(w);
}

}  // namespace

std::optional<int> ParseZoneAnswer(std::string_view text, int maxZone) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty() || trimmed.size() > 6) return std::nullopt;
  std::size_t start = trimmed[0] == '+' || trimmed[0] == '-' ? 1 : 0;
  if (start == trimmed.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = start; i < trimmed.size(); ++i) {
    if (trimmed[i] < '0' || trimmed[i] > '9') return std::nullopt;
    value = value * 10 + (trimmed[i] - '0');
  }
  if (trimmed[0] == '-') value = -value;
  if (value < 0 || value > maxZone) return std::nullopt;
  return value;
}

void Execute(FrmMain& w) {
  Run run{w, w.Settings(), w.Host()};
  TransformSettings& s = run.s;
  if (w.chkScreen.Checked()) w.fraOutFl.SetVisible(false);
  if (!s.FileResult.empty()) {
    s.fOutFile = 1;
    w.fraSet.SetEnabled(false);
    w.cmdNewSet.SetEnabled(true);
  } else {
    w.cmdNewSet.SetEnabled(false);
  }
  if (!ResultsFileChosen(run) || !ProjectionsSet(run) || !LinkBases(run)) return;

  Coords point{};
  if (s.FileInput.empty()) {
    run.style = MessageIcon::kExclamation;
    if (!ReadTypedPoint(run, point)) return;
  }
  AskZoneWhereNeeded(run);
  if (s.FileInput.empty() && !FarEnoughFromCentre(run, point)) return;

  const CoordType source = CodeOf(s.Type_Isx);
  const CoordType target = CodeOf(s.Type_Out);
  if (source == CoordType::XYZ || target == CoordType::XYZ) s.TypeH = 1;
  if (!s.FileInput.empty() && !SourceFileMatches(run, source)) return;

  RunResult result;
  ResultCode code = kOk;
  std::vector<RefusedLine> refused;  // the first of the lines left out
  {
    WaitCursor wait(run.platform);
    w.EnterWorkingFolder();
    std::error_code ignored;
    run.resultsFileExisted = !s.FileResult.empty() && std::filesystem::exists(s.FileResult, ignored);
    RunRequest request = BuildRequest(run, source, target, point);
    request.refused = [&refused](std::int32_t line, ResultCode why) {
      if (refused.size() < kShownRefusedLines) refused.push_back({line, why});
    };
    code = RunTransformation(request, w.State().runCounters, s.ResultHeaderWritten, result, w.Progress());
    w.RunEnded();
  }
  if (code != kOk) {
    FollowUp(run, code, result);
    return;
  }
  if (w.chkScreen.Checked()) {
    ShowResults(w, target, result);
  } else {
    if (result.refused > 0) {
      Say(run.platform, RefusedLinesMessage(result.refused, refused, s.FileInput), MessageIcon::kExclamation);
    } else {
      Say(run.platform, "Вычисления успешно выполнены!", MessageIcon::kInformation);
    }
    ResetSettings(w);
  }
}

}  // namespace vexilor
