#include "state/result_messages.h"

#include <gtest/gtest.h>

#include <set>

namespace vexilor {
namespace {

RunContext FileContext() {
  RunContext c;
  c.fileMode = true;
  c.line = 12;
  c.sourceFile = "C:\\Work\\Points.in";
  c.resultsFile = "C:\\Work\\Points.out";
  c.geoidFile = "C:\\Vexilor\\wgeoid.mat";
  return c;
}

TEST(RunResultMessage, ProjectionCodesInBothModes) {
  RunContext point;
  EXPECT_EQ(RunResultMessage(kOrdinateOutsideZone, point),
            "В результате преобразования в плоские прямоугольные\r\n"
            "координаты  полученно  неверное значение  ординаты y,\r\n"
            "(y >= 1 000 000 м   или   y < 0).   Причина:\r\n"
            "нестыковка  значений  долготы,  условного  начала  по\r\n"
            "оси y,  долготы осевого  меридиана 1-ой зоны  и/или\r\n"
            "ширины координатных зон. Выполните установки заново\r\n"
            "или введите другой номер координатной зоны.");
  EXPECT_EQ(RunResultMessage(kLambertAbscissaNegative, FileContext()),
            "Ошибка в преобразовании координат. Строка 12\r\n"
            "файл: C:\\Work\\Points.in.\r\n"
            "В результате преобразования в плоские прямоугольные\r\n"
            "координаты  полученно  неверное значение  абсциссы x,\r\n"
            "(x < 0, проекция Ламберта).   Причина:\r\n"
            "неудачный выбор параметров проекции  и/или  неверное\r\n"
            "значение долготы.   Выполните установки заново.");
  const std::string filePoint = RunResultMessage(kNoValidZone, FileContext());
  EXPECT_NE(filePoint.find("\r\nАбсцисса (ордината) НЕ содержит номера зоны или\r\n"), std::string::npos);
  EXPECT_EQ(RunResultMessage(kNoValidZone, point).rfind("Абсцисса ( ордината ) НЕ содержит  номера зоны  или", 0), 0u);
}

TEST(RunResultMessage, FileAndGridCodes) {
  RunContext c = FileContext();
  c.bounds = GridBounds{90, -90, 0, 360};
  EXPECT_EQ(RunResultMessage(kGridPointOutside, c),
            "Точка вычисления не попадает в границы матрицы ВКГ\r\n"
            "(Bn =    90° 00.0'; Bs =  -90° 00.0'; Lw =     0° 00.0'; Le =     0° 00.0').\r\n"
            "(Строка 12 файла C:\\Work\\Points.in).\r\n"
            "Исправьте этот файл или используйте другой файл -\r\n"
            "- матрицу высот квазигеоида.");
  EXPECT_EQ(RunResultMessage(kUnreadableLine, c),
            "Ошибка чтения файла исходных данных.\r\n"
            "C:\\Work\\Points.in. Строка 12.\r\n"
            "Проверьте этот файл и запустите задачу снова.");
  EXPECT_EQ(RunResultMessage(kValueOutOfRange, c),
            "Ошибка данных в строке 12 файла:\r\nC:\\Work\\Points.in.\r\n"
            "Исправьте файл исходных данных и\r\nзапустите задачу снова.");
  EXPECT_EQ(RunResultMessage(kGridFileNotOpened, c),
            "Ошибка открытия файла высот квазигеоида:\r\nC:\\Vexilor\\wgeoid.mat.\r\n"
            "Откройте другой файл-матрицу высот квазигеоида.");
  EXPECT_EQ(RunResultMessage(kSourceFileNotOpened, c),
            "Ошибка открытия файла для для ввода исходных\r\nданных C:\\Work\\Points.in.\r\n"
            "Проверьте этот файл и запустите задачу снова.");
}

TEST(RunResultMessage, EveryOtherCodeIsUnexpected) {
  struct Case { ResultCode code; int shown; };
  const Case cases[] = {{kUnknownCoordType, 1}, {kSemiMajorAxisOutOfRange, 2}, {kProjectionNotFinite, 4},
                        {kNoRoute, 100}, {kGridInterpolationFailed, 7}};
  for (const Case& c : cases)
    EXPECT_EQ(RunResultMessage(c.code, RunContext{}),
              "Непредвиденная ошибка с кодом " + std::to_string(c.shown) +
                  ".\r\nЕсли эта ошибка будет повторяться в дальнейщем,\r\n"
                  "обращайтесь к разработчику программы.")
        << c.code;
}

// The numbers users see - in the window's messages and as vexilor-cli's exit
// status - are those the program has always given, whatever the engine's
// codes; the engine's codes name one cause each.
TEST(RunMessageOf, EveryEngineCodeKeepsTheNumberUsersKnow) {
  struct Case { ResultCode code; int number; };
  const Case cases[] = {
      {kOk, 0},
      {kOrdinateOutsideZone, 101}, {kAbscissaOutsideZone, 102},
      {kLambertFirstCoordinateNegative, 103}, {kLambertAbscissaNegative, 104},
      {kNoValidZone, 105},
      {kGridBadHeader, 106}, {kGridBadFormat, 106},
      {kGridPointOutside, 107},
      {kResultsFileNotOpened, 108}, {kResultsFileNotWritten, 108}, {kSourceFileNotOpened, 109},
      {kValueOutOfRange, 110}, {kUnreadableLine, 111}, {kLineTooLong, 111},
      {kGridFileNotFound, 112}, {kGridFileNotOpened, 112},
      {kUnknownCoordType, 1}, {kBaseNotGlobal, 1},
      {kSemiMajorAxisOutOfRange, 2},
      {kGeodeticConversionFailed, 4}, {kProjectionNotFinite, 4}, {kCoordinatesNotFinite, 4},
      {kLinkResultNotFinite, 4},
      {kGridWindowUnreadable, 6}, {kGridInterpolationFailed, 7},
      {kNoRoute, 100},
      {kFitTooFewPoints, 114}, {kFitPointsInLine, 115}, {kFitPointUnmatched, 116}, {kFitPointRepeated, 116},
      {kFitValueNotFinite, 4},
      {kResultsNotGeographic, 117},
  };
  std::set<ResultCode> codes;
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<int>(RunMessageOf(c.code)), c.number) << c.code;
    EXPECT_TRUE(codes.insert(c.code).second) << c.code << " names two causes";
  }
}

// The lines a run left out are counted, and the first of them listed with
// their reasons in a few words.
TEST(RefusedLinesMessage, CountsTheLinesAndListsTheFirst) {
  const std::vector<RefusedLine> shown = {
      {2, kUnreadableLine}, {3, kLineTooLong}, {5, kValueOutOfRange}, {8, kOrdinateOutsideZone},
      {9, kGridPointOutside}, {13, kLambertAbscissaNegative}, {21, kCoordinatesNotFinite}};
  EXPECT_EQ(RefusedLinesMessage(30, shown, "/data/points.csv"),
            "Вычисления выполнены, но не все строки файла\r\n/data/points.csv\r\n"
            "преобразованы. Пропущено строк: 30.\r\n"
            "Строка 2: строка не читается.\r\n"
            "Строка 3: строка не читается.\r\n"
            "Строка 5: значение вне допустимых пределов.\r\n"
            "Строка 8: ордината y вне зоны.\r\n"
            "Строка 9: точка вне матрицы ВКГ.\r\n"
            "Строка 13: отрицательная абсцисса x (проекция Ламберта).\r\n"
            "Строка 21: непредвиденная ошибка с кодом 4.\r\n"
            "... и еще 23.");
}

}  // namespace
}  // namespace vexilor
