#pragma once
// A SceneCanvas that records what the scene drawing sends, for the headless tests.

#include <vector>

#include "view3d/scenecanvas.h"

struct RecordedFace {
  FaceCorners corners;
  bool solid = false;
  std::uint32_t color = 0;
  float lineWidth = 0;
  std::uint32_t edgeColor = 0;
};

class RecordingCanvas : public SceneCanvas {
 public:
  void clearBuffers() override { ++clears; }
  void pushMatrix() override {
    ++depth;
    maxDepth = depth > maxDepth ? depth : maxDepth;
  }
  void popMatrix() override { --depth; }
  void setLineWidth(float width) override { lineWidth = width; }
  void setColor(std::uint32_t c) override { color = c; }
  void setEdgeColor(std::uint32_t c) override { edgeColor = c; }
  void drawFace(const FaceCorners& corners, bool solid) override {
    faces.push_back(RecordedFace{corners, solid, color, lineWidth, edgeColor});
  }

  int clears = 0;
  int depth = 0;
  int maxDepth = 0;
  float lineWidth = 1.0f;
  std::uint32_t color = 0xFFFFFFFF;
  std::uint32_t edgeColor = 0xFFFFFFFF;
  std::vector<RecordedFace> faces;
};

// The box corner with the smallest coordinates of the six faces starting at index first.
inline Vector3 boxOrigin(const std::vector<RecordedFace>& faces, std::size_t first) {
  Vector3 origin = faces[first].corners[0];
  for (std::size_t f = first; f < first + 6; ++f) {
    for (const Vector3& c : faces[f].corners) {
      if (c.x < origin.x) origin.x = c.x;
      if (c.y < origin.y) origin.y = c.y;
      if (c.z < origin.z) origin.z = c.z;
    }
  }
  return origin;
}
