// cargolyx-cli plan --mode max on the example projects: the JSON has the keys in their
// order, and cargolyx-cli check finds the plan within the rules.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "cli/options.h"
#include "clijson.h"
#include "clirunner.h"
#include "cubesproject.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"
#include "model/vehicle.h"

namespace {

std::string example(const std::string& name) { return std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name; }

class PlanMaxExample : public ::testing::TestWithParam<const char*> {};

TEST_P(PlanMaxExample, JsonPlanKeepsTheRules) {
  for (const std::int32_t support : {100, 0}) {
    const CliResult r = runCli({"plan", example(GetParam()), "--mode", "max", "--json",
                                "--time-limit", "0.2", "--support", std::to_string(support),
                                "--spacing", "10,0,5"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Json json = parsedJson(r.out);
    // The members of the sets mode, then the load-max ones, in this order.
    EXPECT_EQ(keysOf(json), (std::vector<std::string>{"status", "message", "question", "maxSets", "mode", "blocks",
                                                      "loadedCount", "capacityCount", "setCount", "loadedVolume",
                                                      "fillRatio", "netRatio", "placements", "leftovers",
                                                      "loadedWeight", "timedOut", "supportPercent", "balance",
                                                      "containers"}));
    EXPECT_EQ(json["mode"], "max");
    EXPECT_EQ(json["setCount"], 0);
    EXPECT_EQ(json["supportPercent"], support);

    // Every loaded carton is in one of the listed result blocks.
    std::size_t inBlocks = 0;
    for (const Json& block : json["blocks"]) inBlocks += block["count"].get<std::size_t>();
    EXPECT_EQ(inBlocks, json["placements"].size());
    EXPECT_EQ(json["loadedCount"], json["placements"].size());
    EXPECT_FALSE(json["placements"].empty());

    // The checker, which knows nothing of the planner, finds the plan within the rules.
    ScratchFolder folder;
    const std::string plan = folder.path() + "/plan.json";
    std::ofstream(plan) << r.out;
    const CliResult checked = runCli({"check", example(GetParam()), plan, "--spacing", "10,0,5", "--lang", "en"});
    EXPECT_EQ(checked.status, 0) << checked.out << checked.err;
    EXPECT_EQ(checked.out, "The plan holds.\n");
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, PlanMaxExample,
                         ::testing::Values("demo.pak", "mixed.pak", "positions.pak"));

TEST(PlanMax, TextShowsTheTableLeftoversAndCentreOfGravity) {
  const CliResult r = runCli({"plan", example("mixed.pak"), "--mode", "max", "--time-limit", "0.2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("块号"), std::string::npos);
  EXPECT_NE(r.out.find("合计"), std::string::npos);
  EXPECT_NE(r.out.find("装载重量："), std::string::npos);
  EXPECT_NE(r.out.find("重心"), std::string::npos);
}

TEST(PlanMax, BadOptionsAreRefusedWithAMessage) {
  for (const std::vector<std::string>& extra :
       {std::vector<std::string>{"--support", "101"}, {"--time-limit", "0"}, {"--time-limit", "x"},
        {"--mode", "max", "--bogus"}}) {
    std::vector<std::string> args = {"plan", example("demo.pak"), "--mode", "max"};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, 3);
    // One line of reason, then where the usage is.
    EXPECT_NE(r.err.find("\n用法见 cargolyx-cli plan --help\n"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
}

TEST(PlanMax, AProjectWithoutCartonsIsRefused) {
  const CliResult r = runCli({"plan", std::string(CARGOLYX_TEST_DATA_DIR) + "/empty-demo.pak",
                              "--mode", "max", "--json"});
  EXPECT_EQ(r.status, 2);
  const Json json = parsedJson(r.out);
  EXPECT_EQ(json["status"], "refused");
  EXPECT_EQ(json["message"].get<std::string>().rfind("您没有输入纸箱数据", 0), 0u);
}

// A project that sets the cargo rules: the plan made with them is what the checker, given
// the same project, accepts; each placement names its stop.
TEST(PlanMax, APlanOfAProjectWithCargoRulesPassesTheCheck) {
  FillScheme p;
  p.container = Container{"小柜", 2400, 1200, 1200, 5000};
  p.stops = {"上海", "苏州", "无锡"};
  const struct {
    const char* name;
    int length, width, height, count;
    double weight;
  } cartons[] = {{"甲", 600, 400, 400, 12, 30}, {"乙", 400, 400, 300, 10, 8}, {"丙", 500, 300, 300, 10, 12}};
  for (const auto& c : cartons) {
    Carton& carton = p.addCarton();
    carton.name = c.name;
    carton.length = c.length;
    carton.width = c.width;
    carton.height = c.height;
    carton.count = c.count;
    carton.weight = c.weight;
  }
  p.cartons[0].maxLoadOnTop = 40;
  p.cartons[0].stop = "无锡";
  p.cartons[1].fragile = true;
  p.cartons[1].stop = "上海";
  p.cartons[2].stackable = false;
  p.cartons[2].stop = "苏州";
  p.container.balance = lengthBalancePreset();
  p.container.vehicle = vehiclePresets()[1].vehicle;
  ScratchFolder folder;
  const std::string project = folder.path() + "/rules.clyx";
  ASSERT_TRUE(saveProjectFile(project, p));

  const CliResult r = runCli({"plan", project, "--mode", "max", "--json", "--time-limit", "0.3"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  const Json json = parsedJson(r.out);
  ASSERT_FALSE(json["placements"].empty());
  for (const Json& placement : json["placements"]) EXPECT_TRUE(placement.contains("stop")) << placement.dump();
  EXPECT_TRUE(json.contains("axleLoads")) << r.out;
  const std::string plan = folder.path() + "/plan.json";
  std::ofstream(plan) << r.out;
  const CliResult checked = runCli({"check", project, plan, "--lang", "en"});
  EXPECT_EQ(checked.status, 0) << checked.out << checked.err;
  EXPECT_EQ(checked.out, "The plan holds.\n");
}

// A packing list whose upright, not stackable cartons of the last stop would cover the
// floor: the plan leaves them behind, loads everything else within every rule, gives each
// leftover its reason, and is the same, byte for byte, when planned again.
TEST(PlanMax, CartonsThatWouldCoverTheFloorStayBehindWithTheirReason) {
  const std::string list = std::string(CARGOLYX_TEST_DATA_DIR) + "/rules-floor.csv";
  const std::vector<std::string> args = {"plan", list, "--container", "5870,2330,2200,24000", "--mode", "max", "--json"};
  const CliResult r = runCli(args);
  ASSERT_EQ(r.status, 0) << r.err;
  const Json json = parsedJson(r.out);
  EXPECT_GE(json["netRatio"].get<double>(), 0.8227);
  EXPECT_GE(json["loadedCount"].get<int>(), 140);
  ASSERT_FALSE(json["leftovers"].empty());
  const std::vector<std::string> keys = {"larger-than-container", "max-load", "not-stackable", "load-on-top", "fragile",
                                         "stop-order", "balance", "axle", "no-room"};
  for (const Json& leftover : json["leftovers"]) {
    EXPECT_EQ(keysOf(leftover), (std::vector<std::string>{"cartonIndex", "cartonName", "count", "reason", "rule"}));
    EXPECT_NE(std::find(keys.begin(), keys.end(), leftover["rule"].get<std::string>()), keys.end()) << leftover.dump();
    EXPECT_FALSE(leftover["reason"].get<std::string>().empty());
  }

  ScratchFolder folder;
  const std::string plan = folder.path() + "/plan.json";
  std::ofstream(plan) << r.out;
  const CliResult checked = runCli({"check", list, plan, "--container", "5870,2330,2200,24000", "--lang", "en"});
  EXPECT_EQ(checked.status, 0) << checked.out << checked.err;
  EXPECT_EQ(checked.out, "The plan holds.\n");

  const CliResult again = runCli(args);
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out, r.out);
}

}  // namespace

TEST(CliPlanner, aProjectFileIsPlannedWithItsOwnPlannerUnlessAnotherIsAsked) {
  ScratchFolder folder;
  FillScheme project;
  ASSERT_TRUE(loadProjectFile(example("demo.pak"), project));
  project.planner = PlannerChoice{PlanningMode::LoadMax, FleetGoal::Cheapest, 0.2, 10, 100};
  const std::string file = folder.path() + "/max.clyx";
  ASSERT_TRUE(saveProjectFile(file, project));
  const CliResult own = runCli({"plan", file, "--json"});
  ASSERT_EQ(own.status, kExitLoaded) << own.err;
  EXPECT_EQ(parsedJson(own.out)["mode"], "max");
  const CliResult asked = runCli({"plan", file, "--json", "--mode", "sets"});
  ASSERT_EQ(asked.status, kExitLoaded) << asked.err;
  EXPECT_EQ(parsedJson(asked.out)["mode"], "single");
}

// With --rule-costs the project is planned again without each rule it sets: sixteen cubes
// that may not be stacked cover the floor of a container two of them high, so the rule
// leaves eight behind and half the container empty.
TEST(PlanMax, ruleCostsSayWhatEachRuleLeavesBehind) {
  ScratchFolder folder;
  FillScheme project = notStackableCubes(2000, 16);
  ASSERT_TRUE(saveProjectFile(folder.path() + "/cubes.clyx", project));

  const CliResult text = runCli({"plan", folder.path() + "/cubes.clyx", "--mode", "max", "--rule-costs", "--time-limit", "0.5"});
  ASSERT_EQ(text.status, kExitLoaded) << text.err;
  EXPECT_NE(text.out.find("每条规则的代价（不设该规则再算一次）：\n  不可堆叠：装载率 +50.0 个百分点，+8 箱\n"),
            std::string::npos)
      << text.out;

  const CliResult json =
      runCli({"plan", folder.path() + "/cubes.clyx", "--mode", "max", "--rule-costs", "--json", "--lang", "en",
              "--time-limit", "0.5"});
  ASSERT_EQ(json.status, kExitLoaded) << json.err;
  const Json costs = parsedJson(json.out)["ruleCosts"];
  ASSERT_EQ(costs.size(), 1u) << json.out;
  EXPECT_EQ(costs[0]["rule"], "notStackable");
  EXPECT_EQ(costs[0]["name"], "not stackable");
  EXPECT_EQ(costs[0]["planned"], true);
  EXPECT_EQ(costs[0]["cartons"], 8);
  EXPECT_NEAR(costs[0]["fillPoints"].get<double>(), 50.0, 1e-9);

  // Without rules there is nothing to cost, and without the option nothing is said.
  project.cartons[0].stackable = true;
  ASSERT_TRUE(saveProjectFile(folder.path() + "/free.clyx", project));
  const CliResult none = runCli({"plan", folder.path() + "/free.clyx", "--mode", "max", "--rule-costs", "--lang", "en"});
  EXPECT_NE(none.out.find("\nThe project sets no cargo rule.\n"), std::string::npos) << none.out;
  const CliResult plain = runCli({"plan", folder.path() + "/cubes.clyx", "--mode", "max", "--json", "--time-limit", "0.5"});
  EXPECT_FALSE(parsedJson(plain.out).contains("ruleCosts"));
}

// The result list's leftover rows say why the cartons stayed behind, in the words of the
// JSON's reasons: cubes that may not be stacked, one layer of them on the floor.
TEST(PlanMax, theLeftoverRowsOfTheTableGiveTheirReason) {
  ScratchFolder folder;
  FillScheme project = notStackableCubes(1000, 8);
  ASSERT_TRUE(saveProjectFile(folder.path() + "/cubes.clyx", project));
  const CliResult r = runCli({"plan", folder.path() + "/cubes.clyx", "--mode", "max", "--time-limit", "0.5"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_NE(r.out.find("\n      立方    未装入：会违反“不可堆叠”"), std::string::npos) << r.out;
  const CliResult english =
      runCli({"plan", folder.path() + "/cubes.clyx", "--mode", "max", "--time-limit", "0.5", "--lang", "en"});
  EXPECT_NE(english.out.find("Not loaded: would break not stackable"), std::string::npos) << english.out;
}
