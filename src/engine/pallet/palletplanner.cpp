// The pallet planner (pallet.h): stage 1 builds the pallets, stage 2 loads them with the
// loose cartons.

#include <chrono>

#include "engine/pallet/palletbuild.h"
#include "engine/pallet/palletload.h"

namespace {

// The share of the time limit the mixed pallets of stage 1 may take.
constexpr double kBuildShare = 0.4;

}  // namespace

PalletPlanResult planPallets(const PalletPlanInput& input, const PalletControl& control) {
  // One budget for the run: both stages, and every planner they call, end within it.
  const RunBudget run(input.timeLimitSeconds, control.cancel);
  const std::uint64_t buildEffort = static_cast<std::uint64_t>(static_cast<double>(input.effortBudget) * kBuildShare);
  const pallet::BuiltPallets built = pallet::buildPallets(
      input, run, input.timeLimitSeconds > 0 ? input.timeLimitSeconds * kBuildShare : 0, buildEffort, control);
  if (built.cancelled) {
    PalletPlanResult cancelled;
    cancelled.cancelled = true;
    return cancelled;
  }
  double left = 0;
  if (input.timeLimitSeconds > 0) {
    // Stage 2 gets the time to the limit, and a little even when stage 1 took all of it:
    // the run's end bounds it still.
    left = std::max(run.secondsToLimit().value_or(0), input.timeLimitSeconds * 0.1);
  }
  PalletPlanResult result =
      pallet::loadPallets(input, built, run, left, input.effortBudget - std::min(input.effortBudget, built.effortUsed), control);
  result.timedOut = result.timedOut || built.timedOut;
  return result;
}
