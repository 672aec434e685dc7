#include "view3d/camera.h"

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

void Camera::resetView(const SceneSize& sceneSize, std::int32_t panelWidth) {
  modelView = identityMatrix();
  storeViewMatrix();
  turn(kInitialTurn, panelWidth);
  modelView = multiplyMatrix(modelView, scalingMatrix(initialScale(sceneSize)));
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

double Camera::initialScale(const SceneSize& sceneSize) {
  for (const std::int32_t extent : {sceneSize.height, sceneSize.width, sceneSize.length}) {
    if (extent > 0) return 1.0 / extent;
  }
  return 1.0;
}

void Camera::turn(const Vector3& v, std::int32_t panelWidth) {
  const double angle = vectorLength(v.x, v.y, v.z) / (panelWidth + 1.0) * 180.0;
  const Vector3 axis = transformDirection(viewInverse, v);
  modelView = multiplyMatrix(modelView, rotationMatrix(angle, axis.x, axis.y, axis.z));
}
