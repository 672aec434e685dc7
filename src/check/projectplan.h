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

// One loaded container of a project's result, against the project's own container type
// (the project's container, or its type in the fleet; never the container stored with the
// plan): that type's size, load, balance window and vehicle, the project's spacing, stops
// and cartons, the support the result promises, and its blocks' cartons.
// A sets result may load as many whole sets as its cartons make; the others each carton
// entered at most once (over all their containers: checkProjectPlan counts that).
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

// ---- One check for every plan: the window's result, a saved plan and cargolyx-cli check.

// A plan in the checker's terms, as the JSON reader gives it (planjson.h), from a project's
// result.
PlanDocument planOfResult(const ProjectResult& result);

// What the check found.
struct PlanVerdict {
  // The plan does not belong to the project (a container type, a pallet type or a planner
  // it does not have): nothing else is checked.
  std::string refusal;
  std::vector<std::string> broken;  // one line per broken rule, naming its container among several
  bool stoppedEarly = false;        // the checker stopped listing; there may be more
  bool holds() const { return refusal.empty() && broken.empty(); }
};

// Checks the plan against the project: each container against its own type (size, maximum
// load, balance window, vehicle), no type used more often than it is available, every rule
// of its cartons (and of its pallets), and no carton type loaded more often than entered
// over all containers. The support is the plan's own (0 for the sets planner, which
// promises none, and 100 for the others when the plan does not say).
PlanVerdict checkProjectPlan(const ProjectInput& project, const PlanDocument& plan);

// That the plan holds, or its broken rules, one a line.
std::string planVerdictText(const PlanVerdict& verdict);

}  // namespace check
