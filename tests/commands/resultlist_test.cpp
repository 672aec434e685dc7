// The rows of the result list.

#include <gtest/gtest.h>

#include "commands/resultlist.h"
#include "engine_test_support.h"

namespace {

using Texts = std::array<std::string, kResultColumnCount>;

// The rows of a project whose one loaded container holds blocks.
std::vector<ResultRow> rowsOf(FillScheme& p, std::vector<BlockScheme> blocks) {
  p.result.containers = {LoadedContainer{p.container, std::move(blocks)}};
  return resultRows(p, p.result.containers.front(), leftoverCartons(p, p.result));
}

}  // namespace

TEST(ResultList, oneRowPerBlockThenTheTotals) {
  FillScheme p;
  BlockScheme a;
  a.cartonName = "纸箱1";
  a.orientation = 3;
  a.x = 0;
  a.y = 300;
  a.z = 1200;
  a.nx = 3;
  a.ny = 2;
  a.nz = 4;
  a.count = 20;
  a.material = 4;
  BlockScheme b = a;
  b.cartonName = "电视机";
  b.orientation = 9;
  b.nx = b.ny = b.nz = 1;
  b.count = 1;
  b.material = 0;
  const auto rows = rowsOf(p, {a, b});
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].texts, (Texts{"1", "纸箱1", "W-H面朝门，L-W面朝上", "0,300,1200", "3×2×4＝24", "20", ""}));
  EXPECT_EQ(rows[0].imageIndex, 5);
  EXPECT_EQ(rows[1].texts[0], "2");
  EXPECT_EQ(rows[1].texts[2], "未知");
  EXPECT_EQ(rows[1].texts[4], "1×1×1＝1");
  EXPECT_EQ(rows[1].imageIndex, 1);
  EXPECT_EQ(rows[2].texts, (Texts{"", "合计", "", "", "", "21", "0.00（0.00%）"}));
  EXPECT_EQ(rows[2].imageIndex, 11);
}

TEST(ResultList, anEmptyResultHasOnlyTheTotals) {
  FillScheme p;
  const auto rows = resultRows(p, LoadedContainer{p.container, {}}, leftoverCartons(p, p.result));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].texts, (Texts{"", "合计", "", "", "", "0", ""}));
}

TEST(ResultList, theWeightsSitInTheWeightColumnAndLeftoversFollowTheTotals) {
  FillScheme p;
  p.container.maxWeight = 1000;
  p.cartons.resize(3);
  p.cartons[0].name = "微波炉";
  p.cartons[0].weight = 12.5;
  p.cartons[0].count = 30;
  p.cartons[0].material = 2;
  p.cartons[1].name = "冰箱";
  p.cartons[1].weight = 50;
  p.cartons[1].count = 4;
  p.cartons[1].material = 6;
  p.cartons[2].name = "电视";
  p.cartons[2].count = 5;
  BlockScheme a;
  a.cartonIndex = 0;
  a.cartonName = "微波炉";
  a.nx = 2, a.ny = 2, a.nz = 6;
  a.count = 24;
  BlockScheme b = a;
  b.cartonIndex = 2;
  b.cartonName = "电视";
  b.nx = 5, b.ny = b.nz = 1;
  b.count = 5;
  const auto rows = rowsOf(p, {a, b});
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(resultColumns()[6], "重量(kg)");
  EXPECT_EQ(rows[0].texts[6], "300.00") << "24 cartons of 12.5 kg";
  EXPECT_EQ(rows[1].kind, ResultRowKind::Block);
  EXPECT_EQ(rows[1].texts[6], "") << "a carton without a weight";
  EXPECT_EQ(rows[2].texts, (Texts{"", "合计", "", "", "", "29", "300.00（30.00%）"}));
  EXPECT_EQ(rows[2].kind, ResultRowKind::Totals);
  EXPECT_EQ(rows[3].texts, (Texts{"", "微波炉", "未装入", "", "", "6", ""}));
  EXPECT_EQ(rows[3].imageIndex, 3);
  EXPECT_EQ(rows[3].kind, ResultRowKind::Leftover);
  EXPECT_EQ(rows[4].texts, (Texts{"", "冰箱", "未装入", "", "", "4", ""}));
  EXPECT_EQ(rows[4].imageIndex, 7);

  p.container.maxWeight = 0;  // no maximum load: no share
  EXPECT_EQ(rowsOf(p, {a, b})[2].texts[6], "300.00");
}

TEST(ResultList, blockAndLeftoverRowsNameTheirStopAndTheStepsGoStopByStop) {
  FillScheme p = projectOf(1000, 1000, 1000, {{100, 100, 100, 2}, {100, 100, 100, 2}});
  BlockScheme first;  // 纸箱1 to 上海, at the inner end
  first.cartonIndex = 0;
  first.sizeX = first.sizeY = first.sizeZ = 100;
  first.nx = first.ny = first.nz = 1;
  first.count = 1;
  BlockScheme second = first;  // 纸箱2 to 苏州, the last stop, beside it
  second.cartonIndex = 1;
  second.x = 500;
  std::vector<ResultRow> rows = rowsOf(p, {first, second});
  EXPECT_EQ(rows[0].stop, "") << "no stops";
  EXPECT_EQ(loadingSteps(p, p.result.containers.front()), (std::vector<std::size_t>{0, 1}));
  p.stops = {"上海", "苏州"};
  p.cartons[0].stop = std::string("上海");
  rows = rowsOf(p, {first, second});
  ASSERT_EQ(rows.size(), 5u);  // two blocks, the totals, two leftovers
  EXPECT_EQ(rows[0].stop, "上海");
  EXPECT_EQ(rows[1].stop, "苏州");
  EXPECT_EQ(rows[2].stop, "");
  EXPECT_EQ(rows[3].stop, "上海");
  EXPECT_EQ(rows[4].stop, "苏州");
  // The loader loads 苏州's block first.
  EXPECT_EQ(loadingSteps(p, p.result.containers.front()), (std::vector<std::size_t>{1, 0}));
  EXPECT_NE(stopColour(0), stopColour(1));
}
