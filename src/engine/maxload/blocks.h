#pragma once
// The blocks the load-max planner places: a simple block is nx x ny x nz cartons of one
// type in one orientation; a general block joins two blocks side by side or one on top of
// the other when their bounding box is nearly full. All sizes are gross (with spacing).

#include <cstdint>
#include <vector>

#include "engine/maxload/maxload.h"

namespace maxload {

inline constexpr int kMaxLeaves = 4;  // simple blocks inside one general block

// One simple block inside a block, at an offset from the block's vertex.
struct Leaf {
  std::int32_t type = 0, orientation = 0;
  std::int32_t nx = 1, ny = 1, nz = 1;
  std::int32_t ox = 0, oy = 0, oz = 0;        // offset of its vertex in the block
  std::int32_t cx = 0, cy = 0, cz = 0;        // one carton's gross extents
  std::int32_t netX = 0, netY = 0, netZ = 0;  // one carton's net extents
  std::int32_t sx() const { return nx * cx; }
  std::int32_t sy() const { return ny * cy; }
  std::int32_t sz() const { return nz * cz; }
};

struct Block {
  std::int32_t sx = 0, sy = 0, sz = 0;  // gross bounding box
  double volume = 0;                    // net volume of its cartons
  double grossVolume = 0;               // gross volume of its cartons
  double weight = 0;                    // kg
  std::int32_t zone = 1;
  bool lying = false;                   // holds cartons lying on an edge they may only lie on
  bool closedTop = false;               // nothing may stand on it: it holds lying or not stackable cartons
  bool flatTop = true;                  // its top is one face over its whole footprint
  std::int32_t leafCount = 0;
  Leaf leaves[kMaxLeaves];
  // Cartons used per type; a leaf's type may repeat.
  std::int32_t useCount = 0;
  std::int32_t useType[kMaxLeaves] = {};
  std::int32_t useCartons[kMaxLeaves] = {};
};

// The container and types in the planner's terms.
struct Problem {
  std::int32_t X = 0, Y = 0, Z = 0;
  std::int32_t gapX = 0, gapY = 0, gapZ = 0;
  double maxWeight = 0;
  std::int32_t supportPercent = 100;
  std::vector<MaxLoadType> types;      // counts 0 for cartons that cannot be loaded at all
  std::vector<std::int32_t> available;  // the counts as given (at least 0)
  std::vector<double> typeVolume;   // net volume of one carton
  std::vector<std::int32_t> typeMinDim;  // smallest gross extent over its orientations
  double cargoVolume = 0;           // net volume of everything available
  // The zones along the length in loading order: the stops, the last first, each with its
  // inner-end, free and door zones. A type's rank is its place in that order.
  std::vector<std::int32_t> typeRank;
  std::int32_t zoneCount = 3;
};

Problem makeProblem(const MaxLoadInput& input);

// Simple blocks of every allowed orientation and every grid the counts allow, and general
// blocks made of pairs of them, largest volume first. At most maxBlocks in all.
std::vector<Block> generateBlocks(const Problem& problem, std::size_t maxBlocks,
                                  bool withGeneralBlocks);

}  // namespace maxload
