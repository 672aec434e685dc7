#pragma once
// Loading patterns: one container of a type with the cartons the load-max planner placed in
// it. Every pattern is a real plan; a set of patterns that covers the cargo is an answer.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/fleet/fleet.h"

namespace fleet {

// The effort of a container planned past the time limit or the effort budget: a quick
// plan, not a search.
inline constexpr std::uint64_t kFinishingEffort = 20'000;

struct Pattern {
  std::int32_t type = 0;              // the container type
  std::vector<std::int32_t> counts;   // cartons per carton type
  std::vector<BlockScheme> blocks;    // the plan, in loading order
  double volume = 0;                  // net volume loaded
};

// Runs the load-max planner for the patterns of one run: the same cargo rules, a container
// type and counts each time. Stops when the effort budget, the time limit or the cancel
// flag says so; then every further call loads nothing. The run's first answer may go on
// past the limit and the effort budget, up to the run's end (runbudget.h); no plan starts
// that is not expected to end before it.
class PatternPacker {
 public:
  PatternPacker(const FleetInput& input, const FleetControl& control);

  // The plan of the counts (at most the cartons each type has) in one container of the
  // type, with at most the effort given; nothing once the run must stop.
  std::optional<Pattern> pack(std::int32_t type, const std::vector<std::int32_t>& counts, std::uint64_t effort);
  // The same, for the run's first answer, which is finished past the time limit and the
  // effort budget (with a small effort per container then): only a cancel or the run's
  // end stops it.
  std::optional<Pattern> packToFinish(std::int32_t type, const std::vector<std::int32_t>& counts,
                                      std::uint64_t effort);

  // The one stopping predicate of the search: a cancel, the effort spent, the time limit.
  bool mustStop() const;
  // The run's first answer must stop too: a cancel, or the run's end.
  bool mustEnd() const;
  // Whether planning this many more containers would overrun the time limit or the effort
  // budget, judged by the plans so far.
  bool wouldOverrun(std::int64_t containers, std::uint64_t effortEach) const;
  // A plan was refused for want of time before the run's end (or a cancel).
  bool endReached() const { return endReached_; }
  const RunBudget& budget() const { return budget_; }
  bool timedOut() const { return timedOut_; }
  bool cancelled() const { return budget_.cancelled(); }
  std::uint64_t effortUsed() const { return effortUsed_; }
  std::uint64_t effortLeft() const {
    return effortUsed_ >= input_.effortBudget ? 0 : input_.effortBudget - effortUsed_;
  }

 private:
  std::optional<Pattern> run(std::int32_t type, const std::vector<std::int32_t>& counts, std::uint64_t effort,
                             double timeLimitSeconds);
  // Seconds the next plan is expected to take: as long as the slowest of the last few.
  double expectedSeconds() const;
  // Another plan would not end before the run's end.
  bool noRoomForAnother() const;

  const FleetInput& input_;
  FleetControl control_;
  RunBudget budget_;
  std::uint64_t effortUsed_ = 0;
  double lastSeconds_ = 0;
  std::array<double, 3> recentSeconds_{};  // the last plans' times, the oldest replaced
  std::size_t recent_ = 0;
  mutable bool timedOut_ = false;
  mutable bool endReached_ = false;
};

// The cartons of each type in blocks.
std::vector<std::int32_t> cartonsPerType(const std::vector<BlockScheme>& blocks, std::size_t types);

}  // namespace fleet
