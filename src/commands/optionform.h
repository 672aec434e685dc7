#pragma once
// The rules of the options dialog: what its boxes show, the checks made on OK and what
// OK changes in the settings and the project.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/container.h"
#include "commands/containerlibrary.h"
#include "model/fillscheme.h"
#include "model/settings.h"

// The block limit box offers 1 to this many; a larger stored limit is shown as this.
inline constexpr std::int32_t kMaxShownBlockNum = 6;

// What the boxes of the spacing page and the planning page hold.
struct OptionEntry {
  std::string spacingL;
  std::string spacingW;
  std::string spacingH;
  std::string maxBlockNum;
  PlanningMode planningMode = PlanningMode::Sets;
  std::string loadMaxTimeLimit = "2";  // seconds
  std::string supportPercent = "100";
  FleetGoal fleetGoal = FleetGoal::Cheapest;
  std::string fleetTimeLimit = "10";   // seconds
};

// The three spacing texts of the settings.
OptionEntry spacingEntryOf(const Settings& settings);
// Every box of the settings: the spacings, the block limit shown as at most 6, the planner
// and its load-max options.
// The planner's boxes show the project's own planner where it has one.
OptionEntry optionEntryOf(const Settings& settings, const std::optional<PlannerChoice>& projectPlanner = {});

// What an accepted OK stores.
struct OptionValues {
  std::int32_t spacingL = 0;
  std::int32_t spacingW = 0;
  std::int32_t spacingH = 0;
  std::int32_t maxBlockNum = kMaxShownBlockNum;
  PlanningMode planningMode = PlanningMode::Sets;
  double loadMaxTimeLimit = 2.0;
  std::int32_t supportPercent = 100;
  FleetGoal fleetGoal = FleetGoal::Cheapest;
  double fleetTimeLimit = 10.0;
  std::vector<ContainerType> library;         // every row, top to bottom
  std::optional<Container> projectContainer;  // the selected row, when one is
  std::vector<ContainerType> projectFleet;    // the marked rows: the project's container types
};

struct OptionCheck {
  std::string message;  // empty when accepted
  OptionValues values;
  bool accepted() const { return message.empty(); }
};

// Checks the spacings, then the block limit (a whole number of at least 1), then the
// load-max time limit (seconds above 0, at most kMaxStoredTimeLimit) and support (a whole
// percentage up to 100), the several-containers time limit (the same bounds), then that
// every row of the library can be read.
OptionCheck checkOptionEntry(const OptionEntry& entry, const ContainerLibrary& library);

// Why a time limit or a support percentage is refused.
std::string timeLimitProblemMessage();
std::string supportProblemMessage();

// Stores accepted values: the library, spacings, block limit, planner and its options in the
// settings; the spacings, the selected container and the marked container types in the
// project.
void applyOptions(const OptionValues& values, Settings& settings, FillScheme& project);
