#include "engine/failedbranches.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "engine/containerplan.h"

namespace {

std::uint64_t bitsOf(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

void FailedBranches::reserve(std::uint32_t typeCount) {
  // Few types meet few distinct branches; many types need room for many.
  const std::uint32_t exponent = std::clamp<std::uint32_t>(typeCount + 4, 8, 16);
  slots_ = std::size_t{1} << exponent;
  key_.assign(kFixedWords + (typeCount + 63) / 64, 0);
  entries_.assign(slots_ * (key_.size() + 1), 0);
  generation_ = 1;
}

void FailedBranches::clear() { ++generation_; }

void FailedBranches::begin(const PPCube& box, std::uint32_t slabsLaid, bool lyingBarred) {
  std::fill(key_.begin(), key_.end(), 0);
  key_[0] = bitsOf(box.extentX);
  key_[1] = bitsOf(box.extentY);
  key_[2] = bitsOf(box.extentZ);
  key_[3] = (static_cast<std::uint64_t>(slabsLaid) << 1) | (lyingBarred ? 1 : 0);
}

std::size_t FailedBranches::slotOfKey() const {
  std::uint64_t h = 0x9e3779b97f4a7c15ull;
  for (std::uint64_t word : key_) {
    h ^= word + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
  }
  return static_cast<std::size_t>(h) & (slots_ - 1);
}

bool FailedBranches::knownToFail() const {
  if (slots_ == 0) return false;
  const std::uint64_t* e = entry(slotOfKey());
  return e[0] == generation_ && std::equal(key_.begin(), key_.end(), e + 1);
}

void FailedBranches::rememberFailure() {
  if (slots_ == 0) return;
  std::uint64_t* e = entry(slotOfKey());
  e[0] = generation_;
  std::copy(key_.begin(), key_.end(), e + 1);
}
