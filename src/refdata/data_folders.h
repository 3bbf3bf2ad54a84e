#pragma once
// Where the program finds the files it came with and where it keeps the
// catalogue it reads and rewrites.
//
// A program run from its own folder (the build folder, a portable copy)
// finds sys.dat, ellips.dat, keys.dat, the standard grid and the help beside
// the executable and, when it may write there, rewrites the catalogue in
// place. An installed program finds the same files in share/vexilor beside
// its bin/ folder; that folder belongs to the package manager (and is
// read-only for the user), so the catalogue lives in a per-user folder,
// filled on first start with copies of the installed reference files.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vexilor {

struct DataFolders {
  // The files that came with the program: the standard grid, the help and
  // the original reference files.
  std::filesystem::path program;
  // sys.dat, ellips.dat and keys.dat as the program reads them, and where
  // the catalogue writes them and their backups.
  std::filesystem::path catalogue;
};

// The installed data folder of an executable in `executableFolder`:
// ../share/vexilor.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& executableFolder);

// The per-user folder of an installed program's catalogue:
// $XDG_DATA_HOME/vexilor when that is an absolute path, else
// $HOME/.local/share/vexilor, as the XDG base directories name it. The
// desktop program and vexilor-cli read the same one; for the program it is
// Qt's application data location. Empty when neither gives a folder.
std::filesystem::path UserCatalogueFolder();

// Whether the process may create and replace files in `folder`.
bool IsWritableFolder(const std::filesystem::path& folder);

using FolderTest = std::function<bool(const std::filesystem::path&)>;

// The folders of an executable in `executableFolder`.
// - sys.dat beside the executable: that folder holds the program's files;
//   when `writable` grants it, it is also the catalogue's folder.
// - otherwise, sys.dat in InstalledDataFolder: that folder holds them.
// - otherwise the executable's folder for both, where the start-up checks
//   will report the missing files.
// Where the program's folder is not the catalogue's, `userFolder` is: it is
// created when missing and every reference file it lacks is copied into it
// from the program's folder (files already there are the user's and stay).
// When that fails (no home folder, a full disk) the catalogue is read from
// the program's folder, which then cannot be rewritten.
DataFolders ResolveDataFolders(const std::filesystem::path& executableFolder,
                               const std::filesystem::path& userFolder,
                               const FolderTest& writable = IsWritableFolder);

// Where the catalogue is the user's own copy, adds to it the systems the
// program's catalogue gained since the copy was made (UpdateUserCatalogue);
// the names of those added now, for the program to name once.
std::vector<std::string> UpdateCatalogueCopy(const DataFolders& folders);

}  // namespace vexilor
