// Building a plan from the project, the set estimate, the candidates and the run.
// The searches themselves are in blocksearch.cpp.

#include "engine/containerplan.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/truncate.h"
#include "engine/runproject.h"

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

PlanInput::PlanInput(double spaceX, double spaceY, double spaceZ, double maxWeight, double gapX,
                     double gapY, double gapZ)
    : spaceX(spaceX),
      spaceY(spaceY),
      spaceZ(spaceZ),
      spaceVolume(spaceX * spaceY * spaceZ),
      maxWeight(maxWeight),
      gapX(gapX),
      gapY(gapY),
      gapZ(gapZ) {}

double PlanInput::grossVolumeOf(const PlanCarton& type) const {
  const auto e = sortDescending3(type.dimW, type.dimH, type.dimL);
  const auto g = sortDescending3(gapX, gapY, gapZ);
  return (e[0] + g[0]) * (e[1] + g[1]) * (e[2] + g[2]);
}

ContainerPlan::ContainerPlan(PlanInput input) : input_(std::move(input)) {
  reserveSearchArrays();
  prepare();
}

std::unique_ptr<ContainerPlan> buildPlan(const RunProject& project, std::int32_t group,
                                         std::int32_t length) {
  const Container& container = project.input.container;
  PlanInput input(container.width, container.height, length, container.maxWeight,
                  project.input.spacingW, project.input.spacingH, project.input.spacingL);
  input.types.reserve(project.input.cartons.size());
  for (std::size_t i = 0; i < project.input.cartons.size(); ++i) {
    const Carton& carton = project.input.cartons[i];
    if (group >= 0 && project.groupKeyOf(i) != group) continue;
    input.types.emplace_back(carton.width, carton.height, carton.length, carton.weight,
                             carton.mustUp ? kStandUpright : kStandAny, carton.upendLayers,
                             carton.count);
  }
  return std::make_unique<ContainerPlan>(std::move(input));
}

void ContainerPlan::prepare() {
  double totalGross = 0;
  double totalWeight = 0;
  for (const PlanCarton& type : input_.types) {
    totalGross += input_.grossVolumeOf(type) * static_cast<double>(type.count);
    totalWeight += type.weight * static_cast<double>(type.count);
  }
  // Without a carton to load there is nothing to estimate.
  if (!(totalGross > 0)) {
    input_.setsEstimate = 0;
    return;
  }
  const double byVolume = input_.spaceVolume / totalGross;
  input_.setsEstimate = truncateToInt32(
      totalWeight != 0 ? std::min(input_.maxWeight / totalWeight, byVolume) : byVolume);
}

void ContainerPlan::changeLength(std::int32_t length) {
  input_.spaceZ = length;
  input_.spaceVolume = input_.spaceX * input_.spaceY * input_.spaceZ;
  prepare();
  keepFailedBranches_ = true;
}

void ContainerPlan::reserveSearchArrays() {
  // Up to three types search at most 5 slabs deep; more types one slab per type.
  const std::uint32_t types = typeCount();
  const std::size_t blocks = std::max<std::size_t>(types, 5) + 1;
  state_.typeStates.reserve(types);
  setup_.candidates.reserve(6 * static_cast<std::size_t>(types));
  result_.blocks.reserve(blocks);
  state_.workBlocks.reserve(blocks);
  state_.blocksOfType.reserve(types);
  setup_.firstCandidateOf.reserve(types + 1);
  setup_.mayLieInPart.reserve(types);
  state_.capacities.reserve(types);
  // A grid row per search level: the depth limit is at most max(types, 5) slabs.
  state_.grids.reserve((blocks + 1) * 18 * types);
  state_.slabLengths.reserve((blocks + 1) * 18 * types);
  // One type is never searched in whole slabs.
  if (types >= 2) failedBranches_.reserve(types);
  // Only up to three types search layer by layer.
  if (types >= 1 && types <= FruitlessBranches::kMaxTypes) fruitlessBranches_.reserve();
}

void ContainerPlan::setMaxDepth(std::int32_t maxBlockNum) {
  const std::uint32_t types = typeCount();
  if (types >= kWholeSlabTypes) {
    setup_.maxDepth = types;
    return;
  }
  const std::int32_t estimate = input_.setsEstimate;
  std::int64_t d = 2 * static_cast<std::int64_t>(types) - 1;
  if (types == 1) {
    if (estimate < kOneTypeDeeperBelow) ++d;
    if (estimate < kOneTypeDeepestBelow) ++d;
  } else if (types == 2) {
    if (estimate > kTwoTypesShallowerAbove) --d;
    if (estimate < kTwoTypesDeeperBelow) ++d;
  }
  d = std::min<std::int64_t>(static_cast<std::int64_t>(maxBlockNum) - 1, d);
  // A block limit below one still allows the one-block plan.
  setup_.maxDepth = static_cast<std::uint32_t>(std::max<std::int64_t>(d, 0));
}

void ContainerPlan::sizeArrays() {
  const std::uint32_t types = typeCount();
  state_.typeStates.resize(types);
  setup_.candidates.resize(6 * static_cast<std::size_t>(types));
  result_.blocks.resize(setup_.maxDepth + 1);
  state_.workBlocks.resize(setup_.maxDepth + 1);
  state_.blocksOfType.resize(types);
  setup_.firstCandidateOf.resize(types + 1);
  setup_.mayLieInPart.resize(types);
  state_.capacities.resize(types);
  state_.gridStride = 18 * static_cast<std::size_t>(types);
  state_.grids.resize((setup_.maxDepth + 2) * state_.gridStride);
  state_.slabLengths.resize((setup_.maxDepth + 2) * state_.gridStride);
}

namespace {

// Whether orientation code may be used by a type, and its layer limit: standing on H
// needs the H bit; standing on L or W needs its bit, or the exception that lets an
// upright-only carton lie in a few top layers.
bool orientationAllowed(const PlanCarton& type, int code) {
  const std::int32_t standsOn = edgeBit(verticalEdge(code));
  if (standsOn == kStandH) return (type.standMask & kStandH) != 0;
  return (type.standMask & standsOn) != 0 || type.upendLayers != 0;
}

std::int32_t layerLimitOf(const PlanCarton& type, int code) {
  const std::int32_t standsOn = edgeBit(verticalEdge(code));
  if (standsOn == kStandH || (type.standMask & standsOn) != 0) return kNoLayerLimit;
  return type.upendLayers;
}

}  // namespace

void ContainerPlan::generateCandidates() {
  std::uint32_t count = 0;
  for (std::uint32_t i = 0; i < typeCount(); ++i) {
    const PlanCarton& type = input_.types[i];
    setup_.firstCandidateOf[i] = count;
    setup_.mayLieInPart[i] = 0;
    for (int code = 0; code < 6; ++code) {
      if (!orientationAllowed(type, code)) continue;
      PlanCandidate c;
      const auto& row = kOrientations[static_cast<std::size_t>(code)];
      c.dx = type.dim(row[0]) + input_.gapX;
      c.dy = type.dim(row[1]) + input_.gapY;
      c.dz = type.dim(row[2]) + input_.gapZ;
      c.volume = c.dx * c.dy * c.dz;
      c.typeIndex = static_cast<std::int32_t>(i);
      c.layerLimit = layerLimitOf(type, code);
      c.orientation = code;
      // A carton without extent on some axis, or one that may lie in no layer at all,
      // cannot be stacked; cartons from the dialogs and project files never are such.
      if (!(c.dx > 0 && c.dy > 0 && c.dz > 0) || c.layerLimit < 1) continue;
      setup_.candidates[count++] = c;
      if (c.isLying()) setup_.mayLieInPart[i] = 1;
    }
  }
  setup_.firstCandidateOf[typeCount()] = count;
  setup_.candidateCount = count;
}

void ContainerPlan::resetCounters(std::int64_t multiplier) {
  state_.multiplier = multiplier;
  failedBranches_.setSets(multiplier);
  for (std::uint32_t i = 0; i < typeCount(); ++i) {
    PlanTypeState& state = state_.typeStates[i];
    state.typeIndex = static_cast<std::int32_t>(i);
    state.remaining = input_.types[i].count * multiplier;
    state.grossVolume = input_.grossVolumeOf(input_.types[i]);
  }
}

void ContainerPlan::checkVolumeBound() {
  // The gross volume pairs the largest gap with the largest edge, which gives the smallest
  // product of any pairing; checked here for every candidate rather than assumed.
  bool holds = true;
  for (std::uint32_t i = 0; i < typeCount(); ++i) {
    if (input_.types[i].count > 0 && !(state_.typeStates[i].grossVolume > 0)) holds = false;
  }
  for (std::uint32_t c = 0; c < setup_.candidateCount; ++c) {
    const PlanCandidate& candidate = setup_.candidates[c];
    if (candidate.volume < state_.typeStates[static_cast<std::size_t>(candidate.typeIndex)].grossVolume)
      holds = false;
  }
  setup_.volumeBoundHolds = holds;
  bool everyCartonCounts = true;
  for (std::uint32_t i = 0; i < typeCount(); ++i) {
    if (input_.types[i].count > 0 && !(state_.typeStates[i].grossVolume >= kAllPlacedVolume))
      everyCartonCounts = false;
  }
  setup_.recordsPlaceEveryCarton = everyCartonCounts;
}

void ContainerPlan::resetBranch() {
  result_.blockCount = 0;
  state_.workCount = 0;
  state_.lyingUsed = false;
  std::fill(state_.blocksOfType.begin(), state_.blocksOfType.end(), 0);
}

void ContainerPlan::setResultForTesting(std::vector<PlanBlock> blocks, std::int32_t sets) {
  result_.blockCount = static_cast<std::uint32_t>(blocks.size());
  result_.blocks = std::move(blocks);
  result_.sets = sets;
  result_.setMultiplier = 1;
}

RunResult ContainerPlan::run(std::int32_t maxBlockNum, bool stopAtFirst) {
  statistics_ = RunStatistics{};
  state_.sets = 1;
  result_.sets = 1;
  result_.setMultiplier = 1;
  result_.usedLength = 0;
  setMaxDepth(maxBlockNum);
  sizeArrays();
  resetBranch();
  generateCandidates();
  // A branch that failed within some number of slabs fails within fewer too, but may not
  // with more: the depth limit of few types follows the estimate, which the length changes.
  if (!keepFailedBranches_ || setup_.maxDepth > failedBranchesDepth_)
    failedBranches_.clear(input_.gapX == input_.gapZ);
  failedBranchesDepth_ = setup_.maxDepth;
  fruitlessBranches_.clear();
  keepFailedBranches_ = false;
  resetCounters(state_.sets);
  checkVolumeBound();

  // A cancel raised before the run is left to the searches' own polls.
  const std::int32_t sets = typeCount() == 0 ? 0 : searchAndDecide(stopAtFirst);
  RunResult outcome;
  if (cancelled()) {
    // A cancelled calculation keeps no plan.
    result_.blockCount = 0;
    outcome.status = RunStatus::Cancelled;
  } else if (sets > 0) {
    outcome.status = RunStatus::Found;
    outcome.sets = sets;
  }
  return outcome;
}

std::int32_t ContainerPlan::searchAndDecide(bool stopAtFirst) {
  const PPCube box(input_.spaceX, input_.spaceY, input_.spaceZ);
  const std::uint32_t types = typeCount();
  const bool wholeSlabsFirst = input_.setsEstimate <= 1 || stopAtFirst;
  bool success = false;
  if (types == 1) {
    success = searchPlan(box, kOneTypeBlockLimit, stopAtFirst) && result_.blockCount > 0;
  } else if (types < kWholeSlabTypes) {
    if (wholeSlabsFirst) success = searchWholeSlabs(box) && result_.blockCount > 0;
    if (!success) {
      resetBranch();
      resetCounters(state_.sets);
      success = searchPlan(box, kFewTypesBlockLimit, stopAtFirst) && result_.blockCount > 0;
    }
  } else if (wholeSlabsFirst) {
    success = searchWholeSlabs(box);
  } else {
    return bisectSets(box);
  }
  result_.sets = state_.sets;
  return success ? state_.sets : 0;
}

std::int32_t ContainerPlan::bisectSets(const PPCube& box) {
  // One set first: when even that does not fit, nothing does.
  std::int64_t lo = 0;
  if (probe(box, 1)) {
    // lo sets are proved to fit, hi sets are not (the estimate is an upper bound).
    lo = 1;
    std::int64_t hi = static_cast<std::int64_t>(input_.setsEstimate) + 1;
    // The plan of the last probe that fitted is the plan for lo sets: a probe that fails
    // records nothing, and searching lo sets again would find the same plan.
    std::uint32_t blockCount = result_.blockCount;
    std::uint32_t usedLength = result_.usedLength;
    while (hi - lo > 1) {
      const std::int64_t mid = (lo + hi) / 2;
      if (probe(box, mid)) {
        lo = mid;
        blockCount = result_.blockCount;
        usedLength = result_.usedLength;
      } else {
        hi = mid;
      }
    }
    result_.blockCount = blockCount;
    result_.usedLength = usedLength;
  }
  // Each set of the plan holds lo sets of the input.
  result_.setMultiplier = lo;
  return static_cast<std::int32_t>(lo);
}

bool ContainerPlan::probe(const PPCube& box, std::int64_t setCount) {
  if (statistics_.probeCount < statistics_.probedSets.size())
    statistics_.probedSets[statistics_.probeCount++] = clampToInt32(setCount);
  resetCounters(setCount);
  resetBranch();
  return !cancelled() && searchWholeSlabs(box);
}
