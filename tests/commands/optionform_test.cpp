#include <gtest/gtest.h>

#include "commands/entrycheck.h"
#include "commands/optionform.h"

namespace {

const Container kA{"A", 5898, 2352, 2393, 21000};
const Container kB{"B", 12032, 2350, 2698, 26000};

OptionEntry entry(const char* l, const char* w, const char* h, const char* blocks) {
  return {l, w, h, blocks};
}

ContainerLibrary libraryOf(const std::vector<ContainerType>& list, const Container& current) {
  ContainerLibrary library;
  library.load(list, current);
  return library;
}

}  // namespace

TEST(OptionForm, showsTheSettingsWithTheBlockLimitAtMostSix) {
  Settings s;
  s.spacingL = 10;
  s.spacingW = 5;
  s.spacingH = 0;
  OptionEntry e = optionEntryOf(s);
  EXPECT_EQ(e.spacingL, "10");
  EXPECT_EQ(e.spacingW, "5");
  EXPECT_EQ(e.spacingH, "0");
  EXPECT_EQ(e.maxBlockNum, "6");
  s.maxBlockNum = 3;
  EXPECT_EQ(optionEntryOf(s).maxBlockNum, "3");
  s.maxBlockNum = 9;
  EXPECT_EQ(optionEntryOf(s).maxBlockNum, "6");
  EXPECT_EQ(spacingEntryOf(s).maxBlockNum, "");
}

TEST(OptionForm, okStoresSpacingsBlockLimitLibraryAndProjectContainer) {
  Settings settings;
  FillScheme project;
  ContainerLibrary library = libraryOf({kA, kB}, kA);
  library.select(1);
  OptionCheck check = checkOptionEntry(entry("10", "5", "5", "4"), library);
  ASSERT_TRUE(check.accepted()) << check.message;
  applyOptions(check.values, settings, project);
  EXPECT_EQ(settings.spacingL, 10);
  EXPECT_EQ(settings.spacingW, 5);
  EXPECT_EQ(settings.spacingH, 5);
  EXPECT_EQ(settings.maxBlockNum, 4);
  EXPECT_EQ(settings.containers, (std::vector<ContainerType>{kA, kB}));
  EXPECT_EQ(project.spacingL, 10);
  EXPECT_EQ(project.spacingW, 5);
  EXPECT_EQ(project.spacingH, 5);
  EXPECT_EQ(project.container, kB);
  EXPECT_EQ(settings.defaultContainer(), kA);
}

TEST(OptionForm, valuesBeyondTheArrowsAreStoredAsTyped) {
  Settings settings;
  FillScheme project;
  OptionCheck check = checkOptionEntry(entry("50", "0", "+7", "9"), libraryOf({}, Container{}));
  ASSERT_TRUE(check.accepted());
  applyOptions(check.values, settings, project);
  EXPECT_EQ(settings.spacingL, 50);
  EXPECT_EQ(settings.spacingH, 7);
  EXPECT_EQ(settings.maxBlockNum, 9);
  EXPECT_EQ(optionEntryOf(settings).maxBlockNum, "6");
}

TEST(OptionForm, refusesUnreadableSpacingsAndBlockLimits) {
  const ContainerLibrary library = libraryOf({}, Container{});
  for (const OptionEntry& e : {entry("", "5", "5", "6"), entry("10", "-1", "5", "6"),
                               entry("10", "5", "5 ", "6"), entry("10", "5", "5", ""),
                               entry("10", "5", "5", "x"), entry("10", "5", "5", "0")}) {
    EXPECT_EQ(checkOptionEntry(e, library).message, inputProblemMessage())
        << e.spacingL << "|" << e.spacingW << "|" << e.spacingH << "|" << e.maxBlockNum;
  }
}

TEST(OptionForm, withoutASelectedRowTheProjectKeepsItsContainer) {
  Settings settings;
  FillScheme project;
  project.container = kB;
  ContainerLibrary library = libraryOf({kA, kB}, kB);
  library.removeSelected();
  OptionCheck check = checkOptionEntry(entry("0", "0", "0", "6"), library);
  ASSERT_TRUE(check.accepted());
  applyOptions(check.values, settings, project);
  EXPECT_EQ(project.container, kB);
  EXPECT_EQ(settings.containers, (std::vector<ContainerType>{kA}));
}

TEST(OptionForm, refusesALibraryRowThatCannotBeRead) {
  ContainerLibrary library = libraryOf({kA}, kA);
  library.setSelectedRow(ContainerRow{"A", "1", "2", "3", "4.5"});
  EXPECT_EQ(checkOptionEntry(entry("0", "0", "0", "6"), library).message, inputProblemMessage());
}

TEST(OptionForm, thePlannerAndItsLoadMaxOptionsAreCheckedAndStored) {
  Settings settings;
  settings.planningMode = PlanningMode::LoadMax;
  settings.loadMaxTimeLimit = 2.5;
  settings.supportPercent = 80;
  const OptionEntry shown = optionEntryOf(settings);
  EXPECT_EQ(shown.planningMode, PlanningMode::LoadMax);
  EXPECT_EQ(shown.loadMaxTimeLimit, "2.5");
  EXPECT_EQ(shown.supportPercent, "80");

  FillScheme project;
  const ContainerLibrary library = libraryOf({kA}, kA);
  OptionEntry e = entry("0", "0", "0", "6");
  e.planningMode = PlanningMode::LoadMax;
  e.loadMaxTimeLimit = "10";
  e.supportPercent = "0";
  Settings stored;
  OptionCheck check = checkOptionEntry(e, library);
  ASSERT_TRUE(check.accepted()) << check.message;
  applyOptions(check.values, stored, project);
  EXPECT_EQ(stored.planningMode, PlanningMode::LoadMax);
  EXPECT_EQ(stored.loadMaxTimeLimit, 10.0);
  EXPECT_EQ(stored.supportPercent, 0);

  for (const char* limit : {"0", "", "abc", "3600.5", "-1"}) {
    e.loadMaxTimeLimit = limit;
    EXPECT_EQ(checkOptionEntry(e, library).message, timeLimitProblemMessage()) << limit;
  }
  e.loadMaxTimeLimit = "3600";
  EXPECT_TRUE(checkOptionEntry(e, library).accepted());
  for (const char* support : {"101", "", "50.5", "-5"}) {
    e.supportPercent = support;
    EXPECT_EQ(checkOptionEntry(e, library).message, supportProblemMessage()) << support;
  }
  e.supportPercent = "100";
  EXPECT_TRUE(checkOptionEntry(e, library).accepted());
}

TEST(OptionForm, thePlannerChosenBelongsToTheProjectAndOkAloneChangesNothing) {
  Settings settings;
  FillScheme project;  // opened from a .pak: no planner of its own
  OptionEntry entry = optionEntryOf(settings);
  const ContainerLibrary library = libraryOf({kA}, kA);
  OptionCheck check = checkOptionEntry(entry, library);
  ASSERT_TRUE(check.accepted()) << check.message;
  applyOptions(check.values, settings, project);
  EXPECT_FALSE(project.planner) << "OK alone leaves a project without a planner as it was";
  entry.planningMode = PlanningMode::LoadMax;
  entry.supportPercent = "70";
  check = checkOptionEntry(entry, library);
  ASSERT_TRUE(check.accepted()) << check.message;
  applyOptions(check.values, settings, project);
  ASSERT_TRUE(project.planner);
  EXPECT_EQ(project.planner->mode, PlanningMode::LoadMax);
  EXPECT_EQ(project.planner->supportPercent, 70);
  // The dialog shows the project's own planner, whatever the settings say.
  settings.planningMode = PlanningMode::Sets;
  EXPECT_EQ(optionEntryOf(settings, project.planner).planningMode, PlanningMode::LoadMax);
}
