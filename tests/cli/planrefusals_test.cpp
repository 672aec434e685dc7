// cargolyx-cli plan on orders no planner can take as they are: each is refused before the
// run (exit 2) with the reason in the user's language, naming what to change, instead of a
// run that never ends or a plan that loads nothing without a word.

#include <gtest/gtest.h>

#include <string>

#include "cli/options.h"
#include "clijson.h"
#include "clirunner.h"

namespace {

std::string data(const std::string& name) { return std::string(CARGOLYX_TEST_DATA_DIR) + "/" + name; }

// What the command printed, both streams.
std::string said(const CliResult& r) { return r.out + r.err; }

const std::string kBigContainer = "12032,2352,2698,26500,1700";
const std::string kSmallContainer = "5898,2352,2393,21770,1000";

}  // namespace

TEST(CliPlanRefusals, anOrderNeedingMoreContainersThanOneRunPlansIsRefusedNamingTheMost) {
  // 2 147 483 647 cartons of 500 x 400 x 300 mm: over a million 40-foot containers.
  const CliResult english =
      runCli({"plan", data("d2_count_2p31m1.clyx"), "--mode", "fleet", "--time-limit", "3", "--lang", "en"});
  EXPECT_EQ(english.status, kExitRefused) << said(english);
  EXPECT_NE(said(english).find("more than the 10000 one calculation plans at most"), std::string::npos) << said(english);

  const CliResult chinese = runCli({"plan", data("d2_count_2p31m1.clyx"), "--mode", "fleet", "--json"});
  EXPECT_EQ(chinese.status, kExitRefused) << said(chinese);
  const Json report = parsedJson(chinese.out);
  EXPECT_EQ(report["status"], "refused");
  EXPECT_NE(report["message"].get<std::string>().find("最多规划的 10000 个"), std::string::npos) << chinese.out;

  // Loading as much as fits into the project's one container is no such order.
  const CliResult oneContainer =
      runCli({"plan", data("d2_count_2p31m1.clyx"), "--mode", "max", "--time-limit", "1", "--json"});
  EXPECT_EQ(oneContainer.status, kExitLoaded) << said(oneContainer);
}

TEST(CliPlanRefusals, containerTypesOfWhichNoneIsAvailableAreRefusedAsNoContainer) {
  const CliResult english = runCli({"plan", data("d6_ship.csv"), "--mode", "fleet", "--container", kBigContainer + ",0",
                                    "--container", kSmallContainer + ",0", "--time-limit", "3", "--lang", "en"});
  EXPECT_EQ(english.status, kExitRefused) << said(english);
  EXPECT_NE(said(english).find("No container is available"), std::string::npos) << said(english);
  EXPECT_EQ(said(english).find("cannot hold"), std::string::npos) << said(english);

  const CliResult chinese = runCli({"plan", data("d6_ship.csv"), "--mode", "fleet", "--container", kBigContainer + ",0",
                                    "--container", kSmallContainer + ",0", "--goal", "fixed"});
  EXPECT_EQ(chinese.status, kExitRefused) << said(chinese);
  EXPECT_NE(said(chinese).find("没有可用的集装箱"), std::string::npos) << said(chinese);

  // One type available is enough for a plan.
  const CliResult one = runCli({"plan", data("d6_ship.csv"), "--mode", "fleet", "--container", kBigContainer + ",0",
                                "--container", kSmallContainer + ",1", "--goal", "fixed", "--time-limit", "1"});
  EXPECT_EQ(one.status, kExitLoaded) << said(one);
}

TEST(CliPlanRefusals, aCartonLargerThanItsPalletIsRefusedNamingBothWithTheirSizes) {
  const CliResult r = runCli(
      {"plan", data("d10_carton_bigger_than_pallet.clyx"), "--mode", "pallets", "--time-limit", "3", "--lang", "en"});
  EXPECT_EQ(r.status, kExitRefused) << said(r);
  EXPECT_NE(said(r).find("Carton “A” (2000×1500×300 mm) is larger than pallet “EUR” (loading area 1200×800 mm"),
            std::string::npos)
      << said(r);

  const CliResult chinese = runCli({"plan", data("d10_carton_bigger_than_pallet.clyx"), "--mode", "pallets"});
  EXPECT_EQ(chinese.status, kExitRefused) << said(chinese);
  EXPECT_NE(said(chinese).find("纸箱“A”（2000×1500×300 mm）无论怎样放置都大于托盘“EUR”"), std::string::npos)
      << said(chinese);
}

TEST(CliPlanRefusals, aPalletTallerThanTheContainerIsRefusedNamingBothWithTheirHeights) {
  const CliResult r = runCli(
      {"plan", data("d10_pallet_taller_than_container.clyx"), "--mode", "pallets", "--time-limit", "3", "--lang", "en"});
  EXPECT_EQ(r.status, kExitRefused) << said(r);
  EXPECT_NE(said(r).find("Pallet “TALL” stands at least 3300 mm high with its cartons (base 3000 mm, carton “A” 300 "
                         "mm), taller than container “40尺高柜”, 2698 mm high inside."),
            std::string::npos)
      << said(r);

  const CliResult chinese = runCli({"plan", data("d10_pallet_taller_than_container.clyx"), "--mode", "pallets"});
  EXPECT_EQ(chinese.status, kExitRefused) << said(chinese);
  EXPECT_NE(said(chinese).find("托盘“TALL”装上纸箱后至少高 3300 mm"), std::string::npos) << said(chinese);
  EXPECT_NE(said(chinese).find("高于集装箱“40尺高柜”的内高 2698 mm"), std::string::npos) << said(chinese);
}
