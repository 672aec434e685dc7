#include "check/projectplan.h"

#include <cassert>

#include "check/blockcartons.h"
#include "model/cargorules.h"
#include "model/fillscheme.h"
#include "model/language.h"

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

PalletKind palletKindOf(const PalletType& type) {
  PalletKind kind;
  kind.name = type.name;
  kind.length = type.length;
  kind.width = type.width;
  kind.baseHeight = type.baseHeight;
  kind.tareWeight = type.tareWeight;
  kind.maxHeight = type.maxHeight;
  kind.maxGrossWeight = type.maxGrossWeight;
  kind.overhang = type.overhang;
  kind.stackable = type.stackable;
  kind.maxLoadOnTop = type.maxLoadOnTop;
  kind.forkEntry = static_cast<std::uint8_t>((type.forkEntry & kForkFromEnds ? kForkEnds : 0) |
                                             (type.forkEntry & kForkFromSides ? kForkSides : 0));
  return kind;
}

NestedPlan nestedPlanOfResult(const ProjectInput& project, const ProjectResult& result) {
  NestedPlan plan;
  const CheckInput base = projectCheckInput(project, result.supportPercent, 1);
  plan.spacing = base.spacing;
  plan.types = base.types;
  plan.supportPercent = result.supportPercent;
  for (const Carton& carton : project.cartons) {
    const PalletType* type = project.palletTypeOf(carton);
    plan.typePallets.push_back(type ? type->name : carton.pallet);
  }
  for (const LoadedPallet& pallet : result.pallets) {
    BuiltPallet built;
    built.kind = palletKindOf(pallet.type);
    built.cartons = cartonsOfBlocks(pallet.blocks);
    built.statedHeight = pallet.height;
    built.statedGrossWeight = pallet.grossWeight;
    plan.pallets.push_back(std::move(built));
  }
  for (const LoadedContainer& loaded : result.containers) {
    NestedContainer container;
    const Container& box = loaded.container;
    container.container = ContainerSize{box.width, box.height, box.length, double(box.maxWeight)};
    container.cartons = cartonsOfBlocks(loaded.blocks);
    for (const PalletPlacement& placement : loaded.pallets)
      container.pallets.push_back(PlacedPallet{placement.pallet, placement.x, placement.y, placement.z, placement.turned,
                                               std::nullopt, std::nullopt, std::nullopt});
    plan.containers.push_back(std::move(container));
  }
  return plan;
}

NestedPlanReading nestedPlanOfJson(const ProjectInput& project, const JsonPalletPlan& json,
                                   std::int32_t supportPercent) {
  NestedPlanReading reading;
  ProjectResult none;
  none.supportPercent = supportPercent;
  NestedPlan plan = nestedPlanOfResult(project, none);
  for (std::size_t k = 0; k < json.pallets.size(); ++k) {
    const JsonPallet& pallet = json.pallets[k];
    const PalletType* type = findPalletType(project.palletTypes, pallet.type);
    if (type == nullptr) {
      const std::string at = "pallets[" + std::to_string(k) + "]";
      reading.reason = inLanguage((at + "：项目中没有名为“" + pallet.type + "”的托盘类型").c_str(),
                                  (at + ": the project has no pallet type named \"" + pallet.type + "\"").c_str());
      return reading;
    }
    plan.pallets.push_back(BuiltPallet{palletKindOf(*type), pallet.cartons, pallet.height, pallet.grossWeight});
  }
  const std::vector<ContainerType> types = project.fleetOrContainer();
  for (std::size_t c = 0; c < json.containers.size(); ++c) {
    const JsonPalletContainer& container = json.containers[c];
    if (static_cast<std::size_t>(container.type) >= types.size()) {
      const std::string at = "containers[" + std::to_string(c) + "]";
      reading.reason = inLanguage((at + "：项目中没有第 " + std::to_string(container.type) + " 种集装箱").c_str(),
                                  (at + ": the project has no container type " + std::to_string(container.type)).c_str());
      return reading;
    }
    const Container& box = types[static_cast<std::size_t>(container.type)].container;
    plan.containers.push_back(NestedContainer{ContainerSize{box.width, box.height, box.length, double(box.maxWeight)},
                                              container.cartons, container.pallets});
  }
  reading.plan = std::move(plan);
  return reading;
}

}  // namespace check
