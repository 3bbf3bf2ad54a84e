#pragma once
// The point lines of a source file, a batch at a time, transformed on every
// member of a crew of threads into the lines of the results file.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "text/number_text.h"
#include "run/point_pipeline.h"
#include "run/results_file.h"
#include "run/results_writer.h"
#include "run/source_batch.h"
#include "run/units.h"
#include "run/work_crew.h"

namespace vexilor {

// What a batch came to once written.
struct BatchOutcome {
  ResultCode code = kOk;     // of the first line that failed, in file order
  std::size_t written = 0;   // lines written, all of them before that line
  PointResult last;          // of the last line written
  bool stopped = false;      // the caller asked to stop
};

// Called with the number of lines of the batch written so far; answers
// false to stop the writing there.
using BatchWritten = std::function<bool(std::size_t written)>;

class BatchTransform {
 public:
  // Every point is read in the source's `units`, carried along `route` with
  // heights from `grid`, and written as `layout` says; `members` threads.
  BatchTransform(const PointRoute& route, const SideUnits& units, const ResultsLayout& layout,
                 GridSession& grid, int members);

  // Lines are taken up and written a slice of this many at a time.
  static constexpr std::size_t kSliceLines = 64;

  // Transforms the lines of `batch` - numbered from `firstNumber` in the
  // results - and writes their result lines to `out` in order, up to the
  // first line that fails (a line too long is kLineTooLong, one that could
  // not be read kUnreadableLine). Each line goes through the per-point
  // sequence exactly as it would on its own, whichever thread takes it.
  // `written` is called after each whole slice written.
  BatchOutcome Run(const SourceBatch& batch, std::int32_t firstNumber, ResultsWriter& out,
                   const BatchWritten& written);

 private:
  // A run of consecutive lines, taken up by one member.
  struct Slice {
    std::string text;  // result lines, Windows-1251 with CR LF ends
    ResultCode code = kOk;
    std::size_t done = 0;  // lines transformed before a failure, or all
    PointResult last;
  };

  ResultCode ReadPoint(std::size_t i, Coords& point) const;
  void TransformSlice(std::size_t s, QuasiGeoidLookup& grid);

  const PointRoute& route_;
  const SideUnits& units_;
  const ResultsLayout& layout_;
  const NumericLocale locale_;
  WorkCrew crew_;
  std::deque<QuasiGeoidLookup> lookups_;  // one per member

  // The batch at work.
  const SourceBatch* batch_ = nullptr;
  std::int32_t firstNumber_ = 0;
  std::vector<Slice> slices_;
  std::atomic<std::size_t> nextSlice_{0};
  std::atomic<std::size_t> firstFailed_{0};  // slices after it need no work
};

}  // namespace vexilor
