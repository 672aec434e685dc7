#pragma once
// The camera of the 3D view and the mouse navigation, as plain arithmetic.
//
// The view is the model-view matrix `modelView`, which the OpenGL panel loads before
// every paint together with `projection`. Rotation and zoom are multiplied after it, so
// they act about the container's centre in model coordinates; panning is multiplied
// before it, so it acts in screen space. `viewMatrix` and `viewInverse` mirror the matrix
// after every change; rotations take their axis from `viewInverse`.
//
// The left button rotates, the middle button (or left and right together) and the wheel
// zoom, the right button pans; the host resets the view on a double-click and on every
// resize.

#include <cstdint>

#include "view3d/matrix.h"
#include "view3d/scene.h"

enum class MouseButton { Left, Middle, Right };

// The orthographic view volume. left/right/bottom/top follow the panel's shape; near
// and far never change.
struct ViewVolume {
  double left = 0, right = 0, bottom = 0, top = 0;
  double nearPlane = -10.0, farPlane = 10.0;
};

struct Viewport {
  std::int32_t x = 0, y = 0, width = 0, height = 0;
};

struct MousePosition {
  std::int32_t x = 0, y = 0;
};

struct ButtonsDown {
  bool left = false, middle = false, right = false;
  bool any() const { return left || middle || right; }
};

class Camera {
 public:
  // The direction whose drag the initial view repeats: |v| / (width + 1) x 180 degrees
  // about R x v, for a panel of kInitialTurnWidth pixels whatever the panel's own width
  // (a wider panel would otherwise turn less and show a long container end-on).
  static constexpr Vector3 kInitialTurn{25.0, -55.0, -8.0};
  static constexpr std::int32_t kInitialTurnWidth = 535;
  // The share of the panel's height or width the container takes in the initial view.
  static constexpr double kFrameFill = 0.9;

  Matrix4 projection = identityMatrix();
  Matrix4 modelView = identityMatrix();
  Matrix4 viewMatrix = identityMatrix();
  Matrix4 viewInverse = identityMatrix();
  ViewVolume viewVolume;
  Viewport viewport;        // always (0, 0, panel width, panel height)
  MousePosition lastMouse;  // at the last button event or handled move
  ButtonsDown buttonDown;
  Vector3 lastPlanePoint;  // the near-plane point under lastMouse

  // Copies modelView into viewMatrix and its inverse into viewInverse; a singular
  // matrix leaves viewInverse as it was.
  void storeViewMatrix();

  // The viewport, the projection of a panel width x height pixels (aspect width/height,
  // or width itself when height is 0), and an identity model-view. The host then resets
  // the view.
  void resize(std::int32_t width, std::int32_t height);
  // The initial view: a turn about kInitialTurn and the scale that frames the whole
  // container in the view volume (see frameScale).
  void resetView(const SceneSize& sceneSize);

  void mouseDown(MouseButton button, std::int32_t x, std::int32_t y);
  void mouseUp(MouseButton button, std::int32_t x, std::int32_t y);
  // Rotates, zooms or pans by the move from lastMouse. False, and nothing changed, when
  // no button is held or (x, y) lies outside the panel.
  bool mouseMove(std::int32_t x, std::int32_t y);

  // The point of the near plane under the window position (x, y), y growing downward.
  Vector3 windowToViewPlane(std::int32_t x, std::int32_t y, const Viewport& port) const;

  // Zooms by a turn of the mouse wheel: angleDelta in eighths of a degree as Qt gives
  // it (120 per notch), positive away from the user, which enlarges by 10 % a notch.
  void wheel(std::int32_t angleDelta);

  // The zoom of a vertical move of dy pixels (positive downward): e^(dy x 0.01).
  static double zoomFactor(std::int32_t dy);
  // The largest scale, times kFrameFill, at which all eight corners of the container,
  // turned by rotation, lie inside the view volume across and up (and within its depth).
  // Without any extent, 1.
  double frameScale(const SceneSize& sceneSize, const Matrix4& rotation) const;

 private:
  void recordButton(MouseButton button, bool down, std::int32_t x, std::int32_t y);
  // Rotates modelView by |v| / (panelWidth + 1) x 180 degrees about viewInverse x v.
  void turn(const Vector3& v, std::int32_t panelWidth);
};
