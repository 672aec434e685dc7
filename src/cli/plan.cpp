// cargolyx-cli plan FILE.pak [--spacing L,W,H] [--max-blocks N] [--json]
// Runs the whole calculation as the Run command does, answering its questions with Yes,
// and prints the result list and its statistics, or the message that applies.

#include <csignal>
#include <cstdint>
#include <iostream>
#include <optional>
#include <sstream>

#include "cli/cli.h"
#include "cli/jsonwriter.h"
#include "engine/calculation.h"
#include "engine/prerun.h"
#include "engine/resultlist.h"
#include "engine/statistics.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"
#include "model/settings.h"

namespace {

constexpr int kExitInterrupted = 130;  // 128 + SIGINT, as the shell reports an interrupt

struct PlanOptions {
  std::string path;
  std::int32_t spacingL = 0, spacingW = 0, spacingH = 0;  // a fresh program's settings
  std::int32_t maxBlockNum = 6;
  bool json = false;
};

const char* const kUsage =
    "usage: cargolyx-cli plan FILE.pak [--spacing L,W,H] [--max-blocks N] [--json]\n";

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

bool parseSpacing(const std::string& text, PlanOptions& options) {
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

// The options, or nothing after telling on stderr what is wrong.
std::optional<PlanOptions> parseOptions(const std::vector<std::string>& args) {
  PlanOptions options;
  bool havePath = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--spacing") {
      if (!hasValue || !parseSpacing(args[++i], options)) {
        std::cerr << "cargolyx-cli: --spacing needs three whole millimetre values L,W,H\n" << kUsage;
        return std::nullopt;
      }
    } else if (arg == "--max-blocks") {
      auto value = hasValue ? parseWhole(args[++i], 1) : std::nullopt;
      if (!value) {
        std::cerr << "cargolyx-cli: --max-blocks needs a whole number of at least 1\n" << kUsage;
        return std::nullopt;
      }
      options.maxBlockNum = *value;
    } else if (arg.rfind("--", 0) == 0 || havePath) {
      std::cerr << "cargolyx-cli: unexpected argument \"" << arg << "\"\n" << kUsage;
      return std::nullopt;
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

// ---- Ctrl-C: the handler only raises the run's cancel flag.

std::atomic<std::atomic<bool>*> interruptFlag{nullptr};

extern "C" void onInterrupt(int) {
  if (std::atomic<bool>* flag = interruptFlag.load()) flag->store(true);
}

// Routes SIGINT to flag while it lives. A second Ctrl-C ends the program the usual way.
class InterruptCancels {
 public:
  explicit InterruptCancels(std::atomic<bool>& flag) {
    interruptFlag.store(&flag);
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, &previous_);
  }
  ~InterruptCancels() {
    sigaction(SIGINT, &previous_, nullptr);
    interruptFlag.store(nullptr);
  }
  InterruptCancels(const InterruptCancels&) = delete;
  InterruptCancels& operator=(const InterruptCancels&) = delete;

 private:
  struct sigaction previous_ {};
};

// ---- What the calculation came to

enum class PlanStatus { Loaded, NothingLoaded, Refused };

struct PlanReport {
  PlanStatus status = PlanStatus::Refused;
  std::string message;   // M1 to M6, or empty
  std::string question;  // Q1 or Q2 when it would have been asked, else empty
  RunMode mode = RunMode::None;
};

const char* statusName(PlanStatus status) {
  switch (status) {
    case PlanStatus::Loaded: return "loaded";
    case PlanStatus::NothingLoaded: return "nothing-loaded";
    case PlanStatus::Refused: return "refused";
  }
  return "";
}

const char* modeName(RunMode mode) {
  switch (mode) {
    case RunMode::Single: return "single";
    case RunMode::Zoned: return "zoned";
    case RunMode::None: return "none";
  }
  return "";
}

int exitStatus(PlanStatus status) {
  switch (status) {
    case PlanStatus::Loaded: return kExitLoaded;
    case PlanStatus::NothingLoaded: return kExitNothingLoaded;
    case PlanStatus::Refused: return kExitRefused;
  }
  return kExitRefused;
}

std::string blockJson(const BlockScheme& b) {
  return JsonObject()
      .addInteger("x", b.x)
      .addInteger("y", b.y)
      .addInteger("z", b.z)
      .addInteger("sizeX", b.sizeX)
      .addInteger("sizeY", b.sizeY)
      .addInteger("sizeZ", b.sizeZ)
      .addInteger("nx", b.nx)
      .addInteger("ny", b.ny)
      .addInteger("nz", b.nz)
      .addInteger("orientation", b.orientation)
      .addInteger("material", b.material)
      .addInteger("count", b.count)
      .addInteger("gapX", b.gapX)
      .addInteger("gapY", b.gapY)
      .addInteger("gapZ", b.gapZ)
      .addInteger("cartonIndex", b.cartonIndex)
      .addText("cartonName", b.cartonName)
      .str(",", "");
}

void printJson(const FillScheme& project, const PlanReport& report) {
  std::vector<std::string> blocks;
  for (const BlockScheme& b : project.blocks) blocks.push_back(blockJson(b));
  std::cout << JsonObject()
                   .addText("status", statusName(report.status))
                   .addText("message", report.message)
                   .addText("question", report.question)
                   .addInteger("maxSets", project.maxSets)
                   .addText("mode", modeName(report.mode))
                   .addJson("blocks", jsonArray(blocks, ",\n            "))
                   .addInteger("loadedCount", project.loadedCount)
                   .addInteger("capacityCount", project.capacityCount)
                   .addInteger("setCount", project.setCount)
                   .addNumber("loadedVolume", project.loadedVolume)
                   .addNumber("fillRatio", project.fillRatio)
                   .addNumber("netRatio", project.netRatio)
                   .str(",\n ", " ")
            << "\n";
}

// Columns on a terminal: East Asian wide and full-width characters take two.
std::size_t displayWidth(const std::string& utf8) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::uint32_t cp = lead;
    std::size_t length = 1;
    if (lead >= 0xf0) { cp = lead & 0x07; length = 4; }
    else if (lead >= 0xe0) { cp = lead & 0x0f; length = 3; }
    else if (lead >= 0xc0) { cp = lead & 0x1f; length = 2; }
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3f);
    i += length;
    const bool wide = (cp >= 0x1100 && cp <= 0x115f) || (cp >= 0x2e80 && cp <= 0xa4cf) ||
                      (cp >= 0xac00 && cp <= 0xd7a3) || (cp >= 0xf900 && cp <= 0xfaff) ||
                      (cp >= 0xfe30 && cp <= 0xfe4f) || (cp >= 0xff00 && cp <= 0xff60) ||
                      (cp >= 0xffe0 && cp <= 0xffe6) || cp >= 0x20000;
    width += wide ? 2 : 1;
  }
  return width;
}

void printTable(const FillScheme& project) {
  std::vector<std::array<std::string, 6>> lines;
  lines.push_back(kResultColumns);
  for (const ResultRow& row : resultRows(project)) lines.push_back(row.texts);
  std::array<std::size_t, 6> widths{};
  for (const auto& line : lines)
    for (std::size_t c = 0; c < 6; ++c) widths[c] = std::max(widths[c], displayWidth(line[c]));
  for (const auto& line : lines) {
    std::string text;
    for (std::size_t c = 0; c < 6; ++c) {
      text += line[c];
      if (c + 1 < 6) text += std::string(widths[c] - displayWidth(line[c]) + 2, ' ');
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    std::cout << text << "\n";
  }
}

void printText(const FillScheme& project, const PlanReport& report) {
  if (!report.question.empty()) std::cout << report.question << "\n";
  if (report.status == PlanStatus::Loaded) {
    printTable(project);
    std::cout << resultStatisticsText(project) << "\n";
  } else {
    std::cout << report.message << "\n";
  }
}

}  // namespace

int runPlan(const std::vector<std::string>& args) {
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
  Settings settings;
  settings.maxBlockNum = options->maxBlockNum;

  PlanReport report;
  const PreRunCheck check = checkBeforeRun(project);
  if (isQuestion(check)) report.question = preRunMessage(check);
  if (isRefusal(check)) {
    report.message = preRunMessage(check);
  } else {
    CalculationRun run;
    run.startRun(project);
    RunOutcome outcome;
    {
      InterruptCancels interrupt(run.cancelRequested);
      outcome = run.execute(project, settings);
    }
    run.finishRun(project, outcome.success);
    if (run.cancelRequested.load()) {
      std::cerr << "cargolyx-cli: the calculation was cancelled\n";
      return kExitInterrupted;
    }
    report.mode = outcome.mode;
  }
  refreshResultStatistics(project);
  if (report.mode != RunMode::None) {
    report.status = project.loadedCount > 0 ? PlanStatus::Loaded : PlanStatus::NothingLoaded;
    if (report.status == PlanStatus::NothingLoaded) report.message = nothingLoadedMessage();
  }
  if (options->json) {
    printJson(project, report);
  } else {
    printText(project, report);
  }
  return exitStatus(report.status);
}
