#pragma once
// The options of cargolyx-cli, one table for every verb: each verb takes the options it
// needs from it, with the same name, meaning and check wherever it takes them.

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>

#include <vector>

#include "model/container.h"
#include "model/containertype.h"
#include "model/planningmode.h"

// The exit statuses of every verb. `exitStatusTable()` words them for --help.
inline constexpr int kExitLoaded = 0;         // done: a plan, a file read, a plan that holds
inline constexpr int kExitNothingLoaded = 1;  // calculated, and nothing could be loaded
inline constexpr int kExitRefused = 2;        // refused before calculating
inline constexpr int kExitBadInput = 3;       // an unreadable or invalid file, bad arguments
inline constexpr int kExitExportFailed = 4;   // the plan could not be exported
inline constexpr int kExitTimedOut = 5;       // the sets planner reached its time limit
inline constexpr int kExitPlanBroken = 6;     // check: the plan breaks a rule
inline constexpr int kExitInterrupted = 130;  // 128 + SIGINT, as the shell reports an interrupt

// The table of exit statuses, one per line.
std::string exitStatusTable();

struct CliOptions {
  std::string path;  // the project file or packing list
  // --container L,W,H,KG[,COST[,AVAILABLE]], as often as there are container types: the first
  // is a packing list's container; with --mode fleet all are container types to use.
  std::vector<ContainerType> containers;
  // --spacing L,W,H; without it the project's own spacing (0 for a .pak or a packing list).
  std::optional<std::int32_t> spacingL, spacingW, spacingH;
  std::int32_t maxBlockNum = 6;  // --max-blocks N
  PlanningMode mode = PlanningMode::Sets;  // --mode sets|max|fleet|pallets
  bool modeGiven = false;                  // else the project's own planner
  FleetGoal goal = FleetGoal::Cheapest;    // --goal cheapest|fixed
  bool goalGiven = false;
  std::int32_t supportPercent = 100;       // --support P
  bool supportGiven = false;
  // --time-limit S: the sets planner stops there without a plan; the load-max planner
  // keeps the best plan found by then (2 s when not given).
  std::optional<double> timeLimit;
  bool json = false;       // --json
  bool ruleCosts = false;  // --rule-costs (plan)
  std::string folder;      // --dir DIR (export)
  std::string pdfFile;     // --pdf OUT.pdf (export): the plan as a PDF too
  std::string planFile;    // check: the plan in the JSON form of plan --json
};

// The option groups a verb takes.
enum OptionGroup : unsigned {
  kProjectOptions = 1,  // FILE and --container
  kPlanOptions = 2,     // --mode, --goal, --max-blocks, --time-limit, --support
  kJsonOption = 4,      // --json
  kFolderOption = 8,    // --dir
  kCheckOptions = 16,   // PLAN.json and --support
  kSpacingOption = 32,  // --spacing
  kRuleCostsOption = 64,  // --rule-costs
};

// Adds the groups' options to a verb's command, storing into options.
void addOptions(CLI::App& verb, CliOptions& options, unsigned groups);

// After parsing: a packing list needs --container; a project file takes it only to add
// container types with --mode fleet. False after a message on stderr.
bool containerFitsInput(const CliOptions& options);
