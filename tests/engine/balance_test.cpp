// The axle loads and the centre's offsets of a loaded container: hand-known trucks, the
// loads after each stop, and the plan checker's own equilibrium on random plans.

#include "engine/balance.h"

#include <gtest/gtest.h>

#include <random>

#include "check/projectplan.h"
#include "model/fillscheme.h"
#include "resultblocks.h"

namespace {

// A rigid truck with its front axle 500 mm ahead of the inner end and its rear axle 1000
// mm behind the front one, 1000 kg unladen on each.
Vehicle rigidTruck() {
  Vehicle v;
  v.kind = VehicleKind::RigidTruck;
  v.wheelbase = 1000;
  v.frontAxleToCargo = 500;
  v.tare = {1000, 1000, 0};
  v.maxLoad = {1100, 5000, 0};
  return v;
}

// A 1000 mm cube of a container on a rigid truck; two 100 mm cubes of 100 kg, "door" to
// the first stop and "inner" to the second.
FillScheme truckProject() {
  FillScheme p;
  p.container = Container{"truck", 1000, 1000, 1000, 10000};
  p.container.vehicle = rigidTruck();
  p.stops = {"first", "second"};
  for (const char* stop : {"first", "second"}) {
    Carton& c = p.addCarton();
    c.length = c.width = c.height = 100;
    c.weight = 100;
    c.stop = std::string(stop);
  }
  return p;
}

BlockScheme cube(std::int32_t cartonIndex, std::int32_t z, std::int32_t nz = 1) {
  BlockScheme b;
  b.cartonIndex = cartonIndex;
  b.z = z;
  b.sizeX = b.sizeY = b.sizeZ = 100;
  b.nx = b.ny = 1;
  b.nz = nz;
  b.count = nz;
  return b;
}

TEST(AxleLoads, aRigidTruckSharesTheLoadByItsDistanceFromTheAxles) {
  FillScheme p = truckProject();
  // The first stop's cube at the door (1450 mm behind the front axle), the second's at
  // the inner end (550 mm).
  resultBlocks(p) = {cube(0, 900), cube(1, 0)};
  const std::optional<AxleLoads> loads = axleLoads(p, loadedContainerOf(p));
  ASSERT_TRUE(loads);
  EXPECT_EQ(loads->kind, VehicleKind::RigidTruck);
  EXPECT_EQ(loads->maxLoads, (std::vector<double>{1100, 5000}));
  ASSERT_EQ(loads->states.size(), 2u);
  EXPECT_FALSE(loads->states[0].afterStop);
  EXPECT_DOUBLE_EQ(loads->states[0].loads[0], 1000 + 45 - 45);
  EXPECT_DOUBLE_EQ(loads->states[0].loads[1], 1000 + 145 + 55);
  EXPECT_EQ(loads->states[1].afterStop, 0u);
  EXPECT_DOUBLE_EQ(loads->states[1].loads[0], 1045);
  EXPECT_DOUBLE_EQ(loads->states[1].loads[1], 1055);
  EXPECT_FALSE(loads->worstOverload());
  // A front axle that may carry 1030 kg is 15 kg over once the first stop is unloaded.
  resultBlocks(p) = {cube(0, 900), cube(1, 0)};
  p.result.containers[0].container.vehicle->maxLoad[0] = 1030;
  const std::optional<AxleLoads::Overload> over = axleLoads(p, loadedContainerOf(p))->worstOverload();
  ASSERT_TRUE(over);
  EXPECT_EQ(over->state, 1u);
  EXPECT_EQ(over->axle, 0u);
  EXPECT_DOUBLE_EQ(over->kg, 15);
}

TEST(AxleLoads, aTractorTakesTheKingpinLoadOnItsTwoAxles) {
  FillScheme p = truckProject();
  Vehicle semi;
  semi.kind = VehicleKind::SemiTrailer;
  semi.wheelbase = 1000;
  semi.kingpinSetback = 100;
  semi.kingpinToTrailerAxle = 800;
  semi.fifthWheelLead = 200;
  semi.tare = {500, 500, 500};
  semi.maxLoad = {5000, 5000, 5000};
  p.container.vehicle = semi;
  p.stops.clear();
  p.cartons[0].stop.clear();
  p.cartons[1].stop.clear();
  // Eight cubes of 100 kg from z 0 to 800: their centre at 400 mm, 300 mm behind the kingpin.
  resultBlocks(p) = {cube(0, 0, 8)};
  const std::optional<AxleLoads> loads = axleLoads(p, loadedContainerOf(p));
  ASSERT_TRUE(loads);
  ASSERT_EQ(loads->states.size(), 1u);
  const std::vector<double>& at = loads->states[0].loads;
  ASSERT_EQ(at.size(), 3u);
  EXPECT_DOUBLE_EQ(at[2], 500 + 800 * 300.0 / 800);
  EXPECT_DOUBLE_EQ(at[0], 500 + 500 * 0.2);
  EXPECT_DOUBLE_EQ(at[1], 500 + 500 * 0.8);
}

TEST(AxleLoads, noVehicleOrOneThatCannotBeWorkedOutGivesNone) {
  FillScheme p = truckProject();
  resultBlocks(p) = {cube(0, 0)};
  p.result.containers[0].container.vehicle.reset();
  EXPECT_FALSE(axleLoads(p, loadedContainerOf(p)));
  p.result.containers[0].container.vehicle = rigidTruck();
  p.result.containers[0].container.vehicle->wheelbase = 0;
  EXPECT_FALSE(axleLoads(p, loadedContainerOf(p)));
}

TEST(AxleLoads, agreeWithThePlanCheckersOwnEquilibrium) {
  std::mt19937 dice(5);
  for (int round = 0; round < 30; ++round) {
    FillScheme p = truckProject();
    p.stops = {"a", "b", "c"};
    p.cartons[0].stop = std::string("c");
    p.cartons[1].stop = std::string();  // the last, c
    Carton& third = p.addCarton();
    third.length = third.width = third.height = 100;
    third.weight = 7.25;
    third.stop = std::string("a");
    if (round % 2) {
      p.container.vehicle->kind = VehicleKind::SemiTrailer;
      p.container.vehicle->kingpinSetback = 300;
      p.container.vehicle->kingpinToTrailerAxle = 700;
      p.container.vehicle->fifthWheelLead = 150;
      p.container.vehicle->tare[2] = 600;
      p.container.vehicle->maxLoad[2] = 9000;
    }
    std::vector<BlockScheme>& blocks = resultBlocks(p);
    for (int k = 0; k < 6; ++k) {
      BlockScheme b = cube(static_cast<std::int32_t>(dice() % 3), static_cast<std::int32_t>(dice() % 500));
      b.nx = 1 + dice() % 3;
      b.ny = 1 + dice() % 3;
      b.nz = 1 + dice() % 4;
      b.gapX = b.gapY = b.gapZ = static_cast<std::int32_t>(dice() % 20);
      b.count = 1 + static_cast<std::int32_t>(dice() % b.capacity());
      blocks.push_back(b);
    }
    const std::optional<AxleLoads> loads = axleLoads(p, loadedContainerOf(p));
    ASSERT_TRUE(loads);
    const check::CheckInput in = check::loadedContainerCheckInput(p, p.result, p.result.containers[0]);
    for (const AxleState& state : loads->states) {
      const std::int32_t after = state.afterStop ? static_cast<std::int32_t>(*state.afterStop) : -1;
      const std::vector<double> expected = check::axleLoads(in, after);
      ASSERT_EQ(state.loads.size(), expected.size());
      for (std::size_t a = 0; a < expected.size(); ++a)
        EXPECT_NEAR(state.loads[a], expected[a], 1e-6) << "round " << round << ", after " << after << ", axle " << a;
    }
  }
}

TEST(LoadBalance, theOffsetsAreSharesOfTheContainerAndTheWindowSaysWhetherTheCentreIsInside) {
  FillScheme p = truckProject();
  p.container.vehicle.reset();
  resultBlocks(p) = {cube(0, 0)};  // centre 450 mm toward the inner end, 450 to the left
  p.result.containers[0].container.balance.lengthPercent = 45;
  LoadBalance b = loadBalance(p.cartons, loadedContainerOf(p));
  EXPECT_DOUBLE_EQ(b.offsetAlongLengthPercent, -45);
  EXPECT_DOUBLE_EQ(b.offsetAcrossPercent, -45);
  EXPECT_EQ(b.insideWindow, true);
  p.result.containers[0].container.balance.lengthPercent = 44.9;
  b = loadBalance(p.cartons, loadedContainerOf(p));
  EXPECT_EQ(b.insideWindow, false);
  p.result.containers[0].container.balance = BalanceWindow{};
  EXPECT_FALSE(loadBalance(p.cartons, loadedContainerOf(p)).insideWindow);
  p.result.containers[0].container.balance.maxHeight = 49;
  EXPECT_EQ(loadBalance(p.cartons, loadedContainerOf(p)).insideWindow, false);
}

}  // namespace
