#include "command_line.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "cli_options.h"

namespace vexilor {
namespace {

struct SpellingCase {
  std::vector<std::string> args;
  std::map<std::string, std::string> values;
  std::vector<std::string> words;
  bool help = false;
  std::string error = {};
};

TEST(CollectCommandLine, TakesOptionsAsPeopleTypeThem) {
  const std::map<std::string, bool> takesValue = {{"--from", true}, {"--progress", false}, {"--version", false}};
  const SpellingCase cases[] = {
      {{"--from", "CK42", "a.in"}, {{"--from", "CK42"}}, {"a.in"}},
      {{"--from=CK42", "a.in"}, {{"--from", "CK42"}}, {"a.in"}},
      {{"--from=Survey=7"}, {{"--from", "Survey=7"}}, {}},  // the first "=" ends the name
      {{"--from="}, {{"--from", ""}}, {}},
      {{"--from", "--progress"}, {{"--from", "--progress"}}, {}},  // a value, whatever it looks like
      {{"-h"}, {}, {}, true},
      {{"-V", "--progress"}, {{"--version", ""}, {"--progress", ""}}, {}},
      {{"-22 54", "-", "-x"}, {}, {"-22 54", "-", "-x"}},
      {{"--", "-h", "--from=x"}, {}, {"-h", "--from=x"}},
      {{"--progress=1"}, {}, {}, false, "option --progress takes no value"},
      {{"--help=1"}, {}, {}, false, "option --help takes no value"},
      {{"--colour=red"}, {}, {}, false, "unknown option --colour=red"},
      {{"--from=a", "--from", "b"}, {{"--from", "a"}}, {}, false, "option given twice: --from"},
      {{"--from"}, {}, {}, false, "option without a value: --from"},
  };
  for (const SpellingCase& c : cases) {
    const CommandLine line = CollectCommandLine(c.args, 0, takesValue);
    const std::string label = ::testing::PrintToString(c.args);
    EXPECT_EQ(line.values, c.values) << label;
    EXPECT_EQ(line.words, c.words) << label;
    EXPECT_EQ(line.help, c.help) << label;
    EXPECT_EQ(line.error, c.error) << label;
  }
}

TEST(LooksLikeCommand, BareWordsOnly) {
  for (const char* word : {"sheets", "help", "x2_y-z"}) EXPECT_TRUE(LooksLikeCommand(word)) << word;
  for (const char* word : {"points.in", "data/points", "-", "-h", "2sheet", "", "точки"})
    EXPECT_FALSE(LooksLikeCommand(word)) << word;
}

// The transformation's own options take the same spellings.
TEST(ParseCliOptions, TakesTheSpellingsOfEveryOption) {
  const CliParse p = ParseCliOptions({"--from=CK42", "--from-type=BLH", "--to=WGS84", "--to-type=xyH",
                                      "--to-proj=utm", "--jobs=2", "a.in", "b.out"});
  ASSERT_TRUE(p.options) << p.error;
  EXPECT_EQ(p.options->from.system, "CK42");
  EXPECT_TRUE(p.options->to.projection);
  EXPECT_EQ(p.options->jobs, 2);
  EXPECT_TRUE(ParseCliOptions({"-V"}).version);
}

}  // namespace
}  // namespace vexilor
