// Broken rules in words: each names its cartons by index, type name and position and says
// by how much, with the unit, in either language.

#include "check/violationtext.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/language.h"

namespace check {
namespace {

// A 1000 mm cube of a container for 25 kg; "木箱" is a 100 mm cube of 10 kg, 20 of them;
// "冰箱" stands upright (300 long, 200 wide, 100 high) and may lie in two top layers.
CheckInput planOf(std::vector<PlacedCarton> cartons) {
  CheckInput in;
  in.container = ContainerSize{1000, 1000, 1000, 1000};
  in.types.resize(2);
  in.types[0] = CartonType{"木箱", 100, 100, 100, 20, 10};
  in.types[1] = CartonType{"冰箱", 300, 200, 100, 4, 0, kEdgeH, kEdgeL | kEdgeW, 2};
  in.cartons = std::move(cartons);
  return in;
}

PlacedCarton box(std::int32_t x, std::int32_t y, std::int32_t z) {
  return {0, x, y, z, 100, 100, 100};
}

struct Wording {
  const char* name;
  CheckInput plan;
  std::vector<const char*> mentions;  // in both languages
};

std::ostream& operator<<(std::ostream& out, const Wording& w) { return out << w.name; }

std::vector<Wording> wordings() {
  std::vector<Wording> all;
  all.push_back(
      {"outside", planOf({box(950, 0, 0)}), {"#0", "木箱", "x 950", "y 0", "z 0", "50 mm"}});
  all.push_back({"overlap", planOf({box(0, 0, 0), box(0, 0, 60)}), {"#0", "#1", "z 60", "40 mm"}});
  all.push_back({"extents", planOf({{0, 0, 0, 0, 100, 90, 100}}), {"#0", "木箱", "100×90×100 mm"}});
  CheckInput standing = planOf({{1, 0, 0, 700, 100, 300, 200}});
  standing.types[1].lyingLayers = 0;
  all.push_back({"orientation", standing, {"#0", "冰箱", "z 700", "300 mm"}});
  all.push_back({"onALyingCarton",
                 planOf({{1, 0, 0, 0, 300, 200, 100}, box(0, 200, 0)}),
                 {"#0", "#1", "冰箱", "木箱", "y 200"}});
  CheckInput lyingHigh = planOf({});
  for (std::int32_t layer = 0; layer < 3; ++layer)
    lyingHigh.cartons.push_back({1, 0, 200 * layer, 0, 300, 200, 100});
  all.push_back({"lyingLayers", lyingHigh, {"#2", "y 400", "3", "2"}});
  CheckInput many = planOf({});
  for (std::int32_t i = 0; i < 23; ++i)
    many.cartons.push_back(box(100 * (i % 10), 100 * (i / 10), 0));
  many.container.maxWeight = 1e6;
  all.push_back({"count", many, {"木箱", "23", "20"}});
  CheckInput heavy = planOf({box(0, 0, 0), box(100, 0, 0), box(200, 0, 0)});
  heavy.container.maxWeight = 25;
  all.push_back({"weight", heavy, {"30.00 kg", "25.00 kg", "5.00 kg"}});
  CheckInput zoned = planOf({box(0, 0, 100), {1, 100, 0, 0, 300, 100, 200}});
  zoned.types[0].zone = kZoneInnerEnd;
  zoned.types[1].zone = kZoneDoor;
  all.push_back({"zone", zoned, {"#1", "#0", "冰箱", "木箱", "100 mm"}});
  CheckInput carried = planOf({box(0, 0, 0), box(50, 100, 0)});
  carried.supportPercent = 60;
  all.push_back({"support", carried, {"#1", "y 100", "50.00%", "60%"}});

  CheckInput notStackable = planOf({box(0, 0, 0), box(0, 100, 0)});
  notStackable.types[0].stackable = false;
  all.push_back({"notStackable", notStackable, {"#0", "#1", "y 100"}});
  CheckInput loaded = planOf({box(0, 0, 0), box(0, 100, 0), box(0, 200, 0)});
  loaded.types[0].maxLoadOnTop = 15;
  loaded.types[0].count = 3;
  all.push_back({"loadOnTop", loaded, {"#0", "20.00 kg", "15.00 kg", "5.00 kg"}});
  CheckInput fragile = planOf({{1, 0, 0, 0, 200, 100, 300}, box(0, 100, 0)});
  fragile.types[1].fragile = true;
  all.push_back({"fragile", fragile, {"#0", "#1", "冰箱", "木箱"}});
  // 木箱 goes to 上海 (first), 铁箱 to 苏州.
  const auto twoStops = [](std::vector<PlacedCarton> cartons) {
    CheckInput in = planOf(std::move(cartons));
    in.types.push_back(in.types[0]);
    in.types[2].name = "铁箱";
    in.types[2].stop = 1;
    in.stops = {"上海", "苏州"};
    return in;
  };
  all.push_back({"stopOrder", twoStops({box(0, 0, 0), {2, 0, 0, 100, 100, 100, 100}}),
                 {"#0", "#1", "上海", "苏州", "100 mm"}});
  all.push_back({"stopBuried", twoStops({box(0, 0, 900), {2, 0, 100, 900, 100, 100, 100}}),
                 {"#0", "#1", "上海", "苏州", "y 100"}});
  CheckInput forward = planOf({box(0, 0, 0)});
  forward.balance.lengthPercent = 5;
  all.push_back({"centreAlongTheLength", forward, {"450.0 mm", "400.0 mm", "±5.0%", "50.0 mm"}});
  CheckInput left = planOf({box(0, 0, 400)});
  left.balance.widthPercent = 10;
  all.push_back({"centreAcross", left, {"450.0 mm", "350.0 mm", "±10.0%", "100.0 mm"}});
  CheckInput high = planOf({box(0, 0, 0)});
  high.balance.maxHeight = 20;
  all.push_back({"centreHeight", high, {"50.0 mm", "30.0 mm", "20.0 mm"}});
  // A rigid truck whose front axle, 500 mm ahead of the inner end, may carry 1004 kg: a box
  // at the inner end puts 4.5 kg on it, one at the door takes 4.5 kg off.
  Vehicle truck;
  truck.wheelbase = 1000;
  truck.frontAxleToCargo = 500;
  truck.tare = {1000, 1000};
  truck.maxLoad = {1004, 5000};
  CheckInput axle = planOf({box(0, 0, 0)});
  axle.vehicle = truck;
  all.push_back({"axleAtDeparture", axle, {"1004.50 kg", "1004.00 kg", "0.50 kg"}});
  CheckInput unloaded = twoStops({box(0, 0, 900), {2, 0, 0, 0, 100, 100, 100}});
  unloaded.vehicle = truck;
  all.push_back({"axleAfterAStop", unloaded, {"上海", "1004.50 kg", "0.50 kg"}});
  return all;
}

class WordsOf : public ::testing::TestWithParam<Wording> {
 protected:
  void TearDown() override { setLanguage(Language::Chinese); }
};

TEST_P(WordsOf, aViolationNamesItsCartonsAndItsAmountInEitherLanguage) {
  const Wording& w = GetParam();
  const CheckReport report = checkPlan(w.plan);
  ASSERT_EQ(report.violations.size(), 1u);
  setLanguage(Language::Chinese);
  const std::string chinese = describeViolation(report.violations[0], w.plan);
  setLanguage(Language::English);
  const std::string english = describeViolation(report.violations[0], w.plan);
  EXPECT_NE(chinese, english);
  for (const char* mention : w.mentions) {
    EXPECT_NE(chinese.find(mention), std::string::npos) << chinese << "\nlacks " << mention;
    EXPECT_NE(english.find(mention), std::string::npos) << english << "\nlacks " << mention;
  }
}

INSTANTIATE_TEST_SUITE_P(ViolationText, WordsOf, ::testing::ValuesIn(wordings()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ViolationText, aReportListsOneLinePerBrokenRule) {
  setLanguage(Language::English);
  const CheckInput sound = planOf({box(0, 0, 0)});
  const std::string holds = checkReportText(checkPlan(sound), sound);
  const CheckInput broken = planOf({box(950, 0, 0), box(0, 0, 0), box(0, 0, 60)});
  const CheckReport report = checkPlan(broken);
  ASSERT_EQ(report.violations.size(), 2u);
  const std::string lines = checkReportText(report, broken);
  EXPECT_EQ(lines, describeViolation(report.violations[0], broken) + "\n" +
                       describeViolation(report.violations[1], broken) + "\n");
  EXPECT_EQ(std::count(holds.begin(), holds.end(), '\n'), 1);
  EXPECT_EQ(lines.find(holds), std::string::npos);

  CheckReport cut = report;
  cut.stoppedEarly = true;
  const std::string more = checkReportText(cut, broken);
  ASSERT_EQ(more.substr(0, lines.size()), lines);
  EXPECT_NE(more.find(" 2 "), std::string::npos) << more;  // how many were listed
  setLanguage(Language::Chinese);
}

TEST(ViolationText, anUnknownTypeIsNamedByItsNumber) {
  const CheckInput in = planOf({{7, 0, 0, 0, 100, 100, 100}});
  const CheckReport report = checkPlan(in);
  ASSERT_EQ(report.violations.size(), 1u);
  setLanguage(Language::English);
  const std::string words = describeViolation(report.violations[0], in);
  setLanguage(Language::Chinese);
  EXPECT_NE(words.find("#0"), std::string::npos) << words;
  EXPECT_NE(words.find(" 7"), std::string::npos) << words;
}

}  // namespace
}  // namespace check
