// The result statistics and the status-bar texts.

#include <gtest/gtest.h>

#include "engine/statistics.h"
#include "engine_test_support.h"

namespace {

BlockScheme block(int nx, int ny, int nz, int count, int size = 100, int gap = 0) {
  BlockScheme b;
  b.sizeX = b.sizeY = b.sizeZ = size;
  b.gapX = b.gapY = b.gapZ = gap;
  b.nx = nx;
  b.ny = ny;
  b.nz = nz;
  b.count = count;
  return b;
}

}  // namespace

TEST(ResultStatistics, noBlocksGiveZeros) {
  FillScheme p = projectOf(11800, 2300, 2450, {{600, 400, 300, 10}});
  p.loadedCount = 7;
  p.fillRatio = 0.5;
  refreshResultStatistics(p);
  EXPECT_EQ(p.loadedCount, 0);
  EXPECT_EQ(p.capacityCount, 0);
  EXPECT_EQ(p.setCount, 0);
  EXPECT_EQ(p.loadedVolume, 0.0);
  EXPECT_EQ(p.fillRatio, 0.0);
  EXPECT_EQ(p.netRatio, 0.0);
}

TEST(ResultStatistics, setsCountsAndRatios) {
  // A 1000 x 1000 x 1000 mm container, ten cartons entered, twenty 100 mm cubes placed.
  FillScheme p = projectOf(1000, 1000, 1000, {{100, 100, 100, 10}});
  p.blocks = {block(3, 2, 4, 20, 100, 10)};
  refreshResultStatistics(p);
  EXPECT_EQ(p.loadedCount, 20);
  EXPECT_EQ(p.capacityCount, 24);
  EXPECT_EQ(p.setCount, 2);
  EXPECT_EQ(p.loadedVolume, 20e6);
  EXPECT_DOUBLE_EQ(p.netRatio, 0.02);
  EXPECT_DOUBLE_EQ(p.fillRatio, 20 * 110.0 * 110.0 * 110.0 / 1e9);
  EXPECT_EQ(resultStatisticsText(p), "套数：2，总箱数：20，总体积：0.02立方米，填充率2.66%，净装箱率2.00%");
  p.blocks[0].count = 10;
  refreshResultStatistics(p);
  EXPECT_EQ(p.setCount, 1);
  EXPECT_EQ(resultStatisticsText(p), "总箱数：10，总体积：0.01立方米，填充率1.33%，净装箱率1.00%");
}

TEST(ResultStatistics, totalsBeyondTheInt32RangeAreCarried) {
  // Two carton types of 2 147 483 647 cartons each, all loaded: one set of 4 294 967 294.
  constexpr int kMax = 2147483647;
  FillScheme p = projectOf(2000, 2000, 2000, {{1, 1, 1, kMax}, {1, 1, 1, kMax}});
  p.blocks = {block(kMax, 1, 1, kMax, 1), block(kMax, 1, 1, kMax, 1)};
  refreshResultStatistics(p);
  EXPECT_EQ(p.loadedCount, 4294967294);
  EXPECT_EQ(p.capacityCount, 4294967294);
  EXPECT_EQ(p.setCount, 1);
  EXPECT_EQ(resultStatisticsText(p), "总箱数：4294967294，总体积：4.29立方米，填充率53.69%，净装箱率53.69%");
  EXPECT_EQ(cartonStatisticsText(p), "已输入纸箱总数：4294967294，总体积：4.29立方米，净装箱率53.69%");
}

TEST(ResultStatistics, ratiosNeverExceedOne) {
  FillScheme p = projectOf(100, 100, 100, {{100, 100, 100, 1}});
  p.blocks = {block(2, 1, 1, 2), block(1, 1, 1, 1)};
  refreshResultStatistics(p);
  EXPECT_EQ(p.fillRatio, 1.0);
  EXPECT_EQ(p.netRatio, 1.0);
  EXPECT_EQ(p.loadedVolume, 3e6);
  EXPECT_EQ(p.setCount, 3);
}

TEST(ResultStatistics, aContainerWithoutVolumeGivesZeroRatios) {
  FillScheme p = projectOf(0, 2300, 2450, {{100, 100, 100, 0}});
  p.blocks = {block(3, 2, 4, 20)};
  refreshResultStatistics(p);
  EXPECT_EQ(p.loadedCount, 20);
  EXPECT_EQ(p.capacityCount, 24);
  EXPECT_EQ(p.setCount, 0);  // no carton entered
  EXPECT_EQ(p.loadedVolume, 0.0);
  EXPECT_EQ(p.fillRatio, 0.0);
  EXPECT_EQ(p.netRatio, 0.0);
}

TEST(StatisticsText, byMode) {
  FillScheme p = projectOf(11800, 2300, 2450, {{600, 400, 300, 10}});
  EXPECT_EQ(statisticsText(p, 1), "已输入纸箱总数：10，总体积：0.72立方米，净装箱率1.08%");
  EXPECT_EQ(statisticsText(p, 2), "总箱数：0，总体积：0.00立方米，填充率0.00%，净装箱率0.00%");
  EXPECT_EQ(statisticsText(p, 3), "OK");
}
