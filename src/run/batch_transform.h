#pragma once
// The point lines of a source file, a batch at a time, transformed on every
// member of a crew of threads into the bytes of the results.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "run/point_line_reader.h"
#include "run/point_pipeline.h"
#include "run/results_composer.h"
#include "run/results_writer.h"
#include "run/source_batch.h"
#include "run/work_crew.h"

namespace vexilor {

// What a batch came to once written.
struct BatchOutcome {
  ResultCode code = kOk;  // of the first line that stopped the run, in file order
  std::size_t done = 0;   // lines of the batch done, all of them before that line
  PointResult last;       // of the last point written
  bool stopped = false;   // the caller asked to stop
};

// Called with the number of lines of the batch done so far; answers false
// to stop the writing there.
using BatchWritten = std::function<bool(std::size_t done)>;

// Called for each line left out, in the file's order: its number and why.
using LineRefused = std::function<void(std::int32_t number, ResultCode code)>;

class BatchTransform {
 public:
  // Every line is read by `reader`, its point carried along `route` with
  // heights from `grid` and composed by `composer`; `members` threads. With
  // `keepGoing`, a line whose failure is its own (IsLineFault) is left out
  // and the lines after it go on; a line the file could not give stops the
  // run all the same.
  BatchTransform(const PointRoute& route, const PointLineReader& reader, const ResultsComposer& composer,
                 GridSession& grid, int members, bool keepGoing);

  // Lines are taken up and written a slice of this many at a time.
  static constexpr std::size_t kSliceLines = 64;

  // Transforms the lines of `batch` - numbered from `firstNumber` - and
  // writes the bytes of their points to `out` in order, up to the first
  // line that stops the run. Each line goes through the per-point sequence
  // exactly as it would on its own, whichever thread takes it. `done` is
  // called after each whole slice written, `refused` for each line left out.
  BatchOutcome Run(const SourceBatch& batch, std::int32_t firstNumber, ResultsWriter& out, const BatchWritten& done,
                   const LineRefused& refused);

  // Points written by every batch so far.
  std::int64_t Written() const { return written_; }

 private:
  struct Refusal {
    std::int32_t number;
    ResultCode code;
  };

  // A run of consecutive lines, taken up by one member.
  struct Slice {
    std::string text;  // the points composed, separated
    ResultCode code = kOk;
    std::size_t done = 0;    // lines done before a failure, or all
    std::size_t points = 0;  // points composed
    PointResult last;
    std::vector<Refusal> refused;
  };

  void TransformSlice(std::size_t s, QuasiGeoidLookup& grid);
  // Keeps `s` as the first slice that failed, when none before it has.
  void MarkFailed(std::size_t s);

  const PointRoute& route_;
  const PointLineReader& reader_;
  const ResultsComposer& composer_;
  const bool keepGoing_;
  WorkCrew crew_;
  std::deque<QuasiGeoidLookup> lookups_;  // one per member
  std::int64_t written_ = 0;

  // The batch at work.
  const SourceBatch* batch_ = nullptr;
  std::int32_t firstNumber_ = 0;
  std::vector<Slice> slices_;
  std::atomic<std::size_t> nextSlice_{0};
  std::atomic<std::size_t> firstFailed_{0};  // slices after it need no work
};

}  // namespace vexilor
