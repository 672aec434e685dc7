// cargolyx-cli plan --mode fleet as users meet it: an order larger than one container goes
// into several, the JSON says which, what it costs and the bound, and cargolyx-cli check
// holds every container against the rules; a packing list gets its container types from
// --container; what fits no container is refused or left with its reason.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli/options.h"
#include "clijson.h"
#include "clirunner.h"

namespace {

std::string example(const std::string& name) { return std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name; }

std::int64_t loadedIn(const Json& plan) {
  std::int64_t n = 0;
  for (const Json& container : plan["containers"]) n += container["placements"].size();
  return n;
}

}  // namespace

TEST(CliPlanFleet, anOrderLargerThanOneContainerGoesIntoSeveralThatHoldTheRules) {
  const CliResult r = runCli({"plan", example("shipment.clyx"), "--mode", "fleet", "--json", "--time-limit", "4"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  const Json plan = parsedJson(r.out);
  EXPECT_EQ(keysOf(plan), (std::vector<std::string>{"status", "message", "mode", "goal", "totalCost", "lowerBound",
                                                    "containers", "leftovers", "timedOut", "supportPercent"}));
  EXPECT_EQ(plan["mode"], "fleet");
  EXPECT_EQ(plan["goal"], "cheapest");
  ASSERT_GE(plan["containers"].size(), 3u) << "159 m3 of cargo, 76 m3 in the largest container";
  EXPECT_TRUE(plan["leftovers"].empty());
  EXPECT_EQ(loadedIn(plan), 150 + 120 + 500 + 60);
  double cost = 0;
  for (const Json& container : plan["containers"]) cost += container["cost"].get<double>();
  EXPECT_EQ(plan["totalCost"].get<double>(), cost);
  EXPECT_GE(plan["totalCost"].get<double>(), plan["lowerBound"]["cost"].get<double>());
  EXPECT_GE(static_cast<std::int64_t>(plan["containers"].size()), plan["lowerBound"]["containers"].get<std::int64_t>());

  ScratchFolder folder;
  const std::string path = folder.path() + "/plan.json";
  std::ofstream(path) << r.out;
  const CliResult checked = runCli({"check", example("shipment.clyx"), path, "--lang", "en"});
  EXPECT_EQ(checked.status, kExitLoaded) << checked.out << checked.err;
  EXPECT_EQ(checked.out, "The plan holds.\n");

  // A carton counted in two containers is found.
  Json twice = plan;
  twice["containers"][1]["placements"].push_back(twice["containers"][0]["placements"][0]);
  twice["containers"][1].erase("blocks");  // the edited placements are that container's plan
  std::ofstream(path) << twice.dump();
  const CliResult doubled = runCli({"check", example("shipment.clyx"), path, "--lang", "en"});
  EXPECT_EQ(doubled.status, kExitPlanBroken);
  EXPECT_NE(doubled.out.find("over all containers: "), std::string::npos) << doubled.out;
}

TEST(CliPlanFleet, aPackingListTakesItsContainerTypesFromContainerOptions) {
  // A fixed fleet of one 6 m container: the list's 66 cartons do not all fit.
  const CliResult fixed = runCli({"plan", example("packinglist.csv"), "--mode", "fleet", "--goal", "fixed", "--container",
                                  "6000,2300,2400,18000,1000,1", "--json", "--time-limit", "2"});
  ASSERT_EQ(fixed.status, kExitLoaded) << fixed.err;
  const Json plan = parsedJson(fixed.out);
  EXPECT_EQ(plan["goal"], "fixed");
  EXPECT_EQ(plan["containers"].size(), 1u);
  EXPECT_FALSE(plan["leftovers"].empty());

  const CliResult text = runCli({"plan", example("packinglist.csv"), "--mode", "fleet", "--container",
                                 "6000,2300,2400,18000,1000", "--container", "12000,2300,2400,26000,1600",
                                 "--time-limit", "2"});
  ASSERT_EQ(text.status, kExitLoaded) << text.err;
  EXPECT_NE(text.out.find("集装箱 1 · "), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("；费用 "), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("全部纸箱均已装入。"), std::string::npos) << text.out;
}

TEST(CliPlanFleet, aCartonThatFitsNoContainerIsRefusedOrLeftBehind) {
  ScratchFolder folder;
  const std::string list = folder.path() + "/list.csv";
  std::ofstream(list) << "name,length,width,height,weight,count\n"
                         "box,600,400,300,10,20\n"
                         "pipe,7000,300,300,50,2\n";
  const CliResult cheapest = runCli({"plan", list, "--mode", "fleet", "--container", "6000,2300,2400,18000", "--json"});
  EXPECT_EQ(cheapest.status, kExitRefused);
  const Json refused = parsedJson(cheapest.out);
  EXPECT_EQ(refused["status"], "refused");
  EXPECT_NE(refused["message"].get<std::string>().find("“pipe”"), std::string::npos) << refused["message"];

  const CliResult fixed = runCli({"plan", list, "--mode", "fleet", "--goal", "fixed", "--container",
                                  "6000,2300,2400,18000,1,2", "--json", "--time-limit", "2"});
  ASSERT_EQ(fixed.status, kExitLoaded) << fixed.err;
  const Json plan = parsedJson(fixed.out);
  ASSERT_EQ(plan["leftovers"].size(), 1u);
  EXPECT_EQ(plan["leftovers"][0]["cartonName"], "pipe");
  EXPECT_EQ(plan["leftovers"][0]["count"], 2);
  EXPECT_EQ(plan["leftovers"][0]["reason"], "fits-no-container");
  const CliResult text = runCli({"--lang", "en", "plan", list, "--mode", "fleet", "--goal", "fixed", "--container",
                                 "6000,2300,2400,18000,1,2", "--time-limit", "2"});
  EXPECT_NE(text.out.find("pipe: larger than every container type in every way it may stand"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("; not loaded: 2 cartons"), std::string::npos) << text.out;

  EXPECT_EQ(runCli({"plan", list, "--mode", "fleet", "--goal", "fixed", "--container", "6000,2300,2400,18000"}).status,
            kExitRefused)
      << "a fixed fleet needs every container type's count";
  EXPECT_EQ(runCli({"plan", list, "--mode", "fleet", "--goal", "cheapest", "--container", "6000,2300,2400,18000,x"})
                .status,
            kExitBadInput);
}

TEST(CliPlanFleet, aProjectOfSeveralContainerTypesIsPlannedForSeveralContainersWithoutBeingAsked) {
  const CliResult r = runCli({"plan", example("shipment.clyx"), "--json", "--time-limit", "1"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  const Json plan = parsedJson(r.out);
  EXPECT_EQ(plan["mode"], "fleet");
  EXPECT_FALSE(plan["containers"].empty());
  // A goal is a choice among several containers: with one container it is refused, not ignored.
  const CliResult goal = runCli({"plan", example("demo.pak"), "--mode", "max", "--goal", "fixed", "--lang", "en"});
  EXPECT_EQ(goal.status, kExitBadInput);
  EXPECT_NE(goal.err.find("--goal is for several containers"), std::string::npos) << goal.err;
}
