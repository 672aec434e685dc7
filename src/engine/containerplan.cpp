// Building a plan from the project, the set estimate, the candidates and the run.
// The searches themselves are in blocksearch.cpp.

#include "engine/containerplan.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/truncate.h"
#include "model/fillscheme.h"

std::array<double, 3> sortDescending3(double a, double b, double c) {
  const double largest = std::max({a, b, c});
  const double smallest = std::min({a, b, c});
  return {largest, a + b + c - largest - smallest, smallest};
}

PlanCarton::PlanCarton(double dimW, double dimH, double dimL, double weight,
                       std::int32_t standMask, std::int32_t upendLayers, std::int64_t count)
    : dimW(dimW),
      dimH(dimH),
      dimL(dimL),
      volume(dimW * dimH * dimL),
      weight(weight),
      standMask(standMask),
      upendLayers(upendLayers),
      count(count) {}

ContainerPlan::ContainerPlan(double spaceX, double spaceY, double spaceZ, double maxWeight,
                             double gapX, double gapY, double gapZ)
    : spaceX(spaceX),
      spaceY(spaceY),
      spaceZ(spaceZ),
      spaceVolume(spaceX * spaceY * spaceZ),
      maxWeight(maxWeight),
      gapX(gapX),
      gapY(gapY),
      gapZ(gapZ) {}

std::unique_ptr<ContainerPlan> buildPlan(const FillScheme& project, std::int32_t group,
                                         std::int32_t length) {
  const Container& container = project.container;
  auto plan = std::make_unique<ContainerPlan>(container.width, container.height, length,
                                              container.maxWeight, project.spacingW,
                                              project.spacingH, project.spacingL);
  plan->types.reserve(project.cartons.size());
  for (const Carton& carton : project.cartons) {
    if (group >= 0 && carton.groupKey != group) continue;
    plan->types.emplace_back(carton.width, carton.height, carton.length, carton.weight,
                             carton.mustUp ? kStandUpright : kStandAny, carton.upendLayers,
                             carton.count);
  }
  plan->typeCount = static_cast<std::uint32_t>(plan->types.size());
  plan->reserveSearchArrays();
  plan->prepare();
  return plan;
}

double ContainerPlan::grossVolumeOf(const PlanCarton& type) const {
  // The largest gap goes with the largest edge, whatever the orientation.
  const auto e = sortDescending3(type.dimW, type.dimH, type.dimL);
  const auto g = sortDescending3(gapX, gapY, gapZ);
  return (e[0] + g[0]) * (e[1] + g[1]) * (e[2] + g[2]);
}

void ContainerPlan::prepare() {
  double totalGross = 0;
  double totalWeight = 0;
  for (std::uint32_t i = 0; i < typeCount; ++i) {
    const PlanCarton& type = types[i];
    totalGross += grossVolumeOf(type) * static_cast<double>(type.count);
    totalWeight += type.weight * static_cast<double>(type.count);
  }
  // Without a carton to load there is nothing to estimate.
  if (!(totalGross > 0)) {
    setsEstimate = 0;
    return;
  }
  const double byVolume = spaceVolume / totalGross;
  setsEstimate = truncateToInt32(totalWeight != 0 ? std::min(maxWeight / totalWeight, byVolume)
                                                  : byVolume);
}

void ContainerPlan::reserveSearchArrays() {
  // Up to three types search at most 5 slabs deep; more types one slab per type.
  const std::size_t blocks = std::max<std::size_t>(typeCount, 5) + 1;
  typeStates.reserve(typeCount);
  candidates.reserve(6 * static_cast<std::size_t>(typeCount));
  bestBlocks.reserve(blocks);
  workBlocks.reserve(blocks);
  blocksOfType_.reserve(typeCount);
  firstCandidateOf_.reserve(typeCount + 1);
}

void ContainerPlan::setMaxDepth(std::int32_t maxBlockNum) {
  if (typeCount >= 4) {
    maxDepth = typeCount;
    return;
  }
  std::int64_t d = 2 * static_cast<std::int64_t>(typeCount) - 1;
  if (typeCount == 1) {
    if (setsEstimate < 2468) ++d;
    if (setsEstimate < 1357) ++d;
  } else if (typeCount == 2) {
    if (setsEstimate > 1357) --d;
    if (setsEstimate < 456) ++d;
  }
  d = std::min<std::int64_t>(static_cast<std::int64_t>(maxBlockNum) - 1, d);
  // A block limit below one still allows the one-block plan.
  maxDepth = static_cast<std::uint32_t>(std::max<std::int64_t>(d, 0));
}

void ContainerPlan::sizeArrays() {
  typeStates.resize(typeCount);
  candidates.resize(6 * static_cast<std::size_t>(typeCount));
  bestBlocks.resize(maxDepth + 1);
  workBlocks.resize(maxDepth + 1);
  blocksOfType_.resize(typeCount);
  firstCandidateOf_.resize(typeCount + 1);
}

namespace {

// Whether orientation code may be used by a type, and its layer limit.
bool orientationAllowed(const PlanCarton& type, int code) {
  const bool upendable = type.upendLayers != 0;
  switch (code) {
    case 0:
    case 4: return (type.standMask & kStandL) != 0 || upendable;
    case 1:
    case 5: return (type.standMask & kStandW) != 0 || upendable;
    default: return (type.standMask & kStandH) != 0;
  }
}

std::int32_t layerLimitOf(const PlanCarton& type, int code) {
  switch (code) {
    case 0:
    case 4: return (type.standMask & kStandL) != 0 ? kNoLayerLimit : type.upendLayers;
    case 1:
    case 5: return (type.standMask & kStandW) != 0 ? kNoLayerLimit : type.upendLayers;
    default: return kNoLayerLimit;
  }
}

}  // namespace

void ContainerPlan::generateCandidates() {
  candidateCount = 0;
  for (std::uint32_t i = 0; i < typeCount; ++i) {
    const PlanCarton& type = types[i];
    firstCandidateOf_[i] = candidateCount;
    for (int code = 0; code < 6; ++code) {
      if (!orientationAllowed(type, code)) continue;
      PlanCandidate c;
      const auto& row = kOrientations[static_cast<std::size_t>(code)];
      c.dx = type.dim(row[0]) + gapX;
      c.dy = type.dim(row[1]) + gapY;
      c.dz = type.dim(row[2]) + gapZ;
      c.volume = c.dx * c.dy * c.dz;
      c.typeIndex = static_cast<std::int32_t>(i);
      c.layerLimit = layerLimitOf(type, code);
      c.orientation = code;
      // A carton without extent on some axis, or one that may lie in no layer at all,
      // cannot be stacked; cartons from the dialogs and project files never are such.
      if (!(c.dx > 0 && c.dy > 0 && c.dz > 0) || c.layerLimit < 1) continue;
      candidates[candidateCount++] = c;
    }
  }
  firstCandidateOf_[typeCount] = candidateCount;
}

void ContainerPlan::resetCounters(std::int64_t multiplier) {
  for (std::uint32_t i = 0; i < typeCount; ++i) {
    PlanTypeState& state = typeStates[i];
    state.typeIndex = static_cast<std::int32_t>(i);
    state.remaining = types[i].count * multiplier;
    state.grossVolume = grossVolumeOf(types[i]);
  }
}

void ContainerPlan::checkVolumeBound() {
  // The gross volume pairs the largest gap with the largest edge, which gives the smallest
  // product of any pairing; checked here for every candidate rather than assumed.
  volumeBoundHolds_ = true;
  for (std::uint32_t i = 0; i < typeCount; ++i) {
    if (types[i].count > 0 && !(typeStates[i].grossVolume > 0)) volumeBoundHolds_ = false;
  }
  for (std::uint32_t c = 0; c < candidateCount; ++c) {
    if (candidates[c].volume < typeStates[static_cast<std::size_t>(candidates[c].typeIndex)].grossVolume)
      volumeBoundHolds_ = false;
  }
}

void ContainerPlan::resetBlocks() {
  bestCount = 0;
  workCount = 0;
  std::fill(blocksOfType_.begin(), blocksOfType_.end(), 0);
}

std::int32_t ContainerPlan::run(std::int32_t maxBlockNum, bool stopAtFirst) {
  searchNodes = 0;
  probeCount = 0;
  sets = 1;
  usedLength = 0;
  setMaxDepth(maxBlockNum);
  sizeArrays();
  resetBlocks();
  generateCandidates();
  resetCounters(sets);
  checkVolumeBound();
  lyingUsed = false;
  if (typeCount == 0 || cancelled()) return 0;

  const PPCube box(spaceX, spaceY, spaceZ);
  bool success = false;
  if (typeCount == 1) {
    success = searchPlan(box, 999, stopAtFirst) && bestCount > 0;
  } else if (typeCount <= 3) {
    if (setsEstimate <= 1 || stopAtFirst) success = searchWholeSlabs(box) && bestCount > 0;
    if (!success && !cancelled()) {
      resetBlocks();
      resetCounters(sets);
      lyingUsed = false;
      success = searchPlan(box, 2, stopAtFirst) && bestCount > 0;
    }
  } else if (setsEstimate <= 1 || stopAtFirst) {
    success = searchWholeSlabs(box);
  } else {
    return bisectSets(box);
  }
  if (cancelled()) return 0;
  return success ? sets : 0;
}

std::int32_t ContainerPlan::bisectSets(const PPCube& box) {
  // One set first: when even that does not fit, nothing does.
  std::int64_t lo = 0;
  if (probe(box, 1)) {
    // lo sets are proved to fit, hi sets are not (the estimate is an upper bound).
    lo = 1;
    std::int64_t hi = static_cast<std::int64_t>(setsEstimate) + 1;
    while (hi - lo > 1) {
      const std::int64_t mid = (lo + hi) / 2;
      if (probe(box, mid)) {
        lo = mid;
      } else {
        hi = mid;
      }
    }
    // Leave the plan for lo sets.
    resetCounters(lo);
    resetBlocks();
    lyingUsed = false;
    if (!cancelled()) searchWholeSlabs(box);
  }
  // A cancelled calculation keeps no plan.
  if (cancelled()) resetBlocks();
  for (std::uint32_t i = 0; i < typeCount; ++i) types[i].count *= lo;
  return static_cast<std::int32_t>(lo);
}

bool ContainerPlan::probe(const PPCube& box, std::int64_t setCount) {
  if (probeCount < probedSets.size()) probedSets[probeCount++] = clampToInt32(setCount);
  resetCounters(setCount);
  resetBlocks();
  lyingUsed = false;
  return !cancelled() && searchWholeSlabs(box);
}
