#include <gtest/gtest.h>

#include "commands/fillblocks.h"
#include "model/fillscheme.h"

namespace {

BlockScheme block(int nx, int ny, int nz, int count, int cartonIndex) {
  BlockScheme b;
  b.nx = nx;
  b.ny = ny;
  b.nz = nz;
  b.count = count;
  b.cartonIndex = cartonIndex;
  return b;
}

// Two carton types of 20 and 30 cartons; block 0 (3×2×4) holds 20 of the first, block 1
// (2×2×8 = 32) holds 30 of the second. One set, 50 of 56 places taken.
FillScheme oneSetWithRoomLeft() {
  FillScheme p;
  p.addCarton().count = 20;
  p.addCarton().count = 30;
  p.blocks = {block(3, 2, 4, 20, 0), block(2, 2, 8, 30, 1)};
  p.loadedCount = 50;
  p.capacityCount = 56;
  p.setCount = 1;
  return p;
}

constexpr int kTotalsRow = 2;

}  // namespace

TEST(FillDecision, refusesInOrderNoResultAllFullSeveralSets) {
  FillScheme p = oneSetWithRoomLeft();
  p.loadedCount = 0;
  EXPECT_EQ(decideFill(p, {0}), FillDecision::NoResult);

  p = oneSetWithRoomLeft();
  p.capacityCount = p.loadedCount;
  p.setCount = 3;  // the full test comes before the sets test
  EXPECT_EQ(decideFill(p, {0}), FillDecision::NothingToFill);

  p = oneSetWithRoomLeft();
  p.setCount = 2;
  EXPECT_EQ(decideFill(p, {0}), FillDecision::SeveralSets);
  p.setCount = 0;
  EXPECT_EQ(decideFill(p, {0}), FillDecision::SeveralSets);
}

TEST(FillDecision, needsExactlyOneValidRow) {
  const FillScheme p = oneSetWithRoomLeft();
  EXPECT_EQ(decideFill(p, {}), FillDecision::NoSingleSelection);
  EXPECT_EQ(decideFill(p, {0, 1}), FillDecision::NoSingleSelection);
  EXPECT_EQ(decideFill(p, {0, kTotalsRow}), FillDecision::NoSingleSelection);
  EXPECT_EQ(decideFill(p, {3}), FillDecision::NoSingleSelection) << "past the totals row";
  EXPECT_EQ(decideFill(p, {-1}), FillDecision::NoSingleSelection);
  EXPECT_EQ(decideFill(p, {1}), FillDecision::FillOneBlock);
  EXPECT_EQ(decideFill(p, {kTotalsRow}), FillDecision::FillAllBlocks);
}

TEST(FillDecision, onlyTheTotalsRowLeftIsNoSelection) {
  FillScheme p = oneSetWithRoomLeft();
  p.blocks.clear();  // statistics say loaded, but the list holds only the totals row
  EXPECT_EQ(decideFill(p, {0}), FillDecision::NoSingleSelection);
}

TEST(FillMessages, textsOfEveryStop) {
  EXPECT_EQ(fillMessage(FillDecision::NoResult), "没有运算结果可供操作，请先进行运算。");
  EXPECT_EQ(fillMessage(FillDecision::NothingToFill),
            "可装纸箱总数和实装纸箱总数已经相等，无需进行填充。");
  EXPECT_EQ(fillMessage(FillDecision::SeveralSets),
            "您现在的运行结果为多套装箱，因纸箱数有比例要求，不能填充剩余的空间。");
  EXPECT_EQ(fillMessage(FillDecision::NoSingleSelection),
            "填充操作未执行。若要对某块进行填充，请选择单个块，要填充所有块请选择合计数据。");
  EXPECT_EQ(fillMessage(FillDecision::FillOneBlock), "");
  EXPECT_EQ(fillAllQuestion(), "本操作将填充所有未填满的块，确定吗？");
  EXPECT_EQ(blockAlreadyFullMessage(), "您选择的块中可装箱数和实装箱数已经相等，无需进行填充。");
}

TEST(FillBlock, raisesTheBlockAndItsCartonTypeBySameAmount) {
  FillScheme p = oneSetWithRoomLeft();
  ASSERT_TRUE(fillBlock(p, 0));
  EXPECT_EQ(p.blocks[0].count, 24);
  EXPECT_EQ(p.cartons[0].count, 24);
  EXPECT_EQ(p.blocks[1].count, 30) << "other blocks stay";
  EXPECT_EQ(p.cartons[1].count, 30);
}

TEST(FillBlock, aFullBlockOrMissingBlockChangesNothing) {
  FillScheme p = oneSetWithRoomLeft();
  p.blocks[0].count = 24;
  EXPECT_FALSE(fillBlock(p, 0));
  EXPECT_FALSE(fillBlock(p, 2));
  EXPECT_EQ(p.blocks[0].count, 24);
  EXPECT_EQ(p.cartons[0].count, 20);
}

TEST(FillBlock, aBlockWithoutValidCartonStillFillsAndTouchesNoCarton) {
  FillScheme p = oneSetWithRoomLeft();
  p.blocks[0].cartonIndex = 7;
  ASSERT_TRUE(fillBlock(p, 0));
  EXPECT_EQ(p.blocks[0].count, 24);
  EXPECT_EQ(p.cartons[0].count, 20);
  EXPECT_EQ(p.cartons[1].count, 30);
}

TEST(FillAllBlocks, fillsEveryBlockAndSumsPerCartonType) {
  FillScheme p = oneSetWithRoomLeft();
  // A third block of the first type, already full, and a fourth of it with room.
  p.blocks.push_back(block(1, 1, 5, 5, 0));
  p.blocks.push_back(block(1, 2, 3, 1, 0));
  p.cartons[0].count = 26;
  EXPECT_EQ(fillAllBlocks(p), 4 + 2 + 0 + 5);
  EXPECT_EQ(p.blocks[0].count, 24);
  EXPECT_EQ(p.blocks[1].count, 32);
  EXPECT_EQ(p.blocks[2].count, 5);
  EXPECT_EQ(p.blocks[3].count, 6);
  EXPECT_EQ(p.cartons[0].count, 26 + 4 + 5);
  EXPECT_EQ(p.cartons[1].count, 32);
}

TEST(FillPopup, enabledOnlyForOneSetAndOneRowWithRoom) {
  FillScheme p = oneSetWithRoomLeft();
  EXPECT_TRUE(canFillSelection(p, {0}));
  EXPECT_TRUE(canFillSelection(p, {kTotalsRow}));
  EXPECT_FALSE(canFillSelection(p, {0, 1})) << "two rows";
  EXPECT_FALSE(canFillSelection(p, {})) << "no row";

  p.blocks[0].count = 24;  // a full block while the other is not
  EXPECT_FALSE(canFillSelection(p, {0}));
  EXPECT_TRUE(canFillSelection(p, {1}));

  p = oneSetWithRoomLeft();
  p.setCount = 2;
  EXPECT_FALSE(canFillSelection(p, {0}));
  EXPECT_FALSE(canFillSelection(p, {kTotalsRow}));

  p = oneSetWithRoomLeft();
  p.capacityCount = p.loadedCount;
  EXPECT_FALSE(canFillSelection(p, {kTotalsRow})) << "totals say all full";

  p.blocks.clear();
  EXPECT_FALSE(canFillSelection(p, {0})) << "only the totals row";
}
