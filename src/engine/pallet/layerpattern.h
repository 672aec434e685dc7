#pragma once
// One layer of identical cartons on a pallet: the most cartons of one footprint a × b that
// fit side by side on a rectangle X × Z, each carton either way round (the pallet loading
// problem). Every layer is a list of homogeneous blocks.
//
// Two methods: a recursive partitioning of the rectangle into guillotine cuts and
// first-order non-guillotine cuts (five blocks around a middle one) over the raster points
// (the lengths a·i + b·j), for layers of any size; and an exact search that puts cartons,
// one after another, at the first cell of the raster grid still undecided, or leaves that
// cell empty, bounded by the area left, for small layers. bestLayer runs the first and,
// where it falls short of the area bound on a small layer, the second.

#include <cstdint>
#include <vector>

namespace pallet {

// nx × nz cartons at a corner, each a along x and b along z, or, turned, b along x and a
// along z.
struct LayerBlock {
  std::int32_t x = 0, z = 0;
  std::int32_t nx = 0, nz = 0;
  bool turned = false;

  bool operator==(const LayerBlock&) const = default;
};

struct LayerPattern {
  std::vector<LayerBlock> blocks;
  std::int64_t count = 0;     // cartons in the layer
  bool provenBest = false;    // no layer holds more: the area bound is met or the exact search ended
};

struct LayerLimits {
  // The exact search runs on layers whose area bound is at most this many cartons...
  std::int64_t exactUpTo = 60;
  // ...and gives up after this many search steps.
  std::uint64_t exactSteps = 3'000'000;
};

// The lengths a·i + b·j (i, j ≥ 0) up to length, ascending, 0 first.
std::vector<std::int32_t> rasterPoints(std::int32_t length, std::int32_t a, std::int32_t b);

// The area bound: the rectangle cut down to its largest raster lengths, over a carton's area.
std::int64_t layerAreaBound(std::int32_t X, std::int32_t Z, std::int32_t a, std::int32_t b);

// The recursive partitioning.
LayerPattern recursiveLayer(std::int32_t X, std::int32_t Z, std::int32_t a, std::int32_t b);

// The exact search for a layer of more than atLeast cartons; the layer found (empty when
// none holds more), provenBest when the search ended within its steps.
LayerPattern exactLayer(std::int32_t X, std::int32_t Z, std::int32_t a, std::int32_t b, std::int64_t atLeast,
                        std::uint64_t steps);

// The best layer the two methods find.
LayerPattern bestLayer(std::int32_t X, std::int32_t Z, std::int32_t a, std::int32_t b, const LayerLimits& limits = {});

// The cartons of a layer one by one: corner x, z and turned, block by block, along z first.
struct LayerBox {
  std::int32_t x = 0, z = 0;
  bool turned = false;
};
std::vector<LayerBox> layerBoxes(const LayerPattern& pattern, std::int32_t a, std::int32_t b);

}  // namespace pallet
