#pragma once
// The pallet planner behind the calculation call, and its words: when it runs, what stops
// it before it starts, and the summary of a pallet plan.

#include <cstdint>
#include <string>
#include <vector>

#include "commands/calculate.h"
#include "engine/balance.h"

struct FillScheme;

// Whether a request runs the pallet planner: in its own mode, and in any mode once a
// carton names a pallet type (the cartons go onto pallets whichever planner was chosen).
bool runsPalletPlanner(const CalculationRequest& request);
// Whether the pallets and loose cartons of a request go into several containers (the mode
// of several containers, or the pallet mode with a fleet), else as much as fits into the
// project's container.
bool palletsIntoSeveralContainers(const CalculationRequest& request);

// What stops a pallet run before it starts: no cartons, a container type without room, a
// carton naming a pallet type that does not exist, a pallet type of the project's own that
// makes no pallet, a container type without an available count (loading a fixed fleet).
// Empty: it may run.
std::string palletRefusal(const CalculationRequest& request);

// Runs the pallet planner on the request and puts its plan into the report.
void planPalletsInto(const CalculationRequest& request, CancelToken& token, CalculationReport& report);

// The loaded pallets of a pallet result by pallet type, in order of first appearance:
// "EUR" and how many.
struct PalletCount {
  std::string type;
  std::int32_t count = 0;

  bool operator==(const PalletCount&) const = default;
};
std::vector<PalletCount> palletCounts(const FillScheme& project);

// "12 个托盘（EUR 10，ISO 2），散装纸箱 35 箱": the loaded pallets by type and the loose
// cartons. Empty without a pallet result.
std::string palletSummaryText(const FillScheme& project);

// A loaded container of a pallet result with every carton in container coordinates: its
// loose blocks, then each placed pallet's cartons (full blocks, placedPalletCartons). Its
// pallets stay listed. The loaded container as it is for other results.
LoadedContainer containerWithPalletCartons(const FillScheme& project, std::size_t container);

// The weight and balance of a loaded container of a pallet result: its loose cartons, the
// cartons on its pallets, and each pallet's tare at the middle of its base.
LoadBalance palletLoadBalance(const FillScheme& project, std::size_t container);
