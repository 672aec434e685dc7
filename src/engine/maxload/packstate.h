#pragma once
// A partial load: the free space as maximal empty boxes, the tops that can carry cartons,
// the blocks placed, the cartons left per type, and the zone being loaded.

#include <cstdint>
#include <vector>

#include "engine/maxload/blocks.h"
#include "engine/maxload/rulestate.h"

namespace maxload {

struct Space {
  std::int32_t x1, y1, z1, x2, y2, z2;
  bool dead;  // nothing of the current zone fits here
  // The container corner the space is filled from and how near it lies: its distances to
  // that corner along x, y and z, sorted, packed 21 bits each; lower is filled first.
  bool fromRight = false, fromDoor = false;
  bool heldByJoin = false;  // while a placement cuts the spaces: a joined room holds it
  std::uint64_t nearness = 0;
  std::int64_t volume() const { return std::int64_t(x2 - x1) * (y2 - y1) * (z2 - z1); }
};

// The top face of a simple block that others may stand on.
struct Top {
  std::int32_t y, x1, z1, x2, z2;
};

// A loaded simple block's gross box.
struct Box {
  std::int32_t x1, y1, z1, x2, y2, z2;
};

struct Placed {
  std::int32_t block;
  std::int32_t x, y, z;
};

// Where the next block goes: a space and the container corner it grows from.
struct Anchor {
  std::int32_t space = -1;
  bool fromRight = false;  // x corner at the container's far side
  bool fromDoor = false;   // z corner at the door
};

struct PackState {
  std::vector<Space> spaces;
  std::vector<Top> tops;
  std::vector<Box> boxes;
  std::vector<Placed> placed;
  std::vector<std::int32_t> remaining;
  std::int32_t smallest = 0;  // the smallest gross extent of any carton left
  double volume = 0, weight = 0;
  std::int32_t zone = 0;        // the zone being loaded
  std::int32_t zoneFloor = 0;   // cartons of this zone start at or beyond it
  std::int32_t zoneLastStart = 0;  // largest start along z of this zone's cartons so far
  bool finished = false;
  RuleState rules;  // what the cargo rules need to know of the load; empty without them

  void reserve(std::size_t spaceCount, std::size_t blockCount);
};

// The parts of the blocks the scan for candidates reads first, one array each, so that
// the sizes of many blocks compare at once.
struct BlockKeys {
  std::vector<std::int32_t> sx, sy, sz, zone;
  std::vector<double> volume;
};

// Where the new spaces of a placement lie, by the face of the placed box they lie against
// (0/1 low/high x, 2/3 y, 4/5 z): [begin, end).
struct FaceGroups {
  std::size_t begin[6] = {}, end[6] = {};
};

// What every search step reads and never changes.
class Packer {
 public:
  // keeper: the cargo rules to keep, or null where the input sets none.
  Packer(const Problem& problem, const std::vector<Block>& blocks, const RuleKeeper* keeper = nullptr);

  // The empty container, its first zone entered.
  void start(PackState& s) const;
  // The next anchor; advances through the zones when the current one has no room left.
  // False when the load is complete.
  bool nextAnchor(PackState& s, Anchor& anchor) const;
  // Where block b goes at the anchor, if it may go there by size, counts, weight, zone and
  // lying rule; support is not looked at.
  bool fitsSpace(const PackState& s, const Anchor& a, std::int32_t b, Placed& where) const;
  // Whether what lies below carries a block placed there enough.
  bool carried(const PackState& s, const Placed& where) const;
  // Where's block placed at the anchor, or failing that against the corner of a top it
  // may stand on inside the same space, so that it is carried. False when neither is.
  bool findCarried(const PackState& s, const Anchor& a, Placed& where) const;
  // The area of the faces of a block placed there that touch the container's walls or
  // the given boxes (those of the loaded cartons near it).
  double contactArea(const Placed& where, const Box* boxes, std::size_t boxCount) const;
  // Sets the smallest gross extent of any carton left.
  void updateSmallest(PackState& s) const;
  void place(PackState& s, const Placed& where) const;
  // Whether a block placed there keeps the cargo rules (always without them).
  bool keepsRules(const PackState& s, const Placed& where) const {
    return keeper_ == nullptr || keptByKeeper(s, where);
  }
  // Marks the anchor's space as holding nothing of the current zone.
  void markDead(PackState& s, const Anchor& a) const;

  const Problem& problem() const { return problem_; }
  const std::vector<Block>& blocks() const { return blocks_; }
  const BlockKeys& keys() const { return keys_; }
  const RuleKeeper* keeper() const { return keeper_; }

 private:
  bool keptByKeeper(const PackState& s, const Placed& where) const;
  bool supported(const PackState& s, const Block& b, std::int32_t x, std::int32_t y,
                 std::int32_t z) const;
  void enterZone(PackState& s, std::int32_t zone) const;
  // Sets the space's corner and nearness for the zone being loaded.
  void rank(Space& space, std::int32_t zone) const;
  // After a placement: drops the new spaces that lie inside another space. The new ones,
  // from firstNew on, follow the older ones (none of which lies inside another), grouped
  // by the face of the box cut out that they lie against.
  void removeContained(std::vector<Space>& spaces, std::size_t firstNew, const FaceGroups& groups,
                       const Space& cut) const;
  // Adds the rooms that join a new room above the block (from firstRoom on) with an older
  // room (before oldCount) on tops of the same height, in full support; marks the older
  // rooms they hold.
  void joinRoomsAbove(PackState& s, std::size_t oldCount, std::size_t firstRoom,
                      std::int32_t smallest) const;
  // Drops the spaces in [from, to) that lie inside another of them; marks them only.
  void removeContainedAmong(std::vector<Space>& spaces, std::size_t from, std::size_t to) const;

  const Problem& problem_;
  const std::vector<Block>& blocks_;
  const RuleKeeper* keeper_;
  std::int32_t zoneCount_;
  std::vector<bool> laterZoneLoaded_;
  BlockKeys keys_;
};

}  // namespace maxload
