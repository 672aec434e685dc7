#include "view3d/matrix.h"

#include <cmath>
#include <numbers>

namespace {

double& at(Matrix4& m, int row, int column) { return m[column * 4 + row]; }
double at(const Matrix4& m, int row, int column) { return m[column * 4 + row]; }

}  // namespace

Matrix4 identityMatrix() {
  Matrix4 m{};
  for (int i = 0; i < 4; ++i) at(m, i, i) = 1.0;
  return m;
}

Matrix4 multiplyMatrix(const Matrix4& a, const Matrix4& b) {
  Matrix4 product{};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += at(a, row, k) * at(b, k, column);
      at(product, row, column) = sum;
    }
  }
  return product;
}

Matrix4 rotationMatrix(double angleDegrees, double x, double y, double z) {
  const double length = vectorLength(x, y, z);
  if (length == 0.0) return identityMatrix();
  x /= length;
  y /= length;
  z /= length;
  const double radians = angleDegrees * std::numbers::pi / 180.0;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  const double t = 1.0 - c;
  Matrix4 m = identityMatrix();
  at(m, 0, 0) = x * x * t + c;
  at(m, 0, 1) = x * y * t - z * s;
  at(m, 0, 2) = x * z * t + y * s;
  at(m, 1, 0) = y * x * t + z * s;
  at(m, 1, 1) = y * y * t + c;
  at(m, 1, 2) = y * z * t - x * s;
  at(m, 2, 0) = z * x * t - y * s;
  at(m, 2, 1) = z * y * t + x * s;
  at(m, 2, 2) = z * z * t + c;
  return m;
}

Matrix4 scalingMatrix(double s) {
  Matrix4 m = identityMatrix();
  for (int i = 0; i < 3; ++i) at(m, i, i) = s;
  return m;
}

Matrix4 translationMatrix(double x, double y, double z) {
  Matrix4 m = identityMatrix();
  at(m, 0, 3) = x;
  at(m, 1, 3) = y;
  at(m, 2, 3) = z;
  return m;
}

Matrix4 orthoMatrix(double left, double right, double bottom, double top, double nearPlane,
                    double farPlane) {
  Matrix4 m = identityMatrix();
  if (left == right || bottom == top || nearPlane == farPlane) return m;
  at(m, 0, 0) = 2.0 / (right - left);
  at(m, 1, 1) = 2.0 / (top - bottom);
  at(m, 2, 2) = -2.0 / (farPlane - nearPlane);
  at(m, 0, 3) = -(right + left) / (right - left);
  at(m, 1, 3) = -(top + bottom) / (top - bottom);
  at(m, 2, 3) = -(farPlane + nearPlane) / (farPlane - nearPlane);
  return m;
}

bool invertMatrix(const Matrix4& m, Matrix4& inverse) {
  // 2 x 2 sub-determinants of rows 0 and 1 (s) and of rows 2 and 3 (c), for every pair
  // of columns; each 3 x 3 cofactor is a sum of three products of them.
  const double s0 = at(m, 0, 0) * at(m, 1, 1) - at(m, 1, 0) * at(m, 0, 1);
  const double s1 = at(m, 0, 0) * at(m, 1, 2) - at(m, 1, 0) * at(m, 0, 2);
  const double s2 = at(m, 0, 0) * at(m, 1, 3) - at(m, 1, 0) * at(m, 0, 3);
  const double s3 = at(m, 0, 1) * at(m, 1, 2) - at(m, 1, 1) * at(m, 0, 2);
  const double s4 = at(m, 0, 1) * at(m, 1, 3) - at(m, 1, 1) * at(m, 0, 3);
  const double s5 = at(m, 0, 2) * at(m, 1, 3) - at(m, 1, 2) * at(m, 0, 3);
  const double c5 = at(m, 2, 2) * at(m, 3, 3) - at(m, 3, 2) * at(m, 2, 3);
  const double c4 = at(m, 2, 1) * at(m, 3, 3) - at(m, 3, 1) * at(m, 2, 3);
  const double c3 = at(m, 2, 1) * at(m, 3, 2) - at(m, 3, 1) * at(m, 2, 2);
  const double c2 = at(m, 2, 0) * at(m, 3, 3) - at(m, 3, 0) * at(m, 2, 3);
  const double c1 = at(m, 2, 0) * at(m, 3, 2) - at(m, 3, 0) * at(m, 2, 2);
  const double c0 = at(m, 2, 0) * at(m, 3, 1) - at(m, 3, 0) * at(m, 2, 1);

  // Cofactors of the first row; the determinant is their sum weighted by that row.
  const double cof00 = at(m, 1, 1) * c5 - at(m, 1, 2) * c4 + at(m, 1, 3) * c3;
  const double cof01 = -(at(m, 1, 0) * c5 - at(m, 1, 2) * c2 + at(m, 1, 3) * c1);
  const double cof02 = at(m, 1, 0) * c4 - at(m, 1, 1) * c2 + at(m, 1, 3) * c0;
  const double cof03 = -(at(m, 1, 0) * c3 - at(m, 1, 1) * c1 + at(m, 1, 2) * c0);
  const double determinant =
      at(m, 0, 0) * cof00 + at(m, 0, 1) * cof01 + at(m, 0, 2) * cof02 + at(m, 0, 3) * cof03;
  if (determinant == 0.0) return false;

  // The adjugate is the transposed matrix of cofactors.
  Matrix4 adjugate{};
  at(adjugate, 0, 0) = cof00;
  at(adjugate, 1, 0) = cof01;
  at(adjugate, 2, 0) = cof02;
  at(adjugate, 3, 0) = cof03;
  at(adjugate, 0, 1) = -(at(m, 0, 1) * c5 - at(m, 0, 2) * c4 + at(m, 0, 3) * c3);
  at(adjugate, 1, 1) = at(m, 0, 0) * c5 - at(m, 0, 2) * c2 + at(m, 0, 3) * c1;
  at(adjugate, 2, 1) = -(at(m, 0, 0) * c4 - at(m, 0, 1) * c2 + at(m, 0, 3) * c0);
  at(adjugate, 3, 1) = at(m, 0, 0) * c3 - at(m, 0, 1) * c1 + at(m, 0, 2) * c0;
  at(adjugate, 0, 2) = at(m, 3, 1) * s5 - at(m, 3, 2) * s4 + at(m, 3, 3) * s3;
  at(adjugate, 1, 2) = -(at(m, 3, 0) * s5 - at(m, 3, 2) * s2 + at(m, 3, 3) * s1);
  at(adjugate, 2, 2) = at(m, 3, 0) * s4 - at(m, 3, 1) * s2 + at(m, 3, 3) * s0;
  at(adjugate, 3, 2) = -(at(m, 3, 0) * s3 - at(m, 3, 1) * s1 + at(m, 3, 2) * s0);
  at(adjugate, 0, 3) = -(at(m, 2, 1) * s5 - at(m, 2, 2) * s4 + at(m, 2, 3) * s3);
  at(adjugate, 1, 3) = at(m, 2, 0) * s5 - at(m, 2, 2) * s2 + at(m, 2, 3) * s1;
  at(adjugate, 2, 3) = -(at(m, 2, 0) * s4 - at(m, 2, 1) * s2 + at(m, 2, 3) * s0);
  at(adjugate, 3, 3) = at(m, 2, 0) * s3 - at(m, 2, 1) * s1 + at(m, 2, 2) * s0;

  for (double& element : adjugate) element /= determinant;
  inverse = adjugate;
  return true;
}

Vector3 transformDirection(const Matrix4& m, const Vector3& v) {
  return {at(m, 0, 0) * v.x + at(m, 0, 1) * v.y + at(m, 0, 2) * v.z,
          at(m, 1, 0) * v.x + at(m, 1, 1) * v.y + at(m, 1, 2) * v.z,
          at(m, 2, 0) * v.x + at(m, 2, 1) * v.y + at(m, 2, 2) * v.z};
}

Vector3 transformPoint(const Matrix4& m, const Vector3& p) {
  const Vector3 d = transformDirection(m, p);
  const double w = at(m, 3, 0) * p.x + at(m, 3, 1) * p.y + at(m, 3, 2) * p.z + at(m, 3, 3);
  const double scale = w == 0.0 ? 1.0 : 1.0 / w;
  return {(d.x + at(m, 0, 3)) * scale, (d.y + at(m, 1, 3)) * scale, (d.z + at(m, 2, 3)) * scale};
}

double vectorLength(double a, double b, double c) { return std::sqrt(a * a + b * b + c * c); }
