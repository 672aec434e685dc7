// The cargo rules of the plan checker: each broken by a hand-made plan, with the cartons,
// the axle and the amount it names, and kept once the fault is gone.

#include "check/cargorules.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "check/plancheck.h"

namespace check {
namespace {

// A 1000 mm cube of a container for 10 t, without spacing. Types 0 to 3: 100 mm cubes of
// 10 kg, twenty of each. Type 4: a plank 300 long (across), 100 high, 100 deep, 30 kg.
CheckInput emptyPlan() {
  CheckInput in;
  in.container = ContainerSize{1000, 1000, 1000, 10000};
  CartonType cube;
  cube.name = "cube";
  cube.length = cube.width = cube.height = 100;
  cube.count = 20;
  cube.weight = 10;
  in.types = {cube, cube, cube, cube};
  CartonType plank;
  plank.name = "plank";
  plank.length = 300;
  plank.width = plank.height = 100;
  plank.count = 5;
  plank.weight = 30;
  in.types.push_back(plank);
  return in;
}

PlacedCarton cube(std::int32_t type, std::int32_t x, std::int32_t y, std::int32_t z) {
  return {type, x, y, z, 100, 100, 100};
}
PlacedCarton plank(std::int32_t x, std::int32_t y, std::int32_t z) { return {4, x, y, z, 300, 100, 100}; }

CheckInput planOf(std::vector<PlacedCarton> cartons, std::function<void(CheckInput&)> rules = {}) {
  CheckInput in = emptyPlan();
  in.cartons = std::move(cartons);
  if (rules) rules(in);
  return in;
}

// A rigid truck: front axle 500 mm ahead of the inner end, rear axle 1000 mm behind the
// front one; 1000 kg unladen on each axle.
Vehicle rigidTruck(double maxFront, double maxRear) {
  Vehicle v;
  v.kind = Vehicle::Kind::RigidTruck;
  v.wheelbase = 1000;
  v.frontAxleToCargo = 500;
  v.tare = {1000, 1000};
  v.maxLoad = {maxFront, maxRear};
  return v;
}

// A tractor (wheelbase 1000, kingpin 200 ahead of its drive axle) with a semi-trailer
// whose kingpin lies 100 mm behind the inner end and its axles 800 mm behind the kingpin.
Vehicle semiTrailer(double maxTrailer) {
  Vehicle v;
  v.kind = Vehicle::Kind::SemiTrailer;
  v.wheelbase = 1000;
  v.kingpinSetback = 100;
  v.kingpinToTrailerAxle = 800;
  v.fifthWheelLead = 200;
  v.tare = {500, 500, 500};
  v.maxLoad = {5000, 5000, maxTrailer};
  return v;
}

struct CargoCase {
  const char* name;
  std::function<CheckInput()> broken;  // breaks the rule once
  std::function<CheckInput()> fixed;   // the same plan without the fault, or without the rule
  Rule rule;
  std::vector<std::size_t> cartons;
  double amount;
  std::int32_t axle = -1;
  std::int32_t afterStop = -1;
};

std::ostream& operator<<(std::ostream& out, const CargoCase& c) { return out << c.name; }

const CargoCase kCargoCases[] = {
    {"somethingOnANotStackableCarton",
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 0, 100, 0)}, [](CheckInput& in) { in.types[0].stackable = false; }); },
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 100, 0, 0)}, [](CheckInput& in) { in.types[0].stackable = false; }); },
     Rule::NotStackable, {0, 1}, 0},
    {"partlyOnANotStackableCarton",
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 100, 0, 0), cube(1, 90, 100, 0)}, [](CheckInput& in) { in.types[0].stackable = false; }); },
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 100, 0, 0), cube(1, 100, 100, 0)}, [](CheckInput& in) { in.types[0].stackable = false; }); },
     Rule::NotStackable, {0, 2}, 0},
    {"aColumnHeavierThanTheBottomBears",
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 0, 100, 0), cube(1, 0, 200, 0)}, [](CheckInput& in) { in.types[0].maxLoadOnTop = 15; }); },
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 0, 100, 0), cube(1, 0, 200, 0)}, [](CheckInput& in) { in.types[0].maxLoadOnTop = 20; }); },
     Rule::LoadOnTop, {0}, 5},
    {"aPlankSharedByContactArea",
     // The plank (30 kg) lies 50 mm on the first cube and 100 mm on the second: 10 and 20 kg.
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 100, 0, 0), plank(50, 100, 0)}, [](CheckInput& in) {
       in.types[0].maxLoadOnTop = 10;
       in.types[1].maxLoadOnTop = 15;
     }); },
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 100, 0, 0), plank(50, 100, 0)}, [](CheckInput& in) {
       in.types[0].maxLoadOnTop = 10;
       in.types[1].maxLoadOnTop = 20;
     }); },
     Rule::LoadOnTop, {1}, 5},
    {"aFragileCartonUnderAnOrdinaryOne",
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 0, 100, 0)}, [](CheckInput& in) { in.types[0].fragile = true; }); },
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 0, 100, 0)}, [](CheckInput& in) { in.types[0].fragile = in.types[1].fragile = true; }); },
     Rule::Fragile, {0, 1}, 0},
    {"aFirstStopCartonBuried",
     [] { return planOf({cube(0, 0, 0, 900), cube(1, 0, 100, 900)}, [](CheckInput& in) {
       in.stops = {"A", "B"};
       in.types[1].stop = 1;
     }); },
     [] { return planOf({cube(1, 0, 0, 900), cube(0, 0, 100, 900)}, [](CheckInput& in) {
       in.stops = {"A", "B"};
       in.types[1].stop = 1;
     }); },
     Rule::StopBuried, {0, 1}, 0},
    {"aFirstStopCartonFurtherInThanASecondStopOne",
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 0, 0, 100)}, [](CheckInput& in) {
       in.stops = {"A", "B"};
       in.types[1].stop = 1;
     }); },
     [] { return planOf({cube(0, 0, 0, 100), cube(1, 0, 0, 0)}, [](CheckInput& in) {
       in.stops = {"A", "B"};
       in.types[1].stop = 1;
     }); },
     Rule::StopOrder, {0, 1}, 100},
    {"stopsComeBeforeZones",
     // A door carton of the last stop is loaded before an inner-end carton of the first.
     [] { return planOf({cube(0, 0, 0, 300), cube(1, 0, 0, 400)}, [](CheckInput& in) {
       in.stops = {"A", "B"};
       in.types[0].zone = kZoneInnerEnd;
       in.types[1].zone = kZoneDoor;
       in.types[1].stop = 1;
     }); },
     [] { return planOf({cube(0, 0, 0, 400), cube(1, 0, 0, 300)}, [](CheckInput& in) {
       in.stops = {"A", "B"};
       in.types[0].zone = kZoneInnerEnd;
       in.types[1].zone = kZoneDoor;
       in.types[1].stop = 1;
     }); },
     Rule::StopOrder, {0, 1}, 100},
    {"centreNearTheInnerEnd",
     [] { return planOf({cube(0, 0, 0, 0)}, [](CheckInput& in) { in.balance.lengthPercent = 5; }); },
     [] { return planOf({cube(0, 0, 0, 450)}, [](CheckInput& in) { in.balance.lengthPercent = 5; }); },
     Rule::CentreAlongLength, {}, 400},
    {"centreOffToTheRight",
     [] { return planOf({cube(0, 400, 0, 0), cube(1, 800, 0, 0)}, [](CheckInput& in) { in.balance.widthPercent = 10; }); },
     [] { return planOf({cube(0, 400, 0, 0), cube(1, 500, 0, 0)}, [](CheckInput& in) { in.balance.widthPercent = 10; }); },
     Rule::CentreAcross, {}, 50},
    {"centreTooHigh",
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 0, 100, 0)}, [](CheckInput& in) { in.balance.maxHeight = 80; }); },
     [] { return planOf({cube(0, 0, 0, 0), cube(1, 0, 100, 0)}, [](CheckInput& in) { in.balance.maxHeight = 100; }); },
     Rule::CentreHeight, {}, 20},
    {"frontAxleOverloaded",
     // 400 kg at the inner end, 550 mm behind the front axle: 220 kg on the rear axle, 180
     // on the front one.
     [] { return planOf({cube(0, 0, 0, 0)}, [](CheckInput& in) {
       in.types[0].weight = 400;
       in.vehicle = rigidTruck(1150, 5000);
     }); },
     [] { return planOf({cube(0, 0, 0, 400)}, [](CheckInput& in) {
       in.types[0].weight = 400;
       in.vehicle = rigidTruck(1150, 5000);
     }); },
     Rule::AxleLoad, {}, 30, 0, -1},
    {"frontAxleOverloadedOnceTheDoorCartonsAreOut",
     // 100 kg 1450 mm behind the front axle lift it by 45 kg, 100 kg 550 mm behind press it
     // by 45 kg: 1000 kg at departure, 1045 kg once the first stop leaves.
     [] { return planOf({cube(0, 0, 0, 900), cube(1, 0, 0, 0)}, [](CheckInput& in) {
       in.types[0].weight = in.types[1].weight = 100;
       in.stops = {"door", "inner"};
       in.types[1].stop = 1;
       in.vehicle = rigidTruck(1020, 5000);
     }); },
     [] { return planOf({cube(0, 0, 0, 900), cube(1, 0, 0, 0)}, [](CheckInput& in) {
       in.types[0].weight = in.types[1].weight = 100;
       in.stops = {"door", "inner"};
       in.types[1].stop = 1;
       in.vehicle = rigidTruck(1045, 5000);
     }); },
     Rule::AxleLoad, {}, 25, 0, 0},
    {"trailerAxlesOverloaded",
     // 800 kg at z 850: 750 mm behind the kingpin, 750 kg on the trailer's axles.
     [] { return planOf({cube(0, 0, 0, 800)}, [](CheckInput& in) {
       in.types[0].weight = 800;
       in.vehicle = semiTrailer(1200);
     }); },
     [] { return planOf({cube(0, 0, 0, 800)}, [](CheckInput& in) {
       in.types[0].weight = 800;
       in.vehicle = semiTrailer(1250);
     }); },
     Rule::AxleLoad, {}, 50, 2, -1},
};

class EachCargoRule : public ::testing::TestWithParam<CargoCase> {};

TEST_P(EachCargoRule, isBrokenOnceAndKeptWithoutTheFault) {
  const CargoCase& c = GetParam();
  const CheckReport broken = checkPlan(c.broken());
  ASSERT_EQ(broken.violations.size(), 1u);
  const Violation& v = broken.violations[0];
  EXPECT_EQ(v.rule, c.rule);
  EXPECT_EQ(v.cartons, c.cartons);
  EXPECT_NEAR(v.amount, c.amount, 1e-9);
  EXPECT_EQ(v.axle, c.axle);
  EXPECT_EQ(v.afterStop, c.afterStop);

  const CheckReport fixed = checkPlan(c.fixed());
  EXPECT_TRUE(fixed.holds()) << "first: rule " << static_cast<int>(fixed.violations[0].rule);
}

INSTANTIATE_TEST_SUITE_P(CargoRules, EachCargoRule, ::testing::ValuesIn(kCargoCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CargoRules, withoutTheRulesTheSamePlansHold) {
  // The broken plans of the table, their rules taken away.
  for (const CargoCase& c : kCargoCases) {
    CheckInput in = c.broken();
    for (CartonType& t : in.types) {
      t.stackable = true;
      t.maxLoadOnTop.reset();
      t.fragile = false;
      t.stop = 0;
    }
    in.balance = BalanceWindow{};
    in.vehicle.reset();
    EXPECT_TRUE(checkPlan(in).holds()) << c.name;
  }
}

TEST(CargoRules, theLoadOnACartonAddsEverythingAboveItSpreadByArea) {
  // Two cubes side by side, a plank lying 50 mm on the first and 100 mm on the second, a
  // cube on the plank.
  CheckInput in = planOf({cube(0, 0, 0, 0), cube(1, 100, 0, 0), plank(50, 100, 0), cube(2, 150, 200, 0)});
  const std::vector<Box> boxes = [&] {
    std::vector<Box> b;
    for (const PlacedCarton& c : in.cartons) b.push_back(Box{c.x, c.y, c.z, c.x + c.sizeX, c.y + c.sizeY, c.z + c.sizeZ});
    return b;
  }();
  const BoxGrid grid(boxes, 1000, 1000, 1000);
  const std::vector<double> borne = loadsBorne(in, boxes, restingContacts(boxes, grid));
  // The plank bears the top cube, 10 kg; it weighs 30 kg: 40 kg down, a third and two thirds.
  EXPECT_DOUBLE_EQ(borne[3], 0);
  EXPECT_DOUBLE_EQ(borne[2], 10);
  EXPECT_NEAR(borne[0], 40.0 / 3, 1e-12);
  EXPECT_NEAR(borne[1], 80.0 / 3, 1e-12);
}

TEST(CargoRules, theCentreAndTheAxlesWeighOnlyTheCartonsLeft) {
  CheckInput in = planOf({cube(0, 0, 0, 0), cube(1, 500, 300, 900)});
  in.types[1].weight = 30;
  in.stops = {"A", "B"};
  in.types[0].stop = 1;
  const std::optional<Centre> centre = centreOfGravity(in);
  ASSERT_TRUE(centre);
  EXPECT_DOUBLE_EQ(centre->x, (10 * 50 + 30 * 550) / 40.0);
  EXPECT_DOUBLE_EQ(centre->y, (10 * 50 + 30 * 350) / 40.0);
  EXPECT_DOUBLE_EQ(centre->z, (10 * 50 + 30 * 950) / 40.0);
  in.vehicle = rigidTruck(5000, 5000);
  // Departure: 10 kg 550 mm and 30 kg 1450 mm behind the front axle.
  const std::vector<double> departure = axleLoads(in, -1);
  ASSERT_EQ(departure.size(), 2u);
  EXPECT_DOUBLE_EQ(departure[1], 1000 + (10 * 550 + 30 * 1450) / 1000.0);
  EXPECT_DOUBLE_EQ(departure[0] + departure[1], 2040);
  // After stop A only the 10 kg cube is left.
  const std::vector<double> after = axleLoads(in, 0);
  EXPECT_DOUBLE_EQ(after[1], 1000 + 5.5);
  EXPECT_DOUBLE_EQ(after[0], 1000 + 4.5);
  in.cartons.clear();
  EXPECT_FALSE(centreOfGravity(in));
  EXPECT_EQ(axleLoads(in, -1), (std::vector<double>{1000, 1000}));
}

TEST(CargoRules, aTractorCarriesTheKingpinLoadOnBothAxles) {
  // 800 kg at z 450: 350 mm behind the kingpin, 350 kg on the trailer's axles and 450 kg
  // on the kingpin, which lies 200 mm ahead of the drive axle of a 1000 mm wheelbase.
  CheckInput in = planOf({cube(0, 0, 0, 400)});
  in.types[0].weight = 800;
  in.vehicle = semiTrailer(5000);
  const std::vector<double> loads = axleLoads(in, -1);
  ASSERT_EQ(loads.size(), 3u);
  EXPECT_DOUBLE_EQ(loads[2], 500 + 350);
  EXPECT_DOUBLE_EQ(loads[0], 500 + 450 * 0.2);
  EXPECT_DOUBLE_EQ(loads[1], 500 + 450 * 0.8);
}

TEST(CargoRules, aVehicleWithoutAWheelbaseGivesNoAxleLoads) {
  CheckInput in = planOf({cube(0, 0, 0, 0)});
  in.vehicle = rigidTruck(0, 0);
  in.vehicle->wheelbase = 0;
  EXPECT_TRUE(axleLoads(in, -1).empty());
  EXPECT_TRUE(checkPlan(in).holds());
}

// The loads borne, by comparing every carton with every other.
std::vector<double> loadsByEveryPair(const CheckInput& in) {
  const std::size_t n = in.cartons.size();
  std::vector<std::vector<std::pair<std::size_t, double>>> under(n);
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < n; ++j) {
      const PlacedCarton& a = in.cartons[i];
      const PlacedCarton& b = in.cartons[j];
      if (b.y + b.sizeY != a.y) continue;
      const double w = std::min(a.x + a.sizeX, b.x + b.sizeX) - std::max(a.x, b.x);
      const double d = std::min(a.z + a.sizeZ, b.z + b.sizeZ) - std::max(a.z, b.z);
      if (w > 0 && d > 0) under[i].emplace_back(j, w * d);
    }
  std::vector<double> borne(n, 0);
  // Highest first, by bottom.
  std::vector<std::size_t> order(n);
  for (std::size_t i = 0; i < n; ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return in.cartons[a].y > in.cartons[b].y; });
  for (const std::size_t i : order) {
    double area = 0;
    for (const auto& [j, a] : under[i]) area += a;
    for (const auto& [j, a] : under[i]) borne[j] += (in.types[in.cartons[i].type].weight + borne[i]) * a / area;
  }
  return borne;
}

TEST(CargoRules, randomStacksBearWhatComparingEveryPairGives) {
  // Cartons of several sizes dropped onto a floor of 10 x 10 cells of 100 mm, each landing
  // on the highest top under its footprint.
  std::mt19937 dice(11);
  for (int round = 0; round < 20; ++round) {
    CheckInput in = emptyPlan();
    for (CartonType& t : in.types) t.weight = 1 + dice() % 50;
    std::array<std::array<std::int32_t, 10>, 10> height{};
    for (int k = 0; k < 120; ++k) {
      const bool wide = dice() % 3 == 0;
      const std::int32_t cx = dice() % (wide ? 8 : 10), cz = dice() % 10;
      std::int32_t top = 0;
      for (std::int32_t dx = 0; dx < (wide ? 3 : 1); ++dx) top = std::max(top, height[cx + dx][cz]);
      if (top + 100 > 1000) continue;
      for (std::int32_t dx = 0; dx < (wide ? 3 : 1); ++dx) height[cx + dx][cz] = top + 100;
      in.cartons.push_back(wide ? plank(100 * cx, top, 100 * cz) : cube(static_cast<std::int32_t>(dice() % 4), 100 * cx, top, 100 * cz));
    }
    std::vector<Box> boxes;
    for (const PlacedCarton& c : in.cartons) boxes.push_back(Box{c.x, c.y, c.z, c.x + c.sizeX, c.y + c.sizeY, c.z + c.sizeZ});
    const BoxGrid grid(boxes, 1000, 1000, 1000);
    const std::vector<double> borne = loadsBorne(in, boxes, restingContacts(boxes, grid));
    const std::vector<double> expected = loadsByEveryPair(in);
    ASSERT_EQ(borne.size(), expected.size());
    for (std::size_t i = 0; i < borne.size(); ++i) EXPECT_NEAR(borne[i], expected[i], 1e-9) << "round " << round << ", carton " << i;
  }
}

}  // namespace
}  // namespace check
