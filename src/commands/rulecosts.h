#pragma once
// What each cargo rule of a project costs: the project planned again without that rule,
// with the same planner and limits, and what that plan loads beyond the plan that keeps
// every rule. The number a shipper takes to the customer who asked for the rule.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/calculate.h"
#include "model/cargorules.h"

// The input without one rule: every carton stackable, without a load limit or not fragile;
// one stop for all; no balance window or no vehicle, in the container and every type of
// the fleet.
ProjectInput withoutRule(const ProjectInput& input, CargoRule rule);

// What a plan loads, for comparing plans of one project.
struct PlanYield {
  std::int64_t cartons = 0;    // loaded, on pallets too
  double fillPercent = 0;      // net volume loaded over the volume of the containers used
  std::int64_t containers = 0;
  double cost = 0;             // of the containers used (each 1 without a cost)
};
PlanYield planYield(const ProjectInput& input, const ProjectResult& result);

struct RuleCost {
  CargoRule rule;
  bool planned = false;  // false: the plan without the rule loaded nothing, or was refused or stopped
  // Without the rule, less the plan with every rule.
  double fillPoints = 0;
  std::int64_t cartons = 0;
  std::int64_t containers = 0;
  double cost = 0;
};

// How a caller runs one calculation of the costs: the command line calls calculate, the
// window shows its progress dialog. Nothing when the user cancelled.
using RunCalculation = std::function<std::optional<CalculationReport>(const CalculationRequest&)>;

// Plans request once per rule in use, each time without that rule, by run; a cancelled run
// ends them, and the costs found by then are returned.
std::vector<RuleCost> ruleCosts(const CalculationRequest& request, const ProjectResult& withEveryRule,
                                const RunCalculation& run);

// "不可堆叠：装载率 +3.1 个百分点，+12 箱" / "not stackable: +3.1 points of fill, +12 cartons";
// a plan of several containers adds the containers and the cost.
std::string ruleCostText(const RuleCost& cost, bool severalContainers);
// The costs as the user reads them: a heading, then a line per rule; a project without
// rules says so.
std::string ruleCostsText(const std::vector<RuleCost>& costs, bool severalContainers);
// Asked for the costs before a plan is made.
std::string ruleCostsNeedAPlanMessage();
// The rule's key in JSON: "notStackable", "loadOnTop", "fragile", "stops", "balanceWindow",
// "axleLoads".
std::string ruleKey(CargoRule rule);
