// Layers of one carton size on a pallet: the known pinwheel, and generated small layers
// where both methods reach the optimum an exhaustive count of their own finds.

#include "engine/pallet/layerpattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "palletexhaustive.h"

namespace pallet {
namespace {

std::vector<exhaustive::Rectangle> rectanglesOf(const LayerPattern& pattern, std::int32_t a, std::int32_t b) {
  std::vector<exhaustive::Rectangle> out;
  for (const LayerBox& box : layerBoxes(pattern, a, b)) out.push_back({box.x, box.z, box.turned});
  return out;
}

struct SmallLayer {
  int X, Z, a, b;  // in units
};

// Small layers in whole units, each holding 2 to 14 cartons by area.
std::vector<SmallLayer> generatedLayers(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<SmallLayer> layers;
  while (layers.size() < count) {
    const int X = std::uniform_int_distribution<int>(5, 14)(random), Z = std::uniform_int_distribution<int>(5, 14)(random);
    const int a = std::uniform_int_distribution<int>(2, 7)(random), b = std::uniform_int_distribution<int>(1, a)(random);
    const int byArea = (X * Z) / (a * b);
    if (a * b < 3 || byArea < 2 || byArea > 14) continue;
    layers.push_back({X, Z, a, b});
  }
  return layers;
}

}  // namespace

TEST(LayerPattern, turnedCartonsInAPinwheelBeatStraightRows) {
  // 600 x 200 cartons on a 1000 x 1000 pallet: rows of one turn hold 5, the best guillotine
  // cuts 7; four pairs turned around a square in the middle hold 8.
  const LayerPattern layer = bestLayer(1000, 1000, 600, 200);
  EXPECT_EQ(layer.count, 8);
  EXPECT_TRUE(layer.provenBest);
  const std::int64_t straightRows = std::max((1000 / 600) * (1000 / 200), (1000 / 200) * (1000 / 600));
  EXPECT_GT(layer.count, straightRows);
  const auto turned = std::count_if(layer.blocks.begin(), layer.blocks.end(), [](const LayerBlock& b) { return b.turned; });
  EXPECT_GT(turned, 0);
  EXPECT_LT(static_cast<std::size_t>(turned), layer.blocks.size()) << "cartons both ways round";
  EXPECT_TRUE(exhaustive::validArrangement(1000, 1000, 600, 200, rectanglesOf(layer, 600, 200)));
  EXPECT_EQ(exhaustive::mostRectangles(5, 5, 3, 1), 8) << "the same layer in 200 mm units";
}

TEST(LayerPattern, reachesTheOptimumOfEveryGeneratedSmallLayer) {
  // Sizes in units of 50 mm, so that the planner works on pallet-sized millimetres.
  constexpr int kUnit = 50;
  for (const SmallLayer& s : generatedLayers(60, 23)) {
    const std::int64_t optimum = exhaustive::mostRectangles(s.X, s.Z, s.a, s.b);
    const LayerPattern best = bestLayer(s.X * kUnit, s.Z * kUnit, s.a * kUnit, s.b * kUnit);
    EXPECT_EQ(best.count, optimum) << s.X << " x " << s.Z << " by " << s.a << " x " << s.b;
    EXPECT_TRUE(best.provenBest);
    EXPECT_EQ(static_cast<std::int64_t>(layerBoxes(best, s.a * kUnit, s.b * kUnit).size()), best.count);
    EXPECT_TRUE(exhaustive::validArrangement(s.X * kUnit, s.Z * kUnit, s.a * kUnit, s.b * kUnit,
                                             rectanglesOf(best, s.a * kUnit, s.b * kUnit)));
  }
}

TEST(LayerPattern, theExactSearchAloneFindsTheOptimum) {
  for (const SmallLayer& s : generatedLayers(40, 5)) {
    const std::int64_t optimum = exhaustive::mostRectangles(s.X, s.Z, s.a, s.b);
    const LayerPattern exact = exactLayer(s.X, s.Z, s.a, s.b, 0, 50'000'000);
    EXPECT_EQ(exact.count, optimum) << s.X << " x " << s.Z << " by " << s.a << " x " << s.b;
    EXPECT_TRUE(exact.provenBest);
    EXPECT_TRUE(exhaustive::validArrangement(s.X, s.Z, s.a, s.b, rectanglesOf(exact, s.a, s.b)));
  }
}

TEST(LayerPattern, theExactSearchSaysWhenItRanOutOfSteps) {
  const LayerPattern cut = exactLayer(1200, 800, 130, 70, 0, 50);
  EXPECT_FALSE(cut.provenBest);
  const LayerPattern none = exactLayer(1000, 1000, 600, 200, 8, 10'000'000);
  EXPECT_EQ(none.count, 0) << "nothing holds more than 8";
  EXPECT_TRUE(none.provenBest);
}

TEST(LayerPattern, rasterPointsAndTheAreaBound) {
  EXPECT_EQ(rasterPoints(1000, 600, 200), (std::vector<std::int32_t>{0, 200, 400, 600, 800, 1000}));
  EXPECT_EQ(rasterPoints(1000, 450, 400), (std::vector<std::int32_t>{0, 400, 450, 800, 850, 900}));
  // 900 x 900 of the raster over 400 x 450.
  EXPECT_EQ(layerAreaBound(1000, 1000, 450, 400), 4);
  EXPECT_EQ(bestLayer(1200, 800, 1300, 100).count, 0);
}

}  // namespace pallet
