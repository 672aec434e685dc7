#pragma once
// A BoxViewer on screen for the rendering tests, and mouse events sent to its panel.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

#include "view3d/boxviewer.h"
#include "viewmath.h"

constexpr QRgb kBackground = qRgb(191, 191, 191);  // 0.75 grey

class ViewerTest : public testing::Test {
 protected:
  void SetUp() override {
    viewer.resize(537, 402);  // the panel inside: 535 x 400
    ASSERT_NE(viewer.panel(), nullptr);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    QTRY_VERIFY(viewer.panel()->isValid());
    ASSERT_EQ(viewer.panel()->width(), 535);
    ASSERT_EQ(viewer.panel()->height(), 400);
  }

  QImage picture() { return viewer.panel()->grabFramebuffer(); }
  Vector3 onScreen(const Vector3& model) { return windowPosition(viewer.camera(), model); }
  QRgb pixelAt(const QImage& image, const Vector3& window) {
    return image.pixel(static_cast<int>(window.x), static_cast<int>(window.y));
  }
  // Whether some pixel within one of (x, y) is black.
  static bool blackNear(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (image.valid(x + dx, y + dy) && image.pixel(x + dx, y + dy) == qRgb(0, 0, 0))
          return true;
      }
    }
    return false;
  }

  void mouse(QEvent::Type type, Qt::MouseButton button, int x, int y, Qt::MouseButtons held) {
    QWidget* panel = viewer.panel();
    const QPointF at(x, y);
    QMouseEvent event(type, at, panel->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(panel, &event);
  }
  void press(Qt::MouseButton button, int x, int y) {
    mouse(QEvent::MouseButtonPress, button, x, y, button);
  }
  void moveTo(Qt::MouseButtons held, int x, int y) {
    mouse(QEvent::MouseMove, Qt::NoButton, x, y, held);
  }
  void release(Qt::MouseButton button, int x, int y) {
    mouse(QEvent::MouseButtonRelease, button, x, y, Qt::NoButton);
  }
  void drag(Qt::MouseButton button, QPoint from, QPoint to) {
    press(button, from.x(), from.y());
    moveTo(button, (from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
    moveTo(button, to.x(), to.y());
    release(button, to.x(), to.y());
  }
  void doubleClick(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    press(button, x, y);
    release(button, x, y);
    mouse(QEvent::MouseButtonDblClick, button, x, y, button);
    release(button, x, y);
  }

  Scene scene;
  BoxViewer viewer{scene, nullptr};
};
