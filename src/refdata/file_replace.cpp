#include "refdata/file_replace.h"

#include <fstream>
#include <system_error>
#include <utility>

namespace vexilor {
namespace {

bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file.is_open()) return false;
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.flush();
  const bool written = file.good();
  file.close();
  return written && !file.fail();
}

}  // namespace

FileRead ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return FileRead::kOpenFailed;
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return FileRead::kOpenFailed;
  // Read through the stream, not its buffer, so that a failing read turns
  // into the stream's bad state instead of an exception.
  std::string read;
  char chunk[4096];
  while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
    read.append(chunk, static_cast<std::size_t>(file.gcount()));
  }
  if (file.bad()) return FileRead::kReadFailed;
  bytes = std::move(read);
  return FileRead::kOk;
}

bool ReplaceFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  std::error_code error;
  if (WriteWholeFile(temporary, bytes)) {
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace vexilor
