// The cargo rules in the main window: the sets planner refuses them and offers loading as
// many as fit, which keeps them, as several containers do; a saved plan for several stops
// on a truck shows its stops, its axle loads, its steps stop by stop and, when asked, its
// cartons in their stop's colour.

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>

#include "commands/leftovers.h"
#include "commands/loadbalance.h"
#include "commands/resultcheck.h"
#include "commands/resultlist.h"
#include "commands/rulecosts.h"
#include "commands/runcheck.h"
#include "mainwindowdriver.h"
#include "model/palette.h"
#include "model/projectfile.h"
#include "resultblocks.h"
#include "ui/stepcontrol.h"

namespace {

// A 1000 mm cube of a container on a rigid truck; 上海 delivered before 苏州. "甲" (to
// 上海, colour 5) lies at x 0, "乙" (to 苏州, colour 6) beside it at x 500: loaded first
// for the later stop although it lies further from the left wall.
FillScheme twoStopsOnATruck() {
  FillScheme p;
  p.container = Container{"厢式货车", 1000, 1000, 1000, 5000};
  p.container.vehicle = vehiclePresets().front().vehicle;
  p.stops = {"上海", "苏州"};
  for (const char* name : {"甲", "乙"}) {
    Carton& c = p.addCarton();
    c.name = name;
    c.length = c.width = c.height = 100;
    c.weight = 20;
    c.count = 4;
  }
  p.cartons[0].stop = std::string("上海");
  p.cartons[1].stop = std::string("苏州");
  p.cartons[0].material = 5;
  p.cartons[1].material = 6;
  for (int i = 0; i < 2; ++i) {
    BlockScheme b = makeBlock(i, 5 + i, 2, 2, 1, 4);
    b.x = 500 * i;
    b.sizeX = b.sizeY = b.sizeZ = 100;
    b.cartonName = p.cartons[static_cast<std::size_t>(i)].name;
    resultBlocks(p).push_back(b);
  }
  p.result.containers[0].container = p.container;
  return p;
}

QString saved(const QTemporaryDir& folder, const FillScheme& project) {
  const QString path = folder.filePath("rules.clyx");
  EXPECT_TRUE(saveProjectFile(path.toStdString(), project));
  return path;
}

}  // namespace

TEST(RulesInTheWindow, theSetsPlannerRefusesTheRulesAndLoadingAsManyAsFitKeepsThem) {
  MainWindowDriver d;
  Carton& carton = d.project().addCarton();
  carton.length = 600;
  carton.width = 400;
  carton.height = 300;
  carton.count = 850;
  carton.weight = 10;
  carton.fragile = true;
  carton.maxLoadOnTop = 25;
  d.form().refreshTree(true);
  // The project's own planner, as Options set it.
  d.project().planner = PlannerChoice{PlanningMode::Sets, FleetGoal::Cheapest, 0.5, 1, 100};
  const std::string offer = planAgainQuestion(preRunMessage(PreRunCheck::RulesNotKept, d.project()));
  EXPECT_NE(offer.find("易碎"), std::string::npos);
  d.messages().answers = {true};  // load as many as fit instead
  d.click("tbRun");
  ASSERT_FALSE(d.messages().shown.isEmpty());
  EXPECT_EQ(d.messages().shown[0].toStdString(), offer);
  ASSERT_FALSE(d.project().result.empty());
  EXPECT_EQ(resultViolations(d.project()), "");
  // Planning freely from the start, or in several containers, runs without a question.
  for (const PlanningMode mode : {PlanningMode::LoadMax, PlanningMode::Fleet}) {
    d.messages().shown.clear();
    d.project().result = {};
    d.project().planner->mode = mode;
    d.click("tbRun");
    for (const QString& shown : d.messages().shown) EXPECT_EQ(shown.indexOf("易碎"), -1) << shown.toStdString();
    ASSERT_FALSE(d.project().result.empty());
    EXPECT_EQ(resultViolations(d.project()), "");
  }
}

TEST(RulesInTheWindow, aPlanForTwoStopsShowsItsStopsAxleLoadsAndStepsStopByStop) {
  QTemporaryDir folder;
  const FillScheme project = twoStopsOnATruck();
  ASSERT_EQ(resultViolations(project), "");
  MainWindowDriver d(saved(folder, project));
  ASSERT_TRUE(d.messages().shown.isEmpty()) << d.messages().shown.join("\n").toStdString();
  ASSERT_EQ(blocksOf(d.project()).size(), 2u);

  // The stop column names each block's stop.
  EXPECT_EQ(d.rowTexts(0).last(), "上海");
  EXPECT_EQ(d.rowTexts(1).last(), "苏州");
  const int stopColumn = static_cast<int>(kResultColumnCount);  // after the list's own columns
  EXPECT_EQ(d.resultList()->horizontalHeaderItem(stopColumn)->text().toStdString(), stopColumnCaption());

  // The axle line below the centre of gravity.
  auto* axles = d.form().findChild<QLabel*>("StatusAxles");
  ASSERT_NE(axles, nullptr);
  const std::optional<AxleLoads> loads = axleLoads(d.project(), d.project().result.containers[0]);
  ASSERT_TRUE(loads);
  EXPECT_EQ(axles->text().toStdString(), axleLoadText(*loads, d.project()));
  EXPECT_FALSE(axles->isHidden());

  // The later stop's block is loaded first.
  auto* steps = d.form().findChild<StepControl*>("stepControl");
  ASSERT_NE(steps, nullptr);
  ASSERT_EQ(steps->stepCount(), 2);
  EXPECT_EQ(steps->rowOfStep(1), 1u);
  EXPECT_EQ(steps->rowOfStep(2), 0u);

  // Coloured by stop: the first stop's colour, then the second's.
  auto* byStop = d.form().findChild<QAction*>("mnuColourByStop");
  ASSERT_NE(byStop, nullptr);
  const auto colours = [&d] {
    std::vector<std::uint32_t> out;
    for (const CubeBlock& b : d.form().scene().sceneBlocks) out.push_back(b.color);
    return out;
  };
  EXPECT_EQ(colours(), (std::vector<std::uint32_t>{materialColor(5), materialColor(6)}));
  byStop->trigger();
  EXPECT_EQ(colours(), (std::vector<std::uint32_t>{stopColour(0), stopColour(1)}));
  byStop->trigger();
  EXPECT_EQ(colours(), (std::vector<std::uint32_t>{materialColor(5), materialColor(6)}));
}

TEST(RulesInTheWindow, aSavedPlanBreakingARuleOpensWithoutIt) {
  QTemporaryDir folder;
  FillScheme project = twoStopsOnATruck();
  project.result.containers[0].container.vehicle->maxLoad[1] = project.container.vehicle->tare[1];
  project.container = project.result.containers[0].container;
  const std::string broken = resultViolations(project);
  ASSERT_NE(broken.find("超出最大轴荷"), std::string::npos) << broken;
  MainWindowDriver d(saved(folder, project));
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_EQ(d.messages().shown[0].toStdString(), brokenSavedPlanMessage(broken));
  EXPECT_TRUE(d.project().result.empty());
  EXPECT_TRUE(d.form().findChild<QLabel*>("StatusAxles")->isHidden());
}

TEST(RulesInTheWindow, theStopColumnShowsOnlyWhileTheProjectListsStops) {
  MainWindowDriver d;
  EXPECT_TRUE(d.resultList()->isColumnHidden(static_cast<int>(kResultColumnCount)));
  d.project().stops = {"上海"};
  d.form().refreshTree(true);
  EXPECT_FALSE(d.resultList()->isColumnHidden(static_cast<int>(kResultColumnCount)));
  EXPECT_GT(d.resultList()->columnWidth(static_cast<int>(kResultColumnCount)), 0);
  d.project().stops.clear();
  d.form().refreshTree(true);
  EXPECT_TRUE(d.resultList()->isColumnHidden(static_cast<int>(kResultColumnCount)));
}

// 计算 › 规则的代价: sixteen cubes that may not be stacked cover the floor of a container
// two of them high; planned again without the rule all sixteen go in.
TEST(RulesInTheWindow, ruleCostsPlanAgainWithoutEachRuleAndSayWhatItCosts) {
  MainWindowDriver d;
  d.project().container = Container{"厢式货车", 2000, 1000, 1000, 5000};
  Carton& cube = d.project().addCarton();
  cube.name = "立方";
  cube.length = cube.width = cube.height = 500;
  cube.weight = 10;
  cube.count = 16;
  cube.stackable = false;
  d.project().planner = PlannerChoice{PlanningMode::LoadMax, FleetGoal::Cheapest, 0.5, 1, 100};
  d.form().refreshTree(true);
  auto* costs = d.form().findChild<QAction*>("mnuRuleCosts");
  ASSERT_NE(costs, nullptr);

  costs->trigger();
  ASSERT_EQ(d.messages().shown.size(), 1);
  EXPECT_EQ(d.messages().shown[0].toStdString(), ruleCostsNeedAPlanMessage());

  d.messages().shown.clear();
  d.click("tbRun");
  ASSERT_FALSE(d.project().result.empty());
  const FillScheme planned = d.project();
  d.messages().shown.clear();
  costs->trigger();
  ASSERT_FALSE(d.messages().shown.isEmpty());
  EXPECT_EQ(d.messages().shown.last().toStdString(),
            "每条规则的代价（不设该规则再算一次）：\n  不可堆叠：装载率 +50.0 个百分点，+8 箱");
  EXPECT_EQ(d.project().result, planned.result) << "the plan with its rules stays";
}
