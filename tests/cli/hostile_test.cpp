// cargolyx-cli on files made to break it: plans that are no plans, plans that break their
// own container type's rules, saved plans that do not fit their project, and files that
// once took all the memory. Each gets a clear answer with its reason.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "cli/options.h"
#include "clijson.h"
#include "clirunner.h"

namespace {

std::string repro(const std::string& name) { return std::string(CARGOLYX_TEST_DATA_DIR) + "/repro/" + name; }

std::string written(const ScratchFolder& folder, const std::string& name, const std::string& text) {
  const std::string path = folder.path() + "/" + name;
  std::ofstream(path) << text;
  return path;
}

CliResult check(const std::string& project, const std::string& plan, std::vector<std::string> more = {}) {
  std::vector<std::string> args = {"check", project, plan, "--lang", "en"};
  args.insert(args.end(), more.begin(), more.end());
  return runCli(args);
}

TEST(HostilePlans, eachContainerIsHeldToItsOwnTypesBalanceWindow) {
  // Container type 0 of the fleet keeps its centre within ±1 %: one carton in a corner breaks it.
  const CliResult own = check(repro("d4_fleet_type_balance.clyx"), repro("d4_offcentre_fleet.json"));
  EXPECT_EQ(own.status, kExitPlanBroken) << own.out << own.err;
  EXPECT_NE(own.out.find("container 1: "), std::string::npos) << own.out;
  EXPECT_NE(own.out.find("centre of gravity"), std::string::npos) << own.out;
  // The project's container has the window, its fleet type none: the plan holds.
  const CliResult other = check(repro("d4_main_balance.clyx"), repro("d4_offcentre_fleet.json"));
  EXPECT_EQ(other.status, kExitLoaded) << other.out << other.err;
}

TEST(HostilePlans, moreContainersOfATypeThanAreAvailableBreakThePlan) {
  for (const char* project : {"d5_available1.clyx", "d5_available0.clyx"}) {
    const CliResult r = check(repro(project), repro("d5_d6_fleet_plan.json"));
    EXPECT_EQ(r.status, kExitPlanBroken) << project << r.out << r.err;
    EXPECT_NE(r.out.find("container type 0 (container 1): 2 containers loaded"), std::string::npos) << project << r.out;
  }
}

TEST(HostilePlans, aFleetPlanOfAPackingListIsCheckedWithTheContainerTypesItWasPlannedWith) {
  const CliResult r = check(repro("d6_ship.csv"), repro("d5_d6_fleet_plan.json"),
                            {"--container", "12032,2352,2698,26500,1700", "--container", "5898,2352,2393,21770,1000"});
  EXPECT_EQ(r.status, kExitLoaded) << r.out << r.err;
  EXPECT_EQ(r.out, "The plan holds.\n");
}

TEST(HostilePlans, aDocumentThatIsNoPlanIsRefusedAsSuch) {
  const struct {
    const char* file;
    const char* reason;
  } cases[] = {
      {"d8_empty_placements_bad_blocks.json", "placements and blocks list different cartons"},
      {"d8_floating_nomode.json", "no mode"},
      {"d8_refused_report.json", "status is nothing-loaded"},
  };
  for (const auto& c : cases) {
    const CliResult r = check(repro("d8_proj.clyx"), repro(c.file));
    EXPECT_EQ(r.status, kExitBadInput) << c.file << r.out;
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.file << ": " << r.err;
    EXPECT_EQ(r.out.find("holds"), std::string::npos) << c.file;
  }
}

TEST(HostilePlans, aPlanOfEmptyContainersOrTooManyCartonsIsRefused) {
  ScratchFolder folder;
  std::string empties = R"({"mode": "fleet", "containers": [)";
  for (int k = 0; k < 200000; ++k) empties += k ? R"(,{"type":0,"placements":[]})" : R"({"type":0,"placements":[]})";
  empties += "]}";
  const CliResult many = check(repro("d8_proj.clyx"), written(folder, "empties.json", empties));
  EXPECT_EQ(many.status, kExitBadInput) << many.out;
  const CliResult huge = check(repro("d9_proj_long.clyx"), repro("d9_blk_4M_inside.json"));
  EXPECT_EQ(huge.status, kExitBadInput) << huge.out;
  EXPECT_NE(huge.err.find("more than 500000 cartons"), std::string::npos) << huge.err;
}

TEST(HostilePlans, aTypeThePlanNamesAndTheProjectLacksIsRefused) {
  ScratchFolder folder;
  const std::string plan = R"({"mode": "fleet", "containers": [{"type": 3, "placements": [
      {"x":0,"y":0,"z":0,"sizeX":500,"sizeY":300,"sizeZ":400,"cartonIndex":0}]}]})";
  const CliResult r = check(repro("d8_proj.clyx"), written(folder, "type3.json", plan));
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_NE(r.err.find("no container type 3"), std::string::npos) << r.err;
}

TEST(HostileProjects, aSavedPlanIsCheckedAgainstTheProjectsOwnContainer) {
  // The plan stores a 100 m container and a carton at z 50 000 in it; the project's is 12 m.
  const CliResult outside = runCli({"info", repro("d3_saved_own_container.clyx"), "--lang", "en"});
  EXPECT_EQ(outside.status, kExitLoaded) << outside.err;
  EXPECT_NE(outside.err.find("opened without it"), std::string::npos) << outside.err;
  EXPECT_NE(outside.err.find("outside the container"), std::string::npos) << outside.err;
  // The plan stores an unlimited load; the project's container takes 100 kg, the plan 300.
  const CliResult heavy = runCli({"info", repro("d3_saved_own_maxweight.clyx"), "--lang", "en"});
  EXPECT_EQ(heavy.status, kExitLoaded) << heavy.err;
  EXPECT_NE(heavy.err.find("opened without it"), std::string::npos) << heavy.err;
  EXPECT_NE(heavy.err.find("maximum load"), std::string::npos) << heavy.err;
}

TEST(HostileProjects, aSavedBlockOfMoreCartonsThanAnyPlanIsDamage) {
  const CliResult r = runCli({"info", repro("d1_huge_saved_block.clyx"), "--lang", "en"});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_NE(r.err.find("more than 500000 cartons"), std::string::npos) << r.err;
}

TEST(HostileProjects, aKeyGivenTwiceIsDamageNamingTheKey) {
  const CliResult r = runCli({"info", repro("d11_dup_requires.clyx"), "--lang", "en"});
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_NE(r.err.find("\"requires\": given twice"), std::string::npos) << r.err;
}

TEST(HostileProjects, aSavedBlockShowsTheProjectsCartonName) {
  const CliResult r = runCli({"info", repro("d11_saved_name_mismatch.clyx"), "--lang", "en"});
  EXPECT_EQ(r.status, kExitLoaded) << r.err;
  EXPECT_EQ(r.out.find("NOT A"), std::string::npos) << r.out;
}

// Memory in proportion to the file: a small project opens within 200 MB of address space.
TEST(HostileProjects, aSmallProjectOpensInLittleMemory) {
  const std::string program = std::string(CARGOLYX_PROGRAM_DIR) + "/cargolyx-cli";
  const std::string command =
      "bash -c 'ulimit -v 200000; exec \"" + program + "\" info \"" + repro("d9_shipment.clyx") + "\" >/dev/null'";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

}  // namespace
