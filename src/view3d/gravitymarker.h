#pragma once
// The mark of the loaded cartons' centre of gravity in the 3D view: a black cube at the
// point and a black pole from it straight up through the load to above the container, so
// that the mark shows even where the cartons around the point hide the cube.

class Scene;
class SceneCanvas;

// A point in container coordinates, mm: x across from the left wall, y up from the floor,
// z along the length from the inner end.
struct GravityPoint {
  double x = 0, y = 0, z = 0;

  bool operator==(const GravityPoint&) const = default;
};

inline constexpr double kGravityCubeSize = 160;  // edge of the cube at the point, mm
inline constexpr double kGravityPoleWidth = 40;  // mm
inline constexpr double kGravityPoleAbove = 600;  // how far the pole rises above the container, mm

// Draws the scene's gravity point when it has one; nothing otherwise.
void drawGravityMarker(const Scene& scene, SceneCanvas& canvas);
