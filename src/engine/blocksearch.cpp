// The two depth-first block searches of a ContainerPlan.
//
// Both try the cutting axes x, y, z in this order (x is skipped when the box is exactly
// as wide as long) and the candidates in their order. A slab is laid at the start of the
// free box along its axis and the search goes on in the box behind it. Nothing here
// allocates: the arrays are sized by run, boxes are passed by value.
//
// Every count is an int64 so that no product of counts can overflow; the extents of a
// candidate are whole millimetres of at least 1, and those of a box at most a container
// dimension, so every quotient of the two fits.

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/containerplan.h"
#include "engine/truncate.h"

namespace {

// For a cutting axis A the two other axes: x cuts see (z, y), y cuts (x, z), z cuts (y, x).
template <int A> constexpr int kR1 = kOrientations[A][1];
template <int A> constexpr int kR2 = kOrientations[A][2];

template <int Axis>
double extentOf(const PPCube& box) {
  if constexpr (Axis == 0) return box.extentX;
  else if constexpr (Axis == 1) return box.extentY;
  else return box.extentZ;
}

template <int Axis>
double extentOf(const PlanCandidate& c) {
  if constexpr (Axis == 0) return c.dx;
  else if constexpr (Axis == 1) return c.dy;
  else return c.dz;
}

template <int Axis>
double& extentRef(PPCube& box) {
  if constexpr (Axis == 0) return box.extentX;
  else if constexpr (Axis == 1) return box.extentY;
  else return box.extentZ;
}

template <int Axis>
std::int32_t& countRef(PlanBlock& block) {
  if constexpr (Axis == 0) return block.nx;
  else if constexpr (Axis == 1) return block.ny;
  else return block.nz;
}

template <int Axis>
double& extentRef(PlanBlock& block) {
  if constexpr (Axis == 0) return block.extentX;
  else if constexpr (Axis == 1) return block.extentY;
  else return block.extentZ;
}

// a x b for non-negative a and b, held at the int64 limit.
inline std::int64_t saturatingProduct(std::int64_t a, std::int64_t b) {
  std::int64_t product = 0;
  if (__builtin_mul_overflow(a, b, &product)) return INT64_MAX;
  return product;
}

// Whole cartons of extent d that fit in length.
inline std::int64_t cartonsIn(double length, double d) { return static_cast<std::int64_t>(length / d); }

// The slab of `layers` layers of c cut along A from box, k1 and k2 cartons on the other
// axes. Its region spans the box on those axes, and on A the layers themselves, or the
// whole box for the last block of a plan.
template <int A>
PlanBlock slabOf(const PlanCandidate& c, const PPCube& box, std::int64_t layers, std::int64_t k1,
                 std::int64_t k2, bool wholeBox) {
  PlanBlock b;
  b.extentX = box.extentX;
  b.extentY = box.extentY;
  b.extentZ = box.extentZ;
  if (!wholeBox) extentRef<A>(b) = static_cast<double>(layers) * extentOf<A>(c);
  countRef<A>(b) = static_cast<std::int32_t>(layers);
  countRef<kR1<A>>(b) = static_cast<std::int32_t>(k1);
  countRef<kR2<A>>(b) = static_cast<std::int32_t>(k2);
  b.typeIndex = c.typeIndex;
  b.axis = A;
  b.orientation = c.orientation;
  return b;
}

// The box behind a slab of `layers` layers of c cut along A.
template <int A>
PPCube boxBehind(const PPCube& box, const PlanCandidate& c, std::int64_t layers) {
  PPCube next = box;
  extentRef<A>(next) = extentOf<A>(box) - static_cast<double>(layers) * extentOf<A>(c);
  next.volume = next.extentX * next.extentY * next.extentZ;
  return next;
}

// The vertical count of a slab cut along x or z is held to the candidate's layer limit.

template <int A>
void limitVertical(const PlanCandidate& c, std::int64_t& k1, std::int64_t& k2) {
  if constexpr (A == 0) k2 = std::min<std::int64_t>(k2, c.layerLimit);
  else if constexpr (A == 2) k1 = std::min<std::int64_t>(k1, c.layerLimit);
}

// The length along A that a slab of c cut from box takes at least to hold `cartons`
// cartons, as the whole-slab search asks of it; infinity when no such slab fits.
// grid holds the whole cartons of c along x, y and z of the box.
template <int A>
double slabLength(const PlanCandidate& c, const std::int64_t* grid, std::int64_t cartons) {
  constexpr double kNoSlab = std::numeric_limits<double>::infinity();
  std::int64_t k1 = grid[kR1<A>], k2 = grid[kR2<A>];
  if (k1 <= 0 || k2 <= 0) return kNoSlab;
  limitVertical<A>(c, k1, k2);
  const std::int64_t m = k1 * k2;
  // Too few layers fit for the cartons; told apart without dividing.
  if (saturatingProduct(grid[A], m) < cartons) return kNoSlab;
  const std::int64_t layers = (cartons + m - 1) / m;
  return static_cast<double>(layers) * extentOf<A>(c);
}

}  // namespace

// One slab on the branch: it takes its cartons from the type's counter at once and, when
// the search goes on behind it, its block onto the branch. Whichever way the search leaves
// the scope, both are undone.
class SlabStep {
 public:
  SlabStep(SearchState& state, std::int32_t typeIndex, std::int64_t cartons)
      : state_(state), type_(static_cast<std::size_t>(typeIndex)), cartons_(cartons) {
    state_.typeStates[type_].remaining -= cartons_;
  }
  SlabStep(const SlabStep&) = delete;
  SlabStep& operator=(const SlabStep&) = delete;
  ~SlabStep() {
    if (laid_) {
      --state_.workCount;
      --state_.blocksOfType[type_];
    }
    state_.typeStates[type_].remaining += cartons_;
  }
  void lay(const PlanBlock& block) {
    state_.workBlocks[state_.workCount++] = block;
    ++state_.blocksOfType[type_];
    laid_ = true;
  }

 private:
  SearchState& state_;
  std::size_t type_;
  std::int64_t cartons_;
  bool laid_ = false;
};

namespace {

// A stack of lying cartons cut along y bars every other lying candidate below it in the
// tree; the bar is lifted when the search moves on from the candidate that set it.
class LyingStackBar {
 public:
  LyingStackBar(bool& flag, bool raise) : flag_(flag), raised_(raise) {
    if (raised_) flag_ = true;
  }
  LyingStackBar(const LyingStackBar&) = delete;
  LyingStackBar& operator=(const LyingStackBar&) = delete;
  ~LyingStackBar() {
    if (raised_) flag_ = false;
  }

 private:
  bool& flag_;
  bool raised_;
};

}  // namespace

double ContainerPlan::remainingGrossVolume() const {
  double left = 0;
  for (const PlanTypeState& s : state_.typeStates)
    left += static_cast<double>(std::max<std::int64_t>(s.remaining, 0)) * s.grossVolume;
  return left;
}

std::int64_t ContainerPlan::extraSets() const {
  // Once every carton is placed, each type's counter is zero or minus what it holds beyond
  // `sets` sets; the type with the fewest extra cartons decides. Types with no cartons
  // asked for set no bound.
  bool any = false;
  std::int64_t fewest = 0;
  for (std::uint32_t i = 0; i < typeCount(); ++i) {
    const std::int64_t count = input_.types[i].count;
    if (count <= 0) continue;
    const std::int64_t extra = -(state_.typeStates[i].remaining / count);
    if (!any || extra < fewest) fewest = extra;
    any = true;
  }
  return fewest;
}

// ---- What a branch can still record
//
// A plan is recorded only once every carton is placed; beyond the first plan only with
// fewer blocks than the best or with more complete sets. When a branch can do neither, it
// changes nothing and its outcome is known without searching it. The bounds below follow
// from the rules alone: every block holds one type and counts against the depth and type
// limits; every carton takes at least its gross volume (the smallest of its cells, which
// are disjoint); a block in a part of the box holds at most as many cartons as the best
// grid of one orientation in the whole box. Skipping such branches leaves every plan,
// set count and tie as it was; it only saves the time.

std::int64_t ContainerPlan::capacityIn(const std::int64_t* grid, std::uint32_t type) const {
  std::int64_t best = 0;
  for (std::uint32_t ci = setup_.firstCandidateOf[type]; ci < setup_.firstCandidateOf[type + 1]; ++ci) {
    const PlanCandidate& c = setup_.candidates[ci];
    if (c.isLying() && state_.lyingUsed) continue;
    const std::int64_t* counts = grid + 3 * ci;
    const std::int64_t across = counts[0];
    const std::int64_t up = std::min<std::int64_t>(counts[1], c.layerLimit);
    const std::int64_t along = counts[2];
    if (across <= 0 || up <= 0 || along <= 0) continue;
    best = std::max(best, saturatingProduct(saturatingProduct(across, up), along));
  }
  return best;
}

std::int64_t ContainerPlan::capacityOf(const std::int64_t* grid, std::uint32_t type) {
  std::int64_t& capacity = state_.capacities[type];
  if (capacity < 0) capacity = capacityIn(grid, type);
  return capacity;
}

bool ContainerPlan::demandFitsByVolume(const PPCube& box) const {
  const std::int64_t blocksLeft = static_cast<std::int64_t>(setup_.maxDepth) + 1 - state_.workCount;
  std::int64_t typesNeeding = 0;
  double grossNeeded = 0;
  for (const PlanTypeState& s : state_.typeStates) {
    if (s.remaining <= 0) continue;
    ++typesNeeding;
    grossNeeded += static_cast<double>(s.remaining) * s.grossVolume;
  }
  return typesNeeding <= blocksLeft && !(grossNeeded > box.volume * (1 + 1e-9) + 1);
}

bool ContainerPlan::moreSetsFitByVolume(const PPCube& box) const {
  std::int64_t typesLeft = 0;
  double grossNeeded = 0;
  for (std::uint32_t i = 0; i < typeCount(); ++i) {
    const std::int64_t remaining = state_.typeStates[i].remaining;
    if (remaining > 0) ++typesLeft;
    const std::int64_t needed = remaining + input_.types[i].count;
    if (needed > 0) grossNeeded += static_cast<double>(needed) * state_.typeStates[i].grossVolume;
  }
  // Fewer blocks than the best plan are still possible.
  if (static_cast<std::int64_t>(state_.workCount) + typesLeft < result_.blockCount) return true;
  return !(grossNeeded > box.volume * (1 + 1e-9) + 1);
}

bool ContainerPlan::moreSetsMayBePlaced() const {
  // A type whose counter is down to zero or below gets no slab on the branch, so its
  // cartons beyond the counted sets stay as they are unless a plan with more sets raises
  // every counter first. Holding less than one set beyond them, it keeps every plan below
  // to no set more: none raises the counters, and only a plan of fewer blocks records.
  // Each type with cartons left takes a block of its own before the plan ends.
  std::int64_t typesLeft = 0;
  bool frozenBelowASet = false;
  for (std::uint32_t i = 0; i < typeCount(); ++i) {
    const std::int64_t remaining = state_.typeStates[i].remaining;
    const std::int64_t count = input_.types[i].count;
    if (remaining > 0) ++typesLeft;
    else if (count > 0 && remaining > -count) frozenBelowASet = true;
  }
  return !frozenBelowASet || static_cast<std::int64_t>(state_.workCount) + typesLeft < result_.blockCount;
}

bool ContainerPlan::demandFits(const PPCube& box, const std::int64_t* grid,
                               std::int32_t perTypeLimit, std::int64_t setsMore) {
  // Cartons each type still needs: its remaining cartons, plus setsMore sets.
  const std::int64_t blocksLeft = static_cast<std::int64_t>(setup_.maxDepth) + 1 - state_.workCount;
  std::int64_t typesNeeding = 0;
  double grossNeeded = 0;
  for (std::uint32_t i = 0; i < typeCount(); ++i) {
    const std::int64_t needed = state_.typeStates[i].remaining + input_.types[i].count * setsMore;
    if (needed <= 0) continue;
    ++typesNeeding;
    grossNeeded += static_cast<double>(needed) * state_.typeStates[i].grossVolume;
  }
  if (typesNeeding > blocksLeft) return false;
  if (grossNeeded > box.volume * (1 + 1e-9) + 1) return false;
  for (std::uint32_t i = 0; i < typeCount(); ++i) {
    const std::int64_t needed = state_.typeStates[i].remaining + input_.types[i].count * setsMore;
    if (needed <= 0) continue;
    const std::int64_t blocks =
        std::min<std::int64_t>(static_cast<std::int64_t>(perTypeLimit) - state_.blocksOfType[i],
                               blocksLeft - (typesNeeding - 1));
    if (blocks <= 0) return false;
    if (needed > saturatingProduct(blocks, capacityOf(grid, i))) return false;
  }
  return true;
}

bool ContainerPlan::branchMayRecord(const PPCube& box, const std::int64_t* grid,
                                    std::int32_t perTypeLimit) {
  if (!setup_.volumeBoundHolds) return true;
  // The capacities below are each computed once for this box.
  std::fill(state_.capacities.begin(), state_.capacities.end(), -1);
  if (!demandFits(box, grid, perTypeLimit, 0)) return false;
  if (result_.blockCount == 0) return true;
  // Fewer blocks than the best plan: each type left needs as many blocks as its best grid
  // in this box takes to hold its cartons.
  std::int64_t blocksNeeded = state_.workCount;
  for (std::uint32_t t = 0; t < typeCount() && blocksNeeded < result_.blockCount; ++t) {
    const std::int64_t remaining = state_.typeStates[t].remaining;
    if (remaining <= 0) continue;
    // demandFits found room for the type, so its capacity here is at least one carton.
    const std::int64_t capacity = std::max<std::int64_t>(capacityOf(grid, t), 1);
    blocksNeeded += (remaining + capacity - 1) / capacity;
  }
  if (blocksNeeded < result_.blockCount) return true;
  // Otherwise only more complete sets are recorded.
  return demandFits(box, grid, perTypeLimit, 1);
}

bool ContainerPlan::repeatsInTrailingRun(std::int32_t axis, std::int32_t typeIndex,
                                         std::int32_t orientation) const {
  for (std::uint32_t i = state_.workCount; i-- > 0;) {
    const PlanBlock& b = state_.workBlocks[i];
    if (b.axis != axis) return false;
    if (b.typeIndex == typeIndex && b.orientation == orientation) return true;
  }
  return false;
}

void ContainerPlan::recordPlan(const PlanBlock& last) {
  ++state_.plansRecorded;
  // Branches that recorded nothing against the old best plan may record against the new.
  fruitlessBranches_.clear();
  std::copy_n(state_.workBlocks.begin(), state_.workCount, result_.blocks.begin());
  result_.blocks[state_.workCount] = last;
  result_.blockCount = state_.workCount + 1;
  computeUsedLength();
}

void ContainerPlan::computeUsedLength() {
  double zStart = 0;
  std::int64_t used = 0;
  for (std::uint32_t i = 0; i < result_.blockCount; ++i) {
    const PlanBlock& b = result_.blocks[i];
    const PlanCarton& type = input_.types[static_cast<std::size_t>(b.typeIndex)];
    const double edge = type.dim(kOrientations[static_cast<std::size_t>(b.orientation)][2]);
    const double end = static_cast<double>(b.nz) * (std::trunc(edge) + input_.gapZ) + zStart;
    used = std::max(used, truncateToInt64(end));
    if (b.axis == 2) zStart = std::trunc(zStart + b.extentZ);
  }
  result_.usedLength = static_cast<std::uint32_t>(std::clamp<std::int64_t>(used, 0, UINT32_MAX));
}

namespace {

// The gross volume still to place once a slab is laid, compared with a bound. The sum
// over all types is what decides; it is taken from the level's sum less the slab's type
// before plus after, and summed afresh only when that lies so near the bound that
// rounding could put it on the other side (the two differ by far less than the margin).
class LeftAfterSlab {
 public:
  LeftAfterSlab(const ContainerPlan& plan, double leftHere, double typeBefore, double typeAfter)
      : plan_(plan), estimate_(leftHere - typeBefore + typeAfter), scale_(leftHere + typeAfter) {}
  bool below(double bound) const {
    const double margin = this->margin(bound);
    if (estimate_ < bound - margin) return true;
    if (estimate_ > bound + margin) return false;
    return plan_.remainingGrossVolume() < bound;
  }
  bool above(double bound) const {
    const double margin = this->margin(bound);
    if (estimate_ > bound + margin) return true;
    if (estimate_ < bound - margin) return false;
    return plan_.remainingGrossVolume() > bound;
  }

 private:
  double margin(double bound) const { return 1e-9 * (scale_ + std::fabs(bound)) + 1e-9; }

  const ContainerPlan& plan_;
  double estimate_;
  double scale_;
};

}  // namespace

// ---- searchPlan

bool ContainerPlan::searchPlan(PPCube box, std::int32_t perTypeLimit, bool stopAtFirst, int cutAxis) {
  // A branch that can record no plan changes nothing: its outcome is known. Most branches
  // are cut off by the first bound: each type left takes at least one block, and one set
  // more needs at least its gross volume.
  if (setup_.volumeBoundHolds && result_.blockCount > 0 && !moreSetsFitByVolume(box)) return !stopAtFirst;
  if (setup_.recordsPlaceEveryCarton && result_.blockCount > 0 && !moreSetsMayBePlaced()) return !stopAtFirst;
  // The grid is only worked out for a branch that passes the block count and volume.
  if (setup_.volumeBoundHolds && !demandFitsByVolume(box)) return !stopAtFirst;
  // Another order of slabs led here before and recorded nothing since the best plan last
  // changed: it would record nothing again. Short runs do without the table: its memory
  // would cost them more than it saves.
  const bool keyed = statistics_.searchNodes >= kNodesBeforeFruitlessTable;
  const FruitlessBranches::Key key = keyed ? layerBranchKey(box) : FruitlessBranches::Key{};
  if (keyed && fruitlessBranches_.knownFruitless(key)) return !stopAtFirst;
  const std::uint64_t recordsBefore = state_.plansRecorded;
  const std::int64_t* grid = fillGrid(box, cutAxis, false);
  if (!branchMayRecord(box, grid, perTypeLimit)) return !stopAtFirst;
  ++statistics_.searchNodes;
  const std::int32_t target = stopAtFirst ? 1 : input_.setsEstimate;
  Step step = Step::Next;
  if (box.extentX != box.extentZ) step = searchPlanAlong<0>(box, grid, perTypeLimit, stopAtFirst, target);
  if (step == Step::Next) step = searchPlanAlong<1>(box, grid, perTypeLimit, stopAtFirst, target);
  if (step == Step::Next) step = searchPlanAlong<2>(box, grid, perTypeLimit, stopAtFirst, target);
  if (step != Step::Next) return step == Step::Succeed;
  if (keyed && state_.plansRecorded == recordsBefore && !cancelled()) fruitlessBranches_.rememberFruitless(key);
  return !stopAtFirst;
}

FruitlessBranches::Key ContainerPlan::layerBranchKey(const PPCube& box) const {
  FruitlessBranches::Key key;
  key.x = box.extentX;
  key.y = box.extentY;
  key.z = box.extentZ;
  for (std::uint32_t t = 0; t < typeCount() && t < FruitlessBranches::kMaxTypes; ++t) {
    key.remaining[t] = state_.typeStates[t].remaining;
    key.laid |= static_cast<std::uint64_t>(state_.blocksOfType[t] & 0xff) << (8 * t);
  }
  if (state_.lyingUsed) key.laid |= std::uint64_t{1} << 24;
  if (state_.workCount > 0) {
    // The run of slabs just laid along one axis: the search lays none of their types and
    // orientations again along it before it turns to another axis.
    const std::int32_t axis = state_.workBlocks[state_.workCount - 1].axis;
    key.laid |= static_cast<std::uint64_t>(axis + 1) << 25;
    for (std::uint32_t i = state_.workCount; i-- > 0;) {
      const PlanBlock& b = state_.workBlocks[i];
      if (b.axis != axis) break;
      key.laid |= std::uint64_t{1} << (32 + 6 * b.typeIndex + b.orientation);
    }
  }
  return key;
}

template <int A>
std::int64_t ContainerPlan::mostLayersThatMayFit(const PPCube& box, const PlanCandidate& c,
                                                 std::int64_t m, std::int64_t most) const {
  // The layer loop skips a layer count whose box behind has less room than the gross
  // volume left, unless every carton is placed. When another type still has cartons to
  // place, no layer count places them all, and the room left less the volume left only
  // shrinks as layers are added: each layer takes the box's whole cross-section, at least
  // m candidate volumes, and places at most m cartons of this type, each counted at its
  // gross volume, which is at most the candidate's. So once a layer count is clearly too
  // many (by far more than rounding could change), every larger one is too, and the loop
  // may start below it. This finds the smallest such count by bisection.
  if (!setup_.volumeBoundHolds) return most;
  const auto type = static_cast<std::size_t>(c.typeIndex);
  double othersLeft = 0;
  for (std::uint32_t t = 0; t < typeCount(); ++t) {
    if (t == type) continue;
    othersLeft += static_cast<double>(std::max<std::int64_t>(state_.typeStates[t].remaining, 0)) *
                  state_.typeStates[t].grossVolume;
  }
  if (!(othersLeft > 1)) return most;
  const std::int64_t remaining = state_.typeStates[type].remaining;
  const double grossVolume = state_.typeStates[type].grossVolume;
  const double crossSection = box.volume / extentOf<A>(box);
  const auto clearlyTooMany = [&](std::int64_t layers) {
    const double left =
        othersLeft + static_cast<double>(std::max<std::int64_t>(remaining - m * layers, 0)) * grossVolume;
    const double room =
        crossSection * (extentOf<A>(box) - static_cast<double>(layers) * extentOf<A>(c));
    return left - room > 1e-9 * (box.volume + left) + 1;
  };
  if (!clearlyTooMany(most)) return most;
  std::int64_t fits = 0, tooMany = most;  // tooMany is known to be clearly too many
  while (tooMany - fits > 1) {
    const std::int64_t mid = fits + (tooMany - fits) / 2;
    if (clearlyTooMany(mid)) tooMany = mid;
    else fits = mid;
  }
  return tooMany - 1;
}

template <int A>
bool ContainerPlan::lastSlabMayRecord(const PPCube& box, const PlanCandidate& c, std::int64_t layers,
                                      std::int64_t perLayer, double leftHere) const {
  const PlanTypeState& typeState = state_.typeStates[static_cast<std::size_t>(c.typeIndex)];
  // The type's last slab leaves some of its cartons over, clearly (by more gross volume
  // than rounding could hide): no block below it may take them, so nothing records.
  const std::int64_t over = typeState.remaining - saturatingProduct(layers, perLayer);
  if (over > 0) return !(static_cast<double>(over) * typeState.grossVolume >= 1);
  // It places them all, and the other types' cartons clearly need more room than the box
  // behind it has: the layer loop would skip it.
  const double othersLeft = leftHere - static_cast<double>(typeState.remaining) * typeState.grossVolume;
  const double room = extentOf<kR1<A>>(box) * extentOf<kR2<A>>(box) *
                      (extentOf<A>(box) - static_cast<double>(layers) * extentOf<A>(c));
  return !(othersLeft - room > 1e-9 * (leftHere + box.volume) + 1);
}

template <int A>
ContainerPlan::Step ContainerPlan::searchPlanAlong(const PPCube& box, const std::int64_t* grid,
                                                   std::int32_t perTypeLimit, bool stopAtFirst,
                                                   std::int32_t target) {
  // The gross volume left on the branch, summed again only after a plan with more sets
  // raised the counters.
  std::uint64_t raisesSeen = state_.counterRaises;
  double leftHere = remainingGrossVolume();
  for (std::uint32_t ci = 0; ci < setup_.candidateCount; ++ci) {
    const PlanCandidate& c = setup_.candidates[ci];
    const std::int32_t used = state_.blocksOfType[static_cast<std::size_t>(c.typeIndex)];
    if (used >= perTypeLimit) continue;
    // The type's last allowed block tries only its largest layer count.
    const bool lastOfType = used == perTypeLimit - 1;
    if (repeatsInTrailingRun(A, c.typeIndex, c.orientation)) continue;
    const PlanTypeState& typeState = state_.typeStates[static_cast<std::size_t>(c.typeIndex)];
    if (typeState.remaining <= 0) continue;
    const std::int64_t* counts = grid + 3 * ci;
    std::int64_t k1 = counts[kR1<A>], k2 = counts[kR2<A>];
    if (k1 <= 0 || k2 <= 0) continue;
    if (c.isLying() && state_.lyingUsed) continue;
    limitVertical<A>(c, k1, k2);
    const std::int64_t m = k1 * k2;
    const std::int64_t need =
        (static_cast<std::int64_t>(target) - state_.sets + typeState.remaining + m - 1) / m;
    std::int64_t most = std::min(counts[A], need);
    if (A == 1) most = std::min<std::int64_t>(most, c.layerLimit);
    const std::int64_t fewest = lastOfType ? most : 1;
    if (!lastOfType) {
      most = std::min(most, mostLayersThatMayFit<A>(box, c, m, most));
    } else {
      if (raisesSeen != state_.counterRaises) {
        raisesSeen = state_.counterRaises;
        leftHere = remainingGrossVolume();
      }
      if (!lastSlabMayRecord<A>(box, c, most, m, leftHere)) continue;
    }
    const LyingStackBar bar(state_.lyingUsed, c.isLying() && A == 1);

    for (std::int64_t layers = most; layers >= fewest; --layers) {
      if (raisesSeen != state_.counterRaises) {
        raisesSeen = state_.counterRaises;
        leftHere = remainingGrossVolume();
      }
      const std::int64_t rem = typeState.remaining;
      SlabStep step(state_, c.typeIndex, m * layers);
      const LeftAfterSlab left(*this, leftHere, static_cast<double>(std::max<std::int64_t>(rem, 0)) * typeState.grossVolume,
                               static_cast<double>(std::max<std::int64_t>(rem - m * layers, 0)) * typeState.grossVolume);
      if (left.below(kAllPlacedVolume)) {
        // Every carton is placed; complete sets beyond `sets` raise it for good.
        const std::int64_t extra = extraSets();
        if (extra != 0) {
          state_.sets = static_cast<std::int32_t>(std::min<std::int64_t>(state_.sets + extra, target));
          for (std::uint32_t i = 0; i < typeCount(); ++i)
            state_.typeStates[i].remaining += input_.types[i].count * extra;
          ++state_.counterRaises;
        }
        if (extra != 0 || result_.blockCount == 0 || state_.workCount + 1 < result_.blockCount) {
          recordPlan(slabOf<A>(c, box, layers, k1, k2, true));
          if (stopAtFirst && state_.sets == target) return Step::Succeed;
        }
        continue;
      }
      if (state_.workCount >= setup_.maxDepth) break;
      const PPCube next = boxBehind<A>(box, c, layers);
      if (left.above(next.volume)) continue;
      step.lay(slabOf<A>(c, box, layers, k1, k2, false));
      const bool found = searchPlan(next, perTypeLimit, stopAtFirst, A);
      if (found && stopAtFirst && state_.sets == target) return Step::Succeed;
      if (cancelled()) return Step::Fail;
    }
  }
  return Step::Next;
}

// ---- searchWholeSlabs


bool ContainerPlan::wholeSlabsMayFit(const PPCube& box, const std::int64_t* grid, double* lengths) const {
  // Every type left needs a slab of its own on some axis, laid within this box; the slabs
  // cut along one axis take together at most the box's extent on it. A slab in a later
  // box (which lies within this one) has at most the grid of the same slab here and needs
  // at least as many layers, so the shortest slab here bounds it; only a lying stack cut
  // along y may take part of a type, leaving fewer cartons (at least one) for its slab.
  // So each type takes at least the least share of an axis that one of its slabs takes
  // here, and these shares add up to at most the three axes.
  double shares = 0;
  for (std::uint32_t t = 0; t < typeCount(); ++t) {
    const std::int64_t remaining = state_.typeStates[t].remaining;
    if (remaining <= 0) continue;
    const std::int64_t fewestLeft = setup_.mayLieInPart[t] && !state_.lyingUsed ? 1 : remaining;
    double shortest[3] = {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::infinity()};
    for (std::uint32_t ci = setup_.firstCandidateOf[t]; ci < setup_.firstCandidateOf[t + 1]; ++ci) {
      const PlanCandidate& c = setup_.candidates[ci];
      if (c.isLying() && state_.lyingUsed) continue;
      const std::int64_t* counts = grid + 3 * ci;
      double* length = lengths + 3 * ci;
      length[0] = slabLength<0>(c, counts, fewestLeft);
      length[1] = slabLength<1>(c, counts, fewestLeft);
      length[2] = slabLength<2>(c, counts, fewestLeft);
      shortest[0] = std::min(shortest[0], length[0]);
      shortest[1] = std::min(shortest[1], length[1]);
      shortest[2] = std::min(shortest[2], length[2]);
    }
    const double share = std::min({shortest[0] / box.extentX, shortest[1] / box.extentY,
                                   shortest[2] / box.extentZ});
    // No slab of the type fits at all.
    if (!(share <= 1)) return false;
    shares += share;
    // The shares only add up from here.
    if (shares > 3 * (1 + 1e-9)) return false;
  }
  return !(shares > 3 * (1 + 1e-9));
}

bool ContainerPlan::keyWholeSlabBranch(const PPCube& box) {
  failedBranches_.begin(box, state_.workCount, state_.lyingUsed);
  for (std::uint32_t i = 0; i < typeCount(); ++i) {
    const std::int64_t remaining = state_.typeStates[i].remaining;
    if (remaining <= 0) {
      failedBranches_.markDone(i);
    } else if (remaining != input_.types[i].count * state_.multiplier) {
      return false;
    }
  }
  return true;
}

const std::int64_t* ContainerPlan::fillGrid(const PPCube& box, int cutAxis, bool onlyTypesLeft) {
  std::int64_t* grid = gridOfLevel(state_.workCount);
  const std::int64_t* above = cutAxis < 0 ? nullptr : grid - state_.gridStride;
  const auto axis = static_cast<std::size_t>(cutAxis);
  for (std::uint32_t t = 0; t < typeCount(); ++t) {
    if (onlyTypesLeft && state_.typeStates[t].remaining <= 0) continue;
    for (std::uint32_t ci = setup_.firstCandidateOf[t]; ci < setup_.firstCandidateOf[t + 1]; ++ci) {
      const PlanCandidate& c = setup_.candidates[ci];
      std::int64_t* counts = grid + 3 * ci;
      if (above == nullptr) {
        counts[0] = cartonsIn(box.extentX, c.dx);
        counts[1] = cartonsIn(box.extentY, c.dy);
        counts[2] = cartonsIn(box.extentZ, c.dz);
      } else {
        counts[0] = above[3 * ci];
        counts[1] = above[3 * ci + 1];
        counts[2] = above[3 * ci + 2];
        counts[axis] = cartonsIn(box.along(cutAxis), c.along(cutAxis));
      }
    }
  }
  return grid;
}

bool ContainerPlan::searchWholeSlabs(PPCube box, int cutAxis) {
  // A branch that failed before, reached by another order of the same slabs, fails again.
  const bool keyed = keyWholeSlabBranch(box);
  if (keyed && failedBranches_.knownToFail()) return false;
  // A branch that cannot place every carton records nothing. (A type with a whole slab in
  // the box has room for its cartons, so only the volume and block counts are checked.)
  if (setup_.volumeBoundHolds && !demandFitsByVolume(box)) return false;
  // Cartons are only ever taken away on the way down, so the types left here are left
  // above too: their grids are all that is read.
  const std::int64_t* grid = fillGrid(box, cutAxis, true);
  double* lengths = lengthsOfLevel(state_.workCount);
  if (!wholeSlabsMayFit(box, grid, lengths)) return false;
  ++statistics_.searchNodes;
  const double leftHere = remainingGrossVolume();
  Step step = Step::Next;
  if (box.extentX != box.extentZ) step = searchWholeSlabsAlong<0>(box, leftHere, grid, lengths);
  if (step == Step::Next) step = searchWholeSlabsAlong<1>(box, leftHere, grid, lengths);
  if (step == Step::Next) step = searchWholeSlabsAlong<2>(box, leftHere, grid, lengths);
  if (step == Step::Succeed) return true;
  // The deeper levels used the key; the branch is as it was when this level began.
  if (keyed && !cancelled() && keyWholeSlabBranch(box)) failedBranches_.rememberFailure();
  return false;
}

template <int A>
ContainerPlan::Step ContainerPlan::searchWholeSlabsAlong(const PPCube& box, double leftHere,
                                                         const std::int64_t* grid,
                                                         const double* lengths) {
  // The box's cross-section across A, for the room a slab leaves behind it.
  const double crossSection = extentOf<kR1<A>>(box) * extentOf<kR2<A>>(box);
  // Differences of gross volumes this far above the rounding are decided at once.
  const double clearMargin = 1e-9 * (leftHere + box.volume) + 1;
  for (std::uint32_t ci = 0; ci < setup_.candidateCount; ++ci) {
    const PlanCandidate& c = setup_.candidates[ci];
    const std::int64_t rem = state_.typeStates[static_cast<std::size_t>(c.typeIndex)].remaining;
    if (rem <= 0) continue;
    const std::int64_t* counts = grid + 3 * ci;
    std::int64_t k1 = counts[kR1<A>], k2 = counts[kR2<A>];
    if (k1 <= 0 || k2 <= 0) continue;
    if (c.isLying() && state_.lyingUsed) continue;
    const PlanTypeState& typeState = state_.typeStates[static_cast<std::size_t>(c.typeIndex)];
    if (!setup_.mayLieInPart[static_cast<std::size_t>(c.typeIndex)] || state_.lyingUsed) {
      // wholeSlabsMayFit measured the slab that holds every carton left of the type: none
      // fits here, or it fits and leaves clearly too little room for the cartons of the
      // other types (it is the slab laid below unless a layer limit cuts it short).
      const double length = lengths[3 * ci + A];
      if (!(length < std::numeric_limits<double>::infinity())) continue;
      if (A != 1 || length <= static_cast<double>(c.layerLimit) * extentOf<A>(c)) {
        const double othersLeft = leftHere - static_cast<double>(rem) * typeState.grossVolume;
        if (othersLeft - crossSection * (extentOf<A>(box) - length) > clearMargin) continue;
      }
    }
    limitVertical<A>(c, k1, k2);
    const std::int64_t m = k1 * k2;
    // The slab must take every remaining carton of the type (only a lying stack cut along
    // y may hold fewer): the layers it needs must fit, which is told apart without dividing.
    if (saturatingProduct(counts[A], m) < rem) continue;
    const std::int64_t need = (rem + m - 1) / m;
    std::int64_t layers = need;
    if (A == 1) layers = std::min<std::int64_t>(layers, c.layerLimit);
    if (layers < 1) continue;
    const LyingStackBar bar(state_.lyingUsed, c.isLying() && A == 1);
    SlabStep step(state_, c.typeIndex, m * layers);
    const double grossVolume = typeState.grossVolume;
    const LeftAfterSlab left(*this, leftHere, static_cast<double>(rem) * grossVolume,
                             static_cast<double>(std::max<std::int64_t>(rem - m * layers, 0)) * grossVolume);
    if (left.below(kAllPlacedVolume)) {
      recordPlan(slabOf<A>(c, box, layers, k1, k2, true));
      return Step::Succeed;
    }
    const PPCube next = boxBehind<A>(box, c, layers);
    if (state_.workCount >= setup_.maxDepth || left.above(next.volume)) continue;
    step.lay(slabOf<A>(c, box, layers, k1, k2, false));
    // Once cancelled, every level gives up at once.
    if (cancelled()) return Step::Fail;
    if (searchWholeSlabs(next, A)) return Step::Succeed;
    if (cancelled()) return Step::Fail;
  }
  return Step::Next;
}
