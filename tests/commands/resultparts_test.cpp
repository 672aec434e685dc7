// What the window lists, draws and steps through: a plan of loose cartons block by block,
// a pallet plan pallet by pallet with its cartons under each pallet.

#include "commands/resultparts.h"

#include <gtest/gtest.h>

#include "commands/leftovers.h"
#include "commands/palletplan.h"
#include "commands/statistics.h"
#include "model/language.h"
#include "palletresult.h"

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
  const std::vector<Leftover> leftovers = leftoverCartons(p, p.result);
  EXPECT_EQ(listing.rows,
            resultRows(p, p.result.containers[0], leftovers, listedLeftoverReasons(p, p.result, leftovers)));
  for (std::size_t row = 0; row < 2; ++row) {
    ASSERT_NE(listing.partAt(row), nullptr);
    EXPECT_EQ(listing.partAt(row)->blocks, std::vector<BlockScheme>{p.result.containers[0].blocks[row]});
    EXPECT_EQ(listing.partAt(row)->blockNumber, static_cast<std::int32_t>(row + 1));
    EXPECT_FALSE(listing.partAt(row)->palletBase);
  }
  EXPECT_EQ(listing.partAt(listing.totalsRow), nullptr);
  EXPECT_EQ(listing.stepRows, (std::vector<std::size_t>{1, 0})) << "the block at the inner end first";
}

TEST(ResultParts, aPalletPlanListsEachPalletInLoadingOrderWithItsCartonsByTypeThenTheLooseCartons) {
  setLanguage(Language::Chinese);
  const FillScheme p = palletPlan();
  const ResultListing listing = resultListing(p, 0);
  EXPECT_TRUE(listing.pallets);
  // P1 is loaded first: the pallet at the inner end, with its one carton type; then P2 by
  // the door with its two; the fridge, the totals, the rice cookers left over.
  ASSERT_EQ(listing.rows.size(), 8u);
  const LoadedPallet& plain = p.result.pallets[1];
  const LoadedPallet& mixed = p.result.pallets[0];
  EXPECT_EQ(listing.rows[0].texts[0], "P1");
  EXPECT_EQ(listing.rows[0].texts[1], "EUR 托盘");
  EXPECT_EQ(listing.rows[0].texts[2], "高 " + std::to_string(plain.height) + " mm");
  EXPECT_EQ(listing.rows[0].texts[3], "0,0,0");
  EXPECT_EQ(listing.rows[0].texts[5], "8");
  EXPECT_EQ(listing.rows[1].texts[1], "└ 微波炉");
  EXPECT_EQ(listing.rows[1].texts[5], "8");
  EXPECT_EQ(listing.rows[2].texts[0], "P2");
  EXPECT_EQ(listing.rows[2].texts[2], "高 " + std::to_string(mixed.height) + " mm");
  EXPECT_EQ(listing.rows[2].texts[3], "0,0,1200");
  EXPECT_EQ(listing.rows[2].texts[5], "12");
  EXPECT_EQ(listing.rows[2].texts[6], formatTwoDecimals(mixed.grossWeight));
  EXPECT_EQ(listing.rows[3].texts[1], "└ 微波炉");
  EXPECT_EQ(listing.rows[3].texts[5], "8");
  EXPECT_EQ(listing.rows[3].texts[6], "120.00");
  EXPECT_EQ(listing.rows[4].texts[1], "└ 电饭煲");
  EXPECT_EQ(listing.rows[4].texts[5], "4");
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

TEST(ResultParts, aPalletAndItsCartonRowsAreOnePartAndOneStepAndPkIsThePalletOfItsPlaceInTheSteps) {
  const FillScheme p = palletPlan();
  const ResultListing listing = resultListing(p, 0);
  ASSERT_EQ(listing.parts.size(), 3u);
  for (const std::size_t row : {0u, 1u}) EXPECT_EQ(listing.partAt(row), &listing.parts[0]) << row;
  for (const std::size_t row : {2u, 3u, 4u}) EXPECT_EQ(listing.partAt(row), &listing.parts[1]) << row;
  EXPECT_EQ(listing.partAt(5), &listing.parts[2]);
  const ShownPart& mixed = listing.parts[1];
  ASSERT_TRUE(mixed.palletBase);
  EXPECT_EQ(*mixed.palletBase, placedPalletBase(p.result.pallets[0], p.result.containers[0].pallets[0]));
  EXPECT_EQ(mixed.blocks, placedPalletCartons(p.result.pallets[0], p.result.containers[0].pallets[0]));
  EXPECT_EQ(mixed.placement, 0);
  EXPECT_EQ(listing.parts[0].placement, 1);
  EXPECT_EQ(mixed.palletType, "EUR");
  EXPECT_DOUBLE_EQ(mixed.tareWeight, palletPresets()[0].tareWeight);
  // Loaded from the inner end: P1 (z = 0), the fridge beside it, then P2 in front.
  EXPECT_EQ(listing.stepRows, (std::vector<std::size_t>{0, 5, 2}));
  // Read from the top, the pallets come in the order of their steps.
  std::vector<std::string> palletsInSteps;
  for (const std::size_t row : listing.stepRows)
    if (listing.partAt(row)->palletBase) palletsInSteps.push_back(listing.rows[row].texts[0]);
  EXPECT_EQ(palletsInSteps, (std::vector<std::string>{"P1", "P2"}));
}

TEST(ResultParts, aPartComesOutAtTheFirstStopOfItsCartons) {
  FillScheme p = palletPlan();
  EXPECT_FALSE(partStop(p, resultListing(p, 0).parts[0])) << "no stops";
  p.stops = {"北京", "天津"};
  p.cartons[0].stop = std::string("天津");  // the microwaves
  p.cartons[1].stop = std::string("北京");  // the rice cookers
  p.cartons[2].stop = std::string("天津");
  const ResultListing listing = resultListing(p, 0);
  EXPECT_EQ(partStop(p, listing.parts[0]), std::optional<std::size_t>(1)) << "microwaves only";
  EXPECT_EQ(partStop(p, listing.parts[1]), std::optional<std::size_t>(0)) << "rice cookers on it for 北京";
  EXPECT_EQ(partStop(p, listing.parts[2]), std::optional<std::size_t>(1));
}

TEST(ResultParts, thePartsBalanceWeighsTheCartonsAndEachPalletsTare) {
  const FillScheme p = palletPlan();
  const ResultListing listing = resultListing(p, 0);
  const LoadBalance pallet = partsBalance(p, p.container, {&listing.parts[0]});  // P1: 8 microwaves
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
