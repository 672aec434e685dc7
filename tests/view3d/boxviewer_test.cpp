#include "view3d/boxviewer.h"

#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

#include "model/blockscheme.h"
#include "model/palette.h"
#include "model/container.h"
#include "view3d/glcanvas.h"
#include "view3d/colors.h"
#include "view3d/scenedrawing.h"
#include "viewerfixture.h"

namespace {

// Container coordinates of a point, shifted into the centred frame the view draws in.
Vector3 centred(const Scene& scene, double x, double y, double z) {
  return {x - scene.sceneSize.width * 0.5, y - scene.sceneSize.height * 0.5,
          z - scene.sceneSize.length * 0.5};
}

TEST_F(ViewerTest, showsTheEmptyContainerAsABlackFrameOnLightGrey) {
  const QImage image = picture();
  EXPECT_EQ(image.pixel(2, 2), kBackground);
  EXPECT_EQ(image.pixel(image.width() - 3, image.height() - 3), kBackground);

  // The midpoints of the frame's twelve edges, where they lie inside the picture.
  const SceneSize& size = scene.sceneSize;
  const double w = size.width, h = size.height, l = size.length;
  const Vector3 midpoints[] = {{w / 2, 0, 0}, {w / 2, h, 0}, {w / 2, 0, l}, {w / 2, h, l},
                               {0, h / 2, 0}, {w, h / 2, 0}, {0, h / 2, l}, {w, h / 2, l},
                               {0, 0, l / 2}, {w, 0, l / 2}, {0, h, l / 2}, {w, h, l / 2}};
  int seen = 0;
  for (const Vector3& m : midpoints) {
    const Vector3 at = onScreen(centred(scene, m.x, m.y, m.z));
    if (at.x < 2 || at.y < 2 || at.x > image.width() - 3 || at.y > image.height() - 3) continue;
    ++seen;
    EXPECT_TRUE(blackNear(image, static_cast<int>(at.x), static_cast<int>(at.y)))
        << "edge midpoint " << m.x << "," << m.y << "," << m.z;
  }
  EXPECT_GE(seen, 8);
  EXPECT_EQ(image.pixel(image.width() / 2, image.height() / 2), kBackground) << "hollow";
}

TEST_F(ViewerTest, paintsEachVisibleCartonFaceInTheShadeOfItsOrientation) {
  // One carton of L x W x H = 600 x 400 x 300 in orientation 0 (W, L, H along x, y, z),
  // in the middle of the container.
  const std::uint32_t red = materialColor(1);
  scene.addSceneBlock(400, 600, 300, 0, 950, 925, 5750, 1, 1, 1, 0, 0, 0, 1, red);
  refreshView(viewer, false);
  const QImage image = picture();
  const Shades shades = blockShades(red);

  const Vector3 corner = centred(scene, 950, 925, 5750);
  const Vector3 extent{400, 600, 300};
  const FaceAxis axes[] = {FaceAxis::X, FaceAxis::Y, FaceAxis::Z};
  int checked = 0;
  for (int axis = 0; axis < 3; ++axis) {
    for (const double side : {0.0, 1.0}) {
      Vector3 centre{corner.x + extent.x / 2, corner.y + extent.y / 2, corner.z + extent.z / 2};
      Vector3 normal{};
      double* centreAxis[] = {&centre.x, &centre.y, &centre.z};
      double* normalAxis[] = {&normal.x, &normal.y, &normal.z};
      const double extents[] = {extent.x, extent.y, extent.z};
      *centreAxis[axis] += (side - 0.5) * extents[axis];
      *normalAxis[axis] = side * 2 - 1;
      if (transformDirection(viewer.camera().modelView, normal).z <= 0) continue;  // turned away
      const QRgb expected = shades[static_cast<std::size_t>(faceShade(0, axes[axis]))];
      EXPECT_EQ(pixelAt(image, onScreen(centre)),
                qRgb(redOf(expected), greenOf(expected), blueOf(expected)))
          << "face on axis " << axis << " side " << side;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 3) << "three faces of a box face the viewer";
}

// Looking straight along the container from its door, one unit per container height.
void lookFromTheDoor(BoxViewer& viewer) {
  viewer.camera().modelView = scalingMatrix(1.0 / viewer.scene().sceneSize.height);
  viewer.camera().storeViewMatrix();
  refreshView(viewer, false);
}

TEST_F(ViewerTest, showsTwentyCartonsOfAThreeByTwoByFourBlockAndLeavesTheRestEmpty) {
  const std::uint32_t green = materialColor(0);
  // Cartons 597 x 797 x 497 at the pitch 600 x 800 x 500 from the container's corner.
  scene.addSceneBlock(597, 797, 497, 3, 0, 0, 0, 3, 2, 4, 3, 3, 3, 20, green);
  lookFromTheDoor(viewer);
  const QImage image = picture();
  const std::uint32_t front =
      blockShades(green)[static_cast<std::size_t>(faceShade(3, FaceAxis::Z))];

  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 2; ++j) {
      const Vector3 cell = onScreen(centred(scene, i * 600 + 300, j * 800 + 400, 2000));
      const bool filled = !(i == 2 && j == 1);
      EXPECT_EQ(pixelAt(image, cell),
                filled ? qRgb(redOf(front), greenOf(front), blueOf(front)) : kBackground)
          << "column " << i << " layer " << j;
    }
  }
}

TEST_F(ViewerTest, drawsOnlyTheChosenBlocksAndKeepsTheView) {
  const std::uint32_t blue = materialColor(5), yellow = materialColor(3);
  scene.addSceneBlock(597, 597, 597, 3, 0, 0, 0, 1, 1, 1, 3, 3, 3, 1, blue);
  scene.addSceneBlock(597, 597, 597, 3, 1500, 0, 0, 1, 1, 1, 3, 3, 3, 1, yellow);
  lookFromTheDoor(viewer);
  const Vector3 first = onScreen(centred(scene, 300, 300, 0));
  const Vector3 second = onScreen(centred(scene, 1800, 300, 0));
  QImage image = picture();
  EXPECT_NE(pixelAt(image, first), kBackground);
  EXPECT_NE(pixelAt(image, second), kBackground);
  const Matrix4 view = viewer.camera().modelView;

  // As when only the second row of the result list is selected.
  scene.clearScene();
  scene.addSceneBlock(597, 597, 597, 3, 1500, 0, 0, 1, 1, 1, 3, 3, 3, 1, yellow);
  refreshView(viewer, false);
  image = picture();
  EXPECT_EQ(pixelAt(image, first), kBackground);
  EXPECT_NE(pixelAt(image, second), kBackground);
  EXPECT_EQ(viewer.camera().modelView, view);
}

TEST_F(ViewerTest, returnsToTheInitialViewOnADoubleClickAfterADrag) {
  const QImage initial = picture();
  drag(Qt::LeftButton, {200, 200}, {290, 240});
  const QImage turned = picture();
  EXPECT_NE(turned, initial);

  refreshView(viewer, false);
  EXPECT_EQ(picture(), turned) << "a repaint keeps the turned view";
  doubleClick(290, 240, Qt::RightButton);
  EXPECT_EQ(picture(), turned) << "only the left button double-clicks";

  doubleClick(290, 240);
  EXPECT_EQ(picture(), initial);
  EXPECT_FALSE(viewer.camera().buttonDown.left);
}

TEST_F(ViewerTest, movesThePictureWithTheRightButtonAndZoomsWithTheMiddle) {
  const QImage before = picture();
  drag(Qt::RightButton, {200, 200}, {250, 200});
  const QImage panned = picture();
  int same = 0, compared = 0;
  for (int y = 0; y < before.height(); y += 2) {
    for (int x = 0; x + 50 < before.width(); x += 2) {
      ++compared;
      if (before.pixel(x, y) == panned.pixel(x + 50, y)) ++same;
    }
  }
  EXPECT_GT(same, compared * 99 / 100) << "the picture moved 50 pixels to the right";
  EXPECT_NE(panned, before);

  // Dragging the middle button down enlarges: the frame's corner moves out from the centre.
  const Vector3 corner = centred(scene, 0, 0, scene.sceneSize.length);
  const Vector3 centre = onScreen({0, 0, 0});
  const double reach = std::abs(onScreen(corner).x - centre.x);
  drag(Qt::MiddleButton, {200, 100}, {200, 130});
  EXPECT_NEAR(std::abs(onScreen(corner).x - centre.x), reach * std::exp(0.3), 1e-6);
  EXPECT_NE(picture(), panned);
}

TEST_F(ViewerTest, returnsToTheInitialViewOfTheNewShapeOnResize) {
  drag(Qt::LeftButton, {200, 200}, {290, 240});
  viewer.resize(1002, 402);
  QTRY_COMPARE(viewer.panel()->width(), 1000);
  QTRY_COMPARE(viewer.camera().viewport.width, 1000);
  Camera expected;
  expected.resize(1000, 400);
  expected.resetView(scene.sceneSize);
  EXPECT_EQ(viewer.camera().modelView, expected.modelView);
  EXPECT_NEAR(rotationAngleDegrees(viewer.camera().modelView), 20.47, 0.01) << "the same turn";
}

// The window positions of the container's eight corners.
std::vector<Vector3> cornersOnScreen(const Camera& camera, const SceneSize& s) {
  std::vector<Vector3> corners;
  for (const double x : {-0.5, 0.5})
    for (const double y : {-0.5, 0.5})
      for (const double z : {-0.5, 0.5})
        corners.push_back(windowPosition(camera, {x * s.width, y * s.height, z * s.length}));
  return corners;
}

// A 40-foot container in a wide and flat panel, then in a small one: at start and after a
// double-click every corner lies inside the panel, and the frame reaches near its edge.
TEST_F(ViewerTest, framesTheWholeContainerInAWideAndInASmallPanel) {
  scene.sceneSize = SceneSize{12032, 2352, 2393};
  for (const QSize panel : {QSize(1400, 260), QSize(180, 140)}) {
    viewer.resize(panel.width() + 2, panel.height() + 2);
    QTRY_COMPARE(viewer.camera().viewport.width, panel.width());
    QTRY_COMPARE(viewer.camera().viewport.height, panel.height());
    drag(Qt::LeftButton, {10, 10}, {60, 40});
    doubleClick(20, 20);
    const QImage image = picture();
    double nearestEdge = panel.width();
    for (const Vector3& at : cornersOnScreen(viewer.camera(), scene.sceneSize)) {
      EXPECT_GE(at.x, 0);
      EXPECT_LE(at.x, panel.width());
      EXPECT_GE(at.y, 0);
      EXPECT_LE(at.y, panel.height());
      nearestEdge = std::min({nearestEdge, at.x, panel.width() - at.x, at.y, panel.height() - at.y});
      EXPECT_TRUE(blackNear(image, std::clamp(static_cast<int>(at.x), 1, panel.width() - 2),
                            std::clamp(static_cast<int>(at.y), 1, panel.height() - 2)))
          << "the frame's corner is drawn at " << at.x << "," << at.y;
    }
    EXPECT_LT(nearestEdge, 0.1 * std::max(panel.width(), panel.height())) << "and fills the panel";
  }
}

TEST_F(ViewerTest, theWheelZoomsInAwayFromTheUserAndOutTowardThem) {
  const auto spread = [&] {
    double lo = 1e9, hi = -1e9;
    for (const Vector3& at : cornersOnScreen(viewer.camera(), scene.sceneSize)) {
      lo = std::min(lo, at.x);
      hi = std::max(hi, at.x);
    }
    return hi - lo;
  };
  const double before = spread();
  const QImage initial = picture();
  QWheelEvent notch(QPointF(200, 200), viewer.panel()->mapToGlobal(QPointF(200, 200)), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(viewer.panel(), &notch);
  EXPECT_NEAR(spread(), before * 1.1, 1e-6);
  EXPECT_NE(picture(), initial);
  QWheelEvent back(QPointF(200, 200), viewer.panel()->mapToGlobal(QPointF(200, 200)), QPoint(), QPoint(0, -120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(viewer.panel(), &back);
  EXPECT_NEAR(spread(), before, 1e-6);
}

TEST_F(ViewerTest, showsANewContainerFromItsInitialView) {
  drag(Qt::LeftButton, {200, 200}, {290, 240});
  Container flat;
  flat.height = 0;
  scene.setSceneContainer(flat);
  refreshView(viewer, true);
  const QImage image = picture();
  EXPECT_EQ(image.pixel(2, 2), kBackground);
  const Vector3 end = onScreen(centred(scene, 0, 0, 0));
  EXPECT_TRUE(std::isfinite(end.x) && std::isfinite(end.y));
  EXPECT_TRUE(blackNear(image, static_cast<int>(end.x), static_cast<int>(end.y)))
      << "a container without height still shows its outline";
}

QRgb rgbOf(std::uint32_t color) { return qRgb(redOf(color), greenOf(color), blueOf(color)); }

TEST_F(ViewerTest, paintsWithVertexArraysTheSamePictureAsImmediateMode) {
  scene.addSceneBlock(397, 597, 297, 0, 0, 0, 0, 5, 4, 38, 3, 3, 3, 700, materialColor(5));
  scene.addSceneBlock(597, 397, 497, 3, 0, 2400, 0, 3, 1, 20, 3, 3, 3, 55, materialColor(3));
  scene.addSceneBlock(497, 497, 497, 5, 2000, 0, 0, 1, 4, 23, 3, 3, 3, 92, materialColor(1));
  scene.highlightedBlock = 1;
  refreshView(viewer, true);
  drag(Qt::MiddleButton, {200, 100}, {200, 160});  // closer, so that every edge shows
  const QImage arrays = picture();
  for (const std::uint32_t color : {materialColor(5), materialColor(3), materialColor(1)}) {
    bool seen = false;
    const QRgb light = rgbOf(blockShades(color)[kShadeLight]);
    for (int y = 0; y < arrays.height() && !seen; ++y)
      for (int x = 0; x < arrays.width() && !seen; ++x) seen = arrays.pixel(x, y) == light;
    EXPECT_TRUE(seen) << "the picture shows colour " << std::hex << color;
  }

  viewer.panel()->OnPaint = [this](TOpenGLPanel&) {
    applyRenderState(viewer.edgeTexture());
    loadCameraMatrices(viewer.camera());
    GlSceneCanvas canvas;
    drawScene(scene, canvas);
  };
  const QImage immediate = picture();
  int differing = 0;
  for (int y = 0; y < arrays.height(); ++y)
    for (int x = 0; x < arrays.width(); ++x) {
      differing += arrays.pixel(x, y) != immediate.pixel(x, y);
    }
  EXPECT_EQ(differing, 0);
}

int differingPixels(const QImage& a, const QImage& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
  return differing;
}

// Cartons the load-max planner places one by one, each its own block, side by side: the
// faces they hide from each other are left out, and the picture stays that of every
// block drawn whole, the dark seams between the cartons included.
TEST_F(ViewerTest, paintsSeparateTouchingBlocksAsWhenEveryFaceWasDrawn) {
  BlockScheme carton;
  carton.sizeX = 460, carton.sizeY = 490, carton.sizeZ = 590, carton.material = 4;
  carton.nx = carton.ny = carton.nz = carton.count = 1;
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 4; ++j)
      for (int k = 0; k < 12; ++k) {
        carton.x = i * 460, carton.y = j * 490, carton.z = k * 590;
        scene.addResultBlock(carton);
      }
  refreshView(viewer, true);
  drag(Qt::MiddleButton, {200, 100}, {200, 160});  // closer, so that every seam shows
  const QImage separate = picture();

  viewer.panel()->OnPaint = [this](TOpenGLPanel&) {
    applyRenderState(viewer.edgeTexture());
    loadCameraMatrices(viewer.camera());
    GlSceneCanvas canvas;
    canvas.clearBuffers();
    canvas.setLineWidth(1.5f);
    const SceneSize& size = scene.sceneSize;
    drawBox(scene, 0, 0, 0, 0, size.width, size.height, size.length, Shades{0, 0, 0}, false, canvas);
    canvas.setLineWidth(1.0f);
    for (const CubeBlock& block : scene.sceneBlocks) drawCubeBlock(scene, block, canvas);
  };
  const QImage everyBlockWhole = picture();
  EXPECT_EQ(differingPixels(separate, everyBlockWhole), 0);
}

// Looking at the door face of three cartons side by side: the edges part them, dark on a
// bright colour and light on a deep one, so a loader can count them.
TEST_F(ViewerTest, drawsCartonEdgesThatSetEachCartonApart) {
  for (const int material : {3, 5}) {
    scene.clearScene();
    scene.addSceneBlock(597, 597, 597, 3, 200, 200, 0, 3, 1, 1, 3, 3, 3, 3, materialColor(material));
    lookFromTheDoor(viewer);
    const QImage image = picture();
    const Shades shades = blockShades(materialColor(material));
    const QRgb edge = rgbOf(edgeColor(shades));
    const QRgb face = rgbOf(shades[static_cast<std::size_t>(faceShade(3, FaceAxis::Z))]);
    const int row = static_cast<int>(onScreen(centred(scene, 0, 500, 600)).y);
    const int from = static_cast<int>(onScreen(centred(scene, 100, 500, 600)).x);
    const int to = static_cast<int>(onScreen(centred(scene, 2100, 500, 600)).x);
    int runs = 0, facePixels = 0;
    bool inEdge = false;
    for (int x = from; x <= to; ++x) {
      const bool isEdge = image.pixel(x, row) == edge;
      runs += isEdge && !inEdge;
      inEdge = isEdge;
      facePixels += image.pixel(x, row) == face;
    }
    EXPECT_EQ(runs, 4) << "material " << material << ": both sides and the two seams";
    EXPECT_GT(facePixels, 60);
  }
}

TEST_F(ViewerTest, labelsTheInnerEndAndTheDoorWhereverTheViewTurnsThem) {
  viewer.setEndLabels("里端", "门");
  QLabel* inner = viewer.innerEndLabel();
  QLabel* door = viewer.doorLabel();
  ASSERT_NE(inner, nullptr);
  ASSERT_NE(door, nullptr);
  EXPECT_TRUE(inner->isVisible());
  EXPECT_EQ(door->text(), "门");
  const auto distance = [](const QLabel* label, const Vector3& at) {
    const QPointF centre = QRectF(label->geometry()).center();
    return std::hypot(centre.x() - at.x, centre.y() - at.y);
  };
  const auto check = [&](const char* when) {
    const Vector3 doorEnd = onScreen({0, 0, scene.sceneSize.length * 0.5});
    const Vector3 innerEnd = onScreen({0, 0, -scene.sceneSize.length * 0.5});
    EXPECT_LT(distance(door, doorEnd), distance(door, innerEnd)) << when;
    EXPECT_LT(distance(inner, innerEnd), distance(inner, doorEnd)) << when;
    EXPECT_TRUE(viewer.panel()->rect().contains(door->geometry())) << when;
  };
  check("at start");
  const QPoint doorAt = door->geometry().center();
  drag(Qt::LeftButton, {100, 200}, {380, 200});  // about half a turn
  check("turned");
  EXPECT_NE(door->geometry().center(), doorAt);
}

TEST_F(ViewerTest, aTooltipNamesTheCartonUnderTheMouse) {
  scene.addSceneBlock(597, 597, 597, 3, 0, 0, 0, 2, 1, 1, 3, 3, 3, 2, materialColor(2));
  scene.sceneBlocks.back().blockNumber = 4;
  scene.sceneBlocks.back().cartonName = "电视机";
  lookFromTheDoor(viewer);
  viewer.cartonToolTip = [](const PickedCarton& carton, const CubeBlock& block) {
    return QString("%1 %2 #%3 at %4").arg(block.blockNumber).arg(QString::fromStdString(block.cartonName))
        .arg(carton.carton).arg(carton.x);
  };
  const Vector3 second = onScreen(centred(scene, 900, 300, 600));
  const QPoint at(static_cast<int>(second.x), static_cast<int>(second.y));
  QHelpEvent help(QEvent::ToolTip, at, viewer.panel()->mapToGlobal(at));
  QCoreApplication::sendEvent(viewer.panel(), &help);
  EXPECT_EQ(QToolTip::text(), "4 电视机 #2 at 600");

  EXPECT_TRUE(viewer.boxViewerToolTip(*viewer.panel(), 3, 3).isEmpty()) << "over no carton";
}

}  // namespace
