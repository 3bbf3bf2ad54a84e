#pragma once
// A file of its own in the system's temporary folder, removed when the
// object goes, or by a signal that ends the program.

#include <filesystem>
#include <optional>

#include "run/removed_on_signal.h"

namespace vexilor {

class TemporaryFile {
 public:
  // A new empty file, or nothing when none can be made.
  static std::optional<TemporaryFile> Create();

  TemporaryFile(TemporaryFile&& other) noexcept;
  TemporaryFile& operator=(TemporaryFile&& other) noexcept;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile();

  const std::filesystem::path& Path() const { return path_; }

 private:
  explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)), removal_(path_) {}
  void Remove();

  std::filesystem::path path_;
  RemovedOnSignal removal_;
};

}  // namespace vexilor
