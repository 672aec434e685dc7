// Broken rules of a pallet plan in words: each names the pallet or the carton it concerns
// and says by how much, in either language.

#include "check/pallettext.h"

#include <gtest/gtest.h>

#include "model/language.h"

namespace check {
namespace {

// Pallet "半托" 1000 long, 600 wide, base 100, at most 500 high, with two 400 x 300 x 200
// cartons ("木箱", 30 kg) on it; it stands in a 2000 x 2000 x 4000 container.
NestedPlan plan() {
  NestedPlan p;
  p.types = {CartonType{"木箱", 400, 300, 200, 10, 30}};
  PalletKind k;
  k.name = "半托";
  k.length = 1000;
  k.width = 600;
  k.baseHeight = 100;
  k.tareWeight = 10;
  k.maxHeight = 500;
  k.maxGrossWeight = 200;
  k.stackable = true;
  k.maxLoadOnTop = 100;
  BuiltPallet pallet{k, {PlacedCarton{0, 0, 100, 0, 300, 200, 400}, PlacedCarton{0, 300, 100, 0, 300, 200, 400}}, {}, {}};
  p.pallets = {pallet, pallet};
  NestedContainer c;
  c.container = ContainerSize{2000, 2000, 4000, 5000};
  c.pallets = {PlacedPallet{0, 0, 0, 0, false, {}, {}, {}}, PlacedPallet{1, 0, 300, 0, false, {}, {}, {}}};
  p.containers = {c};
  return p;
}

struct Wording {
  const char* name;
  void (*breakIt)(NestedPlan&);
  std::vector<const char*> mentions;  // in both languages
};

std::ostream& operator<<(std::ostream& out, const Wording& w) { return out << w.name; }

class PalletWording : public ::testing::TestWithParam<Wording> {};

TEST_P(PalletWording, namesWhatBreaksTheRuleAndByHowMuch) {
  NestedPlan broken = plan();
  ASSERT_TRUE(checkNestedPlan(broken).holds());
  GetParam().breakIt(broken);
  const NestedReport report = checkNestedPlan(broken);
  ASSERT_FALSE(report.holds());
  for (const Language language : {Language::Chinese, Language::English}) {
    setLanguage(language);
    const std::string text = describeNestedViolation(report.violations.front(), broken);
    for (const char* mention : GetParam().mentions) EXPECT_NE(text.find(mention), std::string::npos) << text;
  }
  setLanguage(Language::Chinese);
  const std::string chinese = describeNestedViolation(report.violations.front(), broken);
  setLanguage(Language::English);
  const std::string english = describeNestedViolation(report.violations.front(), broken);
  setLanguage(Language::Chinese);
  EXPECT_NE(chinese, english) << "each language has its own words";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PalletWording,
    ::testing::Values(
        Wording{"a carton outside its pallet", [](NestedPlan& p) { p.pallets[1].cartons[1].x = 350; },
                {"#1", "半托", "#1", "木箱", "x 350", "50 mm"}},
        Wording{"a pallet over its height",
                [](NestedPlan& p) { p.pallets[0].kind.maxHeight = 280; },
                {"#0", "半托", "300 mm", "280 mm", "20 mm"}},
        Wording{"a pallet over its gross weight", [](NestedPlan& p) { p.pallets[0].kind.maxGrossWeight = 60.5; },
                {"#0", "70.00 kg", "60.50 kg", "9.50 kg"}},
        Wording{"a pallet bearing too much", [](NestedPlan& p) { p.pallets[0].kind.maxLoadOnTop = 40; },
                {"#0", "半托", "x 0", "70.00 kg", "40.00 kg", "30.00 kg"}},
        Wording{"a pallet outside the container", [](NestedPlan& p) { p.containers[0].pallets[0].z = 3100; },
                {"#0", "半托", "z 3100", "100 mm"}},
        Wording{"a pallet in no container", [](NestedPlan& p) { p.containers[0].pallets.pop_back(); },
                {"#1", "半托"}}));

TEST(PalletWording, aHoldingPlanSaysSoAndABrokenOneListsEveryRule) {
  setLanguage(Language::English);
  NestedPlan p = plan();
  EXPECT_EQ(nestedReportText(checkNestedPlan(p), p), "The plan holds.\n");
  p.pallets[0].kind.maxHeight = 280;
  p.pallets[1].kind.maxHeight = 280;
  const std::string text = nestedReportText(checkNestedPlan(p), p);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
  setLanguage(Language::Chinese);
}

}  // namespace
}  // namespace check
