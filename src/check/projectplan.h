#pragma once
// The checker's input taken from a loading project: its container, spacing and carton
// types, and a plan given as result blocks or as cartons.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "check/palletcheck.h"
#include "check/planjson.h"
#include "check/plancheck.h"

struct BlockScheme;
struct PalletType;
struct LoadedContainer;
struct ProjectInput;
struct ProjectResult;

namespace check {

// The container (width along x, height along y, length along z, maximum load, balance
// window, vehicle), the spacing (spacingW across, spacingH up, spacingL along the length),
// the stops and every carton type in list order, so that a type's index is its
// cartonIndex. A mustUp carton stands on its height only; with upendLayers it may also lie
// on its length or width in that many layers. The zone follows the position requirement
// (spaceIndex 0, 100, 200); the stop is the index of the carton's stop (none: the last);
// the stacking rules are the carton's. No cartons placed.
CheckInput projectCheckInput(const ProjectInput& project, std::int32_t supportPercent,
                             std::int64_t setCount);

// The cartons of the blocks, block by block. A block holds the first count places of its
// grid: along z first, then up along y, then across along x.
std::vector<PlacedCarton> cartonsOfBlocks(std::span<const BlockScheme> blocks);

// One loaded container of a project's result: the loaded container's size, load, balance
// window and vehicle, the project's spacing, stops and cartons, the support the result
// promises, and its blocks' cartons.
// A sets result may load as many whole sets as its cartons make; the others each carton
// entered at most once (over all their containers: commands/resultcheck counts that).
CheckInput loadedContainerCheckInput(const ProjectInput& project, const ProjectResult& result,
                                     const LoadedContainer& loaded);

// A pallet type as the checker takes it.
PalletKind palletKindOf(const PalletType& type);

// The plan of a project's pallet result (PlanningMode::Pallets) as the pallet checker takes
// it: the project's spacing and cartons (each counted once over the plan, each with the
// pallet type it names, by the name of the type found), the support the result promises,
// its built pallets with the heights and gross weights it states, its loaded containers
// with their loose cartons and placed pallets.
NestedPlan nestedPlanOfResult(const ProjectInput& project, const ProjectResult& result);

// A pallet plan read from JSON, against the project: its pallet types by name (the
// project's own, then the presets), its containers by the index of their type
// (ProjectInput::fleetOrContainer), the project's spacing and cartons, the support given.
// Nothing, with the reason in the program's language, when a name or an index names
// nothing of the project.
struct NestedPlanReading {
  std::optional<NestedPlan> plan;
  std::string reason;
};
NestedPlanReading nestedPlanOfJson(const ProjectInput& project, const JsonPalletPlan& json,
                                   std::int32_t supportPercent);

}  // namespace check
