#include "engine/maxload/blocks.h"

#include <algorithm>
#include <array>
#include <limits>

#include "engine/maxload/rulekeeper.h"

namespace maxload {
namespace {

struct Orientation {
  std::int32_t code = 0;
  std::int32_t netX = 0, netY = 0, netZ = 0;
  bool lying = false;
};

// The allowed orientations of a type, without repeats of the same extents.
std::vector<Orientation> orientationsOf(const MaxLoadType& t) {
  std::vector<Orientation> out;
  for (int code = 0; code < kOrientationCount; ++code) {
    const std::uint8_t up = edgeBit(verticalEdge(code));
    const auto [netX, netY, netZ] = orientedExtents(code, t.length, t.width, t.height);
    Orientation o{code, netX, netY, netZ, false};
    if ((t.verticalEdges & up) == 0) {
      if ((t.lyingEdges & up) == 0 || t.lyingLayers <= 0) continue;
      o.lying = true;
    }
    bool repeat = false;
    for (const Orientation& seen : out)
      repeat = repeat || (seen.netX == o.netX && seen.netY == o.netY && seen.netZ == o.netZ &&
                          seen.lying == o.lying);
    if (!repeat) out.push_back(o);
  }
  return out;
}

void addUse(Block& b, std::int32_t type, std::int32_t cartons) {
  for (int i = 0; i < b.useCount; ++i) {
    if (b.useType[i] == type) {
      b.useCartons[i] += cartons;
      return;
    }
  }
  b.useType[b.useCount] = type;
  b.useCartons[b.useCount] = cartons;
  ++b.useCount;
}

bool blockOrder(const Block& a, const Block& b) {
  if (a.volume != b.volume) return a.volume > b.volume;
  return a.leafCount < b.leafCount;
}

// Joins a and b along axis (0 = x, 1 = y, 2 = z); b goes after a on that axis. Checks
// everything on the sizes first: most pairs fail there.
bool join(const Block& a, const Block& b, int axis, const Problem& p, double minFill,
          bool flatTops, Block& out) {
  if (a.leafCount + b.leafCount > kMaxLeaves || a.zone != b.zone || a.lying || b.lying) return false;
  // A closed top carries nothing; a block that closes its top may still stand on another.
  if (axis == 1 && (a.closedTop || !mayCarryInBlock(p, a, b))) return false;
  const std::int32_t sx = axis == 0 ? a.sx + b.sx : std::max(a.sx, b.sx);
  const std::int32_t sy = axis == 1 ? a.sy + b.sy : std::max(a.sy, b.sy);
  const std::int32_t sz = axis == 2 ? a.sz + b.sz : std::max(a.sz, b.sz);
  if (sx > p.X || sy > p.Y || sz > p.Z) return false;
  if (a.grossVolume + b.grossVolume < minFill * double(sx) * sy * sz) return false;
  if (flatTops) {
    // What stands on b must be carried in full by a's flat top, which b covers.
    if (axis == 1 && (!a.flatTop || a.sx != b.sx || a.sz != b.sz)) return false;
    if (axis != 1 && a.sy != b.sy) return false;
  }
  // Cartons of a type both use must not exceed its count.
  for (int i = 0; i < a.useCount; ++i)
    for (int j = 0; j < b.useCount; ++j)
      if (a.useType[i] == b.useType[j] &&
          a.useCartons[i] + b.useCartons[j] > p.types[static_cast<std::size_t>(a.useType[i])].count)
        return false;
  out = Block{};
  out.sx = sx;
  out.sy = sy;
  out.sz = sz;
  const bool footprintsTile = axis == 0   ? a.sz == b.sz
                              : axis == 2 ? a.sx == b.sx
                                          : b.sx == out.sx && b.sz == out.sz;
  out.flatTop = footprintsTile && b.flatTop && (axis == 1 || (a.flatTop && a.sy == b.sy));
  out.volume = a.volume + b.volume;
  out.grossVolume = a.grossVolume + b.grossVolume;
  out.weight = a.weight + b.weight;
  out.zone = a.zone;
  out.closedTop = a.closedTop || b.closedTop;
  for (int i = 0; i < a.leafCount; ++i) out.leaves[out.leafCount++] = a.leaves[i];
  for (int i = 0; i < b.leafCount; ++i) {
    Leaf leaf = b.leaves[i];
    if (axis == 0) leaf.ox += a.sx;
    if (axis == 1) leaf.oy += a.sy;
    if (axis == 2) leaf.oz += a.sz;
    out.leaves[out.leafCount++] = leaf;
  }
  for (int i = 0; i < a.useCount; ++i) addUse(out, a.useType[i], a.useCartons[i]);
  for (int i = 0; i < b.useCount; ++i) addUse(out, b.useType[i], b.useCartons[i]);
  return true;
}

}  // namespace

Problem makeProblem(const MaxLoadInput& input) {
  Problem p;
  p.X = std::max(0, input.containerX);
  p.Y = std::max(0, input.containerY);
  p.Z = std::max(0, input.containerZ);
  p.gapX = std::max(0, input.gapX);
  p.gapY = std::max(0, input.gapY);
  p.gapZ = std::max(0, input.gapZ);
  p.maxWeight = input.maxWeight;
  p.supportPercent = std::clamp(input.supportPercent, 0, 100);
  p.types = input.types;
  for (const MaxLoadType& t : p.types) p.available.push_back(std::max(0, t.count));
  for (MaxLoadType& t : p.types) {
    if (t.length <= 0 || t.width <= 0 || t.height <= 0) t.count = 0;
    t.count = std::max(0, t.count);
    // A carton that fits the container in no way it may stand, or that alone weighs more
    // than the container may carry, is never loaded: the search does not wait for it.
    bool fits = false;
    if (t.count > 0)
      for (const Orientation& o : orientationsOf(t))
        fits = fits || (o.netX + p.gapX <= p.X && o.netY + p.gapY <= p.Y && o.netZ + p.gapZ <= p.Z);
    if (!fits || (t.weight > 0 && t.weight > p.maxWeight * (1 + 1e-12))) t.count = 0;
  }
  std::int32_t lastStop = 0;
  for (const MaxLoadType& t : p.types) lastStop = std::max(lastStop, t.stop);
  for (const MaxLoadType& t : p.types)
    p.typeRank.push_back((lastStop - std::max(0, t.stop)) * 3 + static_cast<std::int32_t>(t.zone));
  p.zoneCount = (lastStop + 1) * 3;
  for (const MaxLoadType& t : p.types) {
    const double v = double(t.length) * t.width * t.height;
    p.typeVolume.push_back(v);
    p.cargoVolume += v * t.count;
    std::int32_t minDim = std::numeric_limits<std::int32_t>::max();
    for (const Orientation& o : orientationsOf(t))
      minDim = std::min({minDim, o.netX + p.gapX, o.netY + p.gapY, o.netZ + p.gapZ});
    p.typeMinDim.push_back(minDim);
  }
  return p;
}

std::vector<Block> generateBlocks(const Problem& p, std::size_t maxBlocks,
                                  bool withGeneralBlocks) {
  std::vector<Block> simple;
  for (std::size_t ti = 0; ti < p.types.size(); ++ti) {
    const MaxLoadType& t = p.types[ti];
    if (t.count <= 0) continue;
    for (const Orientation& o : orientationsOf(t)) {
      const std::int32_t cx = o.netX + p.gapX, cy = o.netY + p.gapY, cz = o.netZ + p.gapZ;
      if (cx > p.X || cy > p.Y || cz > p.Z) continue;
      const std::int32_t maxY = std::min(o.lying ? std::min(t.lyingLayers, p.Y / cy) : p.Y / cy,
                                         layersCarried(t));
      for (std::int32_t nx = 1; nx <= p.X / cx && nx <= t.count; ++nx) {
        for (std::int32_t ny = 1; ny <= maxY && nx * ny <= t.count; ++ny) {
          for (std::int32_t nz = 1; nz <= p.Z / cz && nx * ny * nz <= t.count; ++nz) {
            Block b;
            Leaf& leaf = b.leaves[0];
            leaf = Leaf{static_cast<std::int32_t>(ti), o.code, nx, ny, nz, 0, 0, 0, cx, cy, cz,
                        o.netX, o.netY, o.netZ};
            b.leafCount = 1;
            b.sx = leaf.sx();
            b.sy = leaf.sy();
            b.sz = leaf.sz();
            const std::int32_t n = nx * ny * nz;
            b.volume = p.typeVolume[ti] * n;
            b.grossVolume = double(b.sx) * b.sy * b.sz;
            b.weight = t.weight * n;
            b.zone = p.typeRank[ti];
            b.lying = o.lying;
            b.closedTop = o.lying || !t.stackable;
            addUse(b, static_cast<std::int32_t>(ti), n);
            simple.push_back(b);
          }
        }
      }
    }
  }
  std::stable_sort(simple.begin(), simple.end(), blockOrder);
  if (!withGeneralBlocks || simple.size() >= maxBlocks) return simple;

  // Pairs of the largest simple blocks, then pairs of those with simple blocks once more.
  std::vector<Block> blocks = simple;
  double minFill = 0.98;
  const bool flatTops = p.supportPercent > 0;
  const std::size_t seeds = std::min<std::size_t>(simple.size(), 1500);
  std::vector<Block> general;
  Block joined;
  for (std::size_t i = 0; i < seeds && general.size() < maxBlocks; ++i) {
    for (std::size_t j = 0; j < seeds && general.size() < maxBlocks; ++j) {
      for (int axis = 0; axis < 3; ++axis) {
        if (join(simple[i], simple[j], axis, p, minFill, flatTops, joined)) general.push_back(joined);
      }
    }
  }
  std::stable_sort(general.begin(), general.end(), blockOrder);
  std::vector<Block> second;
  const std::size_t generalSeeds = std::min<std::size_t>(general.size(), 200);
  for (std::size_t i = 0; i < generalSeeds && second.size() < maxBlocks; ++i) {
    for (std::size_t j = 0; j < seeds && second.size() < maxBlocks; ++j) {
      for (int axis = 0; axis < 3; ++axis) {
        if (join(general[i], simple[j], axis, p, minFill, flatTops, joined)) second.push_back(joined);
      }
    }
  }
  general.insert(general.end(), second.begin(), second.end());
  std::stable_sort(general.begin(), general.end(), blockOrder);
  // Every simple block stays; general blocks fill the rest of the allowance.
  if (general.size() > maxBlocks - simple.size()) general.resize(maxBlocks - simple.size());
  blocks.insert(blocks.end(), general.begin(), general.end());
  std::stable_sort(blocks.begin(), blocks.end(), blockOrder);
  return blocks;
}

}  // namespace maxload
