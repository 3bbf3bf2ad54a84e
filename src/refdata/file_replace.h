#pragma once
// Whole-file reads and safe whole-file replacement.

#include <filesystem>
#include <string>
#include <string_view>

namespace vexilor {

enum class FileRead { kOk, kOpenFailed, kReadFailed };

// The bytes of the regular file at `path`. kOpenFailed when there is no
// regular file there or it cannot be opened; `bytes` is untouched unless kOk.
FileRead ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

// Puts `bytes` in place of the file at `path` (created when missing): they
// are written to a temporary file in the same folder, flushed, and the
// temporary is renamed over `path`. False on any failure; `path` is then as
// it was, byte for byte, and the temporary is removed.
bool ReplaceFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vexilor
