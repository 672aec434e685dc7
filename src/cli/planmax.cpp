// cargolyx-cli plan FILE.pak --mode max [--time-limit S] [--support P] [--spacing L,W,H] [--json]
// Loads as many of the project's cartons as fit and prints the result list, the leftovers,
// the loaded weight and the centre of gravity, or all of it as JSON.

#include "cli/planmax.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>

#include "cli/balanceoutput.h"
#include "cli/calculate.h"
#include "cli/cli.h"
#include "cli/maxloadjson.h"
#include "cli/projectinput.h"
#include "cli/terminaltext.h"
#include "engine/maxload/maxloadproject.h"
#include "engine/statistics.h"
#include "model/fillscheme.h"
#include "model/language.h"

namespace {

const char* const kUsage =
    "usage: cargolyx-cli plan FILE.pak --mode max [--time-limit S] [--support P]"
    " [--spacing L,W,H] [--json]\n"
    "       cargolyx-cli plan LIST.csv --container L,W,H,KG --mode max [options as above]\n";

struct MaxOptions {
  std::string path;
  std::optional<Container> container;
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
    } else if (arg == "--container") {
      options.container = parseContainerOption(hasValue ? args[++i] : std::string());
      if (!options.container) {
        std::cerr << kUsage;
        return std::nullopt;
      }
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
  if (!havePath || !containerFitsInput(options.path, options.container)) {
    std::cerr << kUsage;
    return std::nullopt;
  }
  return options;
}

void printText(const FillScheme& project, const MaxLoadResult& result) {
  printResultTable(project);
  std::cout << resultStatisticsText(project) << "\n";
  bool anyLeft = false;
  for (std::size_t i = 0; i < result.leftovers.size(); ++i) {
    if (result.leftovers[i] <= 0) continue;
    if (!anyLeft) std::cout << inLanguage("未装入的纸箱：", "Cartons not loaded:") << "\n";
    anyLeft = true;
    std::cout << "  " << escapeControlCharacters(project.cartons[i].name) << inLanguage("：", ": ") << result.leftovers[i] << "\n";
  }
  if (!anyLeft) std::cout << inLanguage("全部纸箱均已装入。", "All cartons are loaded.") << "\n";
  std::cout << balanceText(project);
  if (result.timedOut) std::cout << inLanguage("已到计算时限。", "The time limit was reached.") << "\n";
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
  CalculationOptions calculation;
  calculation.path = options->path;
  calculation.container = options->container;
  calculation.spacingL = options->spacingL;
  calculation.spacingW = options->spacingW;
  calculation.spacingH = options->spacingH;
  calculation.mode = PlanningMode::LoadMax;
  calculation.supportPercent = options->search.supportPercent;
  calculation.loadMaxTimeLimit = options->search.timeLimitSeconds;
  FillScheme project;
  int stopStatus = kExitBadInput;
  const auto calculated = calculateProject(calculation, project, &stopStatus);
  if (!calculated) return stopStatus;
  const CalculationReport& report = *calculated;

  MaxLoadReport json;
  json.status = report.status == CalculationStatus::Loaded          ? "loaded"
                : report.status == CalculationStatus::NothingLoaded ? "nothing-loaded"
                                                                    : "refused";
  json.message = report.message;
  json.maxSets = report.maxSets;
  json.loadedCount = report.statistics.loadedCount;
  json.capacityCount = report.statistics.capacityCount;
  json.loadedVolume = report.statistics.loadedVolume;
  json.fillRatio = report.statistics.fillRatio;
  json.netRatio = report.statistics.netRatio;
  std::vector<std::string> names;
  for (const Carton& c : project.cartons) names.push_back(c.name);
  if (options->json) {
    MaxLoadResult result = report.loadMax;
    result.blocks = report.blocks;  // the report keeps the plan's blocks once, beside it
    std::cout << maxLoadJson(json, result, names, balanceJson(project)) << "\n";
  } else if (report.status == CalculationStatus::Loaded) {
    printText(project, report.loadMax);
  } else {
    std::cout << escapeControlCharacters(report.message) << "\n";
  }
  return exitStatus(report.status);
}
