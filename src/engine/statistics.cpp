#include "engine/statistics.h"

#include <charconv>

#include "model/fillscheme.h"

std::string formatTwoDecimals(double value) {
  // to_chars keeps the point whatever locale the window has set.
  char text[400];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  std::string result = ec == std::errc() ? std::string(text, end) : std::string("0.00");
  if (result.size() < 3) result.insert(0, 3 - result.size(), ' ');
  return result;
}

std::string cartonStatisticsText(const FillScheme& project) {
  return "已输入纸箱总数：" + std::to_string(project.cartonTotal()) + "，" + "总体积：" +
         formatTwoDecimals(project.netVolume() * 1e-9) + "立方米，" + "净装箱率" +
         formatTwoDecimals(project.volumeRatio() * 100) + "%";
}

bool cartonVolumeExceedsContainer(const FillScheme& project) {
  return project.volumeRatio() > 1.0;
}
