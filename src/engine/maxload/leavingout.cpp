#include "engine/maxload/leavingout.h"

#include <algorithm>

#include "engine/maxload/balancekeeper.h"

namespace maxload {

std::vector<std::int32_t> leavingOutCandidates(const MaxLoadInput& input, const Problem& problem) {
  std::int32_t firstStop = -1;
  bool severalStops = false;
  for (const MaxLoadType& t : problem.types) {
    if (t.count <= 0) continue;
    const std::int32_t stop = std::max(0, t.stop);
    if (firstStop < 0) firstStop = stop;
    severalStops = severalStops || stop != firstStop;
  }
  const bool everyType = severalStops || BalanceKeeper::needed(input);
  std::vector<std::int32_t> out;
  for (std::size_t i = 0; i < problem.types.size(); ++i) {
    const MaxLoadType& t = problem.types[i];
    if (t.count <= 0) continue;
    if (everyType || !t.stackable || t.maxLoadOnTop || t.fragile) out.push_back(static_cast<std::int32_t>(i));
  }
  return out;
}

std::vector<LeavingOut> leavingOutVariants(const Problem& problem, const std::vector<std::int32_t>& candidates,
                                           const std::vector<std::int32_t>& loaded) {
  std::vector<std::int32_t> types;
  for (const std::int32_t t : candidates)
    if (loaded[static_cast<std::size_t>(t)] > 0) types.push_back(t);
  const auto volumeOf = [&](std::int32_t t) {
    return problem.typeVolume[static_cast<std::size_t>(t)] * loaded[static_cast<std::size_t>(t)];
  };
  std::stable_sort(types.begin(), types.end(), [&](std::int32_t a, std::int32_t b) { return volumeOf(a) > volumeOf(b); });
  if (types.size() > kMostTypesLeftOut) types.resize(kMostTypesLeftOut);
  std::vector<LeavingOut> out;
  for (const std::int32_t t : types) out.push_back(LeavingOut{t, 0});
  for (const std::int32_t t : types) {
    const std::int32_t half = loaded[static_cast<std::size_t>(t)] / 2;
    if (half > 0) out.push_back(LeavingOut{t, half});
  }
  return out;
}

}  // namespace maxload
