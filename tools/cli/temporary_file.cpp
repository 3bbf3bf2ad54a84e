#include "temporary_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <utility>

namespace vexilor {

std::optional<TemporaryFile> TemporaryFile::Create() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error) return std::nullopt;
  std::string name = (folder / "vexilor-cli-XXXXXX").string();
  const int descriptor = ::mkstemp(name.data());
  if (descriptor < 0) return std::nullopt;
  ::close(descriptor);
  return TemporaryFile(std::filesystem::path(name));
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : path_(std::exchange(other.path_, {})), removal_(std::move(other.removal_)) {}

TemporaryFile& TemporaryFile::operator=(TemporaryFile&& other) noexcept {
  if (this != &other) {
    Remove();
    path_ = std::exchange(other.path_, {});
    removal_ = std::move(other.removal_);
  }
  return *this;
}

TemporaryFile::~TemporaryFile() { Remove(); }

void TemporaryFile::Remove() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

}  // namespace vexilor
