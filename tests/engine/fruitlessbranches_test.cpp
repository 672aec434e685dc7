// The table of layer-search branches that recorded nothing: a branch is known only by its
// whole key, and only until the table is cleared.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/fruitlessbranches.h"

namespace {

FruitlessBranches::Key branch() {
  FruitlessBranches::Key key;
  key.x = 2350;
  key.y = 2690;
  key.z = 4100;
  key.remaining = {12, 0, -3};
  key.laid = 0x0000'0004'0201'0102ull;
  return key;
}

TEST(FruitlessBranches, knowsARememberedBranchByItsWholeKeyOnly) {
  FruitlessBranches table;
  table.reserve();
  table.clear();
  const FruitlessBranches::Key remembered = branch();
  table.rememberFruitless(remembered);
  EXPECT_TRUE(table.knownFruitless(branch()));

  const std::vector<std::function<void(FruitlessBranches::Key&)>> changes = {
      [](auto& k) { k.x -= 1; },           [](auto& k) { k.y += 1; },
      [](auto& k) { k.z = 4099.5; },       [](auto& k) { k.remaining[0] = 11; },
      [](auto& k) { k.remaining[1] = 1; }, [](auto& k) { k.remaining[2] = -2; },
      [](auto& k) { k.laid ^= 1; },        [](auto& k) { k.laid ^= std::uint64_t{1} << 24; },
      [](auto& k) { k.laid ^= std::uint64_t{1} << 40; },
  };
  for (std::size_t i = 0; i < changes.size(); ++i) {
    FruitlessBranches::Key other = branch();
    changes[i](other);
    EXPECT_FALSE(table.knownFruitless(other)) << "change " << i;
  }
}

TEST(FruitlessBranches, forgetsEverythingWhenClearedAndKnowsNothingUnreserved) {
  FruitlessBranches table;
  table.reserve();
  table.clear();
  table.rememberFruitless(branch());
  table.clear();
  EXPECT_FALSE(table.knownFruitless(branch()));

  FruitlessBranches unreserved;
  unreserved.rememberFruitless(branch());
  EXPECT_FALSE(unreserved.knownFruitless(branch()));
}

TEST(FruitlessBranches, aNewEntryReplacesAnOldOneWithoutBeingTakenForIt) {
  // Thousands of distinct branches in a table of fewer slots: every lookup of a branch
  // remembered earlier either finds it or finds nothing, never another branch.
  FruitlessBranches table;
  table.reserve();
  table.clear();
  constexpr int kBranches = 40000;
  for (int i = 0; i < kBranches; ++i) {
    FruitlessBranches::Key key = branch();
    key.remaining[0] = i;
    table.rememberFruitless(key);
  }
  int known = 0;
  for (int i = 0; i < kBranches; ++i) {
    FruitlessBranches::Key key = branch();
    key.remaining[0] = i;
    if (table.knownFruitless(key)) ++known;
    key.remaining[1] = 7;  // never remembered
    EXPECT_FALSE(table.knownFruitless(key)) << i;
  }
  EXPECT_GT(known, 0);
  EXPECT_LT(known, kBranches);
}

}  // namespace
