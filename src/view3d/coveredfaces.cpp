#include "view3d/coveredfaces.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "view3d/cartonwalk.h"

namespace {

constexpr std::int64_t kMostCellsAlong = 64;

// One open face of a drawn carton: perpendicular to axis (0 x, 1 y, 2 z), turned toward
// plus or minus along it, in the plane at plane, spanning [u0, u1] x [v0, v1] along the
// other two axes in order.
struct Face {
  std::int64_t plane = 0;
  std::int64_t u0 = 0, u1 = 0, v0 = 0, v1 = 0;
  std::size_t carton = 0;  // in drawing order over the whole scene
  std::uint8_t axis = 0;
  bool plus = false;
  std::uint8_t bit = 0;

  bool spans(const Face& other) const {
    return u0 <= other.u0 && u1 >= other.u1 && v0 <= other.v0 && v1 >= other.v1;
  }
};

// A face filed under one square cell of its plane's grid that it overlaps; a face that
// spans another overlaps the cell of the other's first corner.
struct CellEntry {
  std::uint8_t side = 0;  // axis * 2 + plus
  std::int64_t cellU = 0, cellV = 0;
  std::int64_t plane = 0;
  std::uint32_t face = 0;

  auto key() const { return std::tie(side, cellU, cellV, plane); }
};

std::uint8_t sideOf(std::uint8_t axis, bool plus) { return static_cast<std::uint8_t>(axis * 2 + (plus ? 1 : 0)); }

// Floor division by a power of two, for negative coordinates too.
std::int64_t cellOf(std::int64_t coordinate, int shift) { return coordinate >> shift; }

// The open faces of every drawn carton, and how many cartons there are.
std::vector<Face> openFaces(const Scene& scene, std::size_t& cartons) {
  std::vector<Face> faces;
  cartons = 0;
  for (const CubeBlock& block : scene.sceneBlocks) {
    const std::array<std::int64_t, 3> size{block.sizeX, block.sizeY, block.sizeZ};
    forEachCarton(block, [&](std::int64_t x, std::int64_t y, std::int64_t z, unsigned open) {
      const std::array<std::int64_t, 3> corner{x, y, z};
      for (std::uint8_t axis = 0; axis < 3; ++axis) {
        const std::size_t u = axis == 0 ? 1 : 0, v = axis == 2 ? 1 : 2;
        for (const bool plus : {false, true}) {
          const auto bit = static_cast<std::uint8_t>(1u << (axis * 2 + (plus ? 1 : 0)));
          if ((open & bit) == 0) continue;
          faces.push_back(Face{corner[axis] + (plus ? size[axis] : 0), corner[u], corner[u] + size[u], corner[v],
                               corner[v] + size[v], cartons, axis, plus, bit});
        }
      }
      ++cartons;
    });
  }
  return faces;
}

// The grid cell's side as a power of two: at least the typical face's longer side, so
// that a face overlaps at most four cells or so and a cell holds few faces of one plane.
int cellShift(const std::vector<Face>& faces) {
  if (faces.empty()) return 8;
  std::vector<std::int64_t> longer;
  longer.reserve(faces.size());
  for (const Face& f : faces) longer.push_back(std::max(f.u1 - f.u0, f.v1 - f.v0));
  const auto middle = longer.begin() + static_cast<std::ptrdiff_t>(longer.size() / 2);
  std::nth_element(longer.begin(), middle, longer.end());
  int shift = 4;
  while (shift < 16 && (std::int64_t{1} << shift) < *middle) ++shift;
  return shift;
}

}  // namespace

std::vector<std::uint8_t> coveredFaces(const Scene& scene) {
  std::size_t cartons = 0;
  const std::vector<Face> faces = openFaces(scene, cartons);
  std::vector<std::uint8_t> covered(cartons, 0);
  const int shift = cellShift(faces);

  // Every face with some area, under each cell it overlaps, sorted for lookup.
  std::vector<CellEntry> cells;
  cells.reserve(faces.size() * 2);
  for (std::size_t i = 0; i < faces.size(); ++i) {
    const Face& f = faces[i];
    if (f.u1 <= f.u0 || f.v1 <= f.v0) continue;
    // A face far larger than the cells is left unfiled: it then covers nothing, which
    // only costs paint.
    if ((f.u1 - f.u0) >> shift > kMostCellsAlong || (f.v1 - f.v0) >> shift > kMostCellsAlong) continue;
    for (std::int64_t cu = cellOf(f.u0, shift); cu <= cellOf(f.u1, shift); ++cu)
      for (std::int64_t cv = cellOf(f.v0, shift); cv <= cellOf(f.v1, shift); ++cv)
        cells.push_back(CellEntry{sideOf(f.axis, f.plus), cu, cv, f.plane, static_cast<std::uint32_t>(i)});
  }
  std::sort(cells.begin(), cells.end(), [](const CellEntry& a, const CellEntry& b) { return a.key() < b.key(); });

  for (const Face& f : faces) {
    // The faces turned toward this one lie in front of it: at larger planes for a face
    // turned to plus, at smaller ones for a face turned to minus.
    const std::int64_t nearest = f.plus ? f.plane : f.plane - kCartonSeam;
    const std::int64_t farthest = f.plus ? f.plane + kCartonSeam : f.plane;
    const CellEntry from{sideOf(f.axis, !f.plus), cellOf(f.u0, shift), cellOf(f.v0, shift), nearest, 0};
    auto it = std::lower_bound(cells.begin(), cells.end(), from,
                               [](const CellEntry& a, const CellEntry& b) { return a.key() < b.key(); });
    for (; it != cells.end() && it->side == from.side && it->cellU == from.cellU && it->cellV == from.cellV &&
           it->plane <= farthest;
         ++it) {
      const Face& other = faces[it->face];
      if (other.carton != f.carton && other.spans(f)) {
        covered[f.carton] |= f.bit;
        break;
      }
    }
  }
  return covered;
}

std::vector<std::uint8_t> hiddenFaces(const Scene& scene) {
  std::vector<std::uint8_t> hidden = coveredFaces(scene);
  std::size_t carton = 0;
  for (const CubeBlock& block : scene.sceneBlocks) {
    forEachCarton(block, [&](std::int64_t, std::int64_t, std::int64_t, unsigned open) {
      std::uint8_t& faces = hidden[carton++];
      const unsigned inSight = open & ~unsigned{faces};
      for (unsigned axis = 0; axis < 3; ++axis) {
        const unsigned pair = 3u << (2 * axis);
        if ((inSight & ~pair) != 0) faces = static_cast<std::uint8_t>(faces & ~pair);
      }
    });
  }
  return hidden;
}
