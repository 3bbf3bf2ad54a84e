#include "service/sheet_frame.h"

#include <vector>

#include "service/sheet_alphabet_hint.h"
#include "service/sheet_parts.h"
#include "service/sheet_scales.h"
#include "text/text_edit.h"
#include "text/utf8.h"

namespace vexilor {
namespace {

constexpr std::size_t kShortestText = 6;  // code points: "(N) " and a row letter at least
constexpr std::size_t kMarkLength = 3;    // "(N)"
constexpr int kMostDashes = 5;            // 1:10 000

// Edges of a sheet in milliarcseconds: latitudes as β, from the equator
// towards the pole, pole-side edge first; longitudes east of Greenwich.
struct MasFrame {
  Milliarcseconds poleSide = 0;
  Milliarcseconds equatorSide = 0;
  Milliarcseconds west = 0;
  Milliarcseconds east = 0;
};

SheetFrameResult Refused(FrameCode code, std::string message) { return {code, {}, std::move(message)}; }

// `hint`, when there is one, says on a second line why the name is refused.
SheetFrameResult InvalidName(std::string_view text, const std::string& hint = "") {
  return Refused(FrameCode::kInvalidName,
                 "Неверная номенклатура " + std::string(text) + "." + (hint.empty() ? "" : "\r\n" + hint));
}

// The name split at every "-"; more than the finest scale's parts stop the
// split (such a name fits no scale).
std::vector<std::string_view> DashParts(std::string_view name) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t dash = name.find('-'); dash != std::string_view::npos && parts.size() <= kMostDashes;
       dash = name.find('-', start)) {
    parts.push_back(name.substr(start, dash - start));
    start = dash + 1;
  }
  parts.push_back(name.substr(start));
  return parts;
}

std::optional<int> RowOfLetter(std::string_view part) {
  if (part.size() != 1) return std::nullopt;
  const char letter = part[0] >= 'a' && part[0] <= 'z' ? static_cast<char>(part[0] - 'a' + 'A') : part[0];
  if (letter < 'A' || letter > 'A' + kLastRow - 1) return std::nullopt;
  return letter - 'A' + 1;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> ColumnOfNumber(std::string_view part) {
  if (part.empty() || part.size() > 2 || !IsDigit(part[0]) || !IsDigit(part.back())) return std::nullopt;
  const int column = part.size() == 1 ? part[0] - '0' : (part[0] - '0') * 10 + (part[1] - '0');
  if (column < 1 || column > kLastColumn) return std::nullopt;
  return column;
}

// The hemisphere's sign from the mark's second character, 0 when there is
// no mark.
int HemisphereSign(std::string_view text) {
  std::size_t pos = 0;
  for (int i = 0; i < 2; ++i) {
    if (pos >= text.size()) return 0;
    const char32_t c = DecodeCodePoint(text, pos);
    if (i == 1 && (c == U'N' || c == U'n')) return 1;
    if (i == 1 && (c == U'S' || c == U's')) return -1;
  }
  return 0;
}

double Degrees(Milliarcseconds mas) { return static_cast<double>(mas) / static_cast<double>(kMasPerDegree); }

SheetFrame InDegrees(const MasFrame& f, int sign) {
  MasFrame g = f;
  // A sheet wholly west of Greenwich is given east of it.
  if (g.west < 0 && g.east <= 0) {
    g.west += 360 * kMasPerDegree;
    g.east += 360 * kMasPerDegree;
  }
  if (sign > 0) return {Degrees(g.poleSide), Degrees(g.equatorSide), Degrees(g.west), Degrees(g.east)};
  return {Degrees(-g.equatorSide), Degrees(-g.poleSide), Degrees(g.west), Degrees(g.east)};
}

}  // namespace

SheetFrameResult ComputeSheetFrame(std::int32_t scale, std::string_view text) {
  const auto splits = SheetSplits(scale);
  if (!splits) return Refused(FrameCode::kUnsupportedScale, UnsupportedScaleMessage(scale));
  const int sign = HemisphereSign(text);
  if (sign == 0) return Refused(FrameCode::kNoHemisphere, "В номенклатуре не указано полушарие: (N) или (S).");
  if (CodePointCount(text) < kShortestText) return InvalidName(text);

  const std::string_view name = TrimBlanks(text.substr(FirstCodePoints(text, kMarkLength).size()));
  const std::vector<std::string_view> parts = DashParts(name);
  if (parts.size() != splits->size() + 2)
    return Refused(FrameCode::kNameDoesNotFitScale, "Номенклатура " + std::string(text) +
                                                        " не соответствует\r\nмасштабу 1 : " + ScaleText(scale) + ".");
  const auto row = RowOfLetter(parts[0]);
  if (!row) return InvalidName(text, RowAlphabetHint(parts[0]));
  const auto column = ColumnOfNumber(parts[1]);
  if (!column) return InvalidName(text);

  MasFrame f;
  f.poleSide = *row * kRowHeight;
  f.west = (*column - 31) * kColumnWidth;
  f.equatorSide = f.poleSide - kRowHeight;
  f.east = f.west + kColumnWidth;
  for (std::size_t k = 0; k < splits->size(); ++k) {
    const SheetSplit& split = (*splits)[k];
    const auto cell = ReadSheetPart(split, parts[k + 2]);
    if (!cell) return InvalidName(text, PartAlphabetHint(split.part, parts[k + 2]));
    f.poleSide -= (cell->row - 1) * split.height;
    f.equatorSide = f.poleSide - split.height;
    f.west += (cell->column - 1) * split.width;
    f.east = f.west + split.width;
  }
  return {FrameCode::kSuccess, InDegrees(f, sign), ""};
}

}  // namespace vexilor
