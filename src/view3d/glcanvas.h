#pragma once
// The scene drawing sent to the current OpenGL context: fixed-function OpenGL 1.1 in
// immediate mode, each face its own glBegin/glEnd pair. Call only with the panel's
// context current.

#include "view3d/camera.h"
#include "view3d/scenecanvas.h"

class GlSceneCanvas : public SceneCanvas {
 public:
  void clearBuffers() override;
  void pushMatrix() override;
  void popMatrix() override;
  void setLineWidth(float width) override;
  void setColor(std::uint32_t color) override;
  void drawFace(const FaceCorners& corners, bool solid) override;
};

// The render state of the view: a light grey clear colour, the depth test, normalised
// normals and colour tracking of the front faces' diffuse colour. No lighting, no
// culling: every face shows exactly its colour.
void applyRenderState();
// Loads the camera's projection and model-view matrices; the model-view stays current.
void loadCameraMatrices(const Camera& camera);
