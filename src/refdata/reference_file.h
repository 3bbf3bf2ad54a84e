#pragma once
// Reading the reference files into the in-memory lists and replacing them
// from the lists.
//
// On disk the files are Windows-1251 text with CR LF line ends; in memory
// every line is UTF-8 without its line end. A file ending without a line
// break still has its last line read.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "refdata/reference_lines.h"

namespace vexilor {

enum class ReferenceFileError : std::int16_t {
  kNone = 0,
  kOpenFailed = 1,
  kReadFailed = 2,
  kTooManyLines = 3,  // more lines than a 16-bit list holds
  kWriteFailed = 4,
  kBackupFailed = 5,
};

// All lines of the file at `path` (UTF-8 path), in file order: kOpenFailed
// when there is no regular file there, kReadFailed when reading it fails.
// `lines` is left untouched on failure.
ReferenceFileError ReadReferenceLines(std::string_view path, std::vector<std::string>& lines);

// sys.dat into `lines`, each line put in its sorted place (InsertSorted).
// The list is emptied first; after a failure it holds what was taken, and a
// file of more than 32767 lines gives kTooManyLines with the first 32767.
ReferenceFileError LoadSystemLines(std::string_view path, SystemLines& lines);
// ellips.dat into `lines` in file order, likewise.
ReferenceFileError LoadEllipsoidLines(std::string_view path, EllipsoidLines& lines);

// The two files that the catalogue rewrites.
enum class ReferenceKind : std::int16_t { kSystems, kEllipsoids };
std::string_view ReferenceFileName(ReferenceKind kind);  // "sys.dat", "ellips.dat"
std::string_view BackupFileName(ReferenceKind kind);     // "sys.bac", "ellips.bac"

enum class BackupChoice : bool { kNoBackup = false, kMakeBackup = true };

// What is done once the user has agreed to the rewrite: optionally copy the
// current file to its backup (replacing an older backup), then replace the
// file with `lines`, each followed by CR LF. Both steps replace their file
// safely (see ReplaceFileBytes): a failure leaves the file as it was. A
// failed backup (the current file cannot be read, or the copy cannot be
// written) stops before the file is touched.
ReferenceFileError ReplaceReferenceFile(ReferenceKind kind, std::string_view catalogueFolder,
                                        const ReferenceLines& lines, BackupChoice backup);

}  // namespace vexilor
