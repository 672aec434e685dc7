#pragma once
// The carton faces that cannot be seen because a carton of another block lies right
// against them. Within a block the drawing leaves out the faces between neighbouring
// cartons; cartons of separate blocks side by side (the load-max planner places them one
// by one, each its own block) hide most of their faces from each other too, and the view
// leaves those out: the same picture, a fraction of the faces to paint.
//
// A face is covered when a face of another carton turned the other way lies parallel to
// it, no more than kCartonSeam in front of it (result blocks are drawn with that seam
// between cartons), and spans it entirely. Only faces open within their own block are
// looked at.
//
// A covered face may still show through the seam along the rim of a face in sight, as
// the dark line that parts two cartons; so a carton with a face in sight keeps its
// covered faces on the other two axes, those that meet a face in sight at an edge. The
// faces left out are those of cartons buried among others, and a carton's covered face
// parallel to its only faces in sight.

#include <cstdint>
#include <vector>

#include "view3d/scene.h"

// For every drawn carton of the scene, block by block in drawing order (the order of
// forEachCarton), the faces (BoxFace bits) covered by a carton of another block.
std::vector<std::uint8_t> coveredFaces(const Scene& scene);

// The same list with the faces the drawing leaves out: the covered faces, less those that
// may show through a seam (see above).
std::vector<std::uint8_t> hiddenFaces(const Scene& scene);
