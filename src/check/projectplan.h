#pragma once
// The checker's input taken from a loading project: its container, spacing and carton
// types, and a plan given as result blocks or as cartons.

#include <cstdint>
#include <span>
#include <vector>

#include "check/plancheck.h"

struct BlockScheme;
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

}  // namespace check
