#include "cli/calculate.h"

#include <chrono>
#include <csignal>
#include <iostream>

#include "cli/options.h"
#include "cli/projectinput.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "model/settings.h"

namespace {

// ---- Ctrl-C: the handler only raises the run's cancel flag.

std::atomic<CancelToken*> interruptToken{nullptr};

extern "C" void onInterrupt(int) {
  if (CancelToken* token = interruptToken.load()) token->cancel();
}

// Routes SIGINT to the token while it lives. A second Ctrl-C ends the program the usual way.
class InterruptCancels {
 public:
  explicit InterruptCancels(CancelToken& token) {
    interruptToken.store(&token);
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, &previous_);
  }
  ~InterruptCancels() {
    sigaction(SIGINT, &previous_, nullptr);
    interruptToken.store(nullptr);
  }
  InterruptCancels(const InterruptCancels&) = delete;
  InterruptCancels& operator=(const InterruptCancels&) = delete;

 private:
  struct sigaction previous_ {};
};

// Plans the project read with the planner settled.
std::optional<CalculationReport> calculateWith(const CliOptions& options, FillScheme& project, int* stopStatus,
                                               CalculationRequest* planned);

}  // namespace

std::optional<CalculationReport> calculateProject(const CliOptions& options, FillScheme& project,
                                                  int* stopStatus, CalculationRequest* planned) {
  if (!readInputProject(options, project)) {
    *stopStatus = kExitBadInput;
    return std::nullopt;
  }
  if (options.spacingL) {
    project.spacingL = *options.spacingL;
    project.spacingW = *options.spacingW;
    project.spacingH = *options.spacingH;
  }
  // The planner asked for, else the project's own (a .clyx keeps it), else the sets planner;
  // then the one the project calls for.
  CliOptions chosen = options;
  if (project.planner) {
    if (!options.modeGiven) chosen.mode = project.planner->mode;
    if (!options.goalGiven) chosen.goal = project.planner->goal;
    if (!options.supportGiven) chosen.supportPercent = project.planner->supportPercent;
    if (!options.timeLimit && chosen.mode == PlanningMode::LoadMax) chosen.timeLimit = project.planner->loadMaxTimeLimit;
    if (!options.timeLimit && chosen.mode == PlanningMode::Fleet) chosen.timeLimit = project.planner->fleetTimeLimit;
  }
  chosen.mode = plannerForProject(project.input(), chosen.mode);
  project.planner.reset();  // planned as chosen here
  if (options.goalGiven && chosen.mode != PlanningMode::Fleet && !project.usesPallets()) {
    std::cerr << "cargolyx-cli: "
              << inLanguage("--goal 只用于多个集装箱（--mode fleet，或有多种集装箱的项目）。",
                            "--goal is for several containers (--mode fleet, or a project of several container "
                            "types).")
              << "\n";
    *stopStatus = kExitBadInput;
    return std::nullopt;
  }
  return calculateWith(chosen, project, stopStatus, planned);
}

namespace {

std::optional<CalculationReport> calculateWith(const CliOptions& options, FillScheme& project, int* stopStatus,
                                               CalculationRequest* planned) {
  Settings settings;
  settings.maxBlockNum = options.maxBlockNum;
  settings.planningMode = options.mode;
  settings.supportPercent = options.supportPercent;
  settings.fleetGoal = options.goal;
  // The one time limit is the limit of whichever planner runs.
  if (options.timeLimit) settings.loadMaxTimeLimit = settings.fleetTimeLimit = *options.timeLimit;
  CalculationRequest request = calculationRequest(project, settings);
  if (options.timeLimit) request.palletTimeLimit = *options.timeLimit;
  CancelToken token;
  // The sets planner's search has no time limit of its own: the token stops it.
  if (options.timeLimit && options.mode == PlanningMode::Sets)
    token.setTimeLimit(std::chrono::duration_cast<CancelToken::Clock::duration>(
        std::chrono::duration<double>(*options.timeLimit)));
  CalculationReport report;
  {
    InterruptCancels interrupt(token);
    report = calculate(request, token);
  }
  if (report.status == CalculationStatus::Cancelled) {
    std::cerr << "cargolyx-cli: the calculation was cancelled\n";
    *stopStatus = kExitInterrupted;
    return std::nullopt;
  }
  if (report.status == CalculationStatus::TimedOut) {
    std::cerr << "cargolyx-cli: the calculation timed out after "
              << options.timeLimit.value_or(options.mode == PlanningMode::Fleet     ? settings.fleetTimeLimit
                                            : options.mode == PlanningMode::Pallets ? request.palletTimeLimit
                                                                                    : settings.loadMaxTimeLimit)
              << " s and was stopped\n";
    *stopStatus = kExitTimedOut;
    return std::nullopt;
  }
  applyReport(report, project);
  if (planned != nullptr) *planned = request;
  return report;
}

}  // namespace

int exitStatus(CalculationStatus status) {
  switch (status) {
    case CalculationStatus::Loaded: return kExitLoaded;
    case CalculationStatus::NothingLoaded: return kExitNothingLoaded;
    case CalculationStatus::Refused: return kExitRefused;
    case CalculationStatus::Cancelled: return kExitInterrupted;
    case CalculationStatus::TimedOut: return kExitTimedOut;
  }
  return kExitRefused;
}
