#pragma once
// Which carton type can go into which container type at all: in some orientation it may
// take, with the spacing, within the inner size, and not heavier than the maximum load.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/fleet/fleet.h"

namespace fleet {

// The gross extents (spacing included) along x, y and z of every orientation the type may
// take, repeats left out.
std::vector<std::array<std::int32_t, 3>> grossOrientations(const MaxLoadType& type, std::int32_t gapX,
                                                           std::int32_t gapY, std::int32_t gapZ);

// Whether one carton of the type fits into the container type by size and weight.
bool fitsInto(const MaxLoadInput& cargo, std::size_t type, const FleetContainerType& container);

// Per carton type: why no container type of the input can take it, or None.
std::vector<UnfitReason> unfitTypes(const FleetInput& input);

}  // namespace fleet
