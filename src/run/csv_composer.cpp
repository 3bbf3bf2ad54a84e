// CSV results: each point line of the source again, its name and the fields
// after its coordinates as the source writes them, the coordinates in the
// target's type and units with the masks of the .out columns and the
// source's decimal separator, the quasi-geoid height after them when asked
// for. The header, delimiter, encoding and line ends are those of the
// source (UTF-8 with LF for FileFormats::utf8); the header's coordinate
// titles stay where the target's type is the source's, else they name the
// target's axes, and the quasi-geoid column is titled "zeta".

#include <algorithm>
#include <array>

#include "text/csv_fields.h"
#include "text/text_edit.h"
#include "run/csv_line.h"
#include "run/results_composer.h"

namespace vexilor {
namespace {

constexpr std::string_view kZetaTitle = "zeta";

std::array<std::string_view, 3> AxisTitles(CoordType type) {
  switch (type) {
    case CoordType::XYZ: return {"X", "Y", "Z"};
    case CoordType::xyH: return {"x", "y", "H"};
    case CoordType::BLH: break;
  }
  return {"B", "L", "H"};
}

class CsvComposer : public ResultsComposer {
 public:
  explicit CsvComposer(const ResultsSpec& spec)
      : layout_(spec.layout),
        source_(spec.source),
        sourceType_(spec.sourceType),
        utf8_(spec.utf8 || spec.source.encoding == TextEncoding::kUtf8),
        convert_(utf8_ && spec.source.encoding == TextEncoding::kCp1251),
        lineEnd_(!spec.utf8 && spec.source.crlf ? "\r\n" : "\n"),
        byteOrderMark_(!spec.utf8 && spec.source.byteOrderMark) {}

  std::string Head() const override {
    std::string bytes(byteOrderMark_ ? kByteOrderMark : "");
    if (source_.headerLine != 0) bytes += HeaderLine() + lineEnd_;
    return bytes;
  }

  void AppendPoint(std::string& bytes, std::int32_t, const SourceRecord& record,
                   const PointResult& result) const override {
    bytes += Raw(record.name);
    for (const std::string& value : ResultValues(layout_, result.coords)) {
      bytes += source_.delimiter;
      bytes += Decimal(std::string(TrimBlanks(value)));
    }
    if (layout_.geoidColumn) {
      bytes += source_.delimiter;
      bytes += Decimal(ZetaText(result.zeta));
    }
    bytes += Raw(record.extra);
    bytes += lineEnd_;
  }

  TextEncoding Encoding() const override { return utf8_ ? TextEncoding::kUtf8 : TextEncoding::kCp1251; }

 private:
  // Text of the source in the encoding written.
  std::string Raw(std::string_view bytes) const { return convert_ ? Cp1251ToUtf8(bytes) : std::string(bytes); }

  std::string Decimal(std::string number) const {
    std::replace(number.begin(), number.end(), '.', source_.decimal);
    return number;
  }

  std::string HeaderLine() const {
    LeadingCsvFields fields;
    std::size_t rest = 0;
    const std::size_t found = SplitCsvFields(source_.header, source_.delimiter, fields, rest);
    std::array<std::string_view, 3> titles = AxisTitles(layout_.type);
    if (found == fields.size() && layout_.type == sourceType_) titles = {fields[1], fields[2], fields[3]};
    std::string line(fields[0]);
    for (std::string_view title : titles) (line += source_.delimiter) += title;
    if (layout_.geoidColumn) (line += source_.delimiter) += kZetaTitle;
    return Raw(line + std::string(source_.header.substr(rest)));
  }

  ResultsLayout layout_;
  CsvDialect source_;
  CoordType sourceType_;
  bool utf8_;            // written in UTF-8
  bool convert_;         // the source's Windows-1251 written as UTF-8
  std::string lineEnd_;
  bool byteOrderMark_;
};

}  // namespace

std::unique_ptr<ResultsComposer> MakeCsvComposer(const ResultsSpec& spec) {
  return std::make_unique<CsvComposer>(spec);
}

}  // namespace vexilor
