// The export's pallet list: a row per placed pallet with its contents by carton type, and
// each distinct pallet (type, cartons and their places) drawn once.

#include "export/palletlist.h"

#include <gtest/gtest.h>

namespace {

BlockScheme cartons(std::int32_t cartonIndex, const char* name, std::int32_t y, std::int32_t count) {
  BlockScheme b;
  b.y = y;
  b.sizeX = 400, b.sizeY = 300, b.sizeZ = 600;
  b.nx = 2, b.ny = 1, b.nz = 2, b.count = count;
  b.cartonIndex = cartonIndex;
  b.cartonName = name;
  return b;
}

LoadedPallet pallet(const char* type, std::vector<BlockScheme> blocks, std::int32_t height, double gross) {
  LoadedPallet p;
  p.type.name = type;
  p.blocks = std::move(blocks);
  p.height = height;
  p.grossWeight = gross;
  return p;
}

}  // namespace

TEST(PalletList, eachPlacedPalletIsARowWithItsContentsByCartonType) {
  const std::vector<LoadedPallet> pallets = {
      pallet("EUR", {cartons(0, "微波炉", 144, 4), cartons(1, "电饭煲", 444, 3), cartons(0, "微波炉", 744, 2)}, 1044, 120)};
  LoadedContainer loaded;
  loaded.pallets = {PalletPlacement{0, 0, 0, 0, false}};
  const PalletList list = palletList(loaded, pallets);
  ASSERT_EQ(list.rows.size(), 1u);
  const PalletListRow& row = list.rows[0];
  EXPECT_EQ(row.number, 1u);
  EXPECT_EQ(row.type, "EUR");
  EXPECT_EQ(row.contents, (std::vector<PalletContent>{{"微波炉", 6}, {"电饭煲", 3}}));
  EXPECT_EQ(row.height, 1044);
  EXPECT_DOUBLE_EQ(row.grossWeight, 120);
}

TEST(PalletList, identicalPalletsShareAPictureAndAnyDifferenceMakesAnother) {
  const LoadedPallet full = pallet("EUR", {cartons(0, "微波炉", 144, 4)}, 444, 85);
  LoadedPallet shifted = full;
  shifted.blocks[0].x = 400;  // the same cartons in other places
  LoadedPallet other = full;
  other.type.name = "ISO";
  const std::vector<LoadedPallet> pallets = {full, full, shifted, other};
  LoadedContainer loaded;
  // Pallets 0 and 1 are built alike; they are placed in another order than built.
  loaded.pallets = {PalletPlacement{1, 0, 0, 0, false}, PalletPlacement{2, 0, 0, 1200, false},
                    PalletPlacement{0, 0, 0, 2400, false}, PalletPlacement{3, 0, 0, 3600, true}};
  const PalletList list = palletList(loaded, pallets);
  ASSERT_EQ(list.rows.size(), 4u);
  EXPECT_EQ(list.distinct, (std::vector<std::size_t>{1, 2, 3}));
  EXPECT_EQ(list.rows[0].picture, 0u);
  EXPECT_EQ(list.rows[1].picture, 1u);
  EXPECT_EQ(list.rows[2].picture, 0u) << "the same type and cartons in the same places";
  EXPECT_EQ(list.rows[3].picture, 2u);
  EXPECT_EQ(list.rows[3].number, 4u);
}

TEST(PalletList, aPlacementThatNamesNoPalletIsLeftOut) {
  const std::vector<LoadedPallet> pallets = {pallet("EUR", {cartons(0, "微波炉", 144, 4)}, 444, 85)};
  LoadedContainer loaded;
  loaded.pallets = {PalletPlacement{5, 0, 0, 0, false}, PalletPlacement{-1, 0, 0, 0, false},
                    PalletPlacement{0, 0, 0, 1200, false}};
  const PalletList list = palletList(loaded, pallets);
  ASSERT_EQ(list.rows.size(), 1u);
  EXPECT_EQ(list.rows[0].number, 1u);
  EXPECT_EQ(list.rows[0].placement, 2u);
  EXPECT_TRUE(palletList(LoadedContainer{}, pallets).rows.empty());
}

TEST(PalletList, numbersFollowTheLoadingOrderWhenItIsGiven) {
  const LoadedPallet full = pallet("EUR", {cartons(0, "微波炉", 144, 4)}, 444, 85);
  LoadedPallet other = full;
  other.type.name = "ISO";
  const std::vector<LoadedPallet> pallets = {full, other, full};
  LoadedContainer loaded;
  loaded.pallets = {PalletPlacement{0, 0, 0, 0, false}, PalletPlacement{1, 0, 0, 1200, false},
                    PalletPlacement{2, 0, 0, 2400, false}};
  // Loaded third, first, second; a repeated or unknown placement changes nothing.
  const PalletList list = palletList(loaded, pallets, {2, 0, 2, 7, 1});
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[0].placement, 2u);
  EXPECT_EQ(list.rows[1].placement, 0u);
  EXPECT_EQ(list.rows[2].placement, 1u);
  for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(list.rows[k].number, k + 1);
  EXPECT_EQ(list.distinct, (std::vector<std::size_t>{2, 1})) << "picture 1 is the first pallet loaded";
  EXPECT_EQ(list.rows[1].picture, 0u);
  // Placements the order leaves out come after it.
  EXPECT_EQ(palletList(loaded, pallets, {1}).rows[0].placement, 1u);
  EXPECT_EQ(palletList(loaded, pallets, {1}).rows[1].placement, 0u);
}
