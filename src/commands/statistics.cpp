#include "commands/statistics.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "model/language.h"

std::string formatTwoDecimals(double value) {
  // to_chars keeps the point whatever locale the window has set.
  char text[400];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  std::string result = ec == std::errc() ? std::string(text, end) : std::string("0.00");
  if (result.size() < 3) result.insert(0, 3 - result.size(), ' ');
  return result;
}

std::string cartonStatisticsText(const ProjectInput& project) {
  return inLanguage("已输入纸箱总数：", "Cartons entered: ") + std::to_string(project.cartonTotal()) +
         inLanguage("，总体积：", ", volume: ") + formatTwoDecimals(project.netVolume() * 1e-9) +
         inLanguage("立方米，净装箱率", " cubic metres, net loading ratio ") +
         formatTwoDecimals(project.volumeRatio() * 100) + "%";
}

bool cartonVolumeExceedsContainer(const ProjectInput& project) {
  return project.volumeRatio() > 1.0;
}

ResultStatistics resultStatistics(const ProjectInput& input, const LoadedContainer& loaded) {
  return resultStatistics(loaded, input.cartonTotal());
}

namespace {

// "总体积：...立方米，填充率...%，净装箱率...%"
std::string volumeAndRatiosText(const ResultStatistics& statistics) {
  return inLanguage("总体积：", "volume: ") + formatTwoDecimals(statistics.loadedVolume * 1e-9) +
         inLanguage("立方米，填充率", " cubic metres, fill ratio ") + formatTwoDecimals(statistics.fillRatio * 100) +
         inLanguage("%，净装箱率", "%, net loading ratio ") + formatTwoDecimals(statistics.netRatio * 100) + "%";
}

}  // namespace

std::string resultStatisticsText(const ResultStatistics& statistics) {
  std::string text;
  if (statistics.setCount >= 2)
    text += inLanguage("套数：", "Sets: ") + std::to_string(statistics.setCount) + inLanguage("，", ", ");
  return text + inLanguage("总箱数：", "Cartons: ") + std::to_string(statistics.loadedCount) + inLanguage("，", ", ") +
         volumeAndRatiosText(statistics);
}

std::string setsSummaryText(const ResultStatistics& statistics, std::int64_t enteredTotal) {
  if (statistics.setCount < 2) return {};
  if (currentLanguage() == Language::English)
    return std::to_string(statistics.setCount) + " sets = " + std::to_string(statistics.loadedCount) +
           " cartons (" + std::to_string(enteredTotal) + " entered)";
  return std::to_string(statistics.setCount) + " 套 = " + std::to_string(statistics.loadedCount) + " 箱（输入 " +
         std::to_string(enteredTotal) + " 箱）";
}

std::string statisticsText(const ProjectInput& input, const LoadedContainer& loaded, int mode) {
  if (mode == 1) return cartonStatisticsText(input);
  if (mode != 2) return "OK";
  const ResultStatistics statistics = resultStatistics(input, loaded);
  const std::string sets = setsSummaryText(statistics, input.cartonTotal());
  if (sets.empty()) return resultStatisticsText(statistics);
  return sets + inLanguage("，", ", ") + volumeAndRatiosText(statistics);
}
