#include "plancheck.h"

#include <algorithm>
#include <array>
#include <limits>

namespace plancheck {
namespace {

struct Box {
  std::int64_t x1, y1, z1, x2, y2, z2;
};

Box grossBox(const CheckPlan& plan, const CheckCarton& c) {
  return Box{c.x, c.y, c.z, std::int64_t(c.x) + c.sizeX + plan.gapX,
             std::int64_t(c.y) + c.sizeY + plan.gapY, std::int64_t(c.z) + c.sizeZ + plan.gapZ};
}

std::int64_t footprintOverlap(const Box& a, const Box& b) {
  const std::int64_t w = std::min(a.x2, b.x2) - std::max(a.x1, b.x1);
  const std::int64_t d = std::min(a.z2, b.z2) - std::max(a.z1, b.z1);
  return w > 0 && d > 0 ? w * d : 0;
}

std::string where(std::size_t i) { return "carton " + std::to_string(i); }

// 0: not a permutation of the type's edges or on an edge it may not stand on;
// 1: standing on an allowed edge; 2: lying on an edge it may only lie on.
int standing(const CheckType& t, const CheckCarton& c) {
  const std::array<std::int32_t, 3> edges = {t.length, t.width, t.height};
  int best = 0;
  for (int up = 0; up < 3; ++up) {
    if (edges[static_cast<std::size_t>(up)] != c.sizeY) continue;
    std::array<std::int32_t, 2> rest{}, seen = {c.sizeX, c.sizeZ};
    int k = 0;
    for (int e = 0; e < 3; ++e)
      if (e != up) rest[static_cast<std::size_t>(k++)] = edges[static_cast<std::size_t>(e)];
    std::sort(rest.begin(), rest.end());
    std::sort(seen.begin(), seen.end());
    if (rest != seen) continue;
    const auto bit = static_cast<std::uint8_t>(1 << up);
    if (t.vertical & bit) return 1;
    if ((t.lying & bit) && t.lyingLayers > 0) best = 2;
  }
  return best;
}

}  // namespace

std::vector<std::string> checkPlan(const CheckPlan& plan) {
  std::vector<std::string> problems;
  const std::size_t n = plan.cartons.size();
  std::vector<Box> boxes;
  std::vector<int> stands(n, 0);
  std::vector<std::int64_t> used(plan.types.size(), 0);
  double weight = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const CheckCarton& c = plan.cartons[i];
    boxes.push_back(grossBox(plan, c));
    if (c.type < 0 || static_cast<std::size_t>(c.type) >= plan.types.size()) {
      problems.push_back(where(i) + ": no such carton type");
      continue;
    }
    const CheckType& t = plan.types[static_cast<std::size_t>(c.type)];
    ++used[static_cast<std::size_t>(c.type)];
    weight += t.weight;
    stands[i] = standing(t, c);
    if (stands[i] == 0) problems.push_back(where(i) + ": orientation not allowed");
    const Box& b = boxes.back();
    if (b.x1 < 0 || b.y1 < 0 || b.z1 < 0 || b.x2 > plan.width || b.y2 > plan.height ||
        b.z2 > plan.length)
      problems.push_back(where(i) + ": outside the container");
  }
  for (std::size_t t = 0; t < plan.types.size(); ++t)
    if (used[t] > plan.types[t].count)
      problems.push_back("type " + std::to_string(t) + ": " + std::to_string(used[t]) +
                         " loaded of " + std::to_string(plan.types[t].count));
  if (weight > plan.maxWeight * (1 + 1e-9)) problems.push_back("over the maximum load");

  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i + 1; j < n; ++j) {
      const Box& a = boxes[i];
      const Box& b = boxes[j];
      if (a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2 && a.z1 < b.z2 && b.z1 < a.z2)
        problems.push_back(where(i) + " overlaps " + where(j));
    }

  // Support, and what stands on lying cartons.
  std::vector<std::int32_t> lyingLayer(n, 0);
  std::vector<std::size_t> byHeight(n);
  for (std::size_t i = 0; i < n; ++i) byHeight[i] = i;
  std::sort(byHeight.begin(), byHeight.end(),
            [&](std::size_t a, std::size_t b) { return boxes[a].y1 < boxes[b].y1; });
  for (const std::size_t i : byHeight) {
    const Box& top = boxes[i];
    std::int64_t carried = 0;
    std::int32_t layersBelow = 0;
    for (std::size_t j = 0; j < n; ++j) {
      if (j == i || boxes[j].y2 != top.y1) continue;
      const std::int64_t area = footprintOverlap(boxes[j], top);
      if (area == 0) continue;
      carried += area;
      if (stands[j] == 2) {
        if (stands[i] != 2) problems.push_back(where(i) + " stands on the lying " + where(j));
        layersBelow = std::max(layersBelow, lyingLayer[j]);
      }
    }
    if (stands[i] == 2) {
      lyingLayer[i] = layersBelow + 1;
      const CheckType& t = plan.types[static_cast<std::size_t>(plan.cartons[i].type)];
      if (lyingLayer[i] > t.lyingLayers)
        problems.push_back(where(i) + ": more lying layers than allowed");
    }
    const std::int64_t base = (top.x2 - top.x1) * (top.z2 - top.z1);
    if (top.y1 > 0 && carried * 100 < std::int64_t(plan.supportPercent) * base)
      problems.push_back(where(i) + ": not carried enough from below");
  }

  // Zones by where the cartons start along the length.
  std::array<std::int64_t, 3> firstStart, lastStart;
  firstStart.fill(std::numeric_limits<std::int64_t>::max());
  lastStart.fill(std::numeric_limits<std::int64_t>::min());
  for (const CheckCarton& c : plan.cartons) {
    if (c.type < 0 || static_cast<std::size_t>(c.type) >= plan.types.size()) continue;
    const auto zone = static_cast<std::size_t>(std::clamp(plan.types[static_cast<std::size_t>(c.type)].zone, 0, 2));
    firstStart[zone] = std::min<std::int64_t>(firstStart[zone], c.z);
    lastStart[zone] = std::max<std::int64_t>(lastStart[zone], c.z);
  }
  for (std::size_t a = 0; a < 3; ++a)
    for (std::size_t b = a + 1; b < 3; ++b)
      if (firstStart[b] < lastStart[a])
        problems.push_back("zone " + std::to_string(b) + " starts before zone " + std::to_string(a));
  return problems;
}

}  // namespace plancheck
