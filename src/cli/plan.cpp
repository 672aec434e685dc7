// cargolyx-cli plan FILE.pak [--spacing L,W,H] [--max-blocks N] [--time-limit S] [--json]
// cargolyx-cli plan LIST.csv --container L,W,H,KG [options]: a packing list as the project.
// Runs the whole calculation as the Run command does, answering its questions with Yes,
// and prints the result list and its statistics, or the message that applies.

#include <cstdint>
#include <iostream>
#include <optional>

#include "cli/balanceoutput.h"
#include "cli/calculate.h"
#include "cli/cli.h"
#include "cli/jsonwriter.h"
#include "cli/planmax.h"
#include "cli/terminaltext.h"
#include "commands/resultlist.h"
#include "engine/statistics.h"
#include "model/fillscheme.h"

namespace {

const char* const kUsage =
    "usage: cargolyx-cli plan FILE.pak [--spacing L,W,H] [--max-blocks N] [--time-limit S] [--json]\n"
    "       cargolyx-cli plan LIST.csv --container L,W,H,KG [options as above]\n";

const char* statusName(CalculationStatus status) {
  switch (status) {
    case CalculationStatus::Loaded: return "loaded";
    case CalculationStatus::NothingLoaded: return "nothing-loaded";
    case CalculationStatus::Refused: return "refused";
    case CalculationStatus::Cancelled: return "cancelled";
    case CalculationStatus::TimedOut: return "timed-out";
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

void printJson(const FillScheme& project, const CalculationReport& report) {
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
                   .addJson("balance", balanceJson(project))
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

}  // namespace

void printResultTable(const FillScheme& project) {
  std::vector<std::array<std::string, 6>> lines;
  lines.push_back(resultColumns());
  for (const ResultRow& row : resultRows(project)) {
    lines.push_back(row.texts);
    for (std::string& text : lines.back()) text = escapeControlCharacters(text);  // shown, never obeyed
  }
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

namespace {

void printText(const FillScheme& project, const CalculationReport& report) {
  if (!report.question.empty()) std::cout << report.question << "\n";
  if (report.status == CalculationStatus::Loaded) {
    printResultTable(project);
    std::cout << resultStatisticsText(project) << "\n" << balanceText(project);
  } else {
    std::cout << report.message << "\n";
  }
}

}  // namespace

int runPlan(const std::vector<std::string>& args) {
  if (asksForMaxMode(args)) return runPlanMax(args);  // the load-max planner
  bool json = false;
  const auto jsonOption = [&](const std::vector<std::string>& all, std::size_t at) {
    if (all[at] != "--json") return 0;
    json = true;
    return 1;
  };
  const auto options = parseCalculationOptions(args, kUsage, jsonOption);
  if (!options) return kExitBadInput;
  FillScheme project;
  int stopStatus = kExitBadInput;
  const auto report = calculateProject(*options, project, &stopStatus);
  if (!report) return stopStatus;
  if (json) {
    printJson(project, *report);
  } else {
    printText(project, *report);
  }
  return exitStatus(report->status);
}
