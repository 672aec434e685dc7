#pragma once
// Keeps a load's centre of gravity inside the container's balance window and the vehicle's
// axle loads within their maxima, at departure and after each stop is unloaded.
//
// A load is settled once complete: if some shift of the whole load along the length and
// across (within the room it leaves at both ends and sides) makes it hold, it moves by the
// smallest such shift (the other rules do not change when everything moves together);
// otherwise a placed block that carries nothing is taken out, the one that brings the load
// nearest to holding, and so on until it holds. Taking out a block that carries nothing
// keeps every other rule.
//
// The equilibrium of the axles is engine/balance.h's; a carton's weight acts at the middle
// of its net box.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/maxload/packstate.h"
#include "model/blockscheme.h"

namespace maxload {

// Whether the cartons of the blocks (each holds the first count places of its grid: along
// z, then up, then across) keep the input's balance window and axle maxima, with the same
// margin the settling keeps. True when the input sets neither.
bool blocksKeepBalance(const MaxLoadInput& input, const std::vector<BlockScheme>& blocks);

class BalanceKeeper {
 public:
  // Whether the input sets a balance window or a vehicle whose axle loads can be worked out.
  static bool needed(const MaxLoadInput& input);

  BalanceKeeper(const MaxLoadInput& input, const Problem& problem, const std::vector<Block>& blocks);

  bool active() const { return active_; }
  // Makes the load hold: shifts it, or takes out blocks that carry nothing.
  void settle(PackState& s) const;
  // The centre's distance from the middle as shares of the length and the width, added.
  double imbalance(const PackState& s) const;

 private:
  // The weight of a block's cartons and its moments about the block's vertex, kg mm.
  struct BlockMass {
    double mass = 0, mx = 0, my = 0, mz = 0;
    std::int32_t stop = 0;
  };
  // A placed block's weight and moments about the container's origin, and its gross box.
  struct Piece {
    double mass, mx, my, mz;
    std::int32_t stop;
    std::int32_t x1, x2, z1, z2;
  };
  // The load's weight and moments: in all, and of each stop's cartons.
  struct Totals {
    double mass = 0, mx = 0, my = 0, mz = 0;
    std::vector<double> stopMass, stopMz;
    std::int32_t x1 = 0, x2 = 0, z1 = 0, z2 = 0;  // the load's extent across and along
  };
  // A bound a * shift + b <= c, its excess counted in shares of scale.
  struct Bound {
    double a, b, c, scale;
  };

  std::vector<Piece> piecesOf(const PackState& s) const;
  Totals totalsOf(const std::vector<Piece>& pieces, const std::vector<bool>& kept) const;
  // The bounds on a shift along the length (alongLength) or across.
  void boundsOf(const Totals& t, bool alongLength, std::vector<Bound>& out) const;
  // The smallest whole shifts that make the load hold; nothing when none does.
  std::optional<std::pair<std::int32_t, std::int32_t>> shiftThatHolds(const Totals& t) const;
  // How far the load is from holding with its best shift: the least sum of its excesses.
  double shortfall(const Totals& t) const;

  const Problem& problem_;
  const std::vector<Block>& blocks_;
  bool active_ = false;
  std::optional<double> lengthPercent_, widthPercent_, maxHeight_;
  std::optional<Vehicle> vehicle_;
  std::int32_t stopCount_ = 1;
  std::vector<BlockMass> blockMass_;
  mutable std::vector<Bound> bounds_;
};

}  // namespace maxload
