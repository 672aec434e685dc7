#include "engine/pallet/layerpattern.h"

#include <algorithm>
#include <limits>

namespace pallet {
namespace {

// States of the partitioning on which the five-block cut is tried: those with at most this
// many pairs of raster points (its cost grows with the square of it)...
constexpr std::int64_t kFiveBlockPairs = 256;
// ...and the whole rectangle, when its raster has at most this many pairs.
constexpr std::int64_t kTopFiveBlockPairs = 5000;

enum class Choice : std::uint8_t { Empty, Straight, Turned, CutX, CutZ, FiveBlock };

struct State {
  std::int32_t value = 0;
  Choice choice = Choice::Empty;
  // CutX, CutZ: the cut; FiveBlock: x1, x2, z1, z2.
  std::int32_t p1 = 0, p2 = 0, p3 = 0, p4 = 0;
};

class Partitioning {
 public:
  Partitioning(std::int32_t X, std::int32_t Z, std::int32_t a, std::int32_t b)
      : a_(a), b_(b), rx_(rasterPoints(X, a, b)), rz_(rasterPoints(Z, a, b)), nz_(rz_.size()),
        states_(rx_.size() * rz_.size()), indexX_(lookup(rx_)), indexZ_(lookup(rz_)) {}

  LayerPattern solve() {
    for (std::size_t i = 0; i < rx_.size(); ++i)
      for (std::size_t j = 0; j < nz_; ++j) evaluate(i, j);
    const std::size_t top = rx_.size() - 1, right = nz_ - 1;
    if (static_cast<std::int64_t>(rx_.size()) * static_cast<std::int64_t>(nz_) <= kTopFiveBlockPairs &&
        static_cast<std::int64_t>((top + 1) * (right + 1)) > kFiveBlockPairs)
      fiveBlock(top, right);
    LayerPattern pattern;
    emit(top, right, 0, 0, pattern.blocks);
    pattern.count = at(top, right).value;
    return pattern;
  }

 private:
  State& at(std::size_t i, std::size_t j) { return states_[i * nz_ + j]; }
  std::int32_t value(std::size_t i, std::size_t j) const { return states_[i * nz_ + j].value; }
  // For every length up to the largest raster point, the index of the raster point at or
  // below it.
  static std::vector<std::int32_t> lookup(const std::vector<std::int32_t>& raster) {
    std::vector<std::int32_t> index(static_cast<std::size_t>(raster.back()) + 1, 0);
    std::size_t k = 0;
    for (std::size_t v = 0; v < index.size(); ++v) {
      while (k + 1 < raster.size() && static_cast<std::size_t>(raster[k + 1]) <= v) ++k;
      index[v] = static_cast<std::int32_t>(k);
    }
    return index;
  }
  std::size_t indexOf(const std::vector<std::int32_t>& index, std::int64_t v) const {
    return static_cast<std::size_t>(index[static_cast<std::size_t>(std::min<std::int64_t>(v, std::int64_t(index.size()) - 1))]);
  }
  // The value of a rectangle of any size, cut down to the raster.
  std::int32_t valueOf(std::int64_t x, std::int64_t z) const {
    if (x <= 0 || z <= 0) return 0;
    return value(indexOf(indexX_, x), indexOf(indexZ_, z));
  }

  void evaluate(std::size_t i, std::size_t j) {
    State& s = at(i, j);
    const std::int64_t X = rx_[i], Z = rz_[j];
    if (X == 0 || Z == 0) return;
    const auto consider = [&](std::int64_t v, Choice c, std::int32_t p1 = 0) {
      if (v > s.value) s = State{static_cast<std::int32_t>(v), c, p1};
    };
    consider((X / a_) * (Z / b_), Choice::Straight);
    consider((X / b_) * (Z / a_), Choice::Turned);
    for (std::size_t k = 1; k < i && 2 * rx_[k] <= X; ++k)
      consider(std::int64_t{value(k, j)} + valueOf(X - rx_[k], Z), Choice::CutX, rx_[k]);
    for (std::size_t k = 1; k < j && 2 * rz_[k] <= Z; ++k)
      consider(std::int64_t{value(i, k)} + valueOf(X, Z - rz_[k]), Choice::CutZ, rz_[k]);
    if (static_cast<std::int64_t>((i + 1) * (j + 1)) <= kFiveBlockPairs) fiveBlock(i, j);
  }

  // The first-order non-guillotine cut: four blocks around a fifth in the middle.
  //   R1 [0, x1] × [0, z2]   R2 [x1, X] × [0, z1]   R3 [x2, X] × [z1, Z]
  //   R4 [0, x2] × [z2, Z]   R5 [x1, x2] × [z1, z2]
  void fiveBlock(std::size_t i, std::size_t j) {
    State& s = at(i, j);
    const std::int64_t X = rx_[i], Z = rz_[j];
    for (std::size_t k1 = 1; k1 < i; ++k1) {
      const std::int64_t x1 = rx_[k1];
      for (std::size_t k2 = k1 + 1; k2 < i; ++k2) {
        const std::int64_t x2 = rx_[k2];
        for (std::size_t m1 = 1; m1 < j; ++m1) {
          const std::int64_t z1 = rz_[m1];
          for (std::size_t m2 = m1 + 1; m2 < j; ++m2) {
            const std::int64_t z2 = rz_[m2];
            const std::int64_t v = std::int64_t{valueOf(x1, z2)} + valueOf(X - x1, z1) + valueOf(X - x2, Z - z1) +
                                   valueOf(x2, Z - z2) + valueOf(x2 - x1, z2 - z1);
            if (v > s.value)
              s = State{static_cast<std::int32_t>(v), Choice::FiveBlock, static_cast<std::int32_t>(x1),
                        static_cast<std::int32_t>(x2), static_cast<std::int32_t>(z1), static_cast<std::int32_t>(z2)};
          }
        }
      }
    }
  }

  // The blocks of a rectangle of any size at (ox, oz).
  void emitAny(std::int64_t x, std::int64_t z, std::int32_t ox, std::int32_t oz, std::vector<LayerBlock>& out) const {
    if (x <= 0 || z <= 0) return;
    emit(indexOf(indexX_, x), indexOf(indexZ_, z), ox, oz, out);
  }

  void emit(std::size_t i, std::size_t j, std::int32_t ox, std::int32_t oz, std::vector<LayerBlock>& out) const {
    const State& s = states_[i * nz_ + j];
    const std::int32_t X = rx_[i], Z = rz_[j];
    switch (s.choice) {
      case Choice::Empty:
        return;
      case Choice::Straight:
        out.push_back(LayerBlock{ox, oz, X / a_, Z / b_, false});
        return;
      case Choice::Turned:
        out.push_back(LayerBlock{ox, oz, X / b_, Z / a_, true});
        return;
      case Choice::CutX:
        emitAny(s.p1, Z, ox, oz, out);
        emitAny(X - s.p1, Z, ox + s.p1, oz, out);
        return;
      case Choice::CutZ:
        emitAny(X, s.p1, ox, oz, out);
        emitAny(X, Z - s.p1, ox, oz + s.p1, out);
        return;
      case Choice::FiveBlock: {
        const std::int32_t x1 = s.p1, x2 = s.p2, z1 = s.p3, z2 = s.p4;
        emitAny(x1, z2, ox, oz, out);
        emitAny(X - x1, z1, ox + x1, oz, out);
        emitAny(X - x2, Z - z1, ox + x2, oz + z1, out);
        emitAny(x2, Z - z2, ox, oz + z2, out);
        emitAny(x2 - x1, z2 - z1, ox + x1, oz + z1, out);
        return;
      }
    }
  }

  const std::int32_t a_, b_;
  const std::vector<std::int32_t> rx_, rz_;
  const std::size_t nz_;
  std::vector<State> states_;
  const std::vector<std::int32_t> indexX_, indexZ_;
};

// The exact search over the raster grid: cells between consecutive raster points, taken
// row by row (z, then x); at the first undecided cell a carton starts, either way round,
// or the cell stays empty.
class ExactSearch {
 public:
  ExactSearch(std::int32_t X, std::int32_t Z, std::int32_t a, std::int32_t b, std::int64_t atLeast, std::uint64_t steps)
      : a_(a), b_(b), px_(rasterPoints(X, a, b)), pz_(rasterPoints(Z, a, b)), best_(atLeast), steps_(steps) {
    cx_ = px_.size() - 1;
    cz_ = pz_.size() - 1;
    cells_.assign(cx_ * cz_, 0);
    free_ = double(px_.back()) * double(pz_.back());
    cartonArea_ = double(a) * double(b);
  }

  LayerPattern run() {
    if (cx_ > 0 && cz_ > 0) search(0);
    LayerPattern pattern;
    pattern.provenBest = !outOfSteps_;
    if (!found_.empty()) {
      pattern.blocks = found_;
      pattern.count = static_cast<std::int64_t>(found_.size());
    }
    return pattern;
  }

 private:
  double cellArea(std::size_t cell) const {
    const std::size_t x = cell % cx_, z = cell / cx_;
    return double(px_[x + 1] - px_[x]) * double(pz_[z + 1] - pz_[z]);
  }

  // Whether a carton of extents ex × ez fits with its corner at cell (x, z), and the cells
  // it covers up to (x2, z2) exclusive.
  bool fits(std::size_t x, std::size_t z, std::int32_t ex, std::int32_t ez, std::size_t& x2, std::size_t& z2) const {
    const std::int64_t endX = std::int64_t{px_[x]} + ex, endZ = std::int64_t{pz_[z]} + ez;
    if (endX > px_.back() || endZ > pz_.back()) return false;
    x2 = static_cast<std::size_t>(std::lower_bound(px_.begin(), px_.end(), endX) - px_.begin());
    z2 = static_cast<std::size_t>(std::lower_bound(pz_.begin(), pz_.end(), endZ) - pz_.begin());
    for (std::size_t k = z; k < z2; ++k)
      for (std::size_t m = x; m < x2; ++m)
        if (cells_[k * cx_ + m] != 0) return false;
    return true;
  }

  void mark(std::size_t x, std::size_t z, std::size_t x2, std::size_t z2, char value) {
    for (std::size_t k = z; k < z2; ++k)
      for (std::size_t m = x; m < x2; ++m) cells_[k * cx_ + m] = value;
  }

  void search(std::size_t from) {
    if (++used_ > steps_) {
      outOfSteps_ = true;
      return;
    }
    std::size_t cell = from;
    while (cell < cells_.size() && cells_[cell] != 0) ++cell;
    const auto placed = static_cast<std::int64_t>(stack_.size());
    if (cell == cells_.size()) {
      if (placed > best_) {
        best_ = placed;
        found_ = stack_;
      }
      return;
    }
    // Not even the free area can hold more than the best so far.
    if (placed + static_cast<std::int64_t>(free_ / cartonArea_ + 1e-9) <= best_) return;
    const std::size_t x = cell % cx_, z = cell / cx_;
    for (const bool turned : {false, true}) {
      if (turned && a_ == b_) break;
      std::size_t x2 = 0, z2 = 0;
      const std::int32_t ex = turned ? b_ : a_, ez = turned ? a_ : b_;
      if (!fits(x, z, ex, ez, x2, z2)) continue;
      mark(x, z, x2, z2, 1);
      free_ -= cartonArea_;
      stack_.push_back(LayerBlock{px_[x], pz_[z], 1, 1, turned});
      search(cell + 1);
      stack_.pop_back();
      free_ += cartonArea_;
      mark(x, z, x2, z2, 0);
      if (outOfSteps_) return;
    }
    const double area = cellArea(cell);
    cells_[cell] = 2;
    free_ -= area;
    search(cell + 1);
    free_ += area;
    cells_[cell] = 0;
  }

  const std::int32_t a_, b_;
  const std::vector<std::int32_t> px_, pz_;
  std::size_t cx_ = 0, cz_ = 0;
  std::vector<char> cells_;  // 0 undecided, 1 covered, 2 left empty
  double free_ = 0, cartonArea_ = 1;
  std::int64_t best_;
  std::vector<LayerBlock> stack_, found_;
  std::uint64_t steps_, used_ = 0;
  bool outOfSteps_ = false;
};

}  // namespace

std::vector<std::int32_t> rasterPoints(std::int32_t length, std::int32_t a, std::int32_t b) {
  std::vector<std::int32_t> points;
  if (length < 0 || a <= 0 || b <= 0) return {0};
  for (std::int64_t i = 0; i * a <= length; ++i)
    for (std::int64_t v = i * a; v <= length; v += b) points.push_back(static_cast<std::int32_t>(v));
  std::sort(points.begin(), points.end());
  points.erase(std::unique(points.begin(), points.end()), points.end());
  return points;
}

std::int64_t layerAreaBound(std::int32_t X, std::int32_t Z, std::int32_t a, std::int32_t b) {
  if (a <= 0 || b <= 0 || X <= 0 || Z <= 0) return 0;
  const double x = rasterPoints(X, a, b).back(), z = rasterPoints(Z, a, b).back();
  return static_cast<std::int64_t>(x * z / (double(a) * double(b)) + 1e-9);
}

LayerPattern recursiveLayer(std::int32_t X, std::int32_t Z, std::int32_t a, std::int32_t b) {
  if (a <= 0 || b <= 0 || X < std::min(a, b) || Z < std::min(a, b)) return {};
  LayerPattern pattern = Partitioning(X, Z, a, b).solve();
  pattern.provenBest = pattern.count >= layerAreaBound(X, Z, a, b);
  return pattern;
}

LayerPattern exactLayer(std::int32_t X, std::int32_t Z, std::int32_t a, std::int32_t b, std::int64_t atLeast,
                        std::uint64_t steps) {
  if (a <= 0 || b <= 0 || X < std::min(a, b) || Z < std::min(a, b)) return LayerPattern{{}, 0, true};
  return ExactSearch(X, Z, a, b, atLeast, steps).run();
}

LayerPattern bestLayer(std::int32_t X, std::int32_t Z, std::int32_t a, std::int32_t b, const LayerLimits& limits) {
  LayerPattern best = recursiveLayer(X, Z, a, b);
  if (best.provenBest) return best;
  const std::int64_t bound = layerAreaBound(X, Z, a, b);
  if (bound > limits.exactUpTo) return best;
  const LayerPattern exact = exactLayer(X, Z, a, b, best.count, limits.exactSteps);
  if (exact.count > best.count) best.blocks = exact.blocks, best.count = exact.count;
  best.provenBest = exact.provenBest;
  return best;
}

std::vector<LayerBox> layerBoxes(const LayerPattern& pattern, std::int32_t a, std::int32_t b) {
  std::vector<LayerBox> boxes;
  for (const LayerBlock& block : pattern.blocks) {
    const std::int32_t ex = block.turned ? b : a, ez = block.turned ? a : b;
    for (std::int32_t ix = 0; ix < block.nx; ++ix)
      for (std::int32_t iz = 0; iz < block.nz; ++iz)
        boxes.push_back(LayerBox{block.x + ix * ex, block.z + iz * ez, block.turned});
  }
  return boxes;
}

}  // namespace pallet
