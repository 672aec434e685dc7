#include "model/loadedpallet.h"

#include <algorithm>
#include <limits>

PlacedBox palletBox(const LoadedPallet& pallet) {
  const PalletType& t = pallet.type;
  std::int64_t x1 = t.overhang, z1 = t.overhang;
  std::int64_t x2 = std::int64_t{t.overhang} + t.width, z2 = std::int64_t{t.overhang} + t.length;
  std::int64_t top = t.baseHeight;
  for (const BlockScheme& b : pallet.blocks) {
    if (b.count <= 0) continue;
    x1 = std::min<std::int64_t>(x1, b.x);
    z1 = std::min<std::int64_t>(z1, b.z);
    // The places a block's cartons take: whole rows of its grid at most.
    const std::int64_t used = std::min<std::int64_t>(b.count, std::int64_t{b.nx} * b.ny * b.nz);
    const std::int64_t perSlab = std::max<std::int64_t>(1, std::int64_t{b.ny} * b.nz);
    const std::int64_t slabs = (used + perSlab - 1) / perSlab;
    const std::int64_t rows = used >= perSlab ? b.ny : (used + b.nz - 1) / std::max(1, b.nz);
    const std::int64_t along = used >= b.nz ? b.nz : used;
    x2 = std::max(x2, b.x + slabs * (std::int64_t{b.sizeX} + b.gapX) - b.gapX);
    top = std::max(top, b.y + rows * (std::int64_t{b.sizeY} + b.gapY) - b.gapY);
    z2 = std::max(z2, b.z + along * (std::int64_t{b.sizeZ} + b.gapZ) - b.gapZ);
  }
  const auto clamp = [](std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
  };
  return PlacedBox{clamp(x1), 0, clamp(z1), clamp(x2 - x1), clamp(top), clamp(z2 - z1)};
}

std::vector<BlockScheme> fullBlocks(const std::vector<BlockScheme>& blocks) {
  std::vector<BlockScheme> out;
  for (const BlockScheme& b : blocks) {
    const std::int64_t capacity = std::int64_t{b.nx} * b.ny * b.nz;
    const std::int64_t count = std::min<std::int64_t>(b.count, capacity);
    if (count <= 0) continue;
    if (count == capacity) {
      out.push_back(b);
      continue;
    }
    const std::int64_t perSlab = std::int64_t{b.ny} * b.nz;
    const auto slabs = static_cast<std::int32_t>(count / perSlab);
    const auto rows = static_cast<std::int32_t>((count % perSlab) / b.nz);
    const auto rest = static_cast<std::int32_t>(count % b.nz);
    if (slabs > 0) {
      BlockScheme part = b;
      part.nx = slabs;
      part.count = slabs * b.ny * b.nz;
      out.push_back(part);
    }
    const std::int32_t x = b.x + slabs * (b.sizeX + b.gapX);
    if (rows > 0) {
      BlockScheme part = b;
      part.x = x;
      part.nx = 1;
      part.ny = rows;
      part.count = rows * b.nz;
      out.push_back(part);
    }
    if (rest > 0) {
      BlockScheme part = b;
      part.x = x;
      part.y = b.y + rows * (b.sizeY + b.gapY);
      part.nx = part.ny = 1;
      part.nz = rest;
      part.count = rest;
      out.push_back(part);
    }
  }
  return out;
}

void measurePallet(LoadedPallet& pallet, const std::vector<Carton>& cartons) {
  const PalletType& t = pallet.type;
  pallet.height = palletBox(pallet).sizeY;
  double weight = t.tareWeight;
  double mx = t.tareWeight * (t.overhang + t.width / 2.0);
  double my = t.tareWeight * (t.baseHeight / 2.0);
  double mz = t.tareWeight * (t.overhang + t.length / 2.0);
  for (const BlockScheme& b : fullBlocks(pallet.blocks)) {
    const double each = b.cartonIndex >= 0 && static_cast<std::size_t>(b.cartonIndex) < cartons.size()
                            ? cartons[static_cast<std::size_t>(b.cartonIndex)].weight
                            : 0.0;
    const double w = each * b.count;
    weight += w;
    mx += w * (b.x + (b.nx * (double(b.sizeX) + b.gapX) - b.gapX) / 2.0);
    my += w * (b.y + (b.ny * (double(b.sizeY) + b.gapY) - b.gapY) / 2.0);
    mz += w * (b.z + (b.nz * (double(b.sizeZ) + b.gapZ) - b.gapZ) / 2.0);
  }
  pallet.grossWeight = weight;
  if (weight > 0) {
    pallet.centreX = mx / weight;
    pallet.centreY = my / weight;
    pallet.centreZ = mz / weight;
  } else {
    pallet.centreX = t.overhang + t.width / 2.0;
    pallet.centreY = t.baseHeight / 2.0;
    pallet.centreZ = t.overhang + t.length / 2.0;
  }
}

std::int32_t swappedOrientation(std::int32_t orientation) {
  // 0 (W, L, H) <-> 4 (H, L, W); 1 (H, W, L) <-> 5 (L, W, H); 2 (L, H, W) <-> 3 (W, H, L).
  switch (orientation) {
    case 0: return 4;
    case 4: return 0;
    case 1: return 5;
    case 5: return 1;
    case 2: return 3;
    case 3: return 2;
  }
  return orientation;
}

namespace {

// A box of pallet coordinates in the container.
PlacedBox placed(const PlacedBox& box, const PlacedBox& palletBounds, const PalletPlacement& placement) {
  const std::int32_t dx = box.x - palletBounds.x, dz = box.z - palletBounds.z;
  if (!placement.turned)
    return PlacedBox{placement.x + dx, placement.y + box.y, placement.z + dz, box.sizeX, box.sizeY, box.sizeZ};
  return PlacedBox{placement.x + dz, placement.y + box.y, placement.z + dx, box.sizeZ, box.sizeY, box.sizeX};
}

}  // namespace

PlacedBox placedPalletBox(const LoadedPallet& pallet, const PalletPlacement& placement) {
  const PlacedBox box = palletBox(pallet);
  return placed(box, box, placement);
}

PlacedBox placedPalletBase(const LoadedPallet& pallet, const PalletPlacement& placement) {
  const PalletType& t = pallet.type;
  return placed(PlacedBox{t.overhang, 0, t.overhang, t.width, t.baseHeight, t.length}, palletBox(pallet), placement);
}

std::vector<BlockScheme> placedPalletCartons(const LoadedPallet& pallet, const PalletPlacement& placement) {
  const PlacedBox bounds = palletBox(pallet);
  std::vector<BlockScheme> out = fullBlocks(pallet.blocks);
  for (BlockScheme& b : out) {
    const PlacedBox at = placed(PlacedBox{b.x, b.y, b.z, 0, 0, 0}, bounds, placement);
    b.x = at.x;
    b.y = at.y;
    b.z = at.z;
    if (placement.turned) {
      std::swap(b.sizeX, b.sizeZ);
      std::swap(b.nx, b.nz);
      std::swap(b.gapX, b.gapZ);
      b.orientation = swappedOrientation(b.orientation);
    }
  }
  return out;
}

std::array<double, 3> placedPalletCentre(const LoadedPallet& pallet, const PalletPlacement& placement) {
  const PlacedBox bounds = palletBox(pallet);
  const double dx = pallet.centreX - bounds.x, dz = pallet.centreZ - bounds.z;
  if (!placement.turned) return {placement.x + dx, placement.y + pallet.centreY, placement.z + dz};
  return {placement.x + dz, placement.y + pallet.centreY, placement.z + dx};
}
