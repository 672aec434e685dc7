#include "view3d/coveredfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "model/blockscheme.h"
#include "model/palette.h"
#include "recordingcanvas.h"
#include "view3d/scenedrawing.h"

namespace {

// A result block of nx x ny x nz cartons of the given size at (x, y, z), packed tight.
BlockScheme resultBlock(std::int32_t x, std::int32_t y, std::int32_t z, std::array<std::int32_t, 3> size,
                        std::array<std::int32_t, 3> grid = {1, 1, 1}) {
  BlockScheme b;
  b.x = x, b.y = y, b.z = z;
  b.sizeX = size[0], b.sizeY = size[1], b.sizeZ = size[2];
  b.nx = grid[0], b.ny = grid[1], b.nz = grid[2];
  b.count = grid[0] * grid[1] * grid[2];
  b.material = 2;
  return b;
}

TEST(CoveredFaces, areTheFacesOfResultBlocksLyingAgainstEachOtherAcrossTheSeam) {
  Scene scene;
  scene.addResultBlock(resultBlock(0, 0, 0, {400, 300, 500}));
  scene.addResultBlock(resultBlock(400, 0, 0, {400, 300, 500}));  // beside it along x
  scene.addResultBlock(resultBlock(0, 300, 0, {400, 300, 500}));  // on top of the first
  scene.addResultBlock(resultBlock(0, 0, 500, {400, 300, 500}));  // behind the first along z
  EXPECT_EQ(coveredFaces(scene), (std::vector<std::uint8_t>{kFacePlusX | kFacePlusY | kFacePlusZ, kFaceMinusX,
                                                            kFaceMinusY, kFaceMinusZ}));
}

TEST(CoveredFaces, needTheWholeFaceSpannedAndTheGapNoWiderThanTheSeam) {
  Scene scene;
  // A small carton on a wide one: its bottom is covered, the wide one's top is not.
  scene.addResultBlock(resultBlock(0, 0, 0, {800, 300, 600}));
  scene.addResultBlock(resultBlock(100, 300, 100, {400, 300, 400}));
  // Cartons 1 mm further apart than the seam, and one overlapping an edge of its
  // neighbour's face only partly.
  scene.addResultBlock(resultBlock(2000, 0, 0, {400, 300, 500}));
  scene.addResultBlock(resultBlock(2401, 0, 0, {400, 300, 500}));
  scene.addResultBlock(resultBlock(2000, 0, 500, {400, 300, 500}));
  scene.addResultBlock(resultBlock(2000, 300, 200, {400, 300, 500}));
  const std::vector<std::uint8_t> covered = coveredFaces(scene);
  ASSERT_EQ(covered.size(), 6u);
  EXPECT_EQ(covered[0], 0);
  EXPECT_EQ(covered[1], kFaceMinusY);
  EXPECT_EQ(covered[2], kFacePlusZ) << "the carton behind covers it, the one 1 mm too far does not";
  EXPECT_EQ(covered[3], 0);
  EXPECT_EQ(covered[4], kFaceMinusZ);
  EXPECT_EQ(covered[5], 0) << "it rests on two cartons, neither of which spans its bottom";
}

TEST(CoveredFaces, leaveTheFacesWithinABlockToTheBlockAndCountItsDrawnCartonsInOrder) {
  Scene scene;
  // Two cartons of three drawn along z, then a carton against the second one's far end.
  BlockScheme partial = resultBlock(0, 0, 0, {400, 300, 500}, {1, 1, 3});
  partial.count = 2;
  scene.addResultBlock(partial);
  scene.addResultBlock(resultBlock(0, 0, 1000, {400, 300, 500}));
  EXPECT_EQ(coveredFaces(scene), (std::vector<std::uint8_t>{0, kFacePlusZ, kFaceMinusZ}));
}

TEST(CoveredFaces, keepAListForEveryCartonWhereverTheBlocksLie) {
  constexpr std::int32_t kFar = std::numeric_limits<std::int32_t>::max() - 1000;
  constexpr std::int32_t kNear = std::numeric_limits<std::int32_t>::min();
  Scene scene;
  scene.addResultBlock(resultBlock(kNear, kNear, kNear, {400, 300, 500}));
  scene.addResultBlock(resultBlock(kNear + 400, kNear, kNear, {400, 300, 500}));
  scene.addResultBlock(resultBlock(kFar, kFar, kFar, {400, 300, 500}));
  const std::vector<std::uint8_t> covered = coveredFaces(scene);
  ASSERT_EQ(covered.size(), 3u);
  EXPECT_EQ(covered[2], 0);
  // Near each other far from the origin, the pair still covers each other's faces.
  scene.sceneBlocks.pop_back();
  EXPECT_EQ(coveredFaces(scene), (std::vector<std::uint8_t>{kFacePlusX, kFaceMinusX}));
}

TEST(HiddenFaces, areThoseOfBuriedCartonsAndTheInnerSideOfCartonsShowingOneSide) {
  Scene scene;  // 3 x 3 x 3 cartons, each a block of its own
  for (std::int32_t i = 0; i < 3; ++i)
    for (std::int32_t j = 0; j < 3; ++j)
      for (std::int32_t k = 0; k < 3; ++k) scene.addResultBlock(resultBlock(i * 400, j * 300, k * 500, {400, 300, 500}));
  std::vector<std::uint8_t> expected(27, 0);
  const auto at = [&expected](int i, int j, int k) -> std::uint8_t& {
    return expected[static_cast<std::size_t>((i * 3 + j) * 3 + k)];
  };
  at(1, 1, 1) = kAllFaces;  // the carton in the middle
  at(0, 1, 1) = kFacePlusX, at(2, 1, 1) = kFaceMinusX;  // one side in sight: the opposite one
  at(1, 0, 1) = kFacePlusY, at(1, 2, 1) = kFaceMinusY;
  at(1, 1, 0) = kFacePlusZ, at(1, 1, 2) = kFaceMinusZ;
  EXPECT_EQ(hiddenFaces(scene), expected) << "cartons with sides in sight on two axes keep every face";

  RecordingCanvas canvas;
  drawScene(scene, canvas);
  EXPECT_EQ(canvas.faces.size(), 6u + 27u * 6u - 12u) << "the frame and the faces not hidden";
}

}  // namespace
