#include "refdata/ellipsoid_record.h"

#include <string>
#include <utility>
#include <vector>

#include "text/shortest_double.h"
#include "text/words.h"

namespace vexilor {
namespace {

constexpr std::size_t kFieldWords = 3;  // number, a, 1/f after the name

constexpr int kNameWidth = 26;
constexpr int kNumberWidth = 3;
constexpr int kAxisWidth = 13;
constexpr int kInverseFlatteningWidth = 14;

}  // namespace

RecordError ParseEllipsoidLine(std::string_view line, Ellipsoid& out) {
  const std::vector<std::string> words = SplitWords(line, kRecordWordCapacity);
  if (words.size() < kFieldWords + 1) return RecordError::kTooFewWords;
  const std::size_t n = words.size() - kFieldWords;
  Ellipsoid parsed;
  parsed.name = JoinWords(words, 0, n);
  if (!ReadRecordInt16(words[n], parsed.number) || !ReadRecordDouble(words[n + 1], parsed.a) ||
      !ReadRecordDouble(words[n + 2], parsed.invf)) {
    return RecordError::kBadNumber;
  }
  out = std::move(parsed);
  return RecordError::kNone;
}

std::string FormatEllipsoidLine(const Ellipsoid& ellipsoid) {
  return RecordColumn(ellipsoid.name, kNameWidth) +
         RecordColumn(std::to_string(ellipsoid.number), kNumberWidth) +
         RecordColumn(ShortestDoubleText(ellipsoid.a), kAxisWidth) +
         RecordColumn(ShortestDoubleText(ellipsoid.invf), kInverseFlatteningWidth);
}

EllipsoidSearch FindEllipsoid(const EllipsoidLines& lines, std::int16_t number, Ellipsoid& out) {
  for (const std::string& line : lines) {
    Ellipsoid ellipsoid;
    if (ParseEllipsoidLine(line, ellipsoid) != RecordError::kNone) return EllipsoidSearch::kBadFile;
    if (ellipsoid.number == number) {
      out = std::move(ellipsoid);
      return EllipsoidSearch::kFound;
    }
  }
  return EllipsoidSearch::kNotFound;
}

}  // namespace vexilor
