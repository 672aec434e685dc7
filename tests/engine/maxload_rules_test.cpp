// The load-max planner on small loads whose best plan is known by hand. Every plan also
// passes the independent plan check.

#include <gtest/gtest.h>

#include "engine/maxload/maxloadproject.h"
#include "maxload_testing.h"
#include "model/fillscheme.h"

namespace {

MaxLoadResult planChecked(const MaxLoadInput& input) {
  MaxLoadResult r = planMaxLoad(input);
  const auto broken = brokenRules(input, r);
  EXPECT_TRUE(broken.empty()) << broken.front();
  return r;
}

TEST(MaxLoadRules, CartonsThatTileTheContainerFillItCompletely) {
  for (const std::int32_t support : {0, 100}) {
    MaxLoadInput input = containerInput(1200, 1000, 1800);
    input.supportPercent = support;
    input.types.push_back(cartonType(600, 500, 600, 12));
    const MaxLoadResult r = planChecked(input);
    EXPECT_EQ(r.loadedCount, 12);
    EXPECT_DOUBLE_EQ(r.netRatio, 1.0);
    EXPECT_EQ(r.leftovers, std::vector<std::int32_t>{0});
    // The result blocks hold exactly the placed cartons.
    std::int64_t inBlocks = 0;
    for (const BlockScheme& b : r.blocks) inBlocks += b.count;
    EXPECT_EQ(inBlocks, 12);
  }
}

TEST(MaxLoadRules, OneCartonTooManyIsLeftOver) {
  MaxLoadInput input = containerInput(1200, 1000, 1800);
  input.types.push_back(cartonType(600, 500, 600, 13));
  const MaxLoadResult r = planChecked(input);
  EXPECT_EQ(r.loadedCount, 12);
  EXPECT_EQ(r.leftovers, std::vector<std::int32_t>{1});
}

TEST(MaxLoadRules, SpacingIsPartOfEveryCarton) {
  // With 10 mm spacing across, two cartons 600 mm wide need 1220 mm.
  MaxLoadInput input = containerInput(1210, 500, 600);
  input.gapX = 10;
  input.types.push_back(cartonType(600, 500, 600, 3, kEdgeWidth));
  const MaxLoadResult r = planChecked(input);
  EXPECT_EQ(r.loadedCount, 1);
  input.containerX = 1220;
  EXPECT_EQ(planChecked(input).loadedCount, 2);
}

TEST(MaxLoadRules, KeepUprightCartonLiesOnlyInItsAllowedLayers) {
  // 650 mm high: standing (700 high) it does not fit, lying on its 300 mm edge two layers
  // would fit, but only one lying layer is allowed.
  MaxLoadInput input = containerInput(400, 550, 700);
  MaxLoadType t = cartonType(400, 300, 700, 3, kEdgeHeight);
  input.types.push_back(t);
  EXPECT_EQ(planChecked(input).loadedCount, 0);  // may not lie at all

  input.types[0].lyingEdges = kEdgeLength | kEdgeWidth;
  input.types[0].lyingLayers = 1;
  input.containerY = 650;
  MaxLoadResult r = planChecked(input);
  ASSERT_EQ(r.loadedCount, 1);
  EXPECT_EQ(r.placements[0].sizeY, 300);

  input.types[0].lyingLayers = 2;
  EXPECT_EQ(planChecked(input).loadedCount, 2);
}

TEST(MaxLoadRules, NothingStandsOnALyingCarton) {
  // Lying on its 300 mm edge is the only way the first type fits; the cube could stand
  // on it but must not.
  MaxLoadInput input = containerInput(400, 600, 700);
  MaxLoadType lying = cartonType(400, 300, 601, 1, kEdgeHeight);
  lying.lyingEdges = kEdgeWidth;
  lying.lyingLayers = 1;
  input.types.push_back(lying);
  input.types.push_back(cartonType(200, 200, 200, 1));
  input.supportPercent = 100;
  const MaxLoadResult r = planChecked(input);
  EXPECT_EQ(r.loadedCount, 1);
  EXPECT_EQ(loadedOf(r, 0), 1);
}

TEST(MaxLoadRules, ZonesLoadTheInnerEndFirstAndTheDoorLast) {
  // Three cubes of one metre in a three-metre container, one per zone, listed door first.
  MaxLoadInput input = containerInput(1000, 1000, 3000);
  for (const LoadZone zone : {LoadZone::Door, LoadZone::Free, LoadZone::InnerEnd}) {
    input.types.push_back(cartonType(1000, 1000, 1000, 1));
    input.types.back().zone = zone;
  }
  const MaxLoadResult r = planChecked(input);
  ASSERT_EQ(r.loadedCount, 3);
  std::int32_t startOf[3] = {};
  for (const MaxLoadPlacement& p : r.placements) startOf[p.cartonIndex] = p.z;
  EXPECT_EQ(startOf[2], 0);
  EXPECT_EQ(startOf[1], 1000);
  EXPECT_EQ(startOf[0], 2000);
  // The loader's order: from the inner end to the door.
  ASSERT_EQ(r.blocks.size(), 3u);
  EXPECT_EQ(r.blocks[0].cartonIndex, 2);
  EXPECT_EQ(r.blocks[2].cartonIndex, 0);
}

TEST(MaxLoadRules, WeightLimitBindsBeforeVolume) {
  MaxLoadInput input = containerInput(1200, 1000, 1800);
  input.maxWeight = 550;
  input.types.push_back(cartonType(600, 500, 600, 12));
  input.types[0].weight = 100;
  const MaxLoadResult r = planChecked(input);
  EXPECT_EQ(r.loadedCount, 5);
  EXPECT_EQ(r.leftovers, std::vector<std::int32_t>{7});
}

TEST(MaxLoadRules, SupportForbidsABridgeOverAGap) {
  // Two cubes go first (inner-end zone) and leave no floor 300 mm wide; the door zone's
  // 300 mm beam can only rest on them, carried over two thirds of its base.
  MaxLoadInput input = containerInput(300, 200, 100);
  input.types.push_back(cartonType(100, 100, 100, 2));
  input.types.back().zone = LoadZone::InnerEnd;
  input.types.push_back(cartonType(300, 100, 100, 1, kEdgeHeight));
  input.types.back().zone = LoadZone::Door;
  input.supportPercent = 66;
  EXPECT_EQ(loadedOf(planChecked(input), 1), 1);
  input.supportPercent = 67;
  EXPECT_EQ(loadedOf(planChecked(input), 1), 0);
  input.supportPercent = 100;
  EXPECT_EQ(loadedOf(planChecked(input), 1), 0);
}

TEST(MaxLoadRules, NothingFitsGivesAnEmptyPlanWithEverythingLeftOver) {
  MaxLoadInput input = containerInput(500, 500, 500);
  input.types.push_back(cartonType(600, 600, 600, 4));
  input.types.push_back(cartonType(100, 100, 100, 0));
  input.types.push_back(cartonType(0, 100, 100, 2));  // no size: never loaded
  const MaxLoadResult r = planChecked(input);
  EXPECT_EQ(r.loadedCount, 0);
  EXPECT_TRUE(r.blocks.empty());
  EXPECT_EQ(r.leftovers, (std::vector<std::int32_t>{4, 0, 2}));
}

}  // namespace

namespace {

// A project of the demo container with one carton type of 600 x 400 x 300 mm.
FillScheme demoProject(std::int32_t count) {
  FillScheme project;
  project.spacingL = project.spacingW = project.spacingH = 0;
  Carton& carton = project.addCarton();
  carton.length = 600;
  carton.width = 400;
  carton.height = 300;
  carton.weight = 10;
  carton.count = count;
  carton.mustUp = true;
  return project;
}

TEST(MaxLoadProject, TheProjectsCartonsGoIntoResultBlocks) {
  FillScheme project = demoProject(100);
  MaxLoadOptions options;
  options.timeLimitSeconds = 0;
  options.effortBudget = 500;
  const MaxLoadResult r = loadAsMuchAsFits(project, options);
  EXPECT_EQ(r.loadedCount, 100);
  std::int64_t inBlocks = 0;
  for (const BlockScheme& b : r.blocks) {
    inBlocks += b.count;
    EXPECT_EQ(b.cartonIndex, 0);
    EXPECT_TRUE(b.orientation == 2 || b.orientation == 3);  // upright
  }
  EXPECT_EQ(inBlocks, 100);
}

TEST(MaxLoadProject, ACancelledCalculationLeavesNoBlocks) {
  FillScheme project = demoProject(100);
  std::atomic<bool> cancel{true};
  MaxLoadControl control;
  control.cancel = &cancel;
  const MaxLoadResult r = loadAsMuchAsFits(project, MaxLoadOptions{}, control);
  EXPECT_TRUE(r.cancelled);
  EXPECT_TRUE(r.blocks.empty());
  EXPECT_EQ(r.loadedCount, 0);
}

TEST(MaxLoadProject, PositionRequirementsBecomeZones) {
  FillScheme project = demoProject(1);
  project.cartons[0].spaceIndex = kSpaceDoor;
  project.cartons[0].upendLayers = 2;
  project.addCarton().spaceIndex = kSpaceInner;
  project.spacingL = 10;
  project.spacingW = 5;
  project.spacingH = 3;
  const MaxLoadInput input = maxLoadInputFromProject(project);
  ASSERT_EQ(input.types.size(), 2u);
  EXPECT_EQ(input.types[0].zone, LoadZone::Door);
  EXPECT_EQ(input.types[1].zone, LoadZone::InnerEnd);
  EXPECT_EQ(input.types[0].verticalEdges, kEdgeHeight);
  EXPECT_EQ(input.types[0].lyingLayers, 2);
  EXPECT_EQ(input.types[1].verticalEdges, kEveryEdge);
  EXPECT_EQ(input.gapX, 5);  // across: the width spacing
  EXPECT_EQ(input.gapY, 3);
  EXPECT_EQ(input.gapZ, 10);
  EXPECT_EQ(input.containerZ, project.container.length);
}

}  // namespace
