#include "state/result_messages.h"

#include <initializer_list>

#include "quasigeoid/grid_file.h"
#include "text/angle_text.h"

namespace vexilor {
namespace {

const char* const kBreak = "\r\n";

std::string Join(std::initializer_list<std::string> pieces) {
  std::string text;
  for (const std::string& p : pieces) {
    if (!text.empty()) text += kBreak;
    text += p;
  }
  return text;
}

// The opening of a projection message in file mode.
std::string FilePrefix(const RunContext& c) {
  return "Ошибка в преобразовании координат. Строка " + std::to_string(c.line) + kBreak +
         "файл: " + c.sourceFile + "." + kBreak;
}

// Codes 101 and 102: a zoned coordinate outside its zone.
std::string ZoneOrdinate(bool abscissa) {
  return Join({"В результате преобразования в плоские прямоугольные",
               abscissa ? "координаты  полученно  неверное значение  абсциссы x,"
                        : "координаты  полученно  неверное значение  ординаты y,",
               abscissa ? "(x >= 1 000 000 м   или   x < 0).   Причина:"
                        : "(y >= 1 000 000 м   или   y < 0).   Причина:",
               "нестыковка  значений  долготы,  условного  начала  по",
               abscissa ? "оси x,  долготы осевого  меридиана 1-ой зоны  и/или"
                        : "оси y,  долготы осевого  меридиана 1-ой зоны  и/или",
               "ширины координатных зон. Выполните установки заново",
               "или введите другой номер координатной зоны."});
}

// Codes 103 and 104: a negative Lambert coordinate.
std::string LambertNegative(bool abscissa) {
  return Join({"В результате преобразования в плоские прямоугольные",
               abscissa ? "координаты  полученно  неверное значение  абсциссы x,"
                        : "координаты  полученно  неверное значение  ординаты y,",
               abscissa ? "(x < 0, проекция Ламберта).   Причина:"
                        : "(y < 0, проекция Ламберта).   Причина:",
               "неудачный выбор параметров проекции  и/или  неверное",
               "значение долготы.   Выполните установки заново."});
}

std::string NoZone(bool fileMode) {
  return Join({fileMode ? "Абсцисса (ордината) НЕ содержит номера зоны или"
                        : "Абсцисса ( ордината ) НЕ содержит  номера зоны  или",
               "номер зоны НЕВЕРНЫЙ (проекции Гаусса-Крюгера или UTM),",
               "что делает  невозможным  вычисление  долготы  осевого",
               "меридиана. Введите новое значение абсциссы (ординаты),",
               "содержащее ВЕРНЫЙ номер зоны."});
}

std::string BoundsText(const std::optional<GridBounds>& b) {
  if (!b) return "";
  auto angle = [](double v) { return FormatAngle(v, {AngleColumns::DegMin, 1, AngleMarks::Symbols}); };
  return "(Bn = " + angle(b->north) + "; Bs = " + angle(b->south) + "; Lw = " + angle(b->west) +
         "; Le = " + angle(b->east) + ").";
}

std::string OutsideGrid(const RunContext& c) {
  const std::string head = "Точка вычисления не попадает в границы матрицы ВКГ";
  if (!c.fileMode)
    return Join({head, BoundsText(c.bounds), "Введите новые координаты точки или используйте",
                 "другой файл-матрицу высот квазигеоида."});
  return Join({head, BoundsText(c.bounds),
               "(Строка " + std::to_string(c.line) + " файла " + c.sourceFile + ").",
               "Исправьте этот файл или используйте другой файл -",
               "- матрицу высот квазигеоида."});
}

std::string ProjectionMessage(RunMessage message, const RunContext& c) {
  std::string text;
  switch (message) {
    case RunMessage::kOrdinateOutsideZone: text = ZoneOrdinate(false); break;
    case RunMessage::kAbscissaOutsideZone: text = ZoneOrdinate(true); break;
    case RunMessage::kLambertFirstCoordinateNegative: text = LambertNegative(false); break;
    case RunMessage::kLambertAbscissaNegative: text = LambertNegative(true); break;
    default: text = NoZone(c.fileMode); break;
  }
  return c.fileMode ? FilePrefix(c) + text : text;
}

// A failure inside the engine that no message words, shown as an unexpected
// error under the number the program has always given it.
constexpr RunMessage Unexpected(std::int16_t number) { return static_cast<RunMessage>(number); }

}  // namespace

bool IsProjectionMessage(RunMessage message) {
  return message >= RunMessage::kOrdinateOutsideZone && message <= RunMessage::kNoValidZone;
}

// One case for every code, without a default: a code added to the engine
// without its number here does not compile (-Wswitch).
RunMessage RunMessageOf(ResultCode code) {
  switch (code) {
    case kOk: return RunMessage::kDone;
    case kOrdinateOutsideZone: return RunMessage::kOrdinateOutsideZone;
    case kAbscissaOutsideZone: return RunMessage::kAbscissaOutsideZone;
    case kLambertFirstCoordinateNegative: return RunMessage::kLambertFirstCoordinateNegative;
    case kLambertAbscissaNegative: return RunMessage::kLambertAbscissaNegative;
    case kNoValidZone: return RunMessage::kNoValidZone;
    case kGridBadHeader:
    case kGridBadFormat: return RunMessage::kBadGeoidFile;
    case kGridPointOutside: return RunMessage::kOutsideGeoidGrid;
    case kResultsFileNotOpened:
    case kResultsFileNotWritten: return RunMessage::kResultsFileNotOpened;
    case kSourceFileNotOpened: return RunMessage::kSourceFileNotOpened;
    case kValueOutOfRange: return RunMessage::kValueOutOfRange;
    case kUnreadableLine:
    case kLineTooLong: return RunMessage::kUnreadableLine;
    case kRunStopped: return RunMessage::kRunStopped;
    case kFitTooFewPoints: return RunMessage::kFitTooFewPoints;
    case kFitPointsInLine: return RunMessage::kFitPointsInLine;
    case kFitPointUnmatched:
    case kFitPointRepeated: return RunMessage::kFitPointsUnpaired;
    // A grid file that is not there cannot be opened either.
    case kGridFileNotFound:
    case kGridFileNotOpened: return RunMessage::kGeoidFileNotOpened;
    case kUnknownCoordType:
    case kBaseNotGlobal: return Unexpected(1);
    case kSemiMajorAxisOutOfRange: return Unexpected(2);
    case kGeodeticConversionFailed:
    case kProjectionNotFinite:
    case kCoordinatesNotFinite:
    case kLinkResultNotFinite:
    case kFitValueNotFinite: return Unexpected(4);
    case kGridWindowUnreadable: return Unexpected(6);
    case kGridInterpolationFailed: return Unexpected(7);
    case kNoRoute: return Unexpected(100);
    case kResultsNotGeographic: return RunMessage::kResultsNotGeographic;
  }
  return Unexpected(static_cast<std::int16_t>(code));  // a value no enumerator names
}

std::string RunResultMessage(ResultCode code, const RunContext& c) {
  const std::string line = std::to_string(c.line);
  const RunMessage message = RunMessageOf(code);
  if (IsProjectionMessage(message)) return ProjectionMessage(message, c);
  switch (message) {
    case RunMessage::kBadGeoidFile:
      return Join({"Неверный или испорченный файл высот квазигеоида:", c.geoidFile + ".",
                   "Откройте другой файл-матрицу высот квазигеоида."});
    case RunMessage::kOutsideGeoidGrid:
      return OutsideGrid(c);
    case RunMessage::kResultsFileNotOpened:
      return Join({"Ошибка открытия файла для записи результатов", c.resultsFile + ".",
                   "Попробуйте запустить задачу снова."});
    case RunMessage::kSourceFileNotOpened:
      return Join({"Ошибка открытия файла для для ввода исходных", "данных " + c.sourceFile + ".",
                   "Проверьте этот файл и запустите задачу снова."});
    case RunMessage::kValueOutOfRange:
      return Join({"Ошибка данных в строке " + line + " файла:", c.sourceFile + ".",
                   "Исправьте файл исходных данных и", "запустите задачу снова."});
    case RunMessage::kUnreadableLine:
      return Join({"Ошибка чтения файла исходных данных.", c.sourceFile + ". Строка " + line + ".",
                   "Проверьте этот файл и запустите задачу снова."});
    case RunMessage::kGeoidFileNotOpened:
      return Join({"Ошибка открытия файла высот квазигеоида:", c.geoidFile + ".",
                   "Откройте другой файл-матрицу высот квазигеоида."});
    case RunMessage::kRunStopped:
      // The results of a stopped run are dropped; a results file of an
      // earlier run under that name stays as it was.
      return Join({"Преобразование прервано.", "Файл результатов", c.resultsFile,
                   c.resultsFileExisted ? "не изменен." : "не создан."});
    case RunMessage::kFitTooFewPoints:
      return Join({"Недостаточно общих точек для вычисления параметров связи:",
                   "для семи параметров нужны не менее трех точек, для трех сдвигов - одна."});
    case RunMessage::kFitPointsInLine:
      return Join({"Общие точки лежат на одной прямой или почти на ней:",
                   "поворот вокруг этой прямой не определяется. Добавьте точки",
                   "в стороне от нее или вычислите только три сдвига."});
    case RunMessage::kFitPointsUnpaired:
      return Join({"Номера общих точек в двух файлах не совпадают: точка есть",
                   "только в одном из них или повторяется в одном файле.",
                   "Исправьте файлы или исключите эти точки."});
    case RunMessage::kResultsNotGeographic:
      return Join({"Файлы GeoJSON и GPX содержат широты и долготы WGS-84.",
                   "Выберите систему преобразования WGS 1984 и тип",
                   "координат B L H или файл результатов другого типа."});
    default:
      return Join({"Непредвиденная ошибка с кодом " + std::to_string(static_cast<int>(message)) + ".",
                   "Если эта ошибка будет повторяться в дальнейщем,",
                   "обращайтесь к разработчику программы."});
  }
}

namespace {

// Why a line was left out, in a few words.
std::string RefusalReason(ResultCode code) {
  const RunMessage message = RunMessageOf(code);
  switch (message) {
    case RunMessage::kOrdinateOutsideZone: return "ордината y вне зоны";
    case RunMessage::kAbscissaOutsideZone: return "абсцисса x вне зоны";
    case RunMessage::kLambertFirstCoordinateNegative: return "отрицательная ордината y (проекция Ламберта)";
    case RunMessage::kLambertAbscissaNegative: return "отрицательная абсцисса x (проекция Ламберта)";
    case RunMessage::kNoValidZone: return "нет верного номера зоны";
    case RunMessage::kOutsideGeoidGrid: return "точка вне матрицы ВКГ";
    case RunMessage::kValueOutOfRange: return "значение вне допустимых пределов";
    case RunMessage::kUnreadableLine: return "строка не читается";
    default: return "непредвиденная ошибка с кодом " + std::to_string(static_cast<int>(message));
  }
}

}  // namespace

std::string RefusedLinesMessage(std::int64_t refused, const std::vector<RefusedLine>& shown,
                                const std::string& sourceFile) {
  std::string text = Join({"Вычисления выполнены, но не все строки файла", sourceFile,
                           "преобразованы. Пропущено строк: " + std::to_string(refused) + "."});
  for (const RefusedLine& r : shown) text += kBreak + ("Строка " + std::to_string(r.line) + ": " + RefusalReason(r.code) + ".");
  const auto more = refused - static_cast<std::int64_t>(shown.size());
  if (more > 0) text += kBreak + ("... и еще " + std::to_string(more) + ".");
  return text;
}

std::string SourceTypeMismatchQuestion() {
  return Join({"Тип  координат  в  исходном  файле", "не совпадает с их типом, выбранным",
               "в \"Установках\". Выбрать другой файл?", "(Иначе изменить тип исходных координат",
               "в \"Установках\")."});
}

std::string ProjectionNotSetMessage(Side side) {
  return Join({"Не установлены параметры проекции",
               side == Side::Source ? "для  исходных  координат." : "для  преобразованных  координат."});
}

std::string ReplaceFileQuestion(const std::string& path) {
  return "Файл " + path + "\r\nуже существует. Заменить его?";
}

std::optional<GridBounds> BoundsOf(const std::string& gridFile) {
  GridFile grid;
  if (grid.Open(gridFile, kGridSignature) != kOk) return std::nullopt;
  const GridGeometry& g = grid.Geometry();
  return GridBounds{g.north, g.south, g.west, g.east};
}

}  // namespace vexilor
