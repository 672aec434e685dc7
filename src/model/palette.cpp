#include "model/palette.h"

#include <array>
#include <cstddef>

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
