#pragma once
// Drawing the scene: the container as a black wire frame and, inside it, the cartons of
// the scene's blocks as solid boxes in three shades of their colour, each face with its
// rim in an edge colour, so that cartons can be counted. The container is centred on the
// origin; one unit is one millimetre.

#include <cstdint>

#include "view3d/cartonwalk.h"
#include "view3d/colors.h"
#include "view3d/scene.h"
#include "view3d/scenecanvas.h"

// The axes of a box's faces: the faces perpendicular to x, to y and to z.
enum class FaceAxis { X = 0, Y = 1, Z = 2 };

// The shade (kShadeDark, kShadeMiddle, kShadeLight) of a carton's faces perpendicular to
// axis in orientation code 0-5: its L-W faces light, L-H middle, W-H dark whatever the
// orientation. Other codes give kShadeDark.
int faceShade(std::int32_t orientation, FaceAxis axis);

// Clears the buffers and draws the frame (line width 1.5) and every block (line width 1),
// the highlighted block's edges in kHighlightEdgeColor; faces that cartons of other
// blocks hide (hiddenFaces) are left out. The blocks of one edge colour are drawn one
// after another, in the order their colour first appears.
void drawScene(const Scene& scene, SceneCanvas& canvas);
// The first count cartons of the block's grid, along z first, then up along y, then
// across along x; at most nx * ny * nz of them. Their edges in edgeColor of the block's
// shades, or in kHighlightEdgeColor when highlighted. The faces between cartons of the
// block are left out, and so are those given in hiddenFaces: BoxFace bits for each drawn
// carton in order, or none when null.
void drawCubeBlock(const Scene& scene, const CubeBlock& block, SceneCanvas& canvas,
                   bool highlighted = false, const std::uint8_t* hiddenFaces = nullptr);
// A box with its corner at (x, y, z) in container coordinates and extents dx, dy, dz:
// six faces, each pair of opposite faces in the shade of its axis when solid, all in
// shades[kShadeDark] otherwise.
// faces: which of the six to draw, a bit each (see BoxFace); all by default.
void drawBox(const Scene& scene, double x, double y, double z, std::int32_t orientation, double dx,
             double dy, double dz, const Shades& shades, bool solid, SceneCanvas& canvas,
             unsigned faces = kAllFaces);
