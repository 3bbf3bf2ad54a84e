#include "windows/rewrite_reference_file.h"

#include <string>
#include <vector>

#include "refdata/ellipsoid_references.h"
#include "refdata/reference_messages.h"
#include "refdata/reference_path.h"

namespace vexilor {
namespace {

bool UserAgrees(Platform& platform, std::string text, std::string_view title, DefaultButton defaultButton) {
  return platform.ShowMessage({.text = std::move(text),
                               .title = std::string(title),
                               .buttons = MessageButtons::kYesNo,
                               .icon = MessageIcon::kQuestion,
                               .defaultButton = defaultButton}) == MessageAnswer::kYes;
}

void Warn(Platform& platform, std::string text, std::string_view title) {
  platform.ShowMessage({.text = std::move(text),
                        .title = std::string(title),
                        .buttons = MessageButtons::kOkOnly,
                        .icon = MessageIcon::kExclamation});
}

// What a rewrite puts into its file. sys.dat never receives a line whose
// ellipsoid ellips.dat on disk lacks (a new ellipsoid whose rewrite the user
// declined): the next start could not use it, or would give it the next
// new ellipsoid. Such lines stay in memory and are named in `orphans`.
bool LinesToWrite(ReferenceKind kind, const ReferenceLines& lines, std::string_view catalogueFolder,
                  std::string_view title, Platform& platform, ReferenceLines& written,
                  std::vector<OrphanedSystem>& orphans) {
  written = lines;
  if (kind != ReferenceKind::kSystems) return true;
  const std::string ellipsoidsPath = ReferenceFilePath(catalogueFolder, kEllipsoidsFileName);
  EllipsoidLines onDisk;
  if (const ReferenceFileError error = LoadEllipsoidLines(ellipsoidsPath, onDisk); error != ReferenceFileError::kNone) {
    Warn(platform, ReferenceFileErrorMessage(error, ellipsoidsPath), title);
    return false;
  }
  orphans = FindOrphanedSystems(lines, onDisk);
  if (!orphans.empty()) written = WithoutOrphans(lines, onDisk);
  return true;
}

}  // namespace

bool RewriteReferenceFile(ReferenceKind kind, const ReferenceLines& lines, std::string_view title,
                          std::string_view catalogueFolder, Platform& platform) {
  const std::string path = ReferenceFilePath(catalogueFolder, ReferenceFileName(kind));
  ReferenceLines written;
  std::vector<OrphanedSystem> orphans;
  if (!LinesToWrite(kind, lines, catalogueFolder, title, platform, written, orphans)) return false;
  if (!UserAgrees(platform, RewriteQuestion(kind, path), title, DefaultButton::kSecond)) return false;
  const BackupChoice backup = UserAgrees(platform, BackupQuestion(path), title, DefaultButton::kFirst)
                                  ? BackupChoice::kMakeBackup
                                  : BackupChoice::kNoBackup;
  const ReferenceFileError error = ReplaceReferenceFile(kind, catalogueFolder, written, backup);
  if (error != ReferenceFileError::kNone) {
    Warn(platform, ReferenceFileErrorMessage(error, path), title);
    return false;
  }
  if (!orphans.empty()) {
    Warn(platform, OrphansNotWrittenMessage(orphans, path, ReferenceFilePath(catalogueFolder, kEllipsoidsFileName)),
         title);
  }
  return true;
}

}  // namespace vexilor
