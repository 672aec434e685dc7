#pragma once
// Which carton lies under a point of the view: the ray through the window position,
// from the front of the view volume to its back, against every carton drawn.

#include <cstdint>
#include <optional>

#include "view3d/camera.h"
#include "view3d/scene.h"

struct PickedCarton {
  std::size_t block = 0;           // index in Scene::sceneBlocks
  std::int32_t carton = 0;         // 1-based, in the block's drawing order
  std::int32_t i = 0, j = 0, k = 0;  // its place in the block's grid along x, y, z
  std::int32_t x = 0, y = 0, z = 0;  // its corner in container coordinates, mm
};

// The nearest carton under the window position (x right, y down, in pixels) of the
// camera's viewport; none when the ray meets no carton.
std::optional<PickedCarton> pickCarton(const Scene& scene, const Camera& camera, std::int32_t x,
                                       std::int32_t y);

// Where along the ray origin + t direction, t in [0, 1], it first enters the box from lo
// to hi; none when it misses the box.
std::optional<double> rayEntersBox(const Vector3& origin, const Vector3& direction, const Vector3& lo,
                                   const Vector3& hi);
