#pragma once
// The order a loader puts the blocks of a plan into the container: from the inner end
// toward the door and from the floor up, never a block before one that lies under it or
// behind it. The step-by-step view walks the plan in this order, and a calculation hands
// its blocks out in it, so the result list, the view and the exported plan agree.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/blockscheme.h"

struct ProjectInput;

// The blocks' indexes in loading order: of the blocks whose supports (blocks lower down
// under their footprint) and whose blocks behind (nearer the inner end across their face)
// are all placed, the one nearest the inner end goes next, then the lowest, then the one
// nearest x = 0, then the first in the list. A list already in that order gives 0, 1, 2 ...
std::vector<std::size_t> loadingOrder(const std::vector<BlockScheme>& blocks);

// The same, group by group where the blocks allow: of the blocks ready, those of the
// lowest group go first. groups[i] is block i's (a missing entry counts as 0); the loader
// loads the last stop first, so a block's group is the number of stops after its own.
std::vector<std::size_t> loadingOrder(const std::vector<BlockScheme>& blocks, const std::vector<std::int32_t>& groups);

// The groups of the blocks by their cartons' delivery stops: the number of stops after a
// block's own, so that the last stop is loaded first (all 0 without stops).
std::vector<std::int32_t> stopGroups(const ProjectInput& project, const std::vector<BlockScheme>& blocks);

// Rearranges blocks into loading order, group by group.
void putInLoadingOrder(std::vector<BlockScheme>& blocks, const std::vector<std::int32_t>& groups = {});
