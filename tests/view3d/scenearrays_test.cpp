// The arrays the view paints from hold exactly what the scene drawing sends.
#include "view3d/scenearrays.h"

#include <gtest/gtest.h>

#include "model/palette.h"
#include "recordingcanvas.h"
#include "view3d/scenedrawing.h"

namespace {

TEST(SceneArrays, holdEveryFaceAndOutlineOfTheDrawingWithItsColours) {
  Scene scene;
  scene.addSceneBlock(597, 397, 297, 0, 0, 0, 0, 2, 1, 3, 3, 3, 3, 5, materialColor(1));
  scene.addSceneBlock(597, 397, 297, 4, 1300, 0, 0, 1, 1, 1, 3, 3, 3, 1, materialColor(5));
  scene.highlightedBlock = 1;
  RecordingCanvas recorded;
  drawScene(scene, recorded);
  SceneArrays arrays;
  drawScene(scene, arrays);

  // The filled faces, four vertices each with the rim's texture corners, in order.
  std::size_t solid = 0;
  for (const RecordedFace& face : recorded.faces) {
    if (!face.solid) continue;
    for (std::size_t c = 0; c < 4; ++c) {
      const std::size_t v = solid * 4 + c;
      ASSERT_LT(v, arrays.quads.size());
      EXPECT_FLOAT_EQ(arrays.quads.positions[v * 3], static_cast<float>(face.corners[c].x));
      EXPECT_FLOAT_EQ(arrays.quads.positions[v * 3 + 1], static_cast<float>(face.corners[c].y));
      EXPECT_FLOAT_EQ(arrays.quads.positions[v * 3 + 2], static_cast<float>(face.corners[c].z));
      EXPECT_EQ(arrays.quads.colors[v * 4], redOf(face.color));
      EXPECT_EQ(arrays.quads.colors[v * 4 + 1], greenOf(face.color));
      EXPECT_EQ(arrays.quads.colors[v * 4 + 2], blueOf(face.color));
      EXPECT_EQ(arrays.quads.colors[v * 4 + 3], 255);
      EXPECT_EQ(arrays.quadTexture[v * 2], kFaceCornerTexture[c][0]);
      EXPECT_EQ(arrays.quadTexture[v * 2 + 1], kFaceCornerTexture[c][1]);
    }
    ++solid;
  }
  EXPECT_EQ(arrays.quads.size(), solid * 4);
  ASSERT_EQ(arrays.quadBatches.size(), 2u) << "one a block: their edge colours differ";
  EXPECT_EQ(arrays.quadBatches[0].edgeColor, edgeColor(blockShades(materialColor(1))));
  EXPECT_EQ(arrays.quadBatches[0].count, (solid - 6) * 4);
  EXPECT_EQ(arrays.quadBatches[1].edgeColor, kHighlightEdgeColor);
  EXPECT_EQ(arrays.quadBatches[1].first, (solid - 6) * 4);
  EXPECT_EQ(arrays.quadBatches[1].count, 6u * 4u) << "the single carton of the second block";

  // The frame's six outlines as four black segments each, 1.5 wide.
  ASSERT_EQ(arrays.lines.size(), 6u * 4u * 2u);
  ASSERT_EQ(arrays.lineBatches.size(), 1u);
  EXPECT_FLOAT_EQ(arrays.lineBatches[0].lineWidth, 1.5f);
  EXPECT_EQ(arrays.lineBatches[0].count, 48u);
  const FaceCorners& first = recorded.faces[0].corners;
  EXPECT_FLOAT_EQ(arrays.lines.positions[3], static_cast<float>(first[1].x)) << "from corner 0 to corner 1";
  EXPECT_FLOAT_EQ(arrays.lines.positions[7 * 3 + 2], static_cast<float>(first[0].z)) << "closed at corner 0";

  arrays.clear();
  EXPECT_EQ(arrays.quads.size(), 0u);
  EXPECT_TRUE(arrays.quadTexture.empty());
  EXPECT_TRUE(arrays.quadBatches.empty());
  EXPECT_EQ(arrays.lines.size(), 0u);
  EXPECT_TRUE(arrays.lineBatches.empty());
}

}  // namespace
