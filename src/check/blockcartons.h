#pragma once
// The cartons of a result block: nx x ny x nz places of one carton type in one orientation
// at a vertex, of which the first count are filled.

#include <cstdint>
#include <vector>

#include "check/plancheck.h"

namespace check {

struct CartonBlock {
  std::int32_t type = 0;                         // index into CheckInput::types
  std::int32_t x = 0, y = 0, z = 0;              // vertex of the block
  std::int32_t sizeX = 0, sizeY = 0, sizeZ = 0;  // one carton's net extents
  std::int32_t nx = 0, ny = 0, nz = 0;           // places along x, y, z
  std::int32_t count = 0;                        // cartons in the block
  std::int32_t gapX = 0, gapY = 0, gapZ = 0;     // spacing between its cartons
};

// Places in the grid: nx * ny * nz, 0 when a side is not positive (at most INT64_MAX).
std::int64_t blockCapacity(const CartonBlock& block);

// Appends the block's cartons to out: the first count places of its grid, along z first,
// then up along y, then across along x, each place one net extent plus one gap further.
// A count beyond the grid has no places for the rest; none are appended for them.
void appendBlockCartons(const CartonBlock& block, std::vector<PlacedCarton>& out);

}  // namespace check
