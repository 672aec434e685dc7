#pragma once
// The picture of a built pallet for the warehouse that builds it: its layers one beside the
// other, each seen from above, the base under it and the layer's cartons in their colours.

#include <cstdint>
#include <string>
#include <vector>

#include "boxpic/steppicture.h"

namespace boxpic {

// Pallet coordinates: x across the pallet, y up, z along its length, the origin at the
// corner of the loading area (the base with the overhang on every side).
struct PalletPicture {
  int pictureWidth = 600, pictureHeight = 400;
  double palletWidth = 0, palletLength = 0;  // the base, mm
  double overhang = 0;                       // mm cartons may reach beyond each edge of the base
  std::vector<StepBlock> blocks;             // the cartons on the pallet
  // Each layer's caption: prefix, its number from 1, suffix ("第 ", " 层").
  std::string layerPrefix, layerSuffix;
};

// A carton of a layer as seen from above: its extent across (x) and along (z).
struct LayerCarton {
  double x = 0, z = 0, sizeX = 0, sizeZ = 0;
  std::int32_t color = 0;
};
// The cartons whose bottoms lie at one height.
struct PalletLayer {
  double bottom = 0;
  std::vector<LayerCarton> cartons;
};

// The layers of the blocks' cartons from the lowest up: cartons whose bottoms lie within
// half a millimetre of each other are one layer.
std::vector<PalletLayer> palletLayers(const std::vector<StepBlock>& blocks);

// Draws the picture and writes it as a PNG file; false when the file cannot be written.
bool drawPalletPicture(const PalletPicture& picture, const std::string& file);

}  // namespace boxpic
