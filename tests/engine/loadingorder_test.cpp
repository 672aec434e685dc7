// The order a loader fills the container in: inner end first, floor first, and never a
// block before one it rests on or one behind it.

#include "engine/loadingorder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "commands/calculate.h"
#include "export/exportplan.h"
#include "engine_test_support.h"
#include "model/fillscheme.h"
#include "model/settings.h"

namespace {

// A block of nx x ny x nz cartons of 100 x 100 x 100 mm at (x, y, z).
BlockScheme blockAt(int x, int y, int z, int nx = 1, int ny = 1, int nz = 1) {
  BlockScheme b;
  b.x = x, b.y = y, b.z = z;
  b.sizeX = b.sizeY = b.sizeZ = 100;
  b.nx = nx, b.ny = ny, b.nz = nz;
  b.count = nx * ny * nz;
  return b;
}

using Order = std::vector<std::size_t>;

TEST(LoadingOrder, goesFromTheInnerEndToTheDoorAndFromTheFloorUp) {
  // Listed door first and top first.
  const std::vector<BlockScheme> blocks = {blockAt(0, 0, 500), blockAt(0, 100, 0), blockAt(200, 0, 0),
                                           blockAt(0, 0, 0)};
  EXPECT_EQ(loadingOrder(blocks), (Order{3, 2, 1, 0}));
}

TEST(LoadingOrder, keepsAListThatIsAlreadyInOrder) {
  const std::vector<BlockScheme> blocks = {blockAt(0, 0, 0, 2, 1, 4), blockAt(200, 0, 0, 1, 3, 2),
                                           blockAt(0, 100, 0, 2, 1, 4), blockAt(0, 0, 400, 3, 3, 3)};
  EXPECT_EQ(loadingOrder(blocks), (Order{0, 1, 2, 3}));
  EXPECT_TRUE(loadingOrder({}).empty());
}

TEST(LoadingOrder, aBlockWaitsForEveryBlockUnderItEvenOneNearerTheDoor) {
  // The top block starts at z = 0 but also rests on the floor block from z = 200 on.
  const std::vector<BlockScheme> blocks = {blockAt(0, 100, 0, 1, 1, 4), blockAt(0, 0, 0, 1, 1, 2),
                                           blockAt(0, 0, 200, 1, 1, 2), blockAt(0, 0, 600)};
  EXPECT_EQ(loadingOrder(blocks), (Order{1, 2, 0, 3}));
}

TEST(LoadingOrder, aGapBetweenBlocksStillCountsAsRestingOnIt) {
  // The upper block's grid leaves 50 mm of air above the lower one: still loaded after it.
  BlockScheme lower = blockAt(0, 0, 100, 1, 2, 1);
  lower.gapY = 20;  // two cartons and one gap: 220 mm high
  const std::vector<BlockScheme> blocks = {blockAt(0, 270, 0, 1, 1, 3), lower};
  EXPECT_EQ(loadingOrder(blocks), (Order{1, 0}));
}

TEST(LoadingOrder, overlappingBlocksEachComeOnce) {
  // Not a plan the planners make: two blocks in each other's way.
  const std::vector<BlockScheme> blocks = {blockAt(0, 0, 0, 3, 3, 3), blockAt(100, 100, 100, 3, 3, 3),
                                           blockAt(0, 0, 1000)};
  Order order = loadingOrder(blocks);
  EXPECT_EQ(order.back(), 2u);
  std::sort(order.begin(), order.end());
  EXPECT_EQ(order, (Order{0, 1, 2}));
}

TEST(LoadingOrder, putsBlocksIntoItsOrder) {
  std::vector<BlockScheme> blocks = {blockAt(0, 100, 0), blockAt(0, 0, 0)};
  putInLoadingOrder(blocks);
  EXPECT_EQ(blocks[0].y, 0);
  EXPECT_EQ(blocks[1].y, 100);
}

// Upright cartons with a lying layer on top: the planner lists the lying stack against the
// ceiling before the stacks under it; the calculation hands them out from the floor up.
TEST(LoadingOrder, aCalculatedPlanComesFromTheFloorUp) {
  FillScheme project = projectOf(1200, 800, 2450, {{600, 400, 500, 18}});
  project.cartons[0].mustUp = true;
  project.cartons[0].upendLayers = 1;
  CancelToken token;
  const CalculationReport report = calculate(calculationRequest(project, Settings{}), token);
  ASSERT_EQ(report.status, CalculationStatus::Loaded) << report.message;
  const std::vector<BlockScheme>& blocks = report.result.containers.at(0).blocks;
  ASSERT_GE(blocks.size(), 2u);
  EXPECT_EQ(loadingOrder(blocks), [&] {
    Order identity(blocks.size());
    for (std::size_t i = 0; i < identity.size(); ++i) identity[i] = i;
    return identity;
  }());
  EXPECT_EQ(blocks.front().y, 0);
  EXPECT_GT(blocks.back().y, 0) << "the lying layer on top comes last";

  // The exported plan pictures and numbers the blocks in that order too.
  applyReport(report, project);
  const std::string html = ExportPlan(project, "/opt/cargolyx/").blockPicturesHtml();
  std::size_t previous = 0;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const BlockScheme& b = blocks[i];
    const std::size_t at = html.find("<h3>第 " + std::to_string(i + 1) + " 步");
    ASSERT_NE(at, std::string::npos);
    EXPECT_GE(at, previous);
    const std::string vertex = "距里端 " + std::to_string(b.z) + " mm，距左壁 " + std::to_string(b.x) + " mm，离地 " +
                               std::to_string(b.y) + " mm";
    EXPECT_EQ(html.find(vertex, at), html.find("距里端 ", at)) << "block " << i + 1 << " is the " << i + 1 << "th loaded";
    EXPECT_NE(html.find("block" + std::to_string(i) + ".PNG", previous), std::string::npos);
    previous = at;
  }
}

}  // namespace

TEST(LoadingOrder, goesGroupByGroupWhereTheBlocksAllow) {
  // Four blocks along the floor; the two nearer the door are of group 0 (the last stop).
  const std::vector<BlockScheme> blocks = {blockAt(0, 0, 0), blockAt(200, 0, 0), blockAt(0, 0, 200),
                                           blockAt(200, 0, 200)};
  EXPECT_EQ(loadingOrder(blocks, {1, 0, 1, 0}), (Order{1, 3, 0, 2}));
  // A block of a later group that another rests on still goes first.
  const std::vector<BlockScheme> stacked = {blockAt(0, 0, 0), blockAt(0, 100, 0)};
  EXPECT_EQ(loadingOrder(stacked, {1, 0}), (Order{0, 1}));
  // No groups: the order of old.
  EXPECT_EQ(loadingOrder(blocks, {}), loadingOrder(blocks));
}

TEST(LoadingOrder, theLastStopsBlocksFormTheFirstGroup) {
  FillScheme p = projectOf(1000, 1000, 1000, {{100, 100, 100, 1}, {100, 100, 100, 1}, {100, 100, 100, 1}});
  p.stops = {"A", "B", "C"};
  p.cartons[0].stop = std::string("A");
  p.cartons[1].stop = std::string("B");  // the third goes to C, the last
  std::vector<BlockScheme> blocks = {blockAt(0, 0, 0), blockAt(0, 0, 0), blockAt(0, 0, 0), blockAt(0, 0, 0)};
  for (int i = 0; i < 3; ++i) blocks[static_cast<std::size_t>(i)].cartonIndex = i;
  blocks[3].cartonIndex = 7;  // a carton no longer in the list: with the last stop
  EXPECT_EQ(stopGroups(p, blocks), (std::vector<std::int32_t>{2, 1, 0, 0}));
  p.stops.clear();
  EXPECT_EQ(stopGroups(p, blocks), (std::vector<std::int32_t>{0, 0, 0, 0}));
}
