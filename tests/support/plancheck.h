#pragma once
// An independent check of a loading plan given carton by carton: it knows nothing of how
// the plan was made and shares no data structure with the planner.

#include <cstdint>
#include <string>
#include <vector>

namespace plancheck {

// Edge bits: L = 1, W = 2, H = 4.
struct CheckType {
  std::int32_t length = 0, width = 0, height = 0;
  std::int32_t count = 0;
  double weight = 0;
  std::uint8_t vertical = 7;  // edges that may stand vertical anywhere
  std::uint8_t lying = 0;     // edges that may stand vertical only in lying top layers
  std::int32_t lyingLayers = 0;
  std::int32_t zone = 1;      // 0 inner end, 1 free, 2 door
};

struct CheckCarton {
  std::int32_t type = 0;
  std::int32_t x = 0, y = 0, z = 0;
  std::int32_t sizeX = 0, sizeY = 0, sizeZ = 0;  // net extents
};

struct CheckPlan {
  std::int32_t width = 0, height = 0, length = 0;  // container along x, y, z
  std::int32_t gapX = 0, gapY = 0, gapZ = 0;
  double maxWeight = 1e300;
  std::int32_t supportPercent = 100;
  std::vector<CheckType> types;
  std::vector<CheckCarton> cartons;
};

// Every broken rule, one line each; empty when the plan keeps them all.
std::vector<std::string> checkPlan(const CheckPlan& plan);

}  // namespace plancheck
