#include "refdata/reference_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace vexilor {
namespace {

struct PathCase {
  const char* folder;
  const char* expected;
};

class ReferenceFilePathCase : public ::testing::TestWithParam<PathCase> {};

TEST_P(ReferenceFilePathCase, JoinsWithoutDoublingTheSeparator) {
  EXPECT_EQ(ReferenceFilePath(GetParam().folder, "sys.dat"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Folders, ReferenceFilePathCase,
                         ::testing::Values(PathCase{"/opt/vexilor", "/opt/vexilor/sys.dat"},
                                           // A short folder is still a folder, not a drive root.
                                           PathCase{"/ab", "/ab/sys.dat"},
                                           PathCase{"/", "/sys.dat"},
                                           PathCase{"C:\\", "C:\\sys.dat"},
                                           PathCase{"/opt/программа/", "/opt/программа/sys.dat"},
                                           PathCase{"", "sys.dat"}));

TEST(PathFromUtf8, KeepsCyrillicFolderNames) {
  const std::filesystem::path path = PathFromUtf8("/tmp/Программа/sys.dat");
  EXPECT_TRUE(path.filename().u8string() == u8"sys.dat");
  EXPECT_TRUE(path.parent_path().filename().u8string() == u8"Программа");
}

}  // namespace
}  // namespace vexilor
