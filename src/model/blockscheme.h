#pragma once
// One result block: nx x ny x nz identical cartons in one orientation at a vertex.
// Axes: x across the container width, y up, z along the length from the inner end.

#include <cstdint>
#include <string>

struct BlockScheme {
  std::int32_t x = 0, y = 0, z = 0;              // vertex: the corner with the smallest coordinates
  std::int32_t sizeX = 0, sizeY = 0, sizeZ = 0;  // one carton's extents in this orientation
  std::int32_t nx = 0, ny = 0, nz = 0;           // cartons along x, y, z
  std::int32_t orientation = 0;                  // orientation code 0-5
  std::int32_t material = 0;                     // colour index of the carton type
  std::int32_t count = 0;                        // cartons actually placed, <= nx*ny*nz
  std::int32_t gapX = 0, gapY = 0, gapZ = 0;     // spacing the block was computed with
  std::int32_t cartonIndex = -1;                 // position of the carton type in the project's cartons
  std::string cartonName;                        // the carton type's name at calculation time

  // nx*ny*nz: the cartons the block's grid can hold.
  std::int64_t capacity() const;
  // sizeX*sizeY*sizeZ*count in mm³.
  double netVolume() const;
  // (sizeX+gapX)*(sizeY+gapY)*(sizeZ+gapZ)*count in mm³.
  double grossVolume() const;
  // "L-W面朝门，W-H面朝上" and its kin; "未知" for a code outside 0-5.
  std::string orientationText() const;

  bool operator==(const BlockScheme&) const = default;
};

// The name of an orientation code, as BlockScheme::orientationText gives it.
std::string orientationName(std::int32_t orientation);
