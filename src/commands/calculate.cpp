#include "commands/calculate.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <new>
#include <thread>

#include "commands/loadingorder.h"
#include "commands/runcheck.h"
#include "engine/maxload/maxloadproject.h"
#include "engine/statistics.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "model/settings.h"

namespace {

// The project the planner works on: the request's container, cartons and spacings.
FillScheme workingProject(const CalculationRequest& request) {
  FillScheme project;
  project.container = request.container;
  project.cartons = request.cartons;
  project.spacingL = request.spacingL;
  project.spacingW = request.spacingW;
  project.spacingH = request.spacingH;
  return project;
}

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

ResultStatistics statisticsOf(const FillScheme& project) {
  return {project.loadedCount,  project.capacityCount, project.setCount,
          project.loadedVolume, project.fillRatio,     project.netRatio};
}

// The sets planner: zoned or single, as the Run command does it.
void planSets(FillScheme& project, std::int32_t maxBlockNum, CancelToken& token,
              CalculationReport& report) {
  CalculationRun run;
  run.stopOn(token.flag());
  run.startRun(project);
  Settings settings;
  settings.maxBlockNum = maxBlockNum;
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
  // The plan lists a lying stack against the top before the blocks it rests on; the
  // loader, the view's steps and the exported plan take them from the floor up.
  putInLoadingOrder(project.blocks);
  if (token.timedOut() && !token.cancelRequested()) {
    report.status = CalculationStatus::TimedOut;
  } else if (token.cancelRequested()) {
    report.status = CalculationStatus::Cancelled;
  }
}

// The load-max planner: as many cartons as fit. Its own time limit keeps the best plan
// found; the token's cancel (or deadline) discards it.
void planLoadMax(FillScheme& project, const CalculationRequest& request, CancelToken& token,
                 CalculationReport& report) {
  MaxLoadOptions options;
  options.supportPercent = request.supportPercent;
  options.timeLimitSeconds = request.loadMaxTimeLimit;
  MaxLoadControl control;
  control.cancel = &token.flag();
  control.bestFill = request.bestFill;
  {
    DeadlineWatch watch(token);
    try {
      report.loadMax = loadAsMuchAsFits(project, options, control);
    } catch (const std::bad_alloc&) {
      report.loadMax = {};  // out of memory in the search: nothing loaded
      project.blocks.clear();
    }
  }
  report.loadMax.blocks.clear();  // the report's blocks are project.blocks
  report.mode = RunMode::Single;
  if (token.timedOut() && !token.cancelRequested()) {
    report.status = CalculationStatus::TimedOut;
  } else if (token.cancelRequested() || report.loadMax.cancelled) {
    report.status = CalculationStatus::Cancelled;
  }
  if (report.status != CalculationStatus::Loaded) project.blocks.clear();
}

// What stops a load-max run before it starts: no cartons, or a container without room.
std::string loadMaxRefusal(const FillScheme& project) {
  if (project.cartonTotal() <= 0) return preRunMessage(PreRunCheck::NoCartons);
  const Container& box = project.container;
  if (box.length <= 0 || box.width <= 0 || box.height <= 0) return emptyContainerMessage();
  return {};
}

}  // namespace

CalculationRequest calculationRequest(const FillScheme& project, const Settings& settings) {
  CalculationRequest request;
  request.container = project.container;
  request.cartons = project.cartons;
  request.spacingL = project.spacingL;
  request.spacingW = project.spacingW;
  request.spacingH = project.spacingH;
  request.maxBlockNum = settings.maxBlockNum;
  request.planningMode = settings.planningMode;
  request.supportPercent = settings.supportPercent;
  request.loadMaxTimeLimit = settings.loadMaxTimeLimit;
  return request;
}

CalculationReport calculate(const CalculationRequest& request, CancelToken& token) {
  FillScheme project = workingProject(request);
  CalculationReport report;
  if (request.planningMode == PlanningMode::LoadMax) {
    report.maxSets = project.computeMaxSets();
    report.message = loadMaxRefusal(project);
  } else {
    const PreRunCheck check = checkBeforeRun(project);
    report.maxSets = project.maxSets;
    if (isQuestion(check)) report.question = preRunMessage(check);
    if (isRefusal(check)) report.message = preRunMessage(check);
  }
  if (!report.message.empty()) {
    report.status = CalculationStatus::Refused;
    return report;
  }
  report.status = CalculationStatus::Loaded;
  switch (request.planningMode) {
    case PlanningMode::Sets:
      planSets(project, request.maxBlockNum, token, report);
      break;
    case PlanningMode::LoadMax:
      planLoadMax(project, request, token, report);
      break;
  }
  refreshResultStatistics(project);
  if (report.status == CalculationStatus::Loaded && project.loadedCount == 0) {
    report.status = CalculationStatus::NothingLoaded;
    report.message = nothingLoadedMessage();
  }
  report.blocks = std::move(project.blocks);
  report.statistics = statisticsOf(project);
  return report;
}

void applyReport(const CalculationReport& report, FillScheme& project) {
  project.blocks = report.blocks;
  project.maxSets = report.maxSets;
  refreshResultStatistics(project);
}

bool requestMatches(const CalculationRequest& request, const FillScheme& project) {
  const auto sameCarton = [](const Carton& a, const Carton& b) {
    return a.name == b.name && a.length == b.length && a.width == b.width && a.height == b.height &&
           a.mustUp == b.mustUp && a.upendLayers == b.upendLayers && a.weight == b.weight &&
           a.material == b.material && a.count == b.count && a.spaceIndex == b.spaceIndex;
  };
  return request.container == project.container && request.spacingL == project.spacingL &&
         request.spacingW == project.spacingW && request.spacingH == project.spacingH &&
         std::equal(request.cartons.begin(), request.cartons.end(), project.cartons.begin(),
                    project.cartons.end(), sameCarton);
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

std::string bestFillText(double fill) {
  return inLanguage("目前最佳填充率：", "Best fill so far: ") + formatTwoDecimals(fill * 100) + "%";
}
