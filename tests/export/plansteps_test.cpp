#include "export/plansteps.h"

#include <gtest/gtest.h>

#include "exportfixture.h"
#include "resultblocks.h"

TEST(PlanSteps, oneStepPerBlockInLoadingOrderWithWhatIsLoadedSoFar) {
  FillScheme plan = samplePlan();
  plan.cartons[0].weight = 10;
  plan.cartons[1].weight = 20;
  std::swap(resultBlocks(plan)[0], resultBlocks(plan)[1]);  // the inner end's block listed second
  const LoadedContainer& loaded = plan.result.containers[0];
  const std::vector<PlanStep> steps = planSteps(plan, loaded);
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].block, 1u);
  EXPECT_EQ(steps[1].block, 0u);
  EXPECT_EQ(steps[0].cartons, 20);
  EXPECT_EQ(steps[0].weight, 200.0);
  EXPECT_EQ(steps[1].weight, 1440.0);
  EXPECT_EQ(steps[0].cartonsSoFar, 20);
  EXPECT_EQ(steps[1].cartonsSoFar, 92);
  EXPECT_DOUBLE_EQ(steps[0].balanceSoFar.loadedWeight, 200.0);
  EXPECT_DOUBLE_EQ(steps[1].balanceSoFar.loadedWeight, 1640.0);
  // The first step's centre lies in its own block; the last is that of the whole plan.
  EXPECT_LT(steps[0].balanceSoFar.fromInnerEnd, 1240);
  EXPECT_DOUBLE_EQ(steps[1].balanceSoFar.fromInnerEnd, loadBalance(plan.cartons, loaded).fromInnerEnd);
  const std::vector<BlockScheme> first = blocksUpToStep(loaded, steps, 1);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0], loaded.blocks[1]);
}

TEST(PlanSteps, aStepOfCartonsWithoutWeightHasNone) {
  const FillScheme plan = samplePlan();
  const std::vector<PlanStep> steps = planSteps(plan, plan.result.containers[0]);
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_FALSE(steps[0].weight.has_value());
  EXPECT_FALSE(steps[1].balanceSoFar.centreKnown);
}

TEST(PlanSteps, loadedCountsAreByTypeAndIgnoreUnknownTypes) {
  FillScheme plan = samplePlan();
  resultBlocks(plan)[1].cartonIndex = 7;
  EXPECT_EQ(loadedCountsByType(2, plan.result.containers[0]), (std::vector<std::int64_t>{20, 0}));
}
