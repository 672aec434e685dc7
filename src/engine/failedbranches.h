#pragma once
// A table of whole-slab branches known to fail.
//
// The whole-slab search lays each type in one slab and stops at its first plan, so a
// branch that failed once fails whenever the search meets the same branch again: the same
// free box, the same types still to place (each either untouched or done), the same number
// of slabs laid and the same lying-stack bar. Different orders of the same slabs lead to
// such a branch again and again; the table lets the search skip them.
//
// When the two horizontal gaps are equal, a failure also covers every smaller box, every
// larger set count and a raised bar. A plan in a box turned a quarter about the vertical
// is the mirror image of a plan in the box itself, so skipping cuts along x in a box as
// wide as long (the search does) removes no plan that the mirrored cuts along z do not
// keep. Without that skip, whatever plan fits a smaller box, more sets or a raised bar
// fits the larger box, fewer sets and no bar with the same slabs in the same order: each
// slab there holds as many cartons per layer, needs no more layers and leaves more room.
//
// The table is lossy (a new entry may replace an old one) but never wrong: an entry holds
// its whole key. The storage is sized once, before any search; nothing is allocated while
// it is used.

#include <cstddef>
#include <cstdint>
#include <vector>

struct PPCube;

class FailedBranches {
 public:
  // Sizes the table for plans of typeCount types.
  void reserve(std::uint32_t typeCount);
  // Forgets every entry; failures then cover larger boxes and set counts only when
  // coverIsSafe (the horizontal gaps are equal).
  void clear(bool coverIsSafe);
  // The set count of the searches that follow. Failures of fewer sets stay known when they
  // cover; otherwise the table is cleared.
  void setSets(std::int64_t sets);

  // The key of a branch under search: set with begin, then markDone for each type done.
  void begin(const PPCube& box, std::uint32_t slabsLaid, bool lyingBarred);
  void markDone(std::uint32_t type) { key_[kFixedWords + type / 64] |= std::uint64_t{1} << (type % 64); }

  // Whether the branch of the current key is known to fail.
  bool knownToFail() const;
  // Remembers that the branch of the current key failed.
  void rememberFailure();

 private:
  static constexpr std::size_t kFixedWords = 1;  // the slabs laid
  static constexpr std::size_t kWays = 4;        // entries per slot
  // Per entry, before its key: generation, sets, bar, and the box's three extents.
  static constexpr std::size_t kHeaderWords = 6;

  struct Branch {
    double x = 0, y = 0, z = 0;
    bool lyingBarred = false;
  };

  std::size_t slotOfKey() const;
  std::size_t entryWords() const { return kHeaderWords + key_.size(); }
  const std::uint64_t* entry(std::size_t slot, std::size_t way) const {
    return &entries_[(slot * kWays + way) * entryWords()];
  }
  std::uint64_t* entry(std::size_t slot, std::size_t way) {
    return &entries_[(slot * kWays + way) * entryWords()];
  }
  bool isLive(const std::uint64_t* e) const;
  // Whether the failure in e settles the branch of the current key.
  bool settles(const std::uint64_t* e) const;

  std::size_t slots_ = 0;  // a power of two
  std::uint64_t generation_ = 1;
  bool covers_ = false;
  std::int64_t sets_ = 1;
  Branch branch_;
  std::vector<std::uint64_t> key_;
  std::vector<std::uint64_t> entries_;
};
