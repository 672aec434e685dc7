// The several-containers planner: cases whose answer is known by hand, the bounds, cartons
// that fit nowhere, a fixed fleet, and random orders whose every container the plan
// checker holds against the rules.

#include "engine/fleet/fleet.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>

#include "check/plancheck.h"
#include "check/projectplan.h"
#include "engine/fleet/bounds.h"
#include "engine/fleet/trim.h"
#include "testeffort.h"

namespace {

MaxLoadType cube(std::int32_t edge, std::int32_t count, double weight = 0) {
  MaxLoadType t;
  t.name = "cube";
  t.length = t.width = t.height = edge;
  t.count = count;
  t.weight = weight;
  return t;
}

FleetContainerType container(std::int32_t x, std::int32_t y, std::int32_t z, double cost = 1,
                             std::int32_t available = -1, double maxWeight = 1e9) {
  return FleetContainerType{x, y, z, maxWeight, cost, available};
}

// A fixed effort and no time limit: the same answer on every machine.
FleetInput inputOf(std::vector<FleetContainerType> containers, std::vector<MaxLoadType> types) {
  FleetInput input;
  input.containers = std::move(containers);
  input.cargo.types = std::move(types);
  input.timeLimitSeconds = 0;
  input.effortBudget = testEffort(200'000'000);
  input.threads = 1;
  return input;
}

std::int32_t loadedOf(const FleetResult& r, std::int32_t cartonType) {
  std::int32_t n = 0;
  for (const FleetLoad& load : r.loads)
    for (const BlockScheme& b : load.blocks)
      if (b.cartonIndex == cartonType) n += b.count;
  return n;
}

int containersOf(const FleetResult& r, std::int32_t type) {
  return static_cast<int>(std::count_if(r.loads.begin(), r.loads.end(), [&](const FleetLoad& l) { return l.type == type; }));
}

// Every container's plan keeps the rules, and every carton is loaded once or left over.
void expectEveryContainerHolds(const FleetInput& input, const FleetResult& r) {
  std::vector<std::int64_t> loaded(input.cargo.types.size(), 0);
  for (std::size_t k = 0; k < r.loads.size(); ++k) {
    const FleetContainerType& c = input.containers[static_cast<std::size_t>(r.loads[k].type)];
    check::CheckInput in;
    in.container = check::ContainerSize{c.containerX, c.containerY, c.containerZ, c.maxWeight};
    in.spacing = check::Spacing{input.cargo.gapX, input.cargo.gapY, input.cargo.gapZ};
    in.supportPercent = input.cargo.supportPercent;
    in.setCount = 1;
    if (c.balance.lengthPercent) in.balance.lengthPercent = *c.balance.lengthPercent;
    if (c.balance.widthPercent) in.balance.widthPercent = *c.balance.widthPercent;
    if (c.balance.maxHeight) in.balance.maxHeight = double(*c.balance.maxHeight);
    if (c.vehicle) {
      const Vehicle& v = *c.vehicle;
      check::Vehicle vehicle;
      vehicle.kind = v.kind == VehicleKind::RigidTruck ? check::Vehicle::Kind::RigidTruck : check::Vehicle::Kind::SemiTrailer;
      vehicle.wheelbase = v.wheelbase;
      vehicle.frontAxleToCargo = v.frontAxleToCargo;
      vehicle.kingpinSetback = v.kingpinSetback;
      vehicle.kingpinToTrailerAxle = v.kingpinToTrailerAxle;
      vehicle.fifthWheelLead = v.fifthWheelLead;
      for (std::size_t axle = 0; axle < v.axleCount(); ++axle) {
        vehicle.tare.push_back(v.tare[axle]);
        vehicle.maxLoad.push_back(v.maxLoad[axle]);
      }
      in.vehicle = vehicle;
    }
    for (const MaxLoadType& t : input.cargo.types) {
      while (static_cast<std::int32_t>(in.stops.size()) <= t.stop) in.stops.push_back("stop " + std::to_string(in.stops.size()));
      check::CartonType type;
      type.length = t.length;
      type.width = t.width;
      type.height = t.height;
      type.count = t.count;
      type.weight = t.weight;
      type.standingEdges = t.verticalEdges;
      type.stackable = t.stackable;
      type.maxLoadOnTop = t.maxLoadOnTop;
      type.fragile = t.fragile;
      type.stop = t.stop;
      in.types.push_back(type);
    }
    in.cartons = check::cartonsOfBlocks(r.loads[k].blocks);
    EXPECT_FALSE(in.cartons.empty()) << "container " << k << " is empty";
    for (const check::PlacedCarton& p : in.cartons) ++loaded[static_cast<std::size_t>(p.type)];
    const check::CheckReport report = check::checkPlan(in);
    EXPECT_TRUE(report.holds()) << "container " << k << ": rule "
                                << (report.holds() ? -1 : static_cast<int>(report.violations[0].rule));
  }
  for (std::size_t i = 0; i < loaded.size(); ++i)
    EXPECT_EQ(loaded[i] + r.leftovers[i], input.cargo.types[i].count) << "carton type " << i;
}

}  // namespace

// Ten 1 m cubes. A 2 x 1 x 2 m container holds four for 3; a 1 x 1 x 3 m one three for 2.
// One of the first and two of the second carry all ten for 7: the cheapest mix.
TEST(Fleet, findsTheCheapestMixOfTwoContainerTypes) {
  const FleetInput input = inputOf({container(2000, 1000, 2000, 3), container(1000, 1000, 3000, 2)}, {cube(1000, 10)});
  const FleetResult r = planFleet(input);
  expectEveryContainerHolds(input, r);
  EXPECT_EQ(r.leftovers[0], 0);
  EXPECT_DOUBLE_EQ(r.totalCost, 7);
  EXPECT_EQ(containersOf(r, 0), 1);
  EXPECT_EQ(containersOf(r, 1), 2);
  // By volume at the second type's rate, 10 x 2/3.
  EXPECT_NEAR(r.lowerBoundCost, 20.0 / 3, 1e-9);
  EXPECT_LE(r.totalCost, r.oneAfterAnotherCost);
}

TEST(Fleet, aFixedFleetLoadsWhatFitsAndLeavesTheRest) {
  FleetInput input = inputOf({container(2000, 1000, 2000, 1, 1), container(1000, 1000, 1000, 1, 1)}, {cube(1000, 8)});
  input.goal = FleetGoal::FixedFleet;
  const FleetResult r = planFleet(input);
  expectEveryContainerHolds(input, r);
  EXPECT_EQ(r.loads.size(), 2u);
  EXPECT_EQ(loadedOf(r, 0), 5);
  EXPECT_EQ(r.leftovers[0], 3);
}

TEST(Fleet, aCartonThatFitsNoContainerIsLeftWithItsReason) {
  FleetInput input = inputOf({container(1000, 1000, 3000, 1, -1, 500)},
                             {cube(1000, 2), cube(1200, 1), cube(900, 1, 600)});
  const FleetResult r = planFleet(input);
  ASSERT_EQ(r.unfit.size(), 3u);
  EXPECT_EQ(r.unfit[0], UnfitReason::None);
  EXPECT_EQ(r.unfit[1], UnfitReason::FitsNoContainer);
  EXPECT_EQ(r.unfit[2], UnfitReason::HeavierThanEveryContainer);
  expectEveryContainerHolds(input, r);
  EXPECT_EQ(r.leftovers, (std::vector<std::int32_t>{0, 1, 1}));
  EXPECT_EQ(r.lowerBoundContainers, 1) << "only the cartons that can go count";
}

// Cartons of 600 kg in containers for 1000 kg: one a container, whatever the room.
TEST(Fleet, theWeightBindsBeforeTheVolume) {
  const FleetInput input = inputOf({container(2000, 2000, 6000, 1, -1, 1000)}, {cube(500, 5, 600)});
  const FleetResult r = planFleet(input);
  expectEveryContainerHolds(input, r);
  EXPECT_EQ(r.loads.size(), 5u);
  EXPECT_EQ(r.lowerBoundContainers, 5) << "no two can share a container";
}

// Cartons wider than half the container each way never stand side by side: the bound
// counts them one a container, plus what the small cartons need beyond the room left.
TEST(FleetBounds, cartonsThatCannotShareAContainerNeedOneEach) {
  const FleetInput input = inputOf({container(1000, 1000, 1000)}, {cube(600, 3), cube(100, 3000)});
  const fleet::FleetBound bound = fleet::lowerBound(input, {3, 3000});
  // Beside each large cube 0.784 m3 is free: of the small cubes' 3 m3, 0.648 m3 need a fourth.
  EXPECT_EQ(bound.containers, 4);
  EXPECT_EQ(fleet::lowerBound(input, {3, 2000}).containers, 3);
  EXPECT_FALSE(fleet::canShare(input.cargo, 0, 0, input.containers[0]));
  EXPECT_TRUE(fleet::canShare(input.cargo, 0, 1, input.containers[0]));
}

TEST(FleetTrim, takesOutOnlyCartonsThatCarryNothing) {
  // A column of three cubes, and one cube beside it.
  BlockScheme column;
  column.sizeX = column.sizeY = column.sizeZ = 100;
  column.nx = column.nz = 1;
  column.ny = 3;
  column.count = 3;
  column.cartonIndex = 0;
  BlockScheme beside = column;
  beside.x = 100;
  beside.ny = 1;
  beside.count = 1;
  beside.cartonIndex = 1;
  BlockScheme onTop = beside;  // resting on the column's top carton
  onTop.x = 0;
  onTop.y = 300;
  std::vector<BlockScheme> blocks = {column, beside, onTop};
  EXPECT_EQ(fleet::takeOut(blocks, 0, 2), 0) << "the carton on top holds the column";
  EXPECT_EQ(fleet::takeOut(blocks, 1, 1), 1) << "the top carton (nearest the door first)";
  EXPECT_EQ(fleet::takeOut(blocks, 0, 2), 2);
  // What must still hold once a carton is out keeps the rest in: here, at least two cubes.
  std::vector<BlockScheme> kept = {column, beside};
  const auto atLeastTwo = [](const std::vector<BlockScheme>& b) {
    std::int32_t n = 0;
    for (const BlockScheme& block : b) n += block.count;
    return n >= 2;
  };
  EXPECT_EQ(fleet::takeOut(kept, 0, 3, atLeastTwo), 2);
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[0].count, 1);
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0].count, 1);
}

TEST(Fleet, theSameInputAndEffortGiveTheSameAnswer) {
  FleetInput input = inputOf({container(1200, 1100, 2400)}, {cube(500, 13), cube(300, 40)});
  input.cargo.types[1].length = 700;
  input.threads = 2;
  const FleetResult a = planFleet(input);
  const FleetResult b = planFleet(input);
  ASSERT_EQ(a.loads.size(), b.loads.size());
  for (std::size_t k = 0; k < a.loads.size(); ++k) EXPECT_EQ(a.loads[k].blocks, b.loads[k].blocks) << k;
}

TEST(Fleet, aCancelKeepsNoAnswer) {
  std::atomic<bool> cancel{true};
  FleetControl control;
  control.cancel = &cancel;
  const FleetResult r = planFleet(inputOf({container(1000, 1000, 1000)}, {cube(500, 20)}), control);
  EXPECT_TRUE(r.cancelled);
  EXPECT_TRUE(r.loads.empty());
}

TEST(Fleet, aTimeLimitPassedAtOnceStillFinishesTheFirstAnswer) {
  FleetInput input = inputOf({container(1000, 1000, 1000)}, {cube(500, 20), cube(300, 30)});
  input.timeLimitSeconds = 1e-9;
  const FleetResult r = planFleet(input);
  EXPECT_TRUE(r.timedOut);
  EXPECT_EQ(loadedOf(r, 0) + loadedOf(r, 1), 50);
  expectEveryContainerHolds(input, r);

  input.timeLimitSeconds = 0;
  input.effortBudget = 1;  // the budget spent by the first container
  const FleetResult spent = planFleet(input);
  EXPECT_EQ(loadedOf(spent, 0) + loadedOf(spent, 1), 50);
}

// 6 250 cartons, 60 containers at least, under a small effort budget and no time limit:
// the first answer is finished in a hurry, each plan taken again while what is left holds
// it; every carton is loaded, within a few containers of the bound, every container keeps
// the rules.
TEST(Fleet, aHugeOrderUnderASmallEffortBudgetGetsACompleteAnswer) {
  MaxLoadType bar = cube(100, 1'250);
  bar.name = "bar";
  bar.length = 200;
  FleetInput input = inputOf({container(500, 500, 500)}, {cube(100, 5'000), bar});
  input.effortBudget = 500'000;
  const FleetResult r = planFleet(input);
  EXPECT_FALSE(r.tooManyContainers);
  EXPECT_FALSE(r.unfinished);
  EXPECT_EQ(r.lowerBoundContainers, 60);
  EXPECT_EQ(loadedOf(r, 0), 5'000);
  EXPECT_EQ(loadedOf(r, 1), 1'250);
  EXPECT_LE(r.loads.size(), 63u);
  EXPECT_LE(r.effortUsed, input.effortBudget) << "a plan per container would overspend the budget";
  expectEveryContainerHolds(input, r);
}

// An order of more containers than a run plans is not planned: everything is left over.
// A fixed fleet of three such containers loads those three.
TEST(Fleet, anOrderOfMoreThanTheMostContainersIsNotPlannedUnlessTheFleetIsFixed) {
  FleetInput input = inputOf({container(1000, 1000, 1000, 1, 3)}, {cube(100, INT32_MAX)});
  const FleetResult r = planFleet(input);
  EXPECT_TRUE(r.tooManyContainers);
  EXPECT_TRUE(r.loads.empty());
  EXPECT_EQ(r.leftovers[0], INT32_MAX);

  input.goal = FleetGoal::FixedFleet;
  const FleetResult fixed = planFleet(input);
  EXPECT_FALSE(fixed.tooManyContainers);
  EXPECT_EQ(fixed.loads.size(), 3u);
  EXPECT_EQ(loadedOf(fixed, 0), 3000);
  EXPECT_EQ(fixed.leftovers[0], INT32_MAX - 3000);
}

// Random orders over random fleets: every answer keeps the rules, loads every carton that
// fits somewhere, never costs more than filling one container after another, and never
// less than the bound.
TEST(Fleet, randomOrdersKeepEveryRuleAndBeatFillingOneAfterAnother) {
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 dice(seed);
    const auto between = [&](int lo, int hi) { return lo + static_cast<int>(dice() % static_cast<unsigned>(hi - lo + 1)); };
    std::vector<FleetContainerType> containers;
    for (int t = between(1, 3); t > 0; --t)
      containers.push_back(container(between(8, 20) * 100, between(8, 20) * 100, between(10, 40) * 100, between(1, 5),
                                     -1, between(5, 50) * 100));
    std::vector<MaxLoadType> types;
    for (int i = between(1, 5); i > 0; --i) {
      MaxLoadType t = cube(0, between(1, 25), between(0, 80));
      t.length = between(2, 9) * 100;
      t.width = between(2, 9) * 100;
      t.height = between(2, 9) * 100;
      if (dice() % 3 == 0) t.verticalEdges = kEdgeHeight;
      types.push_back(t);
    }
    FleetInput input = inputOf(containers, types);
    input.cargo.supportPercent = between(0, 1) * 100;
    input.effortBudget = testEffort(5'000'000);
    const FleetResult r = planFleet(input);
    expectEveryContainerHolds(input, r);
    for (std::size_t i = 0; i < types.size(); ++i) {
      if (r.unfit[i] == UnfitReason::None) {
        EXPECT_EQ(r.leftovers[i], 0) << "type " << i;
      }
    }
    EXPECT_LE(r.totalCost, r.oneAfterAnotherCost + 1e-9);
    EXPECT_GE(r.totalCost, r.lowerBoundCost - 1e-9);
    EXPECT_GE(static_cast<std::int64_t>(r.loads.size()), r.lowerBoundContainers);
  }
}

// Random orders whose cartons set every resting rule and three stops, in container types
// with balance windows and trucks: every container's plan keeps them all.
TEST(Fleet, randomOrdersWithCargoRulesKeepThemInEveryContainer) {
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 dice(seed);
    const auto between = [&](int lo, int hi) { return lo + static_cast<int>(dice() % static_cast<unsigned>(hi - lo + 1)); };
    std::vector<FleetContainerType> containers;
    for (int t = between(1, 2); t > 0; --t)
      containers.push_back(container(between(10, 20) * 100, between(10, 20) * 100, between(15, 40) * 100, between(1, 5)));
    std::vector<MaxLoadType> types;
    for (int i = between(2, 5); i > 0; --i) {
      MaxLoadType t = cube(0, between(2, 25), between(5, 60));
      t.length = between(2, 9) * 100;
      t.width = between(2, 9) * 100;
      t.height = between(2, 9) * 100;
      if (dice() % 3 == 0) t.verticalEdges = kEdgeHeight;
      t.stackable = dice() % 5 != 0;
      if (dice() % 3 == 0) t.maxLoadOnTop = t.weight * between(1, 40) / 10.0;
      t.fragile = dice() % 4 == 0;
      t.stop = between(0, 2);
      types.push_back(t);
    }
    // Some container types keep a balance window, some ride on a truck whose axles bind.
    for (FleetContainerType& c : containers) {
      if (dice() % 2 == 0) c.balance = lengthBalancePreset();
      if (dice() % 2 == 0) c.vehicle = vehiclePresets()[dice() % 3].vehicle;
    }
    for (MaxLoadType& t : types) t.weight *= 10;
    FleetInput input = inputOf(containers, types);
    input.cargo.supportPercent = 100;
    input.effortBudget = testEffort(5'000'000);
    const FleetResult r = planFleet(input);
    expectEveryContainerHolds(input, r);
    for (std::size_t i = 0; i < types.size(); ++i) {
      if (r.unfit[i] == UnfitReason::None) {
        EXPECT_EQ(r.leftovers[i], 0) << "type " << i;
      }
    }
  }
}
