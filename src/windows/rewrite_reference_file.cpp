#include "windows/rewrite_reference_file.h"

#include <string>

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

}  // namespace

bool RewriteReferenceFile(ReferenceKind kind, const ReferenceLines& lines, std::string_view title,
                          std::string_view catalogueFolder, Platform& platform) {
  const std::string path = ReferenceFilePath(catalogueFolder, ReferenceFileName(kind));
  if (!UserAgrees(platform, RewriteQuestion(kind, path), title, DefaultButton::kSecond)) return false;
  const BackupChoice backup = UserAgrees(platform, BackupQuestion(path), title, DefaultButton::kFirst)
                                  ? BackupChoice::kMakeBackup
                                  : BackupChoice::kNoBackup;
  const ReferenceFileError error = ReplaceReferenceFile(kind, catalogueFolder, lines, backup);
  if (error == ReferenceFileError::kNone) return true;
  platform.ShowMessage({.text = ReferenceFileErrorMessage(error, path),
                        .title = std::string(title),
                        .buttons = MessageButtons::kOkOnly,
                        .icon = MessageIcon::kExclamation});
  return false;
}

}  // namespace vexilor
