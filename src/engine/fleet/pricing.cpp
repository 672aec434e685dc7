#include "engine/fleet/pricing.h"

#include <algorithm>
#include <numeric>

namespace fleet {

Proposal proposePattern(const FleetInput& input, std::int32_t type, const std::vector<double>& prices,
                        const std::vector<std::int32_t>& demand, const std::vector<Pattern>& pool) {
  const FleetContainerType& c = input.containers[static_cast<std::size_t>(type)];
  const double containerVolume = double(c.containerX) * c.containerY * c.containerZ;
  const std::size_t n = input.cargo.types.size();
  // What the container type has been seen to hold: its best fill, and of each carton type
  // the most in one container (a type never seen in it is not proposed).
  double fill = 0;
  std::vector<std::int32_t> most(n, 0);
  for (const Pattern& p : pool) {
    if (p.type != type) continue;
    fill = std::max(fill, containerVolume > 0 ? p.volume / containerVolume : 0);
    for (std::size_t i = 0; i < n; ++i) most[i] = std::max(most[i], p.counts[i]);
  }
  Proposal proposal;
  proposal.counts.assign(n, 0);
  if (fill <= 0) return proposal;
  double volumeLeft = fill * containerVolume;
  double weightLeft = c.maxWeight;
  std::vector<double> share(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    const MaxLoadType& t = input.cargo.types[i];
    const double volume = double(t.length) * t.width * t.height;
    share[i] = std::max(volume / containerVolume, c.maxWeight > 0 ? t.weight / c.maxWeight : 0.0);
  }
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return prices[a] * share[b] > prices[b] * share[a];  // price per share, largest first
  });
  for (const std::size_t i : order) {
    if (prices[i] <= 1e-12) continue;
    const MaxLoadType& t = input.cargo.types[i];
    const double volume = double(t.length) * t.width * t.height;
    std::int32_t k = std::min(demand[i], most[i]);
    if (volume > 0) k = std::min<std::int32_t>(k, static_cast<std::int32_t>(volumeLeft / volume));
    if (t.weight > 0) k = std::min<std::int32_t>(k, static_cast<std::int32_t>(weightLeft / t.weight));
    if (k <= 0) continue;
    proposal.counts[i] = k;
    proposal.worth += prices[i] * k;
    volumeLeft -= k * volume;
    weightLeft -= k * t.weight;
  }
  return proposal;
}

}  // namespace fleet
