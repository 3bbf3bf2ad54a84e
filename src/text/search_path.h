#pragma once
// Finding a runtime file by the platform's standard search order.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vexilor {

// Folders searched for a file, in order: the program's folder, the current
// folder, then each folder named in the PATH environment variable (empty
// entries skipped). A folder that cannot be determined is left out.
std::vector<std::filesystem::path> SearchFolders(const std::filesystem::path& programFolder);

// Full path (absolute, UTF-8) of the first regular file called `file_name`
// in SearchFolders, or "" when there is none or the name is empty. No
// default extension is added. A name with an absolute path is checked as it
// stands. The full path is returned whole whatever its length; it is never
// cut to fit a buffer.
std::string FindOnSearchPath(std::string_view fileName, const std::filesystem::path& programFolder);

// True when FindOnSearchPath finds the file.
bool IsOnSearchPath(std::string_view fileName, const std::filesystem::path& programFolder);

}  // namespace vexilor
