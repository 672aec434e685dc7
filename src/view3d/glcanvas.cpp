#include "view3d/glcanvas.h"

#include <GL/gl.h>

#include "view3d/colors.h"

void GlSceneCanvas::clearBuffers() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

void GlSceneCanvas::pushMatrix() { glPushMatrix(); }

void GlSceneCanvas::popMatrix() { glPopMatrix(); }

void GlSceneCanvas::setLineWidth(float width) { glLineWidth(width); }

void GlSceneCanvas::setColor(std::uint32_t color) {
  constexpr float kByte = 1.0f / 255.0f;
  glColor3f(redOf(color) * kByte, greenOf(color) * kByte, blueOf(color) * kByte);
}

void GlSceneCanvas::drawFace(const FaceCorners& corners, bool solid) {
  glBegin(solid ? GL_QUADS : GL_LINE_LOOP);
  for (const Vector3& corner : corners) glVertex3d(corner.x, corner.y, corner.z);
  glEnd();
}

void applyRenderState() {
  glClearColor(0.75f, 0.75f, 0.75f, 1.0f);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glEnable(GL_NORMALIZE);
  glColorMaterial(GL_FRONT, GL_DIFFUSE);
  glEnable(GL_COLOR_MATERIAL);
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
}

void loadCameraMatrices(const Camera& camera) {
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixd(camera.projection.data());
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixd(camera.modelView.data());
}
