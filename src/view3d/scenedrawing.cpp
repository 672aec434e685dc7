#include "view3d/scenedrawing.h"

#include <array>
#include <utility>

#include "view3d/gravitymarker.h"

namespace {

constexpr float kFrameLineWidth = 1.5f;
constexpr float kCartonLineWidth = 1.0f;

// Shades of the faces perpendicular to x, y and z for each orientation code.
constexpr std::array<std::array<int, 3>, 6> kFaceShades{{
    {kShadeMiddle, kShadeDark, kShadeLight},  // 0: W, L, H along x, y, z
    {kShadeLight, kShadeMiddle, kShadeDark},  // 1: H, W, L
    {kShadeDark, kShadeLight, kShadeMiddle},  // 2: L, H, W
    {kShadeMiddle, kShadeLight, kShadeDark},  // 3: W, H, L
    {kShadeLight, kShadeDark, kShadeMiddle},  // 4: H, L, W
    {kShadeDark, kShadeMiddle, kShadeLight},  // 5: L, W, H
}};

bool knownOrientation(std::int32_t orientation) {
  return orientation >= 0 && orientation < static_cast<std::int32_t>(kFaceShades.size());
}

}  // namespace

int faceShade(std::int32_t orientation, FaceAxis axis) {
  if (!knownOrientation(orientation)) return kShadeDark;
  return kFaceShades[static_cast<std::size_t>(orientation)][static_cast<std::size_t>(axis)];
}

void drawScene(const Scene& scene, SceneCanvas& canvas) {
  canvas.clearBuffers();
  canvas.pushMatrix();

  canvas.setLineWidth(kFrameLineWidth);
  const SceneSize& size = scene.sceneSize;
  const Shades black{0, 0, 0};
  drawBox(scene, 0, 0, 0, 0, size.width, size.height, size.length, black, false, canvas);

  canvas.setLineWidth(kCartonLineWidth);
  for (std::size_t i = 0; i < scene.sceneBlocks.size(); ++i) {
    drawCubeBlock(scene, scene.sceneBlocks[i], canvas, static_cast<std::int64_t>(i) == scene.highlightedBlock);
  }
  drawGravityMarker(scene, canvas);

  canvas.popMatrix();
}

namespace {

// Calls draw(x, y, z) with the corner of each of the first count cartons of the block's
// grid, in drawing order.
template <typename Draw>
void forEachCarton(const CubeBlock& block, Draw draw) {
  // Whether the grid cell (i, j, k) holds a drawn carton.
  const auto filled = [&block](std::int64_t i, std::int64_t j, std::int64_t k) {
    if (i < 0 || j < 0 || k < 0 || i >= block.nx || j >= block.ny || k >= block.nz) return false;
    return (i * block.ny + j) * block.nz + k < block.count;
  };
  // 64 bits, so that no product of grid index and pitch can overflow.
  const std::int64_t pitchX = std::int64_t{block.sizeX} + block.gapX;
  const std::int64_t pitchY = std::int64_t{block.sizeY} + block.gapY;
  const std::int64_t pitchZ = std::int64_t{block.sizeZ} + block.gapZ;
  std::int64_t drawn = 0;
  for (std::int32_t i = 0; i < block.nx; ++i) {
    for (std::int32_t j = 0; j < block.ny; ++j) {
      for (std::int32_t k = 0; k < block.nz; ++k) {
        if (++drawn > block.count) return;
        unsigned open = kAllFaces;
        if (filled(i - 1, j, k)) open &= ~kFaceMinusX;
        if (filled(i + 1, j, k)) open &= ~kFacePlusX;
        if (filled(i, j - 1, k)) open &= ~kFaceMinusY;
        if (filled(i, j + 1, k)) open &= ~kFacePlusY;
        if (filled(i, j, k - 1)) open &= ~kFaceMinusZ;
        if (filled(i, j, k + 1)) open &= ~kFacePlusZ;
        draw(static_cast<double>(block.x + i * pitchX), static_cast<double>(block.y + j * pitchY),
             static_cast<double>(block.z + k * pitchZ), open);
      }
    }
  }
}

}  // namespace

void drawCubeBlock(const Scene& scene, const CubeBlock& block, SceneCanvas& canvas, bool highlighted) {
  const Shades shades = blockShades(block.color);
  canvas.setEdgeColor(highlighted ? kHighlightEdgeColor : edgeColor(shades));
  forEachCarton(block, [&](double x, double y, double z, unsigned open) {
    drawBox(scene, x, y, z, block.orientation, block.sizeX, block.sizeY, block.sizeZ, shades, true, canvas, open);
  });
}

void drawBox(const Scene& scene, double x, double y, double z, std::int32_t orientation, double dx,
             double dy, double dz, const Shades& shades, bool solid, SceneCanvas& canvas, unsigned faces) {
  x -= scene.sceneSize.width * 0.5;
  y -= scene.sceneSize.height * 0.5;
  z -= scene.sceneSize.length * 0.5;

  canvas.setColor(shades[kShadeDark]);
  const bool shaded = solid && knownOrientation(orientation);
  auto setAxisColor = [&](FaceAxis axis) {
    if (shaded) canvas.setColor(shades[static_cast<std::size_t>(faceShade(orientation, axis))]);
  };

  // The corners as listed wind counter-clockwise seen from +x, +y and +z; a solid box's
  // faces toward -x, -y and -z are wound the other way round, so that each face is
  // counter-clockwise seen from outside.
  unsigned next = 1;  // the bit of the face drawn next, in the order below
  auto face = [&](FaceCorners corners, bool facesPlus) {
    const bool wanted = (faces & next) != 0;
    next <<= 1;
    if (!wanted) return;
    if (solid && !facesPlus) std::swap(corners[1], corners[3]);
    canvas.drawFace(corners, solid);
  };
  setAxisColor(FaceAxis::X);
  face({{{x, y, z}, {x, y + dy, z}, {x, y + dy, z + dz}, {x, y, z + dz}}}, false);
  face({{{x + dx, y, z}, {x + dx, y + dy, z}, {x + dx, y + dy, z + dz}, {x + dx, y, z + dz}}}, true);
  setAxisColor(FaceAxis::Y);
  face({{{x, y, z}, {x, y, z + dz}, {x + dx, y, z + dz}, {x + dx, y, z}}}, false);
  face({{{x, y + dy, z}, {x, y + dy, z + dz}, {x + dx, y + dy, z + dz}, {x + dx, y + dy, z}}}, true);
  setAxisColor(FaceAxis::Z);
  face({{{x, y, z}, {x + dx, y, z}, {x + dx, y + dy, z}, {x, y + dy, z}}}, false);
  face({{{x, y, z + dz}, {x + dx, y, z + dz}, {x + dx, y + dy, z + dz}, {x, y + dy, z + dz}}}, true);
}
