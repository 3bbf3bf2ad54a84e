#include "progress_bar.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace vexilor {
namespace {

// A run of 1000 bytes reported after 100, 104, 995 bytes and at its end,
// as a terminal and a log show it.
std::string Shown(bool terminal) {
  std::ostringstream out;
  ProgressBar bar(out, terminal);
  bar.Show(10, 100, 1000);
  bar.Show(11, 104, 1000);
  bar.Show(100, 995, 1000);
  bar.Show(101, 1000, 1000);
  bar.Close();
  return out.str();
}

TEST(ProgressBar, RedrawsOnATerminalAndWritesLinesElsewhere) {
  const std::string tenth = std::string(4, '#') + std::string(36, '.');
  const std::string whole = std::string(40, '#');
  EXPECT_EQ(Shown(true), "\r[" + tenth + "] 10%  10 строк\r[" + whole + "] 100%  100 строк\r[" + whole +
                             "] 100%  101 строк\n");
  EXPECT_EQ(Shown(false), "10%  10 строк\n99%  100 строк\n100%  101 строк\n");
}

}  // namespace
}  // namespace vexilor
