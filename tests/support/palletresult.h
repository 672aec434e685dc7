#pragma once
// Tests that need a pallet result made by hand: two EUR pallets and a loose carton.

#include "model/fillscheme.h"

// A block of carton type cartonIndex of p standing upright (orientation 3) at x, y, z.
inline BlockScheme uprightBlock(std::int32_t cartonIndex, std::int32_t x, std::int32_t y, std::int32_t z, std::int32_t nx,
                                std::int32_t ny, std::int32_t nz, std::int32_t count, const FillScheme& p) {
  const Carton& c = p.cartons[static_cast<std::size_t>(cartonIndex)];
  BlockScheme b;
  b.x = x, b.y = y, b.z = z;
  b.sizeX = c.width, b.sizeY = c.height, b.sizeZ = c.length;
  b.nx = nx, b.ny = ny, b.nz = nz, b.count = count;
  b.orientation = 3;
  b.cartonIndex = cartonIndex;
  b.cartonName = c.name;
  b.material = c.material;
  return b;
}

// Two EUR pallets and a loose fridge in a 40' container: pallet 0 near the door with two
// carton types (8 microwaves in two layers, 4 rice cookers on top), pallet 1 at the inner
// end with 8 microwaves; the fridge beside them. Five rice cookers are left over.
inline FillScheme palletPlan() {
  FillScheme p;
  p.container = Container{"40尺高柜", 12032, 2352, 2698, 26500};
  const auto add = [&p](const char* name, int l, int w, int h, double kg, int count, const char* pallet) {
    Carton& c = p.addCarton();
    c.name = name, c.length = l, c.width = w, c.height = h, c.weight = kg, c.count = count, c.pallet = pallet;
  };
  add("微波炉", 600, 400, 300, 15, 16, "EUR");
  add("电饭煲", 600, 400, 250, 6, 9, "EUR");
  add("冰箱", 700, 650, 1700, 75, 1, "");
  LoadedPallet mixed;
  mixed.type = palletPresets()[0];
  mixed.blocks = {uprightBlock(0, 0, 144, 0, 2, 2, 2, 8, p), uprightBlock(1, 0, 744, 0, 2, 1, 2, 4, p)};
  measurePallet(mixed, p.cartons);
  LoadedPallet plain;
  plain.type = palletPresets()[0];
  plain.blocks = {uprightBlock(0, 0, 144, 0, 2, 2, 2, 8, p)};
  measurePallet(plain, p.cartons);
  p.result.mode = PlanningMode::Pallets;
  p.result.pallets = {mixed, plain};
  const BlockScheme fridge = uprightBlock(2, 1000, 0, 0, 1, 1, 1, 1, p);
  p.result.containers = {LoadedContainer{
      p.container, {fridge}, -1, {PalletPlacement{0, 0, 0, 1200, false}, PalletPlacement{1, 0, 0, 0, false}}}};
  return p;
}

