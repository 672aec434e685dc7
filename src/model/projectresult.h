#pragma once
// The result of a calculation: the loaded containers, each with its blocks. Kept apart
// from the project's input; a result belongs to the input it was calculated from.

#include <cstdint>
#include <vector>

#include "model/blockscheme.h"
#include "model/container.h"
#include "model/planningmode.h"

// One loaded container: the container and the blocks in it, in loading order.
struct LoadedContainer {
  Container container;
  std::vector<BlockScheme> blocks;

  bool operator==(const LoadedContainer&) const = default;
};

struct ProjectResult {
  PlanningMode mode = PlanningMode::Sets;  // the planner that made it
  std::vector<LoadedContainer> containers;  // none: no result
  // The share of each carton's base, in %, that rests on what is below it (load-max
  // plans); 0 for plans that promise no support.
  std::int32_t supportPercent = 0;
  bool timedOut = false;  // the planner's time limit ended its search

  bool empty() const { return containers.empty(); }
  bool operator==(const ProjectResult&) const = default;
};
