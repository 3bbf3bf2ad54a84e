#pragma once
// The point lines of a source file, a batch at a time, transformed on every
// member of a crew of threads into the bytes of the results; the calling
// thread writes one batch and reads the next while the crew works.

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

  // Finishes a batch still at work.
  ~BatchTransform();

  BatchTransform(const BatchTransform&) = delete;
  BatchTransform& operator=(const BatchTransform&) = delete;

  // Lines are taken up and written a slice of this many at a time.
  static constexpr std::size_t kSliceLines = 64;

  // Sets the crew to the lines of `batch` - numbered from `firstNumber` - and
  // returns at once, the calling thread free for reading and writing; `batch`
  // must stay as it is until Join. Each line goes through the per-point
  // sequence exactly as it would on its own, whichever thread takes it. No
  // other batch may be at work.
  void Start(const SourceBatch& batch, std::int32_t firstNumber);

  // Takes part in the batch at work until all its lines are transformed, up
  // to the first line that stops the run. False when such a line was met.
  // The batch then waits to be written while the next one is at work.
  bool Join();

  // Writes the bytes of the points of the batch joined last to `out` in
  // order, up to the first line that stops the run. `done` is called after
  // each whole slice written, `refused` for each line left out.
  BatchOutcome Write(ResultsWriter& out, const BatchWritten& done, const LineRefused& refused);

  // Stops the batch at work, if any: the lines not yet taken up are left,
  // the crew is waited for.
  void Abandon();

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

  // A batch with what its lines came to.
  struct Work {
    const SourceBatch* batch = nullptr;
    std::int32_t firstNumber = 0;
    std::vector<Slice> slices;
    std::size_t sliceCount = 0;
    std::atomic<std::size_t> nextSlice{0};
    std::atomic<std::size_t> firstFailed{0};  // slices after it need no work
  };

  void TransformSlices(Work& work, QuasiGeoidLookup& grid);
  void TransformSlice(Work& work, std::size_t s, QuasiGeoidLookup& grid);
  // Keeps `s` as the first slice that failed, when none before it has.
  static void MarkFailed(Work& work, std::size_t s);

  const PointRoute& route_;
  const PointLineReader& reader_;
  const ResultsComposer& composer_;
  const bool keepGoing_;
  WorkCrew crew_;
  std::deque<QuasiGeoidLookup> lookups_;  // one per member
  std::int64_t written_ = 0;

  // One batch at work while the one before it is written.
  Work works_[2];
  std::size_t atWork_ = 0;
  bool running_ = false;
};

}  // namespace vexilor
