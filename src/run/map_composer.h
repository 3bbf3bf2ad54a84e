#pragma once
// What the results for maps and receivers - GeoJSON and GPX - share: UTF-8,
// a WGS-84 B L H target (FormatTakesTarget), the point's name and the
// fields of a CSV source as texts.

#include <string>
#include <vector>

#include "run/extra_fields.h"
#include "run/results_composer.h"

namespace vexilor {

class MapComposer : public ResultsComposer {
 public:
  // `taken`: names the format gives properties of its own.
  MapComposer(const ResultsSpec& spec, const std::vector<std::string>& taken);

  TextEncoding Encoding() const override { return TextEncoding::kUtf8; }

 protected:
  const ResultsLayout& Layout() const { return layout_; }
  const ExtraFields& Extra() const { return extra_; }
  // The point's name as the source writes it, without quotes, in UTF-8.
  std::string NameOf(const SourceRecord& record) const;

 private:
  ResultsLayout layout_;
  TextEncoding sourceEncoding_;
  ExtraFields extra_;
};

}  // namespace vexilor
