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

std::string ReferenceFilePath(std::string_view programFolder, std::string_view fileName) {
  std::string path(programFolder);
  if (!path.empty() && !EndsInSeparator(programFolder)) {
    path += static_cast<char>(std::filesystem::path::preferred_separator);
  }
  path += fileName;
  return path;
}

std::filesystem::path PathFromUtf8(std::string_view path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

}  // namespace vexilor
