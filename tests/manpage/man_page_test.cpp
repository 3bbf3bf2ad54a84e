#include "man_page.h"

#include <gtest/gtest.h>

#include <string>

namespace vexilor {
namespace {

// Hyphens and backslashes: in the page below.
TEST(RoffText, LeadingDotsAndQuotesStayText) {
  EXPECT_EQ(RoffText(".in files"), "\\&.in files");
  EXPECT_EQ(RoffText("'quoted' a.b"), "\\&'quoted' a.b");
}

TEST(ManPageText, SectionsInTheirPlaces) {
  ManPage page{"tool",
               "transform points",
               "Vexilor 0.1",
               "2026-12-08",
               ReadHelpText("usage: tool --from S INPUT\n"
                            "       tool one ...\n"
                            "\n"
                            "Transforms points.\n"
                            "  S  a system\n"
                            "\n"
                            "exit status:\n"
                            "  0 done\n"
                            "\n"
                            "examples:\n"
                            "  tool --from CK42 \\\n"
                            "       x.in -\n"),
               {ReadHelpText("usage: tool one --scale S\n"
                             "  The sheet.\n"
                             "exit status: 0 done\n")},
               {"other(1)", "more(5)"}};
  EXPECT_EQ(ManPageText(page),
            ".\\\" -*- coding: UTF-8 -*-\n"
            ".\\\" Made from the output of \"tool --help\" by vexilor-manpage.\n"
            ".TH \"TOOL\" 1 \"2026\\-12\\-08\" \"Vexilor 0.1\" \"User Commands\"\n"
            ".nh\n"
            ".ad l\n"
            ".SH NAME\n"
            "tool \\- transform points\n"
            ".SH SYNOPSIS\n"
            "\\fBtool\\fR\n"
            "\\-\\-from S INPUT\n"
            ".br\n"
            "\\fBtool\\fR\n"
            "one ...\n"
            ".SH \"DESCRIPTION\"\n"
            ".PP\n"
            "Transforms points.\n"
            ".TP\n"
            "\\fBS\\fR\n"
            "a system\n"
            ".SH COMMANDS\n"
            ".SS \"tool one\"\n"
            "\\fBtool\\fR\n"
            "one \\-\\-scale S\n"
            ".PP\n"
            "The sheet.\n"
            ".TP\n"
            "\\fIexit status\\fR\n"
            "0 done\n"
            ".SH \"EXIT STATUS\"\n"
            ".PP\n"
            "0 done\n"
            ".SH \"EXAMPLES\"\n"
            ".PP\n"
            ".nf\n"
            "tool \\-\\-from CK42 \\e\n"
            "     x.in \\-\n"
            ".fi\n"
            ".SH \"SEE ALSO\"\n"
            ".BR other (1) ,\n"
            ".BR more (5)\n");
}

}  // namespace
}  // namespace vexilor
