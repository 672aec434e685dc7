// The searches allocate nothing: this test program counts every operator new while a run
// searches a plan.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/containerplan.h"
#include "engine_test_support.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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

TEST(Allocation, theCounterSeesAllocations) {
  const long before = allocations.load();
  auto plan = buildPlan(runProjectOf(1000, 1000, 1000, {{100, 100, 100, 1}}), -1, 1000);
  EXPECT_GT(allocations.load() - before, 0);
}
