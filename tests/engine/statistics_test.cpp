// The figures of a loaded container.

#include <gtest/gtest.h>

#include "engine/statistics.h"

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

LoadedContainer loadedInto(int length, int width, int height, std::vector<BlockScheme> blocks) {
  return LoadedContainer{Container{"测试柜", length, width, height, 20000}, std::move(blocks)};
}

}  // namespace

TEST(ResultStatistics, setsCountsAndRatios) {
  // A 1000 x 1000 x 1000 mm container, ten cartons a set, twenty 100 mm cubes placed.
  ResultStatistics s = resultStatistics(loadedInto(1000, 1000, 1000, {block(3, 2, 4, 20, 100, 10)}), 10);
  EXPECT_EQ(s.loadedCount, 20);
  EXPECT_EQ(s.capacityCount, 24);
  EXPECT_EQ(s.setCount, 2);
  EXPECT_EQ(s.loadedVolume, 20e6);
  EXPECT_DOUBLE_EQ(s.netRatio, 0.02);
  EXPECT_DOUBLE_EQ(s.fillRatio, 20 * 110.0 * 110.0 * 110.0 / 1e9);  // with the spacing
  s = resultStatistics(loadedInto(1000, 1000, 1000, {block(3, 2, 4, 19, 100, 10)}), 10);
  EXPECT_EQ(s.setCount, 1);
}

TEST(ResultStatistics, totalsBeyondTheInt32RangeAreCarried) {
  // Two carton types of 2 147 483 647 cartons each, all loaded: one set of 4 294 967 294.
  constexpr int kMax = 2147483647;
  const ResultStatistics s =
      resultStatistics(loadedInto(2000, 2000, 2000, {block(kMax, 1, 1, kMax, 1), block(kMax, 1, 1, kMax, 1)}),
                       4294967294);
  EXPECT_EQ(s.loadedCount, 4294967294);
  EXPECT_EQ(s.capacityCount, 4294967294);
  EXPECT_EQ(s.setCount, 1);
}

TEST(ResultStatistics, ratiosNeverExceedOne) {
  const ResultStatistics s = resultStatistics(loadedInto(100, 100, 100, {block(2, 1, 1, 2), block(1, 1, 1, 1)}), 1);
  EXPECT_EQ(s.fillRatio, 1.0);
  EXPECT_EQ(s.netRatio, 1.0);
  EXPECT_EQ(s.loadedVolume, 3e6);
  EXPECT_EQ(s.setCount, 3);
}

TEST(ResultStatistics, aContainerWithoutVolumeGivesZeroRatios) {
  const ResultStatistics s = resultStatistics(loadedInto(0, 2300, 2450, {block(3, 2, 4, 20)}), 0);
  EXPECT_EQ(s.loadedCount, 20);
  EXPECT_EQ(s.capacityCount, 24);
  EXPECT_EQ(s.setCount, 0);  // no carton in a set
  EXPECT_EQ(s.loadedVolume, 0.0);
  EXPECT_EQ(s.fillRatio, 0.0);
  EXPECT_EQ(s.netRatio, 0.0);
}
