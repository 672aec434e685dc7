#pragma once
// Lower bounds on what loading every carton takes: no plan can use fewer containers or
// cost less.

#include <cstdint>
#include <vector>

#include "engine/fleet/fleet.h"

namespace fleet {

struct FleetBound {
  std::int64_t containers = 0;
  double cost = 0;
};

// For the counts given (cartons to load per type): the volume and weight of the cargo
// against each container type's, and cartons that can share no container with each other
// (too large to go beside another of the set, whatever their orientations, or too heavy
// together), which need a container each, with the volume left beside them.
FleetBound lowerBound(const FleetInput& input, const std::vector<std::int32_t>& counts);

// The bound for every carton that some container type takes (the counts of the input).
FleetBound boundOfLoadable(const FleetInput& input);

// Whether loading the cargo would take more than kMostContainers containers: by the bound,
// and for a fixed fleet by the containers it has.
bool needsTooManyContainers(const FleetInput& input, const FleetBound& bound);

// Whether two cartons (of types a and b) can go into one container of the type together:
// within its maximum load, and side by side in some orientations (along some axis their
// gross extents add up to no more than the container's).
bool canShare(const MaxLoadInput& cargo, std::size_t a, std::size_t b, const FleetContainerType& container);

}  // namespace fleet
