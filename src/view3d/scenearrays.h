#pragma once
// The scene as vertex arrays: drawScene run once against this canvas collects every face
// and line, so that a paint hands OpenGL a few arrays instead of one call per face. Built
// again only when the scene changes; the camera may change freely in between.

#include <array>
#include <cstdint>
#include <vector>

#include "view3d/scenecanvas.h"

// Positions x, y, z and colours r, g, b, a of one primitive list.
struct VertexList {
  std::vector<float> positions;
  std::vector<std::uint8_t> colors;
  std::size_t size() const { return positions.size() / 3; }
  void add(const Vector3& p, std::uint32_t color);
  void clear();
};

// The texture coordinates of a filled face's four corners, in the order drawn: the edge
// texture puts the edge colour along the rim of that square.
inline constexpr std::array<std::array<float, 2>, 4> kFaceCornerTexture{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};

// A run of vertices drawn alike: lines of one width, or faces with one edge colour.
struct VertexBatch {
  float lineWidth = 1.0f;
  std::uint32_t edgeColor = 0;
  std::size_t first = 0;  // first vertex
  std::size_t count = 0;  // vertices
};

class SceneArrays : public SceneCanvas {
 public:
  VertexList lines;                  // two vertices a segment; outlines as their four sides
  std::vector<VertexBatch> lineBatches;
  VertexList quads;                  // four vertices a filled face
  std::vector<float> quadTexture;    // s, t of every quad vertex (kFaceCornerTexture)
  std::vector<VertexBatch> quadBatches;

  // Forgets everything collected.
  void clear();

  // SceneCanvas: the buffers and the matrix belong to the paint, not to the arrays.
  void clearBuffers() override {}
  void pushMatrix() override {}
  void popMatrix() override {}
  void setLineWidth(float width) override { lineWidth_ = width; }
  void setColor(std::uint32_t color) override { color_ = color; }
  void setEdgeColor(std::uint32_t color) override { edgeColor_ = color; }
  void drawFace(const FaceCorners& corners, bool solid) override;

 private:
  float lineWidth_ = 1.0f;
  std::uint32_t color_ = 0;
  std::uint32_t edgeColor_ = 0;
};
