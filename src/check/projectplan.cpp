#include "check/projectplan.h"

#include <cassert>

#include "check/blockcartons.h"
#include "check/pallettext.h"
#include "check/violationtext.h"
#include "check/wording.h"
#include "model/cargorules.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "model/pallettype.h"

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

namespace {

// The container type a loaded container of the result stands for: its type in the fleet,
// or the project's own container.
Container projectContainerOf(const ProjectInput& project, std::int32_t fleetType) {
  if (fleetType < 0) return project.container;
  const std::vector<ContainerType> types = project.fleetOrContainer();
  if (static_cast<std::size_t>(fleetType) < types.size()) return types[static_cast<std::size_t>(fleetType)].container;
  return project.container;  // a type the project lacks: the file reader refuses such a result
}

std::int64_t setsOfCartons(const ProjectInput& project, bool wholeSets, std::int64_t placed) {
  std::int64_t entered = 0;
  for (const Carton& carton : project.cartons) entered += carton.count;
  return !wholeSets || entered <= 0 ? 1 : placed / entered;
}

}  // namespace

CheckInput loadedContainerCheckInput(const ProjectInput& project, const ProjectResult& result,
                                     const LoadedContainer& loaded) {
  std::int64_t placed = 0;
  for (const BlockScheme& block : loaded.blocks) placed += block.count;
  // The sets planner loads whole sets and promises no support; the others load each carton
  // entered at most once, carried as their result says.
  const bool wholeSets = result.mode == PlanningMode::Sets;
  CheckInput input =
      projectCheckInput(project, wholeSets ? 0 : result.supportPercent, setsOfCartons(project, wholeSets, placed));
  takeContainer(projectContainerOf(project, loaded.fleetType), input);
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

namespace {

PlanKind kindOf(PlanningMode mode) {
  switch (mode) {
    case PlanningMode::Sets: return PlanKind::Sets;
    case PlanningMode::LoadMax: return PlanKind::LoadMax;
    case PlanningMode::Fleet: return PlanKind::Fleet;
    case PlanningMode::Pallets: return PlanKind::Pallets;
  }
  return PlanKind::LoadMax;
}

std::string containerWhere(std::size_t k) { return says("集装箱 " + std::to_string(k + 1) + "：", "container " + std::to_string(k + 1) + ": "); }

// The project's container types the plan's containers name, or the refusal.
struct PlanTypes {
  std::vector<ContainerType> types;
  std::string refusal;
};

PlanTypes typesOfPlan(const ProjectInput& project, const PlanDocument& plan) {
  PlanTypes out;
  out.types = plan.fleetTypes ? project.fleetOrContainer() : std::vector<ContainerType>{ContainerType{project.container}};
  for (std::size_t k = 0; k < plan.containers.size(); ++k) {
    const std::int32_t type = plan.containers[k].type;
    if (type >= 0 && static_cast<std::size_t>(type) < out.types.size()) continue;
    const std::string t = std::to_string(type);
    out.refusal = plan.fleetTypes
                      ? containerWhere(k) + says("项目中没有第 " + t + " 种集装箱（种类从 0 数起）",
                                                 "the project has no container type " + t + " (types count from 0)")
                      : containerWhere(k) + says("单个集装箱的方案只能装在项目自己的集装箱（第 0 种）中",
                                                 "a plan of one container loads the project's own container (type 0)");
    return out;
  }
  return out;
}

// Containers of a type beyond how many are available.
void checkAvailability(const PlanDocument& plan, const std::vector<ContainerType>& types, PlanVerdict& verdict) {
  std::vector<std::int64_t> used(types.size(), 0);
  for (const PlanContainer& c : plan.containers) ++used[static_cast<std::size_t>(c.type)];
  for (std::size_t t = 0; t < types.size(); ++t) {
    if (!types[t].available || used[t] <= *types[t].available) continue;
    const std::string name = types[t].container.name, u = std::to_string(used[t]), a = std::to_string(*types[t].available);
    verdict.broken.push_back(says("第 " + std::to_string(t) + " 种集装箱（" + name + "）装了 " + u + " 个，只有 " + a + " 个可用",
                                  "container type " + std::to_string(t) + " (" + name + "): " + u + " containers loaded, " +
                                      a + " available"));
  }
}

// The nested plan of a pallet plan, each container held to its own type; nothing, with
// the reason in *refusal, when a pallet names a type the project does not have.
std::optional<NestedPlan> nestedPlanOf(const ProjectInput& project, const PlanDocument& plan,
                                       const std::vector<ContainerType>& types, std::string* refusal) {
  NestedPlan nested;
  const CheckInput base = projectCheckInput(project, plan.supportPercent.value_or(100), 1);
  nested.spacing = base.spacing;
  nested.types = base.types;
  nested.stops = base.stops;
  nested.supportPercent = base.supportPercent;
  for (const Carton& carton : project.cartons) {
    const PalletType* type = project.palletTypeOf(carton);
    nested.typePallets.push_back(type ? type->name : carton.pallet);
  }
  for (std::size_t k = 0; k < plan.pallets.size(); ++k) {
    const PlanPallet& pallet = plan.pallets[k];
    const PalletType* type = findPalletType(project.palletTypes, pallet.type);
    if (type == nullptr) {
      const std::string at = "pallets[" + std::to_string(k) + "]";
      *refusal = says(at + "：项目中没有名为“" + pallet.type + "”的托盘类型",
                      at + ": the project has no pallet type named \"" + pallet.type + "\"");
      return std::nullopt;
    }
    nested.pallets.push_back(BuiltPallet{palletKindOf(*type), pallet.cartons, pallet.height, pallet.grossWeight});
  }
  for (const PlanContainer& c : plan.containers) {
    CheckInput own;
    takeContainer(types[static_cast<std::size_t>(c.type)].container, own);
    nested.containers.push_back(NestedContainer{own.container, own.balance, own.vehicle, c.cartons, c.pallets});
  }
  return nested;
}

void checkPalletPlan(const ProjectInput& project, const PlanDocument& plan, const std::vector<ContainerType>& types,
                     PlanVerdict& verdict) {
  const std::optional<NestedPlan> nested = nestedPlanOf(project, plan, types, &verdict.refusal);
  if (!nested) return;
  const NestedReport report = checkNestedPlan(*nested);
  for (const NestedViolation& v : report.violations) verdict.broken.push_back(describeNestedViolation(v, *nested));
  verdict.stoppedEarly = verdict.stoppedEarly || report.stoppedEarly;
}

}  // namespace

PlanDocument planOfResult(const ProjectResult& result) {
  PlanDocument plan;
  plan.kind = kindOf(result.mode);
  plan.fleetTypes = !result.containers.empty() && result.containers.front().fleetType >= 0;
  plan.supportPercent = result.mode == PlanningMode::Sets ? 0 : result.supportPercent;
  for (const LoadedPallet& pallet : result.pallets)
    plan.pallets.push_back(PlanPallet{pallet.type.name, pallet.height, pallet.grossWeight, cartonsOfBlocks(pallet.blocks)});
  for (const LoadedContainer& loaded : result.containers) {
    PlanContainer container;
    container.type = std::max<std::int32_t>(loaded.fleetType, 0);
    container.cartons = cartonsOfBlocks(loaded.blocks);
    for (const PalletPlacement& placement : loaded.pallets)
      container.pallets.push_back(PlacedPallet{placement.pallet, placement.x, placement.y, placement.z, placement.turned,
                                               std::nullopt, std::nullopt, std::nullopt});
    plan.containers.push_back(std::move(container));
  }
  return plan;
}

NestedPlan nestedPlanOfResult(const ProjectInput& project, const ProjectResult& result) {
  const PlanDocument plan = planOfResult(result);
  const PlanTypes types = typesOfPlan(project, plan);
  std::string refusal;
  if (!types.refusal.empty()) return {};
  return nestedPlanOf(project, plan, types.types, &refusal).value_or(NestedPlan{});
}

PlanVerdict checkProjectPlan(const ProjectInput& project, const PlanDocument& plan) {
  PlanVerdict verdict;
  const PlanTypes types = typesOfPlan(project, plan);
  if (!types.refusal.empty()) {
    verdict.refusal = types.refusal;
    return verdict;
  }
  if (plan.fleetTypes) checkAvailability(plan, types.types, verdict);
  if (plan.kind == PlanKind::Pallets) {
    checkPalletPlan(project, plan, types.types, verdict);
    return verdict;
  }
  const bool several = plan.fleetTypes || plan.containers.size() > 1;
  const std::int32_t support = plan.supportPercent.value_or(plan.kind == PlanKind::Sets ? 0 : 100);
  // The sets planner loads whole sets of the entered cartons, as many as the plan's cartons
  // make; the others load each carton entered at most once.
  std::int64_t placed = 0;
  for (const PlanContainer& c : plan.containers) placed += static_cast<std::int64_t>(c.cartons.size());
  const std::int64_t sets = setsOfCartons(project, plan.kind == PlanKind::Sets, placed);
  CheckInput all = projectCheckInput(project, support, sets);
  for (std::size_t k = 0; k < plan.containers.size(); ++k) {
    const PlanContainer& container = plan.containers[k];
    if (!container.pallets.empty()) {
      verdict.refusal = containerWhere(k) + says("不是托盘方案，却放了托盘", "places pallets in a plan without pallets");
      return verdict;
    }
    CheckInput input = projectCheckInput(project, support, sets);
    takeContainer(types.types[static_cast<std::size_t>(container.type)].container, input);
    input.cartons = container.cartons;
    const CheckReport report = checkPlan(input);
    verdict.stoppedEarly = verdict.stoppedEarly || report.stoppedEarly;
    for (const Violation& v : report.violations)
      verdict.broken.push_back((several ? containerWhere(k) : std::string()) + describeViolation(v, input));
    if (plan.containers.size() > 1) all.cartons.insert(all.cartons.end(), container.cartons.begin(), container.cartons.end());
  }
  // Over several containers, no carton type is loaded more often than entered.
  if (plan.containers.size() > 1)
    for (const Violation& v : checkCounts(all).violations)
      verdict.broken.push_back(says("所有集装箱合计：", "over all containers: ") + describeViolation(v, all));
  return verdict;
}

std::string planVerdictText(const PlanVerdict& verdict) {
  if (!verdict.refusal.empty()) return verdict.refusal + "\n";
  if (verdict.holds()) return checkReportText(CheckReport{}, CheckInput{});
  std::string text;
  for (const std::string& line : verdict.broken) text += line + "\n";
  if (verdict.stoppedEarly)
    text += says("仅列出前若干处违规，可能还有更多。\n", "Only the first broken rules are listed; there may be more.\n");
  return text;
}

}  // namespace check
