#include "help_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vexilor {
namespace {

// The parts read, one a line: "[title]" for a section, "P" a paragraph,
// "D term" a definition, "V" an example line, each with its lines after "|".
std::string Outline(const HelpText& help) {
  std::string out;
  for (const HelpSection& section : help.sections) {
    out += "[" + section.title + "]\n";
    for (const HelpItem& item : section.items) {
      out += item.verbatim ? "V" : item.term.empty() ? "P" : "D " + item.term;
      for (const std::string& line : item.lines) out += "|" + line;
      out += "\n";
    }
  }
  return out;
}

constexpr const char* kHelp =
    "usage: tool --from SYSTEM [--zone N]\n"
    "            --to SYSTEM INPUT\n"
    "       tool one|two-words ...   the tools (--help after each)\n"
    "       tool -h|--help\n"
    "\n"
    "Transforms the points of a file as the\n"
    "program does.\n"
    "  SYSTEM  a name or the code in its brackets: CK42,\n"
    "          WGS84\n"
    "  B, L: angle texts, \"55 45 20.5\" (d m s)\n"
    "    or degrees\n"
    "  --to-grads: TEXT in degrees\n"
    "  NOMENCLATURE with its hemisphere mark: \"(N) N-37-4\".\n"
    "  continued on a line of its own\n"
    "Text at the edge again.\n"
    "\n"
    "A second paragraph.\n"
    "exit status: 0 done; 64 a command line that cannot be run; 1 a refused\n"
    "  point\n"
    "\n"
    "files:\n"
    "  /usr/share/vexilor  the reference files\n"
    "\n"
    "examples:\n"
    "  # a comment: kept\n"
    "  tool --from CK42 \\\n"
    "       data/x.in -\n";

TEST(ReadHelpText, TheSynopsisHasAFormForEachLineThatNamesTheProgram) {
  const HelpText help = ReadHelpText(kHelp);
  ASSERT_EQ(help.synopsis.size(), 3u);
  EXPECT_EQ(help.synopsis[0].program, "tool");
  EXPECT_EQ(help.synopsis[0].arguments, "--from SYSTEM [--zone N] --to SYSTEM INPUT");
  EXPECT_EQ(help.synopsis[1].arguments, "one|two-words ...   the tools (--help after each)");
  EXPECT_EQ(help.synopsis[2].arguments, "-h|--help");
  EXPECT_EQ(CommandsOf(help), (std::vector<std::string>{"one", "two-words"}));
}

TEST(ReadHelpText, ParagraphsDefinitionsSectionsAndExamples) {
  EXPECT_EQ(Outline(ReadHelpText(kHelp)),
            "[]\n"
            "P|Transforms the points of a file as the|program does.\n"
            "D SYSTEM|a name or the code in its brackets: CK42,|WGS84\n"
            "D B, L|angle texts, \"55 45 20.5\" (d m s)|or degrees\n"
            "D --to-grads|TEXT in degrees\n"
            "P|NOMENCLATURE with its hemisphere mark: \"(N) N-37-4\".|continued on a line of its own|"
            "Text at the edge again.\n"
            "P|A second paragraph.\n"
            "[exit status]\n"
            "P|0 done; 64 a command line that cannot be run; 1 a refused|point\n"
            "[files]\n"
            "D /usr/share/vexilor|the reference files\n"
            "[examples]\n"
            "V|# a comment: kept\n"
            "V|tool --from CK42 \\\n"
            "V|     data/x.in -\n");
}

TEST(ReadHelpText, WithoutAUsageLineAllIsDescription) {
  const HelpText help = ReadHelpText("Text\n  TERM  its text\n");
  EXPECT_TRUE(help.synopsis.empty());
  EXPECT_TRUE(CommandsOf(help).empty());
  EXPECT_EQ(Outline(help), "[]\nP|Text\nD TERM|its text\n");
}

}  // namespace
}  // namespace vexilor
