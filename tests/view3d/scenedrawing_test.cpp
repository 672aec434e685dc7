#include "view3d/scenedrawing.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

#include "model/blockscheme.h"
#include "model/loadedpallet.h"
#include "model/palette.h"
#include "recordingcanvas.h"

namespace {

void expectPointEq(const Vector3& actual, const Vector3& expected) {
  EXPECT_DOUBLE_EQ(actual.x, expected.x);
  EXPECT_DOUBLE_EQ(actual.y, expected.y);
  EXPECT_DOUBLE_EQ(actual.z, expected.z);
}

// Extents of a recorded face along x, y and z.
Vector3 faceExtent(const RecordedFace& face) {
  Vector3 lo = face.corners[0], hi = face.corners[0];
  for (const Vector3& c : face.corners) {
    lo = {std::min(lo.x, c.x), std::min(lo.y, c.y), std::min(lo.z, c.z)};
    hi = {std::max(hi.x, c.x), std::max(hi.y, c.y), std::max(hi.z, c.z)};
  }
  return {hi.x - lo.x, hi.y - lo.y, hi.z - lo.z};
}

TEST(Scene, showsAResultBlocksCartonsWithASeamAtTheBlocksOwnPitch) {
  BlockScheme b;
  b.x = 10, b.y = 20, b.z = 30;
  b.sizeX = 600, b.sizeY = 400, b.sizeZ = 300;
  b.gapX = 5, b.gapY = 0, b.gapZ = 10;
  b.nx = 2, b.ny = 3, b.nz = 4, b.count = 20, b.orientation = 3, b.material = 1;
  Scene scene;
  scene.addResultBlock(b);
  ASSERT_EQ(scene.sceneBlocks.size(), 1u);
  const CubeBlock& c = scene.sceneBlocks[0];
  EXPECT_EQ(c.sizeX + c.gapX, 605) << "the pitch is the block's";
  EXPECT_EQ(c.sizeY + c.gapY, 400);
  EXPECT_EQ(c.sizeZ + c.gapZ, 310);
  EXPECT_EQ(c.gapY, 3) << "a seam even between cartons packed without spacing";
  EXPECT_EQ((std::array{c.x, c.y, c.z, c.nx, c.ny, c.nz, c.count, c.orientation}),
            (std::array{10, 20, 30, 2, 3, 4, 20, 3}));
  EXPECT_EQ(c.color, materialColor(1));
}

TEST(DrawScene, drawsOnlyTheBlackFrameOfAnEmptySceneCentredOnTheOrigin) {
  Scene scene;  // the demo container, 11800 x 2300 x 2450
  RecordingCanvas canvas;
  drawScene(scene, canvas);

  EXPECT_EQ(canvas.clears, 1);
  EXPECT_EQ(canvas.maxDepth, 1);
  EXPECT_EQ(canvas.depth, 0) << "the matrix is restored";
  ASSERT_EQ(canvas.faces.size(), 6u);
  for (const RecordedFace& face : canvas.faces) {
    EXPECT_FALSE(face.solid);
    EXPECT_EQ(face.color, 0u);
    EXPECT_FLOAT_EQ(face.lineWidth, 1.5f);
  }
  expectPointEq(boxOrigin(canvas.faces, 0), {-1150, -1225, -5900});
  expectPointEq(canvas.faces[1].corners[2], {1150, 1225, 5900});
}

TEST(DrawScene, drawsCartonsWithThinLinesAfterTheFrame) {
  Scene scene;
  scene.addSceneBlock(597, 397, 297, 0, 0, 0, 0, 1, 1, 1, 3, 3, 3, 1, materialColor(1));
  RecordingCanvas canvas;
  drawScene(scene, canvas);
  ASSERT_EQ(canvas.faces.size(), 12u);
  EXPECT_TRUE(canvas.faces[6].solid);
  EXPECT_FLOAT_EQ(canvas.faces[6].lineWidth, 1.0f);
  expectPointEq(boxOrigin(canvas.faces, 6), {-1150, -1225, -5900});
}

using Cell = std::array<int, 3>;

// The grid cells of the block whose cartons have faces among those drawn, for a block at
// the pitch 100 x 200 x 300 from (10, 20, 30) in a 4000 x 2000 x 2000 container.
std::set<Cell> cellsDrawn(const std::vector<RecordedFace>& faces) {
  std::set<Cell> cells;
  for (const RecordedFace& face : faces) {
    Vector3 lo = face.corners[0];
    for (const Vector3& c : face.corners) lo = {std::min(lo.x, c.x), std::min(lo.y, c.y), std::min(lo.z, c.z)};
    cells.insert({static_cast<int>(std::floor((lo.x + 1000 - 10) / 100)),
                  static_cast<int>(std::floor((lo.y + 1000 - 20) / 200)),
                  static_cast<int>(std::floor((lo.z + 2000 - 30) / 300))});
  }
  return cells;
}

TEST(DrawCubeBlock, drawsCountCartonsAlongZThenUpThenAcross) {
  Scene scene;
  scene.sceneSize = SceneSize{4000, 2000, 2000};
  // 3 x 2 x 4 cartons of 97 x 197 x 297 at the pitch 100 x 200 x 300 from (10, 20, 30).
  const CubeBlock block{97, 197, 297, 3, 10, 20, 30, 3, 2, 4, 3, 3, 3, 20, materialColor(0), 0, {}};
  RecordingCanvas canvas;
  drawCubeBlock(scene, block, canvas);

  std::set<Cell> expected;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 2; ++j)
      for (int k = 0; k < 4; ++k)
        if (!(i == 2 && j == 1)) expected.insert({i, j, k});  // the top layer of the third column stays empty
  EXPECT_EQ(cellsDrawn(canvas.faces), expected);
  for (const RecordedFace& face : canvas.faces) EXPECT_TRUE(face.solid);
}

TEST(DrawCubeBlock, leavesOutTheFacesBetweenTwoCartonsOfTheBlock) {
  Scene scene;
  scene.sceneSize = SceneSize{4000, 2000, 2000};
  // Two cartons side by side along x: ten faces, none on the planes between them.
  RecordingCanvas pair;
  drawCubeBlock(scene, CubeBlock{97, 197, 297, 3, 10, 20, 30, 2, 1, 1, 3, 3, 3, 2, materialColor(0), 0, {}}, pair);
  ASSERT_EQ(pair.faces.size(), 10u);
  for (const RecordedFace& face : pair.faces) {
    const Vector3 e = faceExtent(face);
    if (e.x == 0) {
      EXPECT_TRUE(face.corners[0].x == 10 - 1000.0 || face.corners[0].x == 207 - 1000.0);
    }
  }
  // Toward a cell the count leaves empty the face is drawn: one carton of two along z.
  RecordingCanvas half;
  drawCubeBlock(scene, CubeBlock{97, 197, 297, 3, 10, 20, 30, 1, 1, 2, 3, 3, 3, 1, materialColor(0), 0, {}}, half);
  EXPECT_EQ(half.faces.size(), 6u);
  // A full 3 x 3 x 3 block: only its outer surface, 9 faces a side.
  RecordingCanvas cube;
  drawCubeBlock(scene, CubeBlock{97, 197, 297, 3, 10, 20, 30, 3, 3, 3, 3, 3, 3, 27, materialColor(0), 0, {}}, cube);
  EXPECT_EQ(cube.faces.size(), 54u);
}

TEST(DrawCubeBlock, drawsNothingForNoCountAndTheFullGridForTooMany) {
  Scene scene;
  scene.sceneSize = SceneSize{4000, 2000, 2000};
  CubeBlock block{97, 197, 297, 3, 10, 20, 30, 3, 2, 4, 3, 3, 3, 0, materialColor(0), 0, {}};
  RecordingCanvas none;
  drawCubeBlock(scene, block, none);
  EXPECT_TRUE(none.faces.empty());

  block.count = -5;
  drawCubeBlock(scene, block, none);
  EXPECT_TRUE(none.faces.empty());

  block.count = 1000;
  RecordingCanvas full;
  drawCubeBlock(scene, block, full);
  EXPECT_EQ(cellsDrawn(full.faces).size(), 24u);
  EXPECT_EQ(full.faces.size(), 2u * (3 * 2 + 2 * 4 + 3 * 4)) << "the block's outer surface";

  block.nx = -3;
  RecordingCanvas negative;
  drawCubeBlock(scene, block, negative);
  EXPECT_TRUE(negative.faces.empty());
}

// A carton of L x W x H = 600 x 400 x 300 in each orientation, with its extents along x,
// y and z as the result blocks give them.
struct OrientationCase {
  int orientation;
  int sizeX, sizeY, sizeZ;
};

class CartonFaces : public testing::TestWithParam<OrientationCase> {};

TEST_P(CartonFaces, areLightOnLWMiddleOnLHAndDarkOnWH) {
  const OrientationCase& c = GetParam();
  Scene scene;
  const std::uint32_t red = materialColor(1);
  const Shades shades = blockShades(red);
  const CubeBlock block{c.sizeX, c.sizeY, c.sizeZ, c.orientation, 0, 0, 0, 1, 1, 1, 0, 0,
                        0,       1,       red, 0, {}};
  RecordingCanvas canvas;
  drawCubeBlock(scene, block, canvas);
  ASSERT_EQ(canvas.faces.size(), 6u);
  for (const RecordedFace& face : canvas.faces) {
    const Vector3 e = faceExtent(face);
    const double area = std::max(e.x * e.y, std::max(e.y * e.z, e.x * e.z));
    if (area == 600.0 * 400.0) {
      EXPECT_EQ(face.color, shades[kShadeLight]);
    } else if (area == 600.0 * 300.0) {
      EXPECT_EQ(face.color, shades[kShadeMiddle]);
    } else {
      EXPECT_EQ(area, 400.0 * 300.0);
      EXPECT_EQ(face.color, shades[kShadeDark]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Orientations, CartonFaces,
    testing::Values(OrientationCase{0, 400, 600, 300}, OrientationCase{1, 300, 400, 600},
                    OrientationCase{2, 600, 300, 400}, OrientationCase{3, 400, 300, 600},
                    OrientationCase{4, 300, 600, 400}, OrientationCase{5, 600, 400, 300}));

TEST(DrawBox, paintsUnknownOrientationsAndOutlinesInTheDarkShade) {
  Scene scene;
  const Shades shades = blockShades(materialColor(2));
  for (const auto& [orientation, solid] : {std::pair{6, true}, {-1, true}, {2, false}}) {
    RecordingCanvas canvas;
    drawBox(scene, 0, 0, 0, orientation, 10, 20, 30, shades, solid, canvas);
    ASSERT_EQ(canvas.faces.size(), 6u);
    for (const RecordedFace& face : canvas.faces) {
      EXPECT_EQ(face.color, shades[kShadeDark]) << "orientation " << orientation;
      EXPECT_EQ(face.solid, solid);
    }
  }
}

}  // namespace

namespace {

Vector3 minus(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vector3 cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

TEST(DrawBox, windsEverySolidFaceCounterClockwiseSeenFromOutside) {
  Scene scene;
  for (int orientation = 0; orientation < 6; ++orientation) {
    RecordingCanvas canvas;
    drawBox(scene, 100, 200, 300, orientation, 10, 20, 30, blockShades(materialColor(1)), true, canvas);
    ASSERT_EQ(canvas.faces.size(), 6u);
    const Vector3 centre{105 - 1150.0, 210 - 1225.0, 315 - 5900.0};
    for (const RecordedFace& face : canvas.faces) {
      const FaceCorners& c = face.corners;
      const Vector3 normal = cross(minus(c[1], c[0]), minus(c[2], c[0]));
      EXPECT_GT(dot(normal, minus(c[0], centre)), 0) << "orientation " << orientation;
    }
  }
}

TEST(DrawScene, givesEveryCartonFaceItsEdgesAndTheHighlightedBlockWhiteOnes) {
  Scene scene;
  for (int i = 0; i < 3; ++i) scene.addSceneBlock(97, 97, 97, 3, i * 200, 0, 0, 1, 1, 1, 3, 3, 3, 1, materialColor(5));
  scene.highlightedBlock = 1;
  RecordingCanvas canvas;
  drawScene(scene, canvas);
  ASSERT_EQ(canvas.faces.size(), 6u + 3u * 6u);
  const std::uint32_t plain = edgeColor(blockShades(materialColor(5)));
  int colorChanges = 0;
  for (std::size_t i = 6; i < canvas.faces.size(); ++i) {
    const double left = canvas.faces[i].corners[0].x + scene.sceneSize.width * 0.5;
    const bool highlighted = left >= 200 && left <= 297;
    EXPECT_EQ(canvas.faces[i].edgeColor, highlighted ? kHighlightEdgeColor : plain) << i;
    EXPECT_NE(canvas.faces[i].color, kHighlightEdgeColor) << "the faces keep their shades";
    colorChanges += i > 6 && canvas.faces[i].edgeColor != canvas.faces[i - 1].edgeColor;
  }
  EXPECT_EQ(colorChanges, 1) << "the blocks of one edge colour drawn together";

  scene.clearScene();
  EXPECT_EQ(scene.highlightedBlock, -1) << "cleared with the blocks";
}

TEST(DrawScene, aPalletStepSinglesOutItsBaseAndEveryCartonOnIt) {
  Scene scene;
  scene.addSceneBlock(97, 97, 97, 3, 0, 0, 0, 1, 1, 1, 3, 3, 3, 1, materialColor(5));  // a loose carton
  scene.addPalletBase(PlacedBox{200, 0, 0, 800, 144, 1200}, "EUR 托盘");
  for (int i = 0; i < 2; ++i) scene.addSceneBlock(97, 97, 97, 3, 200 + i * 400, 144, 0, 1, 1, 1, 3, 3, 3, 1, materialColor(5));
  EXPECT_EQ(scene.sceneBlocks[1].color, kPalletBaseColor);
  EXPECT_EQ(scene.sceneBlocks[1].cartonName, "EUR 托盘");
  scene.highlightedBlock = 1;
  scene.highlightedCount = 3;
  RecordingCanvas canvas;
  drawScene(scene, canvas);
  std::size_t highlighted = 0;
  for (std::size_t i = 6; i < canvas.faces.size(); ++i) {
    const double left = canvas.faces[i].corners[0].x + scene.sceneSize.width * 0.5;
    const bool onPallet = left >= 200;
    EXPECT_EQ(canvas.faces[i].edgeColor == kHighlightEdgeColor, onPallet) << i;
    highlighted += onPallet;
  }
  EXPECT_GT(highlighted, 0u);
  scene.clearScene();
  EXPECT_EQ(scene.highlightedCount, 1) << "one block again once cleared";
}

}  // namespace
