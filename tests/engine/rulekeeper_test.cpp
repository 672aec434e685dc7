// The load-max planner keeps the cargo rules: small loads whose answer is known by hand,
// each also planned without its rule to show the rule decides it, and random projects
// with every rule mixed. The plan checker (src/check), which shares nothing with the
// planner, judges every plan.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <random>
#include <string>

#include "check/plancheck.h"
#include "check/projectplan.h"
#include "commands/packinglist.h"
#include "engine/maxload/maxloadproject.h"
#include "engine_test_support.h"
#include "model/fillscheme.h"
#include "model/vehicle.h"

namespace {

struct Planned {
  MaxLoadResult plan;
  check::CheckReport report;
};

// Plans the project briefly on one thread (the same answer every time) and checks the plan
// against the project's rules.
Planned planAndCheck(const FillScheme& project, std::uint64_t effort = 20'000) {
  MaxLoadOptions options;
  options.timeLimitSeconds = 0;
  options.effortBudget = effort;
  options.threads = 1;
  Planned out;
  out.plan = loadAsMuchAsFits(project.input(), options);
  ProjectResult result;
  result.mode = PlanningMode::LoadMax;
  result.supportPercent = options.supportPercent;
  result.containers.push_back(LoadedContainer{project.container, out.plan.blocks});
  out.report = check::checkPlan(check::loadedContainerCheckInput(project, result, result.containers[0]));
  return out;
}

// The plan made without a rule, checked against the project that sets it.
check::CheckReport planWithoutRuleCheckedWithIt(const FillScheme& ruled, const FillScheme& free) {
  Planned p = planAndCheck(free);
  ProjectResult result;
  result.mode = PlanningMode::LoadMax;
  result.supportPercent = 100;
  result.containers.push_back(LoadedContainer{ruled.container, p.plan.blocks});
  return check::checkPlan(check::loadedContainerCheckInput(ruled, result, result.containers[0]));
}

bool breaks(const check::CheckReport& report, check::Rule rule) {
  return std::any_of(report.violations.begin(), report.violations.end(),
                     [&](const check::Violation& v) { return v.rule == rule; });
}

std::string describe(const check::CheckReport& report) {
  std::string text;
  for (const check::Violation& v : report.violations)
    text += "rule " + std::to_string(static_cast<int>(v.rule)) + " by " + std::to_string(v.amount) + "\n";
  return text;
}

// A hand-known case: the project without the rule, the rule, what the plan loads with it,
// and the checker's name of the rule a plan made without it breaks.
struct KnownCase {
  const char* name;
  std::function<FillScheme()> project;
  std::function<void(FillScheme&)> setRule;
  std::int64_t loadedWithRule;
  std::int64_t loadedWithoutRule;
  check::Rule brokenWithout;
  bool checkedWithoutBreaks;  // whether the plan without the rule breaks it (else it loads more)
};

// 600 x 600 x 500 cartons standing upright, 10 kg each.
CartonSpec upright(int count, int length = 600, int height = 500) { return {length, 600, height, count, true, 0, 10}; }

const KnownCase kKnownCases[] = {
    // Two columns of two: a not stackable carton ends a column, so of three such cartons
    // and one ordinary carton only three go in (the ordinary one under one of them).
    {"notStackableLeavesTheRoomAboveIt", [] { return projectOf(1200, 600, 1000, {upright(3), upright(1)}); },
     [](FillScheme& p) { p.cartons[0].stackable = false; }, 3, 4, check::Rule::NotStackable, false},
    // Cartons of 10 kg that bear 25 kg: a column of three, 1500 mm of the 3000.
    {"loadLimitStopsTheColumnAtThreeCartons", [] { return projectOf(600, 600, 3000, {upright(6)}); },
     [](FillScheme& p) { p.cartons[0].maxLoadOnTop = 25; }, 3, 6, check::Rule::LoadOnTop, false},
    // A carton twice as long bridges two cartons that bear 5 kg: half its 20 kg is too
    // much for each, so it goes under them.
    {"loadLimitSharesABridgeByContact",
     [] { return projectOf(1200, 600, 1000, {upright(2), {1200, 600, 500, 1, true, 0, 20}}); },
     [](FillScheme& p) { p.cartons[0].maxLoadOnTop = 5; }, 3, 3, check::Rule::LoadOnTop, true},
    // A fragile carton as long as the container and two ordinary ones half as long: the
    // ordinary ones go under it.
    {"fragileCartonGoesOnTopOfOrdinaryOnes",
     [] { return projectOf(1200, 600, 1000, {upright(1, 1200), upright(2)}); },
     [](FillScheme& p) { p.cartons[0].fragile = true; }, 3, 3, check::Rule::Fragile, true},
    // One carton for each of three stops in a row of three places: the first stop's carton
    // (listed first, so loaded first without the stops) goes by the door.
    {"threeStopsComeOutInOrder", [] { return projectOf(1800, 600, 500, {upright(1), upright(1), upright(1)}); },
     [](FillScheme& p) {
       p.stops = {"甲", "乙", "丙"};
       p.cartons[0].stop = "甲";
       p.cartons[1].stop = "乙";
       p.cartons[2].stop = "丙";
     },
     3, 3, check::Rule::StopOrder, true},
};

std::ostream& operator<<(std::ostream& out, const KnownCase& c) { return out << c.name; }

class KeptRule : public ::testing::TestWithParam<KnownCase> {};

TEST_P(KeptRule, holdsAndDecidesTheLoad) {
  const KnownCase& c = GetParam();
  FillScheme ruled = c.project();
  c.setRule(ruled);
  const Planned with = planAndCheck(ruled);
  EXPECT_TRUE(with.report.holds()) << describe(with.report);
  EXPECT_EQ(with.plan.loadedCount, c.loadedWithRule);

  const FillScheme free = c.project();
  EXPECT_EQ(planAndCheck(free).plan.loadedCount, c.loadedWithoutRule);
  if (c.checkedWithoutBreaks) {
    EXPECT_TRUE(breaks(planWithoutRuleCheckedWithIt(ruled, free), c.brokenWithout));
  }
}

INSTANTIATE_TEST_SUITE_P(RuleKeeper, KeptRule, ::testing::ValuesIn(kKnownCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RuleKeeper, stopsOrderTheLoadFromTheDoorAndNeverBuryAnEarlierStop) {
  // Two cartons for each of three stops, in two layers: each stop takes one place of the
  // row, its two cartons one on the other.
  FillScheme p = projectOf(1800, 600, 1000, {upright(2), upright(2), upright(2)});
  p.stops = {"甲", "乙", "丙"};
  p.cartons[0].stop = "甲";
  p.cartons[1].stop = "乙";  // the third carton names no stop: the last
  const Planned planned = planAndCheck(p);
  EXPECT_TRUE(planned.report.holds()) << describe(planned.report);
  ASSERT_EQ(planned.plan.loadedCount, 6);
  for (const MaxLoadPlacement& c : planned.plan.placements)
    EXPECT_EQ(c.z, (2 - c.cartonIndex) * 600) << "type " << c.cartonIndex;
}

// Two heavy cartons among eight light ones fill a 6 m container in a row: they must lie
// near the middle for the centre of gravity to stay within 5 % of it.
FillScheme heavyAmongLight(double heavy) {
  return projectOf(6000, 1200, 1200, {{600, 1200, 1200, 2, true, 0, heavy}, {600, 1200, 1200, 8, true, 0, 10}});
}

double centreAlongLength(const MaxLoadResult& plan, const FillScheme& p) {
  double mass = 0, moment = 0;
  for (const MaxLoadPlacement& c : plan.placements) {
    const double w = p.cartons[static_cast<std::size_t>(c.cartonIndex)].weight;
    mass += w;
    moment += w * (c.z + c.sizeZ / 2.0);
  }
  return moment / mass;
}

TEST(RuleKeeper, theBalanceWindowPutsHeavyCartonsNearTheMiddle) {
  FillScheme p = heavyAmongLight(800);
  const FillScheme free = p;
  p.container.balance = lengthBalancePreset();
  const Planned kept = planAndCheck(p);
  EXPECT_TRUE(kept.report.holds()) << describe(kept.report);
  EXPECT_NEAR(centreAlongLength(kept.plan, p), 3000, 300);
  EXPECT_EQ(kept.plan.loadedCount, 10);
  EXPECT_TRUE(breaks(planWithoutRuleCheckedWithIt(p, free), check::Rule::CentreAlongLength));
}

TEST(RuleKeeper, anOverloadedRearAxleSendsHeavyCartonsForward) {
  // On the 12 t truck 4 t of cartons may lie no further back than about 5.3 m from the
  // inner end of a 6 m body; without the truck the heavy cartons go by the door.
  FillScheme p = heavyAmongLight(2000);
  const FillScheme free = p;
  p.container.vehicle = vehiclePresets()[1].vehicle;
  const Planned kept = planAndCheck(p);
  EXPECT_TRUE(kept.report.holds()) << describe(kept.report);
  EXPECT_EQ(kept.plan.loadedCount, 10);
  const check::CheckReport without = planWithoutRuleCheckedWithIt(p, free);
  ASSERT_TRUE(breaks(without, check::Rule::AxleLoad));
  EXPECT_EQ(without.violations[0].axle, 1);
}

TEST(RuleKeeper, whatNoArrangementKeepsIsLeftOutUntilTheAxlesHold) {
  // Ten cartons of 1.5 t: no order keeps the 12 t truck's axles with all of them on it.
  FillScheme p = projectOf(6000, 1200, 1200, {{600, 1200, 1200, 10, true, 0, 1500}}, 1'000'000);
  p.container.vehicle = vehiclePresets()[1].vehicle;
  const Planned kept = planAndCheck(p);
  EXPECT_TRUE(kept.report.holds()) << describe(kept.report);
  EXPECT_GT(kept.plan.loadedCount, 0);
  EXPECT_LT(kept.plan.loadedCount, 10);
}

// Random projects with every rule mixed: every plan keeps them all.
TEST(RuleKeeper, randomProjectsWithEveryRuleMixedPassTheChecker) {
  std::mt19937 random(20261208);
  const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const auto chance = [&](int percent) { return between(1, 100) <= percent; };
  for (int round = 0; round < 40; ++round) {
    FillScheme p = projectOf(between(1500, 3000), between(1000, 1600), between(1000, 1600), {});
    p.stops = {"甲", "乙", "丙"};
    p.spacingL = between(0, 1) * 10;
    const int types = between(2, 5);
    for (int t = 0; t < types; ++t) {
      Carton& c = p.addCarton();
      c.length = between(200, 800);
      c.width = between(200, 700);
      c.height = between(150, 600);
      c.count = between(2, 20);
      c.weight = between(5, 60);
      c.mustUp = chance(50);
      c.stackable = !chance(20);
      if (chance(35)) c.maxLoadOnTop = c.weight * between(1, 40) / 10.0;
      c.fragile = chance(25);
      if (chance(75)) c.stop = p.stops[static_cast<std::size_t>(between(0, 2))];
      if (chance(15)) c.spaceIndex = chance(50) ? kSpaceInner : kSpaceDoor;
    }
    if (chance(40)) p.container.balance = BalanceWindow{between(2, 10), chance(50) ? std::optional<double>(between(2, 10)) : std::nullopt,
                                                        chance(30) ? std::optional<std::int32_t>(between(300, 700)) : std::nullopt};
    if (chance(40)) {
      p.container.vehicle = vehiclePresets()[static_cast<std::size_t>(between(0, 2))].vehicle;
      for (Carton& c : p.cartons) c.weight *= 20;  // heavy enough for the axles to matter
    }
    const Planned planned = planAndCheck(p, 5'000);
    EXPECT_TRUE(planned.report.holds()) << "round " << round << "\n" << describe(planned.report);
    EXPECT_GT(planned.plan.loadedCount, 0) << "round " << round;
  }
}

// Upright cartons that are not stackable and go to the last stop start at the inner end and
// would cover the floor, where nothing else may stand on them: the plan leaves them all
// behind and loads every other carton instead, within every rule.
TEST(RuleKeeper, cartonsThatWouldCoverTheFloorAreLeftBehindForTheRest) {
  const PackingList list = readPackingListFile(std::string(CARGOLYX_TEST_DATA_DIR) + "/rules-floor.csv");
  ASSERT_TRUE(list.ok()) << list.message;
  FillScheme p;
  p.container = Container{"小柜", 5870, 2330, 2200, 24000};
  p.cartons = list.cartons;
  p.stops = list.stops;
  const Planned planned = planAndCheck(p, 200'000);
  EXPECT_TRUE(planned.report.holds()) << describe(planned.report);
  // Everything but C: 82.3 % of the container.
  EXPECT_GE(planned.plan.netRatio, 0.8227);
  EXPECT_GE(planned.plan.loadedCount, 140);

  // The same budget gives the same plan.
  const Planned again = planAndCheck(p, 200'000);
  ASSERT_EQ(again.plan.blocks.size(), planned.plan.blocks.size());
  for (std::size_t i = 0; i < planned.plan.blocks.size(); ++i) {
    const BlockScheme& a = planned.plan.blocks[i];
    const BlockScheme& b = again.plan.blocks[i];
    EXPECT_TRUE(a.x == b.x && a.y == b.y && a.z == b.z && a.cartonIndex == b.cartonIndex && a.count == b.count &&
                a.orientation == b.orientation)
        << "block " << i;
  }
}

// A type whose rules cost more than it brings is left out only where that loads more: an
// ordinary order with one fragile type that fits on top keeps it.
TEST(RuleKeeper, cartonsWithARuleStayWhenTheyCostNothing) {
  FillScheme p = projectOf(1200, 600, 1000, {upright(2), upright(2)});
  p.cartons[1].fragile = true;
  const Planned planned = planAndCheck(p);
  EXPECT_TRUE(planned.report.holds()) << describe(planned.report);
  EXPECT_EQ(planned.plan.loadedCount, 4);
}

}  // namespace
