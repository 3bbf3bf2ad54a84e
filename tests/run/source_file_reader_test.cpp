#include "run/source_file_reader.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vexilor {
namespace {

namespace fs = std::filesystem;

// What a reader makes of a whole text: each line read, "<long>" for an
// over-long one.
std::vector<std::string> ReadAll(const std::string& text) {
  std::istringstream in(text);
  SourceLineReader reader(in);
  std::vector<std::string> out;
  std::string line;
  for (;;) {
    const LineRead read = reader.Next(line);
    if (read == LineRead::kEnd || read == LineRead::kFailed) break;
    out.push_back(read == LineRead::kTooLong ? "<long>" : line);
  }
  return out;
}

TEST(SourceLineReader, LinesEndsAndLimits) {
  const std::string limit(kMaxSourceLineBytes, '7');
  const std::string over(kMaxSourceLineBytes + 1, '7');
  struct Case {
    std::string name, text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"empty file", "", {}},
      {"LF ends", "BLH\n1 2 3\n", {"BLH", "1 2 3"}},
      {"CR LF ends", "BLH\r\n1 2 3\r\n", {"BLH", "1 2 3"}},
      {"no end on the last line", "BLH\r\n1 2 3", {"BLH", "1 2 3"}},
      {"empty lines", "\n\r\n\n", {"", "", ""}},
      {"a lone CR stays inside", "a\rb\n", {"a\rb"}},
      {"NUL bytes are bytes", std::string("1 \0 2\n", 6), {std::string("1 \0 2", 5)}},
      {"a line at the limit", limit + "\n" + limit + "\r\nx", {limit, limit, "x"}},
      {"a line at the limit without an end", limit, {limit}},
      {"one byte over", over + "\nnext\n", {"<long>", "next"}},
      {"one byte over with CR LF", over + "\r\nnext", {"<long>", "next"}},
      {"one byte over at the end", over, {"<long>"}},
      {"far over", std::string(5 * kMaxSourceLineBytes + 17, '\0') + "\nnext", {"<long>", "next"}},
      {"far over without an end", std::string(3 * kMaxSourceLineBytes, 'x'), {"<long>"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadAll(c.text), c.lines) << c.name;
}

long PeakResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A gigabyte of NUL bytes without a line end: read past in constant memory.
TEST(SourceLineReader, AGigabyteLineTakesNoMemory) {
  const fs::path path = fs::temp_directory_path() / ("vexilor-gigabyte-line-" + std::to_string(::getpid()));
  {
    std::ofstream(path, std::ios::binary) << "BLH\n";
  }
  fs::resize_file(path, (std::uintmax_t{1} << 30) + 4);  // sparse: no disk taken
  const long before = PeakResidentKilobytes();
  std::ifstream in(path, std::ios::binary);
  SourceLineReader reader(in);
  std::string line;
  EXPECT_EQ(reader.Next(line), LineRead::kLine);
  EXPECT_EQ(line, "BLH");
  EXPECT_EQ(reader.Next(line), LineRead::kTooLong);
  EXPECT_EQ(reader.Next(line), LineRead::kEnd);
  EXPECT_LT(PeakResidentKilobytes() - before, 16 * 1024);
  in.close();
  fs::remove(path);
}

TEST(ReadSourceTypeLine, FirstLineOrNothing) {
  const fs::path dir = fs::temp_directory_path() / ("vexilor-type-line-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "ok.in", std::ios::binary) << "xyH\r\n1 2 3 4\r\n";
  std::ofstream(dir / "long.in", std::ios::binary) << std::string(kMaxSourceLineBytes + 1, 'B');
  EXPECT_EQ(ReadSourceTypeLine((dir / "ok.in").string()), "xyH");
  EXPECT_EQ(ReadSourceTypeLine((dir / "long.in").string()), "");
  EXPECT_EQ(ReadSourceTypeLine((dir / "missing.in").string()), std::nullopt);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vexilor
