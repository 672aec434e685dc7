#include "commands/optionform.h"

#include <algorithm>

#include "commands/entrycheck.h"
#include "commands/storedsettings.h"
#include "model/language.h"

OptionEntry spacingEntryOf(const Settings& s) {
  return {std::to_string(s.spacingL), std::to_string(s.spacingW), std::to_string(s.spacingH), {}};
}

OptionEntry optionEntryOf(const Settings& settings, const std::optional<PlannerChoice>& projectPlanner) {
  Settings s = settings;
  if (projectPlanner) {
    s.planningMode = projectPlanner->mode;
    s.fleetGoal = projectPlanner->goal;
    s.loadMaxTimeLimit = projectPlanner->loadMaxTimeLimit;
    s.fleetTimeLimit = projectPlanner->fleetTimeLimit;
    s.supportPercent = projectPlanner->supportPercent;
  }
  OptionEntry entry = spacingEntryOf(s);
  entry.maxBlockNum = std::to_string(std::min(s.maxBlockNum, kMaxShownBlockNum));
  entry.planningMode = s.planningMode;
  entry.loadMaxTimeLimit = numberText(s.loadMaxTimeLimit);
  entry.supportPercent = std::to_string(s.supportPercent);
  entry.fleetGoal = s.fleetGoal;
  entry.fleetTimeLimit = numberText(s.fleetTimeLimit);
  return entry;
}

OptionCheck checkOptionEntry(const OptionEntry& entry, const ContainerLibrary& library) {
  auto spacingL = readCheckedInteger(entry.spacingL);
  auto spacingW = readCheckedInteger(entry.spacingW);
  auto spacingH = readCheckedInteger(entry.spacingH);
  if (!spacingL || !spacingW || !spacingH) return {inputProblemMessage(), {}};
  // No plan can be made of fewer than one block.
  auto maxBlockNum = readCheckedInteger(entry.maxBlockNum);
  if (!maxBlockNum || *maxBlockNum < 1) return {inputProblemMessage(), {}};
  const auto timeLimit = readCheckedNumber(entry.loadMaxTimeLimit);
  if (!timeLimit || !(*timeLimit > 0) || *timeLimit > kMaxStoredTimeLimit) return {timeLimitProblemMessage(), {}};
  const auto support = readCheckedInteger(entry.supportPercent);
  if (!support || *support > 100) return {supportProblemMessage(), {}};
  const auto fleetTimeLimit = readCheckedNumber(entry.fleetTimeLimit);
  if (!fleetTimeLimit || !(*fleetTimeLimit > 0) || *fleetTimeLimit > kMaxStoredTimeLimit)
    return {timeLimitProblemMessage(), {}};
  auto containers = library.containers();
  auto fleet = library.fleet();
  if (!containers || !fleet) return {inputProblemMessage(), {}};

  OptionValues values;
  values.spacingL = *spacingL;
  values.spacingW = *spacingW;
  values.spacingH = *spacingH;
  values.maxBlockNum = *maxBlockNum;
  values.planningMode = entry.planningMode;
  values.loadMaxTimeLimit = *timeLimit;
  values.supportPercent = *support;
  values.fleetGoal = entry.fleetGoal;
  values.fleetTimeLimit = *fleetTimeLimit;
  values.library = std::move(*containers);
  values.projectFleet = std::move(*fleet);
  if (library.selected()) values.projectContainer = values.library[*library.selected()].container;
  return {{}, std::move(values)};
}

void applyOptions(const OptionValues& values, Settings& settings, FillScheme& project) {
  const PlannerChoice before = project.planner.value_or(settings.plannerChoice());
  if (values.projectContainer) project.container = *values.projectContainer;
  project.fleet = values.projectFleet;
  settings.containers = values.library;
  settings.spacingL = values.spacingL;
  settings.spacingW = values.spacingW;
  settings.spacingH = values.spacingH;
  settings.maxBlockNum = values.maxBlockNum;
  settings.planningMode = values.planningMode;
  settings.loadMaxTimeLimit = values.loadMaxTimeLimit;
  settings.supportPercent = values.supportPercent;
  settings.fleetGoal = values.fleetGoal;
  settings.fleetTimeLimit = values.fleetTimeLimit;
  // The project is planned as chosen; a project without a planner of its own (a .pak)
  // takes one only when the choice changes, so that OK alone changes nothing.
  if (project.planner || settings.plannerChoice() != before) project.planner = settings.plannerChoice();
  project.spacingL = values.spacingL;
  project.spacingW = values.spacingW;
  project.spacingH = values.spacingH;
}

std::string timeLimitProblemMessage() {
  return inLanguage("计算时限应为大于0、不超过3600的秒数，请检查后重新输入。",
                    "The time limit must be a number of seconds above 0 and at most 3600; please check it.");
}

std::string supportProblemMessage() {
  return inLanguage("支撑面积比例应为0到100之间的整数，请检查后重新输入。",
                    "The support must be a whole percentage from 0 to 100; please check it.");
}
