#pragma once
// The bytes of a file run's results in the format asked for: what comes
// before the first point, each point, what stands between two points and
// what closes the file. A composer keeps no state: the work crew's threads
// compose their points at once, and the run writes them in the file's
// order.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "text/codepage.h"
#include "run/csv_dialect.h"
#include "run/file_formats.h"
#include "run/point_pipeline.h"
#include "run/results_file.h"
#include "run/source_record.h"

namespace vexilor {

// What the results of a run are made of.
struct ResultsSpec {
  ResultsLayout layout;  // the target: system, type, units, heights, the quasi-geoid column
  ResultsFormat format = ResultsFormat::kOut;
  bool utf8 = false;  // .out and CSV in UTF-8 with LF (FileFormats::utf8)
  CoordType sourceType = CoordType::BLH;
  // How the source is written: as detected for CSV, InSourceDialect for an
  // .in; CSV results are written the same way.
  CsvDialect source;
};

class ResultsComposer {
 public:
  virtual ~ResultsComposer() = default;

  virtual std::string Head() const = 0;
  // Appends the bytes of the point read from line `number` of the source
  // (the .out numbers its lines so), transformed into `result`.
  virtual void AppendPoint(std::string& bytes, std::int32_t number, const SourceRecord& record,
                           const PointResult& result) const = 0;
  // What stands between two points besides their own bytes.
  virtual std::string_view Separator() const { return {}; }
  virtual std::string Tail() const { return {}; }
  // The encoding of the bytes composed.
  virtual TextEncoding Encoding() const = 0;
};

std::unique_ptr<ResultsComposer> MakeResultsComposer(const ResultsSpec& spec);

// The composers of each format (out_composer.cpp, csv_composer.cpp,
// geojson_composer.cpp, gpx_composer.cpp).
std::unique_ptr<ResultsComposer> MakeOutComposer(const ResultsSpec& spec);
std::unique_ptr<ResultsComposer> MakeCsvComposer(const ResultsSpec& spec);
std::unique_ptr<ResultsComposer> MakeGeoJsonComposer(const ResultsSpec& spec);
std::unique_ptr<ResultsComposer> MakeGpxComposer(const ResultsSpec& spec);

}  // namespace vexilor
