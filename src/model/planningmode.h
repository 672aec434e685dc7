#pragma once
// Which planner runs. Each planner adds its own options to the request and its own
// results to the report.

enum class PlanningMode {
  Sets,     // complete sets of the carton list, in blocks (the Run command)
  LoadMax,  // as many cartons as fit, with what is left over
};
