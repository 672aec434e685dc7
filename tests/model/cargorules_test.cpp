// The cargo rules a project sets, and the stop each carton goes to.

#include "model/cargorules.h"

#include <gtest/gtest.h>

#include "model/language.h"
#include "model/projectinput.h"

namespace {

ProjectInput twoCartons() {
  ProjectInput p;
  p.addCarton();
  p.addCarton();
  return p;
}

TEST(CargoRules, eachSettingPutsItsRuleInUse) {
  EXPECT_TRUE(cargoRulesInUse(twoCartons()).empty());
  ProjectInput p = twoCartons();
  p.cartons[1].stackable = false;
  p.cartons[0].maxLoadOnTop = 0;
  p.cartons[1].fragile = true;
  p.stops = {"A", "B"};
  p.cartons[0].stop = std::string("A");  // the other goes to B, the last
  p.container.balance = lengthBalancePreset();
  p.container.vehicle = vehiclePresets().front().vehicle;
  EXPECT_EQ(cargoRulesInUse(p),
            (std::vector<CargoRule>{CargoRule::NotStackable, CargoRule::LoadOnTop, CargoRule::Fragile, CargoRule::Stops,
                                    CargoRule::BalanceWindow, CargoRule::AxleLoads}));
}

TEST(CargoRules, aContainerTypeOfTheFleetSetsItsOwnRules) {
  ProjectInput p = twoCartons();
  p.fleet.resize(2);
  p.fleet[1].container.vehicle = vehiclePresets().back().vehicle;
  EXPECT_EQ(cargoRulesInUse(p), std::vector<CargoRule>{CargoRule::AxleLoads});
  p.fleet[0].container.balance.maxHeight = 1200;
  EXPECT_EQ(cargoRulesInUse(p), (std::vector<CargoRule>{CargoRule::BalanceWindow, CargoRule::AxleLoads}));
}

TEST(CargoRules, stopsAreInUseOnlyWhenTheCartonsGoToTwoOfThem) {
  ProjectInput p = twoCartons();
  p.stops = {"A", "B"};
  EXPECT_TRUE(cargoRulesInUse(p).empty()) << "both go to B, the last stop";
  p.cartons[0].stop = std::string("B");
  p.cartons[1].stop = std::string("B");
  EXPECT_TRUE(cargoRulesInUse(p).empty());
  p.cartons[1].stop = std::string("A");
  EXPECT_EQ(cargoRulesInUse(p), std::vector<CargoRule>{CargoRule::Stops});
}

TEST(CargoRules, aCartonWithoutAStopGoesWithTheLast) {
  ProjectInput p = twoCartons();
  EXPECT_EQ(stopIndexOf(p, p.cartons[0]), 0u);
  EXPECT_EQ(stopNameOf(p, p.cartons[0]), "");
  p.stops = {"上海", "苏州", "杭州"};
  p.cartons[0].stop = std::string("苏州");
  EXPECT_EQ(stopIndexOf(p, p.cartons[0]), 1u);
  EXPECT_EQ(stopIndexOf(p, p.cartons[1]), 2u);
  EXPECT_EQ(stopNameOf(p, p.cartons[1]), "杭州");
}

TEST(CargoRules, theRulesAreNamedInEitherLanguage) {
  const std::vector<CargoRule> rules{CargoRule::NotStackable, CargoRule::Fragile};
  setLanguage(Language::English);
  const std::string english = cargoRuleNames(rules);
  setLanguage(Language::Chinese);
  const std::string chinese = cargoRuleNames(rules);
  EXPECT_NE(english, chinese);
  std::string joined = cargoRuleName(CargoRule::NotStackable);
  joined.append("、").append(cargoRuleName(CargoRule::Fragile));
  EXPECT_EQ(chinese, joined);
}

}  // namespace
