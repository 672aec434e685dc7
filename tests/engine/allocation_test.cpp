// The searches allocate nothing: this test program counts every operator new while a run
// searches a plan.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/containerplan.h"
#include "engine/maxload/blocks.h"
#include "engine/maxload/search.h"
#include "engine_test_support.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
// The library's temporary buffers (stable_sort) take the nothrow form: it is counted too,
// and every form frees what malloc gave.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  allocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

long allocationsDuringRun(ContainerPlan& plan, std::int32_t maxBlockNum, bool stopAtFirst) {
  const long before = allocations.load();
  plan.run(maxBlockNum, stopAtFirst);
  return allocations.load() - before;
}

}  // namespace

TEST(Allocation, searchPlanAllocatesNothing) {
  // Three types, upright and lying cartons: tens of thousands of search calls.
  RunProject p = runProjectOf(12030, 2350, 2690,
                           {{1100, 300, 700, 40, false, 0, 28.5}, {650, 600, 900, 30, true, 0, 62},
                            {520, 420, 330, 160, true, 2, 14}},
                           26000);
  auto plan = buildPlan(p, -1, p.input.container.length);
  EXPECT_EQ(allocationsDuringRun(*plan, 6, false), 0);
  EXPECT_GT(plan->statistics().searchNodes, 10000u);
  EXPECT_EQ(plan->result().sets, 2);
  EXPECT_EQ(allocationsDuringRun(*plan, 6, true), 0);
}

TEST(Allocation, wholeSlabsAndTheBisectionAllocateNothing) {
  RunProject p = runProjectOf(11800, 2300, 2450,
                           {{600, 400, 300, 4}, {500, 400, 400, 2}, {800, 600, 500, 1},
                            {400, 300, 300, 6, true}, {1000, 500, 450, 1}});
  auto plan = buildPlan(p, -1, p.input.container.length);
  EXPECT_EQ(allocationsDuringRun(*plan, 6, false), 0);
  EXPECT_GT(plan->statistics().searchNodes, 100u);
  EXPECT_GT(plan->cartonsPerSet(0), 4);  // the bisection found several sets
  EXPECT_EQ(allocationsDuringRun(*plan, 1, true), 0);
}

// Fifteen carton types, a few to a few dozen of each, more than fit, some only upright, two of them in zones, a
// weight limit that binds late: every part of a load-max step is used.
MaxLoadInput mixedLoad(std::int32_t supportPercent) {
  MaxLoadInput input;
  input.containerX = 2330;
  input.containerY = 2200;
  input.containerZ = 5870;
  input.maxWeight = 9000;
  input.supportPercent = supportPercent;
  const std::int32_t sizes[][4] = {{780, 520, 430, 18}, {650, 480, 390, 28}, {910, 330, 280, 22},
                                   {560, 560, 300, 34}, {470, 320, 250, 46}, {1020, 610, 540, 10},
                                   {390, 280, 220, 62}, {720, 410, 360, 14}, {600, 450, 450, 26},
                                   {830, 500, 260, 38}, {350, 350, 350, 6},  {505, 405, 305, 42},
                                   {615, 385, 295, 30}, {445, 335, 265, 54}, {705, 455, 315, 16}};
  for (std::size_t i = 0; i < std::size(sizes); ++i) {
    MaxLoadType t;
    t.length = sizes[i][0];
    t.width = sizes[i][1];
    t.height = sizes[i][2];
    t.count = sizes[i][3];
    t.weight = 8 + double(i);
    if (i % 3 == 0) t.verticalEdges = kEdgeHeight;
    if (i == 2) t.zone = LoadZone::InnerEnd;
    if (i == 7) t.zone = LoadZone::Door;
    input.types.push_back(t);
  }
  return input;
}

TEST(Allocation, aLoadMaxSearchAllocatesNothingOnceItsPoolsHaveGrown) {
  // Two runs grow the pools of partial loads to what the search needs; the same search
  // once more, greedy completions and beams of several widths, allocates nothing and
  // finds the same load.
  for (const std::int32_t support : {0, 100}) {
    const maxload::Problem problem = maxload::makeProblem(mixedLoad(support));
    const std::vector<maxload::Block> blocks = maxload::generateBlocks(problem, 6000, true);
    const maxload::Packer packer(problem, blocks);
    maxload::SearchSettings settings;
    settings.branching = 32;
    settings.contactRerank = 6;
    settings.contactWeight = 1;
    settings.effortBudget = 30000;
    maxload::Search search(packer, settings);
    search.run();
    search.run();
    const double volume = search.best().volume;
    const std::size_t loaded = search.best().placed.size();
    const long before = allocations.load();
    search.run();
    EXPECT_EQ(allocations.load() - before, 0) << "support " << support;
    EXPECT_EQ(search.effort(), 30000u);
    EXPECT_DOUBLE_EQ(search.best().volume, volume);
    EXPECT_EQ(search.best().placed.size(), loaded);
    EXPECT_GT(loaded, 20u);  // many blocks placed, so many steps completed
  }
}

TEST(Allocation, theCounterSeesAllocations) {
  const long before = allocations.load();
  auto plan = buildPlan(runProjectOf(1000, 1000, 1000, {{100, 100, 100, 1}}), -1, 1000);
  EXPECT_GT(allocations.load() - before, 0);
}
