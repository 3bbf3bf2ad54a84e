#include "run/results_target.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;  // the kernel's own limit before ELOOP

// `path` in the folder it really lies in, every link of its folders
// followed: a relative link is read from there, and the descriptors of
// /dev/fd are found to be those of /proc.
fs::path InRealFolder(const fs::path& path) {
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  std::error_code error;
  const fs::path real = fs::canonical(folder, error);
  return error ? path : real / path.filename();
}

// A link of /proc names an open descriptor, not a file that can be put in
// its place.
bool IsDescriptorLink(const fs::path& link) { return link.native().starts_with("/proc/"); }

}  // namespace

ResultsTarget ResultsTargetOf(const fs::path& resultsName) {
  std::error_code error;
  const fs::file_status status = fs::status(resultsName, error);
  if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status)) return {resultsName, true};
  fs::path at = resultsName;
  for (int hop = 0; hop < kMaxLinks && fs::is_symlink(fs::symlink_status(at, error)); ++hop) {
    at = InRealFolder(at);
    if (IsDescriptorLink(at)) return {resultsName, true};
    const fs::path target = fs::read_symlink(at, error);
    if (error) break;
    at = target.is_absolute() ? target : at.parent_path() / target;
  }
  return {at, false};
}

}  // namespace vexilor
