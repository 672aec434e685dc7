#include "engine/fleet/trim.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace fleet {
namespace {

struct Box {
  std::int64_t x1, y1, z1, x2, y2, z2;  // gross
};

// The gross box of the block's filled place number k.
Box placeBox(const BlockScheme& b, std::int64_t k) {
  const std::int64_t slice = std::int64_t{b.ny} * b.nz;
  const std::int64_t ix = k / slice, iy = (k % slice) / b.nz, iz = k % b.nz;
  const std::int64_t dx = std::int64_t{b.sizeX} + b.gapX, dy = std::int64_t{b.sizeY} + b.gapY,
                     dz = std::int64_t{b.sizeZ} + b.gapZ;
  const Box box{b.x + ix * dx, b.y + iy * dy, b.z + iz * dz, 0, 0, 0};
  return Box{box.x1, box.y1, box.z1, box.x1 + dx, box.y1 + dy, box.z1 + dz};
}

// Whether a filled place of some block rests on the top of box.
bool carriesSomething(const std::vector<BlockScheme>& blocks, const Box& box) {
  for (const BlockScheme& b : blocks) {
    const std::int64_t dx = std::int64_t{b.sizeX} + b.gapX, dy = std::int64_t{b.sizeY} + b.gapY,
                       dz = std::int64_t{b.sizeZ} + b.gapZ;
    // The block's layers lie at y + k dy; only a layer starting at the box's top matters.
    if (dy <= 0 || box.y2 < b.y || (box.y2 - b.y) % dy != 0) continue;
    const std::int64_t layer = (box.y2 - b.y) / dy;
    if (layer >= b.ny) continue;
    for (std::int64_t k = 0; k < b.count; ++k) {
      const std::int64_t slice = std::int64_t{b.ny} * b.nz;
      if ((k % slice) / b.nz != layer) continue;
      const std::int64_t x = b.x + (k / slice) * dx, z = b.z + (k % b.nz) * dz;
      if (x < box.x2 && box.x1 < x + dx && z < box.z2 && box.z1 < z + dz) return true;
    }
  }
  return false;
}

}  // namespace

std::int32_t takeOut(std::vector<BlockScheme>& blocks, std::int32_t cartonType, std::int32_t count) {
  std::int32_t taken = 0;
  // Blocks nearest the door first: they are loaded last and unloaded first.
  std::vector<std::size_t> order(blocks.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return std::tie(blocks[a].z, blocks[a].y) > std::tie(blocks[b].z, blocks[b].y);
  });
  bool progress = true;
  while (taken < count && progress) {
    progress = false;
    for (const std::size_t i : order) {
      BlockScheme& b = blocks[i];
      while (taken < count && b.cartonIndex == cartonType && b.count > 0 &&
             !carriesSomething(blocks, placeBox(b, b.count - 1))) {
        --b.count;
        ++taken;
        progress = true;
      }
      if (taken == count) break;
    }
  }
  blocks.erase(std::remove_if(blocks.begin(), blocks.end(), [](const BlockScheme& b) { return b.count <= 0; }),
               blocks.end());
  return taken;
}

}  // namespace fleet
