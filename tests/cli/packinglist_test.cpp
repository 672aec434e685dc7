// cargolyx-cli on packing lists: LIST.csv --container L,W,H,KG as the project.
#include <gtest/gtest.h>

#include <fstream>

#include "cli/options.h"
#include "clirunner.h"

namespace {

const std::string kContainer = "11800,2300,2450,20000";

std::string exampleList() { return std::string(CARGOLYX_EXAMPLES_DIR) + "/packinglist.csv"; }

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(CliPackingList, infoListsTheCartonsInTheGivenContainer) {
  const CliResult r = runCli({"info", exampleList(), "--container", "6000,2300,2400,18000"});
  EXPECT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_TRUE(has(r.out, "(6000*2300*2400)\n  电视机 (1100*300*700:60)\n  冰箱 (800*700*1800:6)\n")) << r.out;
}

TEST(CliPackingList, plansTheExampleListInEitherPlanner) {
  const CliResult sets = runCli({"plan", exampleList(), "--container", kContainer, "--json"});
  EXPECT_EQ(sets.status, kExitLoaded) << sets.err;
  EXPECT_TRUE(has(sets.out, "\"status\": \"loaded\"")) << sets.out;
  EXPECT_TRUE(has(sets.out, "\"loadedCount\": 286")) << sets.out;

  const CliResult max = runCli({"plan", "--mode", "max", "--container", kContainer, exampleList(), "--time-limit", "1"});
  EXPECT_EQ(max.status, kExitLoaded) << max.err;
  EXPECT_TRUE(has(max.out, "电视机")) << max.out;
  EXPECT_TRUE(has(max.out, "装载重量：")) << max.out;
}

TEST(CliPackingList, aMissingOrBadContainerIsABadArgument) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"plan", exampleList()},
           {"plan", exampleList(), "--container"},
           {"plan", exampleList(), "--container", "11800,2300,2450"},
           {"plan", exampleList(), "--container", "11800,0,2450,20000"},
           {"plan", exampleList(), "--container", "11800,2300,2450,20000.5"},
           {"plan", exampleList(), "--mode", "max", "--container", "a,b,c,d"},
           {"info", exampleList()},
       }) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, kExitBadInput) << args.back();
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(has(r.err, "--container")) << r.err;
    EXPECT_TRUE(has(r.err, "用法见 cargolyx-cli " + args.front() + " --help\n")) << r.err;
    EXPECT_FALSE(has(r.err, "Usage:")) << "the reason and where the usage is, not the whole usage";
  }
  const CliResult pak = runCli({"plan", std::string(CARGOLYX_EXAMPLES_DIR) + "/demo.pak", "--container", kContainer});
  EXPECT_EQ(pak.status, kExitBadInput);
  EXPECT_TRUE(has(pak.err, "项目文件自带集装箱")) << pak.err;
}

TEST(CliPackingList, aBadRowIsReportedWithItsLineAndColumn) {
  ScratchFolder folder;
  const std::string path = folder.path() + "/list.CSV";
  std::ofstream(path) << "name;length;width;height;weight;count\n"
                         "good;600;400;300;12,5;10\n"
                         "bad;600;400;300;12,5;ten\n";
  const CliResult chinese = runCli({"plan", path, "--container", kContainer});
  EXPECT_EQ(chinese.status, kExitBadInput);
  EXPECT_EQ(chinese.out, "");
  EXPECT_TRUE(has(chinese.err, "装箱单第3行第6列（数量）")) << chinese.err;

  const CliResult english = runCliUnderLocale({"export", path, "--container", kContainer, "--dir", folder.path()}, "en_GB.UTF-8");
  EXPECT_EQ(english.status, kExitBadInput);
  EXPECT_TRUE(has(english.err, "Packing list line 3, column 6 (count): ")) << english.err;

  const CliResult missing = runCli({"plan", folder.path() + "/none.csv", "--container", kContainer});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_TRUE(has(missing.err, "none.csv")) << missing.err;
}
