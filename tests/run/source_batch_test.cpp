#include "run/source_batch.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace vexilor {
namespace {

// A batch ends at its line count, or once its bytes reach the bound - but
// only at a whole number of `wholeLines` lines, where the position in the
// file is noted; statuses and texts come as the reader gives them.
TEST(SourceBatch, EndsAtWholeNumbersOfLines) {
  std::string bytes;
  for (int i = 0; i < 100; ++i) bytes += std::to_string(100000000 + i) + "\n";  // 10 bytes
  struct Case {
    std::size_t maxLines, maxBytes, wholeLines;
    std::vector<std::size_t> batches;
  };
  const Case cases[] = {
      {40, 1 << 20, 1, {40, 40, 20}},
      {40, 85, 1, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}},
      {40, 85, 16, {16, 16, 16, 16, 16, 16, 4}},
      {40, 1, 32, {32, 32, 32, 4}},
  };
  for (const Case& c : cases) {
    std::istringstream in(bytes);
    SourceLineReader reader(in);
    SourceBatch batch;
    std::vector<std::size_t> sizes;
    int line = 0;
    while (batch.Read(reader, in, c.maxLines, c.maxBytes, c.wholeLines)) {
      sizes.push_back(batch.Size());
      const int first = line;
      for (std::size_t i = 0; i < batch.Size(); ++i, ++line) {
        ASSERT_EQ(batch.Status(i), LineRead::kLine);
        EXPECT_EQ(batch.Text(i), std::to_string(100000000 + line));
      }
      for (std::size_t n = c.wholeLines; n <= batch.Size(); n += c.wholeLines)
        EXPECT_EQ(batch.PositionAfter(n), 10u * (first + n)) << n;
    }
    EXPECT_EQ(sizes, c.batches) << c.maxLines << " " << c.maxBytes << " " << c.wholeLines;
  }
}

TEST(SourceBatch, CarriesLinesTooLongAndEmpty) {
  const std::string longLine(kMaxSourceLineBytes + 1, '7');
  std::istringstream in("a\r\n" + longLine + "\r\n\r\nlast");
  SourceLineReader reader(in);
  SourceBatch batch;
  ASSERT_TRUE(batch.Read(reader, in, 100, 1 << 20, 1));
  ASSERT_EQ(batch.Size(), 4u);
  const LineRead statuses[] = {LineRead::kLine, LineRead::kTooLong, LineRead::kLine, LineRead::kLine};
  const char* texts[] = {"a", "", "", "last"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(batch.Status(i), statuses[i]) << i;
    EXPECT_EQ(batch.Text(i), texts[i]) << i;
  }
  EXPECT_FALSE(batch.Read(reader, in, 100, 1 << 20, 1));
}

}  // namespace
}  // namespace vexilor
