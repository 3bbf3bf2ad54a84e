#include "text/search_path.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace vexilor {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

void Touch(const fs::path& file) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "x";
}

// A program folder and two PATH folders in a fresh temporary tree; PATH is
// restored afterwards.
class SearchPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("vexilor-search-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    for (const fs::path& folder : {ProgramFolder(), FirstOnPath(), SecondOnPath()}) fs::create_directories(folder);
    if (const char* path = std::getenv("PATH")) savedPath_ = path;
    SetPath(Utf8(FirstOnPath()) + "::" + Utf8(SecondOnPath()) + ":");
  }

  void TearDown() override {
    if (savedPath_) ::setenv("PATH", savedPath_->c_str(), 1);
    else ::unsetenv("PATH");
    fs::remove_all(root_);
  }

  static void SetPath(const std::string& value) { ::setenv("PATH", value.c_str(), 1); }

  fs::path ProgramFolder() const { return root_ / "program"; }
  fs::path FirstOnPath() const { return root_ / "bin1"; }
  fs::path SecondOnPath() const { return root_ / "bin2"; }

 private:
  fs::path root_;
  std::optional<std::string> savedPath_;
};

TEST_F(SearchPathTest, SearchesProgramFolderThenCurrentFolderThenPath) {
  const std::vector<fs::path> expected = {ProgramFolder(), fs::current_path(), FirstOnPath(), SecondOnPath()};
  EXPECT_EQ(SearchFolders(ProgramFolder()), expected);
}

TEST_F(SearchPathTest, FindsTheFirstFolderThatHoldsTheFile) {
  Touch(SecondOnPath() / "keys.dat");
  EXPECT_EQ(FindOnSearchPath("keys.dat", ProgramFolder()), Utf8(SecondOnPath() / "keys.dat"));
  Touch(FirstOnPath() / "keys.dat");
  EXPECT_EQ(FindOnSearchPath("keys.dat", ProgramFolder()), Utf8(FirstOnPath() / "keys.dat"));
  Touch(ProgramFolder() / "keys.dat");
  EXPECT_EQ(FindOnSearchPath("keys.dat", ProgramFolder()), Utf8(ProgramFolder() / "keys.dat"));
  EXPECT_TRUE(IsOnSearchPath("keys.dat", ProgramFolder()));
}

TEST_F(SearchPathTest, MissingOrEmptyNameGivesEmptyText) {
  EXPECT_EQ(FindOnSearchPath("wgeoid-not-there.mat", ProgramFolder()), "");
  EXPECT_FALSE(IsOnSearchPath("wgeoid-not-there.mat", ProgramFolder()));
  EXPECT_EQ(FindOnSearchPath("", ProgramFolder()), "");
}

TEST_F(SearchPathTest, AFolderOfTheSameNameIsNotTheFile) {
  fs::create_directories(ProgramFolder() / "sys.dat");
  Touch(SecondOnPath() / "sys.dat");
  EXPECT_EQ(FindOnSearchPath("sys.dat", ProgramFolder()), Utf8(SecondOnPath() / "sys.dat"));
}

TEST_F(SearchPathTest, NoDefaultExtensionIsAdded) {
  Touch(ProgramFolder() / "vexilor.hlp");
  EXPECT_EQ(FindOnSearchPath("vexilor", ProgramFolder()), "");
}

TEST_F(SearchPathTest, LongAndCyrillicPathsComeBackWhole) {
  fs::path deep = ProgramFolder();
  for (int i = 0; i < 12; ++i) deep /= "папка-с-длинным-именем-" + std::to_string(i);
  Touch(deep / "ключи.dat");
  SetPath(Utf8(deep));
  const std::string found = FindOnSearchPath("ключи.dat", ProgramFolder() / "elsewhere");
  EXPECT_GT(found.size(), 300u);
  EXPECT_EQ(found, Utf8(deep / "ключи.dat"));
}

TEST_F(SearchPathTest, ProgramFolderMayBeLeftOut) {
  Touch(FirstOnPath() / "ellips.dat");
  EXPECT_EQ(SearchFolders(fs::path()).front(), fs::current_path());
  EXPECT_EQ(FindOnSearchPath("ellips.dat", fs::path()), Utf8(FirstOnPath() / "ellips.dat"));
}

}  // namespace
}  // namespace vexilor
