#pragma once
// Choices that outlive one project: the gaps between cartons, the block limit, the
// planner and its options, the container library and the pallet library. The window keeps them between
// starts (commands/storedsettings.h reads them back).

#include <cstdint>
#include <string>
#include <vector>

#include "model/container.h"
#include "model/containertype.h"
#include "model/pallettype.h"
#include "model/plannerchoice.h"
#include "model/planningmode.h"

struct Settings {
  std::int32_t spacingL = 0;     // gap between cartons along the container length, mm
  std::int32_t spacingW = 0;     // along the width
  std::int32_t spacingH = 0;     // along the height
  std::int32_t maxBlockNum = 6;  // most blocks a result of up to three carton types may have
  // The container library, each with its cost and count for several containers when given;
  // the first is the default container.
  std::vector<ContainerType> containers;
  std::vector<PalletType> pallets;  // the pallet library: the user's own pallet types
  PlanningMode planningMode = PlanningMode::Sets;
  std::int32_t supportPercent = 100;  // load-max: share of a carton's base that must rest on something
  double loadMaxTimeLimit = 2.0;      // load-max: seconds the search may take
  FleetGoal fleetGoal = FleetGoal::Cheapest;  // several containers: what to aim at
  double fleetTimeLimit = 10.0;               // several containers: seconds for the whole run
  std::string language;  // "zh" or "en" as chosen in Options, for the next start; empty: the locale's

  // A copy of the first library entry, or the demo container when the library is empty.
  Container defaultContainer() const;
  // The planner and its options as chosen here.
  PlannerChoice plannerChoice() const {
    return PlannerChoice{planningMode, fleetGoal, loadMaxTimeLimit, fleetTimeLimit, supportPercent};
  }

  bool operator==(const Settings&) const = default;
};
