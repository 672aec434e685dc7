#include "engine/fleet/patterns.h"

#include <algorithm>

namespace fleet {

PatternPacker::PatternPacker(const FleetInput& input, const FleetControl& control)
    : input_(input), control_(control) {
  if (input.timeLimitSeconds > 0) {
    hasDeadline_ = true;
    deadline_ = std::chrono::steady_clock::now() +
                std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                    std::chrono::duration<double>(input.timeLimitSeconds));
  }
}

bool PatternPacker::cancelled() const {
  return control_.cancel != nullptr && control_.cancel->load(std::memory_order_relaxed);
}

bool PatternPacker::mustStop() const {
  if (cancelled() || effortUsed_ >= input_.effortBudget) return true;
  if (hasDeadline_ && std::chrono::steady_clock::now() >= deadline_) timedOut_ = true;
  return timedOut_;
}

namespace {

// The effort of a container planned past the deadline: a quick plan, not a search.
constexpr std::uint64_t kFinishingEffort = 20'000;

}  // namespace

std::optional<double> PatternPacker::secondsLeft() const {
  if (!hasDeadline_) return std::nullopt;
  return std::max(0.0, std::chrono::duration<double>(deadline_ - std::chrono::steady_clock::now()).count());
}

std::optional<Pattern> PatternPacker::pack(std::int32_t type, const std::vector<std::int32_t>& counts,
                                           std::uint64_t effort) {
  if (mustStop()) return std::nullopt;
  // No single plan runs past the run's deadline.
  double timeLimit = 0;
  if (hasDeadline_) {
    timeLimit = std::chrono::duration<double>(deadline_ - std::chrono::steady_clock::now()).count();
    if (timeLimit <= 0) {
      timedOut_ = true;
      return std::nullopt;
    }
  }
  return run(type, counts, std::max<std::uint64_t>(1, std::min(effort, effortLeft())), timeLimit);
}

std::optional<Pattern> PatternPacker::packToFinish(std::int32_t type, const std::vector<std::int32_t>& counts,
                                                   std::uint64_t effort) {
  if (cancelled()) return std::nullopt;
  if (!mustStop()) return pack(type, counts, effort);
  return run(type, counts, std::min(effort, kFinishingEffort), 0);
}

std::optional<Pattern> PatternPacker::run(std::int32_t type, const std::vector<std::int32_t>& counts,
                                          std::uint64_t effort, double timeLimitSeconds) {
  const FleetContainerType& container = input_.containers[static_cast<std::size_t>(type)];
  MaxLoadInput in = input_.cargo;
  in.containerX = container.containerX;
  in.containerY = container.containerY;
  in.containerZ = container.containerZ;
  in.maxWeight = container.maxWeight;
  for (std::size_t i = 0; i < in.types.size(); ++i) in.types[i].count = std::min(counts[i], input_.cargo.types[i].count);
  in.effortBudget = std::max<std::uint64_t>(1, effort);
  in.threads = input_.threads;
  in.timeLimitSeconds = timeLimitSeconds;
  MaxLoadControl control;
  control.cancel = control_.cancel;
  const MaxLoadResult result = planMaxLoad(in, control);
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
