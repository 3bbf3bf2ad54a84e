#include "run/csv_dialect.h"

#include <array>
#include <fstream>
#include <vector>

#include "text/csv_fields.h"
#include "text/utf8.h"
#include "run/csv_line.h"
#include "run/source_file_reader.h"

namespace vexilor {
namespace {

constexpr std::size_t kSampleLines = 100;
constexpr std::size_t kSampleBytes = 64 * 1024;
// The delimiters a CSV file may use, in the order a tie prefers them: a
// tab or a ";" leaves "," to the decimals.
constexpr std::array<char, 3> kDelimiters = {'\t', ';', ','};

// The first lines of the file, without a byte order mark, blank lines and
// comments: the lines that show the dialect.
struct Sample {
  std::vector<std::string> lines;
  std::vector<std::int32_t> numbers;  // their lines in the file, from 1
};

std::optional<Sample> ReadSample(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  SourceLineReader reader(in);
  Sample sample;
  std::string line;
  for (std::int32_t number = 1; number <= static_cast<std::int32_t>(kSampleLines); ++number) {
    const LineRead read = reader.Next(line);
    if (read == LineRead::kEnd || read == LineRead::kFailed) break;
    if (number == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
    if (read != LineRead::kLine || IsCsvCommentOrBlank(line)) continue;
    sample.lines.push_back(line);
    sample.numbers.push_back(number);
  }
  return sample;
}

// The encoding and the line ends, from the first bytes of the file.
bool ReadEncoding(const std::string& path, CsvDialect& d) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string head(kSampleBytes, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  const std::size_t firstEnd = head.find('\n');
  d.crlf = firstEnd != std::string::npos && firstEnd > 0 && head[firstEnd - 1] == '\r';
  d.byteOrderMark = head.starts_with(kByteOrderMark);
  // A character cut at the end of the sample is no fault of the file.
  const std::size_t lastEnd = head.rfind('\n');
  if (head.size() == kSampleBytes && lastEnd != std::string::npos) head.resize(lastEnd);
  d.encoding = d.byteOrderMark || IsWellFormedUtf8(head) ? TextEncoding::kUtf8 : TextEncoding::kCp1251;
  return true;
}

std::size_t FieldCount(std::string_view line, char delimiter) { return CsvFields(line, delimiter).size(); }

// `d` with its encoding found.
char FindDelimiter(const Sample& sample, CsvDialect d, CoordType type, const SideUnits& units,
                   const NumericLocale& locale) {
  char best = kDelimiters[0];
  std::size_t bestLines = 0;
  for (char delimiter : kDelimiters) {
    d.delimiter = delimiter;
    std::size_t lines = 0;
    for (const std::string& line : sample.lines)
      if (ReadableCoordinateFields(line, d, type, units, locale) == 3) ++lines;
    if (lines > bestLines) {
      best = delimiter;
      bestLines = lines;
    }
  }
  if (bestLines > 0 || sample.lines.empty()) return best;
  for (char delimiter : kDelimiters)
    if (FieldCount(sample.lines.front(), delimiter) > FieldCount(sample.lines.front(), best)) best = delimiter;
  return best;
}

// "," when a coordinate field of the sample holds one, the delimiter
// being another character.
char FindDecimal(const Sample& sample, char delimiter) {
  if (delimiter == ',') return '.';
  for (const std::string& line : sample.lines) {
    LeadingCsvFields fields;
    std::size_t rest = 0;
    const std::size_t found = SplitCsvFields(line, delimiter, fields, rest);
    for (std::size_t k = 1; k < found; ++k)
      if (fields[k].find(',') != std::string_view::npos) return ',';
  }
  return '.';
}

}  // namespace

CsvDialect InSourceDialect(std::optional<char> delimiter) {
  CsvDialect d;
  d.delimiter = delimiter.value_or(';');
  d.decimal = d.delimiter == ',' ? '.' : ',';
  return d;
}

ResultCode DetectCsvDialect(const std::string& path, std::optional<char> delimiter, CoordType type,
                            const SideUnits& units, CsvDialect& out) {
  CsvDialect d;
  const std::optional<Sample> sample = ReadSample(path);
  if (!sample || !ReadEncoding(path, d)) return kSourceFileNotOpened;
  const NumericLocale locale = CurrentNumericLocale();
  d.delimiter = delimiter ? *delimiter : FindDelimiter(*sample, d, type, units, locale);
  d.decimal = FindDecimal(*sample, d.delimiter);
  if (!sample->lines.empty() && ReadableCoordinateFields(sample->lines.front(), d, type, units, locale) == 0) {
    d.headerLine = sample->numbers.front();
    d.header = sample->lines.front();
  }
  out = d;
  return kOk;
}

}  // namespace vexilor
