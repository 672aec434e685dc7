// cargolyx-cli plan FILE.pak --mode max [--time-limit S] [--support P] [--spacing L,W,H] [--json]
// Loads as many of the project's cartons as fit and prints the result list, the leftovers,
// the loaded weight and the centre of gravity, or all of it as JSON.

#include "cli/planmax.h"

#include <atomic>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>

#include "cli/cli.h"
#include "cli/maxloadjson.h"
#include "engine/maxload/maxloadproject.h"
#include "commands/runcheck.h"
#include "engine/statistics.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"

namespace {

const char* const kUsage =
    "usage: cargolyx-cli plan FILE.pak --mode max [--time-limit S] [--support P]"
    " [--spacing L,W,H] [--json]\n";

constexpr int kExitCancelled = 130;  // 128 + SIGINT, as for the sets mode

// The container cannot take anything at all.
const char* const kEmptyContainerMessage = "集装箱的内部尺寸为零，无法装箱，请输入集装箱的长、宽、高。";

struct MaxOptions {
  std::string path;
  std::int32_t spacingL = 0, spacingW = 0, spacingH = 0;
  MaxLoadOptions search;
  bool json = false;
};

std::optional<double> parseNumber(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::int32_t> parseWhole(const std::string& text, std::int64_t max) {
  std::int64_t value = 0;
  if (text.empty() || text.size() > 10) return std::nullopt;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
    value = value * 10 + (ch - '0');
  }
  if (value > max) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

bool parseSpacing(const std::string& text, MaxOptions& options) {
  std::int32_t values[3];
  std::size_t start = 0;
  for (int n = 0; n < 3; ++n) {
    const std::size_t comma = text.find(',', start);
    if ((n < 2) != (comma != std::string::npos)) return false;
    const auto value = parseWhole(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start), INT32_MAX);
    if (!value) return false;
    values[n] = *value;
    start = comma + 1;
  }
  options.spacingL = values[0];
  options.spacingW = values[1];
  options.spacingH = values[2];
  return true;
}

std::optional<MaxOptions> parseOptions(const std::vector<std::string>& args) {
  MaxOptions options;
  bool havePath = false;
  const auto fail = [](const std::string& why) {
    std::cerr << "cargolyx-cli: " << why << "\n" << kUsage;
    return std::nullopt;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--mode") {
      if (!hasValue || args[++i] != "max") return fail("--mode takes max here");
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--spacing") {
      if (!hasValue || !parseSpacing(args[++i], options))
        return fail("--spacing needs three whole millimetre values L,W,H");
    } else if (arg == "--time-limit") {
      const auto value = hasValue ? parseNumber(args[++i]) : std::nullopt;
      if (!value || !(*value > 0) || *value > 86400)
        return fail("--time-limit needs a number of seconds above 0 (at most 86400)");
      options.search.timeLimitSeconds = *value;
    } else if (arg == "--support") {
      const auto value = hasValue ? parseWhole(args[++i], 100) : std::nullopt;
      if (!value) return fail("--support needs a whole percentage from 0 to 100");
      options.search.supportPercent = *value;
    } else if (arg.rfind("--", 0) == 0 || havePath) {
      return fail("unexpected argument \"" + arg + "\"");
    } else {
      options.path = arg;
      havePath = true;
    }
  }
  if (!havePath) {
    std::cerr << kUsage;
    return std::nullopt;
  }
  return options;
}

// Ctrl-C raises the cancel flag; a second one ends the program the usual way.
std::atomic<bool> interrupted{false};
extern "C" void onMaxInterrupt(int) { interrupted.store(true); }

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

void printText(const FillScheme& project, const MaxLoadResult& result) {
  printResultTable(project);
  std::cout << resultStatisticsText(project) << "\n";
  bool anyLeft = false;
  for (std::size_t i = 0; i < result.leftovers.size(); ++i) {
    if (result.leftovers[i] <= 0) continue;
    if (!anyLeft) std::cout << "未装入的纸箱：\n";
    anyLeft = true;
    std::cout << "  " << project.cartons[i].name << "：" << result.leftovers[i] << "\n";
  }
  if (!anyLeft) std::cout << "全部纸箱均已装入。\n";
  std::cout << "装载重量：" << fixed(result.loadedWeight, 2) << "千克，重心（毫米）：x "
            << fixed(result.centreX, 1) << "，y " << fixed(result.centreY, 1) << "，z "
            << fixed(result.centreZ, 1) << (result.timedOut ? "（已到计算时限）" : "") << "\n";
}

}  // namespace

bool asksForMaxMode(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == "--mode" && args[i + 1] == "max") return true;
  return false;
}

int runPlanMax(const std::vector<std::string>& args) {
  const auto options = parseOptions(args);
  if (!options) return kExitBadInput;
  FillScheme project;
  std::string error;
  if (!loadProjectFile(options->path, project, &error)) {
    std::cerr << "cargolyx-cli: cannot open the project: " << error << "\n";
    return kExitBadInput;
  }
  project.spacingL = options->spacingL;
  project.spacingW = options->spacingW;
  project.spacingH = options->spacingH;
  const std::int32_t maxSets = project.computeMaxSets();

  MaxLoadReport report;
  report.maxSets = maxSets;
  std::vector<std::string> names;
  for (const Carton& c : project.cartons) names.push_back(c.name);
  const Container& box = project.container;
  std::string refusal;
  if (project.cartonTotal() <= 0) refusal = preRunMessage(PreRunCheck::NoCartons);
  else if (box.length <= 0 || box.width <= 0 || box.height <= 0) refusal = kEmptyContainerMessage;
  if (!refusal.empty()) {
    report.status = "refused";
    report.message = refusal;
    if (options->json) std::cout << maxLoadJson(report, MaxLoadResult{}, names) << "\n";
    else std::cout << refusal << "\n";
    return kExitRefused;
  }

  interrupted.store(false);
  struct sigaction action {}, previous {};
  action.sa_handler = onMaxInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  sigaction(SIGINT, &action, &previous);
  MaxLoadControl control;
  control.cancel = &interrupted;
  const MaxLoadResult result = loadAsMuchAsFits(project, options->search, control);
  sigaction(SIGINT, &previous, nullptr);
  if (result.cancelled) {
    std::cerr << "cargolyx-cli: the calculation was cancelled\n";
    return kExitCancelled;
  }

  report.status = result.loadedCount > 0 ? "loaded" : "nothing-loaded";
  if (result.loadedCount == 0) report.message = nothingLoadedMessage();
  report.loadedCount = project.loadedCount;
  report.capacityCount = project.capacityCount;
  report.loadedVolume = project.loadedVolume;
  report.fillRatio = project.fillRatio;
  report.netRatio = project.netRatio;
  if (options->json) {
    std::cout << maxLoadJson(report, result, names) << "\n";
  } else if (result.loadedCount > 0) {
    printText(project, result);
  } else {
    std::cout << report.message << "\n";
  }
  return result.loadedCount > 0 ? kExitLoaded : kExitNothingLoaded;
}
