#include <gtest/gtest.h>

#include <fstream>

#include "cli/options.h"
#include "clirunner.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"

namespace {
std::string example(const std::string& name) { return std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name; }
}  // namespace

TEST(CliInfo, printsTheDemoProject) {
  CliResult r = runCli({"info", example("demo.pak")});
  EXPECT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_EQ(r.out,
            "演示集装箱 (11800*2300*2450)\n"
            "  纸箱1 (600*400*300:850)\n"
            "已输入纸箱总数：850，总体积：61.20立方米，净装箱率92.04%\n");
  EXPECT_EQ(r.err, "");
}

TEST(CliInfo, readsEveryExample) {
  for (const char* name : {"demo.pak", "mixed.pak", "positions.pak"}) {
    CliResult r = runCli({"info", example(name)});
    EXPECT_EQ(r.status, 0) << name << r.err;
    EXPECT_NE(r.out.find("已输入纸箱总数："), std::string::npos) << name;
  }
}

TEST(CliInfo, readsTheHandWrittenNinetyTwoByteFile) {
  CliResult r = runCli({"info", std::string(CARGOLYX_TEST_DATA_DIR) + "/empty-demo.pak"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "演示集装箱 (11800*2300*2450)\n已输入纸箱总数：0，总体积：0.00立方米，净装箱率0.00%\n");
}

TEST(CliInfo, missingOrInvalidFilesGiveStatusThree) {
  ScratchFolder folder;
  CliResult missing = runCli({"info", folder.path() + "/none.pak"});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("none.pak"), std::string::npos) << missing.err;

  std::ofstream(folder.path() + "/bad.pak") << "CLYX200 but not really";
  CliResult bad = runCli({"info", folder.path() + "/bad.pak"});
  EXPECT_EQ(bad.status, kExitBadInput);
  EXPECT_NE(bad.err.find("not a valid project file"), std::string::npos) << bad.err;

  EXPECT_EQ(runCli({"info"}).status, kExitBadInput);
  EXPECT_EQ(runCli({"frobnicate", example("demo.pak")}).status, kExitBadInput);
  EXPECT_EQ(runCli({}).status, kExitBadInput);
}

TEST(CliInfo, controlCharactersInNamesArePrintedEscaped) {
  // A name that would colour the terminal red, ring its bell and overwrite its own line.
  ScratchFolder folder;
  FillScheme p;
  p.container.name = "柜\x1b]0;title\x07";
  Carton& c = p.addCarton();
  c.name = "a\x1b[31mred\x07\rX\t";
  c.length = c.width = c.height = 100;
  ASSERT_TRUE(saveProjectFile(folder.path() + "/ctl.pak", p));
  const CliResult r = runCli({"info", folder.path() + "/ctl.pak"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_NE(r.out.find("柜\\x1b]0;title\\x07 ("), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("  a\\x1b[31mred\\x07\\rX\\t (100*100*100:1)"), std::string::npos) << r.out;
  for (const char raw : {'\x1b', '\x07', '\r', '\t'}) EXPECT_EQ(r.out.find(raw), std::string::npos) << int(raw);
}
