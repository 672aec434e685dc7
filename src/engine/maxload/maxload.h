#pragma once
// The load-max planner, "尽量多装": loads as many of the available cartons as fit into one
// container and says what is left behind.
//
// Axes as everywhere in the engine: x across the container width, y up, z along the length
// from the inner end (z = 0) toward the door. A carton occupies its gross box: its extents
// in its orientation plus the spacing (gapX, gapY, gapZ) on each axis.
//
// Every plan keeps these rules: gross boxes inside the container and disjoint; at most the
// available count of every type; the total weight within the maximum load; zones along the
// length (every carton of a later zone starts, measured at its face toward the inner end,
// at or beyond the start of every carton of an earlier zone); every carton off the floor
// rests on the tops of gross boxes right below it over at least supportPercent % of its
// gross base; only allowed vertical edges; a carton lying on an edge it may only lie on
// (lyingEdges) carries nothing but the lying cartons of its own stack, at most lyingLayers
// high.
//
// And the cargo rules, where the input sets them (rulekeeper.h says how they are kept): a
// carton not stackable carries nothing; a carton's load on top (its cartons above, spread
// down by contact area) stays within its maximum; only fragile cartons rest on a fragile
// one; the stops order the load along the length (the last stop at the inner end, the
// zones within a stop) and no carton rests on one of a stop delivered earlier; the loaded
// cartons' centre of gravity lies within the balance window; the vehicle's axles stay
// within their maxima at departure and after each stop is unloaded.

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/balancewindow.h"
#include "model/blockscheme.h"
#include "model/orientation.h"
#include "model/vehicle.h"

// Carton edges as bits of MaxLoadType::verticalEdges and lyingEdges: kEdgeLength and its
// kin of model/orientation.h.

// Zones along the container length, loaded in this order.
enum class LoadZone : std::int32_t { InnerEnd = 0, Free = 1, Door = 2 };

struct MaxLoadType {
  std::string name;           // for the result blocks
  std::int32_t material = 0;  // colour index, for the result blocks
  std::int32_t length = 0, width = 0, height = 0;  // edges L, W, H in mm
  std::int32_t count = 0;                          // cartons available
  double weight = 0;                               // kg per carton
  std::uint8_t verticalEdges = kEveryEdge;  // edges that may stand vertical anywhere
  std::uint8_t lyingEdges = 0;    // edges that may stand vertical only in lying top layers
  std::int32_t lyingLayers = 0;   // at most this many such layers in one stack
  LoadZone zone = LoadZone::Free;
  bool stackable = true;                 // something may rest on it
  std::optional<double> maxLoadOnTop{};  // kg it may bear; nothing: no limit
  bool fragile = false;                  // only fragile cartons may rest on it
  std::int32_t stop = 0;                 // delivery stop, 0 delivered first
};

// Effort is counted in placements tried by the greedy completions; the same input and
// budget give the same plan whatever the machine, unless the time limit cuts it first.
inline constexpr std::uint64_t kDefaultEffortBudget = 400'000'000;

struct MaxLoadInput {
  std::int32_t containerX = 0, containerY = 0, containerZ = 0;  // inner width, height, length
  double maxWeight = 0;                                         // kg
  std::int32_t gapX = 0, gapY = 0, gapZ = 0;  // spacing along x, y, z (spacingW, H, L)
  std::vector<MaxLoadType> types;             // index = cartonIndex of the result
  std::int32_t supportPercent = 100;          // 0..100
  BalanceWindow balance{};                    // where the centre of gravity may lie
  std::optional<Vehicle> vehicle{};           // whose axle loads the plan keeps
  double timeLimitSeconds = 2.0;              // <= 0: no limit
  std::uint64_t effortBudget = kDefaultEffortBudget;
  std::int32_t threads = 2;                   // 1 or 2 search threads
};

// How a caller follows and stops a running plan. Both pointers may be null.
struct MaxLoadControl {
  const std::atomic<bool>* cancel = nullptr;  // raise it to stop at once
  std::atomic<double>* bestFill = nullptr;    // best loaded net volume / container volume so far
};

// One loaded carton: its net box and its result block.
struct MaxLoadPlacement {
  std::int32_t x = 0, y = 0, z = 0;
  std::int32_t sizeX = 0, sizeY = 0, sizeZ = 0;  // net extents along x, y, z
  std::int32_t cartonIndex = 0;
  std::int32_t orientation = 0;  // code 0-5 as in BlockScheme
  std::int32_t block = 0;        // index into MaxLoadResult::blocks
};

struct MaxLoadResult {
  std::vector<BlockScheme> blocks;            // in loading order (engine/loadingorder.h)
  std::vector<MaxLoadPlacement> placements;   // one per loaded carton, block by block
  std::vector<std::int32_t> leftovers;        // per type: cartons not loaded
  std::int64_t loadedCount = 0;
  double loadedVolume = 0;   // net mm³
  double netRatio = 0;       // loadedVolume / container volume
  bool timedOut = false;     // the time limit ended the search before its effort budget
  bool cancelled = false;    // the cancel flag ended it
  std::uint64_t effortUsed = 0;
};

// Plans the load. Never throws for odd input: types without cartons or that fit nowhere
// are simply left over. An empty container or no types give an empty plan. Where cartons
// with a cargo rule block more than they are worth, some or all of them are left behind
// for the rest (leavingout.h): the plan loads the most volume it finds.
MaxLoadResult planMaxLoad(const MaxLoadInput& input, const MaxLoadControl& control = {});
