#include "view3d/gravitymarker.h"

#include "view3d/scene.h"
#include "view3d/scenedrawing.h"

void drawGravityMarker(const Scene& scene, SceneCanvas& canvas) {
  if (!scene.gravityPoint) return;
  const GravityPoint& p = *scene.gravityPoint;
  const Shades black{0, 0, 0};
  constexpr std::int32_t kPlainShades = 0;  // any orientation: every shade is black
  const double half = kGravityCubeSize / 2;
  drawBox(scene, p.x - half, p.y - half, p.z - half, kPlainShades, kGravityCubeSize, kGravityCubeSize,
          kGravityCubeSize, black, true, canvas);
  const double top = scene.sceneSize.height + kGravityPoleAbove;
  const double pole = kGravityPoleWidth / 2;
  if (top > p.y)
    drawBox(scene, p.x - pole, p.y, p.z - pole, kPlainShades, kGravityPoleWidth, top - p.y, kGravityPoleWidth,
            black, true, canvas);
}
