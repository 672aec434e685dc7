#pragma once
// The pictures of the loading steps: the container seen as a loader at the door sees it,
// with what is already loaded and the step's cartons, and the small picture of how a
// carton lies.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "boxpic/view.h"

namespace boxpic {

// A block of a step: nx x ny x nz places, one pitch apart, of which the first count hold a
// carton (along z first, then up along y, then across along x).
struct StepBlock {
  Vec3 vertex;
  Vec3 size;   // one carton's extents along x, y, z
  Vec3 pitch;  // from one place to the next: the size plus the spacing
  std::int32_t nx = 0, ny = 0, nz = 0;
  std::int32_t count = 0;
  std::int32_t color = 0;  // 0x00BBGGRR
};

struct StepPicture {
  int pictureWidth = 600, pictureHeight = 640;
  double containerWidth = 0, containerHeight = 0, containerLength = 0;
  // The blocks loaded so far; the last is the step's own, drawn in its colour with its free
  // places outlined, the others plainly.
  std::vector<StepBlock> blocks;
  std::optional<Vec3> centreOfGravity;  // marked when given
  std::string innerEndLabel, doorLabel;  // UTF-8; an empty label is left out
};

// How a carton lies: its extents along x, y and z and the carton edge along each
// (L = 2, W = 1, H = 0).
struct OrientationPicture {
  int pictureWidth = 160, pictureHeight = 120;
  Vec3 size;
  std::int32_t edgeAlongX = 0, edgeAlongY = 0, edgeAlongZ = 0;
  std::int32_t color = 0;
};

// Each draws its picture and writes it as a PNG file; false when the file cannot be written.
bool drawStepPicture(const StepPicture& picture, const std::string& file);
bool drawOrientationPicture(const OrientationPicture& picture, const std::string& file);

// What a step picture draws: every carton of the blocks, and the free places of the last
// block, in the order to paint them.
enum class PlaceKind { Loaded, StepCarton, FreePlace };
struct DrawnPlace {
  Box box;
  PlaceKind kind = PlaceKind::Loaded;
  std::int32_t color = 0;
};
std::vector<DrawnPlace> stepPlaces(const std::vector<StepBlock>& blocks, const View& view);

// Blocks with more places than this are drawn as one box with grid lines instead of
// carton by carton.
inline constexpr std::int64_t kMaxPlacesDrawn = 200000;

}  // namespace boxpic
