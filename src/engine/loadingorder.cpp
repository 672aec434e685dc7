#include "engine/loadingorder.h"

#include <cstdint>
#include <queue>
#include <tuple>

#include "model/cargorules.h"
#include "model/projectinput.h"

namespace {

// The room a block's grid takes along one axis: n cartons and the n - 1 gaps between them.
std::int64_t span(std::int32_t n, std::int32_t size, std::int32_t gap) {
  if (n <= 0) return 0;
  return std::int64_t{n} * size + std::int64_t{n - 1} * gap;
}

struct Extent {
  std::int64_t lo = 0, hi = 0;
};

bool overlaps(const Extent& a, const Extent& b) { return a.lo < b.hi && b.lo < a.hi; }

struct BlockRoom {
  Extent x, y, z;
};

BlockRoom roomOf(const BlockScheme& b) {
  return {{b.x, b.x + span(b.nx, b.sizeX, b.gapX)},
          {b.y, b.y + span(b.ny, b.sizeY, b.gapY)},
          {b.z, b.z + span(b.nz, b.sizeZ, b.gapZ)}};
}

// Whether first has to be in the container before second: it lies under second's
// footprint, or behind second's face toward the inner end.
bool mustPrecede(const BlockRoom& first, const BlockRoom& second) {
  const bool under = first.y.lo < second.y.lo && first.y.hi <= second.y.lo && overlaps(first.x, second.x) &&
                     overlaps(first.z, second.z);
  const bool behind = first.z.lo < second.z.lo && first.z.hi <= second.z.lo && overlaps(first.x, second.x) &&
                      overlaps(first.y, second.y);
  return under || behind;
}

}  // namespace

std::vector<std::size_t> loadingOrder(const std::vector<BlockScheme>& blocks) { return loadingOrder(blocks, {}); }

std::vector<std::size_t> loadingOrder(const std::vector<BlockScheme>& blocks, const std::vector<std::int32_t>& groups) {
  const std::size_t n = blocks.size();
  std::vector<BlockRoom> rooms;
  rooms.reserve(n);
  for (const BlockScheme& b : blocks) rooms.push_back(roomOf(b));

  std::vector<std::vector<std::size_t>> followers(n);
  std::vector<std::size_t> waitingFor(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) {
      if (i != j && mustPrecede(rooms[i], rooms[j])) {
        followers[i].push_back(j);
        ++waitingFor[j];
      }
    }
  }

  using Key = std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::size_t>;
  const auto keyOf = [&](std::size_t i) {
    return Key{i < groups.size() ? groups[i] : 0, blocks[i].z, blocks[i].y, blocks[i].x, i};
  };
  std::priority_queue<Key, std::vector<Key>, std::greater<>> ready;
  for (std::size_t i = 0; i < n; ++i)
    if (waitingFor[i] == 0) ready.push(keyOf(i));

  std::vector<std::size_t> order;
  order.reserve(n);
  std::vector<bool> placed(n, false);
  while (order.size() < n) {
    std::size_t next = n;
    if (!ready.empty()) {
      next = std::get<4>(ready.top());
      ready.pop();
    } else {
      // Blocks that overlap one another can wait for each other in a circle: the nearest
      // of those left goes next, so that every block still comes once.
      for (std::size_t i = 0; i < n; ++i)
        if (!placed[i] && (next == n || keyOf(i) < keyOf(next))) next = i;
    }
    if (placed[next]) continue;
    placed[next] = true;
    order.push_back(next);
    for (const std::size_t f : followers[next])
      if (waitingFor[f] > 0 && --waitingFor[f] == 0 && !placed[f]) ready.push(keyOf(f));
  }
  return order;
}

std::vector<std::int32_t> stopGroups(const ProjectInput& project, const std::vector<BlockScheme>& blocks) {
  std::vector<std::int32_t> groups;
  groups.reserve(blocks.size());
  const std::size_t last = project.stops.empty() ? 0 : project.stops.size() - 1;
  for (const BlockScheme& b : blocks) {
    const bool known = b.cartonIndex >= 0 && static_cast<std::size_t>(b.cartonIndex) < project.cartons.size();
    const std::size_t stop = known ? stopIndexOf(project, project.cartons[static_cast<std::size_t>(b.cartonIndex)]) : last;
    groups.push_back(static_cast<std::int32_t>(last - stop));
  }
  return groups;
}

void putInLoadingOrder(std::vector<BlockScheme>& blocks, const std::vector<std::int32_t>& groups) {
  const std::vector<std::size_t> order = loadingOrder(blocks, groups);
  std::vector<BlockScheme> ordered;
  ordered.reserve(blocks.size());
  for (const std::size_t i : order) ordered.push_back(blocks[i]);
  blocks = std::move(ordered);
}
