#pragma once
// How the load-max planner keeps the cargo rules (maxload.h lists them).
//
// - Not stackable: a block of such cartons is one carton high and closes the room above it
//   (as a block of lying cartons does); nothing is joined onto it.
// - Load on top: a stack of a block is never higher than its cartons bear; every block
//   placed is tried first: its weight spread down through what it rests on, by contact
//   area as the load is defined, must leave every carton within its limit.
// - Fragile and stops: a block may not rest on a carton not stackable, on a fragile carton
//   unless its own cartons are fragile, or on a carton of a stop delivered later than its
//   own; and no block goes right under a carton already placed.
// - Stops along the length: each stop is a run of the zones (inner end, free, door), the
//   last stop loaded first (Problem::typeRank).
// - Centre of gravity and axle loads: a complete load is settled (balancekeeper.h): moved
//   along the length or across where there is room, else blocks carrying nothing are taken
//   out until it holds. The search judges its loads by what is left after settling, so it
//   prefers loads that keep the balance without losing cartons.
//
// A keeper is made only for an input that sets some rule, one per search thread: it keeps
// scratch room for its checks.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/maxload/balancekeeper.h"
#include "engine/maxload/packstate.h"

namespace maxload {

// Layers of a type one stack of its own may hold: one when it is not stackable, as many as
// its load limit bears, otherwise no limit.
std::int32_t layersCarried(const MaxLoadType& type);

// Whether the upper block may stand on the lower one inside a joined block: no lower
// carton not stackable, bearing a load limit, or fragile under cartons that are not.
bool mayCarryInBlock(const Problem& problem, const Block& lower, const Block& upper);

// Whether the input sets a cargo rule the search must look after.
bool setsCargoRules(const MaxLoadInput& input);

class RuleKeeper {
 public:
  RuleKeeper(const MaxLoadInput& input, const Problem& problem, const std::vector<Block>& blocks);

  void start(PackState& s) const;
  // Whether the block may go there: what it rests on, and the loads it adds below.
  bool allows(const PackState& s, const Placed& where) const;
  // Records the block placed there (before the packer adds it to the load).
  void place(PackState& s, const Placed& where) const;

  // Whether complete loads need settling for the balance window or the axle loads.
  bool settles() const { return balance_.active(); }
  void settle(PackState& s) const { balance_.settle(s); }
  // How far the load's centre of gravity lies from the middle, for choosing among loads of
  // equal volume; 0 when the input sets no balance rule.
  double imbalance(const PackState& s) const { return balance_.imbalance(s); }

 private:
  // The stacks a new block's stacks rest on and the loads it passes down; with commit,
  // the state records them. False when a carton would bear more than it may.
  bool spreadLoad(const PackState& s, const Placed& where, RuleState* commit) const;
  bool restsWell(const PackState& s, const Placed& where) const;

  const Problem& problem_;
  const std::vector<Block>& blocks_;
  bool resting_ = false;  // some rule on what rests on what
  bool loads_ = false;    // some load limit
  BalanceKeeper balance_;

  // Scratch of spreadLoad.
  struct NewStack {
    std::int32_t leaf, x1, z1, x2, z2, y1;
    double weight, borne, limit, incoming;
    std::int32_t firstSupport, supportCount;
  };
  mutable std::vector<NewStack> newStacks_;
  mutable std::vector<RuleSupport> newSupports_;
  mutable std::vector<double> delta_;
  mutable std::vector<std::int32_t> touched_;
};

}  // namespace maxload
