// The load-max planner's partial load: the free space as maximal empty boxes after each
// placement, and the rooms on the tops of blocks under full support.

#include <gtest/gtest.h>

#include <random>

#include "engine/maxload/packstate.h"
#include "maxload_testing.h"

namespace {

using maxload::Block;
using maxload::Box;
using maxload::Packer;
using maxload::PackState;
using maxload::Placed;
using maxload::Space;

bool inside(const Space& outer, const Space& inner) {
  return outer.x1 <= inner.x1 && inner.x2 <= outer.x2 && outer.y1 <= inner.y1 &&
         inner.y2 <= outer.y2 && outer.z1 <= inner.z1 && inner.z2 <= outer.z2;
}

bool overlaps(const Space& s, const Box& b) {
  return s.x1 < b.x2 && b.x1 < s.x2 && s.y1 < b.y2 && b.y1 < s.y2 && s.z1 < b.z2 && b.z1 < s.z2;
}

// Fills the container step by step with the first block that may go at each anchor, the
// way a greedy load does, and hands every partial load to check.
template <typename Check>
void fillGreedily(const Packer& packer, PackState& s, Check check) {
  maxload::Anchor a;
  while (packer.nextAnchor(s, a)) {
    bool placed = false;
    for (std::size_t b = 0; b < packer.blocks().size() && !placed; ++b) {
      Placed where{};
      if (packer.fitsSpace(s, a, static_cast<std::int32_t>(b), where) &&
          packer.findCarried(s, a, where)) {
        packer.place(s, where);
        placed = true;
      }
    }
    if (placed) check(s);
    else packer.markDead(s, a);
  }
}

MaxLoadInput randomLoad(std::uint32_t seed) {
  std::mt19937 rng(seed);
  const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  MaxLoadInput input = containerInput(uniform(600, 1500), uniform(600, 1500), uniform(800, 3000));
  input.supportPercent = std::array{0, 60, 100}[static_cast<std::size_t>(uniform(0, 2))];
  const int types = uniform(2, 7);
  for (int i = 0; i < types; ++i)
    input.types.push_back(cartonType(uniform(100, 500), uniform(100, 500), uniform(100, 500), uniform(1, 12)));
  return input;
}

TEST(MaxLoadPackState, SpacesStayEmptyInsideTheContainerAndNoneHoldsAnother) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    const MaxLoadInput input = randomLoad(seed);
    const maxload::Problem problem = maxload::makeProblem(input);
    const std::vector<Block> blocks = maxload::generateBlocks(problem, 2000, true);
    const Packer packer(problem, blocks);
    PackState s;
    packer.start(s);
    std::size_t steps = 0;
    fillGreedily(packer, s, [&](const PackState& state) {
      ++steps;
      const Space container{0, 0, 0, problem.X, problem.Y, problem.Z, false};
      for (std::size_t i = 0; i < state.spaces.size(); ++i) {
        const Space& space = state.spaces[i];
        EXPECT_TRUE(inside(container, space)) << "seed " << seed;
        EXPECT_LT(space.x1, space.x2);
        for (const Box& box : state.boxes) EXPECT_FALSE(overlaps(space, box)) << "seed " << seed;
        for (std::size_t j = 0; j < state.spaces.size(); ++j)
          EXPECT_TRUE(i == j || !inside(state.spaces[j], space))
              << "seed " << seed << ": space " << i << " lies inside space " << j;
      }
    });
    EXPECT_GT(steps, 0u) << "seed " << seed;
  }
}

TEST(MaxLoadPackState, WithoutSupportTheRoomBesideALoadIsWhole) {
  // One carton 500 x 400 x 300 at the corner of a 1000 x 1000 x 1000 container leaves three
  // maximal rooms: beside it across, above it and behind it, each as large as can be (a
  // second carton is left to load, so none is too small for what is left).
  MaxLoadInput input = containerInput(1000, 1000, 1000);
  input.supportPercent = 0;
  input.types.push_back(cartonType(500, 300, 400, 2, kEdgeHeight));
  const maxload::Problem problem = maxload::makeProblem(input);
  const std::vector<Block> blocks = maxload::generateBlocks(problem, 100, false);
  std::int32_t lengthAcross = -1;  // x 500, y 400, z 300
  for (std::size_t b = 0; b < blocks.size(); ++b)
    if (blocks[b].sx == 500 && blocks[b].sy == 400 && blocks[b].sz == 300) lengthAcross = int(b);
  ASSERT_GE(lengthAcross, 0);
  const Packer packer(problem, blocks);
  PackState s;
  packer.start(s);
  packer.place(s, Placed{lengthAcross, 0, 0, 0});
  ASSERT_EQ(s.spaces.size(), 3u);
  const Space expected[] = {{500, 0, 0, 1000, 1000, 1000, false},
                            {0, 400, 0, 1000, 1000, 1000, false},
                            {0, 0, 300, 1000, 1000, 1000, false}};
  for (const Space& want : expected) {
    bool found = false;
    for (const Space& got : s.spaces)
      found = found || (inside(got, want) && inside(want, got));
    EXPECT_TRUE(found) << want.x1 << " " << want.y1 << " " << want.z1;
  }
}

TEST(MaxLoadPackState, UnderFullSupportARoomSpansTwoTopsOfOneHeight) {
  // Two cubes of 500 side by side across a 1000 mm wide container: the beam 1000 mm long
  // can only lie across both, carried by their tops together.
  MaxLoadInput input = containerInput(1000, 1000, 500);
  input.supportPercent = 100;
  input.types.push_back(cartonType(500, 500, 500, 2));
  input.types.push_back(cartonType(500, 1000, 500, 1, kEdgeHeight));  // x 1000, y 500, z 500
  const maxload::Problem problem = maxload::makeProblem(input);
  const std::vector<Block> blocks = maxload::generateBlocks(problem, 100, false);
  std::int32_t cube = -1, beam = -1;
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    const Block& block = blocks[b];
    if (block.leaves[0].type == 0 && block.sx == 500 && block.sy == 500 && block.sz == 500) cube = int(b);
    if (block.leaves[0].type == 1 && block.sx == 1000 && block.sy == 500) beam = int(b);
  }
  ASSERT_GE(cube, 0);
  ASSERT_GE(beam, 0);
  const Packer packer(problem, blocks);
  PackState s;
  packer.start(s);
  packer.place(s, Placed{cube, 0, 0, 0});
  packer.place(s, Placed{cube, 500, 0, 0});
  const Space across{0, 500, 0, 1000, 1000, 500, false};
  bool found = false;
  for (const Space& got : s.spaces) found = found || (inside(got, across) && inside(across, got));
  EXPECT_TRUE(found);
  EXPECT_TRUE(packer.carried(s, Placed{beam, 0, 500, 0}));
  // The whole plan: everything loaded, the beam on top.
  input.effortBudget = 500;
  const MaxLoadResult r = planMaxLoad(input);
  EXPECT_EQ(r.loadedCount, 3);
  EXPECT_TRUE(brokenRules(input, r).empty());
}

}  // namespace
