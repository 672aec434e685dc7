#include "engine/statistics.h"

#include <algorithm>

ResultStatistics resultStatistics(const LoadedContainer& loaded, std::int64_t setTotal) {
  ResultStatistics s;
  double gross = 0, net = 0;
  const double containerVolume = loaded.container.volume();
  for (const BlockScheme& block : loaded.blocks) {
    s.capacityCount += block.capacity();
    s.loadedCount += block.count;
    if (containerVolume > 0) {
      gross += block.grossVolume() / containerVolume;
      s.loadedVolume += block.netVolume();
      net += block.netVolume() / containerVolume;
    }
  }
  s.setCount = setTotal > 0 ? s.loadedCount / setTotal : 0;
  s.fillRatio = std::min(gross, 1.0);
  s.netRatio = std::min(net, 1.0);
  return s;
}
