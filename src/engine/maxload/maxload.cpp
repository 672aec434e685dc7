#include "engine/maxload/maxload.h"

#include <algorithm>
#include <thread>

#include "engine/maxload/blocks.h"
#include "engine/loadingorder.h"
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

}  // namespace
}  // namespace maxload

MaxLoadResult planMaxLoad(const MaxLoadInput& input, const MaxLoadControl& control) {
  using namespace maxload;
  const auto startTime = std::chrono::steady_clock::now();
  const Problem problem = makeProblem(input);
  // The two searches differ in their blocks: general blocks help strongly mixed cargo,
  // simple blocks alone often suit cargo of few types better.
  std::size_t maxBlocks = kMaxBlocks;
  const std::vector<Block> blocks = generateBlocks(problem, maxBlocks, true);
  const std::vector<Block> simpleBlocks = generateBlocks(problem, kMaxBlocks, false);
  const Packer packer(problem, blocks);
  const Packer simplePacker(problem, simpleBlocks);

  std::atomic<std::uint64_t> everythingLoadedAt{UINT64_MAX};
  SearchSettings base;
  base.everythingLoadedAt = &everythingLoadedAt;
  base.effortBudget = input.effortBudget;
  base.cancel = control.cancel;
  base.bestFill = control.bestFill;
  if (input.timeLimitSeconds > 0) {
    base.hasDeadline = true;
    base.deadline = startTime + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                    std::chrono::duration<double>(input.timeLimitSeconds));
  }
  // Up to 32 blocks tried per partial load (fewer while the beam is narrower); the six
  // best by volume and waste judged again by their contact, which counts for more where
  // the room above a block stays whole (support below 100 %).
  base.branching = 32;
  base.contactRerank = 6;
  base.contactWeight = problem.supportPercent >= 100 ? 1 : 2;
  SearchSettings second = base;
  Search first(packer, base);
  Search other(simplePacker, second);
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
  MaxLoadResult result = buildResult(problem, useOther ? simpleBlocks : blocks, winner.best());
  result.timedOut = first.timedOut() || other.timedOut();
  result.cancelled = first.cancelled() || other.cancelled();
  result.effortUsed = first.effort() + other.effort();
  return result;
}
