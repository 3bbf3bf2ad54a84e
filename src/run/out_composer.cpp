// The results file (.out) as a file run writes it: Windows-1251 with CR LF
// line ends, or UTF-8 with LF for a terminal (FileFormats::utf8).

#include <algorithm>

#include "text/codepage.h"
#include "run/results_composer.h"

namespace vexilor {
namespace {

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

class OutComposer : public ResultsComposer {
 public:
  explicit OutComposer(const ResultsSpec& spec) : layout_(spec.layout), utf8_(spec.utf8) {}

  std::string Head() const override {
    std::string bytes;
    for (const std::string& line : ResultsHeader(layout_)) Append(bytes, line);
    return bytes;
  }

  void AppendPoint(std::string& bytes, std::int32_t number, const SourceRecord&,
                   const PointResult& result) const override {
    const std::size_t from = bytes.size();
    AppendResultLine(bytes, layout_, number, result.coords, result.zeta);
    // A line of ASCII alone is the same bytes in both encodings.
    if (!utf8_ && !std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(), IsAscii)) {
      const std::string line = bytes.substr(from);
      bytes.resize(from);
      AppendCp1251(bytes, line);
    }
    bytes += utf8_ ? "\n" : "\r\n";
  }

  TextEncoding Encoding() const override { return utf8_ ? TextEncoding::kUtf8 : TextEncoding::kCp1251; }

 private:
  void Append(std::string& bytes, const std::string& line) const {
    if (utf8_) {
      bytes += line;
      bytes += '\n';
    } else {
      AppendCp1251(bytes, line);
      bytes += "\r\n";
    }
  }

  ResultsLayout layout_;
  bool utf8_;
};

}  // namespace

std::unique_ptr<ResultsComposer> MakeOutComposer(const ResultsSpec& spec) {
  return std::make_unique<OutComposer>(spec);
}

}  // namespace vexilor
