#include "view3d/camera.h"

#include <algorithm>
#include <cmath>

void Camera::storeViewMatrix() {
  viewMatrix = modelView;
  invertMatrix(viewMatrix, viewInverse);  // keeps the previous inverse when singular
}

void Camera::resize(std::int32_t width, std::int32_t height) {
  viewport = Viewport{0, 0, width, height};
  const double aspect =
      height == 0 ? static_cast<double>(width) : static_cast<double>(width) / height;
  viewVolume.left = -aspect;
  viewVolume.right = aspect;
  viewVolume.bottom = -1.0;
  viewVolume.top = 1.0;
  projection = orthoMatrix(viewVolume.left, viewVolume.right, viewVolume.bottom, viewVolume.top,
                           viewVolume.nearPlane, viewVolume.farPlane);
  modelView = identityMatrix();
}

void Camera::resetView(const SceneSize& sceneSize) {
  modelView = identityMatrix();
  storeViewMatrix();
  turn(kInitialTurn, kInitialTurnWidth);
  modelView = multiplyMatrix(modelView, scalingMatrix(frameScale(sceneSize, modelView)));
  storeViewMatrix();
}

void Camera::wheel(std::int32_t angleDelta) {
  modelView = multiplyMatrix(modelView, scalingMatrix(std::pow(1.1, angleDelta / 120.0)));
  storeViewMatrix();
}

void Camera::mouseDown(MouseButton button, std::int32_t x, std::int32_t y) {
  recordButton(button, true, x, y);
}

void Camera::mouseUp(MouseButton button, std::int32_t x, std::int32_t y) {
  recordButton(button, false, x, y);
}

void Camera::recordButton(MouseButton button, bool down, std::int32_t x, std::int32_t y) {
  lastMouse = MousePosition{x, y};
  bool& flag = button == MouseButton::Left     ? buttonDown.left
               : button == MouseButton::Middle ? buttonDown.middle
                                               : buttonDown.right;
  flag = down;
  lastPlanePoint = windowToViewPlane(x, y, viewport);
}

bool Camera::mouseMove(std::int32_t x, std::int32_t y) {
  const std::int32_t dx = x - lastMouse.x;
  const std::int32_t dy = y - lastMouse.y;
  if (!buttonDown.any()) return false;
  if (x < 0 || x >= viewport.width || y < 0 || y >= viewport.height) return false;

  if (buttonDown.middle || (buttonDown.left && buttonDown.right)) {
    modelView = multiplyMatrix(modelView, scalingMatrix(zoomFactor(dy)));
  } else if (buttonDown.left) {
    turn(Vector3{static_cast<double>(dy), static_cast<double>(dx), 0.0}, viewport.width);
  } else {  // the right button alone
    const Vector3 p = windowToViewPlane(x, y, viewport);
    modelView = multiplyMatrix(
        translationMatrix(p.x - lastPlanePoint.x, p.y - lastPlanePoint.y, 0.0), viewMatrix);
    lastPlanePoint = p;
  }
  lastMouse = MousePosition{x, y};
  storeViewMatrix();
  return true;
}

Vector3 Camera::windowToViewPlane(std::int32_t x, std::int32_t y, const Viewport& port) const {
  // A viewport without area maps everything onto its corner (left, top).
  const double fx = port.width > 0 ? static_cast<double>(x - port.x) / port.width : 0.0;
  const double fy = port.height > 0 ? static_cast<double>(y - port.y) / port.height : 0.0;
  return {viewVolume.left + (viewVolume.right - viewVolume.left) * fx,
          viewVolume.top + (viewVolume.bottom - viewVolume.top) * fy, viewVolume.nearPlane};
}

double Camera::zoomFactor(std::int32_t dy) { return std::exp(dy * 0.01); }

double Camera::frameScale(const SceneSize& sceneSize, const Matrix4& rotation) const {
  // The container is drawn centred on the origin.
  const double hx = sceneSize.width * 0.5, hy = sceneSize.height * 0.5, hz = sceneSize.length * 0.5;
  double across = 0.0, up = 0.0, deep = 0.0;
  for (const double sx : {-hx, hx}) {
    for (const double sy : {-hy, hy}) {
      for (const double sz : {-hz, hz}) {
        const Vector3 corner = transformDirection(rotation, {sx, sy, sz});
        across = std::max(across, std::abs(corner.x));
        up = std::max(up, std::abs(corner.y));
        deep = std::max(deep, std::abs(corner.z));
      }
    }
  }
  // Before the first resize the volume has no width yet: take a square one.
  const double halfWidth = viewVolume.right > 0.0 ? viewVolume.right : 1.0;
  const double halfHeight = viewVolume.top > 0.0 ? viewVolume.top : 1.0;
  const double halfDepth = std::min(-viewVolume.nearPlane, viewVolume.farPlane);
  double scale = 0.0;
  const auto limit = [&scale](double room, double reach) {
    if (reach <= 0.0) return;
    const double fit = room / reach;
    scale = scale == 0.0 ? fit : std::min(scale, fit);
  };
  limit(halfWidth, across);
  limit(halfHeight, up);
  limit(halfDepth, deep);
  return scale > 0.0 ? scale * kFrameFill : 1.0;
}

void Camera::turn(const Vector3& v, std::int32_t panelWidth) {
  const double angle = vectorLength(v.x, v.y, v.z) / (panelWidth + 1.0) * 180.0;
  const Vector3 axis = transformDirection(viewInverse, v);
  modelView = multiplyMatrix(modelView, rotationMatrix(angle, axis.x, axis.y, axis.z));
}
