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

RandomCase randomCase(std::uint32_t seed) {
  Dice dice(seed);
  RandomCase c;
  FillScheme& p = c.project;
  const int types = dice.chance(30) ? dice.between(4, 6) : dice.between(1, 3);
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
  c.maxBlockNum = dice.chance(70) ? 6 : dice.between(1, 6);
  c.stopAtFirst = dice.chance(25);
  return c;
}
