// Texts written into JSON and XML: every character a name or a note may
// hold comes out so that the file stays well-formed.

#include <gtest/gtest.h>

#include <string>

#include "text/json_text.h"
#include "text/xml_text.h"

namespace vexilor {
namespace {

struct MarkupCase {
  std::string text;
  std::string json;
  std::string xml;
};

TEST(MarkupTextTest, EscapesWhatTheSyntaxReservesAndKeepsTheRest) {
  const MarkupCase cases[] = {
      {"RP12", "\"RP12\"", "RP12"},
      {"Репер №5", "\"Репер №5\"", "Репер №5"},
      {"a\"b\\c", "\"a\\\"b\\\\c\"", "a&quot;b\\c"},
      {"<x & 'y'>", "\"<x & 'y'>\"", "&lt;x &amp; &apos;y&apos;&gt;"},
      {"tab\there\nline", "\"tab\\there\\nline\"", "tab\there\nline"},
      {std::string("nul\0bell\a", 9), "\"nul\\u0000bell\\u0007\"", "nul\uFFFDbell\uFFFD"},
      {"bad \xFF byte", "\"bad \uFFFD byte\"", "bad \uFFFD byte"},
  };
  for (const MarkupCase& c : cases) {
    EXPECT_EQ(JsonString(c.text), c.json) << c.text;
    EXPECT_EQ(XmlText(c.text), c.xml) << c.text;
  }
}

}  // namespace
}  // namespace vexilor
