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
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  const pallet::BuiltPallets built =
      pallet::buildPallets(input, input.timeLimitSeconds > 0 ? input.timeLimitSeconds * kBuildShare : 0, control);
  if (built.cancelled) {
    PalletPlanResult cancelled;
    cancelled.cancelled = true;
    return cancelled;
  }
  double left = 0;
  if (input.timeLimitSeconds > 0) {
    const double spent = std::chrono::duration<double>(Clock::now() - start).count();
    // Stage 2 always gets a little time, even when stage 1 took all of its share and more.
    left = std::max(input.timeLimitSeconds - spent, input.timeLimitSeconds * 0.25);
  }
  PalletPlanResult result = pallet::loadPallets(input, built, left, control);
  result.timedOut = result.timedOut || built.timedOut;
  return result;
}
