#pragma once
// Taking cartons out of a loaded container's plan without disturbing the rest: only a
// carton that carries nothing is taken, the last of its block's filled places (blocks hold
// the first count places of their grid, along z, then up, then across), so the plan keeps
// every rule it kept.

#include <cstdint>
#include <vector>

#include "model/blockscheme.h"

namespace fleet {

// Takes up to `count` cartons of the carton type out of blocks, from the blocks nearest
// the door first. Returns how many it took; fewer when the others carry something. Blocks
// left empty are removed.
std::int32_t takeOut(std::vector<BlockScheme>& blocks, std::int32_t cartonType, std::int32_t count);

}  // namespace fleet
