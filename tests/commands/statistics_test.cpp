// The statistics texts of the status bar and the exported plan.

#include <gtest/gtest.h>

#include "commands/statistics.h"
#include "model/language.h"
#include "engine_test_support.h"

TEST(StatisticsText, resultStatisticsNameTheSetsFromTwoOn) {
  FillScheme p = projectOf(1000, 1000, 1000, {{100, 100, 100, 10}});
  BlockScheme b;
  b.sizeX = b.sizeY = b.sizeZ = 100;
  b.gapX = b.gapY = b.gapZ = 10;
  b.nx = 3;
  b.ny = 2;
  b.nz = 4;
  b.count = 20;
  LoadedContainer loaded{p.container, {b}};
  EXPECT_EQ(resultStatisticsText(resultStatistics(p, loaded)),
            "套数：2，总箱数：20，总体积：0.02立方米，填充率2.66%，净装箱率2.00%");
  loaded.blocks[0].count = 10;
  EXPECT_EQ(resultStatisticsText(resultStatistics(p, loaded)),
            "总箱数：10，总体积：0.01立方米，填充率1.33%，净装箱率1.00%");
}

TEST(StatisticsText, theStatusBarSaysHowManySetsThePlanLoadsAgainstTheCartonsEntered) {
  FillScheme p = projectOf(1000, 1000, 1000, {{100, 100, 100, 10}});
  BlockScheme b;
  b.sizeX = b.sizeY = b.sizeZ = 100;
  b.nx = 3;
  b.ny = 2;
  b.nz = 4;
  b.count = 20;  // two sets of ten
  LoadedContainer loaded{p.container, {b}};
  EXPECT_EQ(setsSummaryText(resultStatistics(p, loaded), 10), "2 套 = 20 箱（输入 10 箱）");
  EXPECT_EQ(statisticsText(p, loaded, 2), "2 套 = 20 箱（输入 10 箱），总体积：0.02立方米，填充率2.00%，净装箱率2.00%");
  setLanguage(Language::English);
  EXPECT_EQ(setsSummaryText(resultStatistics(p, loaded), 10), "2 sets = 20 cartons (10 entered)");
  setLanguage(Language::Chinese);
  loaded.blocks[0].count = 19;  // one set and a part
  EXPECT_EQ(setsSummaryText(resultStatistics(p, loaded), 10), "");
  EXPECT_EQ(statisticsText(p, loaded, 2), resultStatisticsText(resultStatistics(p, loaded)));
}

TEST(StatisticsText, entered4294967294CartonsAreCountedWhole) {
  constexpr int kMax = 2147483647;
  const FillScheme p = projectOf(2000, 2000, 2000, {{1, 1, 1, kMax}, {1, 1, 1, kMax}});
  EXPECT_EQ(cartonStatisticsText(p), "已输入纸箱总数：4294967294，总体积：4.29立方米，净装箱率53.69%");
}

TEST(StatisticsText, byMode) {
  FillScheme p = projectOf(11800, 2300, 2450, {{600, 400, 300, 10}});
  const LoadedContainer empty{p.container, {}};
  EXPECT_EQ(statisticsText(p, empty, 1), "已输入纸箱总数：10，总体积：0.72立方米，净装箱率1.08%");
  EXPECT_EQ(statisticsText(p, empty, 2), "总箱数：0，总体积：0.00立方米，填充率0.00%，净装箱率0.00%");
  EXPECT_EQ(statisticsText(p, empty, 3), "OK");
}

namespace {

Carton makeCarton(int l, int w, int h, double weight, int count) {
  Carton c;
  c.length = l;
  c.width = w;
  c.height = h;
  c.weight = weight;
  c.count = count;
  return c;
}

}  // namespace

TEST(Statistics, cartonStatisticsText) {
  FillScheme p;
  EXPECT_EQ(cartonStatisticsText(p), "已输入纸箱总数：0，总体积：0.00立方米，净装箱率0.00%");
  p.cartons.push_back(makeCarton(600, 400, 300, 10, 10));
  EXPECT_EQ(cartonStatisticsText(p), "已输入纸箱总数：10，总体积：0.72立方米，净装箱率1.08%");
  EXPECT_FALSE(cartonVolumeExceedsContainer(p));
  p.cartons[0].count = 1000;
  EXPECT_EQ(cartonStatisticsText(p), "已输入纸箱总数：1000，总体积：72.00立方米，净装箱率108.28%");
  EXPECT_TRUE(cartonVolumeExceedsContainer(p));
}

TEST(Statistics, formatTwoDecimals) {
  EXPECT_EQ(formatTwoDecimals(0.0), "0.00");
  EXPECT_EQ(formatTwoDecimals(1.005), "1.00");  // binary 1.005 lies just below
  EXPECT_EQ(formatTwoDecimals(66.493), "66.49");
  EXPECT_EQ(formatTwoDecimals(-1.5), "-1.50");
}
