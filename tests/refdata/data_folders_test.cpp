#include "refdata/data_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "support/temp_folder.h"
#include "support/raw_files.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;

enum class Shipped { kBeside, kInstalled, kBoth, kNowhere };
enum class User { kAbsent, kHoldsOwnSystems, kUnmakeable, kNone };
enum class Expect { kExecutable, kInstalled, kUser };

struct FolderCase {
  const char* what;
  Shipped shipped;
  bool writable;  // what the folder test says of the executable's folder
  User user;
  Expect program, catalogue;
};

void Write(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

// The reference files of a folder, each holding its name and `mark`.
void Ship(const fs::path& folder, const std::string& mark) {
  for (const char* name : {"sys.dat", "ellips.dat", "keys.dat"}) Write(folder / name, mark + " " + name);
}

class DataFoldersCase : public ::testing::TestWithParam<FolderCase> {
 protected:
  testing::TempFolder root;
  const fs::path bin = root / "usr" / "bin";
  const fs::path share = root / "usr" / "share" / "vexilor";
  fs::path user = root / "home" / ".local" / "share" / "vexilor";

  fs::path Where(Expect e) const { return e == Expect::kExecutable ? bin : e == Expect::kInstalled ? share : user; }
};

TEST_P(DataFoldersCase, FindsTheProgramsFilesAndTheCatalogue) {
  const FolderCase& c = GetParam();
  fs::create_directories(bin);
  if (c.shipped == Shipped::kBeside || c.shipped == Shipped::kBoth) Ship(bin, "beside");
  if (c.shipped == Shipped::kInstalled || c.shipped == Shipped::kBoth) Ship(share, "installed");
  if (c.user == User::kHoldsOwnSystems) Write(user / "sys.dat", "the user's own systems");
  if (c.user == User::kUnmakeable) {
    Write(root / "home" / "file", "a file where a folder should be");
    user = root / "home" / "file" / "vexilor";
  }
  const fs::path userArgument = c.user == User::kNone ? fs::path() : user;

  fs::path tested;
  const DataFolders folders = ResolveDataFolders(bin, userArgument, [&](const fs::path& folder) {
    tested = folder;
    return c.writable;
  });

  EXPECT_EQ(folders.program, Where(c.program));
  EXPECT_EQ(folders.catalogue, Where(c.catalogue));
  if (c.catalogue != Expect::kUser) {
    EXPECT_FALSE(fs::exists(user)) << "a user folder made for nothing";
    return;
  }
  // Seeded from the program's files; the user's own file is kept.
  const std::string mark = c.program == Expect::kExecutable ? "beside" : "installed";
  const std::string ownSystems = c.user == User::kHoldsOwnSystems ? "the user's own systems" : mark + " sys.dat";
  EXPECT_EQ(ReadBytes(user / "sys.dat"), ownSystems);
  EXPECT_EQ(ReadBytes(user / "ellips.dat"), mark + " ellips.dat");
  EXPECT_EQ(ReadBytes(user / "keys.dat"), mark + " keys.dat");
  EXPECT_EQ(ReadBytes(folders.program / "sys.dat"), mark + " sys.dat") << "the program's files changed";
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DataFoldersCase,
    ::testing::Values(
        FolderCase{"build folder", Shipped::kBeside, true, User::kAbsent, Expect::kExecutable, Expect::kExecutable},
        FolderCase{"portable copy on a read-only medium", Shipped::kBeside, false, User::kAbsent,
                   Expect::kExecutable, Expect::kUser},
        FolderCase{"installed, first start", Shipped::kInstalled, false, User::kAbsent, Expect::kInstalled,
                   Expect::kUser},
        // Root may write anywhere; the installed files still belong to the package.
        FolderCase{"installed, writable", Shipped::kInstalled, true, User::kAbsent, Expect::kInstalled, Expect::kUser},
        FolderCase{"installed, the user's catalogue kept", Shipped::kInstalled, false, User::kHoldsOwnSystems,
                   Expect::kInstalled, Expect::kUser},
        FolderCase{"installed, no user folder can be made", Shipped::kInstalled, false, User::kUnmakeable,
                   Expect::kInstalled, Expect::kInstalled},
        FolderCase{"installed, no home at all", Shipped::kInstalled, false, User::kNone, Expect::kInstalled,
                   Expect::kInstalled},
        FolderCase{"files beside win over installed ones", Shipped::kBoth, true, User::kAbsent, Expect::kExecutable,
                   Expect::kExecutable},
        FolderCase{"nothing anywhere: the checks name the executable's folder", Shipped::kNowhere, false,
                   User::kAbsent, Expect::kExecutable, Expect::kExecutable}),
    [](const ::testing::TestParamInfo<FolderCase>& param) { return "case" + std::to_string(param.index); });

TEST(DataFolders, AnInstalledFileMissingIsNotAskedOfTheUserFolder) {
  testing::TempFolder root;
  const fs::path share = root / "share" / "vexilor";
  Write(share / "sys.dat", "s");
  Write(share / "ellips.dat", "e");  // no keys.dat shipped
  const DataFolders folders = ResolveDataFolders(root / "bin", root / "user", [](const fs::path&) { return false; });
  EXPECT_EQ(folders.catalogue, root / "user");
  EXPECT_EQ(ReadBytes(root / "user" / "ellips.dat"), "e");
  EXPECT_FALSE(fs::exists(root / "user" / "keys.dat"));
}

// The environment of a case; nullptr: the variable is not set.
struct UserFolderCase {
  const char* xdgDataHome;
  const char* home;
  const char* expected;
};

class UserCatalogueFolderCase : public ::testing::TestWithParam<UserFolderCase> {
 protected:
  static void Put(const char* name, const char* value) {
    if (value == nullptr) {
      ::unsetenv(name);
    } else {
      ::setenv(name, value, 1);
    }
  }
  static std::string Saved(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? "" : value;
  }
  ~UserCatalogueFolderCase() override {
    ::setenv("HOME", home_.c_str(), 1);
    Put("XDG_DATA_HOME", xdg_.empty() ? nullptr : xdg_.c_str());
  }
  const std::string home_ = Saved("HOME"), xdg_ = Saved("XDG_DATA_HOME");
};

TEST_P(UserCatalogueFolderCase, FollowsTheXdgBaseDirectories) {
  Put("XDG_DATA_HOME", GetParam().xdgDataHome);
  Put("HOME", GetParam().home);
  EXPECT_EQ(UserCatalogueFolder(), fs::path(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Environments, UserCatalogueFolderCase,
                         ::testing::Values(UserFolderCase{"/data", "/home/ivanov", "/data/vexilor"},
                                           UserFolderCase{nullptr, "/home/ivanov", "/home/ivanov/.local/share/vexilor"},
                                           UserFolderCase{"", "/home/ivanov", "/home/ivanov/.local/share/vexilor"},
                                           UserFolderCase{"data", "/home/ivanov", "/home/ivanov/.local/share/vexilor"},
                                           UserFolderCase{"./data", nullptr, ""},
                                           UserFolderCase{nullptr, nullptr, ""}));

TEST(DataFolders, InstalledDataSitsInShareBesideBin) {
  EXPECT_EQ(InstalledDataFolder("/usr/bin"), fs::path("/usr/share/vexilor"));
  EXPECT_EQ(InstalledDataFolder("/opt/vexilor/bin/"), fs::path("/opt/vexilor/share/vexilor"));
}

TEST(DataFolders, WritableMeansTheProcessMayCreateFilesThere) {
  testing::TempFolder folder;
  EXPECT_TRUE(IsWritableFolder(folder.path()));
  EXPECT_FALSE(IsWritableFolder(folder / "absent"));
  fs::create_directory(folder / "read-only");
  fs::permissions(folder / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
  // Root may write into it all the same.
  EXPECT_EQ(IsWritableFolder(folder / "read-only"), ::geteuid() == 0);
  fs::permissions(folder / "read-only", fs::perms::owner_all);
}

}  // namespace
}  // namespace vexilor
