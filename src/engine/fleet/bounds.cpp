#include "engine/fleet/bounds.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/fleet/fit.h"

namespace fleet {
namespace {

double containerVolume(const FleetContainerType& c) { return double(c.containerX) * c.containerY * c.containerZ; }

double netVolume(const MaxLoadType& t) { return double(t.length) * t.width * t.height; }

// Whether two cartons can share some container type.
bool canShareAny(const FleetInput& input, std::size_t a, std::size_t b) {
  return std::any_of(input.containers.begin(), input.containers.end(),
                     [&](const FleetContainerType& c) { return canShare(input.cargo, a, b, c); });
}

// Cartons of which no two share any container: each takes a container of its own, and the
// rest of the cargo fills the room they leave (in the largest container at best) first.
std::int64_t byLoneCartons(const FleetInput& input, const std::vector<std::int32_t>& counts, double largestVolume) {
  const MaxLoadInput& cargo = input.cargo;
  const std::size_t n = cargo.types.size();
  std::vector<std::size_t> lone;
  for (std::size_t i = 0; i < n; ++i)
    if (counts[i] > 0 && !canShareAny(input, i, i)) lone.push_back(i);
  std::sort(lone.begin(), lone.end(),
            [&](std::size_t a, std::size_t b) { return netVolume(cargo.types[a]) > netVolume(cargo.types[b]); });
  std::vector<std::size_t> clique;
  for (const std::size_t i : lone)
    if (std::all_of(clique.begin(), clique.end(), [&](std::size_t j) { return !canShareAny(input, i, j); }))
      clique.push_back(i);
  std::int64_t alone = 0;
  double freeBeside = 0, rest = 0;
  for (std::size_t i = 0; i < n; ++i) rest += double(counts[i]) * netVolume(cargo.types[i]);
  for (const std::size_t i : clique) {
    alone += counts[i];
    freeBeside += double(counts[i]) * (largestVolume - netVolume(cargo.types[i]));
    rest -= double(counts[i]) * netVolume(cargo.types[i]);
  }
  const double beyond = std::max(0.0, rest - freeBeside);
  return alone + (largestVolume > 0 ? static_cast<std::int64_t>(std::ceil(beyond / largestVolume - 1e-9)) : 0);
}

std::int64_t roundedUp(double quotient) { return static_cast<std::int64_t>(std::ceil(quotient - 1e-9)); }

}  // namespace

bool canShare(const MaxLoadInput& cargo, std::size_t a, std::size_t b, const FleetContainerType& container) {
  if (cargo.types[a].weight + cargo.types[b].weight > container.maxWeight) return false;
  const auto first = grossOrientations(cargo.types[a], cargo.gapX, cargo.gapY, cargo.gapZ);
  const auto second = grossOrientations(cargo.types[b], cargo.gapX, cargo.gapY, cargo.gapZ);
  const std::array<std::int32_t, 3> room = {container.containerX, container.containerY, container.containerZ};
  for (const auto& p : first) {
    if (p[0] > room[0] || p[1] > room[1] || p[2] > room[2]) continue;
    for (const auto& q : second) {
      if (q[0] > room[0] || q[1] > room[1] || q[2] > room[2]) continue;
      for (std::size_t axis = 0; axis < 3; ++axis) {
        // Side by side along this axis, each within the container across the others.
        if (std::int64_t{p[axis]} + q[axis] > room[axis]) continue;
        bool across = true;
        for (std::size_t other = 0; other < 3; ++other)
          if (other != axis && std::max(p[other], q[other]) > room[other]) across = false;
        if (across) return true;
      }
    }
  }
  return false;
}

FleetBound lowerBound(const FleetInput& input, const std::vector<std::int32_t>& counts) {
  const MaxLoadInput& cargo = input.cargo;
  double volume = 0, weight = 0;
  for (std::size_t i = 0; i < cargo.types.size(); ++i) {
    volume += double(counts[i]) * netVolume(cargo.types[i]);
    weight += double(counts[i]) * cargo.types[i].weight;
  }
  FleetBound bound;
  if (volume <= 0 && weight <= 0) return bound;
  double largestVolume = 0, largestLoad = 0;
  double cheapestByVolume = std::numeric_limits<double>::max(), cheapestByWeight = cheapestByVolume;
  for (const FleetContainerType& c : input.containers) {
    largestVolume = std::max(largestVolume, containerVolume(c));
    largestLoad = std::max(largestLoad, c.maxWeight);
    if (containerVolume(c) > 0) cheapestByVolume = std::min(cheapestByVolume, c.cost / containerVolume(c));
    if (c.maxWeight > 0) cheapestByWeight = std::min(cheapestByWeight, c.cost / c.maxWeight);
  }
  if (largestVolume <= 0) return bound;
  bound.containers = std::max(roundedUp(volume / largestVolume), byLoneCartons(input, counts, largestVolume));
  if (weight > 0 && largestLoad > 0) bound.containers = std::max(bound.containers, roundedUp(weight / largestLoad));
  // Cost: the volume and the weight bought at the cheapest rate any type offers for each;
  // with one container type, its containers' count times its cost.
  bound.cost = volume * cheapestByVolume;
  if (weight > 0 && cheapestByWeight < std::numeric_limits<double>::max())
    bound.cost = std::max(bound.cost, weight * cheapestByWeight);
  if (input.containers.size() == 1) bound.cost = std::max(bound.cost, double(bound.containers) * input.containers[0].cost);
  return bound;
}

FleetBound boundOfLoadable(const FleetInput& input) {
  const std::vector<UnfitReason> unfit = unfitTypes(input);
  std::vector<std::int32_t> counts(input.cargo.types.size(), 0);
  for (std::size_t i = 0; i < counts.size(); ++i)
    if (unfit[i] == UnfitReason::None) counts[i] = std::max(0, input.cargo.types[i].count);
  return lowerBound(input, counts);
}

bool needsTooManyContainers(const FleetInput& input, const FleetBound& bound) {
  std::int64_t most = bound.containers;
  if (input.goal == FleetGoal::FixedFleet) {
    // A fixed fleet loads no more containers than it has.
    std::int64_t available = 0;
    for (const FleetContainerType& c : input.containers)
      available += c.available < 0 ? kMostContainers + 1 : std::int64_t{c.available};
    most = std::min(most, available);
  }
  return most > kMostContainers;
}

}  // namespace fleet
