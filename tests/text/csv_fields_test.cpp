#include "text/csv_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace vexilor {
namespace {

struct SplitCase {
  std::string line;
  char delimiter;
  std::vector<std::string> fields;  // the first four at most, as written
  std::string rest;                 // from the delimiter after them
};

TEST(CsvFieldsTest, SplitsOffTheLeadingFieldsAndKeepsTheRestAsWritten) {
  const SplitCase cases[] = {
      {"1;55,7;37,6;150", ';', {"1", "55,7", "37,6", "150"}, ""},
      {"1;55,7;37,6;150;код;", ';', {"1", "55,7", "37,6", "150"}, ";код;"},
      {"RP 12,55.7,37.6,150", ',', {"RP 12", "55.7", "37.6", "150"}, ""},
      {"\"a,b\",1,2,3,\"c,\"\"d\"\"\"", ',', {"\"a,b\"", "1", "2", "3"}, ",\"c,\"\"d\"\"\""},
      {"\"say \"\"hi\"\"\";2;3;4", ';', {"\"say \"\"hi\"\"\"", "2", "3", "4"}, ""},
      {"1\t2\t3", '\t', {"1", "2", "3"}, ""},
      {"\"open;2;3;4", ';', {"\"open;2;3;4"}, ""},  // a quote left open runs to the end
      {"", ';', {""}, ""},
      {";;;;", ';', {"", "", "", ""}, ";"},
  };
  for (const SplitCase& c : cases) {
    std::array<std::string_view, 4> fields;
    std::size_t rest = 0;
    const std::size_t found = SplitCsvFields(c.line, c.delimiter, fields, rest);
    ASSERT_EQ(found, c.fields.size()) << c.line;
    for (std::size_t k = 0; k < found; ++k) EXPECT_EQ(fields[k], c.fields[k]) << c.line;
    EXPECT_EQ(c.line.substr(rest), c.rest) << c.line;
  }
  EXPECT_EQ(CsvFields("a;\"b;c\";;d", ';'), (std::vector<std::string_view>{"a", "\"b;c\"", "", "d"}));
}

TEST(CsvFieldsTest, AFieldSaysItsTextWithoutQuotesAndBlanks) {
  const std::pair<std::string, std::string> cases[] = {
      {"RP12", "RP12"},     {"  RP 12 ", "RP 12"}, {"\"a;b\"", "a;b"}, {" \"say \"\"hi\"\"\" ", "say \"hi\""},
      {"\"\"", ""},         {"\"", "\""},          {"a\"b", "a\"b"},
  };
  for (const auto& [field, text] : cases) EXPECT_EQ(CsvFieldText(field), text) << field;
}

}  // namespace
}  // namespace vexilor
