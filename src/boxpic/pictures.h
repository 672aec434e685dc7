#pragma once
// The two pictures of the loading plan, as plain C++ behind the library's C entry points.

#include <cstdint>
#include <string>

namespace boxpic {

struct CartonPicture {
  int pictureWidth = 200, pictureHeight = 200;
  double width = 0, height = 0, length = 0;  // mm along x, y, z
  std::int32_t color = 0;                    // 0x00BBGGRR
};

struct BlockPicture {
  int pictureWidth = 600, pictureHeight = 350;
  double containerWidth = 0, containerHeight = 0, containerLength = 0;
  double x = 0, y = 0, z = 0;                 // the block's vertex
  double pitchX = 0, pitchY = 0, pitchZ = 0;  // carton size plus spacing
  std::int32_t nx = 0, ny = 0, nz = 0;
  std::int32_t edgeAlongY = 0, edgeAlongZ = 0, edgeAlongX = 0;  // L = 2, W = 1, H = 0
  std::int32_t color = 0;
};

// Each draws its picture and writes it as a PNG file; false when the file cannot be written.
// Sizes that describe nothing (zero, negative, not finite) leave that part out of the picture.
bool drawCartonPicture(const CartonPicture& picture, const std::string& file);
bool drawBlockPicture(const BlockPicture& picture, const std::string& file);

// The label of a block's side: "4×L" for 4 cartons with their L edge along it, only "4"
// when the edge codes are not the three edges L, W and H.
std::string sideLabel(std::int32_t count, std::int32_t edge, bool edgesKnown);
// True when the three codes name L, W and H once each.
bool edgesAreKnown(std::int32_t alongY, std::int32_t alongZ, std::int32_t alongX);

}  // namespace boxpic
