#pragma once
// The Run command's calculation, one call for the window and the command line: a
// snapshot of what it needs in, a report out. It never sees the live project, so the
// window can run it on a worker thread and apply the report on its own thread.
//
// The caller checks first (checkRun) and asks the question when one applies; calculate
// checks again and refuses what the checks refuse, so a report always stands alone.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/canceltoken.h"
#include "model/projectinput.h"
#include "model/projectresult.h"
#include "model/settings.h"

struct FillScheme;

struct CalculationRequest {
  ProjectInput input;  // the container, the cartons and the spacings to plan with
  PlanningMode planningMode = PlanningMode::Sets;
  std::int32_t maxBlockNum = 6;  // the block limit
  // The load-max planner's options.
  std::int32_t supportPercent = 100;  // share of a carton's base resting on what is below
  double loadMaxTimeLimit = 2.0;      // seconds; the best plan so far is kept when it ends
  std::atomic<double>* bestFill = nullptr;  // the fill found so far, for a progress display
  // The several-containers planner's options (the load-max planner's support as well).
  FleetGoal fleetGoal = FleetGoal::Cheapest;
  double fleetTimeLimit = 10.0;  // seconds for the whole run; the best complete answer is kept
  std::atomic<std::int32_t>* containersPlanned = nullptr;  // of the best answer so far, for a progress display
  std::atomic<double>* bestCost = nullptr;                 // its cost
  // The pallet planner's time for its whole run (building and loading), when no other
  // planner's time limit applies (commands/palletplan.h).
  double palletTimeLimit = 10.0;
};

// The snapshot of the project's input and the settings' block limit, planner and
// load-max options.
CalculationRequest calculationRequest(const FillScheme& project, const Settings& settings);
// The planner a project is planned with when the sets planner, the default, is chosen: a
// project of several container types is planned for several containers (the sets planner
// fills one container and would refuse it). Any other choice stands.
PlanningMode plannerForProject(const ProjectInput& input, PlanningMode chosen);

enum class CalculationStatus {
  Loaded,         // a plan with at least one carton
  NothingLoaded,  // calculated, and nothing fits
  Refused,        // the checks before the run refused it (message says why)
  Cancelled,      // stopped by the user; no plan
  TimedOut,       // stopped by the time limit; no plan
};

struct CalculationReport {
  CalculationStatus status = CalculationStatus::Refused;
  std::string message;   // why it was refused, or that nothing could be loaded; else empty
  std::string question;  // the question the caller had to ask before the run, or empty
  // The planner the request named; the pallet planner whenever it ran (a carton named a
  // pallet type).
  PlanningMode planner = PlanningMode::Sets;
  RunMode mode = RunMode::None;
  std::int32_t maxSets = 0;  // complete sets the container takes by volume and weight
  // The plan: its loaded containers (one, but for the several-containers planner), their
  // blocks in loading order; empty unless Loaded.
  ProjectResult result;
};

// Checks, then runs the planner the request names until it ends or the token stops it
// (the token's deadline included). Call it from any one thread; only the token is shared.
CalculationReport calculate(const CalculationRequest& request, CancelToken& token);

// Puts a report's result into the project it was calculated for.
void applyReport(const CalculationReport& report, FillScheme& project);

// Whether the project still holds the input the request was taken from: only then does a
// report belong to it. A project edited, replaced or reopened during a run no longer
// matches, and the report is dropped.
bool requestMatches(const CalculationRequest& request, const FillScheme& project);

// The progress dialog's line about the time spent so far: "已用时间：1分05秒".
std::string elapsedTimeText(std::int64_t seconds);
// The progress dialog's line about the load-max search: "目前最佳填充率：85.20%".
std::string bestFillText(double fill);
// Its line about several containers: "目前最佳方案：4 个集装箱，费用 6800".
std::string bestFleetText(std::int32_t containers, double cost);
