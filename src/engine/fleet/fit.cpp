#include "engine/fleet/fit.h"

#include <algorithm>

#include "model/orientation.h"

namespace fleet {

std::vector<std::array<std::int32_t, 3>> grossOrientations(const MaxLoadType& type, std::int32_t gapX,
                                                           std::int32_t gapY, std::int32_t gapZ) {
  const std::uint8_t standing = type.verticalEdges | (type.lyingLayers > 0 ? type.lyingEdges : 0);
  std::vector<std::array<std::int32_t, 3>> out;
  for (int code = 0; code < kOrientationCount; ++code) {
    if ((standing & edgeBit(verticalEdge(code))) == 0) continue;
    const auto [x, y, z] = orientedExtents(code, type.length, type.width, type.height);
    const std::array<std::int32_t, 3> gross = {x + gapX, y + gapY, z + gapZ};
    if (std::find(out.begin(), out.end(), gross) == out.end()) out.push_back(gross);
  }
  return out;
}

bool fitsInto(const MaxLoadInput& cargo, std::size_t type, const FleetContainerType& container) {
  const MaxLoadType& t = cargo.types[type];
  if (t.weight > container.maxWeight) return false;
  for (const auto& [x, y, z] : grossOrientations(t, cargo.gapX, cargo.gapY, cargo.gapZ))
    if (x <= container.containerX && y <= container.containerY && z <= container.containerZ) return true;
  return false;
}

std::vector<UnfitReason> unfitTypes(const FleetInput& input) {
  std::vector<UnfitReason> reasons(input.cargo.types.size(), UnfitReason::None);
  for (std::size_t i = 0; i < reasons.size(); ++i) {
    if (input.cargo.types[i].count <= 0) continue;
    bool fitsBySize = false, fits = false;
    for (const FleetContainerType& c : input.containers) {
      FleetContainerType weightless = c;
      weightless.maxWeight = input.cargo.types[i].weight;
      fitsBySize = fitsBySize || fitsInto(input.cargo, i, weightless);
      fits = fits || fitsInto(input.cargo, i, c);
    }
    if (!fitsBySize) reasons[i] = UnfitReason::FitsNoContainer;
    else if (!fits) reasons[i] = UnfitReason::HeavierThanEveryContainer;
  }
  return reasons;
}

}  // namespace fleet
