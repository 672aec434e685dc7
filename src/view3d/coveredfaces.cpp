#include "view3d/coveredfaces.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

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

// A face filed under one square cell of its plane's grid that it overlaps (a face that
// spans another overlaps the cell of the other's first corner), under a key that sorts
// by side (axis and direction), cell and plane.
struct CellEntry {
  std::uint64_t key = 0;
  std::uint32_t face = 0;
};

std::uint8_t sideOf(std::uint8_t axis, bool plus) { return static_cast<std::uint8_t>(axis * 2 + (plus ? 1 : 0)); }

// Floor division by a power of two, for negative coordinates too.
std::int64_t cellOf(std::int64_t coordinate, int shift) { return coordinate >> shift; }

// How many bits the values from 0 to span take.
int bitsFor(std::int64_t span) {
  int bits = 1;
  while (bits < 62 && (std::int64_t{1} << bits) <= span) ++bits;
  return bits;
}

// Sorts the entries by key, 16 bits a pass from the lowest (a stable radix sort): the
// keys span keyBits bits.
void sortByKey(std::vector<CellEntry>& entries, int keyBits) {
  constexpr int kDigitBits = 16;
  std::vector<CellEntry> buffer(entries.size());
  std::vector<std::size_t> starts(std::size_t{1} << kDigitBits);
  for (int shift = 0; shift < keyBits; shift += kDigitBits) {
    const auto digit = [shift](const CellEntry& e) { return static_cast<std::size_t>((e.key >> shift) & 0xFFFF); };
    std::fill(starts.begin(), starts.end(), 0);
    for (const CellEntry& e : entries) ++starts[digit(e)];
    std::size_t next = 0;
    for (std::size_t& start : starts) next += std::exchange(start, next);
    for (const CellEntry& e : entries) buffer[starts[digit(e)]++] = e;
    entries.swap(buffer);
  }
}

// Packs side, cell and plane, each counted from the smallest of the scene, into one key.
class KeyPacker {
 public:
  // False when the scene's extents do not fit in 64 bits.
  bool fit(const std::vector<Face>& faces, int shift) {
    constexpr std::int64_t kLeast = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
    minU_ = minV_ = minPlane_ = kMost;
    std::int64_t maxU = kLeast, maxV = kLeast, maxPlane = kLeast;
    for (const Face& f : faces) {
      minU_ = std::min(minU_, cellOf(f.u0, shift)), maxU = std::max(maxU, cellOf(f.u1, shift));
      minV_ = std::min(minV_, cellOf(f.v0, shift)), maxV = std::max(maxV, cellOf(f.v1, shift));
      minPlane_ = std::min(minPlane_, f.plane - kCartonSeam);
      maxPlane = std::max(maxPlane, f.plane + kCartonSeam);
    }
    if (faces.empty()) return true;
    bitsU_ = bitsFor(maxU - minU_);
    bitsV_ = bitsFor(maxV - minV_);
    bitsPlane_ = bitsFor(maxPlane - minPlane_);
    return keyBits() <= 64;
  }
  int keyBits() const { return 3 + bitsU_ + bitsV_ + bitsPlane_; }
  std::uint64_t key(std::uint8_t side, std::int64_t cellU, std::int64_t cellV, std::int64_t plane) const {
    std::uint64_t key = side;
    key = key << bitsU_ | static_cast<std::uint64_t>(cellU - minU_);
    key = key << bitsV_ | static_cast<std::uint64_t>(cellV - minV_);
    return key << bitsPlane_ | static_cast<std::uint64_t>(plane - minPlane_);
  }

 private:
  std::int64_t minU_ = 0, minV_ = 0, minPlane_ = 0;
  int bitsU_ = 1, bitsV_ = 1, bitsPlane_ = 1;
};

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
  std::vector<Face> faces = openFaces(scene, cartons);
  std::vector<std::uint8_t> covered(cartons, 0);
  const int shift = cellShift(faces);

  KeyPacker packer;
  if (!packer.fit(faces, shift)) return covered;
  // In the order of their own cells, so that the look-ups below read the faces in turn.
  {
    std::vector<CellEntry> order;
    order.reserve(faces.size());
    for (std::size_t i = 0; i < faces.size(); ++i) {
      const Face& f = faces[i];
      order.push_back(CellEntry{packer.key(sideOf(f.axis, f.plus), cellOf(f.u0, shift), cellOf(f.v0, shift), f.plane),
                                static_cast<std::uint32_t>(i)});
    }
    sortByKey(order, packer.keyBits());
    std::vector<Face> sorted;
    sorted.reserve(faces.size());
    for (const CellEntry& entry : order) sorted.push_back(faces[entry.face]);
    faces.swap(sorted);
  }

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
        cells.push_back(CellEntry{packer.key(sideOf(f.axis, f.plus), cu, cv, f.plane), static_cast<std::uint32_t>(i)});
  }
  sortByKey(cells, packer.keyBits());

  // Each face looks for a face turned toward it that spans it: in the cell of its first
  // corner, at the planes in front of it (larger ones for a face turned to plus, smaller
  // ones for a face turned to minus). The look-ups in key order walk the cells once.
  std::vector<CellEntry> queries;
  queries.reserve(faces.size());
  for (std::size_t i = 0; i < faces.size(); ++i) {
    const Face& f = faces[i];
    const std::int64_t nearest = f.plus ? f.plane : f.plane - kCartonSeam;
    queries.push_back(CellEntry{packer.key(sideOf(f.axis, !f.plus), cellOf(f.u0, shift), cellOf(f.v0, shift), nearest),
                                static_cast<std::uint32_t>(i)});
  }
  sortByKey(queries, packer.keyBits());
  auto start = cells.begin();
  for (const CellEntry& query : queries) {
    while (start != cells.end() && start->key < query.key) ++start;
    const Face& f = faces[query.face];
    const std::uint64_t last = query.key + kCartonSeam;  // the plane lies in the key's lowest bits
    for (auto it = start; it != cells.end() && it->key <= last; ++it) {
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
