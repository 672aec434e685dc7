#pragma once
// The packing engine's object: a rectangular free box (the container, or a length
// section of it) and the carton types to load into it, with the search state of one run.
//
// A plan is a sequence of guillotine slabs. Each slab is a grid of cartons of one type in
// one orientation that spans the free box on two axes and a number of carton layers on the
// third, its cutting axis; it lies at the start of the box along that axis, so what is
// left is again a box. Axes: x across the container width, y up, z along the length from
// the inner end (z = 0) toward the door.

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/failedbranches.h"
#include "engine/fruitlessbranches.h"
#include "model/orientation.h"

struct RunProject;

// Layer limit of a candidate that may be stacked without limit.
inline constexpr std::int32_t kNoLayerLimit = 55555;

// The limits that keep the exhaustive searches short. The depth limit of plans of up to
// three types follows the set estimate: many sets mean small cartons, whose slabs have
// many layer counts to try, so those plans are kept shallower.
// One type: one slab more below this estimate...
inline constexpr std::int32_t kOneTypeDeeperBelow = 2468;
// ...and another one below this one.
inline constexpr std::int32_t kOneTypeDeepestBelow = 1357;
// Two types: one slab less above this estimate...
inline constexpr std::int32_t kTwoTypesShallowerAbove = 1357;
// ...and one more below this one.
inline constexpr std::int32_t kTwoTypesDeeperBelow = 456;
// Blocks one type may take in a plan: in effect unlimited when it is alone...
inline constexpr std::int32_t kOneTypeBlockLimit = 999;
// ...and two each when two or three types share the box.
inline constexpr std::int32_t kFewTypesBlockLimit = 2;
// From this many types on, each type goes into one whole slab and the set count is bisected.
inline constexpr std::uint32_t kWholeSlabTypes = 4;
// Branches the layer search visits before it keeps those that recorded nothing.
inline constexpr std::uint64_t kNodesBeforeFruitlessTable = 2000;
// Gross volume (mm3) still to place below which every carton counts as placed.
inline constexpr double kAllPlacedVolume = 1e-6;

// standMask bits: which carton edge may stand vertical (the edge bits of model/orientation.h).
inline constexpr std::int32_t kStandW = edgeBit(Edge::Width), kStandH = edgeBit(Edge::Height),
                              kStandL = edgeBit(Edge::Length);
inline constexpr std::int32_t kStandUpright = kStandH;
inline constexpr std::int32_t kStandAny = kStandW | kStandH | kStandL;

// Dimension indexes of PlanCarton::dims: 0 = W, 1 = H, 2 = L.
constexpr int dimensionIndex(Edge e) { return e == Edge::Width ? 0 : e == Edge::Height ? 1 : 2; }

// kOrientations[code] gives the dimension lying along x, y and z, from kOrientationEdges.
// Read as axis indexes, its first three rows give for a cutting axis a the triple (a, r1, r2).
inline constexpr std::array<std::array<int, 3>, 6> kOrientations = [] {
  std::array<std::array<int, 3>, 6> rows{};
  for (std::size_t code = 0; code < rows.size(); ++code) {
    const OrientationEdges& e = kOrientationEdges[code];
    rows[code] = {dimensionIndex(e.alongX), dimensionIndex(e.alongY), dimensionIndex(e.alongZ)};
  }
  return rows;
}();
static_assert(kOrientations[0][0] == 0 && kOrientations[1][0] == 1 && kOrientations[2][0] == 2,
              "rows 0-2 start with their own axis: the slab search reads them as axis triples");
static_assert(kOrientations[0] == std::array<int, 3>{0, 2, 1} && kOrientations[2] == std::array<int, 3>{2, 1, 0},
              "code 0: W along x, L up, H along z; code 2: L, H, W (upright)");

// The three values largest first; the middle one is the sum less the largest and the smallest.
std::array<double, 3> sortDescending3(double a, double b, double c);

// The engine's copy of one carton type.
struct PlanCarton {
  double dimW = 0, dimH = 0, dimL = 0;
  double volume = 0;  // dimW x dimH x dimL
  double weight = 0;  // kg per carton
  std::int32_t standMask = kStandAny;
  std::int32_t upendLayers = 0;
  // Cartons in one set; after the set bisection, in all the sets loaded. Wider than the
  // carton's own count so that multiplying it by a set count cannot overflow.
  std::int64_t count = 0;

  PlanCarton() = default;
  PlanCarton(double dimW, double dimH, double dimL, double weight, std::int32_t standMask,
             std::int32_t upendLayers, std::int64_t count);
  // The edge by dimension index (0 = W, 1 = H, 2 = L).
  double dim(int index) const { return index == 0 ? dimW : index == 1 ? dimH : dimL; }
  bool mustStayUpright() const { return standMask == kStandUpright; }
};

// Counters of one type while a branch is searched.
struct PlanTypeState {
  std::int32_t typeIndex = 0;
  std::int64_t remaining = 0;  // cartons not yet placed on the branch; negative when over-placed
  double grossVolume = 0;      // one carton with spacing, largest gap with the largest edge
};

// One allowed orientation of one type; extents include the spacing.
struct PlanCandidate {
  double dx = 0, dy = 0, dz = 0;
  double volume = 0;  // dx x dy x dz
  std::int32_t typeIndex = 0;
  std::int32_t layerLimit = kNoLayerLimit;  // most cartons stacked vertically
  std::int32_t orientation = 0;

  double along(int axis) const { return axis == 0 ? dx : axis == 1 ? dy : dz; }
  bool isLying() const { return layerLimit < kNoLayerLimit; }
};

// The free box handed from one search level to the next.
struct PPCube {
  double extentX = 0, extentY = 0, extentZ = 0;
  double volume = 0;  // extentX x extentY x extentZ

  PPCube() = default;
  PPCube(double x, double y, double z) : extentX(x), extentY(y), extentZ(z), volume(x * y * z) {}
  double along(int axis) const { return axis == 0 ? extentX : axis == 1 ? extentY : extentZ; }
};

// One slab of a plan. Its region spans the free box of its cut on the two other axes;
// the last block's region is the whole box that remained.
struct PlanBlock {
  double extentX = 0, extentY = 0, extentZ = 0;
  std::int32_t typeIndex = 0;
  std::int32_t nx = 0, ny = 0, nz = 0;
  std::int32_t axis = 0;  // cutting axis: 0 = x, 1 = y, 2 = z
  std::int32_t orientation = 0;

  bool operator==(const PlanBlock&) const = default;
};

// What a plan is asked: the free box, the weight limit, the spacing added to every carton
// extent, and the carton types with their counts in one set.
struct PlanInput {
  double spaceX = 0, spaceY = 0, spaceZ = 0;  // the free box
  double spaceVolume = 0;
  double maxWeight = 0;                       // kg
  double gapX = 0, gapY = 0, gapZ = 0;
  std::vector<PlanCarton> types;
  std::int32_t setsEstimate = 0;              // upper estimate of complete sets, from prepare

  PlanInput() = default;
  PlanInput(double spaceX, double spaceY, double spaceZ, double maxWeight, double gapX,
            double gapY, double gapZ);
  std::uint32_t typeCount() const { return static_cast<std::uint32_t>(types.size()); }
  // Gross volume of one carton of the type: the largest gap goes with the largest edge,
  // whatever the orientation.
  double grossVolumeOf(const PlanCarton& type) const;
};

// What run derives from the input before it searches: the orientation candidates and the
// depth limit.
struct SearchSetup {
  std::vector<PlanCandidate> candidates;
  std::uint32_t candidateCount = 0;
  // The candidates of type t are firstCandidateOf[t] up to firstCandidateOf[t + 1].
  std::vector<std::uint32_t> firstCandidateOf;
  std::uint32_t maxDepth = 0;  // slabs before the last block
  // Every carton to load takes at least its gross volume in any orientation, so cartons
  // needing more gross volume than a box has cannot all go into it.
  bool volumeBoundHolds = false;
  // Every carton asked for has a gross volume above the all-placed margin, so a plan is
  // recorded only once every counter is down to zero or below.
  bool recordsPlaceEveryCarton = false;
  // Per type: some candidate lies with a layer limit (a lying stack may hold part of the
  // type's cartons).
  std::vector<char> mayLieInPart;
};

// The branch under search.
struct SearchState {
  std::vector<PlanTypeState> typeStates;
  std::vector<PlanBlock> workBlocks;
  std::uint32_t workCount = 0;
  std::vector<std::int32_t> blocksOfType;  // blocks of each type on the branch
  std::int32_t sets = 1;                   // complete sets the best plan carries
  std::int64_t multiplier = 1;             // the counters hold this many sets of the input
  bool lyingUsed = false;                  // a lying stack cut along y is on the branch
  // How often a plan with more complete sets raised every counter; sums of the counters
  // taken before are stale once it changes.
  std::uint64_t counterRaises = 0;
  // How many plans were recorded: a branch that leaves it as it was recorded nothing.
  std::uint64_t plansRecorded = 0;
  // Per search level (slabs laid), the whole cartons of each candidate along x, y and z of
  // that level's box: candidate ci's three counts start at ci * 3.
  std::vector<std::int64_t> grids;
  std::size_t gridStride = 0;
  // Per search level, in the same layout: the slab lengths the whole-slab search measured.
  std::vector<double> slabLengths;
  // Per type, the best grid's capacity in the box under test; negative until computed.
  std::vector<std::int64_t> capacities;
};

// The best plan of the last run.
struct PlanResult {
  std::vector<PlanBlock> blocks;   // the first blockCount are the plan
  std::uint32_t blockCount = 0;    // 0 = no plan
  std::int32_t sets = 1;           // complete sets the plan carries
  // Sets the set bisection put into each of those: a type's cartons in one of `sets` are
  // its count times this.
  std::int64_t setMultiplier = 1;
  std::uint32_t usedLength = 0;    // mm along z taken by the plan's cartons
};

enum class RunStatus { Found, Nothing, Cancelled };

struct RunResult {
  RunStatus status = RunStatus::Nothing;
  std::int32_t sets = 0;  // complete sets loaded when found, 0 otherwise
  bool found() const { return status == RunStatus::Found; }
};

// How much a run searched; for the benchmarks and the tests.
struct RunStatistics {
  // Search calls that searched their box (those cut off at once, because their branch can
  // record nothing, are not counted).
  std::uint64_t searchNodes = 0;
  // The set counts the set bisection probed, in order (the search that leaves the plan
  // afterwards is not a probe); at most one per bit of a set count, plus the first.
  std::array<std::int32_t, 40> probedSets{};
  std::uint32_t probeCount = 0;
};

class ContainerPlan {
 public:
  explicit ContainerPlan(PlanInput input);

  const PlanInput& input() const { return input_; }
  std::uint32_t typeCount() const { return input_.typeCount(); }
  const SearchSetup& setup() const { return setup_; }
  const PlanResult& result() const { return result_; }
  const RunStatistics& statistics() const { return statistics_; }
  // Cartons of the type in one of the result's sets.
  std::int64_t cartonsPerSet(std::uint32_t type) const {
    return input_.types[type].count * result_.setMultiplier;
  }

  // Sets the estimate of complete sets from the types' gross volumes and weights and the box.
  void prepare();
  // The same cartons in a free box of another length, prepared again. The whole-slab
  // branches known to fail stay known: a failure names its own box, whatever box the run
  // began with, so the next run skips them too (a zoned group shrunk step by step meets
  // the same branches again).
  void changeLength(std::int32_t length);
  // Polled by the searches; nothing polls when absent.
  void setCancelFlag(const std::atomic<bool>* flag) { cancelFlag_ = flag; }
  // Gross volume of the cartons not yet placed on the branch under search, summed in
  // type order.
  double remainingGrossVolume() const;
  // Searches the box. maxBlockNum bounds the blocks of plans of up to three types;
  // stopAtFirst ends at the first plan that places one set (the zoned run).
  RunResult run(std::int32_t maxBlockNum, bool stopAtFirst);

  // Test access to a finished plan (result assembly on a hand-made plan).
  void setResultForTesting(std::vector<PlanBlock> blocks, std::int32_t sets);

 private:
  enum class Step { Next, Succeed, Fail };  // what a search level does after one axis

  bool cancelled() const {
    return cancelFlag_ != nullptr && cancelFlag_->load(std::memory_order_relaxed);
  }
  void reserveSearchArrays();
  void setMaxDepth(std::int32_t maxBlockNum);
  void sizeArrays();
  void generateCandidates();
  void resetCounters(std::int64_t multiplier);
  void resetBranch();
  void checkVolumeBound();
  std::int32_t searchAndDecide(bool stopAtFirst);
  std::int32_t bisectSets(const PPCube& box);
  // Whether setCount sets go into whole slabs; leaves their plan when they do.
  bool probe(const PPCube& box, std::int64_t setCount);

  // Depth-first search over every axis, candidate and layer count; keeps the plan with
  // the most complete sets, then the fewest blocks.
  bool searchPlan(PPCube box, std::int32_t perTypeLimit, bool stopAtFirst) {
    return searchPlan(box, perTypeLimit, stopAtFirst, -1);
  }
  bool searchPlan(PPCube box, std::int32_t perTypeLimit, bool stopAtFirst, int cutAxis);
  // Each type in one slab holding all of its remaining cartons; stops at the first plan.
  bool searchWholeSlabs(PPCube box) { return searchWholeSlabs(box, -1); }
  // cutAxis is the axis of the slab that cut box from the level above, -1 at the top.
  bool searchWholeSlabs(PPCube box, int cutAxis);
  template <int A>
  Step searchPlanAlong(const PPCube& box, const std::int64_t* grid, std::int32_t perTypeLimit,
                       bool stopAtFirst, std::int32_t target);
  // The most layers of c cut along A from box that the layer search may lay (no more
  // than most); the layer counts above it are skipped by the search.
  template <int A>
  std::int64_t mostLayersThatMayFit(const PPCube& box, const PlanCandidate& c, std::int64_t m,
                                    std::int64_t most) const;
  // False when the type's last slab, of c cut along A from box, can lead to no record
  // (the layer loop would find nothing there); true says nothing.
  template <int A>
  bool lastSlabMayRecord(const PPCube& box, const PlanCandidate& c, std::int64_t layers,
                         std::int64_t perLayer, double leftHere) const;
  template <int A>
  Step searchWholeSlabsAlong(const PPCube& box, double leftHere, const std::int64_t* grid,
                             const double* lengths);
  // The grid row of the level with `slabs` slabs laid. Filled for box: in full at the top,
  // otherwise from the level above, whose box differs only along cutAxis; with
  // onlyTypesLeft, only for the candidates of types with cartons left.
  std::int64_t* gridOfLevel(std::uint32_t slabs) { return &state_.grids[slabs * state_.gridStride]; }
  const std::int64_t* fillGrid(const PPCube& box, int cutAxis, bool onlyTypesLeft);
  // The row of the slab lengths wholeSlabsMayFit measured at the level with `slabs` laid.
  double* lengthsOfLevel(std::uint32_t slabs) { return &state_.slabLengths[slabs * state_.gridStride]; }

  // Whether a branch can still record a plan; see blocksearch.cpp.
  // grid is the box's grid row.
  bool branchMayRecord(const PPCube& box, const std::int64_t* grid, std::int32_t perTypeLimit);
  bool demandFits(const PPCube& box, const std::int64_t* grid, std::int32_t perTypeLimit,
                  std::int64_t setsMore);
  // capacityIn for the box under test by branchMayRecord, computed once per type.
  std::int64_t capacityOf(const std::int64_t* grid, std::uint32_t type);
  // The part of demandFits without the capacity of each type: block count and volume.
  bool demandFitsByVolume(const PPCube& box) const;
  // False when the branch can record neither a plan of fewer blocks (each type left needs
  // one) nor one set more (by the gross volume alone); true says nothing.
  bool moreSetsFitByVolume(const PPCube& box) const;
  // False when the branch can record neither a plan of fewer blocks nor one with more
  // sets because a type it no longer places holds less than a set beyond the others.
  bool moreSetsMayBePlaced() const;
  // The most cartons of the type one grid holds in the box whose grid row is given.
  std::int64_t capacityIn(const std::int64_t* grid, std::uint32_t type) const;

  // Complete sets placed beyond `sets` once every carton is placed.
  std::int64_t extraSets() const;
  // Whether the types left may still go into whole slabs within the box: each has a slab
  // there, and their shortest slabs leave room for one another (a necessary condition).
  // Leaves in lengths, for each candidate of a type left and each axis, the length of the
  // shortest slab it may take (infinity when none fits).
  bool wholeSlabsMayFit(const PPCube& box, const std::int64_t* grid, double* lengths) const;
  // Sets the key of the whole-slab branch under search; false when the branch has a type
  // partly placed and is not kept in the table.
  bool keyWholeSlabBranch(const PPCube& box);
  bool repeatsInTrailingRun(std::int32_t axis, std::int32_t typeIndex,
                            std::int32_t orientation) const;
  void recordPlan(const PlanBlock& last);
  // The key of the layer-search branch under search in box.
  FruitlessBranches::Key layerBranchKey(const PPCube& box) const;
  void computeUsedLength();

  friend class SlabStep;

  PlanInput input_;
  SearchSetup setup_;
  SearchState state_;
  PlanResult result_;
  RunStatistics statistics_;
  FailedBranches failedBranches_;
  FruitlessBranches fruitlessBranches_;
  // The next run keeps the failed branches of the runs before (changeLength).
  bool keepFailedBranches_ = false;
  // The least depth limit of the runs whose failed branches the table holds.
  std::uint32_t failedBranchesDepth_ = 0;
  const std::atomic<bool>* cancelFlag_ = nullptr;
};

// A plan for the cartons of one group key (all cartons when group is negative) in a free
// box of the container's width and height and the given length; already prepared.
std::unique_ptr<ContainerPlan> buildPlan(const RunProject& project, std::int32_t group,
                                         std::int32_t length);
