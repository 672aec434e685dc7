#include "commands/fleetplan.h"

#include "commands/leftoverreasons.h"

#include <charconv>
#include <cmath>
#include <map>
#include <new>

#include "commands/leftoverreasons.h"
#include "commands/leftovers.h"
#include "commands/runcheck.h"
#include "engine/fleet/bounds.h"
#include "engine/fleet/fit.h"
#include "engine/fleet/fleetproject.h"
#include "model/fillscheme.h"
#include "model/language.h"

namespace {

std::string number(double value) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, std::round(value * 100) / 100);
  return error == std::errc() ? std::string(text, end) : std::string("0");
}

std::string quotedNames(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : inLanguage("、", ", ")) + ("“" + name + "”");
  return list;
}

}  // namespace

std::string uncountedFleetMessage(const std::vector<ContainerType>& types) {
  std::vector<std::string> unlimited;
  for (const ContainerType& type : types)
    if (!type.available) unlimited.push_back(type.container.name);
  if (unlimited.empty()) return {};
  return inLanguage("只用现有集装箱时，每种集装箱都须给出可用数量，以下集装箱没有：",
                    "To load only the containers available, every container type needs its count; these have "
                    "none: ") +
         quotedNames(unlimited) + inLanguage("。", ".");
}

std::string noContainerAvailableMessage(const std::vector<ContainerType>& types) {
  if (types.empty()) return {};
  for (const ContainerType& type : types)
    if (!type.available || *type.available > 0) return {};
  return inLanguage("没有可用的集装箱：每种集装箱的可用数量都是 0。请给出可用数量，或去掉这一限制。",
                    "No container is available: every container type's available count is 0. Please give the "
                    "counts available, or drop the limit.");
}

std::string tooManyContainersMessage(const FleetInput& input) {
  const fleet::FleetBound bound = fleet::boundOfLoadable(input);
  if (!fleet::needsTooManyContainers(input, bound)) return {};
  const std::string most = std::to_string(kMostContainers);
  const std::string needed = std::to_string(bound.containers);
  return inLanguage("这批货至少需要 ", "These cartons need at least ") + needed +
         inLanguage(" 个集装箱，超过一次计算最多规划的 ", " containers, more than the ") + most +
         inLanguage(" 个。请减少纸箱数量，分批计算。", " one calculation plans at most. Please load fewer cartons at a time.");
}

std::string fleetRefusal(const CalculationRequest& request) {
  const ProjectInput& input = request.input;
  if (input.cartonTotal() <= 0) return preRunMessage(PreRunCheck::NoCartons);
  const std::vector<ContainerType> types = input.fleetOrContainer();
  for (const ContainerType& type : types) {
    const Container& c = type.container;
    if (c.length <= 0 || c.width <= 0 || c.height <= 0) return emptyContainerMessage();
  }
  if (std::string none = noContainerAvailableMessage(types); !none.empty()) return none;
  FleetInput fleet = fleetInputFromProject(input);
  fleet.goal = request.fleetGoal;
  if (std::string tooMany = tooManyContainersMessage(fleet); !tooMany.empty()) return tooMany;
  if (request.fleetGoal == FleetGoal::FixedFleet) return uncountedFleetMessage(types);
  // Loading every carton: a carton no container takes makes that impossible.
  const std::vector<UnfitReason> unfit = fleet::unfitTypes(fleet);
  std::vector<std::string> tooLarge, tooHeavy;
  for (std::size_t i = 0; i < unfit.size(); ++i) {
    if (unfit[i] == UnfitReason::FitsNoContainer) tooLarge.push_back(input.cartons[i].name);
    if (unfit[i] == UnfitReason::HeavierThanEveryContainer) tooHeavy.push_back(input.cartons[i].name);
  }
  std::string message;
  if (!tooLarge.empty())
    message += inLanguage("以下纸箱无论怎样放置都装不进任何一种集装箱：", "These cartons fit no container type in any way "
                                                                          "they may be placed: ") +
               quotedNames(tooLarge) + inLanguage("。", ".");
  if (!tooHeavy.empty())
    message += std::string(message.empty() ? "" : "\n") +
               inLanguage("以下纸箱比任何一种集装箱的最大载重都重：", "These cartons are heavier than every container "
                                                                      "type's maximum load: ") +
               quotedNames(tooHeavy) + inLanguage("。", ".");
  if (!message.empty())
    message += inLanguage("\n请修改纸箱或集装箱，或改为“只用现有集装箱”，装入能装下的纸箱。",
                          "\nPlease change the cartons or the containers, or load only the containers available, "
                          "which loads what fits.");
  return message;
}

void planFleetInto(const CalculationRequest& request, CancelToken& token, CalculationReport& report) {
  FleetInput input = fleetInputFromProject(request.input);
  input.goal = request.fleetGoal;
  input.cargo.supportPercent = request.supportPercent;
  input.timeLimitSeconds = request.fleetTimeLimit;
  FleetControl control;
  control.cancel = &token.flag();
  control.containersPlanned = request.containersPlanned;
  control.bestCost = request.bestCost;
  FleetResult plan;
  try {
    plan = planFleet(input, control);
  } catch (const std::bad_alloc&) {
    plan = {};  // out of memory: nothing planned
  }
  report.mode = RunMode::Single;
  if (token.cancelRequested() || plan.cancelled) {
    report.status = CalculationStatus::Cancelled;
    return;
  }
  if (plan.tooManyContainers) {
    report.status = CalculationStatus::Refused;
    report.message = tooManyContainersMessage(input);
    return;
  }
  if (plan.loads.empty() && plan.timedOut) {
    report.status = CalculationStatus::TimedOut;  // not one complete answer in time
    return;
  }
  const std::vector<ContainerType> types = request.input.fleetOrContainer();
  ProjectResult& result = report.result;
  result.mode = PlanningMode::Fleet;
  result.supportPercent = request.supportPercent;
  result.timedOut = plan.timedOut;
  result.goal = request.fleetGoal;
  result.lowerBoundContainers = plan.lowerBoundContainers;
  result.lowerBoundCost = plan.lowerBoundCost;
  for (FleetLoad& load : plan.loads)
    result.containers.push_back(
        LoadedContainer{types[static_cast<std::size_t>(load.type)].container, std::move(load.blocks), load.type});
}

std::string fleetSummaryText(const FillScheme& project) {
  const ProjectResult& result = project.result;
  if (result.mode != PlanningMode::Fleet || result.empty()) return {};
  const std::vector<ContainerType> types = project.fleetOrContainer();
  std::map<std::int32_t, int> perType;
  double cost = 0;
  for (const LoadedContainer& loaded : result.containers) {
    ++perType[loaded.fleetType];
    if (loaded.fleetType >= 0 && static_cast<std::size_t>(loaded.fleetType) < types.size())
      cost += types[static_cast<std::size_t>(loaded.fleetType)].costOrOne();
  }
  std::string text;
  for (const auto& [type, count] : perType) {
    const std::string name = type >= 0 && static_cast<std::size_t>(type) < types.size()
                                 ? types[static_cast<std::size_t>(type)].container.name
                                 : std::string("?");
    text += (text.empty() ? "" : inLanguage("，", ", ")) + std::to_string(count) + " × " + name;
  }
  text += inLanguage("；费用 ", "; cost ") + number(cost);
  if (result.goal == FleetGoal::Cheapest) {
    text += inLanguage("；至少需要 ", "; at least ") + std::to_string(result.lowerBoundContainers) +
            inLanguage(" 个集装箱，费用至少 ", " containers needed, costing at least ") + number(result.lowerBoundCost);
    const bool provenBest = static_cast<std::int64_t>(result.containers.size()) <= result.lowerBoundContainers &&
                            types.size() == 1;
    if (provenBest) text += inLanguage("（已是最少）", " (the fewest possible)");
  }
  std::int64_t left = 0;
  for (const Leftover& leftover : leftoverCartons(project, result)) left += leftover.count;
  if (left > 0) text += inLanguage("；未装入 ", "; not loaded: ") + std::to_string(left) + inLanguage(" 箱", " cartons");
  return text;
}

std::vector<std::string> unfitReasonCodes(const ProjectInput& input) {
  std::vector<std::string> codes;
  for (const UnfitReason reason : fleet::unfitTypes(fleetInputFromProject(input))) {
    if (reason == UnfitReason::FitsNoContainer) codes.emplace_back("fits-no-container");
    else if (reason == UnfitReason::HeavierThanEveryContainer) codes.emplace_back("heavier-than-every-container");
    else codes.emplace_back();
  }
  return codes;
}

std::string unfitReasonText(const std::string& code) {
  // The words of one container's reasons (leftoverreasons.h), said of every container type.
  if (code == "fits-no-container")
    return inLanguage("比每一种集装箱都大，怎样放置都装不下", "larger than every container type in every way it may stand");
  if (code == "heavier-than-every-container")
    return inLanguage("超过每一种集装箱的最大载重", "over every container type's maximum load");
  if (code == "no-room") return leftoverReasonText("no-room");
  return {};
}

std::string loadedContainerCaption(const FillScheme& project, std::size_t index) {
  if (index >= project.result.containers.size()) return {};
  return std::to_string(index + 1) + " · " + project.result.containers[index].container.name;
}
