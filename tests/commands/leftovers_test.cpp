// The cartons a calculation left behind and how the window names them.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "commands/leftoverreasons.h"
#include "commands/leftovers.h"
#include "model/vehicle.h"
#include "resultblocks.h"
#include "model/fillscheme.h"

namespace {

BlockScheme blockOf(int cartonIndex, int count) {
  BlockScheme block;
  block.cartonIndex = cartonIndex;
  block.count = count;
  return block;
}

FillScheme threeTypes() {
  FillScheme project;
  const char* names[] = {"微波炉", "冰箱", "电视"};
  const int counts[] = {50, 40, 25};
  for (int i = 0; i < 3; ++i) {
    Carton& carton = project.addCarton();
    carton.name = names[i];
    carton.count = counts[i];
  }
  return project;
}

}  // namespace

TEST(Leftovers, enteredLessLoadedPerTypeSummedOverItsBlocks) {
  FillScheme project = threeTypes();
  EXPECT_TRUE(leftoverCartons(project, project.result).empty()) << "no result, nothing left behind";

  // A zoned run that loaded 23 of 115 cartons, the first type in two blocks.
  resultBlocks(project) = {blockOf(0, 10), blockOf(2, 5), blockOf(0, 8)};
  const std::vector<Leftover> expected = {{0, "微波炉", 32}, {1, "冰箱", 40}, {2, "电视", 20}};
  EXPECT_EQ(leftoverCartons(project, project.result), expected);
  EXPECT_EQ(leftoverStatusText(expected), "未装入：微波炉 32 箱，冰箱 40 箱，电视 20 箱（共 92 箱）");
  EXPECT_EQ(leftoverMessage(expected),
            "并非所有纸箱都已装入集装箱，以下纸箱未能装入：微波炉 32 箱，冰箱 40 箱，电视 20 箱（共 92 箱）。");
  // With a reason for each, each names its own; reasons that do not match the leftovers are
  // not shown at all rather than beside the wrong carton.
  const std::vector<std::string> reasons = {"没有剩余空间", "会违反“不可堆叠”", "超过集装箱的最大载重"};
  EXPECT_EQ(leftoverStatusText(expected, reasons),
            "未装入：微波炉 32 箱（没有剩余空间），冰箱 40 箱（会违反“不可堆叠”），电视 20 箱（超过集装箱的最大载重）"
            "（共 92 箱）");
  EXPECT_EQ(leftoverMessage(expected, {"没有剩余空间"}), leftoverMessage(expected));
}

TEST(Leftovers, typesLoadedInFullOrBeyondAreNotListed) {
  FillScheme project = threeTypes();
  // Several whole sets, or blocks filled beyond the entered count, leave nothing behind.
  resultBlocks(project) = {blockOf(0, 100), blockOf(1, 40), blockOf(2, 24), blockOf(7, 3)};
  EXPECT_EQ(leftoverCartons(project, project.result), (std::vector<Leftover>{{2, "电视", 1}}));
  resultBlocks(project).push_back(blockOf(2, 1));
  EXPECT_TRUE(leftoverCartons(project, project.result).empty());
  EXPECT_EQ(leftoverStatusText({}), "");
  EXPECT_EQ(leftoverMessage({}), "");
}

namespace {

// A one-layer or one-column container of 600 x 600 cartons standing upright: a project of
// container length, width and height, with cartons of the given heights and weights, and
// the plan loading the listed cartons (type, x, y, z) one by one.
struct Loaded {
  int type, x, y, z;
};

FillScheme reasonProject(int length, int width, int height, std::vector<std::pair<int, double>> cartons,
                         std::vector<int> counts) {
  FillScheme project;
  project.container = Container{"小柜", length, width, height, 10000};
  for (std::size_t i = 0; i < cartons.size(); ++i) {
    Carton& carton = project.addCarton();
    carton.name = std::string(1, static_cast<char>('A' + i));
    carton.length = 600;
    carton.width = 600;
    carton.height = cartons[i].first;
    carton.weight = cartons[i].second;
    carton.mustUp = true;
    carton.count = counts[i];
  }
  project.result.mode = PlanningMode::LoadMax;
  project.result.supportPercent = 100;
  return project;
}

void load(FillScheme& project, const std::vector<Loaded>& cartons) {
  for (const Loaded& c : cartons) {
    BlockScheme block;
    block.x = c.x;
    block.y = c.y;
    block.z = c.z;
    block.sizeX = 600;
    block.sizeY = project.cartons[static_cast<std::size_t>(c.type)].height;
    block.sizeZ = 600;
    block.cartonIndex = c.type;
    block.cartonName = project.cartons[static_cast<std::size_t>(c.type)].name;
    block.nx = block.ny = block.nz = 1;
    block.count = 1;
    resultBlocks(project).push_back(block);
  }
}

// The rule named for each leftover of the project's plan.
std::vector<std::string> reasonRules(const FillScheme& project) {
  const std::vector<Leftover> leftovers = leftoverCartons(project, project.result);
  std::vector<std::string> rules;
  for (const LeftoverReason& reason : leftoverReasons(project, project.result, loadedContainerOf(project), leftovers)) {
    EXPECT_EQ(reason.text, leftoverReasonText(reason.rule));
    EXPECT_FALSE(reason.text.empty()) << reason.rule;
    rules.push_back(reason.rule);
  }
  return rules;
}

}  // namespace

TEST(LeftoverReasons, sizeAndWeightLimits) {
  // B stands 700 high in a container 600 high: larger than it however it stands.
  FillScheme tall = reasonProject(1200, 600, 600, {{500, 10}, {700, 10}}, {1, 1});
  load(tall, {{0, 0, 0, 0}});
  EXPECT_EQ(reasonRules(tall), (std::vector<std::string>{"larger-than-container"}));
  // Lying down it would fit: a carton that may lie is not larger than the container.
  tall.cartons[1].mustUp = false;
  EXPECT_EQ(reasonRules(tall), (std::vector<std::string>{"no-room"}));

  // Two cartons of 4 750 kg loaded of 10 000 kg: a third is over the maximum load, though
  // room is left; at 3 000 kg each it would still be carried.
  FillScheme heavy = reasonProject(1800, 600, 500, {{500, 4750}}, {3});
  load(heavy, {{0, 0, 0, 0}, {0, 0, 0, 600}});
  EXPECT_EQ(reasonRules(heavy), (std::vector<std::string>{"max-load"}));
  heavy.cartons[0].weight = 3000;
  EXPECT_EQ(reasonRules(heavy), (std::vector<std::string>{"no-room"}));
}

TEST(LeftoverReasons, theRuleThatStopsTheOnlyPlaceLeft) {
  // One place on the floor, taken by A; the only place left for B is on A.
  const auto onTop = [](const std::function<void(FillScheme&)>& rule) {
    FillScheme p = reasonProject(600, 600, 1000, {{500, 10}, {500, 10}}, {1, 1});
    load(p, {{0, 0, 0, 0}});
    rule(p);
    return reasonRules(p);
  };
  EXPECT_EQ(onTop([](FillScheme&) {}), (std::vector<std::string>{"no-room"})) << "B may stand on A: the search left it";
  EXPECT_EQ(onTop([](FillScheme& p) { p.cartons[0].stackable = false; }), (std::vector<std::string>{"not-stackable"}));
  EXPECT_EQ(onTop([](FillScheme& p) { p.cartons[0].maxLoadOnTop = 5; }), (std::vector<std::string>{"load-on-top"}));
  EXPECT_EQ(onTop([](FillScheme& p) { p.cartons[0].fragile = true; }), (std::vector<std::string>{"fragile"}));
  EXPECT_EQ(onTop([](FillScheme& p) {
              p.stops = {"甲", "乙"};
              p.cartons[0].stop = "甲";  // delivered first: B of the later stop may not bury it
              p.cartons[1].stop = "乙";
            }),
            (std::vector<std::string>{"stop-order"}));

  // No place at all: the container holds one carton.
  FillScheme full = reasonProject(600, 600, 500, {{500, 10}}, {2});
  load(full, {{0, 0, 0, 0}});
  EXPECT_EQ(reasonRules(full), (std::vector<std::string>{"no-room"}));
}

TEST(LeftoverReasons, balanceWindowAndAxles) {
  // Two cartons of 100 kg in the middle of a row of four: a third at either end moves the
  // centre of gravity 300 mm (12.5 %) from the middle, beyond a window of ±10 %.
  FillScheme row = reasonProject(2400, 600, 500, {{500, 100}}, {3});
  load(row, {{0, 0, 0, 600}, {0, 0, 0, 1200}});
  EXPECT_EQ(reasonRules(row), (std::vector<std::string>{"no-room"})) << "no window: it may go";
  row.container.balance.lengthPercent = 10;
  row.result.containers.front().container = row.container;
  EXPECT_EQ(reasonRules(row), (std::vector<std::string>{"balance"}));

  // A truck whose front axle, 1 000 mm ahead of the inner end and 5 000 mm ahead of the
  // rear axle, carries at most 1 000 kg: one carton of 900 kg at the inner end puts 666 kg
  // on it, a second anywhere in the row more than the rest.
  FillScheme truck = reasonProject(2400, 600, 500, {{500, 900}}, {2});
  load(truck, {{0, 0, 0, 0}});
  Vehicle vehicle;
  vehicle.kind = VehicleKind::RigidTruck;
  vehicle.wheelbase = 5000;
  vehicle.frontAxleToCargo = 1000;
  vehicle.tare = {0, 0, 0};
  vehicle.maxLoad = {1000, 1000, 0};
  truck.container.vehicle = vehicle;
  truck.result.containers.front().container = truck.container;
  EXPECT_EQ(reasonRules(truck), (std::vector<std::string>{"axle"}));
}
