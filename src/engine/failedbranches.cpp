#include "engine/failedbranches.h"

#include <algorithm>
#include <bit>

#include "engine/containerplan.h"

void FailedBranches::reserve(std::uint32_t typeCount) {
  // Few types meet few distinct branches; many types need room for many.
  const std::uint32_t exponent = std::clamp<std::uint32_t>(typeCount + 4, 8, 14);
  slots_ = std::size_t{1} << exponent;
  key_.assign(kFixedWords + (typeCount + 63) / 64, 0);
  entries_.assign(slots_ * kWays * entryWords(), 0);
  generation_ = 1;
}

void FailedBranches::clear(bool coverIsSafe) {
  ++generation_;
  covers_ = coverIsSafe;
  sets_ = 1;
}

void FailedBranches::setSets(std::int64_t sets) {
  if (!covers_) ++generation_;
  sets_ = sets;
}

void FailedBranches::begin(const PPCube& box, std::uint32_t slabsLaid, bool lyingBarred) {
  std::fill(key_.begin(), key_.end(), 0);
  key_[0] = slabsLaid;
  branch_ = {box.extentX, box.extentY, box.extentZ, lyingBarred};
}

std::size_t FailedBranches::slotOfKey() const {
  std::uint64_t h = 0x9e3779b97f4a7c15ull;
  const auto mix = [&h](std::uint64_t word) {
    h ^= word + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
  };
  for (std::uint64_t word : key_) mix(word);
  // Only an equal box settles a branch when failures do not cover smaller boxes, so the box
  // spreads the entries; otherwise every box of a key is looked up in one slot.
  if (!covers_) {
    mix(std::bit_cast<std::uint64_t>(branch_.x));
    mix(std::bit_cast<std::uint64_t>(branch_.y));
    mix(std::bit_cast<std::uint64_t>(branch_.z));
  }
  return static_cast<std::size_t>(h) & (slots_ - 1);
}

bool FailedBranches::isLive(const std::uint64_t* e) const {
  if (e[0] != generation_) return false;
  // Keys are a few words: compared in place.
  for (std::size_t i = 0; i < key_.size(); ++i) {
    if (e[kHeaderWords + i] != key_[i]) return false;
  }
  return true;
}

bool FailedBranches::settles(const std::uint64_t* e) const {
  const auto sets = static_cast<std::int64_t>(e[1]);
  const bool barred = e[2] != 0;
  const double x = std::bit_cast<double>(e[3]), y = std::bit_cast<double>(e[4]),
               z = std::bit_cast<double>(e[5]);
  if (!covers_) {
    return sets == sets_ && barred == branch_.lyingBarred && x == branch_.x && y == branch_.y &&
           z == branch_.z;
  }
  return sets <= sets_ && (!barred || branch_.lyingBarred) && x >= branch_.x && y >= branch_.y &&
         z >= branch_.z;
}

bool FailedBranches::knownToFail() const {
  if (slots_ == 0) return false;
  const std::size_t slot = slotOfKey();
  for (std::size_t way = 0; way < kWays; ++way) {
    const std::uint64_t* e = entry(slot, way);
    if (isLive(e) && settles(e)) return true;
  }
  return false;
}

void FailedBranches::rememberFailure() {
  if (slots_ == 0) return;
  const std::size_t slot = slotOfKey();
  // A free way first, else one whose failure the new one covers, else the first way after
  // moving the others down (the oldest entry goes).
  std::size_t target = kWays;
  for (std::size_t way = 0; way < kWays && target == kWays; ++way) {
    const std::uint64_t* e = entry(slot, way);
    // A failure of more sets than are searched now settles nothing again: the set counts
    // searched after a failure are all smaller.
    if (e[0] != generation_ || static_cast<std::int64_t>(e[1]) > sets_) target = way;
  }
  for (std::size_t way = 0; way < kWays && target == kWays; ++way) {
    const std::uint64_t* e = entry(slot, way);
    if (!isLive(e)) continue;
    const bool covered = covers_ && static_cast<std::int64_t>(e[1]) >= sets_ &&
                         (e[2] != 0 || !branch_.lyingBarred) &&
                         std::bit_cast<double>(e[3]) <= branch_.x &&
                         std::bit_cast<double>(e[4]) <= branch_.y &&
                         std::bit_cast<double>(e[5]) <= branch_.z;
    if (covered) target = way;
  }
  if (target == kWays) {
    std::copy_backward(entry(slot, 0), entry(slot, kWays - 1), entry(slot, kWays - 1) + entryWords());
    target = 0;
  }
  std::uint64_t* e = entry(slot, target);
  e[0] = generation_;
  e[1] = static_cast<std::uint64_t>(sets_);
  e[2] = branch_.lyingBarred ? 1 : 0;
  e[3] = std::bit_cast<std::uint64_t>(branch_.x);
  e[4] = std::bit_cast<std::uint64_t>(branch_.y);
  e[5] = std::bit_cast<std::uint64_t>(branch_.z);
  std::copy(key_.begin(), key_.end(), e + kHeaderWords);
}
