#pragma once
// What the fuzz targets share: a check that stops the run with a finding,
// and files in a folder of the fuzzing process's own.

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vexilor::fuzz {

// A broken promise of the code under test: libFuzzer keeps the input that
// led here as a finding.
inline void Check(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

// `text` without its leading blanks, as an angle text reads without the
// column blanks FormatAngle puts before it.
inline std::string WithoutLeadingBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

// How far apart two angles lie on a circle of `full` units.
inline double CircleDistance(double a, double b, double full) {
  const double d = std::fmod(std::fabs(a - b), full);
  return std::min(d, full - d);
}

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process beside the system's temporary files, for the
// targets that read and write real files.
inline const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / ("vexilor-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

inline std::filesystem::path WriteFile(const std::string& name, std::string_view bytes) {
  const std::filesystem::path path = Folder() / name;
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace vexilor::fuzz
