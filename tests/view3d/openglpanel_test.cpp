#include "view3d/openglpanel.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QOpenGLContext>
#include <QRegularExpression>
#include <QTemporaryDir>
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

TEST(TOpenGLPanel, firesPreInitThenInitResizeAndPaintWithTheContextCurrent) {
  ShownPanel shown;
  std::vector<std::string> events;
  auto record = [&](const char* name) {
    return [&events, name](TOpenGLPanel& sender) {
      const bool current =
          sender.context() != nullptr && QOpenGLContext::currentContext() == sender.context();
      events.push_back(std::string(name) + (current ? "+" : "-"));
    };
  };
  shown.panel.OnPreInit = record("preinit");
  shown.panel.OnInit = record("init");
  shown.panel.OnResize = record("resize");
  shown.panel.OnPaint = record("paint");
  shown.show();
  QTRY_VERIFY(events.size() >= 4);
  EXPECT_EQ(events[0], "preinit-");
  EXPECT_EQ(events[1], "init+");
  EXPECT_EQ(events[2], "resize+");
  EXPECT_EQ(events[3], "paint+");
  EXPECT_TRUE(shown.failures.empty());
}

TEST(TOpenGLPanel, swapsAfterPaintWhenAutomatic) {
  ShownPanel shown;
  shown.panel.OnPaint = [](TOpenGLPanel&) { clearTo(0, 1, 0); };
  shown.show();
  EXPECT_TRUE(shown.panel.isDoubleBuffered());
  EXPECT_EQ(centreOf(shown.panel.grabFramebuffer()), QColor(0, 255, 0));
}

TEST(TOpenGLPanel, showsAManualPaintOnlyAfterTheHandlersOwnSwap) {
  ShownPanel shown;
  bool swap = false;
  shown.panel.GLSwapBuffers = TOpenGLSwapBuffers::Manual;
  shown.panel.OnPaint = [&](TOpenGLPanel& sender) {
    clearTo(0, 0, 1);
    if (swap) sender.SwapBuffers();
  };
  shown.show();
  EXPECT_NE(centreOf(shown.panel.grabFramebuffer()), QColor(0, 0, 255));
  swap = true;
  EXPECT_EQ(centreOf(shown.panel.grabFramebuffer()), QColor(0, 0, 255));
}

TEST(TOpenGLPanel, drawsStraightIntoThePictureWhenSingleBuffered) {
  ShownPanel shown;
  shown.panel.PFDFlags.include(TPFDFlag::f_PFD_SUPPORT_GDI);
  shown.panel.GLSwapBuffers = TOpenGLSwapBuffers::Manual;
  shown.panel.OnPaint = [](TOpenGLPanel& sender) {
    clearTo(1, 1, 0);
    sender.SwapBuffers();  // nothing to swap
  };
  shown.show();
  EXPECT_FALSE(shown.panel.isDoubleBuffered());
  EXPECT_EQ(centreOf(shown.panel.grabFramebuffer()), QColor(255, 255, 0));
}

TEST(TOpenGLPanel, drawsOutsideTheEventsBetweenMakeCurrentAndNotCurrent) {
  ShownPanel shown;
  EXPECT_FALSE(shown.panel.MakeOpenGLPanelCurrent()) << "no context before the panel is shown";
  EXPECT_TRUE(shown.failures.empty()) << "that is no failure";

  shown.panel.OnPaint = [](TOpenGLPanel&) { clearTo(1, 0, 0); };
  shown.show();
  EXPECT_EQ(centreOf(shown.panel.grabFramebuffer()), QColor(255, 0, 0));

  ASSERT_TRUE(shown.panel.MakeOpenGLPanelCurrent());
  EXPECT_EQ(QOpenGLContext::currentContext(), shown.panel.context());
  clearTo(0, 0, 1);
  shown.panel.SwapBuffers();
  shown.panel.MakeOpenGLPanelNotCurrent();
  EXPECT_NE(QOpenGLContext::currentContext(), shown.panel.context());
  EXPECT_EQ(centreOf(shown.panel.grabFramebuffer()), QColor(0, 0, 255)) << "shown as drawn";
  EXPECT_EQ(centreOf(shown.panel.grabFramebuffer()), QColor(255, 0, 0)) << "until the next paint";
  EXPECT_TRUE(shown.failures.empty());
}

TEST(TOpenGLPanel, neitherDrawsNorSwapsWithoutAPaintHandler) {
  ShownPanel shown;
  shown.panel.OnPaint = [](TOpenGLPanel&) { clearTo(1, 0, 0); };
  shown.show();
  EXPECT_EQ(centreOf(shown.panel.grabFramebuffer()), QColor(255, 0, 0));

  shown.panel.OnPaint = nullptr;
  ASSERT_TRUE(shown.panel.MakeOpenGLPanelCurrent());
  clearTo(0, 0, 1);  // into the back buffer, never swapped
  shown.panel.MakeOpenGLPanelNotCurrent();
  EXPECT_EQ(centreOf(shown.panel.grabFramebuffer()), QColor(255, 0, 0));
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

TEST(TOpenGLPanel, findsExtensionsByWholeNameOnly) {
  ShownPanel shown;
  shown.show();
  ASSERT_TRUE(shown.panel.MakeOpenGLPanelCurrent());
  const std::string list = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  shown.panel.MakeOpenGLPanelNotCurrent();
  const std::string first = list.substr(0, list.find(' '));
  ASSERT_GT(first.size(), 4u);

  EXPECT_TRUE(shown.panel.QueryOpenGLExtention(first));
  EXPECT_FALSE(shown.panel.QueryOpenGLExtention(first.substr(0, first.size() - 1)));
  EXPECT_FALSE(shown.panel.QueryOpenGLExtention(""));
  EXPECT_FALSE(shown.panel.QueryOpenGLExtention("GL_CARGOLYX_no_such_extension"));
}

TEST(TOpenGLPanel, sharesDisplayListsWithThePanelsOfItsWindow) {
  QWidget window;
  window.resize(200, 100);
  auto* left = new TOpenGLPanel(&window);
  auto* right = new TOpenGLPanel(&window);
  left->setGeometry(0, 0, 100, 100);
  right->setGeometry(100, 0, 100, 100);
  EXPECT_FALSE(left->PanelShareLists(*right)) << "no contexts yet";
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QTRY_VERIFY(left->isValid() && right->isValid());
  EXPECT_TRUE(left->PanelShareLists(*right));

  // A display list made in one context can be called in the other.
  left->makeCurrent();
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  glClear(GL_COLOR_BUFFER_BIT);
  glEndList();
  left->doneCurrent();
  right->makeCurrent();
  EXPECT_TRUE(glIsList(list));
  right->doneCurrent();
}

TEST(TOpenGLPanel, reportsTheScreenDepth) {
  ShownPanel shown;
  shown.show();
  EXPECT_EQ(shown.panel.GetDisplayBPP(), shown.panel.screen()->depth());
  EXPECT_GE(shown.panel.GetDisplayBPP(), 16);
}

TEST(TOpenGLPanel, savesItsPictureAsA24BitBmpWithRowsBottomUp) {
  ShownPanel shown;
  shown.panel.OnPaint = [](TOpenGLPanel& sender) {
    clearTo(1, 0, 0);  // red above ...
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, sender.width(), sender.height() / 2);
    clearTo(0, 0, 1);  // ... blue below
    glDisable(GL_SCISSOR_TEST);
  };
  shown.show();
  QTemporaryDir folder;
  const QString file = folder.filePath("picture.bmp");
  ASSERT_TRUE(shown.panel.SaveOpenGLPanelToFile(file));

  QFile saved(file);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray header = saved.read(30);
  EXPECT_EQ(header.left(2), "BM");
  EXPECT_EQ(static_cast<int>(header[28]), 24) << "bits per pixel";

  const auto texture = TOpenGLPanel::LoadBMPTexture(file, false);
  ASSERT_TRUE(texture.has_value());
  EXPECT_EQ(texture->width, 160);
  EXPECT_EQ(texture->height, 120);
  const std::vector<std::uint8_t> bottomLeft(texture->data.begin(), texture->data.begin() + 3);
  EXPECT_EQ(bottomLeft, (std::vector<std::uint8_t>{0, 0, 255}));
  const auto topLeft = texture->data.begin() + 3 * 160 * 119;
  EXPECT_EQ(std::vector<std::uint8_t>(topLeft, topLeft + 3),
            (std::vector<std::uint8_t>{255, 0, 0}));
}

TEST(TOpenGLPanel, reportsAFailedContextByStageAndNumberAndStaysUsable) {
  ShownPanel shown;
  shown.panel.OnPreInit = [](TOpenGLPanel& sender) {
    // A kind of context no platform here can make.
    QSurfaceFormat impossible = sender.format();
    impossible.setRenderableType(QSurfaceFormat::OpenVG);
    sender.setFormat(impossible);
  };
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
