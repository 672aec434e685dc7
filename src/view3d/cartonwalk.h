#pragma once
// Walking the drawn cartons of a block: where each one sits and which of its faces are
// open, that is not against another carton of the same block.

#include <algorithm>
#include <cstdint>

#include "view3d/scene.h"

// The six faces of a box, a bit each, in the order drawBox draws them.
enum BoxFace : unsigned {
  kFaceMinusX = 1u << 0,
  kFacePlusX = 1u << 1,
  kFaceMinusY = 1u << 2,
  kFacePlusY = 1u << 3,
  kFaceMinusZ = 1u << 4,
  kFacePlusZ = 1u << 5,
  kAllFaces = 0x3Fu,
};

// How many cartons of the block are drawn: count, but at most nx * ny * nz and never
// below zero.
inline std::int64_t drawnCartons(const CubeBlock& block) {
  if (block.nx <= 0 || block.ny <= 0 || block.nz <= 0) return 0;
  const std::int64_t cells = std::int64_t{block.nx} * block.ny * block.nz;
  return std::clamp<std::int64_t>(block.count, 0, cells);
}

// Calls visit(x, y, z, open) for each of the first count cartons of the block's grid, in
// drawing order (along z first, then up along y, then across along x): its corner in
// container coordinates and the faces (BoxFace bits) not against another carton of the
// block.
template <typename Visit>
void forEachCarton(const CubeBlock& block, Visit visit) {
  // Whether the grid cell (i, j, k) holds a drawn carton.
  const auto filled = [&block](std::int64_t i, std::int64_t j, std::int64_t k) {
    if (i < 0 || j < 0 || k < 0 || i >= block.nx || j >= block.ny || k >= block.nz) return false;
    return (i * block.ny + j) * block.nz + k < block.count;
  };
  // 64 bits, so that no product of grid index and pitch can overflow.
  const std::int64_t pitchX = std::int64_t{block.sizeX} + block.gapX;
  const std::int64_t pitchY = std::int64_t{block.sizeY} + block.gapY;
  const std::int64_t pitchZ = std::int64_t{block.sizeZ} + block.gapZ;
  std::int64_t drawn = 0;
  for (std::int32_t i = 0; i < block.nx; ++i) {
    for (std::int32_t j = 0; j < block.ny; ++j) {
      for (std::int32_t k = 0; k < block.nz; ++k) {
        if (++drawn > block.count) return;
        unsigned open = kAllFaces;
        if (filled(i - 1, j, k)) open &= ~kFaceMinusX;
        if (filled(i + 1, j, k)) open &= ~kFacePlusX;
        if (filled(i, j - 1, k)) open &= ~kFaceMinusY;
        if (filled(i, j + 1, k)) open &= ~kFacePlusY;
        if (filled(i, j, k - 1)) open &= ~kFaceMinusZ;
        if (filled(i, j, k + 1)) open &= ~kFacePlusZ;
        visit(block.x + i * pitchX, block.y + j * pitchY, block.z + k * pitchZ, open);
      }
    }
  }
}
