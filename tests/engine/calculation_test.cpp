// The calculation run without its dialog: group keys, zoned and single runs, the
// hand-over, and cancelling from another thread.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/calculation.h"
#include "engine/runproject.h"
#include "engine_test_support.h"
#include "model/settings.h"

namespace {

std::vector<int> groupKeys(const RunProject& p) { return {p.groupKeys.begin(), p.groupKeys.end()}; }

RunProject withRequirements(std::initializer_list<int> spaceIndexes) {
  FillScheme p = projectOf(11800, 2300, 2450, {});
  for (int s : spaceIndexes) p.addCarton().spaceIndex = s;
  return RunProject(p.input());
}

// Seven types of 600 x 400 x 300 cartons in the demo container, none with a position
// requirement; 831 cartons fill 90 % of it.
RunProject sevenTypes(int eachOfTheFirstSix, int seventh) {
  FillScheme p = projectOf(11800, 2300, 2450, {});
  for (int i = 0; i < 7; ++i) {
    Carton& c = p.addCarton();
    c.length = 600;
    c.width = 400;
    c.height = 300;
    c.count = i < 6 ? eachOfTheFirstSix : seventh;
  }
  return RunProject(p.input());
}

// The far end along the length of a block's cartons.
int farEnd(const BlockScheme& b) { return b.z + b.nz * (b.sizeZ + b.gapZ); }

// Three types of small cartons: some hundred thousand search calls, many seconds.
RunProject longSearch() {
  FillScheme p = projectOf(11800, 2300, 2450, {{120, 100, 80, 2}, {110, 90, 70, 1}, {130, 85, 75, 1}});
  p.spacingL = 10;
  p.spacingW = p.spacingH = 5;
  return RunProject(p.input());
}

}  // namespace

TEST(GroupKeys, sixTypesPerGroupWithinEachRequirement) {
  RunProject p = withRequirements({100, 100, 100, 100, 100, 100, 100});
  assignGroupKeys(p);
  EXPECT_EQ(groupKeys(p), (std::vector<int>{100, 100, 100, 100, 100, 100, 101}));

  RunProject mixed = withRequirements({0, 200, 0, 100, 0, 0, 0, 0, 200, 0, 0, 0, 0, 0, 0, 0});
  assignGroupKeys(mixed);
  EXPECT_EQ(groupKeys(mixed), (std::vector<int>{0, 200, 0, 100, 0, 0, 0, 0, 200, 1, 1, 1, 1, 1, 1, 2}));
}

TEST(GroupKeys, questionsAboutGroups) {
  RunProject p = withRequirements({200, 0, 0});
  assignGroupKeys(p);
  EXPECT_TRUE(groupExists(p, 0));
  EXPECT_TRUE(groupExists(p, 200));
  EXPECT_FALSE(groupExists(p, 100));
  EXPECT_TRUE(laterGroupExists(p, 0));
  EXPECT_TRUE(laterGroupExists(p, 199));
  EXPECT_FALSE(laterGroupExists(p, 200));
  EXPECT_TRUE(hasSeveralGroups(p));
  EXPECT_FALSE(hasSeveralGroups(withRequirements({100, 100})));
  EXPECT_FALSE(hasSeveralGroups(withRequirements({})));
}

TEST(CalculationRun, aSingleRunPlacesEveryCarton) {
  RunProject p(projectOf(11800, 2300, 2450, {{600, 400, 300, 850}}).input());
  p.blocks.push_back(BlockScheme{});  // the last result goes
  CalculationRun run;
  run.startRun(p);
  const RunOutcome outcome = run.execute(p, Settings{});
  EXPECT_TRUE(outcome.success);
  EXPECT_EQ(outcome.mode, RunMode::Single);
  run.finishRun(p, outcome.success);
  int loaded = 0;
  for (const BlockScheme& b : p.blocks) loaded += b.count;
  EXPECT_EQ(loaded, 850);
  ASSERT_TRUE(run.engine);
  EXPECT_EQ(run.engine->typeCount(), 1u);
}

TEST(CalculationRun, sevenTypesFillingNinetyPercentRunInTwoZones) {
  RunProject p = sevenTypes(119, 117);
  ASSERT_NEAR(p.input.volumeRatio(), 0.9, 0.001);
  CalculationRun run;
  run.startRun(p);
  EXPECT_EQ(groupKeys(p), (std::vector<int>{100, 100, 100, 100, 100, 100, 101}));
  const RunOutcome outcome = run.execute(p, Settings{});
  run.finishRun(p, outcome.success);
  EXPECT_EQ(outcome.mode, RunMode::Zoned);
  ASSERT_TRUE(outcome.success);
  // The first six at the inner end, squeezed into the shortest slab; the seventh behind.
  int innerEnd = 0, doorStart = 11800;
  for (const BlockScheme& b : p.blocks) {
    if (b.cartonIndex < 6) {
      EXPECT_EQ(b.z, 0);
      innerEnd = std::max(innerEnd, farEnd(b));
    } else {
      doorStart = std::min(doorStart, b.z);
    }
  }
  EXPECT_EQ(innerEnd, 9600);
  EXPECT_EQ(doorStart, 9600);
  int loaded = 0;
  for (const BlockScheme& b : p.blocks) loaded += b.count;
  EXPECT_EQ(loaded, 831);
}

TEST(CalculationRun, sevenTypesFillingLessThanHalfRunTogether) {
  RunProject p = sevenTypes(53, 53);
  ASSERT_LT(p.input.volumeRatio(), 0.5);
  CalculationRun run;
  run.startRun(p);
  const RunOutcome outcome = run.execute(p, Settings{});
  EXPECT_EQ(outcome.mode, RunMode::Single);
  EXPECT_EQ(run.engine->typeCount(), 7u);
}

TEST(CalculationRun, requirementsGoFromTheInnerEndToTheDoor) {
  RunProject p(projectOf(11800, 2300, 2450,
                           {{600, 400, 300, 250, false, 0, 0, kSpaceDoor},
                            {600, 400, 300, 250, false, 0, 0, kSpaceNone},
                            {600, 400, 300, 250, false, 0, 0, kSpaceInner}}).input());
  CalculationRun run;
  run.startRun(p);
  const RunOutcome outcome = run.execute(p, Settings{});
  run.finishRun(p, outcome.success);
  ASSERT_EQ(outcome.mode, RunMode::Zoned);
  ASSERT_TRUE(outcome.success);
  int lastEnd[3] = {0, 0, 0}, firstStart[3] = {11800, 11800, 11800};
  for (const BlockScheme& b : p.blocks) {
    const int zone = 2 - b.cartonIndex;  // carton 2 goes first
    lastEnd[zone] = std::max(lastEnd[zone], farEnd(b));
    firstStart[zone] = std::min(firstStart[zone], b.z);
  }
  EXPECT_EQ(firstStart[0], 0);
  EXPECT_LE(lastEnd[0], firstStart[1]);
  EXPECT_LE(lastEnd[1], firstStart[2]);
}

TEST(CalculationRun, aGroupThatNeverFitsTakesOneMillimetre) {
  // The inner-end cartons are taller than the container whichever way they stand.
  RunProject p(projectOf(11800, 2300, 2450,
                           {{3000, 3000, 3000, 1, false, 0, 0, kSpaceInner},
                            {600, 400, 300, 800, false, 0, 0, kSpaceNone}}).input());
  CalculationRun run;
  run.startRun(p);
  const RunOutcome outcome = run.execute(p, Settings{});
  run.finishRun(p, outcome.success);
  ASSERT_EQ(outcome.mode, RunMode::Zoned);
  ASSERT_TRUE(outcome.success);  // the last group decides
  ASSERT_FALSE(p.blocks.empty());
  int start = 11800;
  for (const BlockScheme& b : p.blocks) {
    EXPECT_EQ(b.cartonIndex, 1);
    start = std::min(start, b.z);
  }
  EXPECT_EQ(start, 1);
}

TEST(CalculationRun, aFailedRunLeavesNoBlocks) {
  RunProject p(projectOf(1200, 1200, 600, {{600, 400, 300, 1000}}).input());
  CalculationRun run;
  run.startRun(p);
  const RunOutcome outcome = run.execute(p, Settings{});
  EXPECT_FALSE(outcome.success);
  run.finishRun(p, outcome.success);
  EXPECT_TRUE(p.blocks.empty());
}

TEST(CalculationRun, startingARunClearsAnEarlierCancel) {
  RunProject p(projectOf(11800, 2300, 2450, {{600, 400, 300, 850}}).input());
  CalculationRun run;
  run.cancelRequested = true;
  run.startRun(p);
  EXPECT_FALSE(run.cancelRequested);
  EXPECT_TRUE(run.execute(p, Settings{}).success);
}

TEST(CalculationRun, aCancelFromAnotherThreadEndsTheSearchAndLeavesNoBlocks) {
  RunProject p = longSearch();
  CalculationRun run;
  run.startRun(p);
  RunOutcome outcome;
  std::thread worker([&] { outcome = run.execute(p, Settings{}); });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  run.cancelRequested = true;
  worker.join();
  // The whole search takes many seconds and would succeed; cancelled, the run fails.
  EXPECT_FALSE(outcome.success);
  run.finishRun(p, outcome.success);
  EXPECT_TRUE(p.blocks.empty());
}

TEST(CalculationRun, aCancelledZonedRunLeavesNoBlocks) {
  RunProject p = sevenTypes(119, 117);
  CalculationRun run;
  run.startRun(p);
  run.cancelRequested = true;  // as if pressed the moment the worker started
  const RunOutcome outcome = run.execute(p, Settings{});
  EXPECT_EQ(outcome.mode, RunMode::Zoned);
  run.finishRun(p, outcome.success);
  EXPECT_TRUE(p.blocks.empty());
}

TEST(CalculationRun, aSuccessfulRunKeepsItsBlocksUnlessCancelled) {
  RunProject p(projectOf(11800, 2300, 2450, {{600, 400, 300, 850}}).input());
  CalculationRun run;
  run.startRun(p);
  const RunOutcome outcome = run.execute(p, Settings{});
  run.finishRun(p, outcome.success);
  EXPECT_FALSE(p.blocks.empty());
  run.cancelRequested = true;
  run.finishRun(p, true);
  EXPECT_TRUE(p.blocks.empty());
}
