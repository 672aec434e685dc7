#include "export/fleetexport.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <map>
#include <regex>

#include "export/exportplan.h"
#include "export/planswap.h"
#include "exportfixture.h"

namespace {

const std::string kLibraries = CARGOLYX_TEST_LIBRARY_DIR "/";

// The sample plan loaded into `containers` containers, with as many cartons entered.
FillScheme fleetPlan(std::size_t containers) {
  FillScheme plan = samplePlan();
  for (Carton& carton : plan.cartons) carton.count *= static_cast<std::int32_t>(containers);
  plan.result.mode = PlanningMode::Fleet;
  plan.result.containers.resize(containers, plan.result.containers.front());
  return plan;
}

// Every entry under folder by its path from there, with its inode and, for a file, its
// bytes: a file replaced, even by an equal one, shows as another inode.
using Tree = std::map<std::string, std::pair<ino_t, std::string>>;
Tree snapshot(const std::string& folder) {
  Tree tree;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    struct stat st {};
    ::lstat(entry.path().c_str(), &st);
    const std::string name = std::filesystem::relative(entry.path(), folder).string();
    tree[name] = {st.st_ino, S_ISREG(st.st_mode) ? readBytes(entry.path().string()) : std::string()};
  }
  return tree;
}

std::vector<std::string> entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class FleetExport : public ::testing::Test {
 protected:
  TempFolder output;

  FleetExportResult exportPlan(const FillScheme& plan, const std::string& library = "libboxpic_recording.so",
                               const std::atomic<bool>* cancel = nullptr) {
    return exportFleetPlans(plan, CARGOLYX_PROGRAM_DIR, output.path(), "", kLibraries + library, cancel);
  }
};

TEST_F(FleetExport, aShorterPlanReplacesALongerOneWholeAndLeavesTheFolderElseAsItWas) {
  ASSERT_EQ(exportPlan(fleetPlan(7)).result, kExportDone);
  ASSERT_TRUE(std::filesystem::exists(output.path() + "container7/packplan.htm"));
  writeBytes(output.path() + "notes.txt", "the user's own file");
  std::filesystem::create_directory(output.path() + "container9");  // not a plan: no packplan.htm
  writeBytes(output.path() + "container9/list.txt", "the user's own folder");

  const FleetExportResult done = exportPlan(fleetPlan(3));
  ASSERT_EQ(done.result, kExportDone) << done.failureReason;
  EXPECT_EQ(done.indexFile, output.path() + "index.htm");
  EXPECT_EQ(entries(output.path()), (std::vector<std::string>{"container1", "container2", "container3",
                                                              "container9", "index.htm", "notes.txt"}));
  EXPECT_EQ(readBytes(output.path() + "container9/list.txt"), "the user's own folder");
  const std::string index = readBytes(done.indexFile);
  const std::regex link("href=\"container([0-9]+)/packplan.htm\"");
  std::vector<std::string> linked;
  for (auto it = std::sregex_iterator(index.begin(), index.end(), link); it != std::sregex_iterator(); ++it)
    linked.push_back((*it)[1]);
  EXPECT_EQ(linked, (std::vector<std::string>{"1", "2", "3"}));
  for (const char* name : {"container1/packplan.htm", "container3/carton1.PNG", "container3/block1.PNG"})
    EXPECT_TRUE(std::filesystem::exists(output.path() + name)) << name;
}

TEST_F(FleetExport, anExportThatFailsMidwayLeavesTheEarlierPlanByteForByte) {
  ASSERT_EQ(exportPlan(fleetPlan(4)).result, kExportDone);
  const Tree earlier = snapshot(output.path());
  // The pictures of the second container cannot be drawn: the first is written by then.
  ::setenv("CARGOLYX_BOXPIC_FAIL_ON", "container2/", 1);
  const FleetExportResult failed = exportPlan(fleetPlan(3), "libboxpic_failing_on.so");
  ::unsetenv("CARGOLYX_BOXPIC_FAIL_ON");
  EXPECT_EQ(failed.result, kExportCartonPicturesFailed);
  EXPECT_EQ(failed.failureMessage, "导出纸箱图例文件失败。");
  EXPECT_NE(failed.failureReason.find("carton0.PNG"), std::string::npos) << failed.failureReason;
  EXPECT_EQ(failed.indexFile, "");
  EXPECT_TRUE(snapshot(output.path()) == earlier) << "no entry added, removed or replaced";
}

TEST_F(FleetExport, aCancelledExportLeavesTheEarlierPlanAndNothingOfItsOwn) {
  ASSERT_EQ(exportPlan(fleetPlan(2)).result, kExportDone);
  const Tree earlier = snapshot(output.path());
  std::atomic<bool> cancel{true};
  EXPECT_EQ(exportPlan(fleetPlan(3), "libboxpic_recording.so", &cancel).result, kExportCancelled);
  EXPECT_TRUE(snapshot(output.path()) == earlier);
}

TEST_F(FleetExport, theEarlierPlanIsKnownByItsIndexAndContainerFoldersWithAPlan) {
  std::filesystem::create_directories(output.path() + "container2");
  std::filesystem::create_directories(output.path() + "container3");
  std::filesystem::create_directories(output.path() + "container04");
  writeBytes(output.path() + "container2/packplan.htm", "");
  writeBytes(output.path() + "container04/packplan.htm", "");
  writeBytes(output.path() + "container5", "a file");
  EXPECT_TRUE(isEarlierFleetPart(output.path(), "index.htm"));
  EXPECT_TRUE(isEarlierFleetPart(output.path(), "container2"));
  EXPECT_FALSE(isEarlierFleetPart(output.path(), "container3")) << "no plan in it";
  EXPECT_FALSE(isEarlierFleetPart(output.path(), "container04")) << "never a name the export gives";
  EXPECT_FALSE(isEarlierFleetPart(output.path(), "container5")) << "not a folder";
  EXPECT_FALSE(isEarlierFleetPart(output.path(), "packplan.htm"));
}

TEST(PlanSwap, whenAMoveFailsEveryEntryGoesBackWhereItWas) {
  TempFolder folder;
  writeBytes(folder.path() + "index.htm", "the earlier index");
  std::filesystem::create_directory(folder.path() + "container1");
  writeBytes(folder.path() + "container1/packplan.htm", "the earlier plan");
  writeBytes(folder.path() + "notes.txt", "the user's own file");
  const Tree earlier = snapshot(folder.path());
  {
    PlanSwap swap(folder.path());
    ASSERT_TRUE(swap.isReady()) << swap.error();
    std::filesystem::create_directory(swap.stagingFolder() + "container1");
    writeBytes(swap.stagingFolder() + "container1/packplan.htm", "the new plan");
    writeBytes(swap.stagingFolder() + "index.htm", "the new index");
    writeBytes(swap.stagingFolder() + "late.htm", "a new file");
    // While the earlier plan is sorted out, something else takes the name of a new file
    // with a folder that is not empty: that move fails after the others were made.
    const auto earlierPart = [&](const std::string& target, const std::string& name) {
      if (!std::filesystem::exists(target + "late.htm")) {
        std::filesystem::create_directory(target + "late.htm");
        writeBytes(target + "late.htm/x", "in the way");
      }
      return isEarlierFleetPart(target, name);
    };
    std::string error;
    EXPECT_FALSE(swap.swapIn(earlierPart, &error));
    EXPECT_NE(error.find("late.htm"), std::string::npos) << error;
  }
  std::filesystem::remove_all(folder.path() + "late.htm");
  EXPECT_TRUE(snapshot(folder.path()) == earlier) << "the earlier plan back in place, nothing of the new one left";
}

}  // namespace
