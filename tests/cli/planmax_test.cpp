// cargolyx-cli plan --mode max on the example projects: the JSON has the keys in their
// order, and the cartons it places pass the independent plan check.

#include <gtest/gtest.h>

#include <string>

#include "clijson.h"
#include "clirunner.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"
#include "plancheck.h"

namespace {

std::string example(const std::string& name) { return std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name; }

// The placements of the JSON, read without the planner's help.
std::vector<plancheck::CheckCarton> placementsOf(const Json& json) {
  std::vector<plancheck::CheckCarton> out;
  for (const Json& p : json["placements"])
    out.push_back({p["cartonIndex"].get<int>(), p["x"].get<int>(), p["y"].get<int>(), p["z"].get<int>(),
                   p["sizeX"].get<int>(), p["sizeY"].get<int>(), p["sizeZ"].get<int>()});
  return out;
}

plancheck::CheckPlan rulesOf(const FillScheme& project, std::int32_t support) {
  plancheck::CheckPlan plan;
  plan.width = project.container.width;
  plan.height = project.container.height;
  plan.length = project.container.length;
  plan.gapX = project.spacingW;
  plan.gapY = project.spacingH;
  plan.gapZ = project.spacingL;
  plan.maxWeight = project.container.maxWeight;
  plan.supportPercent = support;
  for (const Carton& c : project.cartons) {
    plancheck::CheckType t;
    t.length = c.length;
    t.width = c.width;
    t.height = c.height;
    t.count = c.count;
    t.weight = c.weight;
    t.vertical = c.mustUp ? 4 : 7;
    t.lying = c.mustUp && c.upendLayers > 0 ? 3 : 0;
    t.lyingLayers = c.upendLayers;
    t.zone = c.spaceIndex < kSpaceNone ? 0 : c.spaceIndex < kSpaceDoor ? 1 : 2;
    plan.types.push_back(t);
  }
  return plan;
}

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
                                                      "loadedWeight", "timedOut", "supportPercent", "balance"}));
    EXPECT_EQ(json["mode"], "max");
    EXPECT_EQ(json["setCount"], 0);
    EXPECT_EQ(json["supportPercent"], support);

    FillScheme project;
    ASSERT_TRUE(loadProjectFile(example(GetParam()), project));
    project.spacingL = 10;
    project.spacingW = 0;
    project.spacingH = 5;
    plancheck::CheckPlan plan = rulesOf(project, support);
    plan.cartons = placementsOf(json);
    EXPECT_FALSE(plan.cartons.empty());
    EXPECT_EQ(json["loadedCount"], plan.cartons.size());
    // Every loaded carton is in one of the listed result blocks.
    std::size_t inBlocks = 0;
    for (const Json& block : json["blocks"]) inBlocks += block["count"].get<std::size_t>();
    EXPECT_EQ(inBlocks, plan.cartons.size());
    const auto broken = plancheck::checkPlan(plan);
    EXPECT_TRUE(broken.empty()) << broken.front();
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
    EXPECT_NE(r.err.find("Usage:"), std::string::npos);
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

}  // namespace
