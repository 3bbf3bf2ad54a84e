#include "man_page.h"

#include <cctype>

namespace vexilor {
namespace {

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Quoted(const std::string& text) { return "\"" + RoffText(text) + "\""; }

std::string Bold(const std::string& text) { return "\\fB" + RoffText(text) + "\\fR"; }

std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += RoffText(line) + "\n";
  return out;
}

std::string Forms(const std::vector<HelpForm>& forms) {
  std::string out;
  for (std::size_t i = 0; i < forms.size(); ++i) {
    if (i > 0) out += ".br\n";
    out += Bold(forms[i].program) + "\n" + RoffText(forms[i].arguments) + "\n";
  }
  return out;
}

// Paragraphs, definitions, and runs of example lines kept as they are.
std::string Items(const std::vector<HelpItem>& items) {
  std::string out;
  bool verbatim = false;
  for (const HelpItem& item : items) {
    if (verbatim && !item.verbatim) out += ".fi\n";
    if (!verbatim && item.verbatim) out += ".PP\n.nf\n";
    verbatim = item.verbatim;
    if (!item.verbatim) out += item.term.empty() ? ".PP\n" : ".TP\n" + Bold(item.term) + "\n";
    out += Lines(item.lines);
  }
  return out + (verbatim ? ".fi\n" : "");
}

// A command's help under a heading of its own: its forms and description,
// then each of its sections as a labelled paragraph.
std::string Command(const HelpText& help) {
  std::string title = help.synopsis.empty() ? "" : help.synopsis[0].program;
  if (!help.synopsis.empty()) title += " " + help.synopsis[0].arguments.substr(0, help.synopsis[0].arguments.find(' '));
  std::string out = ".SS " + Quoted(title) + "\n" + Forms(help.synopsis);
  for (const HelpSection& section : help.sections) {
    if (section.title.empty()) {
      out += Items(section.items);
      continue;
    }
    out += ".TP\n\\fI" + RoffText(section.title) + "\\fR\n";
    for (const HelpItem& item : section.items) out += Lines(item.lines);
  }
  return out;
}

std::string SeeAlso(const std::vector<std::string>& pages) {
  std::string out = ".SH \"SEE ALSO\"\n";
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const std::size_t bracket = pages[i].find('(');
    out += ".BR " + RoffText(pages[i].substr(0, bracket)) + " " + pages[i].substr(bracket) +
           (i + 1 < pages.size() ? " ,\n" : "\n");
  }
  return out;
}

}  // namespace

std::string RoffText(const std::string& text) {
  std::string out = text.starts_with('.') || text.starts_with('\'') ? "\\&" : "";
  for (const char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  return out;
}

std::string ManPageText(const ManPage& page) {
  std::string out = ".\\\" -*- coding: UTF-8 -*-\n.\\\" Made from the output of \"" + page.name +
                    " --help\" by vexilor-manpage.\n.TH " + Quoted(UpperCase(page.name)) + " 1 " + Quoted(page.date) +
                    " " + Quoted(page.source) + " \"User Commands\"\n";
  // Paths and options are not to be split by hyphenation nor spread by
  // justification.
  out += ".nh\n.ad l\n";
  out += ".SH NAME\n" + RoffText(page.name) + " \\- " + RoffText(page.summary) + "\n";
  out += ".SH SYNOPSIS\n" + Forms(page.help.synopsis);
  for (const HelpSection& section : page.help.sections) {
    out += ".SH " + Quoted(section.title.empty() ? "DESCRIPTION" : UpperCase(section.title)) + "\n" +
           Items(section.items);
    if (!section.title.empty() || page.commands.empty()) continue;
    out += ".SH COMMANDS\n";
    for (const HelpText& command : page.commands) out += Command(command);
  }
  if (!page.seeAlso.empty()) out += SeeAlso(page.seeAlso);
  return out;
}

}  // namespace vexilor
