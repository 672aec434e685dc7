// The pallet planner on hand-known cases: a pallet limited by weight before height,
// stackable pallets in two tiers, a mixed order with some cartons loose, pallets a forklift
// takes from their ends only; every plan held against the plan checker.

#include "engine/pallet/pallet.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "check/pallettext.h"
#include "check/projectplan.h"
#include "engine/pallet/palletbuild.h"
#include "engine/pallet/palletload.h"
#include "engine/pallet/palletproject.h"
#include "model/fillscheme.h"

namespace {

// The planner's plan as a project's result, as the calculation call makes it.
ProjectResult resultOf(const ProjectInput& project, const PalletPlanInput& input, PalletPlanResult plan) {
  ProjectResult result;
  result.mode = PlanningMode::Pallets;
  result.supportPercent = input.cargo.supportPercent;
  result.pallets = std::move(plan.pallets);
  const std::vector<ContainerType> types = project.fleetOrContainer();
  for (PalletLoad& load : plan.containers) {
    LoadedContainer loaded;
    loaded.container = types[static_cast<std::size_t>(load.type)].container;
    loaded.blocks = std::move(load.blocks);
    loaded.pallets = std::move(load.pallets);
    result.containers.push_back(std::move(loaded));
  }
  return result;
}

struct Planned {
  PalletPlanResult plan;
  ProjectResult result;
  std::string violations;
};

// A fixed effort and no time limit: the same plan on every machine.
constexpr std::uint64_t kEffort = 1'000'000;

Planned plan(const ProjectInput& project, PalletLoading loading = PalletLoading::OneContainer,
             std::uint64_t effort = kEffort) {
  PalletPlanInput input = palletInputFromProject(project);
  input.loading = loading;
  input.timeLimitSeconds = 0;
  input.effortBudget = effort;
  Planned out;
  out.plan = planPallets(input);
  out.result = resultOf(project, input, out.plan);
  const check::NestedPlan nested = check::nestedPlanOfResult(project, out.result);
  out.violations = check::nestedReportText(check::checkNestedPlan(nested), nested);
  return out;
}

const std::string kHolds = "计划符合全部规则。\n";

std::int64_t cartonsOn(const LoadedPallet& pallet) {
  std::int64_t n = 0;
  for (const BlockScheme& b : pallet.blocks) n += b.count;
  return n;
}

Carton carton(const char* name, std::int32_t l, std::int32_t w, std::int32_t h, double kg, std::int32_t count,
              const char* pallet) {
  Carton c;
  c.name = name;
  c.length = l;
  c.width = w;
  c.height = h;
  c.weight = kg;
  c.count = count;
  c.pallet = pallet;
  c.mustUp = true;  // one layer height: the counts below follow by hand
  return c;
}

Container highCube() { return Container{"40尺高柜", 12032, 2350, 2698, 26000}; }

}  // namespace

TEST(PalletPlanner, aPalletIsLimitedByWeightBeforeHeight) {
  ProjectInput project;
  project.container = highCube();
  PalletType heavy = palletPresets()[0];
  heavy.name = "重托";
  heavy.maxGrossWeight = 500;  // 475 kg of cartons at most
  heavy.stackable = false;
  project.palletTypes = {heavy};
  // Eight to a layer and six layers by height would be 48; by weight 23 at most.
  project.cartons = {carton("铸件", 400, 300, 250, 20, 46, "重托")};
  const pallet::Tiers tiers = *pallet::tiersOf(heavy, 1, 2698, 0);
  const MaxLoadType castings{"铸件", 0, 400, 300, 250, 46, 20, kEdgeHeight};
  const pallet::SingleTypePallet capacity =
      pallet::singleTypeCapacity(heavy, castings, tiers, pallet::layersOf(heavy, castings));
  EXPECT_EQ(capacity.cartons, 23);
  EXPECT_EQ(capacity.perLayer, 8);
  const Planned planned = plan(project);
  EXPECT_EQ(planned.violations, kHolds);
  ASSERT_EQ(planned.plan.pallets.size(), 2u);
  for (const LoadedPallet& pallet : planned.plan.pallets) {
    EXPECT_EQ(cartonsOn(pallet), 23);
    EXPECT_DOUBLE_EQ(pallet.grossWeight, 25 + 23 * 20.0);
    EXPECT_EQ(pallet.height, 144 + 3 * 250) << "two full layers and a top layer of seven";
  }
  EXPECT_EQ(planned.plan.leftovers, (std::vector<std::int32_t>{0}));
}

TEST(PalletPlanner, stackablePalletsGoInTwoTiersOfAHighCube) {
  ProjectInput project;
  project.container = highCube();
  // EUR pallets up to 1800 mm: one tier of five layers (40 cartons) leaves 1000 mm empty
  // under the roof; two tiers of four layers (32 cartons each) carry 64 per place on the
  // floor, three tiers of two layers 48.
  project.cartons = {carton("纸箱", 400, 300, 300, 5, 1500, "EUR")};
  const Planned planned = plan(project);
  EXPECT_EQ(planned.violations, kHolds);
  ASSERT_FALSE(planned.plan.pallets.empty());
  for (const LoadedPallet& pallet : planned.plan.pallets) EXPECT_LE(pallet.height * 2, 2698);
  EXPECT_EQ(cartonsOn(planned.plan.pallets.front()), 32);
  std::size_t upper = 0;
  for (const PalletLoad& load : planned.plan.containers)
    for (const PalletPlacement& p : load.pallets) upper += p.y > 0 ? 1 : 0;
  EXPECT_GT(upper, 10u) << "the second tier holds pallets";
  const std::int64_t loaded = 1500 - planned.plan.leftovers[0];
  EXPECT_GT(loaded, 25 * 40) << "more than one tier of the tallest pallets on every place of the floor";
  EXPECT_EQ(planned.plan.pallets.front().height, 144 + 4 * 300);
}

TEST(PalletPlanner, palletsThatMayNotBeStackedStandOnTheFloor) {
  ProjectInput project;
  project.container = highCube();
  PalletType single = palletPresets()[0];
  single.name = "单层";
  single.stackable = false;
  project.palletTypes = {single};
  project.cartons = {carton("纸箱", 400, 300, 250, 5, 1500, "单层")};
  const Planned planned = plan(project);
  EXPECT_EQ(planned.violations, kHolds);
  ASSERT_FALSE(planned.plan.pallets.empty());
  EXPECT_EQ(planned.plan.pallets.front().height, 144 + 6 * 250) << "as high as the pallet allows";
  for (const PalletLoad& load : planned.plan.containers)
    for (const PalletPlacement& p : load.pallets) EXPECT_EQ(p.y, 0);
}

TEST(PalletPlanner, aMixedOrderLeavesTheCartonsWithoutAPalletLoose) {
  ProjectInput project;
  project.container = highCube();
  project.cartons = {carton("微波炉", 500, 400, 300, 15, 150, "EUR"), carton("电饭煲", 400, 300, 250, 6, 130, "EUR"),
                     carton("冰箱", 700, 650, 1700, 60, 12, "")};
  const Planned planned = plan(project);
  EXPECT_EQ(planned.violations, kHolds);
  EXPECT_EQ(planned.plan.leftovers, (std::vector<std::int32_t>{0, 0, 0}));
  std::int64_t onPallets[3] = {0, 0, 0}, loose[3] = {0, 0, 0};
  for (const LoadedPallet& pallet : planned.plan.pallets)
    for (const BlockScheme& b : pallet.blocks) onPallets[b.cartonIndex] += b.count;
  for (const PalletLoad& load : planned.plan.containers)
    for (const BlockScheme& b : load.blocks) loose[b.cartonIndex] += b.count;
  EXPECT_EQ(onPallets[0], 150);
  EXPECT_EQ(onPallets[1], 130);
  EXPECT_EQ(onPallets[2], 0);
  EXPECT_EQ(loose[2], 12);
  EXPECT_EQ(loose[0] + loose[1], 0);
  // A mixed pallet takes what the full pallets of each type leave.
  const bool mixed = std::any_of(planned.plan.pallets.begin(), planned.plan.pallets.end(), [](const LoadedPallet& p) {
    return std::any_of(p.blocks.begin(), p.blocks.end(), [](const BlockScheme& b) { return b.cartonIndex == 0; }) &&
           std::any_of(p.blocks.begin(), p.blocks.end(), [](const BlockScheme& b) { return b.cartonIndex == 1; });
  });
  EXPECT_TRUE(mixed);
}

TEST(PalletPlanner, palletsTakenFromTheirEndsOnlyStandWithTheirLengthAlongTheContainer) {
  ProjectInput project;
  project.container = Container{"20尺柜", 5898, 2352, 2393, 21770};
  PalletType ends = palletPresets()[0];
  ends.name = "两向";
  ends.forkEntry = kForkFromEnds;
  project.palletTypes = {ends};
  project.cartons = {carton("纸箱", 400, 300, 250, 5, 700, "两向")};
  const Planned planned = plan(project);
  EXPECT_EQ(planned.violations, kHolds);
  ASSERT_FALSE(planned.plan.containers.empty());
  EXPECT_GT(planned.plan.containers[0].pallets.size(), 10u);
  for (const PalletPlacement& p : planned.plan.containers[0].pallets) EXPECT_FALSE(p.turned);
  EXPECT_TRUE(pallet::mayStandStraight(ends));
  EXPECT_FALSE(pallet::mayStandTurned(ends));
}

TEST(PalletPlanner, severalContainersTakeThePalletsAndTheLooseCartons) {
  ProjectInput project;
  project.container = Container{"20尺柜", 5898, 2352, 2393, 21770};
  project.fleet = {ContainerType{project.container, 1000.0, std::nullopt}};
  project.cartons = {carton("纸箱", 400, 300, 250, 5, 1500, "EUR"), carton("散货", 500, 500, 500, 10, 60, "")};
  const Planned planned = plan(project, PalletLoading::SeveralContainers);
  EXPECT_EQ(planned.violations, kHolds);
  EXPECT_GT(planned.plan.containers.size(), 1u);
  EXPECT_EQ(planned.plan.leftovers, (std::vector<std::int32_t>{0, 0})) << "every carton, in as many containers as needed";
  EXPECT_GE(static_cast<std::int64_t>(planned.plan.containers.size()), planned.plan.lowerBoundContainers);
}

// 2 147 483 647 cartons for EUR pallets: a bounded number of pallets is built, a few times
// what the container could take, the rest of the cartons are left over, and the plan keeps
// the rules.
TEST(PalletPlanner, aHugeOrderBuildsABoundedNumberOfPallets) {
  ProjectInput project;
  project.container = highCube();
  project.cartons = {carton("纸箱", 400, 300, 300, 5, INT32_MAX, "EUR")};
  const Planned planned = plan(project, PalletLoading::OneContainer, 300'000);
  EXPECT_EQ(planned.violations, kHolds);
  const PalletPlanInput input = palletInputFromProject(project);
  ASSERT_FALSE(planned.plan.pallets.empty());
  const LoadedPallet& first = planned.plan.pallets.front();
  EXPECT_LE(planned.plan.palletsBuilt, pallet::mostPalletsLoaded(input, input.palletTypes[0], first.height));
  EXPECT_LE(planned.plan.palletsBuilt, 1000);
  EXPECT_GE(planned.plan.pallets.size(), 40u);
  std::int64_t onPallets = 0;
  for (const LoadedPallet& pallet : planned.plan.pallets) onPallets += cartonsOn(pallet);
  EXPECT_EQ(planned.plan.leftovers[0], INT32_MAX - onPallets);
}

TEST(PalletPlanner, aStackHoldsAsManyPalletsAsTheOneAtTheBottomBears) {
  LoadedPallet pallet;
  pallet.type = palletPresets()[0];
  pallet.grossWeight = 300;
  EXPECT_EQ(pallet::stackHeight(pallet), 4) << "1000 kg bears three of 300 kg";
  pallet.type.stackable = false;
  EXPECT_EQ(pallet::stackHeight(pallet), 1);
  PalletType type = palletPresets()[0];
  // Three tiers under 2698 mm with 10 mm between them: 889 mm each; the two above weigh at
  // most 1000 kg, 500 kg each, 475 kg of it cartons.
  const std::optional<pallet::Tiers> three = pallet::tiersOf(type, 3, 2698, 10);
  ASSERT_TRUE(three);
  EXPECT_EQ(three->maxHeight, 889);
  EXPECT_DOUBLE_EQ(three->payload, 475);
  EXPECT_FALSE(pallet::tiersOf(type, 20, 2698, 0)) << "no room above the base";
  type.stackable = false;
  EXPECT_FALSE(pallet::tiersOf(type, 2, 2698, 0));
  EXPECT_EQ(pallet::tiersOf(type, 1, 2698, 0)->maxHeight, 1800);
}
