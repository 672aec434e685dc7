// The pallet plan checker: each rule of a built pallet, of a container holding pallets and of
// the whole plan broken by a hand-made plan, and kept by the same plan without the fault.

#include "check/palletcheck.h"
#include "check/pallettext.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace check {
namespace {

// A pallet kind 1200 long, 800 wide, base 144, tare 25 kg, at most 1000 mm high and 500 kg
// gross, stackable with 400 kg on top, entered from every side.
PalletKind kind() {
  PalletKind k;
  k.name = "EUR";
  k.length = 1200;
  k.width = 800;
  k.baseHeight = 144;
  k.tareWeight = 25;
  k.maxHeight = 1000;
  k.maxGrossWeight = 500;
  k.stackable = true;
  k.maxLoadOnTop = 400;
  return k;
}

// One layer of six 400 x 400 x 200 cartons of 20 kg on the pallet: 2 across, 3 along.
// Gross 145 kg, 344 mm high.
BuiltPallet layerPallet() {
  BuiltPallet p;
  p.kind = kind();
  for (std::int32_t x : {0, 400})
    for (std::int32_t z : {0, 400, 800}) p.cartons.push_back(PlacedCarton{0, x, 144, z, 400, 200, 400});
  return p;
}

// Type 0 goes onto EUR pallets (100 of them); type 1 (300 mm cubes, 10 kg, 10 of them) loose.
// One container 2400 x 2400 x 6000 for 10 t: pallet 0 on the floor, pallet 1 on it, a loose
// cube beside them. Full support.
NestedPlan goodPlan() {
  NestedPlan plan;
  CartonType box;
  box.name = "box";
  box.length = box.width = 400;
  box.height = 200;
  box.count = 100;
  box.weight = 20;
  CartonType cube;
  cube.name = "cube";
  cube.length = cube.width = cube.height = 300;
  cube.count = 10;
  cube.weight = 10;
  plan.types = {box, cube};
  plan.typePallets = {"EUR", ""};
  plan.supportPercent = 100;
  plan.pallets = {layerPallet(), layerPallet()};
  NestedContainer container;
  container.container = ContainerSize{2400, 2400, 6000, 10000};
  container.pallets = {PlacedPallet{0, 0, 0, 0, false, {}, {}, {}}, PlacedPallet{1, 0, 344, 0, false, {}, {}, {}}};
  container.cartons = {PlacedCarton{1, 1000, 0, 0, 300, 300, 300}};
  plan.containers = {container};
  return plan;
}

struct Expected {
  Level level;
  std::size_t index;
  PalletRule rule;
  Rule planRule;  // PalletRule::Plan only
  double amount;
};

struct RuleCase {
  const char* name;
  std::function<void(NestedPlan&)> breakIt;
  Expected expected;
};

class PalletCheckRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(PalletCheckRule, isBrokenByTheFaultAndKeptWithoutIt) {
  const NestedPlan good = goodPlan();
  const NestedReport kept = checkNestedPlan(good);
  ASSERT_TRUE(kept.holds()) << kept.violations.size() << " violations, first rule "
                            << static_cast<int>(kept.violations[0].rule);
  NestedPlan broken = goodPlan();
  GetParam().breakIt(broken);
  const Expected& e = GetParam().expected;
  const NestedReport report = checkNestedPlan(broken);
  bool found = false;
  for (const NestedViolation& v : report.violations) {
    if (v.level != e.level || v.index != e.index || v.rule != e.rule) continue;
    if (e.rule == PalletRule::Plan && v.plan.rule != e.planRule) continue;
    const double amount = e.rule == PalletRule::Plan ? v.plan.amount : v.amount;
    EXPECT_NEAR(amount, e.amount, 0.01);
    found = true;
  }
  EXPECT_TRUE(found) << report.violations.size() << " other violations";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PalletCheckRule,
    ::testing::Values(
        RuleCase{"a carton outside its pallet", [](NestedPlan& p) { p.pallets[1].cartons[3].x = 500; },
                 {Level::Pallet, 1, PalletRule::Plan, Rule::Outside, 100}},
        RuleCase{"a carton sunk into the base", [](NestedPlan& p) { p.pallets[0].cartons[0].y = 100; },
                 {Level::Pallet, 0, PalletRule::Plan, Rule::Outside, 44}},
        RuleCase{"a pallet over its height",
                 [](NestedPlan& p) {
                   for (BuiltPallet& b : p.pallets) b.kind.maxHeight = 300;
                 },
                 {Level::Pallet, 0, PalletRule::TooHigh, Rule::Outside, 44}},
        RuleCase{"a pallet over its gross weight",
                 [](NestedPlan& p) {
                   for (BuiltPallet& b : p.pallets) b.kind.maxGrossWeight = 140;
                 },
                 {Level::Pallet, 1, PalletRule::TooHeavy, Rule::Outside, 5}},
        RuleCase{"a carton floating above the base", [](NestedPlan& p) { p.pallets[0].cartons[2].y = 150; },
                 {Level::Pallet, 0, PalletRule::Plan, Rule::Support, 100}},
        RuleCase{"cartons overlapping on a pallet", [](NestedPlan& p) { p.pallets[0].cartons[1].z = 300; },
                 {Level::Pallet, 0, PalletRule::Plan, Rule::Overlap, 100}},
        RuleCase{"a stated height that is not the pallet's", [](NestedPlan& p) { p.pallets[0].statedHeight = 330; },
                 {Level::Pallet, 0, PalletRule::StatedHeight, Rule::Outside, 14}},
        RuleCase{"a stated gross weight that is not the pallet's", [](NestedPlan& p) { p.pallets[1].statedGrossWeight = 120; },
                 {Level::Pallet, 1, PalletRule::StatedWeight, Rule::Outside, 25}},
        RuleCase{"a loose carton on a pallet",
                 [](NestedPlan& p) { p.pallets[0].cartons[0].type = 1, p.pallets[0].cartons[0].y = 144; },
                 {Level::Pallet, 0, PalletRule::WrongPallet, Rule::Outside, 0}},
        RuleCase{"a pallet's carton loaded loose",
                 [](NestedPlan& p) { p.containers[0].cartons.push_back(PlacedCarton{0, 1400, 0, 0, 400, 200, 400}); },
                 {Level::Container, 0, PalletRule::NotOnPallet, Rule::Outside, 0}},
        RuleCase{"a pallet outside the container", [](NestedPlan& p) { p.containers[0].pallets[0].x = 1700; },
                 {Level::Container, 0, PalletRule::Plan, Rule::Outside, 100}},
        RuleCase{"a pallet overlapping a loose carton", [](NestedPlan& p) { p.containers[0].cartons[0].x = 700; },
                 {Level::Container, 0, PalletRule::Plan, Rule::Overlap, 100}},
        RuleCase{"a pallet standing on loose cartons",
                 [](NestedPlan& p) {
                   p.containers[0].pallets[1] = PlacedPallet{1, 1000, 300, 0, false, {}, {}, {}};
                 },
                 {Level::Container, 0, PalletRule::OnCartons, Rule::Outside, 0}},
        RuleCase{"a pallet half off the pallet below", [](NestedPlan& p) { p.containers[0].pallets[1].z = 600; },
                 {Level::Container, 0, PalletRule::NotCarried, Rule::Outside, 50}},
        RuleCase{"a pallet on one that may not be stacked", [](NestedPlan& p) { p.pallets[0].kind.stackable = false; },
                 {Level::Container, 0, PalletRule::NotStackable, Rule::Outside, 0}},
        RuleCase{"a pallet bearing more than it may", [](NestedPlan& p) { p.pallets[0].kind.maxLoadOnTop = 100; },
                 {Level::Container, 0, PalletRule::LoadOnTop, Rule::Outside, 45}},
        RuleCase{"a turned pallet entered only from its ends",
                 [](NestedPlan& p) {
                   p.containers[0].pallets.pop_back();
                   p.containers[0].pallets.push_back(PlacedPallet{1, 0, 0, 3000, true, {}, {}, {}});
                   p.pallets[1].kind.forkEntry = kForkEnds;
                 },
                 {Level::Container, 0, PalletRule::ForkSide, Rule::Outside, 0}},
        RuleCase{"a stated box that is not the pallet's",
                 [](NestedPlan& p) {
                   p.containers[0].pallets[0].statedSizeX = 1200;
                   p.containers[0].pallets[0].statedSizeY = 344;
                 },
                 {Level::Container, 0, PalletRule::StatedSize, Rule::Outside, 400}},
        RuleCase{"a placement of a pallet that is not in the plan",
                 [](NestedPlan& p) { p.containers[0].pallets.push_back(PlacedPallet{7, 0, 0, 4000, false, {}, {}, {}}); },
                 {Level::Container, 0, PalletRule::UnknownPallet, Rule::Outside, 7}},
        RuleCase{"pallets over the container's load",
                 [](NestedPlan& p) { p.containers[0].container.maxWeight = 250; },
                 {Level::Container, 0, PalletRule::Plan, Rule::Weight, 50}},
        RuleCase{"a pallet in no container", [](NestedPlan& p) { p.pallets.push_back(layerPallet()); },
                 {Level::Plan, 0, PalletRule::NotPlaced, Rule::Outside, 0}},
        RuleCase{"a pallet in two containers",
                 [](NestedPlan& p) {
                   NestedContainer second;
                   second.container = p.containers[0].container;
                   second.pallets = {PlacedPallet{0, 0, 0, 0, false, {}, {}, {}}};
                   p.containers.push_back(second);
                 },
                 {Level::Plan, 0, PalletRule::PlacedTwice, Rule::Outside, 1}},
        RuleCase{"more cartons than entered, on pallets and loose together",
                 [](NestedPlan& p) { p.types[0].count = 10; },
                 {Level::Plan, 0, PalletRule::Plan, Rule::Count, 2}}),
    [](const ::testing::TestParamInfo<RuleCase>& info) {
      std::string name;
      for (const char ch : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(PalletCheck, aPalletBoxIsItsBaseAndItsCartonsReachingOverIt) {
  BuiltPallet p = layerPallet();
  p.kind.overhang = 50;
  for (PlacedCarton& c : p.cartons) c.z += 50;  // z from 50, the base's edge
  p.cartons.push_back(PlacedCarton{0, 850, 144, 50, 400, 200, 400});  // reaching 50 over the side
  const PalletExtent e = palletExtent(p);
  EXPECT_EQ(e.x1, 0);
  EXPECT_EQ(e.z1, 50);
  EXPECT_EQ(e.sizeX, 1250);
  EXPECT_EQ(e.sizeY, 344);
  EXPECT_EQ(e.sizeZ, 1200);
  EXPECT_DOUBLE_EQ(palletGrossWeight(p, {CartonType{"b", 400, 400, 200, 1, 2.5}}), 25 + 7 * 2.5);
}

TEST(PalletCheck, overhangWithinTheAllowanceHolds) {
  NestedPlan plan = goodPlan();
  plan.containers[0].pallets.pop_back();
  plan.pallets.pop_back();
  BuiltPallet& p = plan.pallets[0];
  p.kind.overhang = 30;
  for (PlacedCarton& c : p.cartons) c.x += 30 - 20, c.z += 30;  // 20 mm over the left edge
  EXPECT_TRUE(checkNestedPlan(plan).holds());
  p.cartons[0].x -= 11;  // 31 mm over
  const NestedReport report = checkNestedPlan(plan);
  ASSERT_FALSE(report.holds());
  EXPECT_EQ(report.violations[0].plan.rule, Rule::Outside);
  EXPECT_DOUBLE_EQ(report.violations[0].plan.amount, 1);
}

}  // namespace
}  // namespace check

namespace check {
namespace {

// A pallet in a 1200 x 2000 x 1200 container whose centre must lie within ±5 % (60 mm) of the
// middle along the length: its box stands in the middle, but its one 100 kg carton at one end
// of it.
NestedPlan oneSidedPallet(bool turned) {
  NestedPlan plan;
  CartonType heavy;
  heavy.name = "heavy";
  heavy.length = heavy.width = 400;
  heavy.height = 200;
  heavy.count = 1;
  heavy.weight = 100;
  plan.types = {heavy};
  plan.supportPercent = 100;
  BuiltPallet pallet;
  pallet.kind = kind();
  pallet.kind.tareWeight = 0;
  pallet.cartons = {PlacedCarton{0, 0, 144, 0, 400, 200, 400}};  // the corner at z 0 of the pallet
  plan.pallets = {pallet};
  NestedContainer container;
  container.container = ContainerSize{1200, 2000, 1200, 10000};
  container.balance.lengthPercent = 5;
  // The pallet's box in the middle of the container, along or across it.
  container.pallets = {turned ? PlacedPallet{0, 0, 0, 200, true, {}, {}, {}} : PlacedPallet{0, 200, 0, 0, false, {}, {}, {}}};
  plan.containers = {container};
  return plan;
}

TEST(PalletCheck, theCentreOfGravityWeighsEachCartonWhereItStandsOnItsPallet) {
  // Along the container: the carton's middle at z 200, 400 mm before the middle.
  NestedReport along = checkNestedPlan(oneSidedPallet(false));
  ASSERT_EQ(along.violations.size(), 1u);
  EXPECT_EQ(along.violations[0].plan.rule, Rule::CentreAlongLength);
  EXPECT_NEAR(along.violations[0].plan.amount, 400 - 60, 1e-6);
  EXPECT_NE(describeNestedViolation(along.violations[0], oneSidedPallet(false)).find("400.0 mm"), std::string::npos);
  // Turned, the pallet's length lies across the container and its width along it, from z 200:
  // the carton's middle at z 400, 200 mm before the middle.
  NestedReport across = checkNestedPlan(oneSidedPallet(true));
  ASSERT_EQ(across.violations.size(), 1u);
  EXPECT_EQ(across.violations[0].plan.rule, Rule::CentreAlongLength);
  EXPECT_NEAR(across.violations[0].plan.amount, 200 - 60, 1e-6);
}

}  // namespace
}  // namespace check
