#pragma once
// The result of a calculation: the loaded containers, each with its blocks. Kept apart
// from the project's input; a result belongs to the input it was calculated from.

#include <cstdint>
#include <vector>

#include "model/blockscheme.h"
#include "model/container.h"
#include "model/loadedpallet.h"
#include "model/planningmode.h"

// One loaded container: the container and the blocks in it, in loading order.
struct LoadedContainer {
  Container container;
  std::vector<BlockScheme> blocks;
  // Of a several-containers plan: the container's type in the project's fleet (see
  // ProjectInput::fleetOrContainer); -1 for the plan of the project's one container.
  std::int32_t fleetType = -1;
  // Of a pallet plan: the loaded pallets in it, in loading order; `blocks` are its loose
  // cartons.
  std::vector<PalletPlacement> pallets = {};

  bool operator==(const LoadedContainer&) const = default;
};

struct ProjectResult {
  PlanningMode mode = PlanningMode::Sets;  // the planner that made it
  std::vector<LoadedContainer> containers;  // none: no result
  // The share of each carton's base, in %, that rests on what is below it (load-max
  // plans); 0 for plans that promise no support.
  std::int32_t supportPercent = 0;
  bool timedOut = false;  // the planner's time limit ended its search
  // Of a several-containers plan: its goal, and lower bounds on what loading every carton
  // takes (containers, cost): no plan does with less.
  FleetGoal goal = FleetGoal::Cheapest;
  std::int64_t lowerBoundContainers = 0;
  double lowerBoundCost = 0;
  // Of a pallet plan: the built pallets that were loaded, each placed once in one of the
  // containers (LoadedContainer::pallets). The bounds above then count containers for them
  // and the loose cartons.
  std::vector<LoadedPallet> pallets = {};

  bool empty() const { return containers.empty(); }
  bool operator==(const ProjectResult&) const = default;
};
