// The weight and the centre of gravity of a result.

#include <gtest/gtest.h>

#include "commands/loadbalance.h"
#include "resultblocks.h"
#include "model/fillscheme.h"

namespace {

BlockScheme cube(int cartonIndex, int x, int y, int z, int size, int nx, int ny, int nz, int count) {
  BlockScheme block;
  block.cartonIndex = cartonIndex;
  block.cartonName = "纸箱" + std::to_string(cartonIndex + 1);
  block.x = x, block.y = y, block.z = z;
  block.sizeX = block.sizeY = block.sizeZ = size;
  block.nx = nx, block.ny = ny, block.nz = nz;
  block.count = count;
  return block;
}

// A container 1000 long, 800 wide, 600 high for 1000 kg; 纸箱1 of 10 kg, 纸箱2 of 30 kg.
// 纸箱1: a 2×1×3 grid of 100 mm cubes holding 4: three along z at x 50, one more at x 150.
// 纸箱2: one 200 mm cube centred at x 700, y 100, z 900.
FillScheme handComputedPlan() {
  FillScheme p;
  p.container = {"C", 1000, 800, 600, 1000};
  p.cartons.resize(2);
  p.cartons[0].name = "纸箱1";
  p.cartons[0].weight = 10;
  p.cartons[0].count = 4;
  p.cartons[1].name = "纸箱2";
  p.cartons[1].weight = 30;
  p.cartons[1].count = 1;
  resultBlocks(p) = {cube(0, 0, 0, 0, 100, 2, 1, 3, 4), cube(1, 600, 0, 800, 200, 1, 1, 1, 1)};
  return p;
}

}  // namespace

TEST(LoadBalance, weightAndCentreOfAHandComputedPlan) {
  const FillScheme plan = handComputedPlan();
  const LoadBalance b = loadBalance(plan.cartons, loadedContainerOf(plan));
  EXPECT_DOUBLE_EQ(b.loadedWeight, 70);
  ASSERT_TRUE(b.maxLoadShare);
  EXPECT_DOUBLE_EQ(*b.maxLoadShare, 0.07);
  ASSERT_TRUE(b.centreKnown);
  EXPECT_NEAR(b.fromLeftWall, 24000.0 / 70, 1e-9);   // (10·(50+50+50+150) + 30·700) / 70
  EXPECT_NEAR(b.aboveFloor, 5000.0 / 70, 1e-9);      // (40·50 + 30·100) / 70
  EXPECT_NEAR(b.fromInnerEnd, 32000.0 / 70, 1e-9);   // (10·(50+150+250+50) + 30·900) / 70
  EXPECT_NEAR(b.offsetAlongLength, 32000.0 / 70 - 500, 1e-9);
  EXPECT_NEAR(b.offsetAcross, 24000.0 / 70 - 400, 1e-9);
  EXPECT_EQ(loadedWeightText(b), "装载重量：70.00千克（最大载重的7.00%）");
  EXPECT_EQ(centreOfGravityText(b),
            "重心：距里端457mm，距左壁343mm，离地71mm，偏离中心：纵向偏里端43mm，横向偏左57mm");
}

TEST(LoadBalance, aPartlyFilledBlockWeighsTheCartonsTheViewDraws) {
  // Every count of a 3×4×5 grid with gaps against the places visited one by one, in the
  // view's order: along z, then up, then across.
  FillScheme p;
  p.container = {"C", 5000, 3000, 3000, 0};
  p.cartons.resize(1);
  p.cartons[0].weight = 2;
  BlockScheme block = cube(0, 10, 20, 30, 100, 3, 4, 5, 0);
  block.sizeY = 70;
  block.gapX = 5, block.gapY = 7, block.gapZ = 11;
  for (int count = 1; count <= 60; ++count) {
    block.count = count;
    resultBlocks(p) = {block};
    double x = 0, y = 0, z = 0;
    int seen = 0;
    for (int i = 0; i < 3 && seen < count; ++i)
      for (int j = 0; j < 4 && seen < count; ++j)
        for (int k = 0; k < 5 && seen < count; ++k, ++seen) {
          x += 10 + i * 105 + 50;
          y += 20 + j * 77 + 35;
          z += 30 + k * 111 + 50;
        }
    const LoadBalance b = loadBalance(p.cartons, loadedContainerOf(p));
    EXPECT_DOUBLE_EQ(b.loadedWeight, 2.0 * count);
    EXPECT_NEAR(b.fromLeftWall, x / count, 1e-9) << count;
    EXPECT_NEAR(b.aboveFloor, y / count, 1e-9) << count;
    EXPECT_NEAR(b.fromInnerEnd, z / count, 1e-9) << count;
  }
  EXPECT_FALSE(loadBalance(p.cartons, loadedContainerOf(p)).maxLoadShare) << "a container without a maximum load has no share";
  EXPECT_EQ(loadedWeightText(loadBalance(p.cartons, loadedContainerOf(p))), "装载重量：120.00千克");
}

TEST(LoadBalance, missingWeightsGiveNoCentreButNameTheCartons) {
  FillScheme p = handComputedPlan();
  p.cartons[1].weight = 0;
  LoadBalance b = loadBalance(p.cartons, loadedContainerOf(p));
  EXPECT_FALSE(b.centreKnown);
  EXPECT_EQ(b.weightlessCartons, std::vector<std::string>{"纸箱2"});
  EXPECT_DOUBLE_EQ(b.loadedWeight, 40);
  EXPECT_EQ(centreOfGravityText(b), "重心：纸箱2未填写重量，无法确定");

  p.cartons[0].weight = 0;
  b = loadBalance(p.cartons, loadedContainerOf(p));
  EXPECT_EQ(b.weightlessCartons, (std::vector<std::string>{"纸箱1", "纸箱2"}));
  EXPECT_EQ(centreOfGravityText(b), "重心：纸箱1、纸箱2未填写重量，无法确定");

  // A weightless type that was not loaded does not matter.
  p = handComputedPlan();
  p.cartons.push_back(Carton{});
  p.cartons.back().name = "空箱";
  p.cartons.back().count = 3;
  EXPECT_TRUE(loadBalance(p.cartons, loadedContainerOf(p)).centreKnown);
}

TEST(LoadBalance, aCentredLoadAndNoLoadAtAll) {
  FillScheme p;
  p.container = {"C", 1000, 800, 600, 1000};
  p.cartons.resize(1);
  p.cartons[0].weight = 5;
  resultBlocks(p) = {cube(0, 300, 0, 400, 200, 1, 1, 1, 1)};
  EXPECT_EQ(centreOfGravityText(loadBalance(p.cartons, loadedContainerOf(p))),
            "重心：距里端500mm，距左壁400mm，离地100mm，偏离中心：纵向居中，横向居中");
  resultBlocks(p)[0].z = 500;
  resultBlocks(p)[0].x = 100;
  EXPECT_EQ(centreOfGravityText(loadBalance(p.cartons, loadedContainerOf(p))),
            "重心：距里端600mm，距左壁200mm，离地100mm，偏离中心：纵向偏门口100mm，横向偏左200mm");
  resultBlocks(p).clear();
  const LoadBalance none = loadBalance(p.cartons, loadedContainerOf(p));
  EXPECT_FALSE(none.centreKnown);
  EXPECT_EQ(centreOfGravityText(none), "");
}

TEST(LoadBalance, theCentreLineSaysWhetherItLiesInTheBalanceWindow) {
  FillScheme plan = handComputedPlan();  // the centre 43 mm (4.29 %) toward the inner end
  const std::string plain = centreOfGravityText(loadBalance(plan.cartons, loadedContainerOf(plan)));
  plan.result.containers[0].container.balance.lengthPercent = 5;
  EXPECT_EQ(centreOfGravityText(loadBalance(plan.cartons, loadedContainerOf(plan))), plain + "，在重心范围内");
  plan.result.containers[0].container.balance.lengthPercent = 4;
  EXPECT_EQ(centreOfGravityText(loadBalance(plan.cartons, loadedContainerOf(plan))), plain + "，超出重心范围");
}

TEST(AxleLoadText, eachAxleAgainstItsMaximumAndTheWorstOverload) {
  FillScheme plan = handComputedPlan();
  // 70 kg with its moment of 32000 kg mm about the inner end, on a rigid truck with its
  // front axle 500 mm ahead of the inner end and a wheelbase of 2000 mm: 33.5 kg on the
  // rear axle, 36.5 kg on the front one.
  Vehicle truck;
  truck.wheelbase = 2000;
  truck.frontAxleToCargo = 500;
  truck.tare = {1000, 1000, 0};
  truck.maxLoad = {1100, 1100, 0};
  plan.result.containers[0].container.vehicle = truck;
  std::optional<AxleLoads> loads = axleLoads(plan, loadedContainerOf(plan));
  ASSERT_TRUE(loads);
  EXPECT_EQ(axleLoadText(*loads, plan), "轴荷：前轴 1037/1100千克，后轴 1034/1100千克");
  plan.result.containers[0].container.vehicle->maxLoad[0] = 1030;
  loads = axleLoads(plan, loadedContainerOf(plan));
  EXPECT_EQ(axleLoadText(*loads, plan), "轴荷：前轴 1037/1030千克，后轴 1034/1100千克；出发时前轴超载 6.50千克");
  plan.stops = {"上海", "苏州"};
  EXPECT_EQ(axleStateText(AxleState{0, {}}, plan), "卸下“上海”的货物后");
  EXPECT_EQ(axleStateText(AxleState{std::nullopt, {}}, plan), "出发时");
}
