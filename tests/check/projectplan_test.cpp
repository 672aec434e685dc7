// The checker's input taken from a loading project and its result blocks.

#include "check/projectplan.h"

#include <gtest/gtest.h>

#include "commands/loadbalance.h"
#include "model/fillscheme.h"

namespace check {
namespace {

// A 2000 wide, 1500 high, 4000 long container for 900 kg, spacing 10 along, 5 across, 2 up.
FillScheme smallProject() {
  FillScheme p;
  p.container = Container{"C", 4000, 2000, 1500, 900};
  p.spacingL = 10;
  p.spacingW = 5;
  p.spacingH = 2;
  p.cartons.resize(3);
  p.cartons[0] = Carton{"free", 600, 400, 300, false, 0, 12.5, 0, 7, kSpaceInner};
  p.cartons[1] = Carton{"upright", 500, 300, 200, true, 0, 3, 1, 2, kSpaceNone};
  p.cartons[2] = Carton{"lies on top", 500, 300, 200, true, 2, 0, 2, 5, kSpaceDoor};
  return p;
}

BlockScheme blockOf(std::int32_t cartonIndex, std::int32_t x, std::int32_t y, std::int32_t z,
                    std::int32_t count) {
  BlockScheme b;
  b.cartonIndex = cartonIndex;
  b.x = x, b.y = y, b.z = z;
  b.sizeX = 400, b.sizeY = 300, b.sizeZ = 600;
  b.nx = 2, b.ny = 2, b.nz = 3;
  b.gapX = 5, b.gapY = 2, b.gapZ = 10;
  b.count = count;
  return b;
}

TEST(ProjectPlan, takesTheContainerAndSpacingAlongTheCheckersAxes) {
  const CheckInput in = projectCheckInput(smallProject(), 40, 3);
  EXPECT_EQ(in.container.width, 2000);
  EXPECT_EQ(in.container.height, 1500);
  EXPECT_EQ(in.container.length, 4000);
  EXPECT_DOUBLE_EQ(in.container.maxWeight, 900);
  EXPECT_EQ(in.spacing.gapX, 5);
  EXPECT_EQ(in.spacing.gapY, 2);
  EXPECT_EQ(in.spacing.gapZ, 10);
  EXPECT_EQ(in.supportPercent, 40);
  EXPECT_EQ(in.setCount, 3);
  EXPECT_TRUE(in.cartons.empty());
}

TEST(ProjectPlan, aCartonThatMustStayUprightStandsOnItsHeightAndMayLieOnlyInItsTopLayers) {
  const CheckInput in = projectCheckInput(smallProject(), 0, 0);
  ASSERT_EQ(in.types.size(), 3u);
  const CartonType& free = in.types[0];
  EXPECT_EQ(free.standingEdges, kAllEdges);
  EXPECT_EQ(free.lyingLayers, 0);
  EXPECT_EQ(in.types[1].standingEdges, kEdgeH);
  EXPECT_EQ(in.types[1].lyingEdges, 0);
  EXPECT_EQ(in.types[2].standingEdges, kEdgeH);
  EXPECT_EQ(in.types[2].lyingEdges, kEdgeL | kEdgeW);
  EXPECT_EQ(in.types[2].lyingLayers, 2);
  // Edges, count, weight and name as entered; zones after the position requirement.
  EXPECT_EQ(free.name, "free");
  EXPECT_EQ(free.length, 600);
  EXPECT_EQ(free.width, 400);
  EXPECT_EQ(free.height, 300);
  EXPECT_EQ(free.count, 7);
  EXPECT_DOUBLE_EQ(free.weight, 12.5);
  EXPECT_EQ(free.zone, kZoneInnerEnd);
  EXPECT_EQ(in.types[1].zone, kZoneFree);
  EXPECT_EQ(in.types[2].zone, kZoneDoor);
}

TEST(ProjectPlan, theCartonsOfTheBlocksAreThoseTheLoadBalanceWeighs) {
  // The weight and its centre over the checker's cartons match the result's own balance,
  // for full and partly filled blocks alike.
  FillScheme p = smallProject();
  const LoadedContainer loaded{p.container,
                               {blockOf(0, 0, 0, 0, 12), blockOf(0, 810, 0, 0, 7), blockOf(0, 0, 604, 0, 5)}};
  const std::vector<PlacedCarton> cartons = cartonsOfBlocks(loaded.blocks);
  ASSERT_EQ(cartons.size(), 24u);
  double x = 0, y = 0, z = 0;
  for (const PlacedCarton& c : cartons) {
    EXPECT_EQ(c.type, 0);
    x += c.x + c.sizeX / 2.0;
    y += c.y + c.sizeY / 2.0;
    z += c.z + c.sizeZ / 2.0;
  }
  const LoadBalance balance = loadBalance(p.cartons, loaded);
  ASSERT_TRUE(balance.centreKnown);
  EXPECT_DOUBLE_EQ(balance.loadedWeight, 24 * 12.5);
  EXPECT_NEAR(balance.fromLeftWall, x / 24, 1e-9);
  EXPECT_NEAR(balance.aboveFloor, y / 24, 1e-9);
  EXPECT_NEAR(balance.fromInnerEnd, z / 24, 1e-9);
}

ProjectResult resultOf(PlanningMode planner, std::int32_t support, std::vector<BlockScheme> blocks,
                       const Container& container) {
  ProjectResult result;
  result.mode = planner;
  result.supportPercent = support;
  result.containers.push_back(LoadedContainer{container, std::move(blocks)});
  return result;
}

TEST(ProjectPlan, theResultIsCheckedWithTheProjectsSpacingNotTheBlocks) {
  FillScheme p = smallProject();
  p.cartons[0].count = 12;
  p.result = resultOf(PlanningMode::LoadMax, 100, {blockOf(0, 0, 0, 0, 12)}, p.container);
  EXPECT_TRUE(checkPlan(loadedContainerCheckInput(p, p.result, p.result.containers[0])).holds());
  // The same block computed without spacing: its cartons' gross boxes overlap.
  p.result.containers[0].blocks[0].gapZ = 0;
  const CheckReport report = checkPlan(loadedContainerCheckInput(p, p.result, p.result.containers[0]));
  ASSERT_FALSE(report.holds());
  EXPECT_EQ(report.violations[0].rule, Rule::Overlap);
  EXPECT_DOUBLE_EQ(report.violations[0].amount, 10);
}

// A sets result loads as many whole sets as its cartons make; a load-max result loads no
// type more often than entered.
TEST(ProjectPlan, aSetsResultMayLoadWholeSetsAndALoadMaxResultNoMoreThanEntered) {
  FillScheme p = smallProject();
  p.cartons[0].count = 6;
  p.cartons[1].count = p.cartons[2].count = 1;
  std::vector<BlockScheme> blocks = {blockOf(0, 0, 0, 0, 12), blockOf(1, 0, 0, 1900, 1), blockOf(2, 0, 0, 3000, 1)};
  for (std::size_t i = 1; i < blocks.size(); ++i) {
    blocks[i].nx = blocks[i].ny = blocks[i].nz = 1;
    blocks[i].sizeX = 300, blocks[i].sizeY = 200, blocks[i].sizeZ = 500;
  }
  p.result = resultOf(PlanningMode::Sets, 0, blocks, p.container);
  const CheckReport oneSetOver = checkPlan(loadedContainerCheckInput(p, p.result, p.result.containers[0]));
  ASSERT_EQ(oneSetOver.violations.size(), 1u) << "14 cartons are one set of 8: 12 of the first type are 6 over";
  EXPECT_EQ(oneSetOver.violations[0].rule, Rule::Count);
  EXPECT_DOUBLE_EQ(oneSetOver.violations[0].amount, 6);
  blocks[1].nx = blocks[2].nx = 2;
  blocks[1].count = blocks[2].count = 2;
  p.result = resultOf(PlanningMode::Sets, 0, blocks, p.container);
  EXPECT_TRUE(checkPlan(loadedContainerCheckInput(p, p.result, p.result.containers[0])).holds());
  p.result.mode = PlanningMode::LoadMax;
  const CheckReport loadMax = checkPlan(loadedContainerCheckInput(p, p.result, p.result.containers[0]));
  EXPECT_EQ(loadMax.violations.size(), 3u);
}

}  // namespace
}  // namespace check

namespace check {
namespace {

TEST(ProjectPlan, takesTheCargoRulesOfTheCartonsAndOfTheLoadedContainer) {
  FillScheme p = smallProject();
  p.stops = {"上海", "苏州", "杭州"};
  p.cartons[0].stop = std::string("苏州");  // the others go to 杭州, the last
  p.cartons[1].stackable = false;
  p.cartons[1].maxLoadOnTop = 42.5;
  p.cartons[2].fragile = true;
  CheckInput in = projectCheckInput(p, 0, 1);
  EXPECT_EQ(in.stops, p.stops);
  EXPECT_EQ(in.types[0].stop, 1);
  EXPECT_EQ(in.types[1].stop, 2);
  EXPECT_TRUE(in.types[0].stackable);
  EXPECT_FALSE(in.types[1].stackable);
  EXPECT_EQ(in.types[1].maxLoadOnTop, 42.5);
  EXPECT_FALSE(in.types[0].maxLoadOnTop);
  EXPECT_TRUE(in.types[2].fragile);
  EXPECT_FALSE(in.vehicle);
  EXPECT_FALSE(in.balance.lengthPercent || in.balance.widthPercent || in.balance.maxHeight);

  // The project's own container type counts, not the container stored with the plan: a
  // window stored there alone is not the project's.
  p.result.containers.push_back(LoadedContainer{p.container, {blockOf(0, 0, 0, 0, 1)}});
  p.result.containers[0].container.balance = ::BalanceWindow{1.0, 1.0, 100};
  in = loadedContainerCheckInput(p, p.result, p.result.containers[0]);
  EXPECT_FALSE(in.balance.lengthPercent || in.balance.widthPercent || in.balance.maxHeight);
  Container& loaded = p.container;
  loaded.balance = ::BalanceWindow{5.0, std::nullopt, 900};
  loaded.vehicle = vehiclePresets().back().vehicle;
  in = loadedContainerCheckInput(p, p.result, p.result.containers[0]);
  EXPECT_EQ(in.balance.lengthPercent, 5.0);
  EXPECT_FALSE(in.balance.widthPercent);
  EXPECT_EQ(in.balance.maxHeight, 900.0);
  ASSERT_TRUE(in.vehicle);
  EXPECT_EQ(in.vehicle->kind, Vehicle::Kind::SemiTrailer);
  EXPECT_EQ(in.vehicle->kingpinSetback, loaded.vehicle->kingpinSetback);
  EXPECT_EQ(in.vehicle->tare, (std::vector<double>{5500, 4500, 5000}));
  EXPECT_EQ(in.vehicle->maxLoad.size(), 3u);
}

}  // namespace
}  // namespace check
