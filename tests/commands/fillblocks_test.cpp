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
  p.result.containers.push_back(LoadedContainer{p.container, {block(3, 2, 4, 20, 0), block(2, 2, 8, 30, 1)}});
  return p;
}

std::vector<BlockScheme>& blocksOf(FillScheme& p) { return p.result.containers.at(0).blocks; }

constexpr int kTotalsRow = 2;

}  // namespace

TEST(FillDecision, refusesInOrderNoResultAllFullSeveralSets) {
  FillScheme p = oneSetWithRoomLeft();
  p.result = {};
  EXPECT_EQ(decideFill(p, {0}), FillDecision::NoResult);

  p = oneSetWithRoomLeft();
  blocksOf(p)[0].count = 24;
  blocksOf(p)[1].count = 32;
  p.cartons[0].count = 6;  // three sets of 18: the full test comes before the sets test
  p.cartons[1].count = 12;
  EXPECT_EQ(decideFill(p, {0}), FillDecision::NothingToFill);

  p = oneSetWithRoomLeft();
  p.cartons[0].count = 10;  // two sets of 25
  p.cartons[1].count = 15;
  EXPECT_EQ(decideFill(p, {0}), FillDecision::SeveralSets);
  p.cartons[0].count = 40;  // not one whole set
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

TEST(FillBlock, raisesTheBlockAndItsCartonTypeBySameAmount) {
  FillScheme p = oneSetWithRoomLeft();
  ASSERT_TRUE(fillBlock(p, 0));
  EXPECT_EQ(blocksOf(p)[0].count, 24);
  EXPECT_EQ(p.cartons[0].count, 24);
  EXPECT_EQ(blocksOf(p)[1].count, 30) << "other blocks stay";
  EXPECT_EQ(p.cartons[1].count, 30);
}

TEST(FillBlock, aFullBlockOrMissingBlockChangesNothing) {
  FillScheme p = oneSetWithRoomLeft();
  blocksOf(p)[0].count = 24;
  EXPECT_FALSE(fillBlock(p, 0));
  EXPECT_FALSE(fillBlock(p, 2));
  EXPECT_EQ(blocksOf(p)[0].count, 24);
  EXPECT_EQ(p.cartons[0].count, 20);
}

TEST(FillBlock, aBlockWithoutValidCartonStillFillsAndTouchesNoCarton) {
  FillScheme p = oneSetWithRoomLeft();
  blocksOf(p)[0].cartonIndex = 7;
  ASSERT_TRUE(fillBlock(p, 0));
  EXPECT_EQ(blocksOf(p)[0].count, 24);
  EXPECT_EQ(p.cartons[0].count, 20);
  EXPECT_EQ(p.cartons[1].count, 30);
}

TEST(FillAllBlocks, fillsEveryBlockAndSumsPerCartonType) {
  FillScheme p = oneSetWithRoomLeft();
  // A third block of the first type, already full, and a fourth of it with room.
  blocksOf(p).push_back(block(1, 1, 5, 5, 0));
  blocksOf(p).push_back(block(1, 2, 3, 1, 0));
  p.cartons[0].count = 26;
  EXPECT_EQ(fillAllBlocks(p), 4 + 2 + 0 + 5);
  EXPECT_EQ(blocksOf(p)[0].count, 24);
  EXPECT_EQ(blocksOf(p)[1].count, 32);
  EXPECT_EQ(blocksOf(p)[2].count, 5);
  EXPECT_EQ(blocksOf(p)[3].count, 6);
  EXPECT_EQ(p.cartons[0].count, 26 + 4 + 5);
  EXPECT_EQ(p.cartons[1].count, 32);
}

TEST(FillPopup, enabledOnlyForOneSetAndOneRowWithRoom) {
  FillScheme p = oneSetWithRoomLeft();
  EXPECT_TRUE(canFillSelection(p, {0}));
  EXPECT_TRUE(canFillSelection(p, {kTotalsRow}));
  EXPECT_FALSE(canFillSelection(p, {0, 1})) << "two rows";
  EXPECT_FALSE(canFillSelection(p, {})) << "no row";

  blocksOf(p)[0].count = 24;  // a full block while the other is not
  EXPECT_FALSE(canFillSelection(p, {0}));
  EXPECT_TRUE(canFillSelection(p, {1}));

  p = oneSetWithRoomLeft();
  p.cartons[0].count = 10;  // two sets
  p.cartons[1].count = 15;
  EXPECT_FALSE(canFillSelection(p, {0}));
  EXPECT_FALSE(canFillSelection(p, {kTotalsRow}));

  p = oneSetWithRoomLeft();
  blocksOf(p)[0].count = 24;
  blocksOf(p)[1].count = 32;
  p.cartons[0].count = 24;
  p.cartons[1].count = 32;
  EXPECT_FALSE(canFillSelection(p, {kTotalsRow})) << "all full";

  blocksOf(p).clear();
  EXPECT_FALSE(canFillSelection(p, {0})) << "only the totals row";
}
