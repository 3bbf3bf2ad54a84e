// The results file (.out) as a file run writes it: Windows-1251 with CR LF
// line ends, or UTF-8 with LF for a terminal (FileFormats::utf8).

#include "text/codepage.h"
#include "run/results_composer.h"

namespace vexilor {
namespace {

class OutComposer : public ResultsComposer {
 public:
  explicit OutComposer(const ResultsSpec& spec) : layout_(spec.layout), utf8_(spec.utf8) {}

  std::string Head() const override {
    std::string bytes;
    for (const std::string& line : ResultsHeader(layout_)) {
      const std::size_t from = bytes.size();
      bytes += line;
      EndLine(bytes, from);
    }
    return bytes;
  }

  void AppendPoint(std::string& bytes, std::int32_t number, const SourceRecord&,
                   const PointResult& result) const override {
    const std::size_t from = bytes.size();
    AppendResultLine(bytes, layout_, number, result.coords, result.zeta);
    EndLine(bytes, from);
  }

  TextEncoding Encoding() const override { return utf8_ ? TextEncoding::kUtf8 : TextEncoding::kCp1251; }

 private:
  // The line composed in UTF-8 from `from` on, put in the file's encoding and
  // ended.
  void EndLine(std::string& bytes, std::size_t from) const {
    if (utf8_) {
      bytes += '\n';
      return;
    }
    ToCp1251From(bytes, from);
    bytes += "\r\n";
  }

  ResultsLayout layout_;
  bool utf8_;
};

}  // namespace

std::unique_ptr<ResultsComposer> MakeOutComposer(const ResultsSpec& spec) {
  return std::make_unique<OutComposer>(spec);
}

}  // namespace vexilor
