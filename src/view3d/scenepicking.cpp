#include "view3d/scenepicking.h"

#include <algorithm>
#include <cmath>

namespace {

// The model point that lands on normalised device coordinates (nx, ny, nz).
Vector3 unproject(const Matrix4& inverse, double nx, double ny, double nz) {
  return transformPoint(inverse, {nx, ny, nz});
}

}  // namespace

std::optional<double> rayEntersBox(const Vector3& origin, const Vector3& direction, const Vector3& lo,
                                   const Vector3& hi) {
  double enter = 0.0, leave = 1.0;
  const double o[] = {origin.x, origin.y, origin.z};
  const double d[] = {direction.x, direction.y, direction.z};
  const double l[] = {lo.x, lo.y, lo.z};
  const double h[] = {hi.x, hi.y, hi.z};
  for (int axis = 0; axis < 3; ++axis) {
    if (d[axis] == 0.0) {
      if (o[axis] < l[axis] || o[axis] > h[axis]) return std::nullopt;
      continue;
    }
    double t0 = (l[axis] - o[axis]) / d[axis];
    double t1 = (h[axis] - o[axis]) / d[axis];
    if (t0 > t1) std::swap(t0, t1);
    enter = std::max(enter, t0);
    leave = std::min(leave, t1);
    if (enter > leave) return std::nullopt;
  }
  return enter;
}

std::optional<PickedCarton> pickCarton(const Scene& scene, const Camera& camera, std::int32_t x,
                                       std::int32_t y) {
  const Viewport& port = camera.viewport;
  if (port.width <= 0 || port.height <= 0) return std::nullopt;
  Matrix4 inverse;
  if (!invertMatrix(multiplyMatrix(camera.projection, camera.modelView), inverse)) return std::nullopt;
  // The pixel's centre, from the front of the view volume (-1) to its back (+1).
  const double nx = (x + 0.5) / port.width * 2.0 - 1.0;
  const double ny = 1.0 - (y + 0.5) / port.height * 2.0;
  const Vector3 front = unproject(inverse, nx, ny, -1.0);
  const Vector3 back = unproject(inverse, nx, ny, 1.0);
  // Into container coordinates: the scene is drawn centred on the origin.
  const Vector3 shift{scene.sceneSize.width * 0.5, scene.sceneSize.height * 0.5, scene.sceneSize.length * 0.5};
  const Vector3 origin{front.x + shift.x, front.y + shift.y, front.z + shift.z};
  const Vector3 direction{back.x - front.x, back.y - front.y, back.z - front.z};

  std::optional<PickedCarton> nearest;
  double nearestT = 2.0;
  for (std::size_t b = 0; b < scene.sceneBlocks.size(); ++b) {
    const CubeBlock& block = scene.sceneBlocks[b];
    if (block.count <= 0 || block.nx <= 0 || block.ny <= 0 || block.nz <= 0) continue;
    const double pitchX = static_cast<double>(block.sizeX) + block.gapX;
    const double pitchY = static_cast<double>(block.sizeY) + block.gapY;
    const double pitchZ = static_cast<double>(block.sizeZ) + block.gapZ;
    const Vector3 lo{static_cast<double>(block.x), static_cast<double>(block.y), static_cast<double>(block.z)};
    const Vector3 hi{lo.x + pitchX * block.nx, lo.y + pitchY * block.ny, lo.z + pitchZ * block.nz};
    const std::optional<double> reach = rayEntersBox(origin, direction, lo, hi);
    if (!reach || *reach >= nearestT) continue;  // the block's room is missed or lies behind
    std::int64_t drawn = 0;
    for (std::int32_t i = 0; i < block.nx; ++i) {
      for (std::int32_t j = 0; j < block.ny; ++j) {
        for (std::int32_t k = 0; k < block.nz; ++k) {
          if (++drawn > block.count) break;
          const Vector3 c{lo.x + i * pitchX, lo.y + j * pitchY, lo.z + k * pitchZ};
          const std::optional<double> t =
              rayEntersBox(origin, direction, c, {c.x + block.sizeX, c.y + block.sizeY, c.z + block.sizeZ});
          if (!t || *t >= nearestT) continue;
          nearestT = *t;
          nearest = PickedCarton{b, static_cast<std::int32_t>(drawn), i, j, k, static_cast<std::int32_t>(c.x),
                                 static_cast<std::int32_t>(c.y), static_cast<std::int32_t>(c.z)};
        }
      }
    }
  }
  return nearest;
}
