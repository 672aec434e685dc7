#include "view3d/openglpanel.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <QOpenGLContext>
#include <QRegularExpression>
#include <QTest>
#include <string>
#include <vector>

namespace {

void clearTo(float r, float g, float b) {
  glClearColor(r, g, b, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

QColor centreOf(const QImage& picture) {
  return picture.pixelColor(picture.width() / 2, picture.height() / 2);
}

// A panel on screen, shown and painted once, with its failures recorded.
class ShownPanel {
 public:
  ShownPanel() {
    panel.resize(160, 120);
    panel.OnFailure = [this](const QString& text) { failures.push_back(text.toStdString()); };
  }
  void show() {
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QTRY_VERIFY(panel.isValid());
  }

  TOpenGLPanel panel;
  std::vector<std::string> failures;
};

TEST(TOpenGLPanel, firesInitResizeAndPaintWithTheContextCurrentAndShowsThePaint) {
  ShownPanel shown;
  std::vector<std::string> events;
  auto record = [&](const char* name) {
    return [&events, name](TOpenGLPanel& sender) {
      const bool current =
          sender.context() != nullptr && QOpenGLContext::currentContext() == sender.context();
      events.push_back(std::string(name) + (current ? "+" : "-"));
      if (std::string(name) == "paint") clearTo(0, 1, 0);
    };
  };
  shown.panel.OnInit = record("init");
  shown.panel.OnResize = record("resize");
  shown.panel.OnPaint = record("paint");
  shown.show();
  QTRY_VERIFY(events.size() >= 3);
  EXPECT_EQ(events[0], "init+");
  EXPECT_EQ(events[1], "resize+");
  EXPECT_EQ(events[2], "paint+");
  EXPECT_EQ(centreOf(shown.panel.grabFramebuffer()), QColor(0, 255, 0));
  EXPECT_TRUE(shown.failures.empty());
}

TEST(TOpenGLPanel, drawsOutsideTheEventsBetweenMakeCurrentAndNotCurrent) {
  ShownPanel shown;
  EXPECT_FALSE(shown.panel.MakeOpenGLPanelCurrent()) << "no context before the panel is shown";
  EXPECT_TRUE(shown.failures.empty()) << "that is no failure";

  shown.show();
  ASSERT_TRUE(shown.panel.MakeOpenGLPanelCurrent());
  EXPECT_EQ(QOpenGLContext::currentContext(), shown.panel.context());
  shown.panel.MakeOpenGLPanelNotCurrent();
  EXPECT_NE(QOpenGLContext::currentContext(), shown.panel.context());
  EXPECT_TRUE(shown.failures.empty());
}

TEST(TOpenGLPanel, keepsTheContextCurrentWhenAHandlerBracketsItsDrawing) {
  ShownPanel shown;
  bool stillCurrent = false;
  shown.panel.OnPaint = [&](TOpenGLPanel& sender) {
    EXPECT_TRUE(sender.MakeOpenGLPanelCurrent());
    sender.MakeOpenGLPanelNotCurrent();
    stillCurrent = QOpenGLContext::currentContext() == sender.context();
    clearTo(0, 1, 1);
  };
  shown.show();
  EXPECT_EQ(centreOf(shown.panel.grabFramebuffer()), QColor(0, 255, 255));
  EXPECT_TRUE(stillCurrent);
}

TEST(TOpenGLPanel, reportsAFailedContextByStageAndNumberAndStaysUsable) {
  ShownPanel shown;
  // A kind of context no platform here can make.
  QSurfaceFormat impossible = shown.panel.format();
  impossible.setRenderableType(QSurfaceFormat::OpenVG);
  shown.panel.setFormat(impossible);
  shown.panel.OnPaint = [](TOpenGLPanel&) { ADD_FAILURE() << "no paint without a context"; };
  shown.panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.panel));
  QTRY_COMPARE(shown.failures.size(), 2u);
  EXPECT_TRUE(QString::fromStdString(shown.failures[0])
                  .contains(QRegularExpression("^wglRenderingContext:\\d+$")))
      << shown.failures[0];
  EXPECT_EQ(shown.failures[1], "Open GL Context Create Failed");

  EXPECT_FALSE(shown.panel.MakeOpenGLPanelCurrent());
  ASSERT_EQ(shown.failures.size(), 3u);
  EXPECT_TRUE(QString::fromStdString(shown.failures[2])
                  .contains(QRegularExpression("^wglMakeCurrent:\\d+$")))
      << shown.failures[2];
  shown.panel.resize(200, 150);
  shown.panel.update();
  QTest::qWait(50);
  EXPECT_EQ(shown.failures.size(), 3u) << "reported once";
}

}  // namespace
