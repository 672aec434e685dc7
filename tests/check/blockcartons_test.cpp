// The cartons of a result block: which places of its grid a partly filled block holds.

#include "check/blockcartons.h"

#include <gtest/gtest.h>

#include <limits>

namespace check {

void PrintTo(const PlacedCarton& c, std::ostream* out) {
  *out << "(" << c.x << ", " << c.y << ", " << c.z << ")";
}

namespace {

// A 2 x 2 x 3 grid of 100 x 50 x 200 cartons at (10, 20, 30), 5, 6 and 7 mm apart.
CartonBlock gridOf(std::int32_t count) {
  return CartonBlock{4, 10, 20, 30, 100, 50, 200, 2, 2, 3, count, 5, 6, 7};
}

TEST(BlockCartons, aPartlyFilledBlockFillsAlongTheLengthThenUpThenAcross) {
  std::vector<PlacedCarton> cartons;
  appendBlockCartons(gridOf(8), cartons);
  const auto at = [](std::int32_t x, std::int32_t y, std::int32_t z) {
    return PlacedCarton{4, x, y, z, 100, 50, 200};
  };
  const std::vector<PlacedCarton> expected = {at(10, 20, 30),  at(10, 20, 237), at(10, 20, 444),
                                              at(10, 76, 30),  at(10, 76, 237), at(10, 76, 444),
                                              at(115, 20, 30), at(115, 20, 237)};
  EXPECT_EQ(cartons, expected);
}

TEST(BlockCartons, appendsAfterWhatIsThere) {
  std::vector<PlacedCarton> cartons(3);
  appendBlockCartons(gridOf(2), cartons);
  EXPECT_EQ(cartons.size(), 5u);
  EXPECT_EQ(cartons[3].z, 30);
  EXPECT_EQ(cartons[4].z, 237);
}

TEST(BlockCartons, aCountOutsideTheGridHasNoPlacesBeyondIt) {
  for (const std::int32_t count : {-3, 0, 12, 13, 1000}) {
    std::vector<PlacedCarton> cartons;
    appendBlockCartons(gridOf(count), cartons);
    EXPECT_EQ(cartons.size(), static_cast<std::size_t>(std::clamp(count, 0, 12))) << count;
  }
  CartonBlock flat = gridOf(5);
  flat.ny = 0;
  std::vector<PlacedCarton> cartons;
  appendBlockCartons(flat, cartons);
  EXPECT_TRUE(cartons.empty());
}

TEST(BlockCartons, theCapacityOfAHugeGridDoesNotOverflow) {
  const std::int32_t most = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(blockCapacity(gridOf(0)), 12);
  EXPECT_EQ(blockCapacity(CartonBlock{0, 0, 0, 0, 1, 1, 1, most, most, 2, 0, 0, 0, 0}),
            std::int64_t{most} * most * 2);
  EXPECT_EQ(blockCapacity(CartonBlock{0, 0, 0, 0, 1, 1, 1, most, most, most, 0, 0, 0, 0}),
            std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(blockCapacity(CartonBlock{0, 0, 0, 0, 1, 1, 1, -2, 3, 4, 0, 0, 0, 0}), 0);
}

}  // namespace
}  // namespace check
