#include "view3d/matrix.h"

#include <gtest/gtest.h>

namespace {

void expectMatrixNear(const Matrix4& actual, const Matrix4& expected, double tolerance = 1e-12) {
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << "element " << i;
}

void expectPointNear(const Vector3& actual, const Vector3& expected, double tolerance = 1e-12) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// Every element different, none zero, and no symmetry: a wrong cofactor shows.
constexpr Matrix4 kGeneral{2, 3, 1, 5, 1, 0.5, 4, 2, 7, 1, 3, 0.25, 1, 6, 2, 9};

TEST(MultiplyMatrix, appliesTheRightHandMatrixFirst) {
  const Matrix4 m = multiplyMatrix(translationMatrix(10, 0, 0), scalingMatrix(2));
  expectPointNear(transformPoint(m, {1, 1, 1}), {12, 2, 2});
  expectMatrixNear(multiplyMatrix(identityMatrix(), kGeneral), kGeneral);
  expectMatrixNear(multiplyMatrix(kGeneral, identityMatrix()), kGeneral);
}

TEST(RotationMatrix, turnsCounterClockwiseAboutTheAxis) {
  expectPointNear(transformPoint(rotationMatrix(90, 0, 0, 1), {1, 0, 0}), {0, 1, 0});
  expectPointNear(transformPoint(rotationMatrix(90, 0, 0, 5), {0, 1, 0}), {-1, 0, 0});
  expectPointNear(transformPoint(rotationMatrix(90, 1, 0, 0), {0, 1, 0}), {0, 0, 1});
  expectPointNear(transformPoint(rotationMatrix(120, 1, 1, 1), {1, 0, 0}), {0, 1, 0});
  expectMatrixNear(rotationMatrix(45, 0, 0, 0), identityMatrix());
}

TEST(OrthoMatrix, mapsTheViewVolumeOntoTheUnitCube) {
  const Matrix4 m = orthoMatrix(-2, 2, -1, 1, -10, 10);
  expectPointNear(transformPoint(m, {-2, -1, 10}), {-1, -1, -1});
  expectPointNear(transformPoint(m, {2, 1, -10}), {1, 1, 1});
  expectMatrixNear(orthoMatrix(0, 0, -1, 1, -10, 10), identityMatrix());
}

TEST(InvertMatrix, matchesKnownInverses) {
  Matrix4 inverse{};
  ASSERT_TRUE(invertMatrix(scalingMatrix(4), inverse));
  expectMatrixNear(inverse, scalingMatrix(0.25));

  ASSERT_TRUE(invertMatrix(translationMatrix(1, -2, 3), inverse));
  expectMatrixNear(inverse, translationMatrix(-1, 2, -3));

  ASSERT_TRUE(invertMatrix(rotationMatrix(33, 1, -2, 0.5), inverse));
  expectMatrixNear(inverse, rotationMatrix(-33, 1, -2, 0.5));

  const Matrix4 view =
      multiplyMatrix(translationMatrix(0.3, -0.1, 0),
                     multiplyMatrix(rotationMatrix(20, 25, -55, -8), scalingMatrix(1.0 / 2450)));
  ASSERT_TRUE(invertMatrix(view, inverse));
  expectMatrixNear(
      inverse,
      multiplyMatrix(scalingMatrix(2450), multiplyMatrix(rotationMatrix(-20, 25, -55, -8),
                                                         translationMatrix(-0.3, 0.1, 0))),
      1e-9);
}

TEST(InvertMatrix, givesIdentityWhenMultipliedWithAGeneralMatrix) {
  Matrix4 inverse{};
  ASSERT_TRUE(invertMatrix(kGeneral, inverse));
  expectMatrixNear(multiplyMatrix(kGeneral, inverse), identityMatrix(), 1e-12);
  expectMatrixNear(multiplyMatrix(inverse, kGeneral), identityMatrix(), 1e-12);
}

TEST(InvertMatrix, leavesTheInverseAloneForASingularMatrix) {
  Matrix4 singular = kGeneral;
  for (int row = 0; row < 4; ++row) singular[3 * 4 + row] = 2 * singular[1 * 4 + row];
  Matrix4 inverse = kGeneral;
  EXPECT_FALSE(invertMatrix(singular, inverse));
  EXPECT_EQ(inverse, kGeneral);
  EXPECT_FALSE(invertMatrix(Matrix4{}, inverse));
  EXPECT_EQ(inverse, kGeneral);
}

TEST(VectorLength, isTheEuclideanLength) {
  EXPECT_DOUBLE_EQ(vectorLength(3, 4, 12), 13);
  EXPECT_NEAR(vectorLength(25, -55, -8), 60.9426, 1e-4);
  EXPECT_EQ(vectorLength(0, 0, 0), 0);
}

}  // namespace
