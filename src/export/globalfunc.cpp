#include "export/globalfunc.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

bool isNonNegativeInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return !text.empty() && ec == std::errc() && ptr == end && value >= 0;
}

bool isNonNegativeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  // Plain decimal notation only: digits, one sign, a point and an exponent.
  for (char ch : text)
    if (!((ch >= '0' && ch <= '9') || ch == '.' || ch == '-' || ch == 'e' || ch == 'E' || ch == '+'))
      return false;
  double value = 0.0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && std::isfinite(value) && std::trunc(value) >= 0.0;
}

std::uint32_t materialColor(std::int32_t index) {
  static constexpr std::array<std::uint32_t, 10> colors = {
      0x0000FF00,  // 草绿 grass green
      0x000000FF,  // 大红 bright red
      0x00FFCC00,  // 浅蓝 light blue
      0x0000FFFF,  // 黄色 yellow
      0x00696E64,  // 灰色 grey
      0x00FF0000,  // 深蓝 dark blue
      0x003CC0FF,  // 土黄 ochre
      0x00FF50FF,  // 亮紫 bright purple
      0x00C8C832,  // 石青 azure
      0x006E6EC8,  // 棕色 brown
  };
  if (index < 0 || index >= static_cast<std::int32_t>(colors.size())) return 0;
  return colors[static_cast<std::size_t>(index)];
}
