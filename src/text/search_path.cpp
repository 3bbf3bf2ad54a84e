#include "text/search_path.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace vexilor {
namespace {

#ifdef _WIN32
constexpr char kPathListSeparator = ';';
#else
constexpr char kPathListSeparator = ':';
#endif

std::filesystem::path PathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

void AppendPathVariableFolders(std::vector<std::filesystem::path>& folders) {
  const char* variable = std::getenv("PATH");
  if (variable == nullptr) return;
  const std::string_view list(variable);
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t end = std::min(list.find(kPathListSeparator, start), list.size());
    if (end > start) folders.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
}

bool IsRegularFile(const std::filesystem::path& candidate) {
  std::error_code error;
  return std::filesystem::is_regular_file(candidate, error);
}

std::string FullPath(const std::filesystem::path& candidate) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(candidate, error);
  return Utf8FromPath(error ? candidate : absolute.lexically_normal());
}

}  // namespace

std::vector<std::filesystem::path> SearchFolders(const std::filesystem::path& programFolder) {
  std::vector<std::filesystem::path> folders;
  if (!programFolder.empty()) folders.push_back(programFolder);
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  if (!error) folders.push_back(current);
  AppendPathVariableFolders(folders);
  return folders;
}

std::string FindOnSearchPath(std::string_view fileName, const std::filesystem::path& programFolder) {
  if (fileName.empty()) return "";
  const std::filesystem::path name = PathFromUtf8(fileName);
  for (const std::filesystem::path& folder : SearchFolders(programFolder)) {
    const std::filesystem::path candidate = folder / name;
    if (IsRegularFile(candidate)) return FullPath(candidate);
  }
  return "";
}

bool IsOnSearchPath(std::string_view fileName, const std::filesystem::path& programFolder) {
  return !FindOnSearchPath(fileName, programFolder).empty();
}

}  // namespace vexilor
