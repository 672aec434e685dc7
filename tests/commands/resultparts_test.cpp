// What the window lists, draws and steps through: a plan of loose cartons block by block,
// a pallet plan pallet by pallet with its cartons under each pallet.

#include "commands/resultparts.h"

#include <gtest/gtest.h>

#include "commands/leftovers.h"
#include "commands/palletplan.h"
#include "commands/statistics.h"
#include "model/language.h"

namespace {

BlockScheme cartons(std::int32_t cartonIndex, std::int32_t x, std::int32_t y, std::int32_t z, std::int32_t nx,
                    std::int32_t ny, std::int32_t nz, std::int32_t count, const FillScheme& p) {
  const Carton& c = p.cartons[static_cast<std::size_t>(cartonIndex)];
  BlockScheme b;
  b.x = x, b.y = y, b.z = z;
  b.sizeX = c.width, b.sizeY = c.height, b.sizeZ = c.length;
  b.nx = nx, b.ny = ny, b.nz = nz, b.count = count;
  b.orientation = 3;
  b.cartonIndex = cartonIndex;
  b.cartonName = c.name;
  b.material = c.material;
  return b;
}

// Two EUR pallets and a loose fridge in a 40' container: pallet 0 near the door with two
// carton types (8 microwaves in two layers, 4 rice cookers on top), pallet 1 at the inner
// end with 8 microwaves; the fridge beside them. Five rice cookers are left over.
FillScheme palletPlan() {
  FillScheme p;
  p.container = Container{"40尺高柜", 12032, 2352, 2698, 26500};
  const auto add = [&p](const char* name, int l, int w, int h, double kg, int count, const char* pallet) {
    Carton& c = p.addCarton();
    c.name = name, c.length = l, c.width = w, c.height = h, c.weight = kg, c.count = count, c.pallet = pallet;
  };
  add("微波炉", 600, 400, 300, 15, 16, "EUR");
  add("电饭煲", 600, 400, 250, 6, 9, "EUR");
  add("冰箱", 700, 650, 1700, 75, 1, "");
  LoadedPallet mixed;
  mixed.type = palletPresets()[0];
  mixed.blocks = {cartons(0, 0, 144, 0, 2, 2, 2, 8, p), cartons(1, 0, 744, 0, 2, 1, 2, 4, p)};
  measurePallet(mixed, p.cartons);
  LoadedPallet plain;
  plain.type = palletPresets()[0];
  plain.blocks = {cartons(0, 0, 144, 0, 2, 2, 2, 8, p)};
  measurePallet(plain, p.cartons);
  p.result.mode = PlanningMode::Pallets;
  p.result.pallets = {mixed, plain};
  const BlockScheme fridge = cartons(2, 1000, 0, 0, 1, 1, 1, 1, p);
  p.result.containers = {LoadedContainer{
      p.container, {fridge}, -1, {PalletPlacement{0, 0, 0, 1200, false}, PalletPlacement{1, 0, 0, 0, false}}}};
  return p;
}

}  // namespace

TEST(ResultParts, aPlanOfLooseCartonsListsABlockARowAndAStep) {
  FillScheme p = palletPlan();
  p.result.mode = PlanningMode::LoadMax;
  p.result.pallets.clear();
  p.result.containers[0].pallets.clear();
  BlockScheme near = p.result.containers[0].blocks[0];
  near.z = 5000;
  p.result.containers[0].blocks.insert(p.result.containers[0].blocks.begin(), near);  // listed first, loaded last
  const ResultListing listing = resultListing(p, 0);
  EXPECT_FALSE(listing.pallets);
  ASSERT_EQ(listing.parts.size(), 2u);
  EXPECT_EQ(listing.totalsRow, 2u);
  EXPECT_EQ(listing.rows, resultRows(p, p.result.containers[0], leftoverCartons(p, p.result)));
  for (std::size_t row = 0; row < 2; ++row) {
    ASSERT_NE(listing.partAt(row), nullptr);
    EXPECT_EQ(listing.partAt(row)->blocks, std::vector<BlockScheme>{p.result.containers[0].blocks[row]});
    EXPECT_EQ(listing.partAt(row)->blockNumber, static_cast<std::int32_t>(row + 1));
    EXPECT_FALSE(listing.partAt(row)->palletBase);
  }
  EXPECT_EQ(listing.partAt(listing.totalsRow), nullptr);
  EXPECT_EQ(listing.stepRows, (std::vector<std::size_t>{1, 0})) << "the block at the inner end first";
}

TEST(ResultParts, aPalletPlanListsEachPalletWithItsCartonsByTypeThenTheLooseCartons) {
  setLanguage(Language::Chinese);
  const FillScheme p = palletPlan();
  const ResultListing listing = resultListing(p, 0);
  EXPECT_TRUE(listing.pallets);
  // P1, its two carton types, P2, its one, the fridge, the totals, the rice cookers left over.
  ASSERT_EQ(listing.rows.size(), 8u);
  const LoadedPallet& mixed = p.result.pallets[0];
  EXPECT_EQ(listing.rows[0].texts[0], "P1");
  EXPECT_EQ(listing.rows[0].texts[1], "EUR 托盘");
  EXPECT_EQ(listing.rows[0].texts[2], "高 " + std::to_string(mixed.height) + " mm");
  EXPECT_EQ(listing.rows[0].texts[3], "0,0,1200");
  EXPECT_EQ(listing.rows[0].texts[5], "12");
  EXPECT_EQ(listing.rows[0].texts[6], formatTwoDecimals(mixed.grossWeight));
  EXPECT_EQ(listing.rows[1].texts[1], "└ 微波炉");
  EXPECT_EQ(listing.rows[1].texts[5], "8");
  EXPECT_EQ(listing.rows[1].texts[6], "120.00");
  EXPECT_EQ(listing.rows[2].texts[1], "└ 电饭煲");
  EXPECT_EQ(listing.rows[2].texts[5], "4");
  EXPECT_EQ(listing.rows[3].texts[0], "P2");
  EXPECT_EQ(listing.rows[5].texts[0], "1") << "loose blocks keep their block numbers";
  EXPECT_EQ(listing.rows[5].texts[1], "冰箱");
  EXPECT_EQ(listing.totalsRow, 6u);
  EXPECT_EQ(listing.rows[6].kind, ResultRowKind::Totals);
  EXPECT_EQ(listing.rows[6].texts[5], "21") << "the cartons on the pallets and the loose one";
  EXPECT_EQ(listing.rows[6].texts[6].rfind(formatTwoDecimals(palletLoadBalance(p, 0).loadedWeight), 0), 0u)
      << "the weight counts the pallets' tares: " << listing.rows[6].texts[6];
  EXPECT_EQ(listing.rows[7].kind, ResultRowKind::Leftover);
  EXPECT_EQ(listing.rows[7].texts[5], "5");
}

TEST(ResultParts, aPalletAndItsCartonRowsAreOnePartAndOneStep) {
  const FillScheme p = palletPlan();
  const ResultListing listing = resultListing(p, 0);
  ASSERT_EQ(listing.parts.size(), 3u);
  for (const std::size_t row : {0u, 1u, 2u}) EXPECT_EQ(listing.partAt(row), &listing.parts[0]) << row;
  EXPECT_EQ(listing.partAt(4), &listing.parts[1]);
  const ShownPart& mixed = listing.parts[0];
  ASSERT_TRUE(mixed.palletBase);
  EXPECT_EQ(*mixed.palletBase, placedPalletBase(p.result.pallets[0], p.result.containers[0].pallets[0]));
  EXPECT_EQ(mixed.blocks, placedPalletCartons(p.result.pallets[0], p.result.containers[0].pallets[0]));
  EXPECT_EQ(mixed.placement, 0);
  EXPECT_EQ(mixed.palletType, "EUR");
  EXPECT_DOUBLE_EQ(mixed.tareWeight, palletPresets()[0].tareWeight);
  // Loaded from the inner end: pallet P2 (z = 0), the fridge beside it, then P1 in front.
  EXPECT_EQ(listing.stepRows, (std::vector<std::size_t>{3, 5, 0}));
}

TEST(ResultParts, thePartsBalanceWeighsTheCartonsAndEachPalletsTare) {
  const FillScheme p = palletPlan();
  const ResultListing listing = resultListing(p, 0);
  const LoadBalance pallet = partsBalance(p, p.container, {&listing.parts[1]});
  EXPECT_DOUBLE_EQ(pallet.loadedWeight, 8 * 15 + palletPresets()[0].tareWeight);
  const LoadBalance all = partsBalance(p, p.container, {&listing.parts[0], &listing.parts[1], &listing.parts[2]});
  EXPECT_DOUBLE_EQ(all.loadedWeight, palletLoadBalance(p, 0).loadedWeight);
  EXPECT_DOUBLE_EQ(all.fromInnerEnd, palletLoadBalance(p, 0).fromInnerEnd);
  EXPECT_DOUBLE_EQ(partsBalance(p, p.container, {}).loadedWeight, 0);
}

TEST(ResultParts, withoutAResultOnlyTheTotalsAndWhatIsLeftAreListed) {
  FillScheme p = palletPlan();
  p.result = {};
  const ResultListing listing = resultListing(p, 0);
  EXPECT_TRUE(listing.parts.empty());
  EXPECT_TRUE(listing.stepRows.empty());
  EXPECT_EQ(listing.totalsRow, 0u);
  EXPECT_EQ(listing.partAt(0), nullptr);
}
