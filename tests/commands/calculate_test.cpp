// The calculation call as the window and the command line use it: the report for each
// outcome, the time limit, and a run that goes on while the project is edited.

#include "commands/calculate.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "commands/leftovers.h"
#include "commands/resultcheck.h"
#include "commands/runcheck.h"
#include "engine_test_support.h"
#include "model/fillscheme.h"
#include "model/settings.h"

namespace {

// Three types of small cartons: a search of many seconds.
FillScheme longSearch() {
  FillScheme p = projectOf(11800, 2300, 2450, {{120, 100, 80, 2}, {110, 90, 70, 1}, {130, 85, 75, 1}});
  p.spacingL = 10;
  p.spacingW = p.spacingH = 5;
  return p;
}

FillScheme quickProject() { return projectOf(11800, 2300, 2450, {{600, 400, 300, 850}}); }

CalculationRequest requestOf(const FillScheme& project) { return calculationRequest(project, Settings{}); }

std::int64_t loadedCartons(const ProjectResult& result) {
  std::int64_t n = 0;
  for (const LoadedContainer& loaded : result.containers)
    for (const BlockScheme& b : loaded.blocks) n += b.count;
  return n;
}

}  // namespace

TEST(Calculate, aLoadedPlanComesWithItsBlocksAndStatistics) {
  FillScheme project = quickProject();
  CancelToken token;
  const CalculationReport report = calculate(requestOf(project), token);
  EXPECT_EQ(report.status, CalculationStatus::Loaded);
  EXPECT_EQ(report.mode, RunMode::Single);
  EXPECT_TRUE(report.message.empty());
  ASSERT_EQ(report.result.containers.size(), 1u);
  EXPECT_EQ(report.result.containers[0].container, project.container);
  EXPECT_EQ(loadedCartons(report.result), 850);
  EXPECT_EQ(report.result.mode, PlanningMode::Sets);
  EXPECT_TRUE(project.result.empty()) << "the call works on its own copy";

  applyReport(report, project);
  EXPECT_EQ(project.result, report.result);
}

TEST(Calculate, refusesWhatTheChecksRefuseWithTheirMessage) {
  FillScheme empty = projectOf(11800, 2300, 2450, {});
  CancelToken token;
  const CalculationReport report = calculate(requestOf(empty), token);
  EXPECT_EQ(report.status, CalculationStatus::Refused);
  EXPECT_EQ(report.message, preRunMessage(PreRunCheck::NoCartons));
  EXPECT_EQ(report.mode, RunMode::None);
  EXPECT_TRUE(report.result.empty());
}

TEST(Calculate, onlyThePlannersThatKeepTheRulesRunAProjectThatSetsThem) {
  FillScheme project = quickProject();
  project.cartons[0].fragile = true;
  project.cartons[0].weight = 10;
  project.container.balance = lengthBalancePreset();
  CancelToken token;
  const CalculationReport sets = calculate(requestOf(project), token);
  EXPECT_EQ(sets.status, CalculationStatus::Refused);
  EXPECT_EQ(sets.message, preRunMessage(PreRunCheck::RulesNotKept, project));
  EXPECT_NE(sets.message.find(cargoRuleNames({CargoRule::Fragile, CargoRule::BalanceWindow})), std::string::npos);
  EXPECT_TRUE(sets.result.empty());
  // The load-max and several-containers planners keep them; the checker finds their plans
  // within every rule.
  for (const PlanningMode planner : {PlanningMode::LoadMax, PlanningMode::Fleet}) {
    CalculationRequest request = requestOf(project);
    request.planningMode = planner;
    request.loadMaxTimeLimit = 0.3;
    request.fleetTimeLimit = 1;
    const CalculationReport report = calculate(request, token);
    EXPECT_EQ(report.status, CalculationStatus::Loaded) << report.message;
    FillScheme planned = project;
    applyReport(report, planned);
    EXPECT_EQ(resultViolations(planned), "");
  }
  // Cartons on pallets go to the pallet planner whatever the mode: it refuses the rules.
  project.cartons[0].pallet = "EUR";
  CalculationRequest request = requestOf(project);
  request.planningMode = PlanningMode::LoadMax;
  const CalculationReport pallets = calculate(request, token);
  EXPECT_EQ(pallets.status, CalculationStatus::Refused);
  EXPECT_EQ(pallets.message, palletRulesMessage(project));
  EXPECT_NE(pallets.message.find(cargoRuleName(CargoRule::Fragile)), std::string::npos);
  EXPECT_TRUE(pallets.result.empty());
  // Without the rules the pallets load.
  project.cartons[0].fragile = false;
  project.container.balance = BalanceWindow{};
  request = requestOf(project);
  request.planningMode = PlanningMode::LoadMax;
  EXPECT_EQ(calculate(request, token).status, CalculationStatus::Loaded);
}

TEST(Calculate, carriesTheQuestionTheCallerHadToAsk) {
  FillScheme project = projectOf(11800, 2300, 2450, {{600, 400, 300, 400}});  // about 43 %
  CancelToken token;
  const CalculationReport report = calculate(requestOf(project), token);
  EXPECT_EQ(report.question, preRunMessage(PreRunCheck::AskUnderHalf));
  EXPECT_EQ(report.status, CalculationStatus::Loaded);
}

TEST(Calculate, aCartonTooLargeForTheContainerLoadsNothing) {
  // The volume takes three cartons, but no edge fits along the 250 mm length.
  FillScheme project = projectOf(250, 1000, 1000, {{600, 400, 300, 1}});
  CancelToken token;
  const CalculationReport report = calculate(requestOf(project), token);
  EXPECT_EQ(report.mode, RunMode::Single);
  EXPECT_EQ(report.status, CalculationStatus::NothingLoaded);
  EXPECT_EQ(report.message, nothingLoadedMessage());
}

TEST(Calculate, aCancelBeforeTheRunReportsCancelledWithNoPlan) {
  CancelToken token;
  token.cancel();
  const CalculationReport report = calculate(requestOf(quickProject()), token);
  EXPECT_EQ(report.status, CalculationStatus::Cancelled);
  EXPECT_TRUE(report.result.empty());
}

TEST(Calculate, stopsAtItsTimeLimitAndSaysSo) {
  CancelToken token;
  token.setTimeLimit(std::chrono::milliseconds(200));
  const CalculationReport report = calculate(requestOf(longSearch()), token);
  EXPECT_EQ(report.status, CalculationStatus::TimedOut);
  EXPECT_TRUE(token.timedOut());
  EXPECT_FALSE(token.cancelRequested());
  EXPECT_TRUE(report.result.empty());
}

TEST(Calculate, aTimeLimitThatIsNotReachedChangesNothing) {
  CancelToken token;
  token.setTimeLimit(std::chrono::hours(1));
  const CalculationReport report = calculate(requestOf(quickProject()), token);
  EXPECT_EQ(report.status, CalculationStatus::Loaded);
  EXPECT_FALSE(token.timedOut());
}

// The window's pattern: the worker calculates a snapshot while the window's thread edits,
// replaces and finally cancels. Run under ThreadSanitizer by scripts/test.
TEST(RunInProgress, theProjectIsEditedAndReplacedWhileTheWorkerCalculates) {
  FillScheme project = longSearch();
  const CalculationRequest request = requestOf(project);
  CancelToken token;
  CalculationReport report;
  std::atomic<bool> started{false};
  std::thread worker([&] {
    started = true;
    report = calculate(request, token);
  });
  while (!started) std::this_thread::yield();
  for (int i = 0; i < 200; ++i) {
    project.addCarton();
    project.cartons.back().count = i;
    project.removeCarton(0);
    project.result = {};
  }
  project = quickProject();  // a file dropped over it
  token.cancel();            // the window closed
  worker.join();

  EXPECT_EQ(report.status, CalculationStatus::Cancelled);
  EXPECT_TRUE(report.result.empty());
  EXPECT_EQ(project.cartons.size(), 1u);
  EXPECT_EQ(project.cartons[0].count, 850);
  EXPECT_FALSE(requestMatches(request, project)) << "the report is not applied to another project";
}

TEST(RunInProgress, aFinishedReportFitsOnlyTheProjectItWasTakenFrom) {
  FillScheme project = quickProject();
  const CalculationRequest request = requestOf(project);
  CancelToken token;
  CalculationReport report;
  std::thread worker([&] { report = calculate(request, token); });
  worker.join();
  EXPECT_TRUE(requestMatches(request, project));
  project.cartons[0].count = 10;  // edited while it ran
  EXPECT_FALSE(requestMatches(request, project));
  project.cartons[0].count = 850;
  project.spacingL = 1;
  EXPECT_FALSE(requestMatches(request, project));
  project.spacingL = request.input.spacingL;
  project.container.maxWeight = 1;
  EXPECT_FALSE(requestMatches(request, project));
  project.container = request.input.container;
  project.result = {};  // the result is not the input
  EXPECT_TRUE(requestMatches(request, project));
}

TEST(ElapsedTimeText, showsSecondsThenMinutes) {
  EXPECT_EQ(elapsedTimeText(0), "已用时间：0秒");
  EXPECT_EQ(elapsedTimeText(59), "已用时间：59秒");
  EXPECT_EQ(elapsedTimeText(65), "已用时间：1分05秒");
  EXPECT_EQ(elapsedTimeText(-3), "已用时间：0秒");
}

// The load-max planner behind the same call: cartons beyond what fits are left over and
// reported, the sets planner's refusals do not apply, a cancel keeps no plan.
TEST(CalculateLoadMax, loadsWhatFitsAndReportsTheRest) {
  // 1000 x 1000 x 1000 holds 8 cartons of 500; 10 are entered.
  FillScheme project = projectOf(1000, 1000, 1000, {{500, 500, 500, 10}});
  CalculationRequest request = requestOf(project);
  request.planningMode = PlanningMode::LoadMax;
  request.loadMaxTimeLimit = 0;  // the effort budget alone: the same plan every time
  CancelToken token;
  const CalculationReport report = calculate(request, token);
  EXPECT_EQ(report.status, CalculationStatus::Loaded);
  EXPECT_TRUE(report.question.empty()) << "load-max asks nothing before it runs";
  EXPECT_EQ(loadedCartons(report.result), 8);
  EXPECT_EQ(report.result.mode, PlanningMode::LoadMax);
  EXPECT_EQ(report.result.supportPercent, 100);
  EXPECT_FALSE(report.result.timedOut);
  applyReport(report, project);
  EXPECT_EQ(leftoverCartons(project, project.result), (std::vector<Leftover>{{0, "纸箱1", 2}}));
}

TEST(CalculateLoadMax, refusesAContainerWithoutRoomAndNothingElse) {
  FillScheme flat = projectOf(11800, 2300, 0, {{600, 400, 300, 5}});
  CalculationRequest request = requestOf(flat);
  request.planningMode = PlanningMode::LoadMax;
  CancelToken token;
  const CalculationReport refused = calculate(request, token);
  EXPECT_EQ(refused.status, CalculationStatus::Refused);
  EXPECT_EQ(refused.message, emptyContainerMessage());

  // Far too few cartons for the sets planner's checks (under half full, with zones) still load.
  FillScheme sparse = projectOf(11800, 2300, 2450, {{600, 400, 300, 5}, {500, 400, 300, 5}});
  sparse.cartons[1].spaceIndex = kSpaceDoor;
  request = requestOf(sparse);
  request.planningMode = PlanningMode::LoadMax;
  request.loadMaxTimeLimit = 0;
  const CalculationReport loaded = calculate(request, token);
  EXPECT_EQ(loaded.status, CalculationStatus::Loaded);
  EXPECT_EQ(loadedCartons(loaded.result), 10);
}

TEST(CalculateLoadMax, aCancelledRunKeepsNoPlan) {
  FillScheme project = longSearch();
  CalculationRequest request = requestOf(project);
  request.planningMode = PlanningMode::LoadMax;
  CancelToken token;
  token.cancel();
  const CalculationReport report = calculate(request, token);
  EXPECT_EQ(report.status, CalculationStatus::Cancelled);
  EXPECT_TRUE(report.result.empty());
}

TEST(CalculationRequest, aProjectIsPlannedWithItsOwnPlannerElseAsOptionsSay) {
  Settings settings;
  settings.planningMode = PlanningMode::Sets;
  settings.supportPercent = 100;
  FillScheme project;
  project.addCarton();
  EXPECT_EQ(calculationRequest(project, settings).planningMode, PlanningMode::Sets) << "a .pak has no planner";
  project.planner = PlannerChoice{PlanningMode::LoadMax, FleetGoal::Cheapest, 0.5, 10, 60};
  const CalculationRequest own = calculationRequest(project, settings);
  EXPECT_EQ(own.planningMode, PlanningMode::LoadMax);
  EXPECT_EQ(own.supportPercent, 60);
  EXPECT_EQ(own.loadMaxTimeLimit, 0.5);
  // Several container types call for several containers where the sets planner is chosen.
  project.planner->mode = PlanningMode::Sets;
  project.fleet = {ContainerType{Container{}}, ContainerType{Container{}}};
  EXPECT_EQ(calculationRequest(project, settings).planningMode, PlanningMode::Fleet);
}

