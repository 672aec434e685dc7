// A built pallet's box, figures and cartons, in its own coordinates and placed in a
// container, straight and turned.

#include "model/loadedpallet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "model/orientation.h"

namespace {

BlockScheme block(std::int32_t x, std::int32_t y, std::int32_t z, std::int32_t nx, std::int32_t ny, std::int32_t nz,
                  std::int32_t count, std::int32_t orientation = 3) {
  BlockScheme b;
  b.x = x;
  b.y = y;
  b.z = z;
  // A carton of L 400, W 300, H 200 in the orientation.
  const auto [sx, sy, sz] = orientedExtents(orientation, 400, 300, 200);
  b.sizeX = sx;
  b.sizeY = sy;
  b.sizeZ = sz;
  b.nx = nx;
  b.ny = ny;
  b.nz = nz;
  b.count = count;
  b.orientation = orientation;
  b.cartonIndex = 0;
  return b;
}

using Place = std::tuple<std::int32_t, std::int32_t, std::int32_t>;

// The vertexes of the cartons a block list holds, its first count places each.
std::set<Place> places(const std::vector<BlockScheme>& blocks) {
  std::set<Place> out;
  for (const BlockScheme& b : blocks) {
    std::int32_t left = b.count;
    for (std::int32_t ix = 0; ix < b.nx && left > 0; ++ix)
      for (std::int32_t iy = 0; iy < b.ny && left > 0; ++iy)
        for (std::int32_t iz = 0; iz < b.nz && left > 0; ++iz, --left)
          out.insert({b.x + ix * (b.sizeX + b.gapX), b.y + iy * (b.sizeY + b.gapY), b.z + iz * (b.sizeZ + b.gapZ)});
  }
  return out;
}

LoadedPallet pallet() {
  LoadedPallet p;
  p.type = PalletType{"T", 1000, 600, 100, 20, 1500, 800, 50, true, 500, kForkFromAllSides};
  return p;
}

}  // namespace

TEST(LoadedPallet, theBoxHoldsTheBaseAndTheCartonsReachingOverIt) {
  LoadedPallet p = pallet();
  EXPECT_EQ(palletBox(p), (PlacedBox{50, 0, 50, 600, 100, 1000})) << "the base alone";
  // Two cartons across (300 each) from x 10, reaching 40 mm over the left edge; three
  // along (400 each) from z 0, 200 mm beyond the base's far end; one layer of 200 on the base.
  p.blocks = {block(10, 100, 0, 2, 1, 3, 6)};
  EXPECT_EQ(palletBox(p), (PlacedBox{10, 0, 0, 640, 300, 1200}));
  // Five of a 2 x 2 x 3 grid fill the first slab and two of the next, in its first row.
  p.blocks = {block(50, 100, 50, 2, 2, 3, 5)};
  const PlacedBox box = palletBox(p);
  EXPECT_EQ(box.sizeY, 500) << "the first slab has two rows";
  EXPECT_EQ(box.sizeX, 600);
}

TEST(LoadedPallet, fullBlocksHoldTheSamePlaces) {
  for (std::int32_t count = 1; count <= 24; ++count) {
    const std::vector<BlockScheme> partial = {block(0, 100, 0, 2, 3, 4, count)};
    const std::vector<BlockScheme> full = fullBlocks(partial);
    EXPECT_EQ(places(full), places(partial)) << count;
    for (const BlockScheme& b : full) EXPECT_EQ(b.count, b.nx * b.ny * b.nz) << count;
  }
}

TEST(LoadedPallet, measuresHeightGrossWeightAndCentre) {
  LoadedPallet p = pallet();
  p.blocks = {block(50, 100, 50, 2, 1, 2, 4)};  // 600 across, 800 along, one layer of 200
  const std::vector<Carton> cartons = {Carton{"c", 400, 300, 200, false, 0, 10.0}};
  measurePallet(p, cartons);
  EXPECT_EQ(p.height, 300);
  EXPECT_DOUBLE_EQ(p.grossWeight, 60.0);
  // The tare (20 kg) at the middle of the base: x 350, y 50, z 550; the cartons (40 kg):
  // x 350, y 200, z 450.
  EXPECT_DOUBLE_EQ(p.centreX, 350.0);
  EXPECT_DOUBLE_EQ(p.centreY, (20 * 50.0 + 40 * 200.0) / 60);
  EXPECT_DOUBLE_EQ(p.centreZ, (20 * 550.0 + 40 * 450.0) / 60);
}

TEST(LoadedPallet, aTurnedPalletSwapsItsAxesAndItsCartonsOrientations) {
  LoadedPallet p = pallet();
  p.blocks = {block(50, 100, 50, 2, 1, 2, 3, 3)};
  p.centreX = 100;
  p.centreY = 150;
  p.centreZ = 200;
  const PalletPlacement straight{0, 1000, 0, 2000, false};
  const PalletPlacement turned{0, 1000, 0, 2000, true};
  EXPECT_EQ(placedPalletBox(p, straight), (PlacedBox{1000, 0, 2000, 600, 300, 1000}));
  EXPECT_EQ(placedPalletBox(p, turned), (PlacedBox{1000, 0, 2000, 1000, 300, 600}));
  EXPECT_EQ(placedPalletBase(p, turned), (PlacedBox{1000, 0, 2000, 1000, 100, 600}));
  const std::array<double, 3> centre = placedPalletCentre(p, turned);
  EXPECT_DOUBLE_EQ(centre[0], 1000 + 150.0);
  EXPECT_DOUBLE_EQ(centre[1], 150.0);
  EXPECT_DOUBLE_EQ(centre[2], 2000 + 50.0);
  for (const BlockScheme& b : placedPalletCartons(p, turned)) {
    // The extents the orientation code gives are the block's extents.
    const auto [sx, sy, sz] = orientedExtents(b.orientation, 400, 300, 200);
    EXPECT_EQ(std::make_tuple(sx, sy, sz), std::make_tuple(b.sizeX, b.sizeY, b.sizeZ));
    EXPECT_EQ(b.count, b.nx * b.ny * b.nz);
  }
  std::set<Place> straightPlaces = places(placedPalletCartons(p, straight));
  std::set<Place> turnedPlaces;
  for (const auto& [x, y, z] : places(placedPalletCartons(p, turned))) turnedPlaces.insert({x, y, z});
  ASSERT_EQ(straightPlaces.size(), 3u);
  // Straight: x 1000 + (cartons' x - 50), z 2000 + (z - 50); turned: the offsets swap.
  for (const auto& [x, y, z] : straightPlaces)
    EXPECT_EQ(turnedPlaces.count({1000 + (z - 2000), y, 2000 + (x - 1000)}), 1u);
  for (std::int32_t code = 0; code < kOrientationCount; ++code) {
    const auto [x, y, z] = orientedExtents(code, 1, 2, 3);
    EXPECT_EQ(orientedExtents(swappedOrientation(code), 1, 2, 3), (std::array<int, 3>{z, y, x})) << code;
  }
}
