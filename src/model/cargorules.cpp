#include "model/cargorules.h"

#include <algorithm>

#include "model/language.h"
#include "model/projectinput.h"

std::vector<CargoRule> cargoRulesInUse(const ProjectInput& input) {
  const auto anyCarton = [&](auto test) { return std::any_of(input.cartons.begin(), input.cartons.end(), test); };
  std::vector<CargoRule> rules;
  if (anyCarton([](const Carton& c) { return !c.stackable; })) rules.push_back(CargoRule::NotStackable);
  if (anyCarton([](const Carton& c) { return c.maxLoadOnTop.has_value(); })) rules.push_back(CargoRule::LoadOnTop);
  if (anyCarton([](const Carton& c) { return c.fragile; })) rules.push_back(CargoRule::Fragile);
  if (!input.cartons.empty()) {
    const std::size_t first = stopIndexOf(input, input.cartons.front());
    if (anyCarton([&](const Carton& c) { return stopIndexOf(input, c) != first; })) rules.push_back(CargoRule::Stops);
  }
  // The project's container, and the container types of its fleet.
  std::vector<const Container*> containers{&input.container};
  for (const ContainerType& type : input.fleet) containers.push_back(&type.container);
  const auto anyContainer = [&](auto test) { return std::any_of(containers.begin(), containers.end(), test); };
  if (anyContainer([](const Container* c) { return c->balance.active(); })) rules.push_back(CargoRule::BalanceWindow);
  if (anyContainer([](const Container* c) { return c->vehicle.has_value(); })) rules.push_back(CargoRule::AxleLoads);
  return rules;
}

std::string cargoRuleName(CargoRule rule) {
  switch (rule) {
    case CargoRule::NotStackable: return inLanguage("不可堆叠", "not stackable");
    case CargoRule::LoadOnTop: return inLanguage("顶部最大承重", "maximum load on top");
    case CargoRule::Fragile: return inLanguage("易碎", "fragile");
    case CargoRule::Stops: return inLanguage("目的地（送货顺序）", "delivery stops");
    case CargoRule::BalanceWindow: return inLanguage("重心范围", "centre of gravity window");
    case CargoRule::AxleLoads: return inLanguage("轴荷", "axle loads");
  }
  return {};
}

std::string cargoRuleNames(const std::vector<CargoRule>& rules) {
  std::string names;
  for (const CargoRule rule : rules) names += (names.empty() ? "" : inLanguage("、", ", ")) + cargoRuleName(rule);
  return names;
}

std::optional<std::size_t> firstStopOf(const ProjectInput& input, const std::vector<std::int32_t>& cartonTypes) {
  if (input.stops.empty()) return std::nullopt;
  std::optional<std::size_t> first;
  for (const std::int32_t type : cartonTypes) {
    if (type < 0 || static_cast<std::size_t>(type) >= input.cartons.size()) continue;
    const std::size_t index = stopIndexOf(input, input.cartons[static_cast<std::size_t>(type)]);
    if (!first || index < *first) first = index;
  }
  return first;
}

std::size_t stopIndexOf(const ProjectInput& input, const Carton& carton) {
  if (input.stops.empty()) return 0;
  const auto named = std::find(input.stops.begin(), input.stops.end(), carton.stop);
  if (carton.stop.empty() || named == input.stops.end()) return input.stops.size() - 1;
  return static_cast<std::size_t>(named - input.stops.begin());
}

std::string stopNameOf(const ProjectInput& input, const Carton& carton) {
  return input.stops.empty() ? std::string() : input.stops[stopIndexOf(input, carton)];
}
