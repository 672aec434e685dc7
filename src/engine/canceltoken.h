#pragma once
// What stops a calculation early: the user's cancel (from any thread) or a time limit.
// The planners poll flag() in their one stopping check; whoever stops the run says why.

#include <atomic>
#include <chrono>
#include <optional>

class CancelToken {
 public:
  using Clock = std::chrono::steady_clock;

  // Asks the calculation to stop; safe from any thread and from a signal handler.
  void cancel() {
    cancelled_.store(true, std::memory_order_relaxed);
    stop_.store(true, std::memory_order_relaxed);
  }
  // Stops the calculation because its time is up.
  void expire() {
    expired_.store(true, std::memory_order_relaxed);
    stop_.store(true, std::memory_order_relaxed);
  }
  bool cancelRequested() const { return cancelled_.load(std::memory_order_relaxed); }
  bool timedOut() const { return expired_.load(std::memory_order_relaxed); }
  bool stopRequested() const { return stop_.load(std::memory_order_relaxed); }
  // The flag the search polls: raised by either reason.
  const std::atomic<bool>& flag() const { return stop_; }

  // The run stops once `limit` has passed from now; set before the calculation starts.
  void setTimeLimit(Clock::duration limit) { deadline_ = Clock::now() + limit; }
  const std::optional<Clock::time_point>& deadline() const { return deadline_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> cancelled_{false};
  std::atomic<bool> expired_{false};
  std::optional<Clock::time_point> deadline_;
};
