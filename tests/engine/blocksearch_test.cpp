// The block search on small worked cases: which plan it keeps, the set count, the depth
// and type limits, the lying rule, the set bisection and cancellation.

#include <gtest/gtest.h>

#include "engine/containerplan.h"
#include "engine_test_support.h"

namespace {

std::vector<PlanBlock> bestPlan(const ContainerPlan& plan) {
  return {plan.result().blocks.begin(), plan.result().blocks.begin() + plan.result().blockCount};
}

std::vector<std::int32_t> probedSets(const ContainerPlan& plan) {
  const RunStatistics& s = plan.statistics();
  return {s.probedSets.begin(), s.probedSets.begin() + s.probeCount};
}

// W 400 x H 300 x L 600 cartons in a box 1200 wide, 600 high and 1200 long.
RunProject twelveCartonBox(int count) { return runProjectOf(1200, 1200, 600, {{600, 400, 300, count}}); }

}  // namespace

TEST(BlockSearch, oneLayerOfTheFirstCandidateHoldsAllTwelveCartons) {
  RunProject p = twelveCartonBox(12);
  auto plan = buildPlan(p, -1, 1200);
  EXPECT_EQ(plan->input().setsEstimate, 1);
  EXPECT_EQ(plan->run(6, false).sets, 1);
  EXPECT_EQ(plan->setup().maxDepth, 3u);
  EXPECT_EQ(bestPlan(*plan), std::vector<PlanBlock>{planBlock(1200, 600, 1200, 0, 3, 1, 4, 1, 0)});
  EXPECT_EQ(plan->result().usedLength, 1200u);
}

TEST(BlockSearch, extraSetsPlacedAtOnceRaiseTheSetCount) {
  RunProject p = twelveCartonBox(1);
  auto plan = buildPlan(p, -1, 1200);
  EXPECT_EQ(plan->input().setsEstimate, 12);
  EXPECT_EQ(plan->run(6, false).sets, 12);
  EXPECT_EQ(plan->result().sets, 12);
  EXPECT_EQ(bestPlan(*plan), std::vector<PlanBlock>{planBlock(1200, 600, 1200, 0, 3, 1, 4, 1, 0)});
}

TEST(BlockSearch, stoppingAtTheFirstPlanKeepsOneSet) {
  RunProject p = twelveCartonBox(1);
  auto plan = buildPlan(p, -1, 1200);
  EXPECT_EQ(plan->run(6, true).sets, 1);
  EXPECT_EQ(plan->result().sets, 1);
  ASSERT_EQ(plan->result().blockCount, 1u);
}

TEST(BlockSearch, twoTypesGoIntoWholeSlabsSideBySide) {
  RunProject p = runProjectOf(2400, 1200, 600, {{600, 400, 300, 12}, {600, 400, 300, 12}});
  auto plan = buildPlan(p, -1, 2400);
  EXPECT_EQ(plan->input().setsEstimate, 1);
  EXPECT_EQ(plan->run(6, false).sets, 1);
  EXPECT_EQ(bestPlan(*plan), (std::vector<PlanBlock>{planBlock(600, 600, 2400, 0, 1, 2, 6, 0, 2),
                                                     planBlock(600, 600, 2400, 1, 1, 2, 6, 0, 2)}));
  EXPECT_EQ(plan->result().usedLength, 2400u);
}

TEST(BlockSearch, aBlockLimitOfOneAllowsOnlySingleBlockPlans) {
  // 850 cartons of the demo need two blocks; no single grid holds them.
  RunProject p = runProjectOf(11800, 2300, 2450, {{600, 400, 300, 850, false, 0, 10}});
  auto one = buildPlan(p, -1, 11800);
  EXPECT_EQ(one->run(1, false).sets, 0);
  EXPECT_EQ(one->setup().maxDepth, 0u);
  EXPECT_EQ(one->result().blockCount, 0u);
  auto two = buildPlan(p, -1, 11800);
  EXPECT_EQ(two->run(2, false).sets, 1);
  EXPECT_EQ(two->result().blockCount, 2u);
  // 780 cartons fit one grid.
  p.input.cartons[0].count = 780;
  auto single = buildPlan(p, -1, 11800);
  EXPECT_EQ(single->run(1, false).sets, 1);
  EXPECT_EQ(single->result().blockCount, 1u);
}

TEST(BlockSearch, anUprightCartonLiesOnlyInItsTopLayers) {
  // Upright the cartons fit once (300 of 400 mm); lying on W they fill the height.
  RunProject p = runProjectOf(1200, 1200, 400, {{600, 400, 300, 8, true, 1}});
  auto plan = buildPlan(p, -1, 1200);
  EXPECT_EQ(plan->run(6, false).sets, 1);
  EXPECT_EQ(bestPlan(*plan), std::vector<PlanBlock>{planBlock(1200, 400, 1200, 0, 4, 1, 2, 1, 1)});
  // Not allowed to lie at all, they do not fit.
  p.input.cartons[0].upendLayers = 0;
  EXPECT_EQ(buildPlan(p, -1, 1200)->run(6, false).sets, 0);
}

TEST(BlockSearch, aLyingStackIsAtMostItsLayerLimitHigh) {
  // Two lying layers would be needed for 16 cartons; only one is allowed.
  RunProject p = runProjectOf(1200, 1200, 800, {{600, 400, 300, 16, true, 1}});
  auto plan = buildPlan(p, -1, 1200);
  plan->run(6, false).sets;
  for (std::uint32_t i = 0; i < plan->result().blockCount; ++i) {
    const PlanBlock& b = plan->result().blocks[i];
    if (b.orientation != 2 && b.orientation != 3) {
      EXPECT_LE(b.ny, 1) << "block " << i;
    }
  }
}

struct BisectionCase {
  int width, height, length;
  std::int32_t expectedSets;
  std::vector<std::int32_t> probes;
};

class SetBisection : public ::testing::TestWithParam<BisectionCase> {};

TEST_P(SetBisection, findsTheMostSetsUpToTheEstimate) {
  // Four types of 100 mm cubes, one of each in a set; every box estimates 10 sets.
  const BisectionCase c = GetParam();
  RunProject p = runProjectOf(c.length, c.width, c.height,
                           {{100, 100, 100}, {100, 100, 100}, {100, 100, 100}, {100, 100, 100}});
  auto plan = buildPlan(p, -1, c.length);
  ASSERT_EQ(plan->input().setsEstimate, 10);
  EXPECT_EQ(plan->run(6, false).sets, c.expectedSets);
  EXPECT_EQ(probedSets(*plan),
            c.probes);
  EXPECT_EQ(plan->setup().maxDepth, 4u);
  EXPECT_EQ(plan->result().sets, 1);
  ASSERT_EQ(plan->result().blockCount, 4u);
  for (std::uint32_t i = 0; i < 4; ++i) {
    EXPECT_EQ(plan->cartonsPerSet(i), c.expectedSets);
    // The last block spans the rest of the box and may hold more than is left.
    const PlanBlock& b = plan->result().blocks[i];
    const std::int64_t capacity = static_cast<std::int64_t>(b.nx) * b.ny * b.nz;
    if (i < 3) {
      EXPECT_EQ(capacity, c.expectedSets) << "block " << i;
    } else {
      EXPECT_GE(capacity, c.expectedSets);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, SetBisection,
    ::testing::Values(
        // Room for ten sets: every probe fits, up to the estimate itself.
        BisectionCase{100, 100, 4000, 10, {1, 6, 8, 9, 10}},
        // Room for 27 cubes, six sets.
        BisectionCase{150, 100, 2700, 6, {1, 6, 8, 7}},
        // Room for 10 cubes, two sets.
        BisectionCase{199, 199, 1011, 2, {1, 6, 3, 2}}));

TEST(SetBisection, loadsTheEstimateWhenItFits) {
  // Four types of 2000 kg: 2 sets by weight, and the demo container has room for more.
  RunProject p = runProjectOf(11800, 2300, 2450,
                           {{1200, 1000, 800, 1, false, 0, 2000}, {1000, 800, 600, 1, false, 0, 2000},
                            {800, 600, 500, 1, false, 0, 2000}, {600, 500, 400, 1, false, 0, 2000}});
  auto plan = buildPlan(p, -1, 11800);
  ASSERT_EQ(plan->input().setsEstimate, 2);
  EXPECT_EQ(plan->run(6, false).sets, 2);
  EXPECT_EQ(plan->result().blockCount, 4u);
  for (std::uint32_t i = 0; i < 4; ++i) EXPECT_EQ(plan->cartonsPerSet(i), 2);
}

TEST(SetBisection, failingTheFirstProbeLoadsNothing) {
  // The cartons fit by volume, but standing they are wider than the box.
  RunProject p = runProjectOf(3000, 150, 150,
                           {{160, 160, 100, 1, true}, {160, 160, 100, 1, true},
                            {160, 160, 100, 1, true}, {160, 160, 100, 1, true}});
  auto plan = buildPlan(p, -1, 3000);
  ASSERT_GE(plan->input().setsEstimate, 2);
  EXPECT_EQ(plan->run(6, false).sets, 0);
  EXPECT_EQ(plan->result().blockCount, 0u);
  EXPECT_EQ(probedSets(*plan),
            std::vector<std::int32_t>{1});
}

TEST(BlockSearch, aCartonTypeWithoutCartonsIsLeftAside) {
  // A count of 0 never comes from the dialogs or the project file; it must not upset the
  // search: the type gets no block and sets no bound on the complete sets.
  RunProject p = twelveCartonBox(1);
  Carton empty = p.input.cartons[0];
  empty.count = 0;
  p.input.cartons.push_back(empty);
  auto plan = buildPlan(p, -1, 1200);
  EXPECT_EQ(plan->input().setsEstimate, 12);
  EXPECT_EQ(plan->run(6, false).sets, 12);
  for (std::uint32_t i = 0; i < plan->result().blockCount; ++i) EXPECT_EQ(plan->result().blocks[i].typeIndex, 0);
}

TEST(BlockSearch, aCartonWithoutExtentIsNeverStacked) {
  RunProject p = twelveCartonBox(12);
  p.input.cartons[0].height = 0;
  auto plan = buildPlan(p, -1, 1200);
  EXPECT_EQ(plan->run(6, false).sets, 0);
  EXPECT_EQ(plan->setup().candidateCount, 0u);
}

// Cancellation. A flag raised before the run is left to the searches' own polls, so the
// search calls made show where they stopped: on the first branch, one call per level.

TEST(Cancel, endsTheLayerSearchOnItsFirstBranch) {
  RunProject p = runProjectOf(12030, 2350, 2690,
                           {{1100, 300, 700, 40, false, 0, 28.5}, {650, 600, 900, 30, true, 0, 62},
                            {520, 420, 330, 160, true, 2, 14}},
                           26000);
  auto whole = buildPlan(p, -1, p.input.container.length);
  ASSERT_TRUE(whole->run(6, false).found());
  ASSERT_GT(whole->statistics().searchNodes, 1000u);

  auto plan = buildPlan(p, -1, p.input.container.length);
  std::atomic<bool> cancel{true};
  plan->setCancelFlag(&cancel);
  EXPECT_EQ(plan->run(6, false).status, RunStatus::Cancelled);
  EXPECT_EQ(plan->result().blockCount, 0u);
  EXPECT_GE(plan->statistics().searchNodes, 1u);
  EXPECT_LE(plan->statistics().searchNodes, plan->setup().maxDepth + 1);
}

TEST(Cancel, endsTheWholeSlabSearchOnItsFirstBranch) {
  // Six types that do not go into whole slabs: the search visits thousands of branches.
  RunProject p = runProjectOf(1061, 1061, 2686,
                           {{480, 300, 280, 5, true}, {560, 520, 600, 2}, {410, 490, 460, 6, true},
                            {420, 420, 450, 5}, {720, 370, 380, 2}, {650, 470, 360, 3}});
  auto whole = buildPlan(p, -1, p.input.container.length);
  ASSERT_EQ(whole->run(6, true).status, RunStatus::Nothing);
  ASSERT_GT(whole->statistics().searchNodes, 100u);

  auto plan = buildPlan(p, -1, p.input.container.length);
  std::atomic<bool> cancel{true};
  plan->setCancelFlag(&cancel);
  EXPECT_EQ(plan->run(6, true).status, RunStatus::Cancelled);
  EXPECT_EQ(plan->result().blockCount, 0u);
  EXPECT_EQ(plan->statistics().searchNodes, 1u);
}

TEST(Cancel, theSetBisectionKeepsNoPlan) {
  RunProject p = runProjectOf(11800, 2300, 2450,
                           {{600, 400, 300, 4}, {500, 400, 400, 2}, {800, 600, 500, 1},
                            {400, 300, 300, 6, true}, {1000, 500, 450, 1}});
  auto plan = buildPlan(p, -1, p.input.container.length);
  std::atomic<bool> cancel{true};
  plan->setCancelFlag(&cancel);
  const RunResult r = plan->run(6, false);
  EXPECT_EQ(r.status, RunStatus::Cancelled);
  EXPECT_EQ(r.sets, 0);
  EXPECT_EQ(plan->result().blockCount, 0u);
}
