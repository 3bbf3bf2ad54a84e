#include "refdata/reference_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "support/raw_files.h"
#include "support/reference_lists.h"

namespace vexilor {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::vector<std::string> Contents(const ReferenceLines& lines) { return {lines.begin(), lines.end()}; }

using testing::ListOf;

struct ReadCase {
  const char* label;
  std::string bytes;
  std::vector<std::string> lines;
};

class ReadReferenceLinesCase : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadReferenceLinesCase, SplitsAndDecodesLines) {
  TempFolder folder;
  WriteBytes(folder / "file.dat", GetParam().bytes);
  std::vector<std::string> lines;
  ASSERT_EQ(ReadReferenceLines((folder / "file.dat").string(), lines), ReferenceFileError::kNone);
  EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadReferenceLinesCase,
    ::testing::Values(ReadCase{"empty", "", {}},
                      ReadCase{"crlf", "a b\r\nc\r\n", {"a b", "c"}},
                      ReadCase{"lf_only", "a\nb\n", {"a", "b"}},
                      ReadCase{"no_final_break", "a\r\nb", {"a", "b"}},
                      ReadCase{"blank_lines_kept", "\r\n\r\nx\r\n", {"", "", "x"}},
                      // "ПЗ-90" and "Ёё" in Windows-1251.
                      ReadCase{"windows_1251", "\xCF\xC7-90 \xA8\xB8\r\n", {"ПЗ-90 Ёё"}},
                      // 0x98 has no character in the code page; it still reads as
                      // one character and the line survives.
                      ReadCase{"unassigned_byte", std::string("a\x98z\x00q\r\n", 7), {"a\u0098z" + std::string(1, '\0') + "q"}},
                      ReadCase{"lone_cr_stays_in_the_line", "a\rb\r\n", {"a\rb"}}),
    testing::CaseLabel());

TEST(ReadReferenceLines, ReportsFilesThatCannotBeRead) {
  TempFolder folder;
  std::vector<std::string> lines = {"untouched"};
  EXPECT_EQ(ReadReferenceLines((folder / "missing.dat").string(), lines), ReferenceFileError::kOpenFailed);
  EXPECT_EQ(ReadReferenceLines(folder.text(), lines), ReferenceFileError::kOpenFailed);
  EXPECT_EQ(ReadReferenceLines("", lines), ReferenceFileError::kOpenFailed);
  if (std::filesystem::exists("/proc/self/mem")) {
    // Readable by name, but reading its first page fails.
    EXPECT_EQ(ReadReferenceLines("/proc/self/mem", lines), ReferenceFileError::kReadFailed);
  }
  EXPECT_EQ(lines, std::vector<std::string>{"untouched"});
}

TEST(LoadSystemLines, SortsTheLinesAsTheyAreRead) {
  TempFolder folder;
  WriteBytes(folder / "sys.dat", "B 1\r\nA 2\r\nC 3\r\n");
  SystemLines lines = ListOf({"old"});
  ASSERT_EQ(LoadSystemLines((folder / "sys.dat").string(), lines), ReferenceFileError::kNone);
  EXPECT_EQ(Contents(lines), (std::vector<std::string>{"A 2", "B 1", "C 3"}));
}

TEST(LoadEllipsoidLines, KeepsFileOrder) {
  TempFolder folder;
  WriteBytes(folder / "ellips.dat", "B 1 2 3\r\nA 2 3 4\r\n");
  EllipsoidLines lines = ListOf({"old"});
  ASSERT_EQ(LoadEllipsoidLines((folder / "ellips.dat").string(), lines), ReferenceFileError::kNone);
  EXPECT_EQ(Contents(lines), (std::vector<std::string>{"B 1 2 3", "A 2 3 4"}));
}

TEST(LoadSystemLines, AMissingFileLeavesAnEmptyList) {
  TempFolder folder;
  SystemLines lines = ListOf({"old"});
  EXPECT_EQ(LoadSystemLines((folder / "sys.dat").string(), lines), ReferenceFileError::kOpenFailed);
  EXPECT_EQ(lines.Count(), 0);
}

TEST(LoadReferenceLines, MoreLinesThanSixteenBitsHoldIsAnError) {
  TempFolder folder;
  // Ascending lines of equal length, so that sorting them is cheap.
  std::string bytes;
  for (int i = 10000; i < 10000 + 32768; ++i) bytes += "E " + std::to_string(i) + " 2 3\r\n";
  WriteBytes(folder / "ellips.dat", bytes);
  EllipsoidLines ellipsoids;
  EXPECT_EQ(LoadEllipsoidLines((folder / "ellips.dat").string(), ellipsoids), ReferenceFileError::kTooManyLines);
  EXPECT_EQ(ellipsoids.Count(), 32767);

  WriteBytes(folder / "sys.dat", bytes);
  SystemLines systems;
  EXPECT_EQ(LoadSystemLines((folder / "sys.dat").string(), systems), ReferenceFileError::kTooManyLines);

  bytes.resize(bytes.size() - 13);  // exactly 32767 lines
  WriteBytes(folder / "ellips.dat", bytes);
  EXPECT_EQ(LoadEllipsoidLines((folder / "ellips.dat").string(), ellipsoids), ReferenceFileError::kNone);
  EXPECT_EQ(ellipsoids.Count(), 32767);
}

TEST(ReplaceReferenceFile, WritesEveryLineInWindows1251WithCrLf) {
  TempFolder folder;
  WriteBytes(folder / "sys.dat", "old\r\n");
  ASSERT_EQ(ReplaceReferenceFile(ReferenceKind::kSystems, folder.text(), ListOf({"ПЗ-90 1", "", "Ёё z"}),
                                 BackupChoice::kNoBackup),
            ReferenceFileError::kNone);
  EXPECT_EQ(ReadBytes(folder / "sys.dat"), "\xCF\xC7-90 1\r\n\r\n\xA8\xB8 z\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "sys.bac"));
  EXPECT_FALSE(std::filesystem::exists(folder / "sys.dat.tmp"));
}

TEST(ReplaceReferenceFile, AnEmptyListWritesAnEmptyFile) {
  TempFolder folder;
  WriteBytes(folder / "ellips.dat", "E 1 2 3\r\n");
  ASSERT_EQ(ReplaceReferenceFile(ReferenceKind::kEllipsoids, folder.text(), {}, BackupChoice::kNoBackup),
            ReferenceFileError::kNone);
  EXPECT_TRUE(std::filesystem::exists(folder / "ellips.dat"));
  EXPECT_EQ(ReadBytes(folder / "ellips.dat"), "");
}

struct BackupCase {
  const char* label;
  ReferenceKind kind;
  const char* file;
  const char* backup;
};

class ReplaceWithBackup : public ::testing::TestWithParam<BackupCase> {};

TEST_P(ReplaceWithBackup, CopiesTheCurrentFileFirstReplacingAnOlderCopy) {
  TempFolder folder;
  const std::string original = "first\r\n\xCF\xC7 second\nno end";
  WriteBytes(folder / GetParam().file, original);
  WriteBytes(folder / GetParam().backup, "an older backup, longer than the file itself\r\n");
  ASSERT_EQ(ReplaceReferenceFile(GetParam().kind, folder.text(), ListOf({"new"}), BackupChoice::kMakeBackup),
            ReferenceFileError::kNone);
  EXPECT_EQ(ReadBytes(folder / GetParam().backup), original);
  EXPECT_EQ(ReadBytes(folder / GetParam().file), "new\r\n");
}

TEST_P(ReplaceWithBackup, WithoutACurrentFileNothingIsWritten) {
  TempFolder folder;
  EXPECT_EQ(ReplaceReferenceFile(GetParam().kind, folder.text(), ListOf({"new"}), BackupChoice::kMakeBackup),
            ReferenceFileError::kBackupFailed);
  EXPECT_FALSE(std::filesystem::exists(folder / GetParam().file));
  EXPECT_FALSE(std::filesystem::exists(folder / GetParam().backup));
}

TEST_P(ReplaceWithBackup, AFailedBackupLeavesBothFilesAsTheyWere) {
  TempFolder folder;
  WriteBytes(folder / GetParam().file, "original\r\n");
  WriteBytes(folder / GetParam().backup, "older\r\n");
  // The backup's temporary cannot be created: a folder holds its name.
  std::filesystem::create_directory(folder / (std::string(GetParam().backup) + ".tmp"));
  EXPECT_EQ(ReplaceReferenceFile(GetParam().kind, folder.text(), ListOf({"new"}), BackupChoice::kMakeBackup),
            ReferenceFileError::kBackupFailed);
  EXPECT_EQ(ReadBytes(folder / GetParam().file), "original\r\n");
  EXPECT_EQ(ReadBytes(folder / GetParam().backup), "older\r\n");
}

INSTANTIATE_TEST_SUITE_P(Kinds, ReplaceWithBackup,
                         ::testing::Values(BackupCase{"systems", ReferenceKind::kSystems, "sys.dat", "sys.bac"},
                                           BackupCase{"ellipsoids", ReferenceKind::kEllipsoids, "ellips.dat", "ellips.bac"}),
                         testing::CaseLabel());

// A reference file with some Russian text and enough lines that a rewrite
// takes several writes.
struct SafeReplace : ::testing::Test {
  TempFolder folder;
  const std::string original = "Russia 1942 (CK42) 20 25 -141 -80 0 0 -0.35 -0.66 PZ90 27\r\n\xCF\xC7-90\r\n";
  ReferenceLines big;

  void SetUp() override {
    WriteBytes(folder / "sys.dat", original);
    for (int i = 0; i < 500; ++i) big.Append("Система координат номер " + std::to_string(i) + " 20 1 2 3 0 4 5 6 PZ90 27");
  }

  void ExpectOriginalKept() {
    EXPECT_EQ(ReadBytes(folder / "sys.dat"), original);
    EXPECT_FALSE(std::filesystem::exists(folder / "sys.dat.tmp"));
  }
};

TEST_F(SafeReplace, AWriteCutShortByTheFileSizeLimitKeepsTheOriginal) {
  // The process may write files of at most 4 KiB for a moment: the rewrite
  // fails part way, as on a full disk.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const ReferenceFileError error = ReplaceReferenceFile(ReferenceKind::kSystems, folder.text(), big, BackupChoice::kNoBackup);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedHandler);

  EXPECT_EQ(error, ReferenceFileError::kWriteFailed);
  ExpectOriginalKept();
}

TEST_F(SafeReplace, ATemporaryThatCannotBeCreatedKeepsTheOriginal) {
  std::filesystem::create_directory(folder / "sys.dat.tmp");
  EXPECT_EQ(ReplaceReferenceFile(ReferenceKind::kSystems, folder.text(), big, BackupChoice::kNoBackup),
            ReferenceFileError::kWriteFailed);
  EXPECT_EQ(ReadBytes(folder / "sys.dat"), original);
  std::filesystem::remove(folder / "sys.dat.tmp");
}

TEST_F(SafeReplace, AFailedRenameRemovesTheTemporary) {
  // A non-empty folder in place of the file cannot be replaced by a file.
  std::filesystem::remove(folder / "sys.dat");
  std::filesystem::create_directories(folder / "sys.dat" / "inside");
  EXPECT_EQ(ReplaceReferenceFile(ReferenceKind::kSystems, folder.text(), big, BackupChoice::kNoBackup),
            ReferenceFileError::kWriteFailed);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "sys.dat" / "inside"));
  EXPECT_FALSE(std::filesystem::exists(folder / "sys.dat.tmp"));
}

}  // namespace
}  // namespace vexilor
