#include "quasigeoid/grid_session.h"

#include <filesystem>
#include <utility>

#include "text/search_path.h"

namespace vexilor {

GridSession::GridSession(std::string gridFile, std::string signature, GridAccess access)
    : gridFile_(std::move(gridFile)),
      signature_(std::move(signature)),
      access_(std::move(access)),
      cache_(access_.cacheBytes) {}

ResultCode GridSession::Open() {
  std::call_once(opened_, [this] { openCode_ = OpenNow(); });
  return openCode_;
}

ResultCode GridSession::OpenNow() {
  const std::string path = FindOnSearchPath(gridFile_, std::filesystem::path());
  if (path.empty()) return kGridFileNotFound;
  const ResultCode code = file_.Open(path, signature_, access_.open);
  if (code != kOk) return code;
  const GridGeometry& g = file_.Geometry();
  const std::int64_t bodyBytes = std::int64_t{g.totalRows} * g.totalColumns * g.valueSize;
  // A body that cannot be read whole is read window by window, and each
  // window fails as it would have failed on its own.
  if (bodyBytes <= access_.wholeBodyBytes && !file_.ReadBody(body_)) body_.clear();
  return kOk;
}

ResultCode GridSession::ReadWindow(const GridWindowBounds& bounds, GridWindow& window) {
  if (Open() != kOk) return kGridWindowUnreadable;
  const GridGeometry& g = file_.Geometry();
  GridWindowPlace place;
  const ResultCode code = PlaceGridWindow(bounds, g, place);
  if (code != kOk) return code;
  if (body_.empty()) return ReadThroughCache(place, window);
  const unsigned char* body = body_.data();
  return FillGridWindow(
      place, g,
      [body, &g](std::int64_t row, std::int64_t column, int) {
        return body + ((row - 1) * g.totalColumns + (column - 1)) * g.valueSize;
      },
      window);
}

ResultCode GridSession::ReadThroughCache(const GridWindowPlace& place, GridWindow& window) {
  const std::lock_guard lock(reading_);
  if (const std::vector<float>* kept = cache_.Find(place)) {
    static_cast<GridWindowPlace&>(window) = place;
    window.heights.assign(kept->begin(), kept->end());
    return kOk;
  }
  GridWindow read;
  const ResultCode code = FillGridWindow(
      place, file_.Geometry(),
      [this](std::int64_t row, std::int64_t column, int count) {
        return file_.ReadValues(row, column, count);
      },
      read);
  if (code != kOk) return code;
  cache_.Keep(place, read.heights);
  window = std::move(read);
  return kOk;
}

}  // namespace vexilor
