#pragma once
// What a planner run may spend, and the one place that says when it must stop.
//
// A run has a time limit (none when <= 0) and the caller's cancel flag. The search stops
// at the limit; the work that turns what was found into an answer may go on a little
// past it, but never past the run's end: the limit plus its tolerance (a tenth of the
// limit, at least a second), less a margin for writing the answer out. A run nested in
// another (the pallet planner's stages and the planners they call) ends with the outer run.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>

class RunBudget {
 public:
  using Clock = std::chrono::steady_clock;

  RunBudget() = default;
  // A run starting now with the limit in seconds (<= 0: none), polling cancel (may be null).
  // A run nested in another (outerEnd given) may go on past its own limit to the outer
  // run's end, not further.
  RunBudget(double seconds, const std::atomic<bool>* cancel, std::optional<Clock::time_point> outerEnd = std::nullopt)
      : cancel_(cancel) {
    const Clock::time_point now = Clock::now();
    if (seconds > 0) {
      limit_ = now + toDuration(seconds);
      end_ = now + toDuration(seconds + kEndShare * toleranceSeconds(seconds));
    }
    if (outerEnd) {
      limit_ = limit_ ? std::min(*limit_, *outerEnd) : *outerEnd;
      end_ = *outerEnd;
    }
  }

  // How far past its limit a run may end: a tenth of the limit, at least a second.
  static double toleranceSeconds(double limit) { return std::max(0.1 * limit, 1.0); }

  bool cancelled() const { return cancel_ != nullptr && cancel_->load(std::memory_order_relaxed); }
  // The search must stop: a cancel, or the time limit has passed.
  bool searchMustStop() const { return cancelled() || (limit_ && Clock::now() >= *limit_); }
  bool limitPassed() const { return limit_ && Clock::now() >= *limit_; }
  // The run must end now: a cancel, or its end has come.
  bool mustEnd() const { return cancelled() || (end_ && Clock::now() >= *end_); }
  // Whether work expected to take that many seconds still ends before the run's end.
  bool leavesRoomFor(double seconds) const {
    return !cancelled() && (!end_ || Clock::now() + toDuration(seconds) < *end_);
  }
  // Seconds to the limit (0 once passed); nothing without a limit.
  std::optional<double> secondsToLimit() const { return secondsTo(limit_); }
  // Seconds to the run's end (0 once passed); nothing without a limit.
  std::optional<double> secondsToEnd() const { return secondsTo(end_); }
  const std::optional<Clock::time_point>& limit() const { return limit_; }
  const std::optional<Clock::time_point>& end() const { return end_; }
  const std::atomic<bool>* cancelFlag() const { return cancel_; }

 private:
  // The share of the tolerance the run's own work may use; the rest is for the answer's
  // way out (checks, JSON, files) and for a step that overruns its estimate.
  static constexpr double kEndShare = 0.5;

  static Clock::duration toDuration(double seconds) {
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  }
  static std::optional<double> secondsTo(const std::optional<Clock::time_point>& when) {
    if (!when) return std::nullopt;
    return std::max(0.0, std::chrono::duration<double>(*when - Clock::now()).count());
  }

  const std::atomic<bool>* cancel_ = nullptr;
  std::optional<Clock::time_point> limit_;
  std::optional<Clock::time_point> end_;
};
