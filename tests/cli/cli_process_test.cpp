// vexilor-cli as a process: standard output that cannot take the output,
// a signal that ends a run, the temporary copies that "-" stands for, a
// descriptor as OUTPUT, and an ordinary user before a read-only results
// file (the tests themselves may run as root, whom nothing is read-only).

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/raw_files.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

const std::string kProgram = std::string(VEXILOR_PROGRAM_DIR) + "/vexilor-cli";
constexpr int kCannotStart = 125;  // the child could not become the user or start the program

struct Start {
  std::vector<std::string> args;
  std::string input = "/dev/null";
  std::string output = "/dev/null";
  int outputDescriptor = -1;  // instead of `output`
  bool ignorePipe = false;    // SIGPIPE ignored, as a shell's trap '' PIPE leaves it
  uid_t user = 0;             // not 0: run as this user, of `group`
  gid_t group = 0;
  std::string folder = {};  // not empty: the working folder
};

struct Ended {
  int status = -1;  // -1: ended by a signal
  int signal = 0;
  std::string err;
};

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    for (const char* f : {"sys.dat", "ellips.dat"}) fs::copy_file(fs::path(VEXILOR_SOURCE_DATA_DIR) / f, folder_ / f);
    fs::create_directory(folder_ / "tmp");
    WriteBytes(folder_ / "points.in", "BLH\r\n1 55.75 37.62 150\r\n2 59.94 30.31 10\r\n");
  }

  // The transformation of INPUT into OUTPUT with the test's catalogue.
  std::vector<std::string> Transform(const std::string& input, const std::string& output) const {
    return {"--from", "CK42", "--from-type", "BLH", "--from-units", "2", "--to", "CK95", "--to-type", "BLH",
            "--heights", "geodetic", "--jobs", "1", "--data", folder_.text(), input, output};
  }

  // Starts the program with TMPDIR the test's folder "tmp".
  pid_t Launch(const Start& s) const {
    std::vector<std::string> words{kProgram}, environment{"TMPDIR=" + folder_.PathOf("tmp")};
    words.insert(words.end(), s.args.begin(), s.args.end());
    for (char** e = environ; *e != nullptr; ++e)
      if (std::strncmp(*e, "TMPDIR=", 7) != 0) environment.emplace_back(*e);
    std::vector<char*> argv, envp;
    for (std::string& w : words) argv.push_back(w.data());
    for (std::string& e : environment) envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    const std::string errors = folder_.PathOf("stderr");
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    ::dup2(::open(s.input.c_str(), O_RDONLY), 0);
    ::dup2(s.outputDescriptor >= 0 ? s.outputDescriptor : ::open(s.output.c_str(), O_WRONLY), 1);
    ::dup2(::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666), 2);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) ::signal(signal, SIG_DFL);
    if (s.ignorePipe) ::signal(SIGPIPE, SIG_IGN);
    if (!s.folder.empty() && ::chdir(s.folder.c_str()) != 0) ::_exit(kCannotStart);
    if (s.user != 0 && (::setgroups(0, nullptr) != 0 || ::setgid(s.group) != 0 || ::setuid(s.user) != 0))
      ::_exit(kCannotStart);
    ::execve(kProgram.c_str(), argv.data(), envp.data());
    ::_exit(kCannotStart);
  }

  Ended Wait(pid_t pid) const {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, WIFSIGNALED(status) ? WTERMSIG(status) : 0,
            ReadBytes(folder_ / "stderr")};
  }

  Ended Run(const Start& s) const { return Wait(Launch(s)); }

  // Names under the test's folder that end in `suffix`. (A running program
  // may remove one while they are listed.)
  std::vector<std::string> Left(const std::string& suffix) const {
    std::vector<std::string> names;
    std::error_code gone;
    for (fs::recursive_directory_iterator it(folder_.path(), gone), end; !gone && it != end; it.increment(gone))
      if (it->path().string().ends_with(suffix)) names.push_back(it->path().string());
    return names;
  }

  testing::TempFolder folder_;
};

struct LostOutputCase {
  std::string label;
  std::string source;  // of a transformation to "-"; empty: `args`
  std::vector<std::string> args;
  int status;  // a failed run keeps its own
};

void PrintTo(const LostOutputCase& c, std::ostream* out) { *out << c.label; }

class LostOutput : public ProgramTest, public ::testing::WithParamInterface<LostOutputCase> {};

// Into a full disk, and into a pipe whose reader is gone while SIGPIPE is
// ignored.
TEST_P(LostOutput, IsReportedAndNeverSuccess) {
  const LostOutputCase& c = GetParam();
  WriteBytes(folder_ / "bad.in", "BLH\r\n1 55.75 37.62 150\r\n2 95 37 1\r\n");
  Start s{c.source.empty() ? c.args : Transform(folder_.PathOf(c.source), "-"), "/dev/null", "/dev/full"};
  for (const int reason : {ENOSPC, EPIPE}) {
    int pipe[2] = {-1, -1};
    if (reason == EPIPE) {
      ASSERT_EQ(::pipe(pipe), 0);
      ::close(pipe[0]);
    }
    s.outputDescriptor = pipe[1];
    s.ignorePipe = reason == EPIPE;
    const pid_t pid = Launch(s);
    if (reason == EPIPE) ::close(pipe[1]);
    const Ended e = Wait(pid);
    EXPECT_EQ(e.status, c.status) << std::strerror(reason);
    const std::string message = "vexilor-cli: (standard output): writing failed: " + std::string(std::strerror(reason));
    EXPECT_TRUE(e.err.ends_with(message + "\n")) << e.err;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, LostOutput,
    ::testing::Values(LostOutputCase{"Results", "points.in", {}, 108}, LostOutputCase{"FailedRun", "bad.in", {}, 110},
                      LostOutputCase{"Help", "", {"--help"}, 108}, LostOutputCase{"Version", "", {"--version"}, 108},
                      LostOutputCase{"Sheet", "", {"sheet", "--scale", "10000", "55 45 00", "37 37 12"}, 108},
                      LostOutputCase{"Frame", "", {"frame", "--scale", "100000", "(N) N-37-4"}, 108},
                      LostOutputCase{"Grads", "", {"grads", "--to-grads", "--units", "0", "90"}, 108},
                      LostOutputCase{"Length", "", {"length", "--to-metres", "--combination", "0", "1 2 6"}, 108},
                      LostOutputCase{"ToolHelp", "", {"frame", "--help"}, 108}),
    testing::CaseLabel());

struct InterruptCase {
  std::string label;
  int signal;
  bool standardInput, standardOutput;  // "-" for INPUT, for OUTPUT
};

void PrintTo(const InterruptCase& c, std::ostream* out) { *out << c.label; }

class Interrupted : public ProgramTest, public ::testing::WithParamInterface<InterruptCase> {};

// A run of a few seconds, ended once its results file is being written:
// the signal ends the program, the earlier results stay, and no temporary
// file is left, neither beside the results nor in TMPDIR.
TEST_P(Interrupted, LeavesNoTemporaryFileAndTheEarlierResults) {
  const InterruptCase& c = GetParam();
  std::string points = "BLH\n";
  for (int i = 0; i < 300000; ++i) points += std::to_string(i) + " 55.75 37.62 150\n";
  WriteBytes(folder_ / "big.in", points);
  const std::string earlier = "the results of an earlier run\r\n";
  WriteBytes(folder_ / "points.out", earlier);
  Start s{Transform(c.standardInput ? "-" : folder_.PathOf("big.in"),
                    c.standardOutput ? "-" : folder_.PathOf("points.out"))};
  s.input = folder_.PathOf("big.in");
  const pid_t pid = Launch(s);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (Left(".tmp").empty() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ::kill(pid, c.signal);
  const Ended e = Wait(pid);
  EXPECT_EQ(e.signal, c.signal) << "status " << e.status << ", " << e.err;
  EXPECT_EQ(Left(".tmp"), std::vector<std::string>{});
  EXPECT_TRUE(fs::is_empty(folder_ / "tmp"));
  EXPECT_EQ(ReadBytes(folder_ / "points.out"), earlier);
}

INSTANTIATE_TEST_SUITE_P(Signals, Interrupted,
                         ::testing::Values(InterruptCase{"Interrupt", SIGINT, false, false},
                                           InterruptCase{"TerminateReadingStandardInput", SIGTERM, true, false},
                                           InterruptCase{"HangUpWritingStandardOutput", SIGHUP, false, true}),
                         testing::CaseLabel());

// A first word that reads as a command is one, unless a file of that name
// is there to be transformed.
TEST_F(ProgramTest, ABareFirstWordIsACommandOrAnExistingFile) {
  const Ended unknown = Run({{"sheets", "--scale", "100000", "55", "37"}});
  EXPECT_EQ(unknown.status, 64);
  EXPECT_EQ(unknown.err, "vexilor-cli: unknown command sheets (vexilor-cli --help shows the usage)\n");
  fs::copy_file(folder_ / "points.in", folder_ / "points");
  std::vector<std::string> args = Transform("points", "-");
  std::rotate(args.begin(), args.end() - 2, args.end());  // the files first
  Start s{args};
  s.folder = folder_.text();
  const Ended file = Run(s);
  EXPECT_EQ(file.status, 0) << file.err;
}

// Runs on "-" that end, well or not, leave nothing in TMPDIR.
TEST_F(ProgramTest, TheCopiesOfStandardStreamsGoAfterTheRun) {
  WriteBytes(folder_ / "bad.in", "BLH\r\n1 55.75 37.62\r\n");
  for (const char* input : {"points.in", "bad.in"}) {
    Start s{Transform("-", "-"), folder_.PathOf(input)};
    const Ended e = Run(s);
    EXPECT_EQ(e.status, input == std::string("points.in") ? 0 : 111) << e.err;
    EXPECT_TRUE(fs::is_empty(folder_ / "tmp")) << input;
  }
}

// /dev/fd/1 (or /dev/stdout) is written straight: a pipe gets the bytes a
// results file holds.
TEST_F(ProgramTest, ADescriptorAsOutputIsWrittenStraight) {
  ASSERT_EQ(Run({Transform(folder_.PathOf("points.in"), folder_.PathOf("points.out"))}).status, 0);
  int pipe[2];
  ASSERT_EQ(::pipe(pipe), 0);
  Start s{Transform(folder_.PathOf("points.in"), "/dev/fd/1")};
  s.outputDescriptor = pipe[1];
  const pid_t pid = Launch(s);
  ::close(pipe[1]);
  std::string piped(1 << 16, '\0');
  piped.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(pipe[0], piped.data(), piped.size()))));
  ::close(pipe[0]);
  EXPECT_EQ(Wait(pid).status, 0);
  EXPECT_EQ(piped, ReadBytes(folder_ / "points.out"));
}

// An ordinary user may not write a read-only results file, and the program
// does not replace it although the folder would let it.
TEST_F(ProgramTest, AReadOnlyResultsFileIsRefused) {
  const std::string earlier = "the results of an earlier run\r\n";
  WriteBytes(folder_ / "points.out", earlier);
  fs::permissions(folder_.path(), fs::perms::all);
  fs::permissions(folder_ / "points.out", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  Start s{Transform(folder_.PathOf("points.in"), folder_.PathOf("points.out"))};
  if (::geteuid() == 0) {
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr) GTEST_SKIP() << "no user nobody to run as: root may write any file";
    s.user = nobody->pw_uid;
    s.group = nobody->pw_gid;
    ASSERT_EQ(::chown(folder_.PathOf("points.out").c_str(), s.user, s.group), 0);
  }
  const Ended e = Run(s);
  if (e.status == kCannotStart) GTEST_SKIP() << "vexilor-cli cannot be run as nobody here (privileges, or a folder of "
                                             << kProgram << " closed to others): root may write any file";
  EXPECT_EQ(e.status, 108);
  EXPECT_EQ(e.err, "vexilor-cli: " + folder_.PathOf("points.out") + ": cannot be written: Permission denied\n");
  EXPECT_EQ(ReadBytes(folder_ / "points.out"), earlier);
}

}  // namespace
}  // namespace vexilor
