// The load-max planner on random loads: every plan keeps the rules, the same input gives
// the same plan, and a cancel stops the search.

#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "maxload_testing.h"

namespace {

// A random load: a container, up to eight carton types with random edges, counts,
// weights, orientation rules and zones, random spacing and support.
MaxLoadInput randomInput(std::uint32_t seed) {
  std::mt19937 rng(seed);
  const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  MaxLoadInput input = containerInput(uniform(800, 2400), uniform(800, 2600), uniform(1500, 6000));
  input.gapX = uniform(0, 2) * 5;
  input.gapY = uniform(0, 1) * 5;
  input.gapZ = uniform(0, 2) * 5;
  input.supportPercent = std::array{0, 50, 75, 100}[static_cast<std::size_t>(uniform(0, 3))];
  const int types = uniform(1, 8);
  double weight = 0;
  for (int i = 0; i < types; ++i) {
    MaxLoadType t = cartonType(uniform(150, 900), uniform(150, 700), uniform(100, 700), uniform(0, 60));
    t.weight = uniform(0, 40);
    weight += t.weight * t.count;
    switch (uniform(0, 3)) {
      case 0: t.verticalEdges = kEdgeHeight; break;
      case 1: t.verticalEdges = kEdgeWidth | kEdgeHeight; break;
      case 2:
        t.verticalEdges = kEdgeHeight;
        t.lyingEdges = kEdgeLength | kEdgeWidth;
        t.lyingLayers = uniform(1, 3);
        break;
      default: break;
    }
    t.zone = static_cast<LoadZone>(uniform(0, 2));
    input.types.push_back(t);
  }
  input.maxWeight = uniform(0, 1) == 0 ? 1e12 : weight * 0.6;
  input.effortBudget = 400;
  return input;
}

TEST(MaxLoadSearch, EveryPlanOfARandomRunKeepsTheRules) {
  // Short runs, mostly greedy loads and narrow beams, then longer ones with wide beams.
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    MaxLoadInput input = randomInput(seed);
    if (seed > 30) input.effortBudget = 6000;
    const MaxLoadResult r = planMaxLoad(input);
    const auto broken = brokenRules(input, r);
    EXPECT_TRUE(broken.empty()) << "seed " << seed << ": " << broken.front();
    // Leftovers and placements account for every carton; blocks hold the placements.
    std::int64_t inBlocks = 0;
    for (const BlockScheme& b : r.blocks) inBlocks += b.count;
    EXPECT_EQ(inBlocks, r.loadedCount) << "seed " << seed;
    for (std::size_t t = 0; t < input.types.size(); ++t)
      EXPECT_EQ(loadedOf(r, static_cast<std::int32_t>(t)) + r.leftovers[t], input.types[t].count)
          << "seed " << seed << " type " << t;
    for (const MaxLoadPlacement& p : r.placements) {
      const BlockScheme& b = r.blocks[static_cast<std::size_t>(p.block)];
      EXPECT_EQ(b.cartonIndex, p.cartonIndex);
      EXPECT_GE(p.x, b.x);
      EXPECT_GE(p.z, b.z);
    }
    EXPECT_FALSE(r.timedOut);
  }
}

TEST(MaxLoadSearch, BlocksComeInALoadersOrder) {
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    const MaxLoadResult r = planMaxLoad(randomInput(seed));
    // No block comes before one it stands on.
    for (std::size_t i = 0; i < r.blocks.size(); ++i) {
      for (std::size_t j = i + 1; j < r.blocks.size(); ++j) {
        const BlockScheme& early = r.blocks[i];
        const BlockScheme& later = r.blocks[j];
        const std::int32_t laterTop = later.y + later.ny * (later.sizeY + later.gapY);
        const bool overlapsX = later.x < early.x + early.nx * (early.sizeX + early.gapX) &&
                               early.x < later.x + later.nx * (later.sizeX + later.gapX);
        const bool overlapsZ = later.z < early.z + early.nz * (early.sizeZ + early.gapZ) &&
                               early.z < later.z + later.nz * (later.sizeZ + later.gapZ);
        EXPECT_FALSE(laterTop == early.y && overlapsX && overlapsZ) << "seed " << seed;
      }
    }
  }
}

TEST(MaxLoadSearch, TheSameInputGivesTheSamePlan) {
  for (std::uint32_t seed = 100; seed < 106; ++seed) {
    MaxLoadInput input = randomInput(seed);
    input.effortBudget = 1500;
    const MaxLoadResult a = planMaxLoad(input);
    const MaxLoadResult b = planMaxLoad(input);
    ASSERT_EQ(a.placements.size(), b.placements.size()) << "seed " << seed;
    for (std::size_t i = 0; i < a.placements.size(); ++i) {
      EXPECT_EQ(a.placements[i].x, b.placements[i].x);
      EXPECT_EQ(a.placements[i].y, b.placements[i].y);
      EXPECT_EQ(a.placements[i].z, b.placements[i].z);
      EXPECT_EQ(a.placements[i].cartonIndex, b.placements[i].cartonIndex);
    }
    EXPECT_EQ(a.effortUsed, b.effortUsed);
  }
}

TEST(MaxLoadSearch, MoreEffortNeverLoadsLess) {
  // The search never looks at its budget but to stop: a larger budget searches the same
  // loads and more, so it ends with at least the same volume.
  for (std::uint32_t seed = 200; seed < 212; ++seed) {
    MaxLoadInput input = randomInput(seed);
    double before = 0;
    for (const std::uint64_t budget : {20u, 150u, 1000u, 5000u}) {
      input.effortBudget = budget;
      const double volume = planMaxLoad(input).loadedVolume;
      EXPECT_GE(volume, before) << "seed " << seed << " budget " << budget;
      before = volume;
    }
  }
}

TEST(MaxLoadSearch, ACancelStopsTheSearchAtOnce) {
  MaxLoadInput input = randomInput(7);
  input.effortBudget = 0;  // no budget and no time limit: only the cancel ends it
  std::atomic<bool> cancel{true};
  std::atomic<double> bestFill{0};
  MaxLoadControl control;
  control.cancel = &cancel;
  control.bestFill = &bestFill;
  const MaxLoadResult r = planMaxLoad(input, control);
  EXPECT_TRUE(r.cancelled);
  EXPECT_FALSE(r.timedOut);
  EXPECT_EQ(r.effortUsed, 0u);
}

TEST(MaxLoadSearch, ACancelDuringTheSearchEndsItWithASoundPlan) {
  MaxLoadInput input = randomInput(11);
  input.effortBudget = 0;
  std::atomic<bool> cancel{false};
  std::atomic<double> bestFill{0};
  MaxLoadControl control;
  control.cancel = &cancel;
  control.bestFill = &bestFill;
  std::thread canceller([&] {
    while (bestFill.load() == 0) std::this_thread::yield();
    cancel.store(true);
  });
  const MaxLoadResult r = planMaxLoad(input, control);
  canceller.join();
  EXPECT_TRUE(r.cancelled);
  EXPECT_TRUE(brokenRules(input, r).empty());
}

TEST(MaxLoadSearch, BestFillSoFarIsReported) {
  MaxLoadInput input = containerInput(1200, 1000, 1800);
  input.types.push_back(cartonType(600, 500, 600, 6));
  std::atomic<double> bestFill{0};
  MaxLoadControl control;
  control.bestFill = &bestFill;
  const MaxLoadResult r = planMaxLoad(input, control);
  EXPECT_DOUBLE_EQ(bestFill.load(), 0.5);
  EXPECT_DOUBLE_EQ(r.netRatio, 0.5);
}

}  // namespace
