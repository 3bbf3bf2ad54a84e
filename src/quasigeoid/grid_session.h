#pragma once
// A quasi-geoid grid as one run uses it: found, opened and described once,
// at the first lookup, and its windows served from memory - the whole body
// when it is small, else windows kept in a cache of bounded size. A run
// that never looks a height up never opens the grid. The grid file is read
// once per run: a file replaced while a run goes on is not seen by it.
//
// The windows are exactly those the file gives at the moment it is opened,
// so a lookup finds the same heights as one that opens the file itself.

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "quasigeoid/grid_file.h"
#include "quasigeoid/grid_window_cache.h"

namespace vexilor {

// How a session reads its grid.
struct GridAccess {
  // A body of up to this many bytes is read whole at the opening.
  std::int64_t wholeBodyBytes = std::int64_t{16} << 20;
  // Larger bodies: heights of up to this many bytes of windows are kept.
  std::int64_t cacheBytes = std::int64_t{8} << 20;
  GridStreamOpener open = OpenGridStream;

  // Every window read from the file when it is asked for, nothing kept.
  static GridAccess WindowByWindow() { return {0, 0, OpenGridStream}; }

  // The same access for a few points (a typed point, the marks of a fit):
  // they look up a window or two, not the body, which read from a cold
  // disk would take longer than the points themselves.
  GridAccess ForFewPoints() const { return {0, cacheBytes, open}; }
};

class GridSession {
 public:
  // `gridFile` is found by the standard search order (a full path is taken
  // as it stands) when the session is first used; the grid must carry
  // `signature`.
  GridSession(std::string gridFile, std::string signature, GridAccess access = {});

  GridSession(const GridSession&) = delete;
  GridSession& operator=(const GridSession&) = delete;

  // Finds, opens and describes the grid at the first call; every call
  // gives the first one's code: kGridFileNotFound, or a code of
  // GridFile::Open. Safe from several threads at once.
  ResultCode Open();

  // The grid's header and geometry, once Open has succeeded.
  const GridHeader& Header() const { return file_.Header(); }
  const GridGeometry& Geometry() const { return file_.Geometry(); }

  // The window with `bounds`, as GridFile::ReadWindow gives it; Open must
  // have succeeded. Safe from several threads at once. `window` is
  // untouched on failure.
  ResultCode ReadWindow(const GridWindowBounds& bounds, GridWindow& window);

 private:
  ResultCode OpenNow();
  ResultCode ReadThroughCache(const GridWindowPlace& place, GridWindow& window);

  std::string gridFile_;
  std::string signature_;
  GridAccess access_;

  std::once_flag opened_;
  ResultCode openCode_ = kOk;
  GridFile file_;
  std::vector<unsigned char> body_;  // the whole body, or nothing

  std::mutex reading_;  // the file and the cache, when the body is not whole
  GridWindowCache cache_;
};

}  // namespace vexilor
