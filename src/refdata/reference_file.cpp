#include "refdata/reference_file.h"

#include <utility>

#include "text/codepage.h"
#include "refdata/file_replace.h"
#include "refdata/reference_path.h"

namespace vexilor {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Splits file bytes at LF, dropping the CR of a CR LF end.
std::vector<std::string> SplitFileLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view raw = bytes.substr(start, end - start);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    lines.push_back(Cp1251ToUtf8(raw));
    start = end + 1;
  }
  return lines;
}

template <typename Take>
ReferenceFileError LoadLines(std::string_view path, ReferenceLines& lines, Take take) {
  lines.Clear();
  std::vector<std::string> read;
  const ReferenceFileError error = ReadReferenceLines(path, read);
  if (error != ReferenceFileError::kNone) return error;
  for (std::string& line : read) {
    if (!take(lines, std::move(line))) return ReferenceFileError::kTooManyLines;
  }
  return ReferenceFileError::kNone;
}

ReferenceFileError CopyToBackup(ReferenceKind kind, std::string_view catalogueFolder) {
  std::string bytes;
  if (ReadFileBytes(PathFromUtf8(ReferenceFilePath(catalogueFolder, ReferenceFileName(kind))), bytes) != FileRead::kOk) {
    return ReferenceFileError::kBackupFailed;
  }
  if (!ReplaceFileBytes(PathFromUtf8(ReferenceFilePath(catalogueFolder, BackupFileName(kind))), bytes)) {
    return ReferenceFileError::kBackupFailed;
  }
  return ReferenceFileError::kNone;
}

}  // namespace

ReferenceFileError ReadReferenceLines(std::string_view path, std::vector<std::string>& lines) {
  std::string bytes;
  switch (ReadFileBytes(PathFromUtf8(path), bytes)) {
    case FileRead::kOk:
      lines = SplitFileLines(bytes);
      return ReferenceFileError::kNone;
    case FileRead::kOpenFailed:
      return ReferenceFileError::kOpenFailed;
    case FileRead::kReadFailed:
      break;
  }
  return ReferenceFileError::kReadFailed;
}

ReferenceFileError LoadSystemLines(std::string_view path, SystemLines& lines) {
  return LoadLines(path, lines, [](SystemLines& list, std::string line) { return InsertSorted(list, std::move(line)); });
}

ReferenceFileError LoadEllipsoidLines(std::string_view path, EllipsoidLines& lines) {
  return LoadLines(path, lines, [](EllipsoidLines& list, std::string line) { return list.Append(std::move(line)); });
}

std::string_view ReferenceFileName(ReferenceKind kind) {
  return kind == ReferenceKind::kSystems ? kSystemsFileName : kEllipsoidsFileName;
}

std::string_view BackupFileName(ReferenceKind kind) {
  return kind == ReferenceKind::kSystems ? kSystemsBackupName : kEllipsoidsBackupName;
}

ReferenceFileError ReplaceReferenceFile(ReferenceKind kind, std::string_view catalogueFolder,
                                        const ReferenceLines& lines, BackupChoice backup) {
  if (backup == BackupChoice::kMakeBackup) {
    const ReferenceFileError error = CopyToBackup(kind, catalogueFolder);
    if (error != ReferenceFileError::kNone) return error;
  }
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += Utf8ToCp1251(line);
    bytes += kLineBreak;
  }
  if (!ReplaceFileBytes(PathFromUtf8(ReferenceFilePath(catalogueFolder, ReferenceFileName(kind))), bytes)) {
    return ReferenceFileError::kWriteFailed;
  }
  return ReferenceFileError::kNone;
}

}  // namespace vexilor
