#pragma once
// A built pallet of a result and its place in a container.
//
// A built pallet holds its cartons as result blocks in pallet coordinates
// (model/pallettype.h: x across the pallet, y up from the floor, z along its length, the
// origin at the corner of the loading area). In a container a pallet occupies its box: the
// base and every carton on it. Placed turned, the pallet's x and z axes swap: its length
// lies across the container.

#include <array>
#include <cstdint>
#include <vector>

#include "model/blockscheme.h"
#include "model/carton.h"
#include "model/pallettype.h"

struct LoadedPallet {
  PalletType type;                  // the pallet type as it was when the plan was made
  std::vector<BlockScheme> blocks;  // its cartons in pallet coordinates, in building order
  std::int32_t height = 0;          // built height: the floor to the top of the highest carton, mm
  double grossWeight = 0;           // the pallet and its cartons, kg
  // Centre of gravity of the pallet and its cartons, pallet coordinates, mm.
  double centreX = 0, centreY = 0, centreZ = 0;

  bool operator==(const LoadedPallet&) const = default;
};

// Where a loaded pallet stands in a container.
struct PalletPlacement {
  std::int32_t pallet = 0;           // index into ProjectResult::pallets
  std::int32_t x = 0, y = 0, z = 0;  // the vertex of the pallet's box in the container
  bool turned = false;               // the pallet's length lies across the container (along x)

  bool operator==(const PalletPlacement&) const = default;
};

// An axis-aligned box: vertex and extents, mm.
struct PlacedBox {
  std::int32_t x = 0, y = 0, z = 0;
  std::int32_t sizeX = 0, sizeY = 0, sizeZ = 0;

  bool operator==(const PlacedBox&) const = default;
};

// The box of a built pallet in its own coordinates: the base and every carton on it.
PlacedBox palletBox(const LoadedPallet& pallet);

// The built pallet's height, gross weight and centre of gravity from its type and blocks;
// cartonIndex points into cartons (a carton type that is not there weighs nothing). The
// tare counts at the middle of the base.
void measurePallet(LoadedPallet& pallet, const std::vector<Carton>& cartons);

// The blocks' cartons as blocks that are each full (count = nx * ny * nz), holding the same
// places: a block's first count places, along z first, then up, then across.
std::vector<BlockScheme> fullBlocks(const std::vector<BlockScheme>& blocks);

// The orientation code of a carton whose x and z extents swap.
std::int32_t swappedOrientation(std::int32_t orientation);

// The pallet's box in the container where placement puts it.
PlacedBox placedPalletBox(const LoadedPallet& pallet, const PalletPlacement& placement);
// The pallet's base in the container.
PlacedBox placedPalletBase(const LoadedPallet& pallet, const PalletPlacement& placement);
// The pallet's cartons in the container, as full blocks.
std::vector<BlockScheme> placedPalletCartons(const LoadedPallet& pallet, const PalletPlacement& placement);
// The pallet's centre of gravity in the container: x, y, z.
std::array<double, 3> placedPalletCentre(const LoadedPallet& pallet, const PalletPlacement& placement);
