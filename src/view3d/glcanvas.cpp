#include "view3d/glcanvas.h"

#include <GL/gl.h>

#include <vector>

#include "view3d/colors.h"

namespace {

constexpr float kByte = 1.0f / 255.0f;

// The edge texture's largest level: a rim of one texel in 256 across a face.
constexpr int kEdgeTextureSize = 256;

void setEdgeEnvironment(std::uint32_t color) {
  const GLfloat rgba[4] = {redOf(color) * kByte, greenOf(color) * kByte, blueOf(color) * kByte, 1.0f};
  glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, rgba);
}

}  // namespace

void GlSceneCanvas::clearBuffers() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

void GlSceneCanvas::pushMatrix() { glPushMatrix(); }

void GlSceneCanvas::popMatrix() { glPopMatrix(); }

void GlSceneCanvas::setLineWidth(float width) { glLineWidth(width); }

void GlSceneCanvas::setColor(std::uint32_t color) {
  glColor4ub(static_cast<GLubyte>(redOf(color)), static_cast<GLubyte>(greenOf(color)),
             static_cast<GLubyte>(blueOf(color)), 255);
}

void GlSceneCanvas::setEdgeColor(std::uint32_t color) { setEdgeEnvironment(color); }

void GlSceneCanvas::setTextured(bool textured) {
  if (textured_ == static_cast<int>(textured)) return;
  textured_ = textured;
  if (textured) {
    glEnable(GL_TEXTURE_2D);
  } else {
    glDisable(GL_TEXTURE_2D);
  }
}

void GlSceneCanvas::drawFace(const FaceCorners& corners, bool solid) {
  if (!solid) {
    setTextured(false);
    glBegin(GL_LINE_LOOP);
    for (const Vector3& corner : corners) glVertex3d(corner.x, corner.y, corner.z);
    glEnd();
    return;
  }
  setTextured(true);
  glBegin(GL_QUADS);
  for (std::size_t i = 0; i < corners.size(); ++i) {
    glTexCoord2f(kFaceCornerTexture[i][0], kFaceCornerTexture[i][1]);
    glVertex3d(corners[i].x, corners[i].y, corners[i].z);
  }
  glEnd();
}

void drawSceneArrays(const SceneArrays& arrays) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPushMatrix();
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  if (arrays.lines.size() > 0) {
    glDisable(GL_TEXTURE_2D);
    glVertexPointer(3, GL_FLOAT, 0, arrays.lines.positions.data());
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, arrays.lines.colors.data());
    for (const VertexBatch& batch : arrays.lineBatches) {
      glLineWidth(batch.lineWidth);
      glDrawArrays(GL_LINES, static_cast<GLint>(batch.first), static_cast<GLsizei>(batch.count));
    }
  }
  if (arrays.quads.size() > 0) {
    glEnable(GL_TEXTURE_2D);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, arrays.quads.positions.data());
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, arrays.quads.colors.data());
    glTexCoordPointer(2, GL_FLOAT, 0, arrays.quadTexture.data());
    for (const VertexBatch& batch : arrays.quadBatches) {
      setEdgeEnvironment(batch.edgeColor);
      glDrawArrays(GL_QUADS, static_cast<GLint>(batch.first), static_cast<GLsizei>(batch.count));
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  }
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  glPopMatrix();
}

unsigned createEdgeTexture() {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  // Every level has a rim of one texel: full edge colour down to 4 x 4; the 2 x 2 and
  // 1 x 1 levels, for faces of a pixel or two, keep most of the face's own colour.
  std::vector<GLubyte> texels;
  int level = 0;
  for (int size = kEdgeTextureSize; size >= 1; size /= 2, ++level) {
    texels.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const bool rim = x == 0 || y == 0 || x == size - 1 || y == size - 1;
        GLubyte value = rim ? 255 : 0;
        if (size == 2) value = 96;
        if (size == 1) value = 48;
        texels[static_cast<std::size_t>(y * size + x)] = value;
      }
    }
    glTexImage2D(GL_TEXTURE_2D, level, GL_LUMINANCE, size, size, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                 texels.data());
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  return name;
}

void applyRenderState(unsigned edgeTexture) {
  glClearColor(0.75f, 0.75f, 0.75f, 1.0f);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glEnable(GL_NORMALIZE);
  glColorMaterial(GL_FRONT, GL_DIFFUSE);
  glEnable(GL_COLOR_MATERIAL);
  glDisable(GL_LIGHTING);
  glFrontFace(GL_CCW);
  glCullFace(GL_BACK);
  glEnable(GL_CULL_FACE);
  glPolygonOffset(1.0f, 1.0f);
  glEnable(GL_POLYGON_OFFSET_FILL);
  glBindTexture(GL_TEXTURE_2D, edgeTexture);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_BLEND);
}

void loadCameraMatrices(const Camera& camera) {
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixd(camera.projection.data());
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixd(camera.modelView.data());
}
