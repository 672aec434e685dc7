// The 3D view on Qt's image-only offscreen platform, where no OpenGL widget can live:
// the window around it must still work.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <cmath>

#include "model/container.h"
#include "view3d/boxviewer.h"
#include "viewmath.h"

namespace {

TEST(BoxViewerOffscreen, showsAnEmptyFrameAndKeepsTheCameraGoing) {
  ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
  EXPECT_FALSE(platformHostsOpenGLWidgets());

  Scene scene;
  QWidget window;
  window.resize(537, 402);
  BoxViewer viewer(scene, &window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(viewer.panel(), nullptr);
  EXPECT_EQ(viewer.parentWidget(), &window);
  EXPECT_EQ(viewer.geometry(), window.rect()) << "fills its parent";

  Container container;
  container.height = 1000;
  scene.setSceneContainer(container);
  refreshView(viewer, true);
  EXPECT_NEAR(rotationAngleDegrees(viewer.camera().modelView), 20.47, 0.01);
  // Framed in a square view volume, as no panel ever gave it its shape.
  for (const double x : {-0.5, 0.5}) {
    for (const double z : {-0.5, 0.5}) {
      const Vector3 corner = transformPoint(viewer.camera().modelView, {x * 2300, 500, z * 11800});
      EXPECT_LE(std::abs(corner.x), 1.0);
      EXPECT_LE(std::abs(corner.y), 1.0);
    }
  }
  QTest::qWait(50);  // painting the window does not fail
}

}  // namespace
