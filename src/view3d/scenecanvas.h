#pragma once
// What the scene drawing needs from OpenGL, as a small interface: the drawing code stays
// plain C++ that a test can run against a recording canvas, and GlSceneCanvas sends the
// same calls to the current OpenGL context.

#include <array>
#include <cstdint>

#include "view3d/matrix.h"

using FaceCorners = std::array<Vector3, 4>;

class SceneCanvas {
 public:
  virtual ~SceneCanvas() = default;
  // Clears the colour and the depth buffer.
  virtual void clearBuffers() = 0;
  virtual void pushMatrix() = 0;
  virtual void popMatrix() = 0;
  virtual void setLineWidth(float width) = 0;
  // The colour of the faces drawn next, packed 0x00BBGGRR.
  virtual void setColor(std::uint32_t color) = 0;
  // The colour of the edges along the rim of the filled faces drawn next, packed.
  virtual void setEdgeColor(std::uint32_t color) = 0;
  // One face: a filled quadrilateral with its rim in the edge colour when solid, else a
  // closed line loop. Filled faces are wound counter-clockwise seen from outside their box.
  virtual void drawFace(const FaceCorners& corners, bool solid) = 0;
};
