#include "randomprojects.h"

#include <random>

namespace {

class Dice {
 public:
  explicit Dice(std::uint32_t seed) : engine_(seed) {}
  // A whole number from lo to hi; mt19937's output is fixed by the standard.
  int between(int lo, int hi) { return lo + static_cast<int>(engine_() % static_cast<std::uint32_t>(hi - lo + 1)); }
  bool chance(int percent) { return between(1, 100) <= percent; }

 private:
  std::mt19937 engine_;
};

}  // namespace

namespace {

RandomCase smallContainerCase(Dice& dice, int types) {
  RandomCase c;
  ProjectInput& p = c.project.input;
  p.spacingL = dice.chance(60) ? 0 : dice.between(0, 10);
  p.spacingW = dice.chance(60) ? 0 : dice.between(0, 10);
  p.spacingH = dice.chance(60) ? 0 : dice.between(0, 10);
  for (int i = 0; i < types; ++i) {
    Carton& carton = p.addCarton();
    carton.length = 10 * dice.between(20, 80);
    carton.width = 10 * dice.between(20, 60);
    carton.height = 10 * dice.between(20, 60);
    carton.weight = dice.chance(30) ? 0.0 : dice.between(1, 40) * 0.5;
    carton.count = dice.chance(20) ? 1 : dice.between(1, types >= 4 ? 6 : 20);
    carton.mustUp = dice.chance(35);
    carton.upendLayers = carton.mustUp && dice.chance(50) ? dice.between(1, 3) : 0;
  }
  // A container a few cartons across: between 2 and 6 of the largest carton edge per axis.
  p.container.width = dice.between(1000, 3000);
  p.container.height = dice.between(1000, 3000);
  p.container.length = dice.chance(15) ? p.container.width : dice.between(1000, 5000);
  p.container.maxWeight = dice.chance(20) ? dice.between(50, 500) : 20000;
  c.project.groupKeys.assign(p.cartons.size(), kSpaceNone);
  c.maxBlockNum = dice.chance(70) ? 6 : dice.between(1, 6);
  c.stopAtFirst = dice.chance(25);
  return c;
}

}  // namespace

RandomCase randomCase(std::uint32_t seed) {
  Dice dice(seed);
  const int types = dice.chance(30) ? dice.between(4, 6) : dice.between(1, 3);
  return smallContainerCase(dice, types);
}

RandomCase manyTypeCase(std::uint32_t seed) {
  Dice dice(seed ^ 0x5bd1e995u);
  const int types = dice.between(4, 12);
  return smallContainerCase(dice, types);
}

RunProject demoContainerProject(std::uint32_t seed, int minTypes, int maxTypes, bool zoned) {
  Dice dice(seed * 7919u + 17u);
  ProjectInput p;
  p.container = Container{"演示集装箱", 11800, 2300, 2450, 20000};
  p.spacingL = dice.chance(70) ? 0 : dice.between(0, 10);
  p.spacingW = dice.chance(70) ? 0 : dice.between(0, 10);
  p.spacingH = dice.chance(70) ? 0 : dice.between(0, 10);
  const int types = dice.between(minTypes, maxTypes);
  for (int i = 0; i < types; ++i) {
    Carton& carton = p.addCarton();
    carton.length = 10 * dice.between(20, 90);
    carton.width = 10 * dice.between(20, 70);
    carton.height = 10 * dice.between(20, 70);
    carton.weight = dice.chance(20) ? 0.0 : dice.between(1, 60) * 0.5;
    carton.count = dice.between(1, 6);
    carton.mustUp = dice.chance(30);
    carton.upendLayers = carton.mustUp && dice.chance(50) ? dice.between(1, 3) : 0;
  }
  if (zoned) {
    for (int round = 0; round < 64 && p.volumeRatio() <= 0.5; ++round) {
      for (Carton& carton : p.cartons) carton.count += 1 + carton.count / 4;
    }
  }
  RunProject run(p);
  for (int i = 0; i < types; ++i) run.groupKeys[static_cast<std::size_t>(i)] = kSpaceNone + i / 6;
  return run;
}
