#include "engine/maxload/packstate.h"

#include <algorithm>
#include <limits>

#include "engine/maxload/rulekeeper.h"

namespace maxload {
namespace {

bool contains(const Space& outer, const Space& inner) {
  return outer.x1 <= inner.x1 && inner.x2 <= outer.x2 && outer.y1 <= inner.y1 &&
         inner.y2 <= outer.y2 && outer.z1 <= inner.z1 && inner.z2 <= outer.z2;
}

bool removed(const Space& s) { return s.x1 >= s.x2; }

void compact(std::vector<Space>& spaces) {
  std::size_t kept = 0;
  for (const Space& space : spaces)
    if (!removed(space)) spaces[kept++] = space;
  spaces.resize(kept);
}

std::int64_t overlapArea(std::int32_t ax1, std::int32_t az1, std::int32_t ax2, std::int32_t az2,
                         const Top& t) {
  const std::int32_t w = std::min(ax2, t.x2) - std::max(ax1, t.x1);
  const std::int32_t d = std::min(az2, t.z2) - std::max(az1, t.z1);
  return w > 0 && d > 0 ? std::int64_t(w) * d : 0;
}

}  // namespace

void PackState::reserve(std::size_t spaceCount, std::size_t blockCount) {
  spaces.reserve(spaceCount);
  tops.reserve(blockCount * kMaxLeaves);
  boxes.reserve(blockCount * kMaxLeaves);
  placed.reserve(blockCount);
}

Packer::Packer(const Problem& problem, const std::vector<Block>& blocks, const RuleKeeper* keeper)
    : problem_(problem),
      blocks_(blocks),
      keeper_(keeper),
      zoneCount_(problem.zoneCount),
      laterZoneLoaded_(static_cast<std::size_t>(problem.zoneCount), false) {
  for (const Block& b : blocks) {
    keys_.sx.push_back(b.sx);
    keys_.sy.push_back(b.sy);
    keys_.sz.push_back(b.sz);
    keys_.zone.push_back(b.zone);
    keys_.volume.push_back(b.volume);
  }
  for (std::size_t t = 0; t < problem.types.size(); ++t) {
    if (problem.types[t].count <= 0) continue;
    for (std::int32_t z = 0; z < problem.typeRank[t]; ++z) laterZoneLoaded_[static_cast<std::size_t>(z)] = true;
  }
}

void Packer::start(PackState& s) const {
  s.spaces.clear();
  s.tops.clear();
  s.boxes.clear();
  s.placed.clear();
  s.remaining.clear();
  for (const MaxLoadType& t : problem_.types) s.remaining.push_back(t.count);
  updateSmallest(s);
  s.volume = s.weight = 0;
  s.zone = 0;
  s.zoneFloor = s.zoneLastStart = 0;
  s.finished = false;
  const Problem& p = problem_;
  if (p.X > 0 && p.Y > 0 && p.Z > 0) {
    s.spaces.push_back(Space{0, 0, 0, p.X, p.Y, p.Z, false});
    rank(s.spaces.back(), s.zone);
  }
  if (keeper_ != nullptr) keeper_->start(s);
}

void Packer::updateSmallest(PackState& s) const {
  s.smallest = std::numeric_limits<std::int32_t>::max();
  for (std::size_t t = 0; t < s.remaining.size(); ++t)
    if (s.remaining[t] > 0) s.smallest = std::min(s.smallest, problem_.typeMinDim[t]);
}

void Packer::enterZone(PackState& s, std::int32_t zone) const {
  s.zoneFloor = std::max(s.zoneFloor, s.zoneLastStart);
  s.zoneLastStart = s.zoneFloor;
  s.zone = zone;
  for (Space& space : s.spaces) {
    space.dead = false;
    space.z1 = std::max(space.z1, s.zoneFloor);
    if (space.z1 >= space.z2) space.x2 = space.x1;  // nothing left of it
    rank(space, zone);
  }
  removeContainedAmong(s.spaces, 0, s.spaces.size());
  compact(s.spaces);
}

void Packer::rank(Space& space, std::int32_t zone) const {
  const Problem& p = problem_;
  // While a later zone waits, the load grows from the inner end only.
  const bool doorCorners = !laterZoneLoaded_[static_cast<std::size_t>(zone)];
  constexpr std::int32_t kMost = (1 << 21) - 1;
  bool found = false;
  for (int corner = 0; corner < (doorCorners ? 4 : 2); ++corner) {
    const bool right = (corner & 1) != 0, door = (corner & 2) != 0;
    const std::int32_t a = std::min(right ? p.X - space.x2 : space.x1, kMost);
    const std::int32_t b = std::min(space.y1, kMost);
    const std::int32_t c = std::min(door ? p.Z - space.z2 : space.z1, kMost);
    std::uint64_t nearness;
    if (doorCorners) {
      const std::int32_t low = std::min({a, b, c}), high = std::max({a, b, c});
      const std::int32_t middle = a + b + c - low - high;
      nearness = (std::uint64_t(low) << 42) | (std::uint64_t(middle) << 21) | std::uint64_t(high);
    } else {
      // A later zone starts beyond the furthest start of this one: the zone grows as walls
      // from the inner end, the nearest space along the length first.
      nearness = (std::uint64_t(c) << 42) | (std::uint64_t(std::min(a, b)) << 21) | std::uint64_t(std::max(a, b));
    }
    if (!found || nearness < space.nearness) {
      found = true;
      space.nearness = nearness;
      space.fromRight = right;
      space.fromDoor = door;
    }
  }
}

void Packer::removeContained(std::vector<Space>& spaces, std::size_t firstNew,
                             const FaceGroups& groups, const Space& cut) const {
  // A new space lies against a face of the box cut out and overlaps it across that face,
  // so an older space holding it lies against the same face: only those compare.
  for (std::size_t j = 0; j < firstNew; ++j) {
    const Space& other = spaces[j];
    const bool acrossX = other.x1 < cut.x2 && cut.x1 < other.x2;
    const bool acrossY = other.y1 < cut.y2 && cut.y1 < other.y2;
    const bool acrossZ = other.z1 < cut.z2 && cut.z1 < other.z2;
    int face = -1;
    if (acrossY && acrossZ) face = other.x2 == cut.x1 ? 0 : other.x1 == cut.x2 ? 1 : -1;
    else if (acrossX && acrossZ) face = other.y2 == cut.y1 ? 2 : other.y1 == cut.y2 ? 3 : -1;
    else if (acrossX && acrossY) face = other.z2 == cut.z1 ? 4 : other.z1 == cut.z2 ? 5 : -1;
    if (face < 0) continue;
    for (std::size_t i = groups.begin[face]; i < groups.end[face]; ++i) {
      Space& candidate = spaces[i];
      if (!removed(candidate) && contains(other, candidate)) candidate.x2 = candidate.x1;
    }
  }
  // The new ones against the same face among themselves.
  for (int face = 0; face < 6; ++face) removeContainedAmong(spaces, groups.begin[face], groups.end[face]);
  compact(spaces);
}

void Packer::joinRoomsAbove(PackState& s, std::size_t oldCount, std::size_t firstRoom,
                            std::int32_t smallest) const {
  // Where cartons must be carried in full, the room above a block covers only its top;
  // next to a room on tops of the same height it makes one more room across both.
  const std::size_t roomEnd = s.spaces.size();
  for (std::size_t r = firstRoom; r < roomEnd; ++r) {
    for (std::size_t o = 0; o < oldCount; ++o) {
      // Copies: pushing a joined room may move the spaces.
      const Space room = s.spaces[r];
      const Space other = s.spaces[o];
      if (other.heldByJoin || other.y1 != room.y1) continue;
      const bool touchX = other.x1 <= room.x2 && room.x1 <= other.x2;
      const bool touchZ = other.z1 <= room.z2 && room.z1 <= other.z2;
      const std::int32_t overlapX = std::min(other.x2, room.x2) - std::max(other.x1, room.x1);
      const std::int32_t overlapZ = std::min(other.z2, room.z2) - std::max(other.z1, room.z1);
      const std::int32_t top = std::min(other.y2, room.y2);
      for (int across = 0; across < 2; ++across) {
        Space joined = room;
        joined.y2 = top;
        if (across == 0) {  // side by side along x, over the length both share
          if (!touchX || overlapZ <= 0) continue;
          joined.x1 = std::min(other.x1, room.x1);
          joined.x2 = std::max(other.x2, room.x2);
          joined.z1 = std::max(other.z1, room.z1);
          joined.z2 = std::min(other.z2, room.z2);
        } else {  // one behind the other along z, over the width both share
          if (!touchZ || overlapX <= 0) continue;
          joined.z1 = std::min(other.z1, room.z1);
          joined.z2 = std::max(other.z2, room.z2);
          joined.x1 = std::max(other.x1, room.x1);
          joined.x2 = std::min(other.x2, room.x2);
        }
        if (contains(room, joined) || contains(other, joined)) continue;
        if (joined.x2 - joined.x1 < smallest || joined.y2 - joined.y1 < smallest ||
            joined.z2 - joined.z1 < smallest)
          continue;
        s.spaces.push_back(joined);
        // An older room the joined one holds goes with the spaces the block cut up.
        if (contains(joined, other)) s.spaces[o].heldByJoin = true;
      }
    }
  }
}

void Packer::removeContainedAmong(std::vector<Space>& spaces, std::size_t from,
                                  std::size_t to) const {
  // A space goes if another holds it; of two equal spaces the later goes. Whether one is
  // held does not depend on which others go (what holds a space that goes holds all it
  // held), so every pair is compared as it came: in groups of up to kAtOnce, loops without
  // branches over arrays of the corners, which the compiler turns into vector compares.
  constexpr std::size_t kAtOnce = 256;
  const std::size_t m = to - from;
  if (m < 2) return;
  if (m > kAtOnce) {
    for (std::size_t i = from; i < to; ++i) {
      bool inside = false;
      for (std::size_t j = from; j < to && !inside; ++j)
        inside = j != i && contains(spaces[j], spaces[i]) &&
                 (j < i || !contains(spaces[i], spaces[j]));
      if (inside) spaces[i].x2 = spaces[i].x1;
    }
    return;
  }
  std::int32_t x1[kAtOnce], y1[kAtOnce], z1[kAtOnce], x2[kAtOnce], y2[kAtOnce], z2[kAtOnce];
  for (std::size_t i = 0; i < m; ++i) {
    const Space& space = spaces[from + i];
    x1[i] = space.x1;
    y1[i] = space.y1;
    z1[i] = space.z1;
    x2[i] = space.x2;
    y2[i] = space.y2;
    z2[i] = space.z2;
  }
  for (std::size_t i = 0; i < m; ++i) {
    const std::int32_t ax1 = x1[i], ay1 = y1[i], az1 = z1[i], ax2 = x2[i], ay2 = y2[i], az2 = z2[i];
    int inside = 0;
    for (std::size_t j = 0; j < i; ++j)  // an earlier one that holds it, equal or not
      inside |= (x1[j] <= ax1) & (ax2 <= x2[j]) & (y1[j] <= ay1) & (ay2 <= y2[j]) &
                (z1[j] <= az1) & (az2 <= z2[j]);
    for (std::size_t j = i + 1; j < m; ++j)  // a later one that holds more
      inside |= (x1[j] <= ax1) & (ax2 <= x2[j]) & (y1[j] <= ay1) & (ay2 <= y2[j]) &
                (z1[j] <= az1) & (az2 <= z2[j]) &
                ((x1[j] < ax1) | (ax2 < x2[j]) | (y1[j] < ay1) | (ay2 < y2[j]) | (z1[j] < az1) |
                 (az2 < z2[j]));
    if (inside != 0) spaces[from + i].x2 = spaces[from + i].x1;
  }
}

bool Packer::nextAnchor(PackState& s, Anchor& anchor) const {
  const Problem& p = problem_;
  while (s.zone < zoneCount_) {
    bool zoneHasCartons = false;
    for (std::size_t t = 0; t < s.remaining.size(); ++t)
      zoneHasCartons = zoneHasCartons || (s.remaining[t] > 0 && p.typeRank[t] == s.zone);
    if (zoneHasCartons) {
      const std::int32_t smallest = s.smallest;
      bool found = false;
      std::uint64_t bestNearness = 0;
      std::int64_t bestVolume = 0;
      for (std::size_t i = 0; i < s.spaces.size(); ++i) {
        Space& sp = s.spaces[i];
        if (sp.dead) continue;
        if (sp.x2 - sp.x1 < smallest || sp.y2 - sp.y1 < smallest || sp.z2 - sp.z1 < smallest) {
          sp.dead = true;
          continue;
        }
        if (found && sp.nearness > bestNearness) continue;
        const std::int64_t volume = sp.volume();
        if (found && sp.nearness == bestNearness && volume <= bestVolume) continue;
        found = true;
        bestNearness = sp.nearness;
        bestVolume = volume;
        anchor = Anchor{static_cast<std::int32_t>(i), sp.fromRight, sp.fromDoor};
      }
      if (!laterZoneLoaded_[static_cast<std::size_t>(s.zone)]) {
        // In the last zone a space that takes nothing now never will: forget it.
        std::size_t kept = 0;
        for (std::size_t i = 0; i < s.spaces.size(); ++i) {
          if (s.spaces[i].dead) continue;
          if (anchor.space == static_cast<std::int32_t>(i)) anchor.space = static_cast<std::int32_t>(kept);
          s.spaces[kept++] = s.spaces[i];
        }
        s.spaces.resize(kept);
      }
      if (found) return true;
    }
    if (s.zone + 1 >= zoneCount_) break;
    enterZone(s, s.zone + 1);
  }
  s.finished = true;
  return false;
}

void Packer::markDead(PackState& s, const Anchor& a) const {
  const auto at = static_cast<std::size_t>(a.space);
  if (laterZoneLoaded_[static_cast<std::size_t>(s.zone)]) {
    s.spaces[at].dead = true;  // a later zone may still use it
  } else {
    s.spaces.erase(s.spaces.begin() + static_cast<std::ptrdiff_t>(at));
  }
}

bool Packer::supported(const PackState& s, const Block& b, std::int32_t x, std::int32_t y,
                       std::int32_t z) const {
  const std::int32_t percent = problem_.supportPercent;
  if (y == 0 || percent == 0) return true;
  for (int li = 0; li < b.leafCount; ++li) {
    const Leaf& leaf = b.leaves[li];
    if (leaf.oy != 0) continue;  // stands on its own block
    const std::int32_t x1 = x + leaf.ox, z1 = z + leaf.oz;
    const std::int32_t x2 = x1 + leaf.sx(), z2 = z1 + leaf.sz();
    std::int64_t covered = 0;
    for (const Top& t : s.tops)
      if (t.y == y) covered += overlapArea(x1, z1, x2, z2, t);
    if (covered == std::int64_t(x2 - x1) * (z2 - z1)) continue;
    if (percent >= 100) return false;
    // Partly carried: every carton of the bottom layer on its own.
    for (std::int32_t ix = 0; ix < leaf.nx; ++ix) {
      for (std::int32_t iz = 0; iz < leaf.nz; ++iz) {
        const std::int32_t cx1 = x1 + ix * leaf.cx, cz1 = z1 + iz * leaf.cz;
        std::int64_t cell = 0;
        for (const Top& t : s.tops)
          if (t.y == y) cell += overlapArea(cx1, cz1, cx1 + leaf.cx, cz1 + leaf.cz, t);
        if (cell * 100 < std::int64_t(percent) * leaf.cx * leaf.cz) return false;
      }
    }
  }
  return true;
}

double Packer::contactArea(const Placed& where, const Box* boxes, std::size_t boxCount) const {
  const Block& b = blocks_[static_cast<std::size_t>(where.block)];
  const Problem& p = problem_;
  const std::int32_t x1 = where.x, y1 = where.y, z1 = where.z;
  const std::int32_t x2 = x1 + b.sx, y2 = y1 + b.sy, z2 = z1 + b.sz;
  const double faceX = double(b.sy) * b.sz, faceY = double(b.sx) * b.sz, faceZ = double(b.sx) * b.sy;
  double area = 0;
  area += (x1 == 0 ? faceX : 0) + (x2 == p.X ? faceX : 0);
  area += (y1 == 0 ? faceY : 0) + (y2 == p.Y ? faceY : 0);
  area += (z1 == 0 ? faceZ : 0) + (z2 == p.Z ? faceZ : 0);
  for (std::size_t i = 0; i < boxCount; ++i) {
    const Box& o = boxes[i];
    const std::int32_t ox = std::min(x2, o.x2) - std::max(x1, o.x1);
    const std::int32_t oy = std::min(y2, o.y2) - std::max(y1, o.y1);
    const std::int32_t oz = std::min(z2, o.z2) - std::max(z1, o.z1);
    if ((o.x2 == x1 || o.x1 == x2) && oy > 0 && oz > 0) area += double(oy) * oz;
    if ((o.y2 == y1 || o.y1 == y2) && ox > 0 && oz > 0) area += double(ox) * oz;
    if ((o.z2 == z1 || o.z1 == z2) && ox > 0 && oy > 0) area += double(ox) * oy;
  }
  return area;
}

bool Packer::keptByKeeper(const PackState& s, const Placed& where) const { return keeper_->allows(s, where); }

bool Packer::carried(const PackState& s, const Placed& where) const {
  return supported(s, blocks_[static_cast<std::size_t>(where.block)], where.x, where.y, where.z);
}

bool Packer::findCarried(const PackState& s, const Anchor& a, Placed& where) const {
  if (carried(s, where)) return true;
  const Block& b = blocks_[static_cast<std::size_t>(where.block)];
  const Space& sp = s.spaces[static_cast<std::size_t>(a.space)];
  for (const Top& t : s.tops) {
    if (t.y != sp.y1) continue;
    // The part of the top inside the space; the block goes into its corner nearest the
    // anchor's container corner, kept inside the space.
    const std::int32_t x1 = std::max(t.x1, sp.x1), x2 = std::min(t.x2, sp.x2);
    const std::int32_t z1 = std::max(t.z1, sp.z1), z2 = std::min(t.z2, sp.z2);
    if (x1 >= x2 || z1 >= z2) continue;
    Placed at = where;
    at.x = std::clamp(a.fromRight ? x2 - b.sx : x1, sp.x1, sp.x2 - b.sx);
    at.z = std::clamp(a.fromDoor ? z2 - b.sz : z1, sp.z1, sp.z2 - b.sz);
    if ((at.x != where.x || at.z != where.z) && carried(s, at)) {
      where = at;
      return true;
    }
  }
  return false;
}

bool Packer::fitsSpace(const PackState& s, const Anchor& a, std::int32_t bi, Placed& where) const {
  const Block& b = blocks_[static_cast<std::size_t>(bi)];
  const Space& sp = s.spaces[static_cast<std::size_t>(a.space)];
  if (b.sx > sp.x2 - sp.x1 || b.sy > sp.y2 - sp.y1 || b.sz > sp.z2 - sp.z1) return false;
  if (b.zone != s.zone) return false;
  for (int i = 0; i < b.useCount; ++i)
    if (s.remaining[static_cast<std::size_t>(b.useType[i])] < b.useCartons[i]) return false;
  if (b.weight > 0 && s.weight + b.weight > problem_.maxWeight * (1 + 1e-12)) return false;
  if (b.closedTop && sp.y2 != problem_.Y) return false;  // nothing may ever stand on it
  where.block = bi;
  where.x = a.fromRight ? sp.x2 - b.sx : sp.x1;
  where.y = sp.y1;
  where.z = a.fromDoor ? sp.z2 - b.sz : sp.z1;
  return true;
}

void Packer::place(PackState& s, const Placed& where) const {
  const Block& b = blocks_[static_cast<std::size_t>(where.block)];
  if (keeper_ != nullptr) keeper_->place(s, where);
  s.placed.push_back(where);
  s.volume += b.volume;
  s.weight += b.weight;
  for (int i = 0; i < b.useCount; ++i) s.remaining[static_cast<std::size_t>(b.useType[i])] -= b.useCartons[i];
  for (int li = 0; li < b.leafCount; ++li) {
    const Leaf& leaf = b.leaves[li];
    s.zoneLastStart = std::max(s.zoneLastStart, where.z + leaf.oz + (leaf.nz - 1) * leaf.cz);
    const std::int32_t bx = where.x + leaf.ox, by = where.y + leaf.oy, bz = where.z + leaf.oz;
    s.boxes.push_back(Box{bx, by, bz, bx + leaf.sx(), by + leaf.sy(), bz + leaf.sz()});
    if (!b.closedTop) {
      const std::int32_t x1 = where.x + leaf.ox, z1 = where.z + leaf.oz;
      s.tops.push_back(Top{where.y + leaf.oy + leaf.sy(), x1, z1, x1 + leaf.sx(), z1 + leaf.sz()});
    }
  }
  const Space box{where.x, where.y, where.z, where.x + b.sx, b.closedTop ? problem_.Y : where.y + b.sy,
                  where.z + b.sz, false};
  updateSmallest(s);
  const std::int32_t smallest = s.smallest;
  // The spaces the box overlaps are cut up: each leaves the pieces beside the box's six
  // faces. The others keep their order at the front; those cut go behind them all, and
  // their pieces after them, face by face, so that those against one face, the only ones
  // that may hold each other, lie together.
  const std::size_t n = s.spaces.size();
  std::size_t kept = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Space sp = s.spaces[i];
    if (box.x1 < sp.x2 && sp.x1 < box.x2 && box.y1 < sp.y2 && sp.y1 < box.y2 && box.z1 < sp.z2 &&
        sp.z1 < box.z2)
      s.spaces.push_back(sp);
    else
      s.spaces[kept++] = sp;
  }
  const std::size_t cutEnd = s.spaces.size();
  // The room above the box last, so that the rooms it joins with (below) extend its group.
  constexpr int kFaceOrder[6] = {0, 1, 2, 4, 5, 3};
  FaceGroups groups;
  for (const int face : kFaceOrder) {
    groups.begin[face] = s.spaces.size();
    for (std::size_t i = n; i < cutEnd; ++i) {
      const Space sp = s.spaces[i];
      Space piece = sp;
      switch (face) {
        case 0: piece.x2 = box.x1; break;
        case 1: piece.x1 = box.x2; break;
        case 2: piece.y2 = box.y1; break;
        case 3:
          piece.y1 = box.y2;
          if (problem_.supportPercent >= 100) {
            // Where cartons must be carried in full, the room above the block is what it
            // can carry. (A partly carried carton may bridge a gap, so then the room stays
            // whole.)
            piece.x1 = std::max(sp.x1, box.x1);
            piece.x2 = std::min(sp.x2, box.x2);
            piece.z1 = std::max(sp.z1, box.z1);
            piece.z2 = std::min(sp.z2, box.z2);
          }
          break;
        case 4: piece.z2 = box.z1; break;
        default: piece.z1 = box.z2; break;
      }
      if (piece.x2 - piece.x1 >= smallest && piece.y2 - piece.y1 >= smallest &&
          piece.z2 - piece.z1 >= smallest)
        s.spaces.push_back(piece);
    }
    groups.end[face] = s.spaces.size();
  }
  if (problem_.supportPercent >= 100) {
    joinRoomsAbove(s, kept, groups.begin[3], smallest);
    groups.end[3] = s.spaces.size();
    // The older rooms a joined one holds go.
    std::size_t left = 0;
    for (std::size_t i = 0; i < kept; ++i)
      if (!s.spaces[i].heldByJoin) s.spaces[left++] = s.spaces[i];
    kept = left;
  }
  // The new pieces right after the spaces kept.
  const std::size_t shift = cutEnd - kept;
  for (std::size_t i = cutEnd; i < s.spaces.size(); ++i) s.spaces[i - shift] = s.spaces[i];
  s.spaces.resize(s.spaces.size() - shift);
  for (int face = 0; face < 6; ++face) {
    groups.begin[face] -= shift;
    groups.end[face] -= shift;
  }
  removeContained(s.spaces, kept, groups, box);
  // The older spaces all stay, in front of the new ones.
  for (std::size_t i = kept; i < s.spaces.size(); ++i) rank(s.spaces[i], s.zone);
}

}  // namespace maxload
