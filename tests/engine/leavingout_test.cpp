// Which carton types the load-max search weighs leaving behind, and in which variants.

#include <gtest/gtest.h>

#include "engine/maxload/leavingout.h"

namespace {

MaxLoadType boxType(std::int32_t side, std::int32_t count) {
  MaxLoadType t;
  t.length = t.width = t.height = side;
  t.count = count;
  t.weight = 1;
  return t;
}

MaxLoadInput inputOf(std::vector<MaxLoadType> types) {
  MaxLoadInput input;
  input.containerX = input.containerY = input.containerZ = 2000;
  input.maxWeight = 1e9;
  input.types = std::move(types);
  return input;
}

std::vector<std::int32_t> candidatesOf(const MaxLoadInput& input) {
  return maxload::leavingOutCandidates(input, maxload::makeProblem(input));
}

}  // namespace

TEST(LeavingOut, onlyTypesWithARuleAreWeighedUnlessStopsOrTheBalanceConcernEveryType) {
  MaxLoadInput input = inputOf({boxType(400, 5), boxType(300, 5), boxType(200, 5), boxType(100, 0)});
  EXPECT_TRUE(candidatesOf(input).empty()) << "no rule: nothing is worth leaving out";
  input.types[1].stackable = false;
  input.types[2].fragile = true;
  input.types[3].maxLoadOnTop = 10;  // no cartons: nothing to leave out
  EXPECT_EQ(candidatesOf(input), (std::vector<std::int32_t>{1, 2}));
  input.types[0].maxLoadOnTop = 10;
  EXPECT_EQ(candidatesOf(input), (std::vector<std::int32_t>{0, 1, 2}));

  // Cartons for two stops: any type may wall off the others.
  MaxLoadInput stops = inputOf({boxType(400, 5), boxType(300, 5), boxType(200, 5)});
  stops.types[2].stop = 1;
  EXPECT_EQ(candidatesOf(stops), (std::vector<std::int32_t>{0, 1, 2}));
  // All for the same stop: no order along the length to keep.
  for (MaxLoadType& t : stops.types) t.stop = 1;
  EXPECT_TRUE(candidatesOf(stops).empty());
  stops.balance.lengthPercent = 5;
  EXPECT_EQ(candidatesOf(stops), (std::vector<std::int32_t>{0, 1, 2}));

  // A carton larger than the container is never loaded, so never weighed.
  MaxLoadInput large = inputOf({boxType(400, 5), boxType(2500, 5)});
  large.types[1].fragile = true;
  EXPECT_TRUE(candidatesOf(large).empty());
}

TEST(LeavingOut, theTypesLoadedMostByVolumeAreLeftOutThenHalved) {
  std::vector<MaxLoadType> types;
  for (int i = 0; i < 8; ++i) types.push_back(boxType(100 + 10 * i, 20));
  const MaxLoadInput input = inputOf(types);
  const maxload::Problem problem = maxload::makeProblem(input);
  const std::vector<std::int32_t> candidates = {0, 1, 2, 3, 4, 5, 6, 7};
  // Loaded volume: type 7 most, then 0 (many small ones), 5 and 6 equal by count and
  // differing by size, type 3 not loaded at all, type 2 a single carton.
  const std::vector<std::int32_t> loaded = {20, 1, 1, 0, 2, 4, 4, 10};
  const std::vector<maxload::LeavingOut> variants = maxload::leavingOutVariants(problem, candidates, loaded);
  ASSERT_EQ(maxload::kMostTypesLeftOut, 5u);
  const std::vector<maxload::LeavingOut> expected = {{7, 0}, {0, 0}, {6, 0}, {5, 0}, {4, 0},
                                                     {7, 5}, {0, 10}, {6, 2}, {5, 2}, {4, 1}};
  EXPECT_EQ(variants, expected);

  // Of the candidates only: the others stay whatever they load.
  const std::vector<maxload::LeavingOut> some = maxload::leavingOutVariants(problem, {1, 2, 3}, loaded);
  EXPECT_EQ(some, (std::vector<maxload::LeavingOut>{{2, 0}, {1, 0}}));
}
