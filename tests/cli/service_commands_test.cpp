#include "service_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "support/raw_files.h"

namespace vexilor {
namespace {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

// The shipped catalogue for a sheet's outline, or that of --data.
DataFolders SourceData(const std::string& dataDir) {
  const std::string folder = dataDir.empty() ? VEXILOR_SOURCE_DATA_DIR : dataDir;
  return {folder, folder};
}

ToolRun RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunServiceCommand(args, SourceData, out, err);
  return {status, out.str(), err.str()};
}

struct ToolCase {
  std::vector<std::string> args;
  int status;
  std::string out;
  std::string err;
};

TEST(ServiceCommandsTest, AnswerOnStandardOutputAndRefuseOnStandardError) {
  const ToolCase cases[] = {
      {{"sheet", "--scale", "100000", "55 45 00", "37 37 12"}, 0, "(N) N-37-4\n", ""},
      {{"sheet", "--scale", "10000", "55.75", "37.62"}, 0, "(N) N-37-4-В-в-2\n", ""},
      {{"sheet", "--scale", "100000", "-22 54", "-43 12"}, 0, "(S) F-23-46\n", ""},
      {{"sheet", "--scale", "100000", "--", "-22 54", "-43 12"}, 0, "(S) F-23-46\n", ""},
      {{"sheet", "--scale", "1000000", "--xy", "6200000", "7500000"}, 0, "(N) N-37\n", ""},
      {{"sheet", "--xy", "--scale", "1000000", "6200000", "60700000"}, 0, "(N) N-31\n", ""},
      {{"sheet", "--scale", "300000", "55", "37"}, 1, "",
       "vexilor-cli sheet: Масштаб 1 : 300 000 не предусмотрен для обработки в этой программе.\n"},
      {{"sheet", "--scale", "100000", "85", "37"}, 2, "", "vexilor-cli sheet: Недопустимое значение широты.\n"},
      {{"sheet", "--scale", "100000", "55", "-181"}, 3, "", "vexilor-cli sheet: Недопустимое значение долготы.\n"},
      {{"sheet", "--scale", "100000", "91", "37"}, 1, "", "vexilor-cli sheet: Неверное значение широты\n"},
      {{"sheet", "--scale", "100000", "55 60", "37"}, 1, "", "vexilor-cli sheet: Неверное значение широты\n"},
      {{"sheet", "--scale", "100000", "--xy", "6200000", "999999"}, 1, "", "vexilor-cli sheet: Неверное значение ординаты\n"},
      {{"sheet", "--scale", "100000", "--xy", "x", "7500000"}, 1, "", "vexilor-cli sheet: Неверное значение абсциссы\n"},
      {{"frame", "--scale", "100000", "N-37-4"}, 4, "", "vexilor-cli frame: В номенклатуре не указано полушарие: (N) или (S).\n"},
      {{"frame", "--scale", "100000", "(N) N-37"}, 2, "",
       "vexilor-cli frame: Номенклатура (N) N-37 не соответствует масштабу 1 : 100 000.\n"},
      {{"frame", "--scale", "100000", "(N) N-37-145"}, 3, "", "vexilor-cli frame: Неверная номенклатура (N) N-37-145.\n"},
      {{"frame", "--scale", "500000", "(N) N-37-A"}, 3, "",
       "vexilor-cli frame: Неверная номенклатура (N) N-37-A. Буква A латинская, а здесь нужна русская: А, Б, В или Г.\n"},
      {{"frame", "--scale", "5", "(N) N-37"}, 1, "", "vexilor-cli frame: Масштаб 1 : 5 не предусмотрен для обработки в этой программе.\n"},
      {{"grads", "--to-grads", "--units", "0", "90"}, 0, "  100 00 00.0000\n", ""},
      {{"grads", "--to-grads", "55 30 00"}, 0, "   61 66 66.6667\n", ""},
      {{"grads", "--to-grads", "--units", "2", "-90"}, 0, "-100.00000000\n", ""},
      {{"grads", "--to-degrees", "--units", "2", "100"}, 0, "90.000000000\n", ""},
      {{"grads", "--to-degrees", "-0 50"}, 0, "  -0 27 00.00000\n", ""},
      {{"grads", "--to-grads", "1000"}, 1, "", "vexilor-cli grads: Неверное значение угла. Повторите ввод!\n"},
      {{"grads", "--to-degrees", "1e999"}, 1, "", "vexilor-cli grads: Неверное значение угла. Повторите ввод!\n"},
      {{"grads", "--to-degrees", "61 100 00"}, 1, "", "vexilor-cli grads: Неверное значение угла. Повторите ввод!\n"},
      {{"length", "--to-metres", "--combination", "0", "1 2 6"}, 0, "1.6764\n", ""},
      {{"length", "--to-metres", "--combination", "1", "-1 2"}, 0, "-1.5240\n", ""},
      {{"length", "--to-english", "1"}, 0, " 1    0   3.37\n", ""},
      {{"length", "--to-english", "--combination", "4", "-0.3048"}, 0, "-1.000\n", ""},
      {{"length", "--to-english", "abc"}, 1, "", "vexilor-cli length: Ошибка ввода исходного расстояния. Повторите ввод!\n"},
      {{"length", "--to-metres", "--combination", "1", "1 3"}, 1, "",
       "vexilor-cli length: Ошибка ввода исходного расстояния. Повторите ввод!\n"},
  };
  for (const ToolCase& c : cases) {
    const ToolRun r = RunTool(c.args);
    EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args.back();
    EXPECT_EQ(r.out, c.out) << c.args[0] << " " << c.args.back();
    EXPECT_EQ(r.err, c.err) << c.args[0] << " " << c.args.back();
  }
}

TEST(ServiceCommandsTest, FramePrintsTheEdgesAndTheCornerBlock) {
  const ToolRun r = RunTool({"frame", "--scale", "100000", "(N) N-37-144"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string edges = "52.3333333333 52.0000000000 41.5000000000 42.0000000000\n";
  ASSERT_EQ(r.out.substr(0, edges.size()), edges);
  const std::string block = r.out.substr(edges.size());
  EXPECT_EQ(block.rfind("Северо-запад ", 0), 0u) << block;
  EXPECT_NE(block.find("\nСеверо-восток"), std::string::npos) << block;
  EXPECT_NE(block.find("\nЮго-запад    "), std::string::npos) << block;
  EXPECT_NE(block.find("\nЮго-восток   "), std::string::npos) << block;
  EXPECT_EQ(std::count(block.begin(), block.end(), '\n'), 4) << block;
  EXPECT_EQ(block.find('\r'), std::string::npos);

  const ToolRun south = RunTool({"frame", "--scale", "1000000", "(s) A-1"});
  EXPECT_EQ(south.out.substr(0, south.out.find('\n')), "0.0000000000 -4.0000000000 180.0000000000 186.0000000000");
}

// --geojson FILE writes the sheet's outline beside the edges, - instead of
// them; its catalogue must be there and FILE writable.
TEST(ServiceCommandsTest, FrameWritesTheSheetsOutlineForAMap) {
  testing::TempFolder folder;
  const std::string file = folder.PathOf("n-37-4.geojson");
  const ToolRun intoFile = RunTool({"frame", "--scale", "100000", "--geojson", file, "(N) N-37-4"});
  EXPECT_EQ(intoFile.status, 0) << intoFile.err;
  EXPECT_EQ(intoFile.out, RunTool({"frame", "--scale", "100000", "(N) N-37-4"}).out);
  const ToolRun shown = RunTool({"frame", "--scale", "100000", "--geojson", "-", "(N) N-37-4"});
  EXPECT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.out, testing::ReadBytes(file));
  EXPECT_TRUE(shown.out.starts_with("{\"type\":\"FeatureCollection\"")) << shown.out.substr(0, 100);

  const std::string none = folder.PathOf("none");
  const ToolRun noCatalogue = RunTool({"frame", "--scale", "100000", "--geojson", file, "--data", none, "(N) N-37-4"});
  EXPECT_EQ(noCatalogue.status, kExitDataError);
  EXPECT_EQ(noCatalogue.err, "vexilor-cli frame: " + none + "/sys.dat: no such file, or it cannot be opened\n");
  const ToolRun unwritable = RunTool({"frame", "--scale", "100000", "--geojson", none + "/x.geojson", "(N) N-37-4"});
  EXPECT_EQ(unwritable.status, 108);
  EXPECT_EQ(unwritable.err, "vexilor-cli frame: " + none + "/x.geojson: cannot be written\n");
  EXPECT_EQ(unwritable.out, "");
}

TEST(ServiceCommandsTest, UsageErrorsAndHelp) {
  const std::vector<std::vector<std::string>> usageErrors = {
      {"sheet", "55", "37"},                                       // no scale
      {"sheet", "--scale", "x", "55", "37"},
      {"sheet", "--scale", "1e300", "55", "37"},
      {"sheet", "--scale", "100000.5", "55", "37"},
      {"sheet", "--scale", "100000", "55"},
      {"sheet", "--scale", "100000", "55", "37", "1"},
      {"sheet", "--scale", "100000", "--scale", "100000", "55", "37"},
      {"sheet", "--scale"},
      {"sheet", "--colour", "--scale", "100000", "55", "37"},
      {"frame", "--scale", "100000"},
      {"frame", "--scale", "100000", "--data", ".", "(N) N-37-4"},  // a catalogue for no outline
      {"grads", "90"},                                             // no direction
      {"grads", "--to-grads", "--to-degrees", "90"},
      {"grads", "--to-grads", "--units", "4", "90"},
      {"grads", "--to-grads", "--units", "-1", "90"},
      {"grads", "--to-grads"},
      {"length", "--to-metres", "--combination", "5", "1"},
      {"length", "--to-english", "1", "2"},
  };
  for (const auto& args : usageErrors) {
    const ToolRun r = RunTool(args);
    EXPECT_EQ(r.status, kExitUsage) << args.back();
    EXPECT_EQ(r.out, "");
    // One line: what is wrong, and where the usage is.
    EXPECT_EQ(r.err.rfind("vexilor-cli " + args[0] + ": ", 0), 0u) << r.err;
    EXPECT_TRUE(r.err.ends_with(" (vexilor-cli " + args[0] + " --help shows the usage)\n")) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  for (const char* tool : {"sheet", "frame", "grads", "length"}) {
    const ToolRun r = RunTool({tool, "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind(std::string("usage: vexilor-cli ") + tool, 0), 0u) << r.out;
    EXPECT_TRUE(IsServiceCommand(tool));
  }
  EXPECT_FALSE(IsServiceCommand("--from"));
  EXPECT_FALSE(IsServiceCommand("points.in"));
}

}  // namespace
}  // namespace vexilor
