#include "engine/maxload/maxload.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "engine/loadingorder.h"
#include "engine/maxload/blocks.h"
#include "engine/maxload/leavingout.h"
#include "engine/maxload/rulekeeper.h"
#include "engine/maxload/search.h"

namespace maxload {
namespace {

constexpr std::size_t kMaxBlocks = 6000;

// One simple block of the plan, where it lies.
struct Piece {
  Leaf leaf;
  std::int32_t x = 0, y = 0, z = 0;  // gross vertex
};

BlockScheme blockOf(const Problem& p, const Piece& piece) {
  const Leaf& leaf = piece.leaf;
  const MaxLoadType& type = p.types[static_cast<std::size_t>(leaf.type)];
  BlockScheme block;
  block.x = piece.x;
  block.y = piece.y;
  block.z = piece.z;
  block.sizeX = leaf.netX;
  block.sizeY = leaf.netY;
  block.sizeZ = leaf.netZ;
  block.nx = leaf.nx;
  block.ny = leaf.ny;
  block.nz = leaf.nz;
  block.orientation = leaf.orientation;
  block.material = type.material;
  block.count = leaf.nx * leaf.ny * leaf.nz;
  block.gapX = p.gapX;
  block.gapY = p.gapY;
  block.gapZ = p.gapZ;
  block.cartonIndex = leaf.type;
  block.cartonName = type.name;
  return block;
}

MaxLoadResult buildResult(const Problem& p, const std::vector<Block>& blocks, const PackState& s) {
  MaxLoadResult r;
  std::vector<Piece> pieces;
  std::vector<BlockScheme> unordered;
  for (const Placed& placed : s.placed) {
    const Block& b = blocks[static_cast<std::size_t>(placed.block)];
    for (int li = 0; li < b.leafCount; ++li) {
      const Leaf& leaf = b.leaves[li];
      pieces.push_back(Piece{leaf, placed.x + leaf.ox, placed.y + leaf.oy, placed.z + leaf.oz});
      unordered.push_back(blockOf(p, pieces.back()));
    }
  }
  r.leftovers.resize(p.types.size());
  for (std::size_t t = 0; t < p.types.size(); ++t) r.leftovers[t] = p.available[t];
  // The blocks go out in a loader's order, as every plan's blocks do.
  for (const std::size_t i : loadingOrder(unordered)) {
    const Piece& piece = pieces[i];
    const Leaf& leaf = piece.leaf;
    const auto blockIndex = static_cast<std::int32_t>(r.blocks.size());
    r.blocks.push_back(unordered[i]);
    r.leftovers[static_cast<std::size_t>(leaf.type)] -= r.blocks.back().count;
    for (std::int32_t iz = 0; iz < leaf.nz; ++iz) {
      for (std::int32_t iy = 0; iy < leaf.ny; ++iy) {
        for (std::int32_t ix = 0; ix < leaf.nx; ++ix) {
          MaxLoadPlacement c;
          c.x = piece.x + ix * leaf.cx;
          c.y = piece.y + iy * leaf.cy;
          c.z = piece.z + iz * leaf.cz;
          c.sizeX = leaf.netX;
          c.sizeY = leaf.netY;
          c.sizeZ = leaf.netZ;
          c.cartonIndex = leaf.type;
          c.orientation = leaf.orientation;
          c.block = blockIndex;
          r.placements.push_back(c);
          r.loadedVolume += double(leaf.netX) * leaf.netY * leaf.netZ;
        }
      }
    }
  }
  r.loadedCount = static_cast<std::int64_t>(r.placements.size());
  const double containerVolume = double(p.X) * p.Y * p.Z;
  r.netRatio = containerVolume > 0 ? r.loadedVolume / containerVolume : 0;
  return r;
}

// The blocks of one search: the general ones or the simple ones alone.
struct BlockSet {
  std::vector<Block> general, simple;
};

// The blocks a problem with fewer cartons of some types still allows, in the same order.
std::vector<Block> allowedBlocks(const Problem& p, const std::vector<Block>& blocks) {
  std::vector<Block> out;
  out.reserve(blocks.size());
  for (const Block& b : blocks) {
    bool allowed = true;
    for (int u = 0; u < b.useCount && allowed; ++u)
      allowed = b.useCartons[u] <= p.types[static_cast<std::size_t>(b.useType[u])].count;
    if (allowed) out.push_back(b);
  }
  return out;
}

// The best load of one attempt, with the blocks its placements name.
struct Outcome {
  std::vector<Block> blocks;
  PackState best;
  bool loadedEverything = false;  // every carton the attempt's problem holds
  bool timedOut = false, cancelled = false;
  std::uint64_t effort = 0;
};

// The two searches on one problem: general blocks and simple blocks alone, on two threads
// or one after the other.
Outcome searchProblem(const MaxLoadInput& input, const Problem& problem, BlockSet blocks, SearchSettings base) {
  // The cargo rules, where the input sets them: a keeper for each search thread.
  std::unique_ptr<RuleKeeper> keeper, simpleKeeper;
  if (setsCargoRules(input)) {
    keeper = std::make_unique<RuleKeeper>(input, problem, blocks.general);
    simpleKeeper = std::make_unique<RuleKeeper>(input, problem, blocks.simple);
  }
  const Packer packer(problem, blocks.general, keeper.get());
  const Packer simplePacker(problem, blocks.simple, simpleKeeper.get());
  std::atomic<std::uint64_t> everythingLoadedAt{UINT64_MAX};
  base.everythingLoadedAt = &everythingLoadedAt;
  Search first(packer, base);
  Search other(simplePacker, base);
  if (input.threads >= 2) {
    std::thread helper([&other] { other.run(); });
    first.run();
    helper.join();
  } else {
    first.run();
    other.run();
  }
  // The better plan wins; of two complete loads the one found with less effort; the first
  // search on a tie. None of this depends on which thread ran faster.
  bool useOther = other.best().volume > first.best().volume;
  if (other.loadedEverythingAt() > 0 &&
      (first.loadedEverythingAt() == 0 || other.loadedEverythingAt() < first.loadedEverythingAt()))
    useOther = true;
  const Search& winner = useOther ? other : first;
  Outcome out;
  out.best = winner.best();
  out.loadedEverything = std::all_of(out.best.remaining.begin(), out.best.remaining.end(),
                                     [](std::int32_t left) { return left <= 0; });
  out.timedOut = first.timedOut() || other.timedOut();
  out.cancelled = first.cancelled() || other.cancelled();
  out.effort = first.effort() + other.effort();
  out.blocks = std::move(useOther ? blocks.simple : blocks.general);
  return out;
}

}  // namespace
}  // namespace maxload

MaxLoadResult planMaxLoad(const MaxLoadInput& input, const MaxLoadControl& control) {
  using namespace maxload;
  using Clock = std::chrono::steady_clock;
  const auto startTime = Clock::now();
  const Problem problem = makeProblem(input);
  // The two searches differ in their blocks: general blocks help strongly mixed cargo,
  // simple blocks alone often suit cargo of few types better.
  BlockSet blocks{generateBlocks(problem, kMaxBlocks, true), generateBlocks(problem, kMaxBlocks, false)};

  SearchSettings base;
  base.effortBudget = input.effortBudget;
  base.cancel = control.cancel;
  base.bestFill = control.bestFill;
  const bool timed = input.timeLimitSeconds > 0;
  const auto timeAfter = [&](double share) {
    return startTime + std::chrono::duration_cast<Clock::duration>(
                           std::chrono::duration<double>(input.timeLimitSeconds * share));
  };
  base.hasDeadline = timed;
  if (timed) base.deadline = timeAfter(1.0);
  // Up to 32 blocks tried per partial load (fewer while the beam is narrower); the six
  // best by volume and waste judged again by their contact, which counts for more where
  // the room above a block stays whole (support below 100 %).
  base.branching = 32;
  base.contactRerank = 6;
  base.contactWeight = problem.supportPercent >= 100 ? 1 : 2;

  const std::vector<std::int32_t> candidates = leavingOutCandidates(input, problem);
  if (candidates.empty()) {
    // Nothing is worth leaving behind: the whole effort goes to the whole order.
    Outcome only = searchProblem(input, problem, std::move(blocks), base);
    MaxLoadResult result = buildResult(problem, only.blocks, only.best);
    result.timedOut = only.timedOut;
    result.cancelled = only.cancelled;
    result.effortUsed = only.effort;
    return result;
  }

  // Cartons with a rule can block more than they are worth: a not-stackable carton
  // covering the floor, a stop walling off the others. Besides the whole order, the
  // search tries it with such a type left out or capped, each briefly; where one of them
  // loads clearly more, a second round tries leaving out another type as well. The rest
  // goes to the best of them; the best load seen wins, the whole order on a tie. The brief
  // tries are bounded by effort (and by their share of the time, which binds only on
  // large or slow runs), so the same budget gives the same plan.
  const std::size_t most = 1 + kLeavingOutRounds * 2 * std::min(candidates.size(), kMostTypesLeftOut);
  const double probeShare = kProbeShare / double(most);
  SearchSettings probe = base;
  probe.effortBudget = std::clamp<std::uint64_t>(
      static_cast<std::uint64_t>(double(input.effortBudget) * probeShare), 1, kMostProbeEffort);
  std::uint64_t effortUsed = 0;
  bool cancelled = false;
  std::size_t probes = 0;
  // The time shares count from now: making the blocks took some already.
  const auto probeStart = Clock::now();
  const auto probeSettings = [&] {
    SearchSettings s = probe;
    ++probes;
    if (timed)
      s.deadline = std::min(base.deadline, probeStart + std::chrono::duration_cast<Clock::duration>(
                                                            (base.deadline - probeStart) * (probeShare * double(probes))));
    return s;
  };
  const double containerVolume = double(problem.X) * problem.Y * problem.Z;
  const auto timeUp = [&] { return timed && Clock::now() >= base.deadline; };
  const auto done = [&](const Outcome& o) { return cancelled || o.best.volume >= containerVolume || timeUp(); };
  const auto finish = [&](const Outcome& o, bool timedOut) {
    MaxLoadResult result = buildResult(problem, o.blocks, o.best);
    result.timedOut = timedOut;
    result.cancelled = cancelled;
    result.effortUsed = effortUsed;
    return result;
  };

  Outcome best = searchProblem(input, problem, blocks, probeSettings());
  effortUsed += best.effort;
  cancelled = best.cancelled;
  if (best.loadedEverything || done(best)) return finish(best, best.timedOut && !best.loadedEverything);

  // The counts the best load so far was planned with: the whole order's at first.
  std::vector<std::int32_t> bestCounts;
  for (const MaxLoadType& t : problem.types) bestCounts.push_back(t.count);
  bool leftSomeOut = false;
  const auto problemWith = [&](const std::vector<std::int32_t>& counts) {
    Problem p = problem;
    for (std::size_t t = 0; t < counts.size(); ++t) {
      p.cargoVolume -= p.typeVolume[t] * (problem.types[t].count - counts[t]);
      p.types[t].count = counts[t];
    }
    return p;
  };
  std::optional<Outcome> nearlyAsGood;  // a variant that loads more, but not clearly so
  for (std::size_t round = 0; round < kLeavingOutRounds && !done(best); ++round) {
    // The variants, from what the best load holds of each candidate type still loaded.
    std::vector<std::int32_t> loaded(problem.types.size(), 0);
    for (const Placed& placed : best.best.placed) {
      const Block& b = best.blocks[static_cast<std::size_t>(placed.block)];
      for (int u = 0; u < b.useCount; ++u) loaded[static_cast<std::size_t>(b.useType[u])] += b.useCartons[u];
    }
    std::optional<Outcome> roundBest;
    std::vector<std::int32_t> roundCounts;
    for (const LeavingOut& v : leavingOutVariants(problem, candidates, loaded)) {
      if (done(best)) break;
      std::vector<std::int32_t> counts = bestCounts;
      counts[static_cast<std::size_t>(v.type)] = v.cap;
      const Problem p = problemWith(counts);
      Outcome o = searchProblem(input, p, BlockSet{allowedBlocks(p, blocks.general), allowedBlocks(p, blocks.simple)},
                                probeSettings());
      effortUsed += o.effort;
      cancelled = cancelled || o.cancelled;
      if (o.best.volume > (roundBest ? roundBest->best.volume : best.best.volume)) {
        roundBest = std::move(o);
        roundCounts = std::move(counts);
      }
    }
    if (!roundBest) break;
    // Brief tries are rough: a variant is followed only where it loads clearly more.
    if (roundBest->best.volume < best.best.volume + kClearlyMore * containerVolume) {
      nearlyAsGood = std::move(roundBest);
      break;
    }
    best = std::move(*roundBest);
    bestCounts = std::move(roundCounts);
    leftSomeOut = true;
  }
  // The rest of the budget to the best of them, searched again from the start; the plan
  // is the best load seen.
  const auto bestSeen = [&]() -> const Outcome& {
    return nearlyAsGood && nearlyAsGood->best.volume > best.best.volume ? *nearlyAsGood : best;
  };
  const std::uint64_t spent = probe.effortBudget * static_cast<std::uint64_t>(probes);
  if (done(best) || spent >= input.effortBudget) return finish(bestSeen(), timeUp());
  SearchSettings rest = base;
  rest.effortBudget = input.effortBudget - spent;
  const Problem p = problemWith(bestCounts);
  Outcome o = leftSomeOut ? searchProblem(input, p,
                                          BlockSet{allowedBlocks(p, blocks.general), allowedBlocks(p, blocks.simple)},
                                          rest)
                          : searchProblem(input, p, std::move(blocks), rest);
  effortUsed += o.effort;
  cancelled = cancelled || o.cancelled;
  const bool timedOut = o.timedOut;
  if (o.best.volume > bestSeen().best.volume) return finish(o, timedOut);
  return finish(bestSeen(), timedOut);
}
