#pragma once
// A uniform grid of cells over the container that lists, for each cell, the boxes that
// reach into it, so that the checker finds the neighbours of a box without comparing every
// pair. Boxes outside the container are filed in the nearest cells, which keeps every pair
// of boxes that meet in at least one common cell.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace check {

// A half-open box [x1, x2) x [y1, y2) x [z1, z2) in mm.
struct Box {
  std::int64_t x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
};

// The cells a box reaches, along each axis from first to last, both included.
struct CellRange {
  std::int64_t x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
};

class BoxGrid {
 public:
  // Cells sized after the boxes' typical extents, over the region [0, width) x [0, height)
  // x [0, length).
  BoxGrid(const std::vector<Box>& boxes, std::int64_t width, std::int64_t height,
          std::int64_t length);

  CellRange cellsOf(const Box& box) const;
  // The cell holding the point, clamped to the grid.
  std::int64_t cellX(std::int64_t x) const { return clampCell(x, cellX_, countX_); }
  std::int64_t cellY(std::int64_t y) const { return clampCell(y, cellY_, countY_); }
  std::int64_t cellZ(std::int64_t z) const { return clampCell(z, cellZ_, countZ_); }
  std::int64_t countY() const { return countY_; }

  // Calls visit(box index) for every box filed in the cells of the range; a box filed in
  // several of them is visited once for each.
  template <typename Visit>
  void forEachIn(const CellRange& range, Visit visit) const {
    for (std::int64_t x = range.x1; x <= range.x2; ++x)
      for (std::int64_t y = range.y1; y <= range.y2; ++y)
        for (std::int64_t z = range.z1; z <= range.z2; ++z) {
          const std::size_t cell = index(x, y, z);
          for (std::size_t k = start_[cell]; k < start_[cell + 1]; ++k) visit(entries_[k]);
        }
  }

  // Calls visit(a, b) for every pair of boxes filed together in a cell, each pair in the
  // one cell that holds the lowest corner of the region where their cells meet.
  template <typename Visit>
  void forEachPairSharingACell(const std::vector<Box>& boxes, Visit visit) const {
    for (std::int64_t x = 0; x < countX_; ++x)
      for (std::int64_t y = 0; y < countY_; ++y)
        for (std::int64_t z = 0; z < countZ_; ++z) {
          const std::size_t cell = index(x, y, z);
          for (std::size_t i = start_[cell]; i < start_[cell + 1]; ++i)
            for (std::size_t j = i + 1; j < start_[cell + 1]; ++j) {
              const std::size_t a = entries_[i], b = entries_[j];
              const CellRange ra = cellsOf(boxes[a]), rb = cellsOf(boxes[b]);
              if (std::max(ra.x1, rb.x1) != x || std::max(ra.y1, rb.y1) != y ||
                  std::max(ra.z1, rb.z1) != z)
                continue;
              if (!visit(a, b)) return;
            }
        }
  }

 private:
  static std::int64_t clampCell(std::int64_t v, std::int64_t size, std::int64_t count);
  std::size_t index(std::int64_t x, std::int64_t y, std::int64_t z) const {
    return static_cast<std::size_t>((x * countY_ + y) * countZ_ + z);
  }
  std::int64_t filedEntries(const std::vector<Box>& boxes) const;
  void file(const std::vector<Box>& boxes);

  std::int64_t cellX_ = 1, cellY_ = 1, cellZ_ = 1;     // cell extents, mm
  std::int64_t countX_ = 1, countY_ = 1, countZ_ = 1;  // cells along each axis
  std::vector<std::size_t> start_;    // per cell, where its boxes begin in entries_
  std::vector<std::size_t> entries_;  // box indexes, cell by cell
};

}  // namespace check
