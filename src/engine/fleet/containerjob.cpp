#include "engine/fleet/containerjob.h"

MaxLoadInput cargoInContainer(const MaxLoadInput& cargo, const FleetContainerType& container) {
  MaxLoadInput in = cargo;
  in.containerX = container.containerX;
  in.containerY = container.containerY;
  in.containerZ = container.containerZ;
  in.maxWeight = container.maxWeight;
  in.balance = container.balance;
  in.vehicle = container.vehicle;
  return in;
}
