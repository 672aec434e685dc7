#pragma once
// Which planner runs. Each planner adds its own options to the request and its own
// results to the report.

enum class PlanningMode {
  Sets,     // complete sets of the carton list, in blocks (the Run command)
  LoadMax,  // as many cartons as fit into the container, with what is left over
  Fleet,    // several containers of the project's container types
  Pallets,  // cartons built onto pallets, then the pallets and the loose cartons loaded
};

// What the several-containers planner aims at.
enum class FleetGoal {
  Cheapest,    // load every carton at the least total cost
  FixedFleet,  // load as much as fits into the containers available, list what is left
};
