#pragma once
// One container's job for the load-max planner: the cargo with its rules, in one container
// of a type, which brings its own size, maximum load, balance window and vehicle. Every
// method for several containers, and the pallet planner's loading, plans a container so.

#include "engine/fleet/fleet.h"

MaxLoadInput cargoInContainer(const MaxLoadInput& cargo, const FleetContainerType& container);
