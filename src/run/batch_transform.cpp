#include "run/batch_transform.h"

#include <algorithm>

#include "run/line_fault.h"

namespace vexilor {

BatchTransform::BatchTransform(const PointRoute& route, const PointLineReader& reader,
                               const ResultsComposer& composer, GridSession& grid, int members, bool keepGoing)
    : route_(route), reader_(reader), composer_(composer), keepGoing_(keepGoing), crew_(members) {
  for (int m = 0; m < crew_.Members(); ++m) lookups_.emplace_back(grid);
}

BatchTransform::~BatchTransform() { Abandon(); }

void BatchTransform::Start(const SourceBatch& batch, std::int32_t firstNumber) {
  atWork_ = 1 - atWork_;
  Work& work = works_[atWork_];
  work.batch = &batch;
  work.firstNumber = firstNumber;
  work.sliceCount = (batch.Size() + kSliceLines - 1) / kSliceLines;
  if (work.slices.size() < work.sliceCount) work.slices.resize(work.sliceCount);
  work.nextSlice = 0;
  work.firstFailed = work.sliceCount;
  crew_.Start([this, &work](int member) { TransformSlices(work, lookups_[static_cast<std::size_t>(member)]); });
  running_ = true;
}

bool BatchTransform::Join() {
  crew_.Finish();
  running_ = false;
  const Work& work = works_[atWork_];
  return work.firstFailed == work.sliceCount;
}

void BatchTransform::Abandon() {
  if (!running_) return;
  works_[atWork_].firstFailed = 0;
  Join();
}

BatchOutcome BatchTransform::Write(ResultsWriter& out, const BatchWritten& done, const LineRefused& refused) {
  // While a batch is at work, the one joined before it.
  const Work& work = works_[running_ ? 1 - atWork_ : atWork_];
  BatchOutcome outcome;
  for (std::size_t s = 0; s < work.sliceCount; ++s) {
    const Slice& slice = work.slices[s];
    if (refused)
      for (const Refusal& r : slice.refused) refused(r.number, r.code);
    if (slice.points > 0) {
      if (written_ > 0) out.WriteEncoded(composer_.Separator());
      out.WriteEncoded(slice.text);
      written_ += static_cast<std::int64_t>(slice.points);
      outcome.last = slice.last;
    }
    outcome.done += slice.done;
    if (slice.code != kOk) {
      outcome.code = slice.code;
      break;
    }
    if (!done(outcome.done)) {
      outcome.stopped = true;
      break;
    }
  }
  return outcome;
}

void BatchTransform::TransformSlices(Work& work, QuasiGeoidLookup& grid) {
  for (std::size_t s = work.nextSlice++; s < work.sliceCount; s = work.nextSlice++)
    if (s < work.firstFailed) TransformSlice(work, s, grid);
}

void BatchTransform::TransformSlice(Work& work, std::size_t s, QuasiGeoidLookup& grid) {
  const SourceBatch& batch = *work.batch;
  Slice& slice = work.slices[s];
  slice.text.clear();
  slice.code = kOk;
  slice.points = 0;
  slice.refused.clear();
  const std::size_t begin = s * kSliceLines;
  const std::size_t end = std::min(begin + kSliceLines, batch.Size());
  slice.done = end - begin;
  for (std::size_t i = begin; i < end; ++i) {
    const auto number = static_cast<std::int32_t>(work.firstNumber + static_cast<std::int32_t>(i));
    const LineRead read = batch.Status(i);
    SourceRecord record;
    bool skipped = false;
    ResultCode code = reader_.Read(read, batch.Text(i), number, record, skipped);
    if (code == kOk && skipped) continue;
    PointResult r;
    if (code == kOk) code = TransformOnePoint(route_, grid, record.coords, r);
    if (code != kOk && keepGoing_ && read != LineRead::kFailed && IsLineFault(code)) {
      slice.refused.push_back({number, code});
      continue;
    }
    if (code != kOk) {
      slice.code = code;
      slice.done = i - begin;
      MarkFailed(work, s);
      return;
    }
    if (slice.points > 0) slice.text += composer_.Separator();
    composer_.AppendPoint(slice.text, number, record, r);
    slice.last = r;
    ++slice.points;
  }
}

void BatchTransform::MarkFailed(Work& work, std::size_t s) {
  // Later slices are not wanted once this one has failed.
  std::size_t failed = work.firstFailed;
  while (s < failed && !work.firstFailed.compare_exchange_weak(failed, s)) {
  }
}

}  // namespace vexilor
