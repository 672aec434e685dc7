// The cartons a calculation left behind and how the window names them.

#include <gtest/gtest.h>

#include "commands/leftovers.h"
#include "resultblocks.h"
#include "model/fillscheme.h"

namespace {

BlockScheme blockOf(int cartonIndex, int count) {
  BlockScheme block;
  block.cartonIndex = cartonIndex;
  block.count = count;
  return block;
}

FillScheme threeTypes() {
  FillScheme project;
  const char* names[] = {"微波炉", "冰箱", "电视"};
  const int counts[] = {50, 40, 25};
  for (int i = 0; i < 3; ++i) {
    Carton& carton = project.addCarton();
    carton.name = names[i];
    carton.count = counts[i];
  }
  return project;
}

}  // namespace

TEST(Leftovers, enteredLessLoadedPerTypeSummedOverItsBlocks) {
  FillScheme project = threeTypes();
  EXPECT_TRUE(leftoverCartons(project, project.result).empty()) << "no result, nothing left behind";

  // A zoned run that loaded 23 of 115 cartons, the first type in two blocks.
  resultBlocks(project) = {blockOf(0, 10), blockOf(2, 5), blockOf(0, 8)};
  const std::vector<Leftover> expected = {{0, "微波炉", 32}, {1, "冰箱", 40}, {2, "电视", 20}};
  EXPECT_EQ(leftoverCartons(project, project.result), expected);
  EXPECT_EQ(leftoverStatusText(expected), "未装入：微波炉 32 箱，冰箱 40 箱，电视 20 箱（共 92 箱）");
  EXPECT_EQ(leftoverMessage(expected),
            "并非所有纸箱都已装入集装箱，以下纸箱未能装入：微波炉 32 箱，冰箱 40 箱，电视 20 箱（共 92 箱）。");
}

TEST(Leftovers, typesLoadedInFullOrBeyondAreNotListed) {
  FillScheme project = threeTypes();
  // Several whole sets, or blocks filled beyond the entered count, leave nothing behind.
  resultBlocks(project) = {blockOf(0, 100), blockOf(1, 40), blockOf(2, 24), blockOf(7, 3)};
  EXPECT_EQ(leftoverCartons(project, project.result), (std::vector<Leftover>{{2, "电视", 1}}));
  resultBlocks(project).push_back(blockOf(2, 1));
  EXPECT_TRUE(leftoverCartons(project, project.result).empty());
  EXPECT_EQ(leftoverStatusText({}), "");
  EXPECT_EQ(leftoverMessage({}), "");
}
