// The rows of the result list.

#include <gtest/gtest.h>

#include "commands/resultlist.h"
#include "engine_test_support.h"

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
  p.blocks = {a, b};
  const auto rows = resultRows(p);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].texts, (std::array<std::string, 6>{"1", "纸箱1", "W-H面朝门，L-W面朝上", "0,300,1200",
                                                        "3×2×4＝24", "20"}));
  EXPECT_EQ(rows[0].imageIndex, 5);
  EXPECT_EQ(rows[1].texts[0], "2");
  EXPECT_EQ(rows[1].texts[2], "未知");
  EXPECT_EQ(rows[1].texts[4], "1×1×1＝1");
  EXPECT_EQ(rows[1].imageIndex, 1);
  EXPECT_EQ(rows[2].texts, (std::array<std::string, 6>{"", "合计", "", "", "25", "21"}));
  EXPECT_EQ(rows[2].imageIndex, 11);
}

TEST(ResultList, anEmptyResultHasOnlyTheTotals) {
  const auto rows = resultRows(FillScheme{});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].texts, (std::array<std::string, 6>{"", "合计", "", "", "0", "0"}));
}
