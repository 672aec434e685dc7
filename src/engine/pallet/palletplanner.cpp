// The pallet planner (pallet.h): stage 1 builds the pallets, stage 2 loads them with the
// loose cartons.

#include <chrono>

#include "engine/pallet/palletbuild.h"
#include "engine/pallet/palletload.h"

namespace {

// The share of the time limit the mixed pallets of stage 1 may take.
constexpr double kBuildShare = 0.4;
// The share of the time limit the loading of stage 2 gets at least: stage 1 ends before.
constexpr double kLeastLoadShare = 0.25;

}  // namespace

PalletPlanResult planPallets(const PalletPlanInput& input, const PalletControl& control) {
  // One budget for the run: both stages, and every planner they call, end within it.
  const RunBudget run(input.timeLimitSeconds, control.cancel);
  std::optional<RunBudget::Clock::time_point> buildEnd;
  if (input.timeLimitSeconds > 0)
    buildEnd = RunBudget::Clock::now() + std::chrono::duration_cast<RunBudget::Clock::duration>(std::chrono::duration<double>(
                                             input.timeLimitSeconds * (1 - kLeastLoadShare)));
  const RunBudget building(0, control.cancel, buildEnd);
  const std::uint64_t buildEffort = static_cast<std::uint64_t>(static_cast<double>(input.effortBudget) * kBuildShare);
  // Effort 0 all through: no budget of the run's own.
  const pallet::BuiltPallets built = pallet::buildPallets(
      input, building, input.timeLimitSeconds > 0 ? input.timeLimitSeconds * kBuildShare : 0, buildEffort, control);
  if (built.cancelled) {
    PalletPlanResult cancelled;
    cancelled.cancelled = true;
    return cancelled;
  }
  double left = 0;
  if (input.timeLimitSeconds > 0) {
    // Stage 2 gets the time to the limit, and its least share even when stage 1 took more:
    // the run's end bounds it still.
    left = std::max(run.secondsToLimit().value_or(0), input.timeLimitSeconds * kLeastLoadShare);
  }
  PalletPlanResult result =
      pallet::loadPallets(input, built, run, left,
                          input.effortBudget > 0 ? std::max<std::uint64_t>(1, input.effortBudget - std::min(input.effortBudget, built.effortUsed)) : 0,
                          control);
  result.timedOut = result.timedOut || built.timedOut;
  return result;
}
