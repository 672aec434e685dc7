#include "cli/reporttext.h"

#include <array>
#include <cstdint>

#include "cli/terminaltext.h"
#include "commands/fleetplan.h"
#include "commands/leftovers.h"
#include "commands/loadbalance.h"
#include "commands/palletplan.h"
#include "commands/resultlist.h"
#include "commands/statistics.h"
#include "model/fillscheme.h"
#include "model/language.h"

namespace {

LoadedContainer loadedOf(const FillScheme& project, std::size_t index = 0) {
  return index >= project.result.containers.size() ? LoadedContainer{project.container, {}}
                                                   : project.result.containers[index];
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

std::string resultTableText(const FillScheme& project, std::size_t index, bool withLeftovers) {
  std::vector<std::array<std::string, kResultColumnCount>> lines;
  lines.push_back(resultColumns());
  const std::vector<Leftover> leftovers =
      withLeftovers ? leftoverCartons(project.input(), project.result) : std::vector<Leftover>{};
  for (const ResultRow& row : resultRows(project.input(), loadedOf(project, index), leftovers,
                                         listedLeftoverReasons(project.input(), project.result, leftovers))) {
    lines.push_back(row.texts);
    for (std::string& text : lines.back()) text = escapeControlCharacters(text);  // shown, never obeyed
  }
  std::array<std::size_t, kResultColumnCount> widths{};
  for (const auto& line : lines)
    for (std::size_t c = 0; c < kResultColumnCount; ++c) widths[c] = std::max(widths[c], displayWidth(line[c]));
  std::string table;
  for (const auto& line : lines) {
    std::string text;
    for (std::size_t c = 0; c < kResultColumnCount; ++c) {
      text += line[c];
      if (c + 1 < kResultColumnCount) text += std::string(widths[c] - displayWidth(line[c]) + 2, ' ');
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    table += text + "\n";
  }
  return table;
}

std::string balanceText(const FillScheme& project, std::size_t index) {
  if (project.result.empty()) return {};
  const LoadBalance balance = loadBalance(project.cartons, loadedOf(project, index));
  std::string text = loadedWeightText(balance) + "\n";
  if (const std::string centre = centreOfGravityText(balance); !centre.empty())
    text += escapeControlCharacters(centre) + "\n";  // carton names are shown, never obeyed
  if (const std::optional<AxleLoads> axles = axleLoads(project, loadedOf(project)))
    text += escapeControlCharacters(axleLoadText(*axles, project)) + "\n";
  return text;
}

namespace {

// Each container with its result list, statistics and balance, then the summary and what
// is left.
std::string fleetReportText(const FillScheme& project, const CalculationReport& report) {
  std::string text;
  for (std::size_t k = 0; k < project.result.containers.size(); ++k) {
    text += inLanguage("集装箱 ", "Container ") + escapeControlCharacters(loadedContainerCaption(project, k)) + "\n";
    text += resultTableText(project, k, false);
    text += resultStatisticsText(resultStatistics(project.input(), loadedOf(project, k))) + "\n";
    text += balanceText(project, k) + "\n";
  }
  text += escapeControlCharacters(fleetSummaryText(project)) + "\n";
  const std::vector<Leftover> leftovers = leftoverCartons(project.input(), project.result);
  if (leftovers.empty()) text += inLanguage("全部纸箱均已装入。", "All cartons are loaded.") + std::string("\n");
  else text += escapeControlCharacters(leftoverStatusText(leftovers)) + "\n";
  const std::vector<std::string> unfit = unfitReasonCodes(project.input());
  for (const Leftover& leftover : leftovers) {
    const std::size_t i = static_cast<std::size_t>(leftover.cartonIndex);
    if (i < unfit.size() && !unfit[i].empty())
      text += "  " + escapeControlCharacters(leftover.name) + inLanguage("：", ": ") + unfitReasonText(unfit[i]) + "\n";
  }
  if (report.result.timedOut) text += inLanguage("已到计算时限。", "The time limit was reached.") + std::string("\n");
  return text;
}

// Each container: its pallets one per line, its loose cartons as a result list, its weight
// and balance; then the summary and what is left.
std::string palletReportText(const FillScheme& project, const CalculationReport& report) {
  std::string text;
  const ProjectResult& result = project.result;
  for (std::size_t k = 0; k < result.containers.size(); ++k) {
    const LoadedContainer& loaded = result.containers[k];
    text += inLanguage("集装箱 ", "Container ") + escapeControlCharacters(loadedContainerCaption(project, k)) + "\n";
    for (const PalletPlacement& placement : loaded.pallets) {
      if (placement.pallet < 0 || static_cast<std::size_t>(placement.pallet) >= result.pallets.size()) continue;
      const LoadedPallet& pallet = result.pallets[static_cast<std::size_t>(placement.pallet)];
      std::int64_t cartons = 0;
      for (const BlockScheme& b : pallet.blocks) cartons += b.count;
      text += "  " + inLanguage("托盘 #", "pallet #") + std::to_string(placement.pallet) + " " +
              escapeControlCharacters(pallet.type.name) + inLanguage("：", ": ") + std::to_string(cartons) +
              inLanguage(" 箱，高 ", " cartons, ") + std::to_string(pallet.height) + inLanguage(" mm，毛重 ", " mm high, ") +
              formatTwoDecimals(pallet.grossWeight) + inLanguage(" kg，位于 x ", " kg gross, at x ") +
              std::to_string(placement.x) + ", y " + std::to_string(placement.y) + ", z " + std::to_string(placement.z) +
              (placement.turned ? inLanguage("（横放）", " (turned)") : "") + "\n";
    }
    if (!loaded.blocks.empty()) text += resultTableText(project, k, false);
    const LoadBalance balance = palletLoadBalance(project, k);
    text += loadedWeightText(balance) + "\n";
    if (const std::string centre = centreOfGravityText(balance); !centre.empty()) text += escapeControlCharacters(centre) + "\n";
    text += "\n";
  }
  text += escapeControlCharacters(palletSummaryText(project)) + "\n";
  const std::vector<Leftover> leftovers = leftoverCartons(project.input(), project.result);
  if (leftovers.empty()) text += inLanguage("全部纸箱均已装入。", "All cartons are loaded.") + std::string("\n");
  else text += escapeControlCharacters(leftoverStatusText(leftovers)) + "\n";
  if (report.result.timedOut) text += inLanguage("已到计算时限。", "The time limit was reached.") + std::string("\n");
  return text;
}

}  // namespace

std::string reportText(const FillScheme& project, const CalculationReport& report) {
  std::string text;
  if (!report.question.empty()) text += report.question + "\n";
  if (report.status != CalculationStatus::Loaded) return text + escapeControlCharacters(report.message) + "\n";
  if (report.planner == PlanningMode::Fleet) return text + fleetReportText(project, report);
  if (report.planner == PlanningMode::Pallets) return text + palletReportText(project, report);
  text += resultTableText(project);
  text += resultStatisticsText(resultStatistics(project.input(), loadedOf(project))) + "\n";
  if (report.planner == PlanningMode::LoadMax) {
    const std::vector<Leftover> leftovers = leftoverCartons(project.input(), project.result);
    if (leftovers.empty()) text += inLanguage("全部纸箱均已装入。", "All cartons are loaded.") + std::string("\n");
    else text += inLanguage("未装入的纸箱：", "Cartons not loaded:") + std::string("\n");
    for (const Leftover& leftover : leftovers)
      text += "  " + escapeControlCharacters(leftover.name) + inLanguage("：", ": ") + std::to_string(leftover.count) + "\n";
  }
  text += balanceText(project);
  if (report.result.timedOut) text += inLanguage("已到计算时限。", "The time limit was reached.") + std::string("\n");
  return text;
}
