#include "view3d/scenedrawing.h"

#include <array>

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
  for (const CubeBlock& block : scene.sceneBlocks) drawCubeBlock(scene, block, canvas);
  drawGravityMarker(scene, canvas);

  canvas.popMatrix();
}

void drawCubeBlock(const Scene& scene, const CubeBlock& block, SceneCanvas& canvas) {
  const Shades shades = blockShades(block.color);
  // 64 bits, so that no product of grid index and pitch can overflow.
  const std::int64_t pitchX = std::int64_t{block.sizeX} + block.gapX;
  const std::int64_t pitchY = std::int64_t{block.sizeY} + block.gapY;
  const std::int64_t pitchZ = std::int64_t{block.sizeZ} + block.gapZ;
  std::int64_t drawn = 0;
  for (std::int32_t i = 0; i < block.nx; ++i) {
    for (std::int32_t j = 0; j < block.ny; ++j) {
      for (std::int32_t k = 0; k < block.nz; ++k) {
        if (++drawn > block.count) return;
        drawBox(scene, static_cast<double>(block.x + i * pitchX),
                static_cast<double>(block.y + j * pitchY),
                static_cast<double>(block.z + k * pitchZ), block.orientation, block.sizeX,
                block.sizeY, block.sizeZ, shades, true, canvas);
      }
    }
  }
}

void drawBox(const Scene& scene, double x, double y, double z, std::int32_t orientation, double dx,
             double dy, double dz, const Shades& shades, bool solid, SceneCanvas& canvas) {
  x -= scene.sceneSize.width * 0.5;
  y -= scene.sceneSize.height * 0.5;
  z -= scene.sceneSize.length * 0.5;

  canvas.setColor(shades[kShadeDark]);
  const bool shaded = solid && knownOrientation(orientation);
  auto setAxisColor = [&](FaceAxis axis) {
    if (shaded) canvas.setColor(shades[static_cast<std::size_t>(faceShade(orientation, axis))]);
  };

  setAxisColor(FaceAxis::X);
  for (const double fx : {x, x + dx}) {
    canvas.drawFace({{{fx, y, z}, {fx, y, z + dz}, {fx, y + dy, z + dz}, {fx, y + dy, z}}}, solid);
  }
  setAxisColor(FaceAxis::Y);
  for (const double fy : {y, y + dy}) {
    canvas.drawFace({{{x, fy, z}, {x, fy, z + dz}, {x + dx, fy, z + dz}, {x + dx, fy, z}}}, solid);
  }
  setAxisColor(FaceAxis::Z);
  for (const double fz : {z, z + dz}) {
    canvas.drawFace({{{x, y, fz}, {x + dx, y, fz}, {x + dx, y + dy, fz}, {x, y + dy, fz}}}, solid);
  }
}
