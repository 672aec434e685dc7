#pragma once
// The calculation run without its dialog: group keys, the zoned or single run of the
// engine, and the hand-over that keeps or discards the result blocks.
//
// The sets planner behind the Run command's calculation call (commands/calculate.h),
// which runs it on a project of its own: startRun, execute, finishRun in turn. While
// execute runs, the only value another thread may write is the cancel flag.

#include <atomic>
#include <cstdint>
#include <memory>

#include "engine/containerplan.h"

#include "engine/runproject.h"

struct Settings;

// Gives every carton its group key: its spaceIndex plus the number of cartons with the same
// spaceIndex before it in the list, divided by 6. So each position requirement splits into
// groups of at most six carton types in list order.
void assignGroupKeys(RunProject& project);
// Some carton has this group key.
bool groupExists(const RunProject& project, std::int32_t key);
// Some carton has a larger group key.
bool laterGroupExists(const RunProject& project, std::int32_t key);
// The cartons do not all share one group key.
bool hasSeveralGroups(const RunProject& project);
// Empties the result blocks.
void clearBlocks(RunProject& project);

enum class RunMode { None, Single, Zoned };
struct RunOutcome {
  bool success = false;  // the last run's result > 0
  RunMode mode = RunMode::None;
};

class CalculationRun {
 public:
  std::atomic<bool> cancelRequested{false};  // set by Cancel (any thread), polled by the searches
  // The searches poll this flag instead of cancelRequested (a caller's cancel token).
  void stopOn(const std::atomic<bool>& flag) { stopFlag_ = &flag; }
  std::unique_ptr<ContainerPlan> engine;     // the current plan; every buildPlan replaces it

  // What showing the progress dialog does before the worker starts (main thread):
  // clears cancelRequested and assigns the group keys.
  void startRun(RunProject& project);
  // The worker's work up to the hand-over: clears the blocks, runs zoned or single,
  // assembles the result blocks into project.blocks. Runs on the worker thread.
  RunOutcome execute(RunProject& project, const Settings& settings);
  // The hand-over on the main thread: clears the blocks after a failure or a cancel.
  void finishRun(RunProject& project, bool success);

  // A new plan for the cartons of group (all when negative) in a free box of the given
  // length, polling cancelRequested; it becomes engine.
  ContainerPlan& buildPlan(const RunProject& project, std::int32_t group, std::int32_t length);

 private:
  const std::atomic<bool>* stopFlag_ = &cancelRequested;
  std::int32_t runZoned(RunProject& project, std::int32_t maxBlockNum);
  std::int32_t runSingle(RunProject& project, std::int32_t maxBlockNum);
  std::int32_t shortestFittingLength(const RunProject& project, std::int32_t key,
                                     std::int32_t length, std::int32_t maxBlockNum);
};
