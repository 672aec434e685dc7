#include "engine/maxload/search.h"

#include <algorithm>
#include <numeric>

namespace maxload {
namespace {

// Room reserved in every partial load; a load that needs more grows once and keeps it.
constexpr std::size_t kSpaceReserve = 256;
constexpr std::size_t kBlockReserve = 128;
constexpr std::int32_t kWidestBeam = 1 << 12;

}  // namespace

Search::Search(const Packer& packer, const SearchSettings& settings)
    : packer_(packer), settings_(settings) {
  const Problem& p = packer.problem();
  containerVolume_ = std::max(1.0, double(p.X) * p.Y * p.Z);
  best_.reserve(kSpaceReserve, kBlockReserve);
  work_.reserve(kSpaceReserve, kBlockReserve);
  packer_.start(best_);
  choice_.resize(static_cast<std::size_t>(std::max(1, settings_.branching)));
  scored_.reserve(packer.blocks().size());
}

bool Search::stop() {
  if (stopped_) return true;
  if (settings_.cancel != nullptr && settings_.cancel->load(std::memory_order_relaxed)) {
    cancelled_ = stopped_ = true;
  } else if (settings_.effortBudget > 0 && effort_ >= settings_.effortBudget) {
    stopped_ = true;
  } else if (settings_.everythingLoadedAt != nullptr &&
             effort_ > settings_.everythingLoadedAt->load(std::memory_order_relaxed)) {
    stopped_ = true;
  } else if (settings_.hasDeadline && ++sinceClock_ >= 16) {
    sinceClock_ = 0;
    if (std::chrono::steady_clock::now() >= settings_.deadline) timedOut_ = stopped_ = true;
  }
  return stopped_;
}

bool Search::allLoaded() const {
  for (const std::int32_t left : best_.remaining)
    if (left > 0) return false;
  return true;
}

void Search::consider(const PackState& s) {
  if (s.volume <= best_.volume && !(best_.placed.empty() && !s.placed.empty())) return;
  best_ = s;
  if (loadedEverythingAt_ == 0 && allLoaded()) {
    loadedEverythingAt_ = std::max<std::uint64_t>(effort_, 1);
    if (settings_.everythingLoadedAt != nullptr) {
      std::uint64_t seen = settings_.everythingLoadedAt->load(std::memory_order_relaxed);
      while (loadedEverythingAt_ < seen &&
             !settings_.everythingLoadedAt->compare_exchange_weak(seen, loadedEverythingAt_,
                                                                 std::memory_order_relaxed)) {
      }
    }
    stopped_ = true;
  }
  if (settings_.bestFill != nullptr) {
    // Several threads report; keep the largest.
    const double fill = s.volume / containerVolume_;
    double seen = settings_.bestFill->load(std::memory_order_relaxed);
    while (fill > seen && !settings_.bestFill->compare_exchange_weak(seen, fill, std::memory_order_relaxed)) {
    }
  }
}

std::int32_t Search::candidates(const PackState& s, const Anchor& a, std::int32_t k,
                                Placed* out) {
  const auto& blocks = packer_.blocks();
  const Space& sp = s.spaces[static_cast<std::size_t>(a.space)];
  const std::int32_t smallest = packer_.smallestLeft(s);
  scored_.clear();
  Placed where{};
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    if (!packer_.fitsSpace(s, a, static_cast<std::int32_t>(b), where)) continue;
    const Block& block = blocks[b];
    // A gap left beside the block that no carton fills is lost with it.
    const std::int32_t ex = sp.x2 - sp.x1 - block.sx < smallest ? sp.x2 - sp.x1 : block.sx;
    const std::int32_t ey = sp.y2 - sp.y1 - block.sy < smallest ? sp.y2 - sp.y1 : block.sy;
    const std::int32_t ez = sp.z2 - sp.z1 - block.sz < smallest ? sp.z2 - sp.z1 : block.sz;
    const double lost = double(ex) * ey * ez - block.grossVolume;
    scored_.push_back(Scored{block.volume - lost, static_cast<std::int32_t>(b), where});
  }
  std::stable_sort(scored_.begin(), scored_.end(),
                   [](const Scored& x, const Scored& y) { return x.score > y.score; });
  std::int32_t found = 0;
  for (const Scored& c : scored_) {
    if (found >= k) break;
    // Blocks of the same size as one already chosen add little to the choice.
    bool sameSize = false;
    const Block& block = blocks[static_cast<std::size_t>(c.block)];
    for (std::int32_t i = 0; i < found && !sameSize; ++i) {
      const Block& other = blocks[static_cast<std::size_t>(out[i].block)];
      sameSize = other.sx == block.sx && other.sy == block.sy && other.sz == block.sz;
    }
    if (!sameSize && packer_.carried(s, c.where)) out[found++] = c.where;
  }
  return found;
}

void Search::greedy(PackState& s) {
  Anchor a;
  Placed p{};
  while (!stop()) {
    if (!packer_.nextAnchor(s, settings_.innerEndOnly, a)) break;
    ++effort_;
    if (candidates(s, a, 1, &p) == 1) {
      packer_.place(s, p);
    } else {
      packer_.markDead(s, a);
    }
  }
  consider(s);
}

void Search::beam(std::int32_t width) {
  const std::size_t k = static_cast<std::size_t>(std::max(1, std::min(settings_.branching, width)));
  const std::size_t w = static_cast<std::size_t>(width);
  // The pools grow with the beam and are reused by every later level and width.
  const auto grow = [](std::vector<PackState>& pool, std::size_t size) {
    while (pool.size() < size) {
      pool.emplace_back();
      pool.back().reserve(kSpaceReserve, kBlockReserve);
    }
  };
  grow(beam_, 1);
  packer_.start(beam_[0]);
  std::size_t beamCount = 1;
  while (beamCount > 0 && !stop()) {
    std::size_t childCount = 0;
    for (std::size_t i = 0; i < beamCount && !stop(); ++i) {
      PackState& parent = beam_[i];
      Anchor a;
      std::int32_t n = 0;
      while (packer_.nextAnchor(parent, settings_.innerEndOnly, a)) {
        ++effort_;
        n = candidates(parent, a, static_cast<std::int32_t>(k), choice_.data());
        if (n > 0) break;
        packer_.markDead(parent, a);
      }
      if (n == 0) {
        consider(parent);
        continue;
      }
      for (std::int32_t c = 0; c < n && !stop(); ++c) {
        grow(children_, childCount + 1);
        if (childValue_.size() <= childCount) {
          childValue_.resize(childCount + 1);
          order_.resize(childCount + 1);
        }
        PackState& child = children_[childCount];
        child = parent;
        packer_.place(child, choice_[static_cast<std::size_t>(c)]);
        work_ = child;
        greedy(work_);
        childValue_[childCount] = work_.volume;
        ++childCount;
      }
    }
    if (stopped_) break;
    std::iota(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(childCount), 0);
    std::stable_sort(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(childCount),
                     [&](std::int32_t a, std::int32_t b) {
                       return childValue_[static_cast<std::size_t>(a)] > childValue_[static_cast<std::size_t>(b)];
                     });
    beamCount = std::min(childCount, w);
    grow(beam_, beamCount);
    for (std::size_t i = 0; i < beamCount; ++i) std::swap(beam_[i], children_[static_cast<std::size_t>(order_[i])]);
  }
}

void Search::run() {
  work_.reserve(kSpaceReserve, kBlockReserve);
  packer_.start(work_);
  greedy(work_);
  for (std::int32_t width = std::max(1, settings_.firstWidth); !stop() && !allLoaded();
       width *= 2) {
    beam(width);
    if (width >= kWidestBeam) break;
  }
}

}  // namespace maxload
