#include "engine/maxload/rulekeeper.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace maxload {
namespace {

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

double weightOf(const MaxLoadType& t) { return std::isfinite(t.weight) && t.weight > 0 ? t.weight : 0.0; }

double limitOf(const MaxLoadType& t) {
  return t.maxLoadOnTop && std::isfinite(*t.maxLoadOnTop) ? std::max(0.0, *t.maxLoadOnTop) : kNoLimit;
}

// Sums of shares round; a ten-billionth of the limit is no overload.
bool within(double load, double limit) { return load <= limit + 1e-10 * std::max(1.0, limit); }

// Whether a carton of type upper may rest on one of type lower.
bool mayRestOn(const MaxLoadType& lower, const MaxLoadType& upper) {
  if (!lower.stackable) return false;
  if (lower.fragile && !upper.fragile) return false;
  return std::max(0, upper.stop) <= std::max(0, lower.stop);
}

std::int64_t overlap(std::int32_t a1, std::int32_t a2, std::int32_t b1, std::int32_t b2) {
  return std::max<std::int64_t>(0, std::int64_t(std::min(a2, b2)) - std::max(a1, b1));
}

// A leaf of a block placed at where, in the container.
RuleLeaf placedLeaf(const Leaf& leaf, const Placed& where) {
  const std::int32_t x1 = where.x + leaf.ox, y1 = where.y + leaf.oy, z1 = where.z + leaf.oz;
  return RuleLeaf{x1, y1, z1, x1 + leaf.sx(), y1 + leaf.sy(), z1 + leaf.sz(), leaf.type, leaf.nx, leaf.nz,
                  leaf.cx, leaf.cz, -1};
}

}  // namespace

std::int32_t layersCarried(const MaxLoadType& t) {
  if (!t.stackable) return 1;
  const double limit = limitOf(t), weight = weightOf(t);
  if (limit == kNoLimit || weight <= 0) return std::numeric_limits<std::int32_t>::max();
  // The lowest carton of n bears n - 1 above it.
  const double layers = std::floor(limit / weight) + 1;
  std::int32_t n = layers >= 1e9 ? 1'000'000'000 : static_cast<std::int32_t>(layers);
  while (n > 1 && !within((n - 1) * weight, limit)) --n;
  return std::max(1, n);
}

bool mayCarryInBlock(const Problem& p, const Block& lower, const Block& upper) {
  for (int i = 0; i < lower.leafCount; ++i) {
    const MaxLoadType& below = p.types[static_cast<std::size_t>(lower.leaves[i].type)];
    if (limitOf(below) != kNoLimit) return false;
    for (int j = 0; j < upper.leafCount; ++j)
      if (!mayRestOn(below, p.types[static_cast<std::size_t>(upper.leaves[j].type)])) return false;
  }
  return true;
}

bool setsCargoRules(const MaxLoadInput& input) {
  for (const MaxLoadType& t : input.types)
    if (!t.stackable || t.maxLoadOnTop || t.fragile || t.stop > 0) return true;
  return BalanceKeeper::needed(input);
}

RuleKeeper::RuleKeeper(const MaxLoadInput& input, const Problem& problem, const std::vector<Block>& blocks)
    : problem_(problem), blocks_(blocks), balance_(input, problem, blocks) {
  for (const MaxLoadType& t : problem.types) {
    resting_ = resting_ || !t.stackable || t.fragile || t.maxLoadOnTop || t.stop > 0;
    loads_ = loads_ || t.maxLoadOnTop.has_value();
  }
  resting_ = resting_ || problem.zoneCount > 3;
}

void RuleKeeper::start(PackState& s) const { s.rules.clear(); }

bool RuleKeeper::restsWell(const PackState& s, const Placed& where) const {
  const Block& b = blocks_[static_cast<std::size_t>(where.block)];
  for (int li = 0; li < b.leafCount; ++li) {
    const RuleLeaf leaf = placedLeaf(b.leaves[li], where);
    const MaxLoadType& type = problem_.types[static_cast<std::size_t>(leaf.type)];
    for (const RuleLeaf& other : s.rules.leaves) {
      if (overlap(leaf.x1, leaf.x2, other.x1, other.x2) == 0 || overlap(leaf.z1, leaf.z2, other.z1, other.z2) == 0)
        continue;
      // Resting on a carton it may not rest on.
      if (other.y2 == leaf.y1 && !mayRestOn(problem_.types[static_cast<std::size_t>(other.type)], type)) return false;
      // Going right under a carton placed before: what that carton rests on would change.
      if (other.y1 == leaf.y2) return false;
    }
  }
  return true;
}

bool RuleKeeper::spreadLoad(const PackState& s, const Placed& where, RuleState* commit) const {
  const Block& b = blocks_[static_cast<std::size_t>(where.block)];
  const RuleState& state = s.rules;
  const auto existing = static_cast<std::int32_t>(state.stacks.size());
  // The block's stacks, the highest first: a stack passes its load to those below it.
  newStacks_.clear();
  newSupports_.clear();
  for (int li = 0; li < b.leafCount; ++li) {
    const Leaf& leaf = b.leaves[li];
    const RuleLeaf placed = placedLeaf(leaf, where);
    const MaxLoadType& type = problem_.types[static_cast<std::size_t>(leaf.type)];
    const double weight = weightOf(type);
    for (std::int32_t ix = 0; ix < leaf.nx; ++ix)
      for (std::int32_t iz = 0; iz < leaf.nz; ++iz) {
        const std::int32_t x1 = placed.x1 + ix * leaf.cx, z1 = placed.z1 + iz * leaf.cz;
        newStacks_.push_back(NewStack{li, x1, z1, x1 + leaf.cx, z1 + leaf.cz, placed.y1, weight * leaf.ny,
                                      weight * (leaf.ny - 1), limitOf(type), 0, 0, 0});
      }
  }
  std::vector<std::size_t> order(newStacks_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t c) { return newStacks_[a].y1 > newStacks_[c].y1; });
  delta_.assign(state.stacks.size(), 0.0);
  touched_.clear();
  for (const std::size_t k : order) {
    NewStack& stack = newStacks_[k];
    if (!within(stack.borne + stack.incoming, stack.limit)) return false;
    stack.firstSupport = static_cast<std::int32_t>(newSupports_.size());
    if (stack.y1 > 0) {
      double area = 0;
      // Stacks of the block itself right below.
      for (std::size_t j = 0; j < newStacks_.size(); ++j) {
        const NewStack& below = newStacks_[j];
        const Leaf& leaf = b.leaves[below.leaf];
        if (below.y1 + leaf.sy() != stack.y1) continue;
        const double a = double(overlap(stack.x1, stack.x2, below.x1, below.x2)) *
                         double(overlap(stack.z1, stack.z2, below.z1, below.z2));
        if (a <= 0) continue;
        newSupports_.push_back(RuleSupport{existing + static_cast<std::int32_t>(j), a});
        area += a;
      }
      // Stacks placed before whose tops carry it.
      for (const RuleLeaf& other : state.leaves) {
        if (other.y2 != stack.y1 || other.firstStack < 0) continue;
        if (overlap(stack.x1, stack.x2, other.x1, other.x2) == 0 || overlap(stack.z1, stack.z2, other.z1, other.z2) == 0)
          continue;
        const std::int32_t ix1 = std::max(0, (stack.x1 - other.x1) / other.cx);
        const std::int32_t ix2 = std::min(other.nx - 1, (stack.x2 - 1 - other.x1) / other.cx);
        const std::int32_t iz1 = std::max(0, (stack.z1 - other.z1) / other.cz);
        const std::int32_t iz2 = std::min(other.nz - 1, (stack.z2 - 1 - other.z1) / other.cz);
        for (std::int32_t ix = ix1; ix <= ix2; ++ix)
          for (std::int32_t iz = iz1; iz <= iz2; ++iz) {
            const std::int32_t sx1 = other.x1 + ix * other.cx, sz1 = other.z1 + iz * other.cz;
            const double a = double(overlap(stack.x1, stack.x2, sx1, sx1 + other.cx)) *
                             double(overlap(stack.z1, stack.z2, sz1, sz1 + other.cz));
            if (a <= 0) continue;
            newSupports_.push_back(RuleSupport{other.firstStack + ix * other.nz + iz, a});
            area += a;
          }
      }
      stack.supportCount = static_cast<std::int32_t>(newSupports_.size()) - stack.firstSupport;
      const double force = stack.weight + stack.incoming;
      for (std::int32_t i = stack.firstSupport; i < stack.firstSupport + stack.supportCount; ++i) {
        RuleSupport& support = newSupports_[static_cast<std::size_t>(i)];
        support.share /= area;
        const double passed = force * support.share;
        if (support.stack >= existing) {
          newStacks_[static_cast<std::size_t>(support.stack - existing)].incoming += passed;
        } else {
          if (delta_[static_cast<std::size_t>(support.stack)] == 0) touched_.push_back(support.stack);
          delta_[static_cast<std::size_t>(support.stack)] += passed;
        }
      }
    }
  }
  // The added loads down through the stacks placed before, the highest first.
  const auto lower = [&](std::int32_t a, std::int32_t c) {
    return state.stacks[static_cast<std::size_t>(a)].y1 < state.stacks[static_cast<std::size_t>(c)].y1;
  };
  std::make_heap(touched_.begin(), touched_.end(), lower);
  while (!touched_.empty()) {
    std::pop_heap(touched_.begin(), touched_.end(), lower);
    const std::int32_t at = touched_.back();
    touched_.pop_back();
    const RuleStack& stack = state.stacks[static_cast<std::size_t>(at)];
    const double added = delta_[static_cast<std::size_t>(at)];
    if (added <= 0) continue;
    if (!within(stack.borne + added, stack.limit)) return false;
    if (commit != nullptr) commit->stacks[static_cast<std::size_t>(at)].borne += added;
    delta_[static_cast<std::size_t>(at)] = -1;  // passed on; never queued again
    for (std::int32_t i = stack.firstSupport; i < stack.firstSupport + stack.supportCount; ++i) {
      const RuleSupport& support = state.supports[static_cast<std::size_t>(i)];
      double& d = delta_[static_cast<std::size_t>(support.stack)];
      if (d == 0) {
        touched_.push_back(support.stack);
        std::push_heap(touched_.begin(), touched_.end(), lower);
      }
      d += added * support.share;
    }
  }
  if (commit != nullptr) {
    for (const NewStack& stack : newStacks_) {
      const auto first = static_cast<std::int32_t>(commit->supports.size());
      commit->supports.insert(commit->supports.end(), newSupports_.begin() + stack.firstSupport,
                              newSupports_.begin() + stack.firstSupport + stack.supportCount);
      commit->stacks.push_back(RuleStack{stack.borne + stack.incoming, stack.limit, stack.y1, first, stack.supportCount});
    }
  }
  return true;
}

bool RuleKeeper::allows(const PackState& s, const Placed& where) const {
  if (resting_ && !restsWell(s, where)) return false;
  return !loads_ || spreadLoad(s, where, nullptr);
}

void RuleKeeper::place(PackState& s, const Placed& where) const {
  if (!resting_) return;
  const auto firstNew = static_cast<std::int32_t>(s.rules.stacks.size());
  if (loads_) spreadLoad(s, where, &s.rules);
  const Block& b = blocks_[static_cast<std::size_t>(where.block)];
  std::int32_t stack = firstNew;
  for (int li = 0; li < b.leafCount; ++li) {
    RuleLeaf leaf = placedLeaf(b.leaves[li], where);
    if (loads_) {
      leaf.firstStack = stack;
      stack += leaf.nx * leaf.nz;
    }
    s.rules.leaves.push_back(leaf);
  }
}

}  // namespace maxload
