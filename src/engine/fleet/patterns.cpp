#include "engine/fleet/patterns.h"
#include "engine/fleet/containerjob.h"

#include <algorithm>

namespace fleet {

PatternPacker::PatternPacker(const FleetInput& input, const FleetControl& control)
    : input_(input), control_(control), budget_(input.timeLimitSeconds, control.cancel, control.endBy) {}

bool PatternPacker::mustStop() const {
  if (cancelled() || effortUsed_ >= input_.effortBudget) return true;
  if (budget_.limitPassed()) timedOut_ = true;
  return timedOut_;
}

bool PatternPacker::mustEnd() const {
  if (!budget_.mustEnd()) return false;
  if (!cancelled()) timedOut_ = true;
  endReached_ = true;
  return true;
}

double PatternPacker::expectedSeconds() const {
  return *std::max_element(recentSeconds_.begin(), recentSeconds_.end());
}

bool PatternPacker::noRoomForAnother() const {
  if (mustEnd()) return true;
  if (budget_.leavesRoomFor(expectedSeconds())) return false;
  timedOut_ = endReached_ = true;
  return true;
}

bool PatternPacker::wouldOverrun(std::int64_t containers, std::uint64_t effortEach) const {
  if (mustStop()) return true;
  if (static_cast<double>(containers) * static_cast<double>(effortEach) > static_cast<double>(effortLeft())) return true;
  const std::optional<double> left = budget_.secondsToLimit();
  return left && static_cast<double>(containers) * lastSeconds_ > *left;
}

std::optional<Pattern> PatternPacker::pack(std::int32_t type, const std::vector<std::int32_t>& counts,
                                           std::uint64_t effort) {
  if (mustStop() || noRoomForAnother()) return std::nullopt;
  // No single plan searches past the run's time limit.
  const double timeLimit = budget_.secondsToLimit().value_or(0);
  if (budget_.secondsToLimit() && timeLimit <= 0) {
    timedOut_ = true;
    return std::nullopt;
  }
  return run(type, counts, std::max<std::uint64_t>(1, std::min(effort, effortLeft())), timeLimit);
}

std::optional<Pattern> PatternPacker::packToFinish(std::int32_t type, const std::vector<std::int32_t>& counts,
                                                   std::uint64_t effort) {
  if (noRoomForAnother()) return std::nullopt;
  if (!mustStop()) return pack(type, counts, effort);
  // Past the limit a plan still searches no longer than the run's end.
  const std::optional<double> toEnd = budget_.secondsToEnd();
  if (toEnd && *toEnd <= 0) return std::nullopt;
  return run(type, counts, std::min(effort, kFinishingEffort), toEnd.value_or(0));
}

std::optional<Pattern> PatternPacker::run(std::int32_t type, const std::vector<std::int32_t>& counts,
                                          std::uint64_t effort, double timeLimitSeconds) {
  const RunBudget::Clock::time_point start = RunBudget::Clock::now();
  const FleetContainerType& container = input_.containers[static_cast<std::size_t>(type)];
  MaxLoadInput in = cargoInContainer(input_.cargo, container);
  for (std::size_t i = 0; i < in.types.size(); ++i) in.types[i].count = std::min(counts[i], input_.cargo.types[i].count);
  in.effortBudget = std::max<std::uint64_t>(1, effort);
  in.threads = input_.threads;
  in.timeLimitSeconds = timeLimitSeconds;
  MaxLoadControl control;
  control.cancel = control_.cancel;
  const MaxLoadResult result = planMaxLoad(in, control);
  lastSeconds_ = std::chrono::duration<double>(RunBudget::Clock::now() - start).count();
  recentSeconds_[recent_++ % recentSeconds_.size()] = lastSeconds_;
  effortUsed_ += std::max<std::uint64_t>(result.effortUsed, 1);
  if (result.timedOut) timedOut_ = true;
  if (result.cancelled) return std::nullopt;
  Pattern pattern;
  pattern.type = type;
  pattern.blocks = result.blocks;
  pattern.counts = cartonsPerType(result.blocks, in.types.size());
  pattern.volume = result.loadedVolume;
  return pattern;
}

std::vector<std::int32_t> cartonsPerType(const std::vector<BlockScheme>& blocks, std::size_t types) {
  std::vector<std::int32_t> counts(types, 0);
  for (const BlockScheme& b : blocks)
    if (b.cartonIndex >= 0 && static_cast<std::size_t>(b.cartonIndex) < types)
      counts[static_cast<std::size_t>(b.cartonIndex)] += b.count;
  return counts;
}

}  // namespace fleet
