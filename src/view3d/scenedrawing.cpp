#include "view3d/scenedrawing.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/orientation.h"
#include "view3d/coveredfaces.h"

#include "view3d/gravitymarker.h"

namespace {

constexpr float kFrameLineWidth = 1.5f;
constexpr float kCartonLineWidth = 1.0f;

// A face perpendicular to an axis is shaded by the carton edge along that axis, so each
// face of a carton keeps its shade whichever way the carton is turned.
int shadeOfFaceAcross(Edge edge) {
  return edge == Edge::Length ? kShadeDark : edge == Edge::Width ? kShadeMiddle : kShadeLight;
}

bool knownOrientation(std::int32_t orientation) { return isOrientationCode(orientation); }

}  // namespace

int faceShade(std::int32_t orientation, FaceAxis axis) {
  if (!knownOrientation(orientation)) return kShadeDark;
  const OrientationEdges& e = kOrientationEdges[static_cast<std::size_t>(orientation)];
  return shadeOfFaceAcross(axis == FaceAxis::X ? e.alongX : axis == FaceAxis::Y ? e.alongY : e.alongZ);
}

namespace {

bool isHighlighted(const Scene& scene, std::size_t block) {
  return static_cast<std::int64_t>(block) == scene.highlightedBlock;
}

std::uint32_t blockEdgeColor(const Scene& scene, std::size_t block) {
  return isHighlighted(scene, block) ? kHighlightEdgeColor : edgeColor(blockShades(scene.sceneBlocks[block].color));
}

// The blocks' indices, those of one edge colour together (in the order each colour first
// appears, each colour's blocks in scene order), so that the faces of a colour can be
// painted in one go. Opaque faces under the depth test show the same whatever the order.
std::vector<std::size_t> blocksByEdgeColor(const Scene& scene) {
  std::unordered_map<std::uint32_t, std::size_t> firstSeen;  // colour: its rank
  std::vector<std::size_t> rank(scene.sceneBlocks.size());
  for (std::size_t i = 0; i < scene.sceneBlocks.size(); ++i)
    rank[i] = firstSeen.try_emplace(blockEdgeColor(scene, i), firstSeen.size()).first->second;
  std::vector<std::size_t> order(scene.sceneBlocks.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&rank](std::size_t a, std::size_t b) { return rank[a] < rank[b]; });
  return order;
}

}  // namespace

void drawScene(const Scene& scene, SceneCanvas& canvas) {
  canvas.clearBuffers();
  canvas.pushMatrix();

  canvas.setLineWidth(kFrameLineWidth);
  const SceneSize& size = scene.sceneSize;
  const Shades black{0, 0, 0};
  drawBox(scene, 0, 0, 0, 0, size.width, size.height, size.length, black, false, canvas);

  canvas.setLineWidth(kCartonLineWidth);
  const std::vector<std::uint8_t> hidden = hiddenFaces(scene);
  const std::vector<std::size_t> blocks = blocksByEdgeColor(scene);
  std::vector<std::size_t> firstCarton(scene.sceneBlocks.size() + 1, 0);
  for (std::size_t i = 0; i < scene.sceneBlocks.size(); ++i)
    firstCarton[i + 1] = firstCarton[i] + static_cast<std::size_t>(drawnCartons(scene.sceneBlocks[i]));
  for (const std::size_t i : blocks) {
    drawCubeBlock(scene, scene.sceneBlocks[i], canvas, isHighlighted(scene, i), hidden.data() + firstCarton[i]);
  }
  drawGravityMarker(scene, canvas);

  canvas.popMatrix();
}

void drawCubeBlock(const Scene& scene, const CubeBlock& block, SceneCanvas& canvas, bool highlighted,
                   const std::uint8_t* hiddenFaces) {
  const Shades shades = blockShades(block.color);
  canvas.setEdgeColor(highlighted ? kHighlightEdgeColor : edgeColor(shades));
  std::size_t carton = 0;
  forEachCarton(block, [&](std::int64_t x, std::int64_t y, std::int64_t z, unsigned open) {
    if (hiddenFaces != nullptr) open &= ~unsigned{hiddenFaces[carton++]};
    if (open == 0) return;
    drawBox(scene, static_cast<double>(x), static_cast<double>(y), static_cast<double>(z), block.orientation,
            block.sizeX, block.sizeY, block.sizeZ, shades, true, canvas, open);
  });
}

void drawBox(const Scene& scene, double x, double y, double z, std::int32_t orientation, double dx,
             double dy, double dz, const Shades& shades, bool solid, SceneCanvas& canvas, unsigned faces) {
  x -= scene.sceneSize.width * 0.5;
  y -= scene.sceneSize.height * 0.5;
  z -= scene.sceneSize.length * 0.5;

  canvas.setColor(shades[kShadeDark]);
  const bool shaded = solid && knownOrientation(orientation);
  auto setAxisColor = [&](FaceAxis axis) {
    if (shaded) canvas.setColor(shades[static_cast<std::size_t>(faceShade(orientation, axis))]);
  };

  // The corners as listed wind counter-clockwise seen from +x, +y and +z; a solid box's
  // faces toward -x, -y and -z are wound the other way round, so that each face is
  // counter-clockwise seen from outside.
  unsigned next = 1;  // the bit of the face drawn next, in the order below
  auto face = [&](FaceCorners corners, bool facesPlus) {
    const bool wanted = (faces & next) != 0;
    next <<= 1;
    if (!wanted) return;
    if (solid && !facesPlus) std::swap(corners[1], corners[3]);
    canvas.drawFace(corners, solid);
  };
  setAxisColor(FaceAxis::X);
  face({{{x, y, z}, {x, y + dy, z}, {x, y + dy, z + dz}, {x, y, z + dz}}}, false);
  face({{{x + dx, y, z}, {x + dx, y + dy, z}, {x + dx, y + dy, z + dz}, {x + dx, y, z + dz}}}, true);
  setAxisColor(FaceAxis::Y);
  face({{{x, y, z}, {x, y, z + dz}, {x + dx, y, z + dz}, {x + dx, y, z}}}, false);
  face({{{x, y + dy, z}, {x, y + dy, z + dz}, {x + dx, y + dy, z + dz}, {x + dx, y + dy, z}}}, true);
  setAxisColor(FaceAxis::Z);
  face({{{x, y, z}, {x + dx, y, z}, {x + dx, y + dy, z}, {x, y + dy, z}}}, false);
  face({{{x, y, z + dz}, {x + dx, y, z + dz}, {x + dx, y + dy, z + dz}, {x, y + dy, z + dz}}}, true);
}
