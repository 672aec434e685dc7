#include "cli/calculate.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <sstream>

#include "cli/cli.h"
#include "cli/projectinput.h"
#include "commands/runcheck.h"
#include "engine/statistics.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"
#include "model/settings.h"

namespace {

// A whole number from min up to the int32 limit, nothing for anything else.
std::optional<std::int32_t> parseWhole(const std::string& text, std::int64_t min) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::int64_t value = 0;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
    value = value * 10 + (ch - '0');
  }
  if (value < min || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

bool parseSpacing(const std::string& text, CalculationOptions& options) {
  std::istringstream in(text);
  std::string part;
  std::int32_t values[3];
  int n = 0;
  while (std::getline(in, part, ',')) {
    if (n == 3) return false;
    auto value = parseWhole(part, 0);
    if (!value) return false;
    values[n++] = *value;
  }
  if (n != 3 || text.back() == ',') return false;
  options.spacingL = values[0];
  options.spacingW = values[1];
  options.spacingH = values[2];
  return true;
}

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

}  // namespace

std::optional<CalculationOptions> parseCalculationOptions(const std::vector<std::string>& args,
                                                          const char* usage, const VerbOptions& verbOptions) {
  CalculationOptions options;
  bool havePath = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--spacing") {
      if (!hasValue || !parseSpacing(args[++i], options)) {
        std::cerr << "cargolyx-cli: --spacing needs three whole millimetre values L,W,H\n" << usage;
        return std::nullopt;
      }
    } else if (arg == "--max-blocks") {
      auto value = hasValue ? parseWhole(args[++i], 1) : std::nullopt;
      if (!value) {
        std::cerr << "cargolyx-cli: --max-blocks needs a whole number of at least 1\n" << usage;
        return std::nullopt;
      }
      options.maxBlockNum = *value;
    } else if (arg == "--time-limit") {
      auto value = hasValue ? parseWhole(args[++i], 1) : std::nullopt;
      if (!value) {
        std::cerr << "cargolyx-cli: --time-limit needs a whole number of seconds, at least 1\n" << usage;
        return std::nullopt;
      }
      options.timeLimitSeconds = *value;
    } else if (arg == "--container") {
      options.container = hasValue ? parseContainerOption(args[++i]) : parseContainerOption("");
      if (!options.container) {
        std::cerr << usage;
        return std::nullopt;
      }
    } else if (const int taken = verbOptions ? verbOptions(args, i) : 0; taken != 0) {
      if (taken < 0) {
        std::cerr << usage;
        return std::nullopt;
      }
      i += static_cast<std::size_t>(taken) - 1;
    } else if (arg.rfind("--", 0) == 0 || havePath) {
      std::cerr << "cargolyx-cli: unexpected argument \"" << arg << "\"\n" << usage;
      return std::nullopt;
    } else {
      options.path = arg;
      havePath = true;
    }
  }
  if (!havePath) {
    std::cerr << usage;
    return std::nullopt;
  }
  if (!containerFitsInput(options.path, options.container)) {
    std::cerr << usage;
    return std::nullopt;
  }
  return options;
}

std::optional<CalculationReport> calculateProject(const CalculationOptions& options, FillScheme& project,
                                                  int* stopStatus) {
  if (!readInputProject(options.path, options.container, project)) {
    *stopStatus = kExitBadInput;
    return std::nullopt;
  }
  project.spacingL = options.spacingL;
  project.spacingW = options.spacingW;
  project.spacingH = options.spacingH;
  Settings settings;
  settings.maxBlockNum = options.maxBlockNum;

  CalculationRequest request = calculationRequest(project, settings);
  request.planningMode = options.mode;
  request.supportPercent = options.supportPercent;
  request.loadMaxTimeLimit = options.loadMaxTimeLimit;
  CancelToken token;
  if (options.timeLimitSeconds > 0 && options.mode == PlanningMode::Sets)
    token.setTimeLimit(std::chrono::seconds(options.timeLimitSeconds));
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
    std::cerr << "cargolyx-cli: the calculation timed out after " << options.timeLimitSeconds
              << " s and was stopped\n";
    *stopStatus = kExitTimedOut;
    return std::nullopt;
  }
  applyReport(report, project);
  return report;
}

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
