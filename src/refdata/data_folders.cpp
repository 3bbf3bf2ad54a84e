#include "refdata/data_folders.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

#include "refdata/catalogue_update.h"
#include "refdata/file_replace.h"
#include "refdata/reference_path.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;

// The files of the catalogue that a user may change: the two the catalogue
// rewrites, and keys.dat, which the user edits by hand.
constexpr std::array<std::string_view, 3> kUserReferenceFiles{kSystemsFileName, kEllipsoidsFileName,
                                                              kKeysFileName};

bool Holds(const fs::path& folder, std::string_view fileName) {
  std::error_code error;
  return fs::is_regular_file(folder / fileName, error);
}

// Copies every reference file of `from` that `to` lacks. True when `to`
// then holds each file that `from` holds, whoever copied it: another
// vexilor starting at the same moment may have won the race.
bool SeedFolder(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::create_directories(to, error);
  bool complete = true;
  for (const std::string_view name : kUserReferenceFiles) {
    if (!Holds(from, name) || Holds(to, name)) continue;
    std::string bytes;
    if (ReadFileBytes(from / name, bytes) == FileRead::kOk) ReplaceFileBytes(to / name, bytes);
    complete = complete && Holds(to, name);
  }
  return complete;
}

// An environment variable, empty when it is not set.
std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

fs::path UserCatalogueFolder() {
  // A relative XDG_DATA_HOME is invalid and ignored: it would name another
  // folder in every working folder.
  if (const fs::path data = Variable("XDG_DATA_HOME"); data.is_absolute()) return data / "vexilor";
  if (const std::string_view home = Variable("HOME"); !home.empty())
    return fs::path(home) / ".local" / "share" / "vexilor";
  return {};
}

fs::path InstalledDataFolder(const fs::path& executableFolder) {
  fs::path bin = executableFolder.lexically_normal();
  if (!bin.has_filename()) bin = bin.parent_path();  // "/usr/bin/"
  return bin.parent_path() / "share" / "vexilor";
}

bool IsWritableFolder(const fs::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

DataFolders ResolveDataFolders(const fs::path& executableFolder, const fs::path& userFolder,
                               const FolderTest& writable) {
  const bool beside = Holds(executableFolder, kSystemsFileName);
  if (beside && writable(executableFolder)) return {executableFolder, executableFolder};
  const fs::path program = beside ? executableFolder : InstalledDataFolder(executableFolder);
  if (!Holds(program, kSystemsFileName)) return {executableFolder, executableFolder};
  if (!userFolder.empty() && SeedFolder(program, userFolder)) return {program, userFolder};
  return {program, program};
}

std::vector<std::string> UpdateCatalogueCopy(const DataFolders& folders) {
  if (folders.catalogue == folders.program) return {};
  return UpdateUserCatalogue(folders.program, folders.catalogue).addedSystems;
}

}  // namespace vexilor
