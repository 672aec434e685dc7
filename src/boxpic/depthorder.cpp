#include "boxpic/depthorder.h"

#include <algorithm>
#include <array>
#include <limits>
#include <queue>

namespace boxpic {

namespace {

double along(const Vec3& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

// The rectangle a box covers on the picture.
struct Extent {
  double minU = std::numeric_limits<double>::max(), maxU = -std::numeric_limits<double>::max();
  double minV = std::numeric_limits<double>::max(), maxV = -std::numeric_limits<double>::max();
};

Extent extentOf(const Box& box, const View& view) {
  Extent e;
  for (int i = 0; i < 8; ++i) {
    const Point p = view.project({(i & 1) ? box.high.x : box.low.x, (i & 2) ? box.high.y : box.low.y,
                                  (i & 4) ? box.high.z : box.low.z});
    e.minU = std::min(e.minU, p.u);
    e.maxU = std::max(e.maxU, p.u);
    e.minV = std::min(e.minV, p.v);
    e.maxV = std::max(e.maxV, p.v);
  }
  return e;
}

bool overlap(const Extent& a, const Extent& b) {
  // Touching edges do not count: neighbours share an outline, not an area.
  constexpr double kSlack = 1e-6;
  return a.minU < b.maxU - kSlack && b.minU < a.maxU - kSlack && a.minV < b.maxV - kSlack &&
         b.minV < a.maxV - kSlack;
}

// -1 when a lies beyond b (a is painted first), 1 when b lies beyond a, 0 when no axis
// with a view component separates them.
int beyond(const Box& a, const Box& b, const Vec3& towardViewer) {
  for (int axis = 0; axis < 3; ++axis) {
    const double toward = along(towardViewer, axis);
    if (toward == 0) continue;
    if (along(a.high, axis) <= along(b.low, axis)) return toward > 0 ? -1 : 1;
    if (along(b.high, axis) <= along(a.low, axis)) return toward > 0 ? 1 : -1;
  }
  return 0;
}

}  // namespace

std::vector<std::size_t> paintingOrder(const std::vector<Box>& boxes, const View& view) {
  const std::size_t n = boxes.size();
  std::vector<Extent> extents(n);
  std::vector<double> nearness(n);
  for (std::size_t i = 0; i < n; ++i) {
    extents[i] = extentOf(boxes[i], view);
    const Box& b = boxes[i];
    nearness[i] = view.nearness({(b.low.x + b.high.x) / 2, (b.low.y + b.high.y) / 2, (b.low.z + b.high.z) / 2});
  }
  // after[i]: the boxes to paint after box i; waiting[j]: how many must be painted before j.
  std::vector<std::vector<std::size_t>> after(n);
  std::vector<std::size_t> waiting(n, 0);
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i + 1; j < n; ++j) {
      if (!overlap(extents[i], extents[j])) continue;
      const int order = beyond(boxes[i], boxes[j], view.towardViewer());
      if (order < 0) {
        after[i].push_back(j);
        ++waiting[j];
      } else if (order > 0) {
        after[j].push_back(i);
        ++waiting[i];
      }
    }

  // Of the boxes free to be painted, the farthest first.
  const auto later = [&nearness](std::size_t a, std::size_t b) {
    return nearness[a] != nearness[b] ? nearness[a] > nearness[b] : a > b;
  };
  std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(later)> ready(later);
  for (std::size_t i = 0; i < n; ++i)
    if (waiting[i] == 0) ready.push(i);
  std::vector<std::size_t> order;
  order.reserve(n);
  std::vector<bool> painted(n, false);
  while (order.size() < n) {
    if (ready.empty()) {
      // Boxes that hide each other in a ring (overlapping input): the farthest left breaks it.
      std::size_t next = n;
      for (std::size_t i = 0; i < n; ++i)
        if (!painted[i] && (next == n || later(next, i))) next = i;
      waiting[next] = 0;
      ready.push(next);
    }
    const std::size_t i = ready.top();
    ready.pop();
    if (painted[i]) continue;
    painted[i] = true;
    order.push_back(i);
    for (const std::size_t j : after[i])
      if (!painted[j] && --waiting[j] == 0) ready.push(j);
  }
  return order;
}

}  // namespace boxpic
