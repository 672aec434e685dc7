#pragma once
// A table of whole-slab branches known to fail.
//
// The whole-slab search lays each type in one slab and stops at its first plan, so a
// branch that failed once fails whenever the search meets the same branch again: the same
// free box, the same types still to place (each either untouched or done), the same number
// of slabs laid and the same lying-stack bar. Different orders of the same slabs lead to
// such a branch again and again; the table lets the search skip them. It is lossy (a new
// entry may replace an old one) but never wrong: an entry holds its whole key.
//
// The storage is sized once, before any search; nothing is allocated while it is used.

#include <cstddef>
#include <cstdint>
#include <vector>

struct PPCube;

class FailedBranches {
 public:
  // Sizes the table for plans of typeCount types.
  void reserve(std::uint32_t typeCount);
  // Forgets every entry (a new set count to probe changes what "untouched" means).
  void clear();

  // The key of a branch under search: set with begin, then markDone for each type done.
  void begin(const PPCube& box, std::uint32_t slabsLaid, bool lyingBarred);
  void markDone(std::uint32_t type) { key_[kFixedWords + type / 64] |= std::uint64_t{1} << (type % 64); }

  // Whether the branch of the current key is known to fail.
  bool knownToFail() const;
  // Remembers that the branch of the current key failed.
  void rememberFailure();

 private:
  static constexpr std::size_t kFixedWords = 4;  // the box's three extents, slabs and bar

  std::size_t slotOfKey() const;
  const std::uint64_t* entry(std::size_t slot) const { return &entries_[slot * (key_.size() + 1)]; }
  std::uint64_t* entry(std::size_t slot) { return &entries_[slot * (key_.size() + 1)]; }

  std::size_t slots_ = 0;  // a power of two
  std::uint64_t generation_ = 1;
  std::vector<std::uint64_t> key_;
  // Per slot: the generation it was written in, then its key.
  std::vector<std::uint64_t> entries_;
};
