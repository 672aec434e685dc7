#pragma once
// The cargo rules a project may set beyond sizes, counts and positions: which are in use,
// their names, and the delivery stop of each carton.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct Carton;
struct ProjectInput;

enum class CargoRule {
  NotStackable,   // a carton nothing may rest on
  LoadOnTop,      // a carton that bears at most so many kg
  Fragile,        // a carton only fragile cartons may rest on
  Stops,          // cartons for two or more delivery stops
  BalanceWindow,  // the container bounds its load's centre of gravity
  AxleLoads,      // the container rides on a vehicle whose axles have maxima
};

// The rules the project's input sets, in the order above: a rule is in use when some
// carton is not stackable, has a load limit or is fragile, when the cartons go to more
// than one stop, when the container (or a container type of the fleet) has a balance
// window, and when it has a vehicle.
std::vector<CargoRule> cargoRulesInUse(const ProjectInput& input);

// The rule's name for the user, in the program's language: "不可堆叠", "顶部承重", ...
std::string cargoRuleName(CargoRule rule);
// The names joined: "不可堆叠、易碎" or "not stackable, fragile".
std::string cargoRuleNames(const std::vector<CargoRule>& rules);

// The index of the carton's stop in the project's stops, 0 delivered first: a carton
// without a stop (or one the list does not hold) goes with the last stop; 0 without stops.
std::size_t stopIndexOf(const ProjectInput& input, const Carton& carton);
// Where a group of cartons that comes out together (a block, a pallet) comes out: the first
// stop any of the carton types goes to; nothing without stops or without a known type.
std::optional<std::size_t> firstStopOf(const ProjectInput& input, const std::vector<std::int32_t>& cartonTypes);
// The name of the stop a carton goes to: its own, or the last stop's; empty without stops.
std::string stopNameOf(const ProjectInput& input, const Carton& carton);
