// The table of failed whole-slab branches: which later branches a failure settles.

#include <gtest/gtest.h>

#include "engine/containerplan.h"
#include "engine/failedbranches.h"

namespace {

constexpr std::uint32_t kTypes = 5;

// A failure of the branch with types 0 and 3 done in a 1000 x 800 x 600 box, one slab laid
// per type done, no bar, three sets.
FailedBranches tableWithOneFailure(bool coverIsSafe) {
  FailedBranches table;
  table.reserve(kTypes);
  table.clear(coverIsSafe);
  table.setSets(3);
  table.begin(PPCube(1000, 800, 600), 2, false);
  table.markDone(0);
  table.markDone(3);
  table.rememberFailure();
  return table;
}

bool settled(FailedBranches& table, const PPCube& box, bool barred, std::uint32_t otherDone = 3) {
  table.begin(box, 2, barred);
  table.markDone(0);
  table.markDone(otherDone);
  return table.knownToFail();
}

TEST(FailedBranches, aFailureSettlesEverySmallerBoxWithMoreSetsOrARaisedBarWhenTheGapsAllowIt) {
  FailedBranches table = tableWithOneFailure(true);
  EXPECT_TRUE(settled(table, PPCube(1000, 800, 600), false));
  EXPECT_TRUE(settled(table, PPCube(990, 800, 600), false));
  EXPECT_TRUE(settled(table, PPCube(1000, 800, 1), true));
  EXPECT_FALSE(settled(table, PPCube(1000, 801, 600), false)) << "a larger box";
  EXPECT_FALSE(settled(table, PPCube(500, 800, 600), false, 2)) << "other types done";
  table.setSets(4);
  EXPECT_TRUE(settled(table, PPCube(900, 700, 500), false));
  table.setSets(2);
  EXPECT_FALSE(settled(table, PPCube(900, 700, 500), false)) << "fewer sets may fit";
}

TEST(FailedBranches, aFailureWithTheBarRaisedSaysNothingWithoutIt) {
  FailedBranches table;
  table.reserve(kTypes);
  table.clear(true);
  table.begin(PPCube(1000, 800, 600), 0, true);
  table.rememberFailure();
  table.begin(PPCube(1000, 800, 600), 0, false);
  EXPECT_FALSE(table.knownToFail());
  table.begin(PPCube(1000, 800, 600), 0, true);
  EXPECT_TRUE(table.knownToFail());
}

TEST(FailedBranches, withUnequalGapsOnlyTheSameBranchAtTheSameSetCountIsSettled) {
  FailedBranches table = tableWithOneFailure(false);
  EXPECT_TRUE(settled(table, PPCube(1000, 800, 600), false));
  EXPECT_FALSE(settled(table, PPCube(990, 800, 600), false));
  EXPECT_FALSE(settled(table, PPCube(1000, 800, 600), true));
  table.setSets(4);
  EXPECT_FALSE(settled(table, PPCube(1000, 800, 600), false));
}

TEST(FailedBranches, aClearedTableKnowsNothing) {
  FailedBranches table = tableWithOneFailure(true);
  table.clear(true);
  table.setSets(3);
  EXPECT_FALSE(settled(table, PPCube(1000, 800, 600), false));
}

TEST(FailedBranches, manyFailuresOfOneKeyKeepTheNewest) {
  FailedBranches table;
  table.reserve(kTypes);
  table.clear(true);
  // Boxes that do not cover one another, all with the same types done.
  for (int i = 0; i < 20; ++i) {
    table.begin(PPCube(100 + i, 200 - i, 50), 0, false);
    table.rememberFailure();
  }
  table.begin(PPCube(119, 181, 50), 0, false);
  EXPECT_TRUE(table.knownToFail());
  table.begin(PPCube(100, 200, 50), 0, false);
  EXPECT_FALSE(table.knownToFail()) << "the oldest entry made room";
}

}  // namespace
