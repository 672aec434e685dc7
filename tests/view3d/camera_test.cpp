#include "view3d/camera.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "viewmath.h"

namespace {

void expectMatrixNear(const Matrix4& actual, const Matrix4& expected, double tolerance) {
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << "element " << i;
}

bool allFinite(const Matrix4& m) {
  return std::all_of(m.begin(), m.end(), [](double v) { return std::isfinite(v); });
}

// A camera as the panel leaves it after a resize: projection set and the view reset.
Camera cameraFor(int width, int height, const SceneSize& size = SceneSize{}) {
  Camera camera;
  camera.resize(width, height);
  camera.resetView(size);
  return camera;
}

TEST(InitialView, turnsAboutTheFixedAxisByTheSameAngleWhateverTheWidth) {
  for (const int width : {535, 1000, 1900}) {
    const Camera camera = cameraFor(width, 400);
    EXPECT_NEAR(rotationAngleDegrees(camera.modelView), 20.47, 0.01) << width;
    // The axis (25, -55, -8) stays where it is.
    const Vector3 axis = transformDirection(camera.modelView, Camera::kInitialTurn);
    const double scale = vectorLength(camera.modelView[0], camera.modelView[1], camera.modelView[2]);
    EXPECT_NEAR(axis.x, 25 * scale, 1e-12);
    EXPECT_NEAR(axis.y, -55 * scale, 1e-12);
    EXPECT_NEAR(axis.z, -8 * scale, 1e-12);
  }
}

struct FramingCase {
  int width, height;
  SceneSize container;
};

class Framing : public testing::TestWithParam<FramingCase> {};

// All eight corners of the container inside the viewport, and the container filling it
// across or up to the frame's share, so that it is neither clipped nor lost in the middle.
TEST_P(Framing, showsTheWholeContainerAndFillsTheView) {
  const FramingCase& c = GetParam();
  const Camera camera = cameraFor(c.width, c.height, c.container);
  const SceneSize& s = c.container;
  double reachX = 0, reachY = 0;
  for (const double x : {-0.5, 0.5}) {
    for (const double y : {-0.5, 0.5}) {
      for (const double z : {-0.5, 0.5}) {
        const Vector3 at = windowPosition(camera, {x * s.width, y * s.height, z * s.length});
        EXPECT_GE(at.x, 0);
        EXPECT_LE(at.x, c.width);
        EXPECT_GE(at.y, 0);
        EXPECT_LE(at.y, c.height);
        EXPECT_GT(at.z, -1) << "not cut off in front";
        EXPECT_LT(at.z, 1) << "nor behind";
        reachX = std::max(reachX, std::abs(at.x - c.width / 2.0) / (c.width / 2.0));
        reachY = std::max(reachY, std::abs(at.y - c.height / 2.0) / (c.height / 2.0));
      }
    }
  }
  EXPECT_NEAR(std::max(reachX, reachY), Camera::kFrameFill, 1e-9);
  EXPECT_EQ(camera.viewMatrix, camera.modelView);
  expectMatrixNear(multiplyMatrix(camera.viewMatrix, camera.viewInverse), identityMatrix(), 1e-9);
}

constexpr SceneSize kFortyFoot{12032, 2352, 2393};
INSTANTIATE_TEST_SUITE_P(
    WindowsAndContainers, Framing,
    testing::Values(FramingCase{535, 400, SceneSize{}}, FramingCase{1600, 300, kFortyFoot},
                    FramingCase{200, 150, kFortyFoot}, FramingCase{300, 900, kFortyFoot},
                    FramingCase{535, 400, SceneSize{1000, 1000, 1000}}));

TEST(InitialView, staysFiniteForAFlatOrEmptyContainer) {
  const Camera flat = cameraFor(535, 400, SceneSize{11800, 2300, 0});
  EXPECT_TRUE(allFinite(flat.modelView));
  EXPECT_TRUE(allFinite(flat.viewInverse));
  EXPECT_GT(vectorLength(flat.modelView[0], flat.modelView[1], flat.modelView[2]), 0.0);

  const Camera empty = cameraFor(535, 400, SceneSize{0, 0, 0});
  EXPECT_TRUE(allFinite(empty.modelView));
  EXPECT_TRUE(allFinite(empty.viewInverse));
}

TEST(Wheel, enlargesTenPercentANotchAwayFromTheUserAndShrinksBack) {
  Camera camera = cameraFor(535, 400);
  const Vector3 corner{1150, 1225, 5900};
  const double before = vectorLength(transformPoint(camera.modelView, corner).x,
                                     transformPoint(camera.modelView, corner).y, 0);
  camera.wheel(240);
  const Vector3 grown = transformPoint(camera.modelView, corner);
  EXPECT_NEAR(vectorLength(grown.x, grown.y, 0), before * 1.21, before * 1e-9);
  EXPECT_EQ(camera.viewMatrix, camera.modelView) << "stored for the next turn";
  camera.wheel(-240);
  const Vector3 back = transformPoint(camera.modelView, corner);
  EXPECT_NEAR(vectorLength(back.x, back.y, 0), before, before * 1e-9);
}

TEST(Resize, setsTheViewVolumeFromTheAspectAndClearsTheView) {
  Camera camera = cameraFor(535, 400);
  camera.resize(800, 400);
  EXPECT_DOUBLE_EQ(camera.viewVolume.left, -2.0);
  EXPECT_DOUBLE_EQ(camera.viewVolume.right, 2.0);
  EXPECT_DOUBLE_EQ(camera.viewVolume.bottom, -1.0);
  EXPECT_DOUBLE_EQ(camera.viewVolume.top, 1.0);
  EXPECT_DOUBLE_EQ(camera.viewVolume.nearPlane, -10.0);
  EXPECT_DOUBLE_EQ(camera.viewVolume.farPlane, 10.0);
  EXPECT_EQ(camera.modelView, identityMatrix());

  camera.resize(300, 0);
  EXPECT_DOUBLE_EQ(camera.viewVolume.right, 300.0) << "no height: the width itself is the aspect";
  EXPECT_TRUE(allFinite(camera.projection));
}

TEST(WindowToViewPlane, mapsCornersAndCentreOntoTheNearPlane) {
  Camera camera;
  camera.resize(800, 400);
  const Viewport port{0, 0, 800, 400};
  const Vector3 topLeft = camera.windowToViewPlane(0, 0, port);
  EXPECT_DOUBLE_EQ(topLeft.x, -2.0);
  EXPECT_DOUBLE_EQ(topLeft.y, 1.0);
  EXPECT_DOUBLE_EQ(topLeft.z, -10.0);
  const Vector3 centre = camera.windowToViewPlane(400, 200, port);
  EXPECT_DOUBLE_EQ(centre.x, 0.0);
  EXPECT_DOUBLE_EQ(centre.y, 0.0);
  const Vector3 bottomRight = camera.windowToViewPlane(800, 400, port);
  EXPECT_DOUBLE_EQ(bottomRight.x, 2.0);
  EXPECT_DOUBLE_EQ(bottomRight.y, -1.0);
  const Vector3 quarter = camera.windowToViewPlane(300, 150, Viewport{100, 50, 400, 200});
  EXPECT_DOUBLE_EQ(quarter.x, 0.0);
  EXPECT_DOUBLE_EQ(quarter.y, 0.0);
  const Vector3 none = camera.windowToViewPlane(10, 10, Viewport{0, 0, 0, 0});
  EXPECT_TRUE(std::isfinite(none.x) && std::isfinite(none.y));
}

TEST(MouseMove, changesNothingWithoutAButton) {
  Camera camera = cameraFor(535, 400);
  camera.mouseDown(MouseButton::Left, 10, 20);
  camera.mouseUp(MouseButton::Left, 30, 40);
  const Camera before = camera;
  EXPECT_FALSE(camera.mouseMove(200, 200));
  EXPECT_EQ(camera.lastMouse.x, 30);
  EXPECT_EQ(camera.lastMouse.y, 40);
  EXPECT_EQ(camera.modelView, before.modelView);
}

TEST(MouseMove, leftDragAcrossTurnsAboutTheScreensVerticalAxis) {
  Camera camera = cameraFor(535, 400);
  const Matrix4 before = camera.modelView;
  camera.mouseDown(MouseButton::Left, 100, 200);
  ASSERT_TRUE(camera.mouseMove(200, 200));
  const double degrees = 100.0 / 536.0 * 180.0;
  EXPECT_NEAR(degrees, 33.6, 0.05);
  expectMatrixNear(camera.modelView, multiplyMatrix(rotationMatrix(degrees, 0, 1, 0), before),
                   1e-12);
  EXPECT_EQ(camera.viewMatrix, camera.modelView);
  EXPECT_EQ(camera.lastMouse.x, 200);
}

TEST(MouseMove, leftDragDownwardTurnsTheFrontDownAboutTheScreensHorizontalAxis) {
  Camera camera = cameraFor(535, 400);
  const Matrix4 before = camera.modelView;
  camera.mouseDown(MouseButton::Left, 100, 100);
  camera.mouseMove(100, 150);
  expectMatrixNear(camera.modelView,
                   multiplyMatrix(rotationMatrix(50.0 / 536.0 * 180.0, 1, 0, 0), before), 1e-12);
}

TEST(MouseMove, middleDragZoomsByEPerHundredPixelsAndBack) {
  Camera camera = cameraFor(535, 400);
  const Matrix4 before = camera.modelView;
  camera.mouseDown(MouseButton::Middle, 100, 100);
  camera.mouseMove(100, 150);
  camera.mouseMove(100, 200);
  expectMatrixNear(camera.modelView, multiplyMatrix(before, scalingMatrix(std::numbers::e)), 1e-12);
  camera.mouseMove(100, 100);
  expectMatrixNear(camera.modelView, before, 1e-15);
  EXPECT_DOUBLE_EQ(Camera::zoomFactor(100), std::exp(1.0));
  EXPECT_DOUBLE_EQ(Camera::zoomFactor(-100), std::exp(-1.0));
}

TEST(MouseMove, leftAndRightTogetherZoomWithoutTurningOrPanning) {
  Camera camera = cameraFor(535, 400);
  const Matrix4 before = camera.modelView;
  camera.mouseDown(MouseButton::Left, 100, 100);
  camera.mouseDown(MouseButton::Right, 100, 100);
  camera.mouseMove(180, 130);
  expectMatrixNear(camera.modelView, multiplyMatrix(before, scalingMatrix(std::exp(0.3))), 1e-12);
}

TEST(MouseMove, rightDragMovesThePicturePixelForPixelAtAnyZoom) {
  Camera camera = cameraFor(535, 400);
  for (int zoomSteps : {0, 120}) {
    camera.mouseDown(MouseButton::Middle, 10, 10);
    camera.mouseMove(10, 10 + zoomSteps);
    camera.mouseUp(MouseButton::Middle, 10, 10 + zoomSteps);

    const Vector3 centre = windowPosition(camera, {0, 0, 0});
    const Vector3 corner = windowPosition(camera, {1150, 1225, 5900});
    camera.mouseDown(MouseButton::Right, 200, 200);
    camera.mouseMove(230, 200);
    camera.mouseMove(250, 200);
    camera.mouseMove(250, 170);
    camera.mouseUp(MouseButton::Right, 250, 170);
    EXPECT_NEAR(windowPosition(camera, {0, 0, 0}).x - centre.x, 50, 1e-9);
    EXPECT_NEAR(windowPosition(camera, {0, 0, 0}).y - centre.y, -30, 1e-9);
    EXPECT_NEAR(windowPosition(camera, {1150, 1225, 5900}).x - corner.x, 50, 1e-9);
  }
}

TEST(MouseMove, ignoresMovesOutsideThePanelAndThenAppliesTheWholeDistance) {
  Camera camera = cameraFor(535, 400);
  const Matrix4 before = camera.modelView;
  camera.mouseDown(MouseButton::Left, 100, 200);
  EXPECT_FALSE(camera.mouseMove(600, 200));
  EXPECT_FALSE(camera.mouseMove(300, -5));
  EXPECT_FALSE(camera.mouseMove(535, 200)) << "the right edge lies outside";
  EXPECT_EQ(camera.modelView, before);
  EXPECT_EQ(camera.lastMouse.x, 100);
  ASSERT_TRUE(camera.mouseMove(150, 200));
  expectMatrixNear(camera.modelView,
                   multiplyMatrix(rotationMatrix(50.0 / 536.0 * 180.0, 0, 1, 0), before), 1e-12);
}

TEST(MouseButtons, recordPositionButtonAndNearPlanePoint) {
  Camera camera = cameraFor(800, 400);
  camera.mouseDown(MouseButton::Right, 600, 100);
  EXPECT_TRUE(camera.buttonDown.right);
  EXPECT_FALSE(camera.buttonDown.left || camera.buttonDown.middle);
  EXPECT_EQ(camera.lastMouse.x, 600);
  EXPECT_EQ(camera.lastMouse.y, 100);
  EXPECT_DOUBLE_EQ(camera.lastPlanePoint.x, 1.0);
  EXPECT_DOUBLE_EQ(camera.lastPlanePoint.y, 0.5);
  EXPECT_DOUBLE_EQ(camera.lastPlanePoint.z, -10.0);
  camera.mouseDown(MouseButton::Middle, 0, 0);
  camera.mouseUp(MouseButton::Right, 400, 200);
  EXPECT_FALSE(camera.buttonDown.right);
  EXPECT_TRUE(camera.buttonDown.middle);
  EXPECT_DOUBLE_EQ(camera.lastPlanePoint.x, 0.0);
}

TEST(StoreViewMatrix, keepsThePreviousInverseWhenTheViewIsSingular) {
  Camera camera = cameraFor(535, 400);
  const Matrix4 inverse = camera.viewInverse;
  camera.modelView = scalingMatrix(0.0);
  camera.storeViewMatrix();
  EXPECT_EQ(camera.viewMatrix, scalingMatrix(0.0));
  EXPECT_EQ(camera.viewInverse, inverse);
}

TEST(ResetView, restoresTheInitialViewAfterADrag) {
  Camera camera = cameraFor(535, 400);
  const Matrix4 initial = camera.modelView;
  camera.mouseDown(MouseButton::Left, 100, 100);
  camera.mouseMove(180, 160);
  camera.mouseUp(MouseButton::Left, 180, 160);
  ASSERT_NE(camera.modelView, initial);
  camera.resetView(SceneSize{});
  EXPECT_EQ(camera.modelView, initial);
}

}  // namespace
