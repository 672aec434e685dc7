// The check of every plan before the window shows it: the cargo rules of the project and
// of its loaded container are held against the plan.

#include "commands/resultcheck.h"

#include <gtest/gtest.h>

#include "resultblocks.h"

namespace {

// A 1000 mm cube of a container; two types of 100 mm cubes of 10 kg, "下" and "上": a
// block of 下 on the floor, a block of 上 on top of it.
FillScheme stackedPlan() {
  FillScheme p;
  p.container = Container{"C", 1000, 1000, 1000, 1000};
  for (const char* name : {"下", "上"}) {
    Carton& c = p.addCarton();
    c.name = name;
    c.length = c.width = c.height = 100;
    c.weight = 10;
    c.count = 4;
  }
  for (std::int32_t i = 0; i < 2; ++i) {
    BlockScheme b;
    b.cartonIndex = i;
    b.cartonName = p.cartons[static_cast<std::size_t>(i)].name;
    b.y = 100 * i;
    b.sizeX = b.sizeY = b.sizeZ = 100;
    b.nx = 2, b.ny = 1, b.nz = 2;
    b.count = 4;
    resultBlocks(p).push_back(b);
  }
  return p;
}

struct RuleCase {
  const char* name;
  void (*set)(FillScheme&);
  const char* mention;  // a part of the first line
};

std::ostream& operator<<(std::ostream& out, const RuleCase& c) { return out << c.name; }

const RuleCase kRules[] = {
    {"notStackable", [](FillScheme& p) { p.cartons[0].stackable = false; }, "不可堆叠"},
    {"loadOnTop", [](FillScheme& p) { p.cartons[0].maxLoadOnTop = 5; }, "顶部最大承重 5.00 kg"},
    {"fragile", [](FillScheme& p) { p.cartons[0].fragile = true; }, "易碎"},
    {"stops", [](FillScheme& p) {
       p.stops = {"上海", "苏州"};
       p.cartons[0].stop = std::string("上海");
     }, "“上海”"},
    {"balance", [](FillScheme& p) { p.container.balance.lengthPercent = 10; }, "重心纵向"},
    {"axles", [](FillScheme& p) {
       Vehicle truck = vehiclePresets().front().vehicle;
       truck.maxLoad = truck.tare;
       p.container.vehicle = truck;
     }, "超出最大轴荷"},
};

class EachRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(EachRule, aResultBreakingItIsNotShown) {
  FillScheme p = stackedPlan();
  ASSERT_EQ(resultViolations(p), "");
  GetParam().set(p);
  const std::string broken = resultViolations(p);
  EXPECT_NE(broken.find(GetParam().mention), std::string::npos) << broken;
}

INSTANTIATE_TEST_SUITE_P(ResultCheck, EachRule, ::testing::ValuesIn(kRules),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ResultCheck, theProjectsContainerCountsNotTheOneStoredWithThePlan) {
  // A window stored with the plan alone is not the project's; the project's own is kept.
  FillScheme p = stackedPlan();
  p.result.containers[0].container.balance.lengthPercent = 1;
  EXPECT_EQ(resultViolations(p), "");
  p.container.balance.lengthPercent = 1;
  EXPECT_NE(resultViolations(p), "");
  // A plan stored with a longer container than the project's is held to the project's.
  p.container.balance = {};
  p.result.containers[0].blocks[0].z = p.container.length;
  p.result.containers[0].container.length = 2 * p.container.length;
  EXPECT_NE(resultViolations(p), "");
}

}  // namespace
