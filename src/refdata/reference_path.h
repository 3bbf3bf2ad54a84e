#pragma once
// Where the reference files live: beside the program, in its own folder.

#include <filesystem>
#include <string>
#include <string_view>

namespace vexilor {

inline constexpr std::string_view kSystemsFileName = "sys.dat";
inline constexpr std::string_view kEllipsoidsFileName = "ellips.dat";
inline constexpr std::string_view kKeysFileName = "keys.dat";
inline constexpr std::string_view kSystemsBackupName = "sys.bac";
inline constexpr std::string_view kEllipsoidsBackupName = "ellips.bac";
// The standard quasi-geoid grid, in the program's folder.
inline constexpr std::string_view kStandardGridFileName = "wgeoid.mat";

// The program folder, a separator and the file name. A folder that already
// ends in a separator (a drive root such as "C:\", or "/") takes the name
// directly, so no separator is ever doubled. UTF-8 in and out.
std::string ReferenceFilePath(std::string_view programFolder, std::string_view fileName);

// A UTF-8 path text as a file-system path, whatever the platform's narrow
// encoding.
std::filesystem::path PathFromUtf8(std::string_view path);

}  // namespace vexilor
