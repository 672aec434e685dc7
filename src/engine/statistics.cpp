#include "engine/statistics.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "model/fillscheme.h"
#include "model/language.h"

std::string formatTwoDecimals(double value) {
  // to_chars keeps the point whatever locale the window has set.
  char text[400];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  std::string result = ec == std::errc() ? std::string(text, end) : std::string("0.00");
  if (result.size() < 3) result.insert(0, 3 - result.size(), ' ');
  return result;
}

std::string cartonStatisticsText(const FillScheme& project) {
  return inLanguage("已输入纸箱总数：", "Cartons entered: ") + std::to_string(project.cartonTotal()) +
         inLanguage("，总体积：", ", volume: ") + formatTwoDecimals(project.netVolume() * 1e-9) +
         inLanguage("立方米，净装箱率", " cubic metres, net loading ratio ") +
         formatTwoDecimals(project.volumeRatio() * 100) + "%";
}

bool cartonVolumeExceedsContainer(const FillScheme& project) {
  return project.volumeRatio() > 1.0;
}

void refreshResultStatistics(FillScheme& project) {
  std::int64_t loaded = 0;
  std::int64_t capacity = 0;
  double gross = 0, net = 0, volume = 0;
  const double containerVolume = project.container.volume();
  for (const BlockScheme& block : project.blocks) {
    capacity += block.capacity();
    loaded += block.count;
    if (containerVolume > 0) {
      gross += block.grossVolume() / containerVolume;
      volume += block.netVolume();
      net += block.netVolume() / containerVolume;
    }
  }
  const std::int64_t total = project.cartonTotal();
  const std::int64_t sets = total > 0 ? loaded / total : 0;
  project.loadedCount = loaded;
  project.capacityCount = capacity;
  project.setCount = sets;
  project.loadedVolume = volume;
  project.fillRatio = std::min(gross, 1.0);
  project.netRatio = std::min(net, 1.0);
}

std::string resultStatisticsText(const FillScheme& project) {
  std::string text;
  if (project.setCount >= 2)
    text += inLanguage("套数：", "Sets: ") + std::to_string(project.setCount) + inLanguage("，", ", ");
  return text + inLanguage("总箱数：", "Cartons: ") + std::to_string(project.loadedCount) +
         inLanguage("，总体积：", ", volume: ") + formatTwoDecimals(project.loadedVolume * 1e-9) +
         inLanguage("立方米，填充率", " cubic metres, fill ratio ") + formatTwoDecimals(project.fillRatio * 100) +
         inLanguage("%，净装箱率", "%, net loading ratio ") +
         formatTwoDecimals(project.netRatio * 100) + "%";
}

std::string statisticsText(const FillScheme& project, int mode) {
  if (mode == 1) return cartonStatisticsText(project);
  if (mode == 2) return resultStatisticsText(project);
  return "OK";
}
