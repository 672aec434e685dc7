#include "commands/calculate.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <new>
#include <thread>

#include "commands/fleetplan.h"
#include "commands/palletplan.h"
#include "commands/runcheck.h"
#include "commands/statistics.h"
#include "engine/loadingorder.h"
#include "engine/maxload/maxloadproject.h"
#include "engine/runproject.h"
#include "model/cargorules.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "model/settings.h"

namespace {

// Expires the token at its deadline, unless the calculation has ended before.
class DeadlineWatch {
 public:
  explicit DeadlineWatch(CancelToken& token) {
    if (!token.deadline()) return;
    const CancelToken::Clock::time_point deadline = *token.deadline();
    watcher_ = std::thread([this, &token, deadline] {
      std::unique_lock lock(mutex_);
      if (!ended_.wait_until(lock, deadline, [this] { return done_; })) token.expire();
    });
  }
  ~DeadlineWatch() {
    if (!watcher_.joinable()) return;
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    ended_.notify_one();
    watcher_.join();
  }
  DeadlineWatch(const DeadlineWatch&) = delete;
  DeadlineWatch& operator=(const DeadlineWatch&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable ended_;
  bool done_ = false;
  std::thread watcher_;
};

// One loaded container of the request's container, holding blocks.
ProjectResult resultOf(const CalculationRequest& request, std::vector<BlockScheme> blocks) {
  ProjectResult result;
  result.mode = request.planningMode;
  result.containers.push_back(LoadedContainer{request.input.container, std::move(blocks)});
  if (request.planningMode == PlanningMode::LoadMax) result.supportPercent = request.supportPercent;
  return result;
}

// The sets planner: zoned or single, as the Run command does it.
void planSets(const CalculationRequest& request, CancelToken& token, CalculationReport& report) {
  RunProject project(request.input);
  CalculationRun run;
  run.stopOn(token.flag());
  run.startRun(project);
  Settings settings;
  settings.maxBlockNum = request.maxBlockNum;
  RunOutcome outcome;
  {
    DeadlineWatch watch(token);
    try {
      outcome = run.execute(project, settings);
    } catch (const std::bad_alloc&) {
      outcome = {};  // out of memory in the search: nothing loaded
    }
  }
  report.mode = outcome.mode;
  run.finishRun(project, outcome.success);
  if (token.timedOut() && !token.cancelRequested()) {
    report.status = CalculationStatus::TimedOut;
  } else if (token.cancelRequested()) {
    report.status = CalculationStatus::Cancelled;
  } else {
    // The plan lists a lying stack against the top before the blocks it rests on; the
    // loader, the view's steps and the exported plan take them from the floor up.
    putInLoadingOrder(project.blocks);
    report.result = resultOf(request, std::move(project.blocks));
  }
}

// The load-max planner: as many cartons as fit. Its own time limit keeps the best plan
// found; the token's cancel (or deadline) discards it.
void planLoadMax(const CalculationRequest& request, CancelToken& token, CalculationReport& report) {
  MaxLoadOptions options;
  options.supportPercent = request.supportPercent;
  options.timeLimitSeconds = request.loadMaxTimeLimit;
  MaxLoadControl control;
  control.cancel = &token.flag();
  control.bestFill = request.bestFill;
  MaxLoadResult plan;
  {
    DeadlineWatch watch(token);
    try {
      plan = loadAsMuchAsFits(request.input, options, control);
    } catch (const std::bad_alloc&) {
      plan = {};  // out of memory in the search: nothing loaded
    }
  }
  report.mode = RunMode::Single;
  if (token.timedOut() && !token.cancelRequested()) {
    report.status = CalculationStatus::TimedOut;
  } else if (token.cancelRequested() || plan.cancelled) {
    report.status = CalculationStatus::Cancelled;
  } else {
    report.result = resultOf(request, std::move(plan.blocks));
    report.result.timedOut = plan.timedOut;
  }
}

// What stops a load-max run before it starts: no cartons, or a container without room.
std::string loadMaxRefusal(const ProjectInput& project) {
  if (project.cartonTotal() <= 0) return preRunMessage(PreRunCheck::NoCartons);
  const Container& box = project.container;
  if (box.length <= 0 || box.width <= 0 || box.height <= 0) return emptyContainerMessage();
  return {};
}

bool loadsAnything(const ProjectResult& result) {
  for (const LoadedContainer& loaded : result.containers) {
    if (!loaded.pallets.empty()) return true;
    for (const BlockScheme& block : loaded.blocks)
      if (block.count > 0) return true;
  }
  return false;
}

}  // namespace

PlanningMode plannerForProject(const ProjectInput& input, PlanningMode chosen) {
  if (chosen == PlanningMode::Sets && input.fleet.size() > 1) return PlanningMode::Fleet;
  return chosen;
}

CalculationRequest calculationRequest(const FillScheme& project, const Settings& settings) {
  CalculationRequest request;
  request.input = project.input();
  request.maxBlockNum = settings.maxBlockNum;
  // The project's own planner, or for a project without one (a .pak) the one Options choose.
  const PlannerChoice planner = project.planner.value_or(settings.plannerChoice());
  request.planningMode = plannerForProject(project.input(), planner.mode);
  request.supportPercent = planner.supportPercent;
  request.loadMaxTimeLimit = planner.loadMaxTimeLimit;
  request.fleetGoal = planner.goal;
  request.fleetTimeLimit = planner.fleetTimeLimit;
  return request;
}

CalculationReport calculate(const CalculationRequest& request, CancelToken& token) {
  CalculationReport report;
  report.planner = runsPalletPlanner(request) ? PlanningMode::Pallets : request.planningMode;
  report.maxSets = request.input.computeMaxSets();
  if (report.planner == PlanningMode::Pallets) {
    report.message = palletRefusal(request);
    if (report.message.empty()) report.message = palletRulesMessage(request.input);
  } else if (request.planningMode == PlanningMode::LoadMax) {
    report.message = loadMaxRefusal(request.input);
    if (report.message.empty()) report.message = loadMaxRulesMessage(request.input);
  } else if (request.planningMode == PlanningMode::Fleet) {
    report.message = fleetRefusal(request);
    if (report.message.empty()) report.message = fleetRulesMessage(request.input);
  } else {
    const PreRunCheck check = checkBeforeRun(request.input);
    if (isQuestion(check)) report.question = preRunMessage(check);
    if (isRefusal(check)) report.message = preRunMessage(check, request.input);
  }
  if (!report.message.empty()) {
    report.status = CalculationStatus::Refused;
    return report;
  }
  report.status = CalculationStatus::Loaded;
  switch (report.planner) {
    case PlanningMode::Sets:
      planSets(request, token, report);
      break;
    case PlanningMode::LoadMax:
      planLoadMax(request, token, report);
      break;
    case PlanningMode::Fleet:
      planFleetInto(request, token, report);
      break;
    case PlanningMode::Pallets:
      planPalletsInto(request, token, report);
      break;
  }
  // A plan for several stops is loaded stop by stop, the last stop first, where it allows.
  const std::vector<CargoRule> rules = cargoRulesInUse(request.input);
  if (std::find(rules.begin(), rules.end(), CargoRule::Stops) != rules.end())
    for (LoadedContainer& loaded : report.result.containers)
      putInLoadingOrder(loaded.blocks, stopGroups(request.input, loaded.blocks));
  if (report.status == CalculationStatus::Loaded && !loadsAnything(report.result)) {
    report.status = CalculationStatus::NothingLoaded;
    report.message = nothingLoadedMessage();
    report.result = {};
  }
  return report;
}

void applyReport(const CalculationReport& report, FillScheme& project) { project.result = report.result; }

bool requestMatches(const CalculationRequest& request, const FillScheme& project) {
  return request.input == project.input();
}

std::string elapsedTimeText(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  std::string text = inLanguage("已用时间：", "Time elapsed: ");
  if (seconds >= 60) {
    const std::int64_t rest = seconds % 60;
    text += std::to_string(seconds / 60) + inLanguage("分", " min ") + (rest < 10 ? "0" : "") +
            std::to_string(rest) + inLanguage("秒", " s");
  } else {
    text += std::to_string(seconds) + inLanguage("秒", " s");
  }
  return text;
}

std::string bestFleetText(std::int32_t containers, double cost) {
  if (containers <= 0) return inLanguage("目前最佳方案：尚无", "Best plan so far: none yet");
  return inLanguage("目前最佳方案：", "Best plan so far: ") + std::to_string(containers) +
         inLanguage(" 个集装箱，费用 ", " containers, cost ") + formatTwoDecimals(cost);
}

std::string bestFillText(double fill) {
  return inLanguage("目前最佳填充率：", "Best fill so far: ") + formatTwoDecimals(fill * 100) + "%";
}
