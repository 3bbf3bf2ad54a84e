// Results under a name that is not a plain file: what the reader of a FIFO,
// a device, a descriptor or the target of a link gets, and that the name
// stays what it was.

#include "run/results_writer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <functional>

#include "support/raw_files.h"
#include "text/codepage.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kLine = "Система координат: WGS 84";

// The bytes waiting to be read on a descriptor, which is then closed.
std::string Available(int descriptor) {
  std::string bytes(4096, '\0');
  const ssize_t got = ::read(descriptor, bytes.data(), bytes.size());
  ::close(descriptor);
  bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return bytes;
}

// Every name under `folder` but `skip`, with its kind, mode and owner.
std::vector<std::string> Inventory(const fs::path& folder, const std::string& skip = "") {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    struct stat s {};
    ::lstat(entry.path().c_str(), &s);
    if (entry.path().filename() != skip)
      names.push_back(entry.path().string() + " " + std::to_string(s.st_mode) + " " + std::to_string(s.st_uid) + ":" +
                      std::to_string(s.st_gid));
  }
  return names;
}

// The results name of a case, and where its lines are to arrive.
struct Placed {
  std::string name;                     // empty: the machine cannot make it
  std::function<std::string()> arrived;  // the bytes at their destination
};

struct TargetCase {
  std::string label;
  std::function<Placed(const TempFolder&)> place;
};

const TargetCase kTargets[] = {
    {"Fifo",
     [](const TempFolder& f) {
       ::mkfifo(f.PathOf("out").c_str(), 0644);
       const int reader = ::open(f.PathOf("out").c_str(), O_RDONLY | O_NONBLOCK);
       return Placed{f.PathOf("out"), [reader] { return Available(reader); }};
     }},
    // The null device, made in the folder: where that is refused, /dev/null
    // itself only for an ordinary user, whom /dev does not let replace it.
    {"CharacterDevice",
     [](const TempFolder& f) {
       std::string name = f.PathOf("null");
       if (::mknod(name.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) name = ::geteuid() != 0 ? "/dev/null" : "";
       return Placed{name, nullptr};
     }},
    // An open file whose name is gone: only its descriptor reaches it.
    {"Descriptor",
     [](const TempFolder& f) {
       const int held = ::open(f.PathOf("held").c_str(), O_RDWR | O_CREAT, 0644);
       ::unlink(f.PathOf("held").c_str());
       return Placed{"/dev/fd/" + std::to_string(held), [held] { return Available(held); }};
     }},
    {"RelativeLinkToAFileElsewhere",
     [](const TempFolder& f) {
       fs::create_directories(f / "a");
       fs::create_directories(f / "b");
       WriteBytes(f / "b" / "real.out", "earlier\r\n");
       fs::create_symlink("../b/real.out", f / "a" / "link.out");
       return Placed{f.PathOf("a/link.out"), [&f] { return ReadBytes(f / "b" / "real.out"); }};
     }},
    {"LinkToNoFileYet",
     [](const TempFolder& f) {
       fs::create_symlink(f / "new.out", f / "link.out");
       return Placed{f.PathOf("link.out"), [&f] { return ReadBytes(f / "new.out"); }};
     }},
    // Permissions of the user's choice, and an owner root may give.
    {"FileOfAnotherOwnerAndMode",
     [](const TempFolder& f) {
       WriteBytes(f / "shared.out", "earlier\r\n");
       ::chmod(f.PathOf("shared.out").c_str(), 0604);
       if (::geteuid() == 0 && ::chown(f.PathOf("shared.out").c_str(), 65534, 65534) != 0) return Placed{};
       return Placed{f.PathOf("shared.out"), [&f] { return ReadBytes(f / "shared.out"); }};
     }},
};

void PrintTo(const TargetCase& c, std::ostream* out) { *out << c.label; }

class ResultsTargetTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(ResultsTargetTest, LinesReachWhatTheNameStandsForAndTheNameStays) {
  TempFolder folder;
  const Placed placed = GetParam().place(folder);
  if (placed.name.empty()) GTEST_SKIP() << "the machine does not let the test make this target";
  const std::vector<std::string> before = Inventory(folder.path());

  ResultsWriter writer;
  ASSERT_TRUE(writer.Create(placed.name));
  writer.WriteEncoded(Utf8ToCp1251(kLine) + "\r\n");
  ASSERT_TRUE(writer.Commit());

  if (placed.arrived) {
    EXPECT_EQ(placed.arrived(), Utf8ToCp1251(kLine) + "\r\n");
  }
  EXPECT_EQ(Inventory(folder.path(), "new.out"), before)
      << "every name keeps its kind, mode and owner, and no temporary file stays";
}

INSTANTIATE_TEST_SUITE_P(Targets, ResultsTargetTest, ::testing::ValuesIn(kTargets), testing::CaseLabel());

// A stopped run drops its results; a FIFO it wrote to stays a FIFO.
TEST(ResultsWriterDiscard, LeavesAFifoInPlace) {
  TempFolder folder;
  ::mkfifo(folder.PathOf("out").c_str(), 0644);
  const int reader = ::open(folder.PathOf("out").c_str(), O_RDONLY | O_NONBLOCK);
  ResultsWriter writer;
  ASSERT_TRUE(writer.Create(folder.PathOf("out")));
  writer.Discard();
  EXPECT_TRUE(fs::is_fifo(folder / "out"));
  ::close(reader);
}

}  // namespace
}  // namespace vexilor
