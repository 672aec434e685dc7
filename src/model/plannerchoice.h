#pragma once
// The planner a project is planned with and its options: kept with the project (a .clyx
// file holds it), so the same file plans the same way in the window and on the command line.

#include <cstdint>

#include "model/planningmode.h"

struct PlannerChoice {
  PlanningMode mode = PlanningMode::Sets;
  FleetGoal goal = FleetGoal::Cheapest;  // several containers: what to aim at
  double loadMaxTimeLimit = 2.0;         // load-max: seconds the search may take
  double fleetTimeLimit = 10.0;          // several containers: seconds for the whole run
  std::int32_t supportPercent = 100;     // share of a carton's base that must rest on something

  bool operator==(const PlannerChoice&) const = default;
};
