// Pallets behind the calculation call: when the pallet planner runs, what stops it, its plan
// checked and applied, and the words and figures of a pallet result.

#include "commands/palletplan.h"

#include <gtest/gtest.h>

#include "commands/leftovers.h"
#include "commands/projectfiles.h"
#include "commands/resultcheck.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "model/settings.h"

namespace {

FillScheme orderWithPallets() {
  FillScheme p;
  p.container = Container{"40尺高柜", 12032, 2352, 2698, 26500};
  Carton& a = p.addCarton();
  a.length = 500, a.width = 400, a.height = 300, a.weight = 15, a.count = 60, a.mustUp = true, a.pallet = "EUR";
  Carton& b = p.addCarton();
  b.length = 700, b.width = 650, b.height = 1700, b.weight = 75, b.count = 4, b.mustUp = true;
  return p;
}

// A pallet result by hand: one EUR pallet of 16 cartons of type 0 (four layers of four) in
// the container's corner, and one loose carton of type 1 beside it.
FillScheme handMadeResult() {
  FillScheme p = orderWithPallets();
  LoadedPallet pallet;
  pallet.type = palletPresets()[0];
  BlockScheme layers;
  layers.x = 0, layers.y = 144, layers.z = 100;
  layers.sizeX = 400, layers.sizeY = 300, layers.sizeZ = 500;
  layers.nx = 2, layers.ny = 4, layers.nz = 2, layers.count = 16;
  layers.orientation = 3;
  layers.cartonIndex = 0;
  pallet.blocks = {layers};
  measurePallet(pallet, p.cartons);
  BlockScheme fridge;
  fridge.x = 1000, fridge.y = 0, fridge.z = 0;
  fridge.sizeX = 650, fridge.sizeY = 1700, fridge.sizeZ = 700;
  fridge.nx = fridge.ny = fridge.nz = fridge.count = 1;
  fridge.orientation = 3;
  fridge.cartonIndex = 1;
  p.result.mode = PlanningMode::Pallets;
  p.result.supportPercent = 100;
  p.result.pallets = {pallet};
  p.result.containers = {LoadedContainer{p.container, {fridge}, -1, {PalletPlacement{0, 0, 0, 0, false}}}};
  return p;
}

CalculationReport run(const CalculationRequest& request) {
  CancelToken token;
  return calculate(request, token);
}

}  // namespace

TEST(PalletPlan, cartonsNamingAPalletTypeRunThePalletPlannerWhateverTheMode) {
  FillScheme p = orderWithPallets();
  for (const PlanningMode mode : {PlanningMode::Sets, PlanningMode::LoadMax, PlanningMode::Pallets}) {
    Settings settings;
    settings.planningMode = mode;
    CalculationRequest request = calculationRequest(p, settings);
    request.palletTimeLimit = request.loadMaxTimeLimit = 2;
    EXPECT_TRUE(runsPalletPlanner(request));
    EXPECT_FALSE(palletsIntoSeveralContainers(request));
    const CalculationReport report = run(request);
    ASSERT_EQ(report.status, CalculationStatus::Loaded) << report.message;
    EXPECT_EQ(report.planner, PlanningMode::Pallets);
    EXPECT_EQ(report.result.mode, PlanningMode::Pallets);
    FillScheme applied = p;
    applyReport(report, applied);
    EXPECT_EQ(resultViolations(applied), "");
    EXPECT_TRUE(leftoverCartons(applied, applied.result).empty());
    EXPECT_FALSE(applied.result.pallets.empty());
  }
  p.cartons[0].pallet.clear();
  CalculationRequest loose = calculationRequest(p, Settings{});
  EXPECT_FALSE(runsPalletPlanner(loose));
  loose.planningMode = PlanningMode::Fleet;
  EXPECT_TRUE(palletsIntoSeveralContainers(loose));
}

TEST(PalletPlan, refusesUnknownPalletTypesAndTypesThatMakeNoPallet) {
  setLanguage(Language::English);
  FillScheme p = orderWithPallets();
  p.cartons[0].pallet = "CHEP";
  const CalculationReport unknown = run(calculationRequest(p, Settings{}));
  EXPECT_EQ(unknown.status, CalculationStatus::Refused);
  EXPECT_NE(unknown.message.find("“纸箱1”"), std::string::npos) << unknown.message;
  PalletType broken;
  broken.name = "CHEP";
  broken.maxHeight = 100;  // below its base
  p.palletTypes = {broken};
  const std::string message = palletRefusal(calculationRequest(p, Settings{}));
  EXPECT_NE(message.find("“CHEP”"), std::string::npos) << message;
  p.palletTypes[0].maxHeight = 1500;
  EXPECT_EQ(palletRefusal(calculationRequest(p, Settings{})), "");
  setLanguage(Language::Chinese);
}

TEST(PalletPlan, leftoversCountTheCartonsOnLoadedPallets) {
  const FillScheme p = handMadeResult();
  const std::vector<Leftover> left = leftoverCartons(p, p.result);
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(left[0].count, 60 - 16);
  EXPECT_EQ(left[1].count, 4 - 1);
}

TEST(PalletPlan, aHandMadeResultHoldsAndAPalletMovedOutOfTheContainerDoesNot) {
  FillScheme p = handMadeResult();
  EXPECT_EQ(resultViolations(p), "");
  p.result.containers[0].pallets[0].x = 2000;
  setLanguage(Language::English);
  const std::string violations = resultViolations(p);
  setLanguage(Language::Chinese);
  EXPECT_NE(violations.find("pallet #0 (EUR"), std::string::npos) << violations;
  EXPECT_NE(violations.find("outside the container"), std::string::npos) << violations;
}

TEST(PalletPlan, theSummaryCountsPalletsByTypeAndTheLooseCartons) {
  FillScheme p = handMadeResult();
  p.result.pallets.push_back(p.result.pallets[0]);
  p.result.pallets.back().type = palletPresets()[1];
  p.result.containers[0].pallets.push_back(PalletPlacement{1, 0, 0, 2000, false});
  EXPECT_EQ(palletCounts(p), (std::vector<PalletCount>{{"EUR", 1}, {"ISO", 1}}));
  setLanguage(Language::English);
  EXPECT_EQ(palletSummaryText(p), "2 pallets (EUR 1, ISO 1), 1 loose cartons");
  setLanguage(Language::Chinese);
}

TEST(PalletPlan, theBalanceWeighsPalletsCartonsTaresAndTheLooseCartons) {
  const FillScheme p = handMadeResult();
  const LoadBalance balance = palletLoadBalance(p, 0);
  EXPECT_DOUBLE_EQ(balance.loadedWeight, 25 + 16 * 15.0 + 75);
  ASSERT_TRUE(balance.centreKnown);
  // The pallet's cartons and base around x 400, the fridge at x 1325.
  EXPECT_DOUBLE_EQ(balance.fromLeftWall, ((25 + 240) * 400.0 + 75 * 1325.0) / 340);
  const LoadedContainer flat = containerWithPalletCartons(p, 0);
  std::int64_t cartons = 0;
  for (const BlockScheme& b : flat.blocks) cartons += b.count;
  EXPECT_EQ(cartons, 17);
}

TEST(PalletPlan, aPakCannotHoldCartonsOnPallets) {
  setLanguage(Language::English);
  const std::string question = pakCannotHoldQuestion(orderWithPallets().input());
  setLanguage(Language::Chinese);
  EXPECT_NE(question.find("pallet"), std::string::npos) << question;
  EXPECT_NE(question.find(".clyx"), std::string::npos) << question;
}
