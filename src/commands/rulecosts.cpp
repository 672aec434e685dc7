#include "commands/rulecosts.h"

#include <cmath>
#include <cstdio>

#include "commands/leftovers.h"
#include "model/language.h"

ProjectInput withoutRule(const ProjectInput& input, CargoRule rule) {
  ProjectInput out = input;
  std::vector<Container*> containers{&out.container};
  for (ContainerType& type : out.fleet) containers.push_back(&type.container);
  switch (rule) {
    case CargoRule::NotStackable:
      for (Carton& c : out.cartons) c.stackable = true;
      break;
    case CargoRule::LoadOnTop:
      for (Carton& c : out.cartons) c.maxLoadOnTop.reset();
      break;
    case CargoRule::Fragile:
      for (Carton& c : out.cartons) c.fragile = false;
      break;
    case CargoRule::Stops:
      out.stops.clear();
      for (Carton& c : out.cartons) c.stop.clear();
      break;
    case CargoRule::BalanceWindow:
      for (Container* c : containers) c->balance = BalanceWindow{};
      break;
    case CargoRule::AxleLoads:
      for (Container* c : containers) c->vehicle.reset();
      break;
  }
  return out;
}

PlanYield planYield(const ProjectInput& input, const ProjectResult& result) {
  PlanYield yield;
  std::vector<std::int64_t> left(input.cartons.size(), 0);
  for (const Leftover& l : leftoverCartons(input, result))
    if (l.cartonIndex >= 0 && static_cast<std::size_t>(l.cartonIndex) < left.size())
      left[static_cast<std::size_t>(l.cartonIndex)] = l.count;
  double netVolume = 0;
  for (std::size_t i = 0; i < input.cartons.size(); ++i) {
    const Carton& c = input.cartons[i];
    const std::int64_t loaded = std::max<std::int64_t>(0, std::int64_t{c.count} - left[i]);
    yield.cartons += loaded;
    netVolume += double(loaded) * c.length * c.width * c.height;
  }
  const std::vector<ContainerType> types = input.fleetOrContainer();
  double capacity = 0;
  for (const LoadedContainer& loaded : result.containers) {
    capacity += double(loaded.container.length) * loaded.container.width * loaded.container.height;
    const std::size_t type = static_cast<std::size_t>(std::max(0, loaded.fleetType));
    yield.cost += type < types.size() ? types[type].cost.value_or(1.0) : 1.0;
  }
  yield.containers = static_cast<std::int64_t>(result.containers.size());
  yield.fillPercent = capacity > 0 ? 100.0 * netVolume / capacity : 0;
  return yield;
}

namespace {

// What the rule costs: the plan without it (planned from withoutRule(input, rule)) less
// the plan with every rule.
RuleCost costOfRule(CargoRule rule, const ProjectInput& input, const ProjectResult& withEveryRule,
                    const CalculationReport& withoutIt) {
  RuleCost cost{rule};
  if (withoutIt.status != CalculationStatus::Loaded) return cost;
  const PlanYield kept = planYield(input, withEveryRule);
  const PlanYield freed = planYield(withoutRule(input, rule), withoutIt.result);
  cost.planned = true;
  cost.fillPoints = freed.fillPercent - kept.fillPercent;
  cost.cartons = freed.cartons - kept.cartons;
  cost.containers = freed.containers - kept.containers;
  cost.cost = freed.cost - kept.cost;
  return cost;
}

}  // namespace

std::vector<RuleCost> ruleCosts(const CalculationRequest& request, const ProjectResult& withEveryRule,
                                const RunCalculation& run) {
  std::vector<RuleCost> costs;
  for (const CargoRule rule : cargoRulesInUse(request.input)) {
    CalculationRequest without = request;
    without.input = withoutRule(request.input, rule);
    const std::optional<CalculationReport> report = run(without);
    if (!report) break;
    costs.push_back(costOfRule(rule, request.input, withEveryRule, *report));
  }
  return costs;
}

namespace {

std::string signedNumber(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%+.*f", decimals, std::abs(value) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : value);
  return text;
}

}  // namespace

std::string ruleCostText(const RuleCost& cost, bool severalContainers) {
  std::string text = cargoRuleName(cost.rule) + inLanguage("：", ": ");
  if (!cost.planned)
    return text + inLanguage("不设该规则时没有得出方案", "no plan without the rule");
  text += inLanguage("装载率 ", "") + signedNumber(cost.fillPoints, 1) +
          inLanguage(" 个百分点，", " points of fill, ") + signedNumber(double(cost.cartons), 0) +
          inLanguage(" 箱", " cartons");
  if (severalContainers)
    text += inLanguage("，集装箱 ", ", ") + signedNumber(double(cost.containers), 0) +
            inLanguage(" 个，费用 ", " containers, cost ") + signedNumber(cost.cost, 0);
  return text;
}

std::string ruleCostsText(const std::vector<RuleCost>& costs, bool severalContainers) {
  if (costs.empty()) return inLanguage("本项目没有设定装箱规则。", "The project sets no cargo rule.");
  std::string text = inLanguage("每条规则的代价（不设该规则再算一次）：", "What each rule costs (planned again without it):");
  for (const RuleCost& cost : costs) text += "\n  " + ruleCostText(cost, severalContainers);
  return text;
}

std::string ruleCostsNeedAPlanMessage() {
  return inLanguage("请先计算出装箱方案，再看每条规则的代价。", "Make a plan first, then see what each rule costs.");
}

std::string ruleKey(CargoRule rule) {
  switch (rule) {
    case CargoRule::NotStackable: return "notStackable";
    case CargoRule::LoadOnTop: return "loadOnTop";
    case CargoRule::Fragile: return "fragile";
    case CargoRule::Stops: return "stops";
    case CargoRule::BalanceWindow: return "balanceWindow";
    case CargoRule::AxleLoads: return "axleLoads";
  }
  return {};
}
