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
    for (const fs::path& folder : {program(), first_on_path(), second_on_path()}) fs::create_directories(folder);
    if (const char* path = std::getenv("PATH")) saved_path_ = path;
    SetPath(Utf8(first_on_path()) + "::" + Utf8(second_on_path()) + ":");
  }

  void TearDown() override {
    if (saved_path_) ::setenv("PATH", saved_path_->c_str(), 1);
    else ::unsetenv("PATH");
    fs::remove_all(root_);
  }

  static void SetPath(const std::string& value) { ::setenv("PATH", value.c_str(), 1); }

  fs::path program() const { return root_ / "program"; }
  fs::path first_on_path() const { return root_ / "bin1"; }
  fs::path second_on_path() const { return root_ / "bin2"; }

 private:
  fs::path root_;
  std::optional<std::string> saved_path_;
};

TEST_F(SearchPathTest, SearchesProgramFolderThenCurrentFolderThenPath) {
  const std::vector<fs::path> expected = {program(), fs::current_path(), first_on_path(), second_on_path()};
  EXPECT_EQ(SearchFolders(program()), expected);
}

TEST_F(SearchPathTest, FindsTheFirstFolderThatHoldsTheFile) {
  Touch(second_on_path() / "keys.dat");
  EXPECT_EQ(FindOnSearchPath("keys.dat", program()), Utf8(second_on_path() / "keys.dat"));
  Touch(first_on_path() / "keys.dat");
  EXPECT_EQ(FindOnSearchPath("keys.dat", program()), Utf8(first_on_path() / "keys.dat"));
  Touch(program() / "keys.dat");
  EXPECT_EQ(FindOnSearchPath("keys.dat", program()), Utf8(program() / "keys.dat"));
  EXPECT_TRUE(IsOnSearchPath("keys.dat", program()));
}

TEST_F(SearchPathTest, MissingOrEmptyNameGivesEmptyText) {
  EXPECT_EQ(FindOnSearchPath("wgeoid-not-there.mat", program()), "");
  EXPECT_FALSE(IsOnSearchPath("wgeoid-not-there.mat", program()));
  EXPECT_EQ(FindOnSearchPath("", program()), "");
}

TEST_F(SearchPathTest, AFolderOfTheSameNameIsNotTheFile) {
  fs::create_directories(program() / "sys.dat");
  Touch(second_on_path() / "sys.dat");
  EXPECT_EQ(FindOnSearchPath("sys.dat", program()), Utf8(second_on_path() / "sys.dat"));
}

TEST_F(SearchPathTest, NoDefaultExtensionIsAdded) {
  Touch(program() / "vexilor.hlp");
  EXPECT_EQ(FindOnSearchPath("vexilor", program()), "");
}

TEST_F(SearchPathTest, LongAndCyrillicPathsComeBackWhole) {
  fs::path deep = program();
  for (int i = 0; i < 12; ++i) deep /= "папка-с-длинным-именем-" + std::to_string(i);
  Touch(deep / "ключи.dat");
  SetPath(Utf8(deep));
  const std::string found = FindOnSearchPath("ключи.dat", program() / "elsewhere");
  EXPECT_GT(found.size(), 300u);
  EXPECT_EQ(found, Utf8(deep / "ключи.dat"));
}

TEST_F(SearchPathTest, ProgramFolderMayBeLeftOut) {
  Touch(first_on_path() / "ellips.dat");
  EXPECT_EQ(SearchFolders(fs::path()).front(), fs::current_path());
  EXPECT_EQ(FindOnSearchPath("ellips.dat", fs::path()), Utf8(first_on_path() / "ellips.dat"));
}

}  // namespace
}  // namespace vexilor
