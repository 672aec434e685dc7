// The independent plan checker finds each kind of broken rule.

#include "plancheck.h"

#include <gtest/gtest.h>

namespace {

using plancheck::CheckCarton;
using plancheck::CheckPlan;
using plancheck::checkPlan;

// Two cubes of 100 mm side by side on the floor of a 300 x 300 x 300 container.
CheckPlan soundPlan() {
  CheckPlan plan;
  plan.width = plan.height = plan.length = 300;
  plancheck::CheckType cube;
  cube.length = cube.width = cube.height = 100;
  cube.count = 4;
  plan.types.push_back(cube);
  plan.cartons.push_back(CheckCarton{0, 0, 0, 0, 100, 100, 100});
  plan.cartons.push_back(CheckCarton{0, 100, 0, 0, 100, 100, 100});
  return plan;
}

TEST(PlanCheck, ASoundPlanPasses) {
  EXPECT_TRUE(checkPlan(soundPlan()).empty());
}

TEST(PlanCheck, FindsEachBrokenRule) {
  CheckPlan overlap = soundPlan();
  overlap.cartons[1].x = 99;
  EXPECT_FALSE(checkPlan(overlap).empty());

  CheckPlan outside = soundPlan();
  outside.cartons[1].x = 201;
  EXPECT_FALSE(checkPlan(outside).empty());
  CheckPlan gapOutside = soundPlan();
  gapOutside.cartons[1].x = 200;
  gapOutside.gapX = 1;
  EXPECT_FALSE(checkPlan(gapOutside).empty());

  CheckPlan tooMany = soundPlan();
  tooMany.types[0].count = 1;
  EXPECT_FALSE(checkPlan(tooMany).empty());

  CheckPlan heavy = soundPlan();
  heavy.types[0].weight = 10;
  heavy.maxWeight = 19;
  EXPECT_FALSE(checkPlan(heavy).empty());

  CheckPlan turned = soundPlan();
  turned.types[0].height = 50;
  turned.types[0].vertical = 4;
  turned.cartons = {CheckCarton{0, 0, 0, 0, 100, 100, 50}};
  EXPECT_FALSE(checkPlan(turned).empty());  // its 100 mm edges may not stand
  turned.cartons = {CheckCarton{0, 0, 0, 0, 100, 50, 100}};
  EXPECT_TRUE(checkPlan(turned).empty());
}

TEST(PlanCheck, SupportCountsOnlyTopsRightBelow) {
  CheckPlan plan = soundPlan();
  plan.types[0].count = 3;
  plan.cartons.push_back(CheckCarton{0, 50, 100, 0, 100, 100, 100});  // over both
  EXPECT_TRUE(checkPlan(plan).empty());
  plan.cartons[2].x = 150;  // half over the second cube, half over nothing
  plan.supportPercent = 50;
  EXPECT_TRUE(checkPlan(plan).empty());
  plan.supportPercent = 51;
  EXPECT_FALSE(checkPlan(plan).empty());
  plan.cartons[2].y = 101;  // floating a millimetre above
  plan.supportPercent = 1;
  EXPECT_FALSE(checkPlan(plan).empty());
  plan.supportPercent = 0;
  EXPECT_TRUE(checkPlan(plan).empty());
}

TEST(PlanCheck, NothingButItsOwnLayersStandsOnALyingCarton) {
  CheckPlan plan = soundPlan();
  plan.types[0].height = 200;
  plan.types[0].vertical = 4;
  plan.types[0].lying = 3;
  plan.types[0].lyingLayers = 2;
  plan.types.push_back(plan.types[0]);
  plan.types[1].lying = 0;
  plan.cartons = {CheckCarton{0, 0, 0, 0, 200, 100, 100}, CheckCarton{0, 0, 100, 0, 200, 100, 100}};
  EXPECT_TRUE(checkPlan(plan).empty());
  plan.types[0].lyingLayers = 1;
  EXPECT_FALSE(checkPlan(plan).empty());  // two lying layers
  plan.types[0].lyingLayers = 2;
  plan.cartons[1] = CheckCarton{1, 0, 100, 0, 100, 200, 100};  // standing on a lying one
  EXPECT_FALSE(checkPlan(plan).empty());
}

TEST(PlanCheck, LaterZonesStartAtOrBehindEarlierOnes) {
  CheckPlan plan = soundPlan();
  plan.types.push_back(plan.types[0]);
  plan.types[0].zone = 0;
  plan.types[1].zone = 2;
  plan.cartons[1] = CheckCarton{1, 0, 0, 100, 100, 100, 100};
  EXPECT_TRUE(checkPlan(plan).empty());
  plan.cartons[0].z = 150;
  EXPECT_FALSE(checkPlan(plan).empty());
}

}  // namespace
