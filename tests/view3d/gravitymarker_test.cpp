// The centre-of-gravity mark of the 3D view.

#include "view3d/gravitymarker.h"

#include <gtest/gtest.h>

#include "recordingcanvas.h"
#include "view3d/scene.h"
#include "view3d/scenedrawing.h"

namespace {

// The largest corner of the six faces starting at index first.
Vector3 boxEnd(const std::vector<RecordedFace>& faces, std::size_t first) {
  Vector3 end = faces[first].corners[0];
  for (std::size_t f = first; f < first + 6; ++f) {
    for (const Vector3& c : faces[f].corners) {
      end = {std::max(end.x, c.x), std::max(end.y, c.y), std::max(end.z, c.z)};
    }
  }
  return end;
}

}  // namespace

TEST(GravityMarker, aSolidBlackCubeAtThePointAndAPoleUpThroughTheRoof) {
  Scene scene;  // the demo container, 11800 x 2300 x 2450, centred on the origin
  scene.setGravityPoint(GravityPoint{1000, 800, 5000});
  RecordingCanvas canvas;
  drawScene(scene, canvas);

  ASSERT_EQ(canvas.faces.size(), 6u + 12u) << "the frame, then the cube and the pole";
  for (std::size_t f = 6; f < canvas.faces.size(); ++f) {
    EXPECT_TRUE(canvas.faces[f].solid);
    EXPECT_EQ(canvas.faces[f].color, 0u);
  }
  // The cube is centred on the point: (1000, 800, 5000) less the container's half sizes.
  const Vector3 cubeLow = boxOrigin(canvas.faces, 6), cubeHigh = boxEnd(canvas.faces, 6);
  EXPECT_DOUBLE_EQ((cubeLow.x + cubeHigh.x) / 2, 1000 - 1150);
  EXPECT_DOUBLE_EQ((cubeLow.y + cubeHigh.y) / 2, 800 - 1225);
  EXPECT_DOUBLE_EQ((cubeLow.z + cubeHigh.z) / 2, 5000 - 5900);
  EXPECT_DOUBLE_EQ(cubeHigh.x - cubeLow.x, kGravityCubeSize);
  // The pole rises from the point to above the container's roof.
  const Vector3 poleLow = boxOrigin(canvas.faces, 12), poleHigh = boxEnd(canvas.faces, 12);
  EXPECT_DOUBLE_EQ(poleLow.y, 800 - 1225);
  EXPECT_DOUBLE_EQ(poleHigh.y, 1225 + kGravityPoleAbove);
  EXPECT_DOUBLE_EQ((poleLow.x + poleHigh.x) / 2, 1000 - 1150);
  EXPECT_DOUBLE_EQ((poleLow.z + poleHigh.z) / 2, 5000 - 5900);

  scene.setGravityPoint(std::nullopt);
  RecordingCanvas withoutPoint;
  drawScene(scene, withoutPoint);
  EXPECT_EQ(withoutPoint.faces.size(), 6u) << "only the frame";
}
