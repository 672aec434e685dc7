// The carton under the mouse, found by the ray through the pixel.
#include "view3d/scenepicking.h"

#include <gtest/gtest.h>

#include "model/palette.h"
#include "viewmath.h"

namespace {

// Looking straight along the container from its door, one unit per container height.
Camera fromTheDoor(const Scene& scene) {
  Camera camera;
  camera.resize(535, 400);
  camera.modelView = scalingMatrix(1.0 / scene.sceneSize.height);
  camera.storeViewMatrix();
  return camera;
}

// The pixel where a point in container coordinates appears.
Vector3 pixelOf(const Scene& scene, const Camera& camera, double x, double y, double z) {
  return windowPosition(camera, {x - scene.sceneSize.width * 0.5, y - scene.sceneSize.height * 0.5,
                                 z - scene.sceneSize.length * 0.5});
}

std::optional<PickedCarton> pickAt(const Scene& scene, const Camera& camera, const Vector3& pixel) {
  return pickCarton(scene, camera, static_cast<int>(pixel.x), static_cast<int>(pixel.y));
}

TEST(PickCarton, findsTheCartonNearestTheViewerAndItsPlaceInTheBlock) {
  Scene scene;
  // 3 x 2 x 4 cartons of 597 x 797 x 497 at the pitch 600 x 800 x 500, 20 of them.
  scene.addSceneBlock(597, 797, 497, 3, 0, 0, 0, 3, 2, 4, 3, 3, 3, 20, materialColor(0));
  scene.addSceneBlock(597, 597, 597, 3, 1800, 0, 0, 1, 1, 1, 3, 3, 3, 1, materialColor(1));
  const Camera camera = fromTheDoor(scene);

  // Column 1, bottom layer: four cartons one behind the other; the door's is the last.
  const std::optional<PickedCarton> front = pickAt(scene, camera, pixelOf(scene, camera, 900, 400, 0));
  ASSERT_TRUE(front.has_value());
  EXPECT_EQ(front->block, 0u);
  EXPECT_EQ((std::array{front->i, front->j, front->k}), (std::array{1, 0, 3}));
  EXPECT_EQ(front->carton, 12) << "the 12th drawn: z first, then y, then x";
  EXPECT_EQ((std::array{front->x, front->y, front->z}), (std::array{600, 0, 1500}));

  // Column 2 holds only its bottom layer (cartons 17 to 20): above it the ray meets nothing.
  EXPECT_FALSE(pickAt(scene, camera, pixelOf(scene, camera, 1500, 1200, 0)).has_value());
  const std::optional<PickedCarton> bottom = pickAt(scene, camera, pixelOf(scene, camera, 1500, 400, 0));
  ASSERT_TRUE(bottom.has_value());
  EXPECT_EQ(bottom->carton, 20);

  const std::optional<PickedCarton> other = pickAt(scene, camera, pixelOf(scene, camera, 2100, 300, 0));
  ASSERT_TRUE(other.has_value());
  EXPECT_EQ(other->block, 1u);
  EXPECT_EQ(other->carton, 1);
}

TEST(PickCarton, seesThroughTheSeamBetweenCartonsOnlyWhereTheSeamIs) {
  Scene scene;
  scene.addSceneBlock(597, 597, 597, 3, 0, 0, 0, 2, 1, 1, 303, 3, 3, 2, materialColor(0));
  Camera camera = fromTheDoor(scene);
  camera.modelView = multiplyMatrix(camera.modelView, scalingMatrix(4.0));  // zoomed in
  camera.storeViewMatrix();
  EXPECT_FALSE(pickAt(scene, camera, pixelOf(scene, camera, 748, 300, 0)).has_value()) << "the 300 mm gap";
  EXPECT_EQ(pickAt(scene, camera, pixelOf(scene, camera, 1000, 300, 0))->i, 1);
}

TEST(PickCarton, findsNothingInAnEmptySceneOrAViewportWithoutArea) {
  Scene scene;
  Camera camera = fromTheDoor(scene);
  EXPECT_FALSE(pickCarton(scene, camera, 267, 200).has_value());
  scene.addSceneBlock(597, 597, 597, 3, 0, 0, 0, 1, 1, 1, 3, 3, 3, 1, materialColor(0));
  camera.resize(0, 0);
  EXPECT_FALSE(pickCarton(scene, camera, 0, 0).has_value());
}

TEST(RayEntersBox, givesWhereTheRayEntersOrNothing) {
  const Vector3 lo{0, 0, 0}, hi{10, 10, 10};
  EXPECT_DOUBLE_EQ(*rayEntersBox({-10, 5, 5}, {40, 0, 0}, lo, hi), 0.25);
  EXPECT_DOUBLE_EQ(*rayEntersBox({5, 5, 5}, {40, 0, 0}, lo, hi), 0.0) << "starting inside";
  EXPECT_FALSE(rayEntersBox({-10, 15, 5}, {40, 0, 0}, lo, hi).has_value()) << "passing above";
  EXPECT_FALSE(rayEntersBox({-10, 5, 5}, {5, 0, 0}, lo, hi).has_value()) << "ending before it";
  EXPECT_FALSE(rayEntersBox({-10, -10, 5}, {40, 1, 0}, lo, hi).has_value()) << "slanting past";
  EXPECT_DOUBLE_EQ(*rayEntersBox({-10, -10, 5}, {40, 40, 0}, lo, hi), 0.25) << "through the edge";
}

}  // namespace
