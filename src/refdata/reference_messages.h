#pragma once
// The words shown to the user for the reference files: failures of reading,
// looking up and rewriting them, and the two questions asked before a
// rewrite. Pieces of a message are joined by CR LF.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "refdata/ellipsoid_references.h"
#include "refdata/reference_file.h"
#include "refdata/system_choice.h"

namespace vexilor {

inline constexpr std::string_view kMessageLineBreak = "\r\n";

// "Ошибка открытия файла " + path, "Ошибка чтения файла " + path, and the
// texts of the failures that only this program reports (too many lines, a
// failed write or backup). Empty for kNone.
std::string ReferenceFileErrorMessage(ReferenceFileError error, std::string_view path);

// A sys.dat line that is not a record: "Ошибочный файл " + path.
std::string BadSystemFileMessage(std::string_view path);

// A damaged ellips.dat line met while looking up an ellipsoid.
std::string EllipsoidFileErrorMessage(std::string_view path);

// The system's ellipsoid number is not in ellips.dat at `path`.
std::string EllipsoidNotFoundMessage(std::int16_t number, std::string_view path);

// Systems of sys.dat whose ellipsoids ellips.dat at `ellipsoidsPath` lacks:
// found when the catalogue is loaded (they cannot be chosen), or left out of
// a rewrite of sys.dat at `systemsPath`. One line per system.
std::string OrphanedSystemsMessage(const std::vector<OrphanedSystem>& orphans, std::string_view ellipsoidsPath);
std::string OrphansNotWrittenMessage(const std::vector<OrphanedSystem>& orphans, std::string_view systemsPath,
                                     std::string_view ellipsoidsPath);

// A parent code that names neither global system.
std::string UnknownParentMessage(std::string_view parentCode);

// A system of the catalogue that cannot be chosen, as `outcome` says why:
// its line, an ellips.dat line, its missing ellipsoid or its parent. Empty
// for kNone.
std::string ChoiceErrorMessage(const ChoiceOutcome& outcome, std::string_view systemsPath,
                               std::string_view ellipsoidsPath);

// No catalogue entry links the source base to the target base.
std::string GlobalLinkMissingMessage(std::string_view sourceBase, std::string_view targetBase);

// The questions before a rewrite of the file at `path`: whether to change
// it at all, then whether to keep a backup copy first.
std::string RewriteQuestion(ReferenceKind kind, std::string_view path);
std::string BackupQuestion(std::string_view path);

}  // namespace vexilor
