#pragma once
// Loading patterns: one container of a type with the cartons the load-max planner placed in
// it. Every pattern is a real plan; a set of patterns that covers the cargo is an answer.

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/fleet/fleet.h"

namespace fleet {

struct Pattern {
  std::int32_t type = 0;              // the container type
  std::vector<std::int32_t> counts;   // cartons per carton type
  std::vector<BlockScheme> blocks;    // the plan, in loading order
  double volume = 0;                  // net volume loaded
};

// Runs the load-max planner for the patterns of one run: the same cargo rules, a container
// type and counts each time. Stops when the effort budget, the deadline or the cancel flag
// says so; then every further call loads nothing.
class PatternPacker {
 public:
  PatternPacker(const FleetInput& input, const FleetControl& control);

  // The plan of the counts (at most the cartons each type has) in one container of the
  // type, with at most the effort given; nothing once the run must stop.
  std::optional<Pattern> pack(std::int32_t type, const std::vector<std::int32_t>& counts, std::uint64_t effort);
  // The same, for the run's first answer, which is finished past the deadline and the
  // effort budget (with a small effort per container then): only a cancel stops it.
  std::optional<Pattern> packToFinish(std::int32_t type, const std::vector<std::int32_t>& counts,
                                      std::uint64_t effort);

  bool mustStop() const;
  // Seconds until the deadline (0 when it has passed); nothing without a deadline.
  std::optional<double> secondsLeft() const;
  bool timedOut() const { return timedOut_; }
  bool cancelled() const;
  std::uint64_t effortUsed() const { return effortUsed_; }
  std::uint64_t effortLeft() const {
    return effortUsed_ >= input_.effortBudget ? 0 : input_.effortBudget - effortUsed_;
  }

 private:
  std::optional<Pattern> run(std::int32_t type, const std::vector<std::int32_t>& counts, std::uint64_t effort,
                             double timeLimitSeconds);

  const FleetInput& input_;
  FleetControl control_;
  std::uint64_t effortUsed_ = 0;
  bool hasDeadline_ = false;
  std::chrono::steady_clock::time_point deadline_;
  mutable bool timedOut_ = false;
};

// The cartons of each type in blocks.
std::vector<std::int32_t> cartonsPerType(const std::vector<BlockScheme>& blocks, std::size_t types);

}  // namespace fleet
