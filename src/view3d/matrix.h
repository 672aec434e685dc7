#pragma once
// 4 x 4 matrices in OpenGL's column-major order, and the few operations the view needs.
// Each builder gives the matrix that the matching OpenGL call would multiply onto the
// current one (glRotated, glScaled, glTranslated, glOrtho).

#include <array>

using Matrix4 = std::array<double, 16>;  // element (row r, column c) at index c * 4 + r

struct Vector3 {
  double x = 0, y = 0, z = 0;
};

Matrix4 identityMatrix();
// a x b: applied to a point, b acts first. OpenGL's calls compute current x operand.
Matrix4 multiplyMatrix(const Matrix4& a, const Matrix4& b);

// A rotation by angleDegrees about the axis (x, y, z), counter-clockwise when the axis
// points toward the viewer. An axis of length 0 gives the identity.
Matrix4 rotationMatrix(double angleDegrees, double x, double y, double z);
Matrix4 scalingMatrix(double s);
Matrix4 translationMatrix(double x, double y, double z);
// The orthographic projection of the box left..right, bottom..top, -nearPlane..-farPlane.
// A box of no width, height or depth gives the identity (OpenGL refuses such a box).
Matrix4 orthoMatrix(double left, double right, double bottom, double top, double nearPlane,
                    double farPlane);

// The inverse by the adjugate: cofactors from 2 x 2 sub-determinants, the determinant
// along the first row. False, with inverse left as it was, when the determinant is 0.
bool invertMatrix(const Matrix4& m, Matrix4& inverse);

// The upper-left 3 x 3 part of m times v: a direction carried by m, without translation.
Vector3 transformDirection(const Matrix4& m, const Vector3& v);
// m times the point (x, y, z, 1), divided by its w.
Vector3 transformPoint(const Matrix4& m, const Vector3& p);

// sqrt(a² + b² + c²) in double precision.
double vectorLength(double a, double b, double c);
