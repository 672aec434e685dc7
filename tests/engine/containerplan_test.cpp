// Building a plan from the project: types, set estimate, candidates, depth limits.

#include <gtest/gtest.h>

#include "engine/containerplan.h"
#include "engine/runproject.h"
#include "model/fillscheme.h"

namespace {

Carton carton(int l, int w, int h, double weight, int count, bool mustUp = false, int upendLayers = 0) {
  Carton c;
  c.length = l;
  c.width = w;
  c.height = h;
  c.weight = weight;
  c.count = count;
  c.mustUp = mustUp;
  c.upendLayers = upendLayers;
  return c;
}

RunProject projectWith(std::vector<Carton> cartons, int spacingL = 0, int spacingW = 0, int spacingH = 0) {
  RunProject p;
  p.input.spacingL = spacingL;
  p.input.spacingW = spacingW;
  p.input.spacingH = spacingH;
  p.input.cartons = std::move(cartons);
  p.groupKeys.assign(p.input.cartons.size(), kSpaceNone);
  return p;
}

struct Extents {
  double dx, dy, dz;
  int orientation;
  int layerLimit;
};

std::vector<Extents> candidatesOf(const RunProject& p) {
  auto plan = buildPlan(p, -1, p.input.container.length);
  plan->run(6, true).sets;
  std::vector<Extents> out;
  for (std::uint32_t i = 0; i < plan->setup().candidateCount; ++i) {
    const PlanCandidate& c = plan->setup().candidates[i];
    EXPECT_EQ(c.volume, c.dx * c.dy * c.dz);
    out.push_back({c.dx, c.dy, c.dz, c.orientation, c.layerLimit});
  }
  return out;
}

void expectCandidates(const std::vector<Extents>& actual, const std::vector<Extents>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("candidate " + std::to_string(i));
    EXPECT_EQ(actual[i].dx, expected[i].dx);
    EXPECT_EQ(actual[i].dy, expected[i].dy);
    EXPECT_EQ(actual[i].dz, expected[i].dz);
    EXPECT_EQ(actual[i].orientation, expected[i].orientation);
    EXPECT_EQ(actual[i].layerLimit, expected[i].layerLimit);
  }
}

}  // namespace

TEST(SortDescending3, largestFirstWithTheMiddleFromTheSum) {
  EXPECT_EQ(sortDescending3(400, 300, 600), (std::array<double, 3>{600, 400, 300}));
  EXPECT_EQ(sortDescending3(5, 10, 5), (std::array<double, 3>{10, 5, 5}));
  EXPECT_EQ(sortDescending3(7, 7, 7), (std::array<double, 3>{7, 7, 7}));
}

TEST(BuildPlan, copiesTheContainerSpacingAndCartonsAsEngineTypes) {
  RunProject p = projectWith({carton(600, 400, 300, 10, 100, true, 2)}, 10, 5, 6);
  auto plan = buildPlan(p, -1, 7000);
  EXPECT_EQ(plan->input().spaceX, 2300);
  EXPECT_EQ(plan->input().spaceY, 2450);
  EXPECT_EQ(plan->input().spaceZ, 7000);
  EXPECT_EQ(plan->input().spaceVolume, 2300.0 * 2450.0 * 7000.0);
  EXPECT_EQ(plan->input().maxWeight, 20000);
  EXPECT_EQ(plan->input().gapX, 5);
  EXPECT_EQ(plan->input().gapY, 6);
  EXPECT_EQ(plan->input().gapZ, 10);
  ASSERT_EQ(plan->typeCount(), 1u);
  const PlanCarton& t = plan->input().types[0];
  EXPECT_EQ(t.dimW, 400);
  EXPECT_EQ(t.dimH, 300);
  EXPECT_EQ(t.dimL, 600);
  EXPECT_EQ(t.volume, 72000000.0);
  EXPECT_EQ(t.standMask, kStandUpright);
  EXPECT_EQ(t.upendLayers, 2);
  EXPECT_EQ(t.count, 100);
}

TEST(BuildPlan, takesOnlyTheGroupsCartonsInListOrder) {
  RunProject p = projectWith({carton(100, 100, 100, 1, 1), carton(200, 200, 200, 1, 2),
                              carton(300, 300, 300, 1, 3), carton(400, 400, 400, 1, 4)});
  p.groupKeys[0] = 100;
  p.groupKeys[1] = 0;
  p.groupKeys[2] = 100;
  p.groupKeys[3] = 101;
  auto group = buildPlan(p, 100, 11800);
  ASSERT_EQ(group->typeCount(), 2u);
  EXPECT_EQ(group->input().types[0].count, 1);
  EXPECT_EQ(group->input().types[1].count, 3);
  EXPECT_EQ(buildPlan(p, -1, 11800)->typeCount(), 4u);
  EXPECT_EQ(buildPlan(p, 7, 11800)->typeCount(), 0u);
  EXPECT_EQ(buildPlan(p, 7, 11800)->run(6, false).sets, 0);
}

TEST(Prepare, estimatesSetsByVolumeAndWeight) {
  // 66 493 000 000 / 7 200 000 000 = 9.235 by volume, 20000 / 1000 = 20 by weight.
  RunProject p = projectWith({carton(600, 400, 300, 10, 100)});
  EXPECT_EQ(buildPlan(p, -1, 11800)->input().setsEstimate, 9);
  // Heavier cartons: 20000 / 4000 = 5 sets by weight.
  p.input.cartons[0].weight = 40;
  EXPECT_EQ(buildPlan(p, -1, 11800)->input().setsEstimate, 5);
  // Weightless cartons: the volume alone.
  p.input.cartons[0].weight = 0;
  auto plan = buildPlan(p, -1, 11800);
  EXPECT_EQ(plan->input().setsEstimate, 9);
  plan->prepare();
  EXPECT_EQ(plan->input().setsEstimate, 9);
}

TEST(Prepare, pairsTheLargestGapWithTheLargestEdge) {
  // (600 + 10) x (400 + 5) x (300 + 5) = 75 353 250 per carton, whatever the orientation.
  RunProject p = projectWith({carton(600, 400, 300, 0, 1)}, 5, 10, 5);
  auto plan = buildPlan(p, -1, 11800);
  EXPECT_EQ(plan->input().setsEstimate, static_cast<int>(66493000000.0 / 75353250.0));
  plan->run(6, true).sets;
  EXPECT_EQ(plan->input().grossVolumeOf(plan->input().types[0]), 610.0 * 405.0 * 305.0);
}

TEST(Prepare, aPlanWithoutCartonsToLoadEstimatesNothing) {
  RunProject p = projectWith({});
  EXPECT_EQ(buildPlan(p, -1, 11800)->input().setsEstimate, 0);
}

TEST(Candidates, aFreeCartonHasAllSixOrientationsUnlimited) {
  expectCandidates(candidatesOf(projectWith({carton(600, 400, 300, 0, 1)})),
                   {{400, 600, 300, 0, 55555},
                    {300, 400, 600, 1, 55555},
                    {600, 300, 400, 2, 55555},
                    {400, 300, 600, 3, 55555},
                    {300, 600, 400, 4, 55555},
                    {600, 400, 300, 5, 55555}});
}

TEST(Candidates, anUprightCartonMayLieOnlyInItsTopLayers) {
  expectCandidates(candidatesOf(projectWith({carton(600, 400, 300, 0, 1, true, 2)})),
                   {{400, 600, 300, 0, 2},
                    {300, 400, 600, 1, 2},
                    {600, 300, 400, 2, 55555},
                    {400, 300, 600, 3, 55555},
                    {300, 600, 400, 4, 2},
                    {600, 400, 300, 5, 2}});
  expectCandidates(candidatesOf(projectWith({carton(600, 400, 300, 0, 1, true, 0)})),
                   {{600, 300, 400, 2, 55555}, {400, 300, 600, 3, 55555}});
}

TEST(Candidates, spacingIsAddedPerAxis) {
  auto all = candidatesOf(projectWith({carton(600, 400, 300, 0, 1)}, 5, 10, 5));
  EXPECT_EQ(all[3].dx, 410);
  EXPECT_EQ(all[3].dy, 305);
  EXPECT_EQ(all[3].dz, 605);
}

TEST(Candidates, followTypeOrder) {
  auto all = candidatesOf(projectWith({carton(600, 400, 300, 0, 1, true), carton(500, 500, 500, 0, 1)}));
  ASSERT_EQ(all.size(), 8u);
  EXPECT_EQ(all[1].orientation, 3);
  EXPECT_EQ(all[2].orientation, 0);
  EXPECT_EQ(all[2].dx, 500);
}

struct DepthCase {
  int types;
  int setsEstimate;
  int maxBlockNum;
  unsigned maxDepth;
};

class DepthLimit : public ::testing::TestWithParam<DepthCase> {};

TEST_P(DepthLimit, followsTypesEstimateAndBlockLimit) {
  const DepthCase d = GetParam();
  // One 1 mm cube of each type in a 1 x 1 x (sets x types) mm box.
  RunProject p = projectWith(std::vector<Carton>(static_cast<std::size_t>(d.types), carton(1, 1, 1, 0, 1)));
  p.input.container = Container{"c", d.setsEstimate * d.types, 1, 1, 20000};
  auto plan = buildPlan(p, -1, p.input.container.length);
  ASSERT_EQ(plan->input().setsEstimate, d.setsEstimate);
  std::atomic<bool> cancelled{true};  // the depth is set before any search starts
  plan->setCancelFlag(&cancelled);
  plan->run(d.maxBlockNum, false);
  EXPECT_EQ(plan->setup().maxDepth, d.maxDepth);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, DepthLimit,
    ::testing::Values(DepthCase{1, 1000, 6, 3}, DepthCase{1, 1356, 6, 3}, DepthCase{1, 1357, 6, 2},
                      DepthCase{1, 2467, 6, 2}, DepthCase{1, 2468, 6, 1}, DepthCase{1, 1000, 1, 0},
                      DepthCase{1, 1000, 3, 2}, DepthCase{2, 455, 6, 4}, DepthCase{2, 456, 6, 3},
                      DepthCase{2, 1357, 6, 3}, DepthCase{2, 1358, 6, 2}, DepthCase{2, 100, 4, 3},
                      DepthCase{3, 100, 6, 5}, DepthCase{3, 100, 2, 1}, DepthCase{4, 100, 1, 4},
                      DepthCase{6, 10, 6, 6}, DepthCase{1, 1000, 0, 0}));
