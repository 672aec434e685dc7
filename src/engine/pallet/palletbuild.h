#pragma once
// Stage 1 of the pallet planner: building the pallets of each pallet type (pallet.h).

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/pallet/layerpattern.h"
#include "engine/pallet/pallet.h"

namespace pallet {

// How pallets of a type are built for the containers: as stacks of `count` pallets, each
// at most maxHeight high and its cartons weighing at most payload, so that the stack fits
// under the lowest container's roof and each pallet bears those above it.
struct Tiers {
  std::int32_t count = 1;
  std::int32_t maxHeight = 0;  // mm, built height from the floor
  double payload = 0;          // kg, the cartons of one pallet
};

// The tiers of `count` pallets of the type under a roof at containerHeight, with gapY
// between stacked pallets; nothing when the type may not be stacked that high, or leaves
// no room or no payload.
std::optional<Tiers> tiersOf(const PalletType& type, std::int32_t count, std::int32_t containerHeight, std::int32_t gapY);

// A pallet of one carton type: the best layer of its footprint on the loading area, as many
// layers as the height allows, the top layer partly filled where the weight stops it,
// centred on the base.
struct SingleTypePallet {
  std::int32_t cartons = 0;  // how many it holds
  std::int32_t vertical = 0;  // the vertical edge, as an index 0 (L), 1 (W), 2 (H)
  std::int64_t perLayer = 0;
};

// The best layer on the pallet's loading area of the carton standing on each of its edges
// L, W, H (nothing for an edge it may not stand on): worked out once, used for every tier.
using EdgeLayers = std::array<std::optional<LayerPattern>, 3>;
EdgeLayers layersOf(const PalletType& pallet, const MaxLoadType& carton);

// The most cartons of the type one pallet holds within the tiers, over the edges the type
// may stand on.
SingleTypePallet singleTypeCapacity(const PalletType& pallet, const MaxLoadType& carton, const Tiers& tiers,
                                    const EdgeLayers& layers);

// The blocks of a pallet holding `cartons` cartons (at most its capacity) of carton type
// `cartonIndex`, pallet coordinates.
std::vector<BlockScheme> singleTypeBlocks(const PalletType& pallet, const MaxLoadType& carton, std::int32_t cartonIndex,
                                          const SingleTypePallet& capacity, std::int32_t cartons,
                                          const EdgeLayers& layers);

struct BuiltPallets {
  std::vector<LoadedPallet> pallets;
  std::vector<std::int32_t> unbuilt;  // per carton type: cartons meant for pallets that none took
  std::uint64_t effortUsed = 0;
  bool timedOut = false;
  bool cancelled = false;
};

// Builds every pallet: full pallets of one carton type, then mixed pallets of the rest,
// within the time given (seconds; <= 0: no limit), the effort given and the end of the
// stage's budget.
// Of each pallet type no more are built than the containers of the run could take.
BuiltPallets buildPallets(const PalletPlanInput& input, const RunBudget& run, double timeLimitSeconds,
                          std::uint64_t effort, const PalletControl& control);

// The most pallets of the type, each at least `height` mm high, built for the containers of
// the run (one container, or the most containers a run plans): a few times what they could
// take by volume, for the loading to choose from.
std::int64_t mostPalletsLoaded(const PalletPlanInput& input, const PalletType& type, std::int32_t height);

// The lowest roof of the containers the pallets will go into.
std::int32_t lowestRoof(const PalletPlanInput& input);

}  // namespace pallet
