#pragma once
// Taking cartons out of a loaded container's plan without disturbing the rest: only a
// carton that carries nothing is taken, the last of its block's filled places (blocks hold
// the first count places of their grid, along z, then up, then across), so the plan keeps
// every rule it kept.

#include <cstdint>
#include <functional>
#include <vector>

#include "model/blockscheme.h"

namespace fleet {

// What the plan must still keep once a carton is out, beyond what rests on what (its
// balance); none: nothing more.
using KeepsAfterTaking = std::function<bool(const std::vector<BlockScheme>&)>;

// Takes up to `count` cartons of the carton type out of blocks, from the blocks nearest
// the door first. Returns how many it took; fewer when the others carry something or
// taking one would break what keeps asks. Blocks left empty are removed.
std::int32_t takeOut(std::vector<BlockScheme>& blocks, std::int32_t cartonType, std::int32_t count,
                     const KeepsAfterTaking& keeps = {});

}  // namespace fleet
