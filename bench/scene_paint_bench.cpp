// Paint time of the 3D view for a growing number of drawn cartons, with whatever OpenGL
// the display offers (Mesa's software renderer under Xvfb), side by side:
//   paintEveryFace     the earlier paint: immediate mode, one glBegin/glEnd pair for each
//                      of the six faces of every carton, nothing culled, no edges;
//   paintImmediate     today's picture (edges, hidden faces left out, back faces culled)
//                      sent the earlier way, one glBegin/glEnd pair per face;
//   paintArraysBlockFaces  the same picture from vertex arrays collected the earlier way:
//                      only the faces between cartons of one block left out, so that
//                      cartons each a block of their own draw all their faces, and the
//                      blocks in scene order, a batch for every change of edge colour;
//   paintVertexArrays  the same picture from the vertex arrays the view paints with,
//                      collected once per scene: faces hidden by other blocks' cartons
//                      left out too, the blocks of one edge colour in one batch.
// Needs a display:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_scene_paint

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "model/palette.h"
#include "view3d/boxviewer.h"
#include "view3d/glcanvas.h"
#include "view3d/scenearrays.h"
#include "view3d/scenedrawing.h"
#include "view3d/surfaceformat.h"

namespace {

BoxViewer* viewer = nullptr;

// nx x ny x nz cartons filling the demo container: one block, or with apart, each carton
// a block of its own (so that no face lies hidden between two cartons of a block).
void fillContainer(Scene& scene, int nx, int ny, int nz, bool apart = false) {
  const SceneSize& size = scene.sceneSize;
  const int sx = size.width / nx, sy = size.height / ny, sz = size.length / nz;
  scene.clearScene();
  if (!apart) {
    scene.addSceneBlock(sx - 3, sy - 3, sz - 3, 3, 0, 0, 0, nx, ny, nz, 3, 3, 3, nx * ny * nz,
                        materialColor(2));
    return;
  }
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < ny; ++j)
      for (int k = 0; k < nz; ++k)
        scene.addSceneBlock(sx - 3, sy - 3, sz - 3, 3, i * sx, j * sy, k * sz, 1, 1, 1, 3, 3, 3, 1,
                            materialColor((i + j + k) % 10));
}

enum class PaintPath { EveryFace, Immediate, ArraysBlockFaces, VertexArrays };

// The arrays as collected before faces hidden by other blocks were left out.
void collectBlockFaces(const Scene& scene, SceneArrays& arrays) {
  arrays.setLineWidth(1.5f);
  const SceneSize& size = scene.sceneSize;
  drawBox(scene, 0, 0, 0, 0, size.width, size.height, size.length, Shades{0, 0, 0}, false, arrays);
  arrays.setLineWidth(1.0f);
  for (std::size_t i = 0; i < scene.sceneBlocks.size(); ++i)
    drawCubeBlock(scene, scene.sceneBlocks[i], arrays, static_cast<std::int64_t>(i) == scene.highlightedBlock);
}

// The earlier paint: every face of every carton in immediate mode, without culling or
// edges, in the colours of today's faces.
class EveryFaceCanvas : public GlSceneCanvas {
 public:
  void setEdgeColor(std::uint32_t) override {}
  void drawFace(const FaceCorners& corners, bool solid) override {
    glBegin(solid ? GL_QUADS : GL_LINE_LOOP);
    for (const Vector3& corner : corners) glVertex3d(corner.x, corner.y, corner.z);
    glEnd();
  }
};

void paintEveryFace(const Scene& scene) {
  glDisable(GL_CULL_FACE);
  glDisable(GL_TEXTURE_2D);
  EveryFaceCanvas canvas;
  canvas.clearBuffers();
  canvas.setLineWidth(1.5f);
  const SceneSize& size = scene.sceneSize;
  drawBox(scene, 0, 0, 0, 0, size.width, size.height, size.length, Shades{0, 0, 0}, false, canvas);
  canvas.setLineWidth(1.0f);
  for (const CubeBlock& b : scene.sceneBlocks) {
    const Shades shades = blockShades(b.color);
    std::int64_t drawn = 0;
    for (int i = 0; i < b.nx; ++i)
      for (int j = 0; j < b.ny; ++j)
        for (int k = 0; k < b.nz && ++drawn <= b.count; ++k)
          drawBox(scene, b.x + i * (b.sizeX + b.gapX), b.y + j * (b.sizeY + b.gapY), b.z + k * (b.sizeZ + b.gapZ),
                  b.orientation, b.sizeX, b.sizeY, b.sizeZ, shades, true, canvas);
  }
}

void paintScene(benchmark::State& state, PaintPath path) {
  const int nx = static_cast<int>(state.range(0));
  const int ny = static_cast<int>(state.range(1));
  const int nz = static_cast<int>(state.range(2));
  fillContainer(viewer->scene(), nx, ny, nz, state.range(3) != 0);
  refreshView(*viewer, true);
  TOpenGLPanel& panel = *viewer->panel();
  if (!panel.MakeOpenGLPanelCurrent()) {
    state.SkipWithError("the panel has no OpenGL context");
    return;
  }
  // Collected once, as the view does after a change of the scene.
  SceneArrays arrays;
  if (path == PaintPath::ArraysBlockFaces) {
    collectBlockFaces(viewer->scene(), arrays);
  } else {
    drawScene(viewer->scene(), arrays);
  }
  for (auto _ : state) {
    applyRenderState(viewer->edgeTexture());
    loadCameraMatrices(viewer->camera());
    if (path == PaintPath::EveryFace) {
      paintEveryFace(viewer->scene());
    } else if (path == PaintPath::Immediate) {
      GlSceneCanvas canvas;
      drawScene(viewer->scene(), canvas);
    } else {
      drawSceneArrays(arrays);
    }
    glFinish();
  }
  panel.MakeOpenGLPanelNotCurrent();
  const double cartons = static_cast<double>(nx) * ny * nz;
  state.counters["cartons"] = cartons;
  state.counters["cartons_per_s"] = benchmark::Counter(
      cartons * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void paintEveryFace(benchmark::State& state) { paintScene(state, PaintPath::EveryFace); }
void paintImmediate(benchmark::State& state) { paintScene(state, PaintPath::Immediate); }
void paintArraysBlockFaces(benchmark::State& state) { paintScene(state, PaintPath::ArraysBlockFaces); }
void paintVertexArrays(benchmark::State& state) { paintScene(state, PaintPath::VertexArrays); }

// Collecting the arrays: what a change of the scene costs once, for 50 000 cartons in one
// block and each a block of its own.
void collectArrays(benchmark::State& state) {
  fillContainer(viewer->scene(), 25, 40, 50, state.range(0) != 0);
  SceneArrays arrays;
  for (auto _ : state) {
    arrays.clear();
    drawScene(viewer->scene(), arrays);
    benchmark::DoNotOptimize(arrays.quads.positions.data());
  }
}

void cartonCounts(benchmark::internal::Benchmark* b) {
  // nx, ny, nz, and 1 for a block a carton
  b->Args({10, 10, 10, 0})  // 1 000 cartons
      ->Args({20, 20, 25, 0})  // 10 000
      ->Args({25, 40, 50, 0})  // 50 000
      ->Args({25, 40, 50, 1})  // 50 000 in 50 000 blocks
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
}

BENCHMARK(paintEveryFace)->Apply(cartonCounts);
BENCHMARK(paintImmediate)->Apply(cartonCounts);
BENCHMARK(paintArraysBlockFaces)->Apply(cartonCounts);
BENCHMARK(paintVertexArrays)->Apply(cartonCounts);
BENCHMARK(collectArrays)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr) {
    std::fputs(
        "bench_scene_paint needs a display; run it under\n"
        "  xvfb-run -a -s \"-screen 0 1280x1024x24\" bench_scene_paint\n",
        stderr);
    return 2;
  }
  setDefaultSurfaceFormat();
  QApplication app(argc, argv);
  Scene scene;
  QWidget window;
  window.resize(760, 420);
  BoxViewer boxViewer(scene, &window);
  window.show();
  if (boxViewer.panel() == nullptr || !QTest::qWaitForWindowExposed(&window) ||
      !QTest::qWaitFor([&] { return boxViewer.panel()->isValid(); })) {
    std::fputs("bench_scene_paint: the window or its OpenGL context did not appear\n", stderr);
    return 1;
  }
  viewer = &boxViewer;

  if (boxViewer.panel()->MakeOpenGLPanelCurrent()) {
    benchmark::AddCustomContext("gl_renderer",
                                reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    boxViewer.panel()->MakeOpenGLPanelNotCurrent();
  }
  benchmark::AddCustomContext("panel", std::to_string(boxViewer.panel()->width()) + " x " +
                                           std::to_string(boxViewer.panel()->height()));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
