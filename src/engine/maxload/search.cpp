#include "engine/maxload/search.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <numeric>

#include "engine/maxload/rulekeeper.h"

namespace maxload {
namespace {

// Room reserved in every partial load; a load that needs more grows once and keeps it.
constexpr std::size_t kSpaceReserve = 128;
constexpr std::size_t kBlockReserve = 64;
constexpr std::int32_t kWidestBeam = 1 << 12;
constexpr std::int32_t kMostChildren = 1 << 13;

}  // namespace

Search::Search(const Packer& packer, const SearchSettings& settings)
    : packer_(packer), settings_(settings) {
  const Problem& p = packer.problem();
  containerVolume_ = std::max(1.0, double(p.X) * p.Y * p.Z);
  best_.reserve(kSpaceReserve, kBlockReserve);
  work_.reserve(kSpaceReserve, kBlockReserve);
  packer_.start(best_);
  settings_.branching = std::clamp(settings_.branching, 1, kMaxBranching);
  settings_.contactRerank = std::clamp(settings_.contactRerank, 0, kMaxBranching);
  choice_.resize(static_cast<std::size_t>(kMaxBranching));
  near_.reserve(kBlockReserve * kMaxLeaves);
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

bool Search::betterBalanced(const PackState& s) const {
  // Of two loads of equal volume, the one whose centre of gravity lies nearer the middle.
  const RuleKeeper* keeper = packer_.keeper();
  return keeper != nullptr && keeper->settles() && s.volume == best_.volume && !s.placed.empty() &&
         keeper->imbalance(s) < keeper->imbalance(best_);
}

bool Search::allLoaded() const {
  for (const std::int32_t left : best_.remaining)
    if (left > 0) return false;
  return true;
}

bool Search::unbeatable() const { return allLoaded() || best_.volume >= containerVolume_; }

double Search::consider(const PackState& s) {
  const RuleKeeper* keeper = packer_.keeper();
  if (keeper == nullptr || !keeper->settles()) {
    takeIfBetter(s);
    return s.volume;
  }
  // A load that breaks the balance is judged by what settling it leaves.
  settled_ = s;
  keeper->settle(settled_);
  takeIfBetter(settled_);
  return settled_.volume;
}

void Search::takeIfBetter(const PackState& s) {
  if (s.volume <= best_.volume && !(best_.placed.empty() && !s.placed.empty()) && !betterBalanced(s)) return;
  best_ = s;
  if (loadedEverythingAt_ == 0 && unbeatable()) {
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
  const std::int32_t wanted = k;
  k = std::max(k, settings_.contactRerank);
  const auto& blocks = packer_.blocks();
  const Space& sp = s.spaces[static_cast<std::size_t>(a.space)];
  const std::int32_t smallest = s.smallest;
  const std::int32_t spaceX = sp.x2 - sp.x1, spaceY = sp.y2 - sp.y1, spaceZ = sp.z2 - sp.z1;
  // The k best by score, best first. A block's score never exceeds its volume, and the
  // blocks come largest first, so the scan ends once no later block can enter.
  std::int32_t found = 0;
  double score[kMaxBranching];
  Placed where{};
  const BlockKeys& keys = packer_.keys();
  // Takes block b, whose size fits the space, if it is among the k best; false once no
  // later block can be.
  const auto offer = [&](std::size_t b) {
    if (found == k && keys.volume[b] <= score[k - 1]) return false;
    if (!packer_.fitsSpace(s, a, static_cast<std::int32_t>(b), where)) return true;
    const Block& block = blocks[b];
    // A gap left beside the block that no carton fills is lost with it, and so is the room
    // above cartons that are not stackable.
    const bool closedAbove = block.closedTop && !block.lying;
    const std::int32_t ex = spaceX - block.sx < smallest ? spaceX : block.sx;
    const std::int32_t ey = closedAbove || spaceY - block.sy < smallest ? spaceY : block.sy;
    const std::int32_t ez = spaceZ - block.sz < smallest ? spaceZ : block.sz;
    const double lost = double(ex) * ey * ez - block.grossVolume;
    const double value = block.volume - lost;
    if (found == k && value <= score[k - 1]) return true;
    // Blocks of the same size as one already chosen add little to the choice.
    std::int32_t same = -1;
    for (std::int32_t i = 0; i < found && same < 0; ++i) {
      const Block& other = blocks[static_cast<std::size_t>(out[i].block)];
      if (other.sx == block.sx && other.sy == block.sy && other.sz == block.sz) same = i;
    }
    if (same >= 0 && value <= score[same]) return true;
    if (!packer_.findCarried(s, a, where)) return true;
    if (!packer_.keepsRules(s, where)) return true;
    std::int32_t at = same >= 0 ? same : (found < k ? found++ : k - 1);
    while (at > 0 && score[at - 1] < value) {
      score[at] = score[at - 1];
      out[at] = out[at - 1];
      --at;
    }
    score[at] = value;
    out[at] = where;
    return true;
  };
  // Nothing larger than the space fits in it.
  const double spaceVolume = double(spaceX) * spaceY * spaceZ;
  const std::size_t count = keys.volume.size();
  const std::size_t first = static_cast<std::size_t>(
      std::partition_point(keys.volume.begin(), keys.volume.end(),
                           [&](double volume) { return volume > spaceVolume; }) -
      keys.volume.begin());
  // 64 blocks at a time: one byte each, 1 where its size and zone fit (a loop the compiler
  // turns into vector compares), then the blocks of the bytes set, eight bytes at a time.
  alignas(8) std::uint8_t fits[64];
  bool more = true;
  for (std::size_t chunk = first; chunk < count && more; chunk += 64) {
    if (found == k && keys.volume[chunk] <= score[k - 1]) break;
    const std::size_t n = std::min<std::size_t>(count - chunk, 64);
    const std::int32_t* sx = keys.sx.data() + chunk;
    const std::int32_t* sy = keys.sy.data() + chunk;
    const std::int32_t* sz = keys.sz.data() + chunk;
    const std::int32_t* zone = keys.zone.data() + chunk;
    for (std::size_t i = 0; i < n; ++i)
      fits[i] = static_cast<std::uint8_t>((sx[i] <= spaceX) & (sy[i] <= spaceY) &
                                          (sz[i] <= spaceZ) & (zone[i] == s.zone));
    std::fill(fits + n, fits + 64, std::uint8_t{0});
    for (std::size_t word = 0; word < n && more; word += 8) {
      std::uint64_t any;
      std::memcpy(&any, fits + word, sizeof any);
      for (std::size_t i = word; any != 0 && i < word + 8 && more; ++i)
        if (fits[i] != 0) more = offer(chunk + i);
    }
  }
  // The first few judged again with their contact, best first.
  const std::int32_t judged = std::min(found, settings_.contactRerank);
  if (judged > 1 && settings_.contactWeight > 0) {
    // Only loaded cartons touching the space can touch a block inside it.
    near_.clear();
    for (const Box& o : s.boxes)
      if (o.x1 <= sp.x2 && sp.x1 <= o.x2 && o.y1 <= sp.y2 && sp.y1 <= o.y2 && o.z1 <= sp.z2 &&
          sp.z1 <= o.z2)
        near_.push_back(o);
    for (std::int32_t i = 0; i < judged; ++i) {
      const Block& block = blocks[static_cast<std::size_t>(out[i].block)];
      const double surface =
          2.0 * (double(block.sx) * block.sy + double(block.sy) * block.sz + double(block.sx) * block.sz);
      const double share = packer_.contactArea(out[i], near_.data(), near_.size()) / surface;
      score[i] = std::max(score[i], 0.0) * std::pow(share, settings_.contactWeight);
    }
    for (std::int32_t i = 1; i < judged; ++i) {
      const double value = score[i];
      const Placed where = out[i];
      std::int32_t at = i;
      while (at > 0 && score[at - 1] < value) {
        score[at] = score[at - 1];
        out[at] = out[at - 1];
        --at;
      }
      score[at] = value;
      out[at] = where;
    }
  }
  return std::min(found, wanted);
}

double Search::greedy(PackState& s) {
  Anchor a;
  Placed p[kMaxBranching];
  while (!stop()) {
    if (!packer_.nextAnchor(s, a)) break;
    ++effort_;
    if (candidates(s, a, 1, p) == 1) {
      packer_.place(s, p[0]);
    } else {
      packer_.markDead(s, a);
    }
  }
  return consider(s);
}

void Search::reservePools() {
  // Every partial load passes through the completion's state, so its room is the most any
  // of them needs: with it, copying a partial load into a pool never allocates.
  const auto reserve = [&](PackState& state) {
    state.spaces.reserve(work_.spaces.capacity());
    state.tops.reserve(work_.tops.capacity());
    state.boxes.reserve(work_.boxes.capacity());
    state.placed.reserve(work_.placed.capacity());
  };
  reserve(best_);
  for (PackState& state : beam_) reserve(state);
  for (PackState& state : children_) reserve(state);
  near_.reserve(work_.boxes.capacity());
}

void Search::beam(std::int32_t width) {
  // Up to branching blocks per partial load, fewer while the beam is narrow, and never
  // more partial loads per level than kMostChildren.
  const std::int32_t k = std::max(1, std::min({settings_.branching, width, kMostChildren / width}));
  const std::size_t w = static_cast<std::size_t>(width);
  // The pools grow with the beam and are reused by every later level and width.
  const auto grow = [](std::vector<PackState>& pool, std::size_t size) {
    while (pool.size() < size) {
      pool.emplace_back();
      pool.back().reserve(kSpaceReserve, kBlockReserve);
    }
  };
  const auto growValues = [](std::vector<double>& values, std::size_t size) {
    if (values.size() < size) values.resize(size);
  };
  reservePools();
  grow(beam_, 1);
  growValues(beamValue_, 1);
  packer_.start(beam_[0]);
  beamValue_[0] = greedyValue_;
  std::size_t beamCount = 1;
  while (beamCount > 0 && !stop()) {
    std::size_t childCount = 0;
    for (std::size_t i = 0; i < beamCount && !stop(); ++i) {
      PackState& parent = beam_[i];
      Anchor a;
      std::int32_t n = 0;
      while (packer_.nextAnchor(parent, a)) {
        ++effort_;
        n = candidates(parent, a, k, choice_.data());
        if (n > 0) break;
        packer_.markDead(parent, a);
      }
      if (n == 0) {
        consider(parent);
        continue;
      }
      for (std::int32_t c = 0; c < n && !stop(); ++c) {
        grow(children_, childCount + 1);
        growValues(childValue_, childCount + 1);
        if (order_.size() <= childCount) order_.resize(childCount + 1);
        PackState& child = children_[childCount];
        child = parent;
        packer_.place(child, choice_[static_cast<std::size_t>(c)]);
        if (c == 0) {
          // The best block is the one the greedy load of the parent placed next: the child
          // completes to the parent's value.
          childValue_[childCount] = beamValue_[i];
        } else {
          work_ = child;
          childValue_[childCount] = greedy(work_);
        }
        ++childCount;
      }
    }
    if (stopped_) break;
    // The w best children, of equal ones the earlier (a total order: the sort needs no
    // buffer). Children whose greedy loads end equal mostly reach the same load, so the
    // first of each value goes on first; the others only fill the room left. Where most
    // children end equal (a tight fit, every one a carton short) they are all the beam has.
    std::iota(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(childCount), 0);
    std::sort(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(childCount),
              [&](std::int32_t a, std::int32_t b) {
                const double va = childValue_[static_cast<std::size_t>(a)];
                const double vb = childValue_[static_cast<std::size_t>(b)];
                return va != vb ? va > vb : a < b;
              });
    const auto valueAt = [&](std::size_t i) { return childValue_[static_cast<std::size_t>(order_[i])]; };
    grow(beam_, std::min(childCount, w));
    growValues(beamValue_, std::min(childCount, w));
    beamCount = 0;
    for (const bool firstOfValue : {true, false}) {
      for (std::size_t i = 0; i < childCount && beamCount < w; ++i) {
        if ((i == 0 || valueAt(i) != valueAt(i - 1)) != firstOfValue) continue;
        const auto from = static_cast<std::size_t>(order_[i]);
        std::swap(beam_[beamCount], children_[from]);
        beamValue_[beamCount] = childValue_[from];
        ++beamCount;
      }
    }
  }
}

void Search::run() {
  // From the start again: the same search, in the memory the last run grew.
  effort_ = loadedEverythingAt_ = 0;
  sinceClock_ = 0;
  stopped_ = timedOut_ = cancelled_ = false;
  packer_.start(best_);
  // A greedy load, then beams of doubling width while effort and time remain; once the
  // widest beam is done, the same again with blocks judged by a stronger weight of their
  // contact, and so on.
  const double firstWeight = settings_.contactWeight;
  for (std::int32_t round = 0; !stop() && !unbeatable(); ++round) {
    settings_.contactWeight = firstWeight * (1 + round);
    const std::uint64_t effortBefore = effort_;
    packer_.start(work_);
    greedyValue_ = greedy(work_);
    for (std::int32_t width = 1; width <= kWidestBeam && !stop() && !unbeatable(); width *= 2)
      beam(width);
    // Every round would be the same, or no round has a step to take.
    if (firstWeight <= 0 || effort_ == effortBefore) break;
  }
  settings_.contactWeight = firstWeight;
}

}  // namespace maxload
