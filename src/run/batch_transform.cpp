#include "run/batch_transform.h"

#include <algorithm>

#include "text/codepage.h"
#include "run/source_line.h"

namespace vexilor {

BatchTransform::BatchTransform(const PointRoute& route, const SideUnits& units,
                               const ResultsLayout& layout, GridSession& grid, int members)
    : route_(route),
      units_(units),
      layout_(layout),
      locale_(CurrentNumericLocale()),
      crew_(members) {
  for (int m = 0; m < crew_.Members(); ++m) lookups_.emplace_back(grid);
}

BatchOutcome BatchTransform::Run(const SourceBatch& batch, std::int32_t firstNumber,
                                 ResultsWriter& out, const BatchWritten& written) {
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
    out.WriteEncoded(slice.text);
    outcome.written += slice.done;
    if (slice.done > 0) outcome.last = slice.last;
    if (slice.code != kOk) {
      outcome.code = slice.code;
      break;
    }
    if (!written(outcome.written)) {
      outcome.stopped = true;
      break;
    }
  }
  return outcome;
}

ResultCode BatchTransform::ReadPoint(std::size_t i, Coords& point) const {
  switch (batch_->Status(i)) {
    case LineRead::kTooLong:
      return kLineTooLong;
    case LineRead::kLine:
      return ParseSourceLine(batch_->Text(i), route_.source.type, units_, locale_, point);
    case LineRead::kEnd:
    case LineRead::kFailed:
      break;
  }
  return kUnreadableLine;
}

void BatchTransform::TransformSlice(std::size_t s, QuasiGeoidLookup& grid) {
  Slice& slice = slices_[s];
  slice.text.clear();
  slice.code = kOk;
  slice.done = 0;
  const std::size_t begin = s * kSliceLines;
  const std::size_t end = std::min(begin + kSliceLines, batch_->Size());
  for (std::size_t i = begin; i < end; ++i) {
    Coords point{};
    ResultCode code = ReadPoint(i, point);
    PointResult r;
    if (code == kOk) code = TransformOnePoint(route_, grid, point, r);
    if (code != kOk) {
      slice.code = code;
      // Later slices are not wanted once this one has failed.
      std::size_t failed = firstFailed_;
      while (s < failed && !firstFailed_.compare_exchange_weak(failed, s)) {
      }
      return;
    }
    const auto number = static_cast<std::int32_t>(firstNumber_ + static_cast<std::int32_t>(i));
    slice.text += Utf8ToCp1251(ResultLine(layout_, number, r.coords, r.zeta));
    slice.text += "\r\n";
    slice.last = r;
    ++slice.done;
  }
}

}  // namespace vexilor
