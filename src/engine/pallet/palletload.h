#pragma once
// Stage 2 of the pallet planner: the built pallets and the loose cartons loaded (pallet.h).

#include <cstdint>
#include <vector>

#include "engine/pallet/palletbuild.h"

namespace pallet {

// How many pallets a stack of identical built pallets may hold: one when the type may not
// be stacked, else as many as the one at the bottom bears.
std::int32_t stackHeight(const LoadedPallet& pallet);

// Whether a pallet of the type may stand in a container straight (its length along the
// container's length) and turned (its length across): the forklift comes through the door.
bool mayStandStraight(const PalletType& type);
bool mayStandTurned(const PalletType& type);

// Loads the built pallets and the loose cartons, within the time given (seconds; <= 0: no
// limit), the effort given and the run's end. The cartons meant for pallets that stage 1
// left unbuilt count as leftovers.
PalletPlanResult loadPallets(const PalletPlanInput& input, const BuiltPallets& built, const RunBudget& run,
                             double timeLimitSeconds, std::uint64_t effort, const PalletControl& control);

}  // namespace pallet
