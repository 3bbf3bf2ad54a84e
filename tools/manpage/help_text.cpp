#include "help_text.h"

#include <optional>
#include <regex>
#include <utility>

namespace vexilor {
namespace {

constexpr std::string_view kUsage = "usage: ";
constexpr std::size_t kFormIndent = kUsage.size();
constexpr std::size_t kItemIndent = 2;
constexpr std::string_view kExamples = "examples";

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

std::size_t Indent(const std::string& line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first == std::string::npos ? line.size() : first;
}

std::string Trimmed(const std::string& text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string::npos ? "" : text.substr(Indent(text), end + 1 - Indent(text));
}

using Labelled = std::pair<std::string, std::string>;  // a term or title, and the text after it

// "  TERM  text" or "  TERM: text".
std::optional<Labelled> Definition(const std::string& line) {
  static const std::regex kSpaced("  (\\S+(?: \\S+)*)  +(\\S.*)");
  static const std::regex kColon("  ([^ ,:]+(?:, [^ ,:]+)*): (\\S.*)");
  std::smatch m;
  if (std::regex_match(line, m, kSpaced) || std::regex_match(line, m, kColon)) return Labelled{m[1], m[2]};
  return std::nullopt;
}

// "title:" or "title: text" at the left edge.
std::optional<Labelled> Heading(const std::string& line) {
  static const std::regex kHeading("([a-z][a-z ]*):(?: (.*))?");
  std::smatch m;
  if (std::regex_match(line, m, kHeading)) return Labelled{m[1], Trimmed(m[2])};
  return std::nullopt;
}

class Reader {
 public:
  explicit Reader(const std::vector<std::string>& lines) {
    std::size_t next = 0;
    if (!lines.empty() && lines[0].starts_with(kUsage)) {
      const std::string under(kFormIndent, ' ');
      do Form(lines[next++].substr(kFormIndent));
      while (next < lines.size() && lines[next].starts_with(under));
    }
    help_.sections.emplace_back();
    for (; next < lines.size(); ++next) Line(lines[next]);
  }

  HelpText Text() && { return std::move(help_); }

 private:
  // A line of the synopsis, without "usage: " or the blanks under it.
  void Form(const std::string& text) {
    if (!text.starts_with(' ') || help_.synopsis.empty()) {
      const std::size_t space = text.find(' ');
      help_.synopsis.push_back({text.substr(0, space), space == std::string::npos ? "" : Trimmed(text.substr(space))});
    } else {
      help_.synopsis.back().arguments += " " + Trimmed(text);
    }
  }

  void Line(const std::string& line) {
    if (Trimmed(line).empty()) {
      open_ = false;
    } else if (const auto heading = Heading(line)) {
      help_.sections.push_back({heading->first, {}});
      open_ = false;
      if (!heading->second.empty()) Add({"", {heading->second}});
    } else if (help_.sections.back().title == kExamples) {
      Add({"", {line.substr(std::min(Indent(line), kItemIndent))}, true});
      open_ = false;
    } else if (Indent(line) > kItemIndent) {
      Continue(Trimmed(line), true);
    } else if (const auto definition = Indent(line) == kItemIndent ? Definition(line) : std::nullopt) {
      Add({definition->first, {definition->second}});
    } else {
      Continue(Trimmed(line), false);
    }
  }

  void Add(HelpItem item) {
    help_.sections.back().items.push_back(std::move(item));
    open_ = true;
  }

  // More text of the item before, when it is open and may take it (an
  // indented line continues a definition too); otherwise a new paragraph.
  void Continue(const std::string& text, bool indented) {
    std::vector<HelpItem>& items = help_.sections.back().items;
    if (open_ && !items.empty() && (indented || items.back().term.empty())) {
      items.back().lines.push_back(text);
    } else {
      Add({"", {text}});
    }
  }

  HelpText help_;
  bool open_ = false;  // the last item takes more lines
};

}  // namespace

HelpText ReadHelpText(std::string_view text) { return Reader(Lines(text)).Text(); }

std::vector<std::string> CommandsOf(const HelpText& help) {
  static const std::regex kCommands("([a-z][a-z-]*(?:\\|[a-z][a-z-]*)*)(?: .*)?");
  std::vector<std::string> commands;
  for (const HelpForm& form : help.synopsis) {
    std::smatch m;
    if (!std::regex_match(form.arguments, m, kCommands)) continue;
    const std::string names = m[1];
    for (std::size_t start = 0; start <= names.size();) {
      const std::size_t bar = std::min(names.find('|', start), names.size());
      commands.push_back(names.substr(start, bar - start));
      start = bar + 1;
    }
  }
  return commands;
}

}  // namespace vexilor
