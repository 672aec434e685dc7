#pragma once
// A table of layer-search branches that recorded nothing.
//
// The layer search (plans of up to three types) keeps the plan with the most sets, then
// the fewest blocks. What a branch does below its free box follows from that box, the
// cartons each type has left, the blocks each type has laid, the lying-stack bar and the
// slabs just laid along the same axis (the search lays no type and orientation twice in a
// row along one axis), together with the best plan so far. While the best plan stays as it
// is, a branch that recorded nothing records nothing when another order of slabs leads to
// it again, and the search may skip it. Every plan recorded forgets the table.
//
// The table is lossy (a new entry replaces an old one) but never wrong: an entry holds its
// whole key. The storage is sized once, before any search; nothing is allocated while it
// is used.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

class FruitlessBranches {
 public:
  static constexpr std::uint32_t kMaxTypes = 3;

  // The key of one branch.
  struct Key {
    double x = 0, y = 0, z = 0;                     // the free box
    std::array<std::int64_t, kMaxTypes> remaining{};  // cartons left per type
    // Blocks laid per type (8 bits each), the lying-stack bar, the axis of the slabs just
    // laid plus one (0 at the top) and which type and orientation each of them is.
    std::uint64_t laid = 0;

    bool operator==(const Key&) const = default;
  };

  // Sizes the table; a table never reserved knows nothing and remembers nothing.
  void reserve();
  // Forgets every entry (the best plan changed, or a new run begins).
  void clear() { ++generation_; }
  bool knownFruitless(const Key& key) const;
  void rememberFruitless(const Key& key);

 private:
  struct Entry {
    Key key;
    std::uint64_t generation = 0;  // live when equal to the table's
  };
  struct FreeMemory {
    void operator()(Entry* entries) const { std::free(entries); }
  };
  static constexpr std::size_t kSlots = std::size_t{1} << 14;

  static std::size_t slotOf(const Key& key);

  std::uint64_t generation_ = 1;
  // calloc'd: the zero pages cost nothing until a run touches them, and a zero generation
  // is never live.
  std::unique_ptr<Entry[], FreeMemory> entries_;
};
