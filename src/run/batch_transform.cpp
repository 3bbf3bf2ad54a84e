#include "run/batch_transform.h"

#include <algorithm>

#include "run/line_fault.h"

namespace vexilor {

BatchTransform::BatchTransform(const PointRoute& route, const PointLineReader& reader,
                               const ResultsComposer& composer, GridSession& grid, int members, bool keepGoing)
    : route_(route), reader_(reader), composer_(composer), keepGoing_(keepGoing), crew_(members) {
  for (int m = 0; m < crew_.Members(); ++m) lookups_.emplace_back(grid);
}

BatchOutcome BatchTransform::Run(const SourceBatch& batch, std::int32_t firstNumber, ResultsWriter& out,
                                 const BatchWritten& done, const LineRefused& refused) {
  batch_ = &batch;
  firstNumber_ = firstNumber;
  const std::size_t slices = (batch.Size() + kSliceLines - 1) / kSliceLines;
  if (slices_.size() < slices) slices_.resize(slices);
  nextSlice_ = 0;
  firstFailed_ = slices;
  crew_.RunOnAll([this, slices](int member) {
    for (std::size_t s = nextSlice_++; s < slices; s = nextSlice_++)
      if (s < firstFailed_) TransformSlice(s, lookups_[static_cast<std::size_t>(member)]);
  });
  BatchOutcome outcome;
  for (std::size_t s = 0; s < slices; ++s) {
    const Slice& slice = slices_[s];
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

void BatchTransform::TransformSlice(std::size_t s, QuasiGeoidLookup& grid) {
  Slice& slice = slices_[s];
  slice.text.clear();
  slice.code = kOk;
  slice.points = 0;
  slice.refused.clear();
  const std::size_t begin = s * kSliceLines;
  const std::size_t end = std::min(begin + kSliceLines, batch_->Size());
  slice.done = end - begin;
  for (std::size_t i = begin; i < end; ++i) {
    const auto number = static_cast<std::int32_t>(firstNumber_ + static_cast<std::int32_t>(i));
    const LineRead read = batch_->Status(i);
    SourceRecord record;
    bool skipped = false;
    ResultCode code = reader_.Read(read, batch_->Text(i), number, record, skipped);
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
      MarkFailed(s);
      return;
    }
    if (slice.points > 0) slice.text += composer_.Separator();
    composer_.AppendPoint(slice.text, number, record, r);
    slice.last = r;
    ++slice.points;
  }
}

void BatchTransform::MarkFailed(std::size_t s) {
  // Later slices are not wanted once this one has failed.
  std::size_t failed = firstFailed_;
  while (s < failed && !firstFailed_.compare_exchange_weak(failed, s)) {
  }
}

}  // namespace vexilor
