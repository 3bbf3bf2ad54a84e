// Every example command of the README ("$ vexilor-cli ...") is run as a
// shell runs it, on a terminal (script(1) gives it one), in a folder holding
// a copy of data/examples, and what the terminal shows must be what the
// README shows under it. The examples of `vexilor-cli --help` must be the
// README's. So the README cannot drift from the program.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "support/raw_files.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;

struct Example {
  std::string command;   // continuation lines joined
  std::string expected;  // the lines shown under it, each ending in LF
  int readmeLine = 0;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool StartsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

// A command of several lines, each but the last ending in " \", as one line.
std::string JoinContinued(const std::vector<std::string>& lines, std::size_t& i) {
  std::string command = lines[i];
  while (command.ends_with("\\") && i + 1 < lines.size()) {
    command.pop_back();
    std::string next = lines[++i];
    next.erase(0, next.find_first_not_of(' '));
    command += next;
  }
  return command;
}

void DropTrailingEmptyLines(std::string& text) {
  while (text.ends_with("\n\n")) text.pop_back();
  if (text == "\n") text.clear();
}

// The commands of fenced blocks that run vexilor-cli ("$ vexilor-cli ...",
// "$ printf ... | vexilor-cli ...") with the output shown under each, up to
// the next command, a "# " comment or the end of the block.
std::vector<Example> ReadmeExamples(const std::string& readme) {
  const std::vector<std::string> lines = Lines(readme);
  std::vector<Example> examples;
  bool inBlock = false;
  bool open = false;  // lines belong to the output of the last example
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (StartsWith(line, "```")) {
      inBlock = !inBlock;
      open = false;
    } else if (!inBlock) {
      continue;
    } else if (StartsWith(line, "$ ")) {
      const int number = static_cast<int>(i) + 1;
      const std::string command = JoinContinued(lines, i).substr(2);
      open = command.find("vexilor-cli ") != std::string::npos;
      if (open) examples.push_back({command, "", number});
    } else if (StartsWith(line, "# ")) {
      open = false;
    } else if (open) {
      examples.back().expected += line + "\n";
    }
  }
  for (Example& e : examples) DropTrailingEmptyLines(e.expected);
  return examples;
}

// The example commands of --help, continuation lines joined.
std::set<std::string> HelpExamples(const std::string& help) {
  const std::vector<std::string> lines = Lines(help);
  std::set<std::string> commands;
  const auto start = std::find(lines.begin(), lines.end(), "examples:");
  for (std::size_t i = static_cast<std::size_t>(start - lines.begin()); i < lines.size(); ++i) {
    if (StartsWith(lines[i], "  vexilor-cli ")) commands.insert(JoinContinued(lines, i).substr(2));
  }
  return commands;
}

struct Shown {
  int status = -1;
  std::string text;  // as the terminal shows it, CR LF of the terminal as LF
};

class ReadmeExample : public ::testing::Test {
 protected:
  ReadmeExample() {
    fs::create_directories(folder / "data");
    fs::copy(fs::path(VEXILOR_SOURCE_DIR) / "data" / "examples", folder / "data" / "examples");
    fs::create_directories(folder / "home");
  }

  // Runs `command` with vexilor-cli of the build first on the PATH, its
  // standard output and error on a terminal.
  Shown Run(const std::string& command) const {
    std::ofstream(folder / "example.sh") << "cd '" << folder.text() << "' || exit 99\n"
                                         << "export PATH='" << VEXILOR_PROGRAM_DIR << "':\"$PATH\"\n"
                                         << "export HOME='" << (folder / "home").string() << "'\n"
                                         << command << "\n";
    const std::string shell = "script -qefc 'sh " + (folder / "example.sh").string() + "' /dev/null < /dev/null > '" +
                              (folder / "shown").string() + "' 2>&1";
    const int status = std::system(shell.c_str());
    Shown shown;
    shown.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    shown.text = ReadBytes(folder / "shown");
    std::erase(shown.text, '\r');
    DropTrailingEmptyLines(shown.text);
    return shown;
  }

  testing::TempFolder folder;
};

TEST_F(ReadmeExample, EveryCommandShowsWhatTheReadmeShows) {
  const std::vector<Example> examples = ReadmeExamples(ReadBytes(fs::path(VEXILOR_SOURCE_DIR) / "README.md"));
  ASSERT_GE(examples.size(), 20u) << "the README's examples were not found";
  for (const Example& e : examples) {
    const Shown shown = Run(e.command);
    // A run that fails says so in one line that begins with the tool's
    // name (and the service tool's) and a colon.
    static const std::regex kFailureLine("(^|\n)vexilor-cli( [a-z]+)?: ");
    const bool refused = std::regex_search(e.expected, kFailureLine);
    EXPECT_EQ(shown.status != 0, refused) << "README.md:" << e.readmeLine << ": " << e.command << "\n" << shown.text;
    EXPECT_EQ(shown.text, e.expected) << "README.md:" << e.readmeLine << ": " << e.command;
  }
}

// The examples of --help are those that the README introduces as such.
TEST_F(ReadmeExample, HelpShowsTheReadmesExamples) {
  const std::string readme = ReadBytes(fs::path(VEXILOR_SOURCE_DIR) / "README.md");
  const std::string marker = "`vexilor-cli --help` shows them too";
  const std::size_t at = readme.find(marker);
  ASSERT_NE(at, std::string::npos);
  const std::size_t blockEnd = readme.find("\n```\n", readme.find("```", at) + 3);
  std::set<std::string> introduced;
  for (const Example& e : ReadmeExamples(readme.substr(at, blockEnd + 5 - at))) introduced.insert(e.command);

  const Shown help = Run("vexilor-cli --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(HelpExamples(help.text), introduced);
  EXPECT_GE(introduced.size(), 10u);
}

}  // namespace
}  // namespace vexilor
