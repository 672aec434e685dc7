#pragma once
// The scene of the 3D view: the container's size and the blocks whose cartons are drawn.
// The main window fills it (a new project, every tree rebuild, every change of the
// result selection) and then asks the view to repaint.

#include <cstdint>
#include <string>
#include <optional>
#include <vector>

#include "view3d/gravitymarker.h"

struct BlockScheme;
struct Container;
struct PlacedBox;

// The container drawn, used for centring and scaling. Starts as the demo container.
struct SceneSize {
  std::int32_t length = 11800;
  std::int32_t width = 2300;
  std::int32_t height = 2450;
};

// One block as the view draws it: at most count cartons of the grid nx x ny x nz,
// each sizeX x sizeY x sizeZ at the pitch size + gap, from the vertex x, y, z.
struct CubeBlock {
  std::int32_t sizeX = 0, sizeY = 0, sizeZ = 0;
  std::int32_t orientation = 0;  // orientation code 0-5: chooses the face shades
  std::int32_t x = 0, y = 0, z = 0;
  std::int32_t nx = 0, ny = 0, nz = 0;
  std::int32_t gapX = 0, gapY = 0, gapZ = 0;
  std::int32_t count = 0;
  std::uint32_t color = 0;  // packed 0x00BBGGRR
  // What a tooltip names: the block's number in the result list (0: none) and its carton.
  std::int32_t blockNumber = 0;
  std::string cartonName;
};

// The view draws each carton 3 mm smaller than it is and moves the 3 mm into the gap, so
// the pitch (size + gap) stays the block's own and neighbouring cartons of a block show
// as separate boxes with a visible seam instead of one solid brick.
inline constexpr std::int32_t kCartonSeam = 3;

class Scene {
 public:
  SceneSize sceneSize;
  std::vector<CubeBlock> sceneBlocks;  // in drawing order
  // The blocks drawn with white, wider edges (the current loading step): highlightedCount
  // blocks from highlightedBlock; -1: none.
  std::int32_t highlightedBlock = -1;
  std::int32_t highlightedCount = 1;

  std::optional<GravityPoint> gravityPoint;  // the result's centre of gravity, marked when set

  void setGravityPoint(std::optional<GravityPoint> point) { gravityPoint = point; }

  // Removes every block and the highlight.
  void clearScene();
  void addSceneBlock(std::int32_t sizeX, std::int32_t sizeY, std::int32_t sizeZ,
                     std::int32_t orientation, std::int32_t x, std::int32_t y, std::int32_t z,
                     std::int32_t nx, std::int32_t ny, std::int32_t nz, std::int32_t gapX,
                     std::int32_t gapY, std::int32_t gapZ, std::int32_t count, std::uint32_t color);
  // Adds a result block as the view shows it (see kCartonSeam), with its number in the
  // result list (from 1; 0 for none) for the tooltip.
  void addResultBlock(const BlockScheme& block, std::int32_t blockNumber = 0);
  // Adds a pallet's base, a box of the base's size in the colour of wood; the tooltip
  // names caption.
  void addPalletBase(const PlacedBox& base, const std::string& caption);
  // Takes the container's length, width and height; name and weight are not kept.
  void setSceneContainer(const Container& container);
};
