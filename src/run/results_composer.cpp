#include "run/results_composer.h"

namespace vexilor {

std::unique_ptr<ResultsComposer> MakeResultsComposer(const ResultsSpec& spec) {
  switch (spec.format) {
    case ResultsFormat::kOut: break;
    case ResultsFormat::kCsv: return MakeCsvComposer(spec);
    case ResultsFormat::kGeoJson: return MakeGeoJsonComposer(spec);
    case ResultsFormat::kGpx: return MakeGpxComposer(spec);
  }
  return MakeOutComposer(spec);
}

}  // namespace vexilor
