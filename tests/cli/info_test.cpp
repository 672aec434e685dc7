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
  EXPECT_EQ(missing.err.find("\\n"), std::string::npos) << "the message's lines are lines: " << missing.err;

  // A damaged carton type is named by its number from 1 and its name, the path after it.
  std::ofstream(folder.path() + "/count.clyx")
      << R"({"cargolyxProject": 2, "container": {"name": "c", "length": 100, "width": 100, "height": 100,
             "maxWeight": 10}, "cartons": [{"name": "电视机", "length": 1, "width": 1, "height": 1, "count": 1},
             {"name": "洗衣机", "length": 1, "width": 1, "height": 1, "count": 1.5}]})";
  const CliResult count = runCli({"info", folder.path() + "/count.clyx"});
  EXPECT_EQ(count.status, kExitBadInput);
  EXPECT_NE(count.err.find("第 2 种纸箱（洗衣机）：cartons[1].count"), std::string::npos) << count.err;
  const CliResult countEn = runCli({"info", folder.path() + "/count.clyx", "--lang", "en"});
  EXPECT_NE(countEn.err.find("carton type 2 (洗衣机): cartons[1].count"), std::string::npos) << countEn.err;

  std::ofstream(folder.path() + "/bad.pak") << "CLYX200 but not really";
  CliResult bad = runCli({"info", folder.path() + "/bad.pak"});
  EXPECT_EQ(bad.status, kExitBadInput);
  EXPECT_NE(bad.err.find("装箱方案文件已损坏：the header ends after 22 of its 92 bytes"), std::string::npos) << bad.err;

  std::ofstream(folder.path() + "/newer.clyx") << "{\"cargolyxProject\": 3}";
  CliResult newer = runCli({"info", folder.path() + "/newer.clyx", "--lang", "en"});
  EXPECT_EQ(newer.status, kExitBadInput);
  EXPECT_NE(newer.err.find("Saved by a newer Cargolyx: format 3; this one reads up to 2."), std::string::npos)
      << newer.err;

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

TEST(CliInfo, aClyxProjectShowsItsSavedPlan) {
  ScratchFolder folder;
  FillScheme p;
  ASSERT_TRUE(loadProjectFile(example("demo.pak"), p));
  p.spacingL = 0;
  BlockScheme block;
  block.sizeX = 400;
  block.sizeY = 600;
  block.sizeZ = 300;
  block.nx = 5;
  block.ny = 4;
  block.nz = 39;
  block.count = 780;
  block.cartonName = "纸箱1";
  block.cartonIndex = 0;
  p.result.containers.push_back(LoadedContainer{p.container, {block}});
  ASSERT_TRUE(saveProjectFile(folder.path() + "/demo.clyx", p));
  const CliResult r = runCli({"info", folder.path() + "/demo.clyx"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_EQ(r.out.rfind("演示集装箱 (11800*2300*2450)\n  纸箱1 (600*400*300:850)\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("5×4×39＝780  780"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("纸箱1   未装入"), std::string::npos) << "70 of 850 are left: " << r.out;
  EXPECT_NE(r.out.find("总箱数：780，"), std::string::npos) << r.out;
}

TEST(CliInfo, aSavedPlanOnATruckShowsItsAxleLoads) {
  ScratchFolder folder;
  FillScheme p;
  p.container = Container{"厢式货车", 1000, 1000, 1000, 5000};
  p.container.vehicle = vehiclePresets().front().vehicle;
  Carton& c = p.addCarton();
  c.length = c.width = c.height = 100;
  c.weight = 100;
  BlockScheme b;
  b.cartonIndex = 0;
  b.cartonName = c.name;
  b.sizeX = b.sizeY = b.sizeZ = 100;
  b.nx = b.ny = b.nz = 1;
  b.count = 1;
  p.result.containers.push_back(LoadedContainer{p.container, {b}});
  ASSERT_TRUE(saveProjectFile(folder.path() + "/truck.clyx", p));
  const CliResult r = runCli({"info", folder.path() + "/truck.clyx", "--lang", "en"});
  EXPECT_EQ(r.status, kExitLoaded) << r.err;
  // 100 kg 1250 mm behind the front axle of a 5500 mm wheelbase: 77 kg on the front axle.
  const Vehicle& v = *p.container.vehicle;
  const std::string front = "front axle " + std::to_string(v.tare[0] + 77) + "/" + std::to_string(v.maxLoad[0]) + " kg";
  EXPECT_NE(r.out.find("Axle loads: " + front), std::string::npos) << r.out;
}
