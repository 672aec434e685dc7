#include "check/boxgrid.h"

namespace check {
namespace {

// Cells per box at most, on average, before the cells are made coarser.
constexpr std::int64_t kEntriesPerBox = 32;
// Cells along one axis at most.
constexpr std::int64_t kMaxCellsPerAxis = 4096;

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return (a + b - 1) / b; }

// The median of the boxes' extents along one axis, at least 1 mm.
template <typename Extent>
std::int64_t medianExtent(const std::vector<Box>& boxes, Extent extent) {
  if (boxes.empty()) return 1;
  std::vector<std::int64_t> extents;
  extents.reserve(boxes.size());
  for (const Box& b : boxes) extents.push_back(extent(b));
  const auto middle = extents.begin() + static_cast<std::ptrdiff_t>(extents.size() / 2);
  std::nth_element(extents.begin(), middle, extents.end());
  return std::max<std::int64_t>(1, *middle);
}

}  // namespace

BoxGrid::BoxGrid(const std::vector<Box>& boxes, std::int64_t width, std::int64_t height,
                 std::int64_t length) {
  width = std::max<std::int64_t>(1, width);
  height = std::max<std::int64_t>(1, height);
  length = std::max<std::int64_t>(1, length);
  cellX_ = std::max(medianExtent(boxes, [](const Box& b) { return b.x2 - b.x1; }),
                    ceilDiv(width, kMaxCellsPerAxis));
  cellY_ = std::max(medianExtent(boxes, [](const Box& b) { return b.y2 - b.y1; }),
                    ceilDiv(height, kMaxCellsPerAxis));
  cellZ_ = std::max(medianExtent(boxes, [](const Box& b) { return b.z2 - b.z1; }),
                    ceilDiv(length, kMaxCellsPerAxis));
  const auto recount = [&] {
    countX_ = ceilDiv(width, cellX_);
    countY_ = ceilDiv(height, cellY_);
    countZ_ = ceilDiv(length, cellZ_);
  };
  recount();
  // About two cells per box: coarsen the axis with the most cells until that holds.
  const std::int64_t maxCells =
      std::max<std::int64_t>(64, 2 * static_cast<std::int64_t>(boxes.size()));
  while (countX_ * countY_ * countZ_ > maxCells) {
    if (countX_ >= countY_ && countX_ >= countZ_)
      cellX_ *= 2;
    else if (countY_ >= countZ_)
      cellY_ *= 2;
    else
      cellZ_ *= 2;
    recount();
  }
  // Boxes far larger than the usual ones would be filed in very many cells: coarser cells.
  const std::int64_t maxEntries = kEntriesPerBox * static_cast<std::int64_t>(boxes.size()) + 4096;
  while (countX_ * countY_ * countZ_ > 1 && filedEntries(boxes) > maxEntries) {
    cellX_ *= 2;
    cellY_ *= 2;
    cellZ_ *= 2;
    recount();
  }
  file(boxes);
}

std::int64_t BoxGrid::clampCell(std::int64_t v, std::int64_t size, std::int64_t count) {
  if (v < 0) return 0;
  return std::min(v / size, count - 1);
}

CellRange BoxGrid::cellsOf(const Box& b) const {
  // Half-open: the last millimetre of the box is x2 - 1 (an empty box takes its first cell).
  return CellRange{cellX(b.x1),
                   cellY(b.y1),
                   cellZ(b.z1),
                   cellX(std::max(b.x1, b.x2 - 1)),
                   cellY(std::max(b.y1, b.y2 - 1)),
                   cellZ(std::max(b.z1, b.z2 - 1))};
}

std::int64_t BoxGrid::filedEntries(const std::vector<Box>& boxes) const {
  std::int64_t total = 0;
  for (const Box& b : boxes) {
    const CellRange r = cellsOf(b);
    total += (r.x2 - r.x1 + 1) * (r.y2 - r.y1 + 1) * (r.z2 - r.z1 + 1);
  }
  return total;
}

void BoxGrid::file(const std::vector<Box>& boxes) {
  const auto cells = static_cast<std::size_t>(countX_ * countY_ * countZ_);
  start_.assign(cells + 1, 0);
  const auto eachCell = [&](const Box& b, auto action) {
    const CellRange r = cellsOf(b);
    for (std::int64_t x = r.x1; x <= r.x2; ++x)
      for (std::int64_t y = r.y1; y <= r.y2; ++y)
        for (std::int64_t z = r.z1; z <= r.z2; ++z) action(index(x, y, z));
  };
  for (const Box& b : boxes) eachCell(b, [&](std::size_t cell) { ++start_[cell + 1]; });
  for (std::size_t c = 0; c < cells; ++c) start_[c + 1] += start_[c];
  entries_.resize(start_[cells]);
  std::vector<std::size_t> next(start_.begin(), start_.end() - 1);
  for (std::size_t i = 0; i < boxes.size(); ++i)
    eachCell(boxes[i], [&](std::size_t cell) { entries_[next[cell]++] = i; });
}

}  // namespace check
