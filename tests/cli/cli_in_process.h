#pragma once
// vexilor-cli run inside the test program: its command line parsed and run
// on string streams, its catalogue and grid in a folder of the test's own.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "cli_run.h"

namespace vexilor::testing {

// The blank-separated words of a command line.
inline std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> w;
  for (std::string s; in >> s;) w.push_back(s);
  return w;
}

// What a run printed and returned.
struct CliRun {
  int status = -1;
  std::string out, err;
};

// The whole command line `words`, with `input` on standard input (a
// terminal's with `terminal`); the catalogue and the grid are those of
// `folder`. A command line the parser refuses fails the test.
inline CliRun RunCliIn(const std::filesystem::path& folder, const std::vector<std::string>& words,
                       const std::string& input = "", bool terminal = false) {
  CliRun run;
  const CliParse p = ParseCliOptions(words);
  EXPECT_TRUE(p.options) << p.error;
  if (!p.options) return run;
  std::istringstream in(input);
  std::ostringstream out, err;
  CliStreams io{in, out, err, terminal};
  run.status = RunCli(*p.options, {folder, folder}, io);
  run.out = out.str();
  run.err = err.str();
  return run;
}

}  // namespace vexilor::testing
