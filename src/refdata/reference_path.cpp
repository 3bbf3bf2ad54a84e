#include "refdata/reference_path.h"

#include <string>

namespace vexilor {
namespace {

bool EndsInSeparator(std::string_view folder) {
  if (folder.empty()) return false;
  const char last = folder.back();
  return last == '/' || last == '\\';
}

}  // namespace

std::string ReferenceFilePath(std::string_view program_folder, std::string_view file_name) {
  std::string path(program_folder);
  if (!path.empty() && !EndsInSeparator(program_folder)) {
    path += static_cast<char>(std::filesystem::path::preferred_separator);
  }
  path += file_name;
  return path;
}

std::filesystem::path PathFromUtf8(std::string_view path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

}  // namespace vexilor
