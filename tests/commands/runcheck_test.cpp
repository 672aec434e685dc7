// What the Run command does before a calculation: refuse, ask or go.

#include <gtest/gtest.h>

#include "commands/runcheck.h"
#include "engine_test_support.h"

namespace {

// A 100 mm³ container and 1 mm cubes: the count is the volume ratio in percent.
FillScheme cubes(int count, int spaceIndex = kSpaceNone) {
  return projectOf(100, 1, 1, {{1, 1, 1, count, false, 0, 0, spaceIndex}});
}

struct RatioCase {
  int percent;
  PreRunCheck expected;
};

class VolumeRatio : public ::testing::TestWithParam<RatioCase> {};

TEST_P(VolumeRatio, decidesTheQuestion) {
  FillScheme p = cubes(GetParam().percent);
  EXPECT_EQ(checkBeforeRun(p), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, VolumeRatio,
                         ::testing::Values(RatioCase{1, PreRunCheck::Go}, RatioCase{20, PreRunCheck::Go},
                                           RatioCase{21, PreRunCheck::AskUnderHalf},
                                           RatioCase{50, PreRunCheck::AskUnderHalf},
                                           RatioCase{51, PreRunCheck::AskUnder85},
                                           RatioCase{84, PreRunCheck::AskUnder85},
                                           RatioCase{85, PreRunCheck::Go}, RatioCase{100, PreRunCheck::Go}));

}  // namespace

TEST(PreRun, noCartonsAreRefusedFirst) {
  FillScheme p = projectOf(11800, 2300, 2450, {});
  EXPECT_EQ(checkBeforeRun(p), PreRunCheck::NoCartons);
  EXPECT_EQ(p.computeMaxSets(), 0);
  EXPECT_EQ(preRunMessage(PreRunCheck::NoCartons), "您没有输入纸箱数据，请输入纸箱数据后再进行计算。");
}

TEST(PreRun, twentyThousandSetsAreTheMost) {
  FillScheme most = projectOf(20000, 1, 1, {{1, 1, 1, 1}});
  EXPECT_EQ(checkBeforeRun(most), PreRunCheck::Go);
  EXPECT_EQ(most.computeMaxSets(), 20000);
  FillScheme tooMany = projectOf(20001, 1, 1, {{1, 1, 1, 1}});
  EXPECT_EQ(checkBeforeRun(tooMany), PreRunCheck::TooManySets);
  EXPECT_EQ(tooMany.computeMaxSets(), 20001);
}

TEST(PreRun, tooHeavyAndTooLargeAreRefused) {
  FillScheme heavy = projectOf(11800, 2300, 2450, {{600, 400, 300, 500, false, 0, 50}});
  EXPECT_EQ(checkBeforeRun(heavy), PreRunCheck::OverWeight);
  FillScheme large = projectOf(11800, 2300, 2450, {{600, 400, 300, 1000}});
  EXPECT_EQ(checkBeforeRun(large), PreRunCheck::DoesNotFit);
}

TEST(PreRun, positionRequirementsUnderHalfAreRefused) {
  FillScheme p = projectOf(100, 1, 1, {{1, 1, 1, 30, false, 0, 0, kSpaceInner}, {1, 1, 1, 20}});
  EXPECT_EQ(checkBeforeRun(p), PreRunCheck::MixedUnderHalf);
  FillScheme small = projectOf(100, 1, 1, {{1, 1, 1, 5, false, 0, 0, kSpaceDoor}, {1, 1, 1, 5}});
  EXPECT_EQ(checkBeforeRun(small), PreRunCheck::MixedUnderHalf);
  FillScheme over = projectOf(100, 1, 1, {{1, 1, 1, 30, false, 0, 0, kSpaceInner}, {1, 1, 1, 21}});
  EXPECT_EQ(checkBeforeRun(over), PreRunCheck::AskUnder85);
  // The same requirement everywhere is no mix.
  FillScheme same = projectOf(100, 1, 1, {{1, 1, 1, 30, false, 0, 0, kSpaceDoor}, {1, 1, 1, 10, false, 0, 0, kSpaceDoor}});
  EXPECT_EQ(checkBeforeRun(same), PreRunCheck::AskUnderHalf);
}

TEST(PreRun, questionsAndRefusals) {
  EXPECT_TRUE(isQuestion(PreRunCheck::AskUnderHalf));
  EXPECT_TRUE(isQuestion(PreRunCheck::AskUnder85));
  EXPECT_FALSE(isQuestion(PreRunCheck::Go));
  EXPECT_FALSE(isQuestion(PreRunCheck::DoesNotFit));
  for (PreRunCheck refusal : {PreRunCheck::NoCartons, PreRunCheck::TooManySets, PreRunCheck::OverWeight,
                              PreRunCheck::DoesNotFit, PreRunCheck::MixedUnderHalf}) {
    EXPECT_TRUE(isRefusal(refusal));
    EXPECT_FALSE(preRunMessage(refusal).empty());
  }
  EXPECT_FALSE(isRefusal(PreRunCheck::Go));
  EXPECT_FALSE(isRefusal(PreRunCheck::AskUnder85));
  EXPECT_EQ(preRunMessage(PreRunCheck::Go), "");
  EXPECT_EQ(preRunMessage(PreRunCheck::AskUnder85),
            "您所输入的纸箱净体积不足集装箱的85%，可能无法得到满意的结果，是否开始计算？");
  EXPECT_EQ(nothingLoadedMessage(), "该集装箱无法装下给定的纸箱系列，您可能需要调整纸箱尺寸或减少纸箱数量。");
}

namespace {

// A project that fills the container well, with one cargo rule set.
struct RuleSetting {
  const char* name;
  CargoRule rule;
  void (*set)(FillScheme&);
};

std::ostream& operator<<(std::ostream& out, const RuleSetting& s) { return out << s.name; }

FillScheme wellFilled() { return projectOf(11800, 2300, 2450, {{600, 400, 300, 850}, {600, 400, 300, 1}}); }

const RuleSetting kRuleSettings[] = {
    {"notStackable", CargoRule::NotStackable, [](FillScheme& p) { p.cartons[1].stackable = false; }},
    {"loadOnTop", CargoRule::LoadOnTop, [](FillScheme& p) { p.cartons[0].maxLoadOnTop = 80; }},
    {"fragile", CargoRule::Fragile, [](FillScheme& p) { p.cartons[1].fragile = true; }},
    {"stops", CargoRule::Stops, [](FillScheme& p) {
       p.stops = {"上海", "苏州"};
       p.cartons[1].stop = std::string("上海");
     }},
    {"balance", CargoRule::BalanceWindow, [](FillScheme& p) { p.container.balance = lengthBalancePreset(); }},
    {"axles", CargoRule::AxleLoads, [](FillScheme& p) { p.container.vehicle = vehiclePresets().front().vehicle; }},
};

class EachCargoRule : public ::testing::TestWithParam<RuleSetting> {};

TEST_P(EachCargoRule, isRefusedByBothPlannersNamingIt) {
  FillScheme p = wellFilled();
  ASSERT_EQ(checkBeforeRun(p), PreRunCheck::Go);
  EXPECT_EQ(loadMaxRulesMessage(p), "");
  GetParam().set(p);
  EXPECT_EQ(rulesNotKept(p, PlanningMode::Sets), std::vector<CargoRule>{GetParam().rule});
  EXPECT_EQ(checkBeforeRun(p), PreRunCheck::RulesNotKept);
  EXPECT_NE(preRunMessage(PreRunCheck::RulesNotKept, p).find(cargoRuleName(GetParam().rule)), std::string::npos);
  EXPECT_NE(loadMaxRulesMessage(p).find(cargoRuleName(GetParam().rule)), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(PreRun, EachCargoRule, ::testing::ValuesIn(kRuleSettings),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

TEST(PreRun, rulesNotKeptAreRefusedAndOfferLoadingAsManyAsFit) {
  EXPECT_TRUE(isRefusal(PreRunCheck::RulesNotKept));
  EXPECT_FALSE(isTooMuchCargo(PreRunCheck::RulesNotKept));
  for (PreRunCheck offer : {PreRunCheck::RulesNotKept, PreRunCheck::DoesNotFit, PreRunCheck::OverWeight})
    EXPECT_TRUE(offersLoadMax(offer));
  for (PreRunCheck other : {PreRunCheck::NoCartons, PreRunCheck::TooManySets, PreRunCheck::MixedUnderHalf,
                            PreRunCheck::AskUnder85, PreRunCheck::Go})
    EXPECT_FALSE(offersLoadMax(other));
}

TEST(PreRun, rulesComeAfterNoCartonsAndBeforeTheSetChecks) {
  FillScheme none = projectOf(11800, 2300, 2450, {});
  none.container.vehicle = vehiclePresets().front().vehicle;
  EXPECT_EQ(checkBeforeRun(none), PreRunCheck::NoCartons);
  FillScheme large = projectOf(11800, 2300, 2450, {{600, 400, 300, 1000000}});
  large.cartons[0].fragile = true;
  EXPECT_EQ(checkBeforeRun(large), PreRunCheck::RulesNotKept);
  // Every rule at once, each named once.
  FillScheme all = wellFilled();
  for (const RuleSetting& s : kRuleSettings) s.set(all);
  EXPECT_EQ(rulesNotKept(all, PlanningMode::LoadMax).size(), std::size(kRuleSettings));
  EXPECT_NE(loadMaxRulesMessage(all).find(cargoRuleNames(rulesNotKept(all, PlanningMode::LoadMax))), std::string::npos);
}

TEST(PreRun, stopsThatAllCartonsShareSetNoRule) {
  FillScheme p = wellFilled();
  p.stops = {"上海", "苏州"};
  EXPECT_EQ(checkBeforeRun(p), PreRunCheck::Go) << "both cartons go to 苏州, the last stop";
  p.cartons[0].stop = std::string("苏州");
  EXPECT_EQ(checkBeforeRun(p), PreRunCheck::Go);
}
