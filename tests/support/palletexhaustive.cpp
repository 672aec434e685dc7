#include "palletexhaustive.h"

#include <algorithm>

namespace exhaustive {
namespace {

class UnitGrid {
 public:
  UnitGrid(int X, int Z, int a, int b, std::int64_t atLeast)
      : X_(X), Z_(Z), a_(a), b_(b), cells_(static_cast<std::size_t>(X) * Z, false), best_(atLeast) {}

  std::int64_t run() {
    free_ = static_cast<std::int64_t>(X_) * Z_;
    place(0, 0);
    return best_;
  }

 private:
  bool freeRect(int x, int z, int w, int d) const {
    if (x + w > X_ || z + d > Z_) return false;
    for (int k = z; k < z + d; ++k)
      for (int m = x; m < x + w; ++m)
        if (cells_[static_cast<std::size_t>(k) * X_ + m]) return false;
    return true;
  }
  void set(int x, int z, int w, int d, bool value) {
    for (int k = z; k < z + d; ++k)
      for (int m = x; m < x + w; ++m) cells_[static_cast<std::size_t>(k) * X_ + m] = value;
  }

  void place(std::size_t from, std::int64_t placed) {
    std::size_t cell = from;
    while (cell < cells_.size() && cells_[cell]) ++cell;
    if (placed + free_ / (std::int64_t{a_} * b_) <= best_) return;
    if (cell == cells_.size()) {
      best_ = std::max(best_, placed);
      return;
    }
    const int x = static_cast<int>(cell % static_cast<std::size_t>(X_)), z = static_cast<int>(cell / static_cast<std::size_t>(X_));
    for (int turn = 0; turn < 2; ++turn) {
      const int w = turn ? b_ : a_, d = turn ? a_ : b_;
      if (turn && a_ == b_) break;
      if (!freeRect(x, z, w, d)) continue;
      set(x, z, w, d, true);
      free_ -= std::int64_t{w} * d;
      place(cell + 1, placed + 1);
      free_ += std::int64_t{w} * d;
      set(x, z, w, d, false);
    }
    cells_[cell] = true;  // left empty
    --free_;
    place(cell + 1, placed);
    ++free_;
    cells_[cell] = false;
  }

  const int X_, Z_, a_, b_;
  std::vector<bool> cells_;
  std::int64_t free_ = 0;
  std::int64_t best_;
};

}  // namespace

std::int64_t mostRectangles(int X, int Z, int a, int b, std::int64_t atLeast) {
  if (X <= 0 || Z <= 0 || a <= 0 || b <= 0) return atLeast;
  return UnitGrid(X, Z, a, b, atLeast).run();
}

bool validArrangement(std::int64_t X, std::int64_t Z, std::int64_t a, std::int64_t b,
                      const std::vector<Rectangle>& rectangles) {
  for (std::size_t i = 0; i < rectangles.size(); ++i) {
    const Rectangle& r = rectangles[i];
    const std::int64_t w = r.turned ? b : a, d = r.turned ? a : b;
    if (r.x < 0 || r.z < 0 || r.x + w > X || r.z + d > Z) return false;
    for (std::size_t j = 0; j < i; ++j) {
      const Rectangle& s = rectangles[j];
      const std::int64_t sw = s.turned ? b : a, sd = s.turned ? a : b;
      if (r.x < s.x + sw && s.x < r.x + w && r.z < s.z + sd && s.z < r.z + d) return false;
    }
  }
  return true;
}

}  // namespace exhaustive
