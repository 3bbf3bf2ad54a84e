#include "state/result_messages.h"

#include <initializer_list>

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
  auto angle = [](double v) { return FormatAngle(v, 1, 2, 1); };
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

std::string ProjectionMessage(ResultCode code, const RunContext& c) {
  std::string text;
  switch (code) {
    case kOrdinateOutsideZone: text = ZoneOrdinate(false); break;
    case kAbscissaOutsideZone: text = ZoneOrdinate(true); break;
    case kLambertFirstCoordinateNegative: text = LambertNegative(false); break;
    case kLambertAbscissaNegative: text = LambertNegative(true); break;
    default: text = NoZone(c.fileMode); break;
  }
  return c.fileMode ? FilePrefix(c) + text : text;
}

}  // namespace

std::string RunResultMessage(ResultCode code, const RunContext& c) {
  const std::string line = std::to_string(c.line);
  switch (code) {
    case kOrdinateOutsideZone:
    case kAbscissaOutsideZone:
    case kLambertFirstCoordinateNegative:
    case kLambertAbscissaNegative:
    case kNoValidZone:
      return ProjectionMessage(code, c);
    case kBadGeoidFile:
      return Join({"Неверный или испорченный файл высот квазигеоида:", c.geoidFile + ".",
                   "Откройте другой файл-матрицу высот квазигеоида."});
    case kOutsideGeoidGrid:
      return OutsideGrid(c);
    case kResultsFileNotOpened:
      return Join({"Ошибка открытия файла для записи результатов", c.resultsFile + ".",
                   "Попробуйте запустить задачу снова."});
    case kSourceFileNotOpened:
      return Join({"Ошибка открытия файла для для ввода исходных", "данных " + c.sourceFile + ".",
                   "Проверьте этот файл и запустите задачу снова."});
    case kValueOutOfRange:
      return Join({"Ошибка данных в строке " + line + " файла:", c.sourceFile + ".",
                   "Исправьте файл исходных данных и", "запустите задачу снова."});
    case kUnreadableLine:
      return Join({"Ошибка чтения файла исходных данных.", c.sourceFile + ". Строка " + line + ".",
                   "Проверьте этот файл и запустите задачу снова."});
    case kGeoidFileNotOpened:
      return Join({"Ошибка открытия файла высот квазигеоида:", c.geoidFile + ".",
                   "Откройте другой файл-матрицу высот квазигеоида."});
    default:
      return Join({"Непредвиденная ошибка с кодом " + std::to_string(code) + ".",
                   "Если эта ошибка будет повторяться в дальнейщем,",
                   "обращайтесь к разработчику программы."});
  }
}

std::string SourceTypeMismatchQuestion() {
  return Join({"Тип  координат  в  исходном  файле", "не совпадает с их типом, выбранным",
               "в \"Установках\". Выбрать другой файл?", "(Иначе изменить тип исходных координат",
               "в \"Установках\")."});
}

std::string ProjectionNotSetMessage(bool sourceSide) {
  return Join({"Не установлены параметры проекции",
               sourceSide ? "для  исходных  координат." : "для  преобразованных  координат."});
}

}  // namespace vexilor
