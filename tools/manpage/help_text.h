#pragma once
// The --help text of a program, read into the parts a manual page shows.
//
// The text is laid out as vexilor and vexilor-cli print it:
//
//   usage: PROGRAM ARGUMENTS          the synopsis: the first line and those
//                  MORE ARGUMENTS     under it that begin with 7 blanks; each
//          PROGRAM OTHER ARGUMENTS    line after them is another form of the
//                                     command (when it begins with PROGRAM) or
//                                     more of the form before
//
//   Text at the left edge.            the description: paragraphs, ended by an
//     TERM  text                      empty line; a definition (TERM and two
//     TERM: text                      blanks, or TERM, being words joined by
//       more text                     ", ", and a colon); an indented line
//                                     continues what stands before it
//   title:  [text]                    a section of its own: lower-case words and
//     ...                             a colon at the left edge; in a section
//                                     titled "examples" each line stays as it is

#include <string>
#include <string_view>
#include <vector>

namespace vexilor {

struct HelpForm {
  std::string program;    // the first word
  std::string arguments;  // the rest of the form, its lines joined by blanks
};

struct HelpItem {
  std::string term;                // a definition's; empty for a paragraph
  std::vector<std::string> lines;  // without their indentation
  bool verbatim = false;           // one line of an example, kept as printed
};

struct HelpSection {
  std::string title;  // empty for the description
  std::vector<HelpItem> items;
};

struct HelpText {
  std::vector<HelpForm> synopsis;
  std::vector<HelpSection> sections;  // the description first
};

HelpText ReadHelpText(std::string_view text);

// The commands of a form "PROGRAM one|two|three ...": one, two, three;
// they answer "PROGRAM one --help" with a help text of their own.
std::vector<std::string> CommandsOf(const HelpText& help);

}  // namespace vexilor
