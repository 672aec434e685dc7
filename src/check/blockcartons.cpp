#include "check/blockcartons.h"

#include <algorithm>
#include <limits>

namespace check {

std::int64_t blockCapacity(const CartonBlock& b) {
  if (b.nx <= 0 || b.ny <= 0 || b.nz <= 0) return 0;
  const std::int64_t layer = std::int64_t{b.nx} * b.ny;
  if (layer > std::numeric_limits<std::int64_t>::max() / b.nz)
    return std::numeric_limits<std::int64_t>::max();
  return layer * b.nz;
}

void appendBlockCartons(const CartonBlock& b, std::vector<PlacedCarton>& out) {
  const std::int64_t filled = std::clamp<std::int64_t>(b.count, 0, blockCapacity(b));
  const std::int64_t pitchX = std::int64_t{b.sizeX} + b.gapX;
  const std::int64_t pitchY = std::int64_t{b.sizeY} + b.gapY;
  const std::int64_t pitchZ = std::int64_t{b.sizeZ} + b.gapZ;
  for (std::int64_t place = 0; place < filled; ++place) {
    const std::int64_t k = place % b.nz;
    const std::int64_t j = place / b.nz % b.ny;
    const std::int64_t i = place / (std::int64_t{b.nz} * b.ny);
    out.push_back(PlacedCarton{b.type, static_cast<std::int32_t>(b.x + i * pitchX),
                               static_cast<std::int32_t>(b.y + j * pitchY),
                               static_cast<std::int32_t>(b.z + k * pitchZ), b.sizeX, b.sizeY,
                               b.sizeZ});
  }
}

}  // namespace check
