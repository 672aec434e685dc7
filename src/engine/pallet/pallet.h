#pragma once
// The pallet planner: cartons built onto pallets, then the built pallets and the loose
// cartons loaded into containers.
//
// Stage 1 builds the pallets of each pallet type. Full pallets of one carton type come
// first: the best layer of its footprint on the loading area (layerpattern.h), repeated up
// to the pallet's height or as far as its gross weight allows. What is left becomes mixed
// pallets, filled by the several-containers planner with each pallet a small container: its
// loading area, the height above its base, the payload its gross weight leaves, full
// support. The pallets' height suits the containers: where pallets may stand on one another,
// as many tiers as carry the most, each pallet no heavier than those below may bear.
//
// Stage 2 loads. Identical built pallets become one cargo type that stands upright, turns
// only as its forklift sides allow (a forklift comes through the door, along the length),
// and stands in stacks of its own kind as high as the pallet type allows, in the zone of its
// earliest carton, before the loose cartons of that zone. They are loaded with the loose
// cartons by the load-max planner into one container, or into as many as needed: containers
// one after another by the load-max planner, then the several-containers planner with the
// time left, the answer that loads more (then the cheaper) kept.
//
// Axes as everywhere in the engine; cartons on a pallet in pallet coordinates
// (model/pallettype.h).

#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/fleet/fleet.h"
#include "engine/maxload/maxload.h"
#include "model/loadedpallet.h"

enum class PalletLoading {
  OneContainer,        // the load-max planner: as much as fits into the first container type
  SeveralContainers,   // the several-containers planner, with its goal
};

struct PalletPlanInput {
  // The container types; OneContainer loads the first.
  std::vector<FleetContainerType> containers;
  // Every carton type, its index the carton's index, with its rules; the spacing and the
  // support of the containers. Its container size and maximum load are not used.
  MaxLoadInput cargo;
  std::vector<PalletType> palletTypes;
  std::vector<std::int32_t> cartonPallet;  // per carton type: index into palletTypes, -1 for loose
  PalletLoading loading = PalletLoading::OneContainer;
  FleetGoal goal = FleetGoal::Cheapest;
  double timeLimitSeconds = 10;  // for the whole run; <= 0: no limit
  // Effort over the whole run, counted in the load-max planner's units as the
  // several-containers planner counts it: the same input and budget give the same plan on
  // every machine unless the time limit cuts first. 0: no budget of its own, each planner
  // it calls has its usual one.
  std::uint64_t effortBudget = 0;
  std::int32_t threads = 2;
};

struct PalletControl {
  const std::atomic<bool>* cancel = nullptr;
};


// One loaded container.
struct PalletLoad {
  std::int32_t type = 0;                 // index into PalletPlanInput::containers
  std::vector<BlockScheme> blocks;       // the loose cartons, in loading order
  std::vector<PalletPlacement> pallets;  // the pallets, in loading order; into PalletPlanResult::pallets
};

struct PalletPlanResult {
  std::vector<LoadedPallet> pallets;     // the loaded pallets, each placed once
  std::vector<PalletLoad> containers;
  std::vector<std::int32_t> leftovers;   // per carton type: neither on a loaded pallet nor loaded loose
  std::int32_t palletsBuilt = 0;         // built in stage 1, loaded or not
  // Of SeveralContainers: no plan of these pallets and loose cartons needs fewer
  // containers or costs less.
  std::int64_t lowerBoundContainers = 0;
  double lowerBoundCost = 0;
  bool timedOut = false;
  bool cancelled = false;  // the answer is to be dropped
};

// The pallets built of one type are at most as many as the containers of the run could
// take (one container, or the most containers a run plans); the cartons beyond are left over.
PalletPlanResult planPallets(const PalletPlanInput& input, const PalletControl& control = {});
