#include "engine/fruitlessbranches.h"

#include <bit>
#include <new>
#include <type_traits>

static_assert(std::is_trivially_copyable_v<FruitlessBranches::Key>);

void FruitlessBranches::reserve() {
  if (entries_) return;
  auto* memory = static_cast<Entry*>(std::calloc(kSlots, sizeof(Entry)));
  if (memory == nullptr) throw std::bad_alloc();
  entries_.reset(memory);
}

std::size_t FruitlessBranches::slotOf(const Key& key) {
  std::uint64_t h = 0x9e3779b97f4a7c15ull;
  const auto mix = [&h](std::uint64_t word) {
    h ^= word + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
  };
  mix(std::bit_cast<std::uint64_t>(key.x));
  mix(std::bit_cast<std::uint64_t>(key.y));
  mix(std::bit_cast<std::uint64_t>(key.z));
  for (std::int64_t r : key.remaining) mix(static_cast<std::uint64_t>(r));
  mix(key.laid);
  return static_cast<std::size_t>(h) & (kSlots - 1);
}

bool FruitlessBranches::knownFruitless(const Key& key) const {
  if (!entries_) return false;
  const Entry& e = entries_[slotOf(key)];
  return e.generation == generation_ && e.key == key;
}

void FruitlessBranches::rememberFruitless(const Key& key) {
  if (!entries_) return;
  Entry& e = entries_[slotOf(key)];
  e.key = key;
  e.generation = generation_;
}
