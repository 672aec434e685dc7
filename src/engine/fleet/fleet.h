#pragma once
// The several-containers planner: how many containers of which types, and what goes into
// each. Every container is loaded by the load-max planner, so each keeps its rules (weight,
// support, orientations, zones, spacing).
//
// Two goals:
// - Cheapest: load every carton at the least total cost (each container type has a cost,
//   1 when none is given, and may be limited in number).
// - FixedFleet: the containers given (every type's available count) are loaded with as
//   much as fits; what is left is listed.
//
// Method: containers filled one after another give a first answer; loading patterns (a
// container type and the cartons of each type it takes, as the load-max planner placed
// them) are gathered from such fills and from patterns a set-cover model asks for, and the
// model chooses among them (COIN-OR CBC). Whatever it chooses is a set of real plans; the
// best answer found is kept.

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/maxload/maxload.h"
#include "engine/runbudget.h"
#include "model/blockscheme.h"
#include "model/planningmode.h"

struct FleetContainerType {
  std::int32_t containerX = 0, containerY = 0, containerZ = 0;  // inner width, height, length, mm
  double maxWeight = 0;                                         // kg
  double cost = 1;                                              // per container
  std::int32_t available = -1;                                  // containers at most; -1: as many as needed
  BalanceWindow balance{};            // where the centre of gravity of its load may lie
  std::optional<Vehicle> vehicle{};   // whose axle loads its load keeps
};

// Effort is counted in the load-max planner's effort units over all its runs; the same
// input and budget give the same answer on every machine unless the time limit cuts first.
inline constexpr std::uint64_t kDefaultFleetEffort = 3'000'000'000;

// The most containers one run plans: an order that needs more is refused before the run.
inline constexpr std::int64_t kMostContainers = 10'000;

struct FleetInput {
  std::vector<FleetContainerType> containers;
  // The cartons and the rules of every container: types (counts = cartons to load) with their
  // cargo rules, spacing, support. Its container size, maximum load, balance window and
  // vehicle are not used: each container type has its own.
  MaxLoadInput cargo;
  FleetGoal goal = FleetGoal::Cheapest;
  double timeLimitSeconds = 10;  // <= 0: no limit
  std::uint64_t effortBudget = kDefaultFleetEffort;
  std::int32_t threads = 2;
};

// How a caller follows and stops a run. Every pointer may be null.
struct FleetControl {
  const std::atomic<bool>* cancel = nullptr;
  // The latest moment the run may end, whatever its own time limit: the end of the run it
  // is part of.
  std::optional<RunBudget::Clock::time_point> endBy{};
  std::atomic<std::int32_t>* containersPlanned = nullptr;  // containers in the best answer so far
  std::atomic<double>* bestCost = nullptr;                 // its cost
};

// Why a carton type cannot be loaded at all.
enum class UnfitReason { None, FitsNoContainer, HeavierThanEveryContainer };

struct FleetLoad {
  std::int32_t type = 0;            // index into FleetInput::containers
  std::vector<BlockScheme> blocks;  // in loading order
};

struct FleetResult {
  std::vector<FleetLoad> loads;           // the containers, cheapest types first
  std::vector<std::int32_t> leftovers;    // per carton type: cartons not loaded
  std::vector<UnfitReason> unfit;         // per carton type: why none can be loaded, or None
  double totalCost = 0;
  // Lower bounds on the containers and the cost needed to load every carton that can be
  // loaded at all (Cheapest); no answer can do with less.
  std::int64_t lowerBoundContainers = 0;
  double lowerBoundCost = 0;
  // Containers (or, with costs, the cost) of the first answer, filling one container after
  // another as full as possible: the answer is never worse.
  double oneAfterAnotherCost = 0;
  std::int64_t oneAfterAnotherContainers = 0;
  std::uint64_t effortUsed = 0;  // over all the load-max runs
  bool timedOut = false;   // the time limit ended the search before its effort budget
  // The time limit or the effort budget ended the run before its first answer loaded
  // everything it could: the containers planned by then are the answer.
  bool unfinished = false;
  bool cancelled = false;  // the cancel flag ended it: the answer is to be dropped
  // Not planned: it would take more than kMostContainers containers.
  bool tooManyContainers = false;
};

FleetResult planFleet(const FleetInput& input, const FleetControl& control = {});
