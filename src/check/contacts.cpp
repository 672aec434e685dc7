#include "check/contacts.h"

#include <algorithm>
#include <cstdint>

namespace check {

double footprintOverlap(const Box& a, const Box& b) {
  const std::int64_t w = std::min(a.x2, b.x2) - std::max(a.x1, b.x1);
  const std::int64_t d = std::min(a.z2, b.z2) - std::max(a.z1, b.z1);
  return w > 0 && d > 0 ? double(w) * double(d) : 0.0;
}

std::vector<std::vector<Contact>> restingContacts(const std::vector<Box>& boxes, const BoxGrid& grid) {
  const std::size_t n = boxes.size();
  std::vector<std::vector<Contact>> contacts(n);
  std::vector<std::size_t> seen(n, n);  // the last box whose query visited a box
  for (std::size_t i = 0; i < n; ++i) {
    const Box& b = boxes[i];
    if (b.y1 <= 0) continue;
    // The boxes whose tops lie at this bottom reach into the cell layer just below it.
    CellRange range = grid.cellsOf(b);
    range.y1 = range.y2 = grid.cellY(b.y1 - 1);
    grid.forEachIn(range, [&](std::size_t j) {
      if (j == i || seen[j] == i) return;
      seen[j] = i;
      if (boxes[j].y2 != b.y1) return;
      const double area = footprintOverlap(b, boxes[j]);
      if (area > 0) contacts[i].push_back(Contact{j, area});
    });
  }
  return contacts;
}

}  // namespace check
