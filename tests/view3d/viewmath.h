#pragma once
// Helpers of the view tests: where a model point lands in the window, and the angle of
// a rotation matrix.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "view3d/camera.h"

// Window position (x right, y down, in pixels) of a model point under the camera.
inline Vector3 windowPosition(const Camera& camera, const Vector3& model) {
  const Vector3 ndc = transformPoint(multiplyMatrix(camera.projection, camera.modelView), model);
  return {(ndc.x + 1.0) * 0.5 * camera.viewport.width, (1.0 - ndc.y) * 0.5 * camera.viewport.height,
          ndc.z};
}

// The angle in degrees of m's upper-left part, once divided by the uniform scale.
inline double rotationAngleDegrees(const Matrix4& m) {
  const double scale = vectorLength(m[0], m[1], m[2]);
  const double trace = (m[0] + m[5] + m[10]) / scale;
  return std::acos(std::clamp((trace - 1.0) / 2.0, -1.0, 1.0)) * 180.0 / std::numbers::pi;
}
