// The catalogue's rewrite of sys.dat killed at random moments: sys.dat is
// always the old or the new catalogue, whole, and the backup is always
// whole too - the earlier backup, or the old sys.dat once the new one may
// be in place.

#include <gtest/gtest.h>

#include <string>

#include "refdata/reference_file.h"
#include "support/kill_child.h"
#include "support/raw_files.h"
#include "support/temp_folder.h"

namespace vexilor {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A catalogue of `count` systems, as lines and as the bytes of its file.
SystemLines Catalogue(int count, const std::string& tag) {
  SystemLines lines;
  for (int i = 0; i < count; ++i)
    lines.Append("System " + tag + std::to_string(100000 + i) +
                 " (S" + std::to_string(i) + ")                                          "
                 "1   23.92   -141.27 -80.9   0           0       0.35    0.82    PZ90        27");
  return lines;
}

std::string FileBytes(const SystemLines& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

TEST(CatalogueRewriteKilled, SysDatAndItsBackupAreAlwaysWhole) {
  TempFolder folder;
  const SystemLines newLines = Catalogue(4000, "new ");
  const std::string oldFile = FileBytes(Catalogue(4000, "old "));
  const std::string newFile = FileBytes(newLines);
  const std::string oldBackup = "the backup of an earlier day\r\n";

  const testing::KillCount count = testing::KillAtRandomMoments(
      200,
      [&] {
        WriteBytes(folder / "sys.dat", oldFile);
        WriteBytes(folder / "sys.bac", oldBackup);
      },
      [&] { ReplaceReferenceFile(ReferenceKind::kSystems, folder.text(), newLines, BackupChoice::kMakeBackup); },
      [&] {
        const std::string file = ReadBytes(folder / "sys.dat");
        const std::string backup = ReadBytes(folder / "sys.bac");
        ASSERT_TRUE(file == oldFile || file == newFile) << "sys.dat of " << file.size() << " bytes";
        ASSERT_TRUE(backup == oldBackup || backup == oldFile) << "sys.bac of " << backup.size() << " bytes";
        // The backup is made before the new file takes the name.
        if (file == newFile) {
          ASSERT_EQ(backup, oldFile) << "the new sys.dat came before its backup";
        }
      });
  // The moments are spread over the rewrite; how many fall inside it
  // depends on the machine's load, but never only a few.
  EXPECT_GE(count.killed, 20) << "kills that found the rewrite still running";
  EXPECT_EQ(count.killed + count.finished, 200);
}

}  // namespace
}  // namespace vexilor
