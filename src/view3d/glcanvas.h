#pragma once
// The scene drawing sent to the current OpenGL context, fixed-function OpenGL 1.1. Call
// only with the panel's context current.
//
// The view paints the collected SceneArrays with client-side vertex arrays. GlSceneCanvas
// draws the same picture in immediate mode, each face its own glBegin/glEnd pair; only
// the paint benchmark and the tests that compare the two pictures use it.
//
// Carton edges cost no primitives of their own: every filled face carries the edge
// texture, whose rim (one texel wide at every mipmap level, so about a pixel on screen at
// any size) blends the face's colour into the edge colour (GL_BLEND with the texture
// environment colour).

#include "view3d/camera.h"
#include "view3d/scenearrays.h"
#include "view3d/scenecanvas.h"

class GlSceneCanvas : public SceneCanvas {
 public:
  void clearBuffers() override;
  void pushMatrix() override;
  void popMatrix() override;
  void setLineWidth(float width) override;
  void setColor(std::uint32_t color) override;
  void setEdgeColor(std::uint32_t color) override;
  void drawFace(const FaceCorners& corners, bool solid) override;

 private:
  void setTextured(bool textured);
  int textured_ = -1;  // whether GL_TEXTURE_2D is on; -1 not known yet
};

// Clears the buffers and draws the collected scene: the lines (drawScene's only lines,
// the frame, come before its faces), then the filled faces batch by batch.
void drawSceneArrays(const SceneArrays& arrays);

// Makes the edge texture in the current context and returns its name; once per context.
unsigned createEdgeTexture();

// The render state of the view: a light grey clear colour, the depth test, normalised
// normals and colour tracking of the front faces' diffuse colour, and edgeTexture bound
// for the faces. No lighting: every face shows exactly its colour inside its rim. The
// faces turned away are culled (a carton's front faces hide them anyway), and filled
// faces lie a little deeper than lines, so that the frame shows over the cartons along it.
void applyRenderState(unsigned edgeTexture);
// Loads the camera's projection and model-view matrices; the model-view stays current.
void loadCameraMatrices(const Camera& camera);
