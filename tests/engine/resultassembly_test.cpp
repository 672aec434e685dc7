// Result blocks from a plan: vertices, counts handed out per type, carton identities,
// the zone offset and lying stacks on top.

#include <gtest/gtest.h>

#include "engine/containerplan.h"
#include "engine/resultassembly.h"
#include "engine_test_support.h"

namespace {

// A plan of the project's cartons holding the given blocks as its best plan.
std::unique_ptr<ContainerPlan> planWith(const RunProject& p, std::vector<PlanBlock> blocks, int group = -1) {
  auto plan = buildPlan(p, group, p.input.container.length);
  plan->setResultForTesting(std::move(blocks), 1);
  return plan;
}

struct Vertex {
  int x, y, z;
  bool operator==(const Vertex&) const = default;
};

std::vector<Vertex> vertices(const RunProject& p) {
  std::vector<Vertex> out;
  for (const BlockScheme& b : p.blocks) out.push_back({b.x, b.y, b.z});
  return out;
}

}  // namespace

TEST(ResultAssembly, theTwelveCartonBlockStartsAtTheOrigin) {
  RunProject p = runProjectOf(1200, 1200, 600, {{600, 400, 300, 12}});
  auto plan = buildPlan(p, -1, 1200);
  ASSERT_EQ(plan->run(6, false).sets, 1);
  assembleResults(*plan, p, 0, -1);
  ASSERT_EQ(p.blocks.size(), 1u);
  const BlockScheme& b = p.blocks[0];
  EXPECT_EQ(vertices(p), (std::vector<Vertex>{{0, 0, 0}}));
  EXPECT_EQ(b.sizeX, 400);
  EXPECT_EQ(b.sizeY, 600);
  EXPECT_EQ(b.sizeZ, 300);
  EXPECT_EQ(b.nx * b.ny * b.nz, 12);
  EXPECT_EQ(b.orientation, 0);
  EXPECT_EQ(b.count, 12);
  EXPECT_EQ(b.gapX + b.gapY + b.gapZ, 0);
  EXPECT_EQ(b.cartonIndex, 0);
  EXPECT_EQ(b.cartonName, "纸箱1");
  EXPECT_EQ(b.material, 0);
}

TEST(ResultAssembly, extraSetsFillTheBlock) {
  RunProject p = runProjectOf(1200, 1200, 600, {{600, 400, 300, 1}});
  auto plan = buildPlan(p, -1, 1200);
  ASSERT_EQ(plan->run(6, false).sets, 12);
  assembleResults(*plan, p, 0, -1);
  ASSERT_EQ(p.blocks.size(), 1u);
  EXPECT_EQ(p.blocks[0].count, 12);
}

TEST(ResultAssembly, twoTypesStandSideBySide) {
  RunProject p = runProjectOf(2400, 1200, 600, {{600, 400, 300, 12}, {600, 400, 300, 12}});
  auto plan = buildPlan(p, -1, 2400);
  ASSERT_EQ(plan->run(6, false).sets, 1);
  assembleResults(*plan, p, 0, -1);
  EXPECT_EQ(vertices(p), (std::vector<Vertex>{{0, 0, 0}, {600, 0, 0}}));
  for (const BlockScheme& b : p.blocks) {
    EXPECT_EQ(b.sizeX, 600);
    EXPECT_EQ(b.sizeY, 300);
    EXPECT_EQ(b.sizeZ, 400);
    EXPECT_EQ(b.count, 12);
  }
  EXPECT_EQ(p.blocks[1].cartonIndex, 1);
  EXPECT_EQ(p.blocks[1].cartonName, "纸箱2");
  EXPECT_EQ(p.blocks[1].material, 1);
}

TEST(ResultAssembly, cartonsAreHandedOutInPlanOrderAndEmptyBlocksLeftOut) {
  // Ten cartons: the first block takes 8, the second the last 2, the third none and is
  // left out, yet the fourth still starts behind it.
  RunProject p = runProjectOf(3000, 2000, 1000, {{100, 100, 100, 10}, {100, 100, 100, 5}});
  auto plan = planWith(p, {planBlock(200, 1000, 3000, 0, 2, 2, 2, 0, 3), planBlock(300, 1000, 3000, 0, 3, 3, 3, 0, 3),
                           planBlock(100, 1000, 3000, 0, 1, 1, 1, 0, 3), planBlock(1400, 1000, 3000, 1, 1, 1, 5, 0, 3)});
  assembleResults(*plan, p, 0, -1);
  ASSERT_EQ(p.blocks.size(), 3u);
  EXPECT_EQ(p.blocks[0].count, 8);
  EXPECT_EQ(p.blocks[1].count, 2);
  EXPECT_EQ(p.blocks[1].nx * p.blocks[1].ny * p.blocks[1].nz, 27);
  EXPECT_EQ(p.blocks[2].cartonIndex, 1);
  EXPECT_EQ(p.blocks[2].count, 5);
  EXPECT_EQ(vertices(p), (std::vector<Vertex>{{0, 0, 0}, {200, 0, 0}, {600, 0, 0}}));
}

TEST(ResultAssembly, aZoneIsShiftedAlongTheLength) {
  RunProject p = runProjectOf(11800, 2300, 2450, {{600, 400, 300, 400}});
  auto plan = buildPlan(p, -1, 8800);
  ASSERT_GT(plan->run(6, false).sets, 0);
  p.blocks.push_back(BlockScheme{});  // a block of an earlier zone stays first
  assembleResults(*plan, p, 3000, -1);
  ASSERT_GE(p.blocks.size(), 2u);
  EXPECT_EQ(p.blocks[0].cartonIndex, -1);
  for (std::size_t i = 1; i < p.blocks.size(); ++i) EXPECT_GE(p.blocks[i].z, 3000) << i;
  EXPECT_EQ(p.blocks[1].z, 3000);
}

TEST(ResultAssembly, aGroupsTypesMapBackToTheirPlaceInTheWholeList) {
  RunProject p = runProjectOf(3000, 2000, 1000, {{100, 100, 100, 4}, {200, 100, 100, 4}, {300, 100, 100, 4}});
  p.groupKeys[0] = 100;
  p.groupKeys[1] = 101;
  p.groupKeys[2] = 100;
  auto plan = planWith(p, {planBlock(100, 1000, 3000, 0, 1, 1, 4, 0, 3), planBlock(100, 1000, 3000, 1, 1, 1, 2, 0, 3),
                           planBlock(1800, 1000, 3000, 1, 1, 1, 2, 0, 3)},
                       100);
  assembleResults(*plan, p, 0, 100);
  ASSERT_EQ(p.blocks.size(), 3u);
  EXPECT_EQ(p.blocks[0].cartonIndex, 0);
  EXPECT_EQ(p.blocks[1].cartonIndex, 2);
  EXPECT_EQ(p.blocks[2].cartonIndex, 2);
  EXPECT_EQ(p.blocks[2].cartonName, "纸箱3");
  EXPECT_EQ(p.blocks[2].sizeX, 100);
  EXPECT_EQ(p.blocks[2].sizeZ, 300);
}

TEST(ResultAssembly, aLyingStackOfUprightCartonsGoesOnTop) {
  // Upright cartons (H 300) and a lying stack (L 600 up) cut along y in a 2450 mm box.
  RunProject p = runProjectOf(6000, 2400, 2450, {{600, 400, 300, 2000, true, 1}});
  auto plan = planWith(p, {planBlock(2400, 600, 6000, 0, 6, 2, 10, 1, 3), planBlock(2400, 600, 6000, 0, 6, 1, 20, 1, 0),
                           planBlock(2400, 300, 6000, 0, 6, 1, 10, 1, 3), planBlock(2400, 950, 6000, 0, 6, 3, 10, 1, 3)});
  assembleResults(*plan, p, 0, -1);
  EXPECT_EQ(vertices(p), (std::vector<Vertex>{{0, 0, 0}, {0, 1850, 0}, {0, 600, 0}, {0, 900, 0}}));
}

TEST(ResultAssembly, aLastLyingStackLandsOnTheCurrentFloor) {
  RunProject p = runProjectOf(6000, 2400, 2450, {{600, 400, 300, 2000, true, 1}});
  auto plan = planWith(p, {planBlock(2400, 1800, 6000, 0, 6, 6, 10, 1, 3), planBlock(2400, 650, 6000, 0, 6, 1, 20, 1, 0)});
  assembleResults(*plan, p, 0, -1);
  EXPECT_EQ(vertices(p), (std::vector<Vertex>{{0, 0, 0}, {0, 1800, 0}}));
}

TEST(ResultAssembly, aPlanWithoutBlocksAddsNothing) {
  RunProject p = runProjectOf(1200, 1200, 600, {{600, 400, 300, 1000}});
  auto plan = buildPlan(p, -1, 1200);
  EXPECT_EQ(plan->run(6, false).sets, 0);
  assembleResults(*plan, p, 0, -1);
  EXPECT_TRUE(p.blocks.empty());
}

TEST(ResultAssembly, blocksCarryThePlansSpacing) {
  RunProject p = runProjectOf(11800, 2300, 2450, {{600, 400, 300, 100}});
  p.input.spacingL = 10;
  p.input.spacingW = 5;
  p.input.spacingH = 6;
  auto plan = buildPlan(p, -1, 11800);
  ASSERT_GT(plan->run(6, false).sets, 0);
  assembleResults(*plan, p, 0, -1);
  ASSERT_FALSE(p.blocks.empty());
  EXPECT_EQ(p.blocks[0].gapX, 5);
  EXPECT_EQ(p.blocks[0].gapY, 6);
  EXPECT_EQ(p.blocks[0].gapZ, 10);
}
