// cargolyx-cli check as users meet it: the plans plan --json prints hold, a plan edited so
// that two cartons share room is rejected naming them, and what is not a plan is refused.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli/options.h"
#include "clijson.h"
#include "clirunner.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"

namespace {

std::string example(const std::string& name) { return std::string(CARGOLYX_EXAMPLES_DIR) + "/" + name; }

std::string written(const ScratchFolder& folder, const std::string& name, const std::string& text) {
  const std::string path = folder.path() + "/" + name;
  std::ofstream(path) << text;
  return path;
}

class CheckExample : public ::testing::TestWithParam<const char*> {};

TEST_P(CheckExample, theSetsPlannersPlanHolds) {
  ScratchFolder folder;
  const CliResult plan = runCli({"plan", example(GetParam()), "--json"});
  ASSERT_EQ(plan.status, kExitLoaded) << plan.err;
  const CliResult checked = runCli({"check", example(GetParam()), written(folder, "plan.json", plan.out), "--lang", "en"});
  EXPECT_EQ(checked.status, kExitLoaded) << checked.out << checked.err;
  EXPECT_EQ(checked.out, "The plan holds.\n");
}

INSTANTIATE_TEST_SUITE_P(Examples, CheckExample, ::testing::Values("demo.pak", "mixed.pak", "positions.pak"));

TEST(CliCheck, twoCartonsMovedIntoEachOtherAreNamedWithTheOverlap) {
  ScratchFolder folder;
  const CliResult plan = runCli({"plan", example("mixed.pak"), "--mode", "max", "--json", "--time-limit", "0.2"});
  ASSERT_EQ(plan.status, kExitLoaded) << plan.err;
  Json json = parsedJson(plan.out);
  Json& placements = json["placements"];
  ASSERT_GE(placements.size(), 2u);
  // The second carton pushed 100 mm into the first along the length.
  placements[1]["x"] = placements[0]["x"];
  placements[1]["y"] = placements[0]["y"];
  placements[1]["z"] = placements[0]["z"].get<int>() + 100;
  // The edited placements are the plan: the lists that repeat them go.
  json.erase("blocks");
  json.erase("containers");
  const CliResult checked = runCli({"check", example("mixed.pak"), written(folder, "edited.json", json.dump()), "--lang", "en"});
  EXPECT_EQ(checked.status, kExitPlanBroken);
  EXPECT_NE(checked.out.find("carton #0 "), std::string::npos) << checked.out;
  EXPECT_NE(checked.out.find("and carton #1 "), std::string::npos) << checked.out;
  EXPECT_NE(checked.out.find("overlap by "), std::string::npos) << checked.out;
  EXPECT_EQ(checked.out.find("The plan holds"), std::string::npos);
}

TEST(CliCheck, aSupportAskedForIsHeldToo) {
  // The plan made with half support does not hold where full support is asked for.
  ScratchFolder folder;
  const CliResult plan =
      runCli({"plan", example("mixed.pak"), "--mode", "max", "--json", "--time-limit", "0.3", "--support", "0"});
  ASSERT_EQ(plan.status, kExitLoaded) << plan.err;
  const std::string path = written(folder, "plan.json", plan.out);
  EXPECT_EQ(runCli({"check", example("mixed.pak"), path}).status, kExitLoaded) << "made with 0 %, checked with its own";
  const CliResult strict = runCli({"check", example("mixed.pak"), path, "--support", "100", "--lang", "en"});
  if (strict.status == kExitPlanBroken)
    EXPECT_NE(strict.out.find("of the 100% required"), std::string::npos) << strict.out;
  else
    EXPECT_EQ(strict.status, kExitLoaded) << "a plan that happens to be carried in full";
}

TEST(CliCheck, whatIsNotAPlanIsRefusedWithItsReason) {
  ScratchFolder folder;
  const CliResult broken = runCli({"check", example("demo.pak"), written(folder, "broken.json", "{\"blocks\": [")});
  EXPECT_EQ(broken.status, kExitBadInput);
  EXPECT_NE(broken.err.find("broken.json"), std::string::npos) << broken.err;
  const CliResult missing = runCli({"check", example("demo.pak"), folder.path() + "/none.json"});
  EXPECT_EQ(missing.status, kExitBadInput);
  EXPECT_NE(missing.err.find("none.json"), std::string::npos) << missing.err;
  EXPECT_EQ(runCli({"check", example("demo.pak")}).status, kExitBadInput) << "no plan named";
}

}  // namespace

namespace {

// A project file with cargo rules: 甲 is fragile and goes to 上海, 乙 to 苏州, on a rigid
// truck; a plan of one 甲 on the floor and one 乙 on top of it.
struct RulesProject {
  ScratchFolder folder;
  std::string project;
  Json plan;
};

RulesProject rulesProject() {
  RulesProject r;
  FillScheme p;
  p.container = Container{"厢式货车", 1000, 1000, 1000, 5000};
  p.container.vehicle = vehiclePresets().front().vehicle;
  p.stops = {"上海", "苏州"};
  for (const char* name : {"甲", "乙"}) {
    Carton& c = p.addCarton();
    c.name = name;
    c.length = c.width = c.height = 100;
    c.weight = 10;
  }
  p.cartons[0].fragile = true;
  p.cartons[0].stop = std::string("上海");
  r.project = r.folder.path() + "/rules.clyx";
  EXPECT_TRUE(saveProjectFile(r.project, p));
  const auto placement = [](int type, int y, int z) {
    return Json{{"x", 0}, {"y", y}, {"z", z}, {"sizeX", 100}, {"sizeY", 100}, {"sizeZ", 100}, {"cartonIndex", type}};
  };
  r.plan = Json{{"mode", "max"}, {"supportPercent", 100}, {"placements", Json::array({placement(0, 0, 0), placement(1, 100, 0)})}};
  return r;
}

}  // namespace

TEST(CliCheck, theProjectsCargoRulesAreHeldAgainstThePlan) {
  RulesProject r = rulesProject();
  const CliResult broken = runCli({"check", r.project, written(r.folder, "plan.json", r.plan.dump()), "--lang", "en"});
  EXPECT_EQ(broken.status, kExitPlanBroken);
  EXPECT_NE(broken.out.find("which is not fragile, rests on the fragile carton #0"), std::string::npos) << broken.out;
  EXPECT_NE(broken.out.find("rests on carton #0 (甲 at x 0, y 0, z 0) for the earlier \"上海\""), std::string::npos)
      << broken.out;
  // 乙 beside 甲 instead, 甲 nearer the door than 乙: every rule kept.
  r.plan["placements"][1]["y"] = 0;
  r.plan["placements"][1]["x"] = 100;
  const CliResult kept = runCli({"check", r.project, written(r.folder, "beside.json", r.plan.dump()), "--lang", "en"});
  EXPECT_EQ(kept.status, kExitLoaded) << kept.out;
}
