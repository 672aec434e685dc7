#include "check/projectplan.h"

#include <cassert>

#include "check/blockcartons.h"
#include "model/cargorules.h"
#include "model/fillscheme.h"

namespace check {
namespace {

// The container's size, load, balance window and vehicle.
void takeContainer(const Container& box, CheckInput& input) {
  input.container = ContainerSize{box.width, box.height, box.length, double(box.maxWeight)};
  input.balance = BalanceWindow{box.balance.lengthPercent, box.balance.widthPercent,
                                box.balance.maxHeight ? std::optional<double>(*box.balance.maxHeight) : std::nullopt};
  input.vehicle.reset();
  if (!box.vehicle) return;
  const ::Vehicle& v = *box.vehicle;
  Vehicle vehicle;
  vehicle.kind = v.kind == VehicleKind::RigidTruck ? Vehicle::Kind::RigidTruck : Vehicle::Kind::SemiTrailer;
  vehicle.wheelbase = v.wheelbase;
  vehicle.frontAxleToCargo = v.frontAxleToCargo;
  vehicle.kingpinSetback = v.kingpinSetback;
  vehicle.kingpinToTrailerAxle = v.kingpinToTrailerAxle;
  vehicle.fifthWheelLead = v.fifthWheelLead;
  for (std::size_t axle = 0; axle < v.axleCount(); ++axle) {
    vehicle.tare.push_back(v.tare[axle]);
    vehicle.maxLoad.push_back(v.maxLoad[axle]);
  }
  input.vehicle = std::move(vehicle);
}

}  // namespace

CheckInput projectCheckInput(const ProjectInput& project, std::int32_t supportPercent,
                             std::int64_t setCount) {
  CheckInput input;
  takeContainer(project.container, input);
  input.stops = project.stops;
  input.spacing = Spacing{project.spacingW, project.spacingH, project.spacingL};
  input.supportPercent = supportPercent;
  input.setCount = setCount;
  for (const Carton& carton : project.cartons) {
    CartonType type;
    type.name = carton.name;
    type.length = carton.length;
    type.width = carton.width;
    type.height = carton.height;
    type.count = carton.count;
    type.weight = carton.weight;
    if (carton.mustUp) {
      type.standingEdges = kEdgeH;
      if (carton.upendLayers > 0) {
        type.lyingEdges = kEdgeL | kEdgeW;
        type.lyingLayers = carton.upendLayers;
      }
    }
    type.zone = carton.spaceIndex < kSpaceNone   ? kZoneInnerEnd
                : carton.spaceIndex < kSpaceDoor ? kZoneFree
                                                 : kZoneDoor;
    type.stackable = carton.stackable;
    type.maxLoadOnTop = carton.maxLoadOnTop;
    type.fragile = carton.fragile;
    type.stop = static_cast<std::int32_t>(stopIndexOf(project, carton));
    input.types.push_back(type);
  }
  return input;
}

std::vector<PlacedCarton> cartonsOfBlocks(std::span<const BlockScheme> blocks) {
  std::vector<PlacedCarton> cartons;
  for (const BlockScheme& b : blocks) {
    const CartonBlock block{b.cartonIndex, b.x,  b.y,  b.z,     b.sizeX, b.sizeY, b.sizeZ,
                            b.nx,          b.ny, b.nz, b.count, b.gapX,  b.gapY,  b.gapZ};
    // A result block never counts more cartons than its grid has places.
    assert(b.count <= blockCapacity(block));
    appendBlockCartons(block, cartons);
  }
  return cartons;
}

CheckInput loadedContainerCheckInput(const ProjectInput& project, const ProjectResult& result,
                                     const LoadedContainer& loaded) {
  std::int64_t entered = 0, placed = 0;
  for (const Carton& carton : project.cartons) entered += carton.count;
  for (const BlockScheme& block : loaded.blocks) placed += block.count;
  // The sets planner loads whole sets and promises no support; the others load each carton
  // entered at most once, carried as their result says.
  const bool wholeSets = result.mode == PlanningMode::Sets;
  const std::int64_t sets = !wholeSets || entered <= 0 ? 1 : placed / entered;
  CheckInput input = projectCheckInput(project, wholeSets ? 0 : result.supportPercent, sets);
  takeContainer(loaded.container, input);
  input.cartons = cartonsOfBlocks(loaded.blocks);
  return input;
}

}  // namespace check
