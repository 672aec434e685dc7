#pragma once
// Proposing a pattern the cover model would pay for: a container's worth of cartons (by
// volume and weight, within what the patterns seen so far show the container type holds)
// of the greatest worth at the model's prices. Cheap: the load-max planner then says what
// of it really fits.

#include <cstdint>
#include <vector>

#include "engine/fleet/fleet.h"
#include "engine/fleet/patterns.h"

namespace fleet {

struct Proposal {
  std::vector<std::int32_t> counts;  // cartons per carton type
  double worth = 0;                  // sum of price x count
};

// The counts for one container of the type: greedily by price per share of the container
// (the larger of the volume share and the weight share), no type beyond its demand or
// beyond the most of it any pattern of this container type held alone.
Proposal proposePattern(const FleetInput& input, std::int32_t type, const std::vector<double>& prices,
                        const std::vector<std::int32_t>& demand, const std::vector<Pattern>& pool);

}  // namespace fleet
