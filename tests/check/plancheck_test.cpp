// The plan checker: each rule broken by a hand-made plan, and kept once the fault is gone.

#include "check/plancheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <random>
#include <set>
#include <utility>

namespace check {
namespace {

// A 1000 mm cube of a container for 100 kg, without spacing. Type 0: a 100 mm cube of
// 10 kg, ten of them. Type 1: a carton 300 long, 200 wide, 100 high that must stay upright
// but may lie in two top layers, four of them.
CheckInput emptyPlan() {
  CheckInput in;
  in.container = ContainerSize{1000, 1000, 1000, 100};
  CartonType cube;
  cube.name = "cube";
  cube.length = cube.width = cube.height = 100;
  cube.count = 10;
  cube.weight = 10;
  CartonType upright;
  upright.name = "upright";
  upright.length = 300;
  upright.width = 200;
  upright.height = 100;
  upright.count = 4;
  upright.standingEdges = kEdgeH;
  upright.lyingEdges = kEdgeL | kEdgeW;
  upright.lyingLayers = 2;
  in.types = {cube, upright};
  return in;
}

PlacedCarton cube(std::int32_t x, std::int32_t y, std::int32_t z) {
  return {0, x, y, z, 100, 100, 100};
}
// The upright type lying on its width: 300 across, 200 up, 100 along.
PlacedCarton lying(std::int32_t x, std::int32_t y, std::int32_t z) {
  return {1, x, y, z, 300, 200, 100};
}

CheckInput planOf(std::vector<PlacedCarton> cartons) {
  CheckInput in = emptyPlan();
  in.cartons = std::move(cartons);
  return in;
}

struct RuleCase {
  const char* name;
  std::function<CheckInput()> broken;  // breaks the rule once
  std::function<CheckInput()> fixed;   // the same plan without the fault
  Rule rule;
  std::vector<std::size_t> cartons;
  double amount;
};

std::ostream& operator<<(std::ostream& out, const RuleCase& c) { return out << c.name; }

const RuleCase kRuleCases[] = {
    {"unknownType",
     [] {
       return planOf({{3, 0, 0, 0, 100, 100, 100}});
     },
     [] { return planOf({cube(0, 0, 0)}); },
     Rule::UnknownType,
     {0},
     3},
    {"outsideAcross",
     [] { return planOf({cube(950, 0, 0)}); },
     [] { return planOf({cube(900, 0, 0)}); },
     Rule::Outside,
     {0},
     50},
    {"outsideBelowTheFloor",
     [] { return planOf({cube(0, -5, 0)}); },
     [] { return planOf({cube(0, 0, 0)}); },
     Rule::Outside,
     {0},
     5},
    {"outsideByItsSpacing",
     [] {
       CheckInput in = planOf({cube(0, 0, 900)});
       in.spacing.gapZ = 10;
       return in;
     },
     [] {
       CheckInput in = planOf({cube(0, 0, 890)});
       in.spacing.gapZ = 10;
       return in;
     },
     Rule::Outside,
     {0},
     10},
    {"overlap",
     [] {
       return planOf({cube(0, 0, 0), cube(60, 0, 0)});
     },
     [] {
       return planOf({cube(0, 0, 0), cube(100, 0, 0)});
     },
     Rule::Overlap,
     {0, 1},
     40},
    {"overlapOfTheSpacing",
     [] {
       CheckInput in = planOf({cube(0, 0, 105), cube(0, 0, 0)});
       in.spacing.gapZ = 10;
       return in;
     },
     [] {
       CheckInput in = planOf({cube(0, 0, 110), cube(0, 0, 0)});
       in.spacing.gapZ = 10;
       return in;
     },
     Rule::Overlap,
     {0, 1},
     5},
    {"extentsNotItsEdges",
     [] {
       return planOf({{0, 0, 0, 0, 100, 90, 100}});
     },
     [] { return planOf({cube(0, 0, 0)}); },
     Rule::Extents,
     {0},
     0},
    {"standsOnAnEdgeItMayNot",
     [] {
       CheckInput in = planOf({lying(0, 0, 0)});
       in.types[1].lyingLayers = 0;  // may not lie at all
       return in;
     },
     [] {
       CheckInput in = planOf({{1, 0, 0, 0, 300, 100, 200}});
       in.types[1].lyingLayers = 0;
       return in;
     },
     Rule::Orientation,
     {0},
     0},
    {"cartonOnALyingCarton",
     [] {
       return planOf({lying(0, 0, 0), cube(0, 200, 0)});
     },
     [] {
       return planOf({lying(0, 0, 0), cube(300, 0, 0)});
     },
     Rule::OnLyingCarton,
     {0, 1},
     0},
    {"cartonFloatingAboveALyingCarton",
     [] {
       return planOf({lying(0, 0, 0), cube(200, 500, 0)});
     },
     [] {
       return planOf({lying(0, 0, 0), cube(300, 500, 0)});
     },
     Rule::OnLyingCarton,
     {0, 1},
     0},
    {"tooManyLyingLayers",
     [] {
       return planOf({lying(0, 0, 0), lying(0, 200, 0), lying(0, 400, 0)});
     },
     [] {
       return planOf({lying(0, 0, 0), lying(0, 200, 0), lying(300, 0, 0)});
     },
     Rule::LyingLayers,
     {2},
     1},
    {"lyingLayersCountAcrossAGap",
     [] {
       CheckInput in = planOf({lying(0, 0, 0), lying(100, 600, 0)});
       in.types[1].lyingLayers = 1;
       return in;
     },
     [] {
       CheckInput in = planOf({lying(0, 0, 0), lying(300, 600, 0)});
       in.types[1].lyingLayers = 1;
       return in;
     },
     Rule::LyingLayers,
     {1},
     1},
    {"overTheCount",
     [] {
       CheckInput in = planOf({cube(0, 0, 0), cube(100, 0, 0), cube(200, 0, 0)});
       in.types[0].count = 2;
       return in;
     },
     [] {
       CheckInput in = planOf({cube(0, 0, 0), cube(100, 0, 0), cube(200, 0, 0)});
       in.types[0].count = 2;
       in.setCount = 2;  // two sets of two
       return in;
     },
     Rule::Count,
     {2},
     1},
    {"noSetCountIsOneSet",
     [] {
       CheckInput in = planOf({cube(0, 0, 0), cube(100, 0, 0)});
       in.types[0].count = 1;
       in.setCount = 0;
       return in;
     },
     [] {
       CheckInput in = planOf({cube(0, 0, 0)});
       in.types[0].count = 1;
       in.setCount = 0;
       return in;
     },
     Rule::Count,
     {1},
     1},
    {"overweight",
     [] {
       CheckInput in = planOf({cube(0, 0, 0), cube(100, 0, 0), cube(200, 0, 0)});
       in.container.maxWeight = 25;
       return in;
     },
     [] {
       CheckInput in = planOf({cube(0, 0, 0), cube(100, 0, 0), cube(200, 0, 0)});
       in.container.maxWeight = 30;  // exactly full
       return in;
     },
     Rule::Weight,
     {},
     5},
    {"laterZoneStartsFirst",
     [] {
       CheckInput in = planOf({cube(0, 0, 100), cube(0, 0, 0)});
       in.types.push_back(in.types[0]);
       in.types[0].zone = kZoneInnerEnd;
       in.types[2].zone = kZoneDoor;
       in.cartons[1].type = 2;
       return in;
     },
     [] {
       CheckInput in = planOf({cube(0, 0, 100), cube(0, 0, 100)});
       in.types.push_back(in.types[0]);
       in.types[0].zone = kZoneInnerEnd;
       in.types[2].zone = kZoneDoor;
       in.cartons[1] = {2, 100, 0, 100, 100, 100, 100};  // beside it: starts where it does
       return in;
     },
     Rule::Zone,
     {1, 0},
     100},
    {"partlyCarried",
     [] {
       CheckInput in = planOf({cube(0, 0, 0), cube(50, 100, 0)});
       in.supportPercent = 60;
       return in;
     },
     [] {
       CheckInput in = planOf({cube(0, 0, 0), cube(50, 100, 0)});
       in.supportPercent = 50;
       return in;
     },
     Rule::Support,
     {1},
     10},
    {"floatingAMillimetreAbove",
     [] {
       CheckInput in = planOf({cube(0, 0, 0), cube(0, 101, 0)});
       in.supportPercent = 1;
       return in;
     },
     [] {
       CheckInput in = planOf({cube(0, 0, 0), cube(0, 101, 0)});
       in.supportPercent = 0;
       return in;
     },
     Rule::Support,
     {1},
     1},
};

class EachRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(EachRule, isBrokenOnceAndKeptWithoutTheFault) {
  const RuleCase& c = GetParam();
  const CheckReport broken = checkPlan(c.broken());
  ASSERT_EQ(broken.violations.size(), 1u);
  const Violation& v = broken.violations[0];
  EXPECT_EQ(v.rule, c.rule);
  EXPECT_EQ(v.cartons, c.cartons);
  EXPECT_DOUBLE_EQ(v.amount, c.amount);
  EXPECT_FALSE(broken.stoppedEarly);

  const CheckReport fixed = checkPlan(c.fixed());
  EXPECT_TRUE(fixed.holds()) << "first: rule " << static_cast<int>(fixed.violations[0].rule);
}

INSTANTIATE_TEST_SUITE_P(PlanCheck, EachRule, ::testing::ValuesIn(kRuleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlanCheck, aStackedPlanOfEveryKindHolds) {
  // Cubes on the floor and on each other, upright cartons standing, two lying layers on top.
  CheckInput in = planOf({cube(0, 0, 0),
                          cube(100, 0, 0),
                          cube(200, 0, 0),
                          cube(0, 100, 0),
                          cube(100, 100, 0),
                          cube(200, 100, 0),
                          lying(0, 200, 0),
                          lying(0, 400, 0),
                          {1, 300, 0, 0, 200, 100, 300}});
  in.supportPercent = 100;
  EXPECT_TRUE(checkPlan(in).holds());
}

TEST(PlanCheck, theAllowanceGrowsWithTheSetsWithoutOverflowing) {
  CartonType type;
  type.count = 3;
  EXPECT_EQ(allowedCount(type, -2), 3);
  EXPECT_EQ(allowedCount(type, 0), 3);
  EXPECT_EQ(allowedCount(type, 5), 15);
  const std::int64_t most = std::numeric_limits<std::int64_t>::max();
  EXPECT_EQ(allowedCount(type, most / 2), most);
  type.count = 0;
  EXPECT_EQ(allowedCount(type, 5), 0);
}

TEST(PlanCheck, supportAddsTheTopsOfEveryBoxRightBelow) {
  // Straddling two cubes: carried in full; one of them gone: half.
  CheckInput in = planOf({cube(0, 0, 0), cube(100, 0, 0), cube(50, 100, 0)});
  in.supportPercent = 100;
  EXPECT_TRUE(checkPlan(in).holds());
  in.cartons.erase(in.cartons.begin());
  const CheckReport half = checkPlan(in);
  ASSERT_EQ(half.violations.size(), 1u);
  EXPECT_DOUBLE_EQ(half.violations[0].amount, 50);
  // The gross base counts: with spacing across, the base is 110 wide and the top below too.
  in.spacing.gapX = 10;
  in.cartons = {cube(0, 0, 0), cube(55, 100, 0)};
  in.supportPercent = 50;
  EXPECT_TRUE(checkPlan(in).holds());
  in.supportPercent = 51;
  EXPECT_FALSE(checkPlan(in).holds());
}

TEST(PlanCheck, equalEdgesReadTheKindestWay) {
  // Length and height both 300: standing on the 300 mm edge is standing on its height.
  CheckInput in = emptyPlan();
  in.types[1].length = 300;
  in.types[1].width = 200;
  in.types[1].height = 300;
  in.types[1].lyingLayers = 0;
  in.cartons = {{1, 0, 0, 0, 200, 300, 300}};
  EXPECT_TRUE(checkPlan(in).holds());
  in.cartons = {{1, 0, 0, 0, 300, 200, 300}};
  EXPECT_EQ(checkPlan(in).violations.at(0).rule, Rule::Orientation);
}

TEST(PlanCheck, aZoneStartsBehindTheLatestStartOfEveryEarlierZone) {
  // Inner end, free and door zones; the door carton starts behind the inner-end carton but
  // before the free one.
  CheckInput in = planOf({cube(0, 0, 0), cube(0, 0, 300), cube(100, 0, 200)});
  in.types.push_back(in.types[0]);
  in.types.push_back(in.types[0]);
  in.types[0].zone = kZoneInnerEnd;
  in.types[2].zone = kZoneFree;
  in.types[3].zone = kZoneDoor;
  in.cartons[1].type = 2;
  in.cartons[2].type = 3;
  const CheckReport report = checkPlan(in);
  ASSERT_EQ(report.violations.size(), 1u);
  EXPECT_EQ(report.violations[0].cartons, (std::vector<std::size_t>{2, 1}));
  EXPECT_DOUBLE_EQ(report.violations[0].amount, 100);
}

// Every pair of gross boxes that overlap, by comparing each with each.
std::set<std::pair<std::size_t, std::size_t>> overlappingPairs(const CheckInput& in) {
  std::set<std::pair<std::size_t, std::size_t>> pairs;
  const Spacing& g = in.spacing;
  for (std::size_t a = 0; a < in.cartons.size(); ++a)
    for (std::size_t b = a + 1; b < in.cartons.size(); ++b) {
      const PlacedCarton& p = in.cartons[a];
      const PlacedCarton& q = in.cartons[b];
      const auto meets = [](std::int64_t p1, std::int64_t pn, std::int64_t q1, std::int64_t qn) {
        return p1 < q1 + qn && q1 < p1 + pn;
      };
      if (meets(p.x, p.sizeX + g.gapX, q.x, q.sizeX + g.gapX) &&
          meets(p.y, p.sizeY + g.gapY, q.y, q.sizeY + g.gapY) &&
          meets(p.z, p.sizeZ + g.gapZ, q.z, q.sizeZ + g.gapZ))
        pairs.emplace(a, b);
    }
  return pairs;
}

TEST(PlanCheck, findsTheSameOverlapsAsComparingEveryPair) {
  // Boxes of mixed sizes, some far larger than the rest, some reaching outside.
  std::mt19937 dice(7);
  const auto between = [&](int lo, int hi) {
    return lo + static_cast<int>(dice() % unsigned(hi - lo + 1));
  };
  for (int round = 0; round < 20; ++round) {
    CheckInput in = emptyPlan();
    in.types[0].count = 100000;
    in.spacing = Spacing{between(0, 20), between(0, 20), between(0, 20)};
    for (int i = 0; i < 300; ++i) {
      const bool large = between(1, 20) == 1;
      in.cartons.push_back({0, between(-50, 990), between(-50, 990), between(-50, 990),
                            large ? between(300, 900) : between(1, 80),
                            large ? between(300, 900) : between(1, 80), between(1, 80)});
    }
    std::set<std::pair<std::size_t, std::size_t>> found;
    for (const Violation& v : checkPlan(in).violations)
      if (v.rule == Rule::Overlap) found.emplace(v.cartons.at(0), v.cartons.at(1));
    EXPECT_EQ(found, overlappingPairs(in)) << "round " << round;
  }
}

TEST(PlanCheck, aHundredThousandCartonsTileTheContainer) {
  // 50 x 40 x 50 cubes of 20 mm, 2 mm apart, in a container they fill exactly; then one of
  // them moved halfway into its neighbour.
  CheckInput in;
  in.container = ContainerSize{1100, 880, 1100, 1e6};
  in.spacing = Spacing{2, 2, 2};
  CartonType small;
  small.length = small.width = small.height = 20;
  small.count = 100000;
  small.weight = 1;
  in.types = {small};
  in.supportPercent = 100;
  for (std::int32_t x = 0; x < 50; ++x)
    for (std::int32_t y = 0; y < 40; ++y)
      for (std::int32_t z = 0; z < 50; ++z)
        in.cartons.push_back({0, 22 * x, 22 * y, 22 * z, 20, 20, 20});
  ASSERT_EQ(in.cartons.size(), 100000u);
  EXPECT_TRUE(checkPlan(in).holds());

  const std::size_t moved = 1234;  // x 0, y 24, z 34: its neighbour along z is next
  in.cartons[moved].z += 11;
  const CheckReport report = checkPlan(in);
  ASSERT_FALSE(report.holds());
  EXPECT_EQ(report.violations[0].rule, Rule::Overlap);
  EXPECT_EQ(report.violations[0].cartons, (std::vector<std::size_t>{moved, moved + 1}));
  EXPECT_DOUBLE_EQ(report.violations[0].amount, 11);
  // The carton above it now stands on it in part and on the gap it left.
  std::size_t supportFindings = 0;
  for (const Violation& v : report.violations) supportFindings += v.rule == Rule::Support;
  EXPECT_EQ(supportFindings, 1u);
}

TEST(PlanCheck, stopsAtTheLimitOfFindings) {
  CheckInput in = emptyPlan();
  in.types[0].count = 1000;
  in.container.maxWeight = 1e9;
  for (int i = 0; i < 200; ++i) in.cartons.push_back(cube(0, 0, 0));  // 19 900 overlapping pairs
  const CheckReport report = checkPlan(in);
  EXPECT_TRUE(report.stoppedEarly);
  EXPECT_EQ(report.violations.size(), kMaxViolations);
}

}  // namespace
}  // namespace check
