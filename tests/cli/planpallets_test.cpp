// cargolyx-cli plan --mode pallets as users meet it: two carton types go onto EUR pallets and
// a third is loaded loose; the JSON lists the pallets with their cartons and the containers
// with the pallets they place, and cargolyx-cli check holds both levels, rejecting a carton
// moved off its pallet and a pallet built over its height.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli/options.h"
#include "clijson.h"
#include "clirunner.h"

namespace {

std::string example(const std::string& name) { return std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name; }

// Writes the plan and checks it against the project, in English.
CliResult checked(const std::string& project, const Json& plan, const ScratchFolder& folder,
                  const std::vector<std::string>& more = {}) {
  const std::string path = folder.path() + "/plan.json";
  std::ofstream(path) << plan.dump();
  std::vector<std::string> args = {"check", project, path, "--lang", "en"};
  args.insert(args.end(), more.begin(), more.end());
  return runCli(args);
}

}  // namespace

TEST(CliPlanPallets, twoCartonTypesOnEurPalletsAndAThirdLooseHoldBothLevels) {
  const CliResult r = runCli({"plan", example("pallets.clyx"), "--mode", "pallets", "--json", "--time-limit", "4"});
  ASSERT_EQ(r.status, kExitLoaded) << r.err;
  const Json plan = parsedJson(r.out);
  EXPECT_EQ(keysOf(plan), (std::vector<std::string>{"status", "message", "mode", "loading", "pallets", "containers",
                                                    "leftovers", "timedOut", "supportPercent"}));
  EXPECT_EQ(plan["mode"], "pallets");
  ASSERT_FALSE(plan["pallets"].empty());
  std::int64_t onPallets = 0;
  for (const Json& pallet : plan["pallets"]) {
    EXPECT_EQ(pallet["type"], "EUR");
    EXPECT_LE(pallet["height"].get<std::int64_t>(), 1800);
    EXPECT_GT(pallet["grossWeight"].get<double>(), 25.0);
    for (const Json& p : pallet["placements"]) {
      EXPECT_NE(p["cartonIndex"], 2) << "the fridges are loaded loose";
      ++onPallets;
    }
  }
  EXPECT_EQ(onPallets, 300 + 420);
  ASSERT_EQ(plan["containers"].size(), 1u);
  std::int64_t placedPallets = 0, loose = 0;
  for (const Json& p : plan["containers"][0]["placements"]) {
    if (p.contains("pallet")) {
      ++placedPallets;
      const Json& pallet = plan["pallets"][p["pallet"].get<std::size_t>()];
      EXPECT_EQ(p["sizeY"], pallet["height"]);
    } else {
      EXPECT_EQ(p["cartonIndex"], 2);
      ++loose;
    }
  }
  EXPECT_EQ(placedPallets, static_cast<std::int64_t>(plan["pallets"].size()));
  EXPECT_EQ(loose, 20);
  EXPECT_TRUE(plan["leftovers"].empty());

  ScratchFolder folder;
  const CliResult holds = checked(example("pallets.clyx"), plan, folder);
  EXPECT_EQ(holds.status, kExitLoaded) << holds.out << holds.err;
  EXPECT_EQ(holds.out, "The plan holds.\n");

  // A carton pushed off the side of its pallet.
  Json outside = plan;
  outside["pallets"][0]["placements"][0]["x"] = 700;
  const CliResult offPallet = checked(example("pallets.clyx"), outside, folder);
  EXPECT_EQ(offPallet.status, kExitPlanBroken);
  EXPECT_NE(offPallet.out.find("pallet #0 (EUR)"), std::string::npos) << offPallet.out;
  EXPECT_NE(offPallet.out.find("outside the pallet's loading area"), std::string::npos) << offPallet.out;

  // A layer more on the first pallet than its height allows.
  Json tall = plan;
  Json& first = tall["pallets"][0];
  Json top = first["placements"][0];
  top["y"] = 1700;
  first["placements"].push_back(top);
  first.erase("height");
  first.erase("grossWeight");
  const CliResult overHeight = checked(example("pallets.clyx"), tall, folder);
  EXPECT_EQ(overHeight.status, kExitPlanBroken);
  EXPECT_NE(overHeight.out.find("pallet #0 (EUR) is "), std::string::npos) << overHeight.out;
  EXPECT_NE(overHeight.out.find("over its maximum of 1800 mm"), std::string::npos) << overHeight.out;
}

TEST(CliPlanPallets, cartonsNamingAPalletTypeGoOntoPalletsInAnyModeAndUnknownTypesAreRefused) {
  ScratchFolder folder;
  const std::string list = folder.path() + "/list.csv";
  std::ofstream(list) << "name,length,width,height,weight,count,pallet\n"
                         "box,400,300,300,8,200,EUR\n"
                         "drum,600,600,900,40,6,\n";
  const CliResult max = runCli({"plan", list, "--mode", "max", "--container", "12032,2352,2698,26500", "--json"});
  ASSERT_EQ(max.status, kExitLoaded) << max.err;
  const Json plan = parsedJson(max.out);
  EXPECT_EQ(plan["mode"], "pallets");
  EXPECT_FALSE(plan["pallets"].empty());
  const CliResult holds = checked(list, plan, folder, {"--container", "12032,2352,2698,26500"});
  EXPECT_EQ(holds.status, kExitLoaded) << holds.out << holds.err;

  const CliResult text = runCli({"plan", list, "--container", "12032,2352,2698,26500"});
  ASSERT_EQ(text.status, kExitLoaded) << text.err;
  EXPECT_NE(text.out.find("个托盘（EUR "), std::string::npos) << text.out;

  std::ofstream(list) << "name,length,width,height,weight,count,pallet\n"
                         "box,400,300,300,8,200,CHEP\n";
  const CliResult unknown = runCli({"plan", list, "--container", "12032,2352,2698,26500"});
  EXPECT_EQ(unknown.status, kExitBadInput) << "the packing list names no pallet type of that name";
}
