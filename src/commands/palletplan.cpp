#include "commands/palletplan.h"

#include <algorithm>
#include <map>
#include <new>

#include "commands/fleetplan.h"
#include "commands/palletfit.h"
#include "commands/runcheck.h"
#include "engine/pallet/palletproject.h"
#include "model/fillscheme.h"
#include "model/language.h"

namespace {

std::string quotedNames(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : inLanguage("、", ", ")) + ("“" + name + "”");
  return list;
}

// The time the whole run may take: the chosen planner's, or the pallet planner's own.
double timeLimitOf(const CalculationRequest& request) {
  switch (request.planningMode) {
    case PlanningMode::LoadMax: return request.loadMaxTimeLimit;
    case PlanningMode::Fleet: return request.fleetTimeLimit;
    case PlanningMode::Sets:
    case PlanningMode::Pallets: break;
  }
  return request.palletTimeLimit;
}

}  // namespace

bool runsPalletPlanner(const CalculationRequest& request) {
  return request.planningMode == PlanningMode::Pallets || request.input.usesPallets();
}

bool palletsIntoSeveralContainers(const CalculationRequest& request) {
  return request.planningMode == PlanningMode::Fleet ||
         (request.planningMode != PlanningMode::LoadMax && !request.input.fleet.empty());
}

std::string palletRefusal(const CalculationRequest& request) {
  const ProjectInput& input = request.input;
  if (input.cartonTotal() <= 0) return preRunMessage(PreRunCheck::NoCartons);
  const bool several = palletsIntoSeveralContainers(request);
  const std::vector<ContainerType> types = several ? input.fleetOrContainer() : std::vector<ContainerType>{
                                                                                   ContainerType{input.container, {}, {}}};
  for (const ContainerType& type : types) {
    const Container& c = type.container;
    if (c.length <= 0 || c.width <= 0 || c.height <= 0) return emptyContainerMessage();
  }
  std::vector<std::string> unknown;
  for (const Carton& carton : input.cartons)
    if (!carton.pallet.empty() && input.palletTypeOf(carton) == nullptr) unknown.push_back(carton.name);
  if (!unknown.empty())
    return inLanguage("以下纸箱所用的托盘类型不存在：", "These cartons name a pallet type that does not exist: ") +
           quotedNames(unknown) + inLanguage("。请选择 EUR、ISO、US 或项目中的托盘类型，或改为散装。",
                                             ". Please choose EUR, ISO, US or one of the project's pallet types, or "
                                             "load them loose.");
  std::vector<std::string> unusable;
  for (const PalletType& type : input.palletTypes)
    if (!type.isUsable()) unusable.push_back(type.name);
  if (!unusable.empty())
    return inLanguage("以下托盘类型的尺寸或重量不成立：", "These pallet types have sizes or weights that make no pallet: ") +
           quotedNames(unusable) + inLanguage("。", ".");
  if (several) {
    if (std::string none = noContainerAvailableMessage(types); !none.empty()) return none;
    // The cartons alone, loose, need no fewer containers than on pallets.
    const PalletPlanInput pallets = palletInputFromProject(input);
    FleetInput fleet;
    fleet.containers = pallets.containers;
    fleet.cargo = pallets.cargo;
    fleet.goal = request.fleetGoal;
    if (std::string tooMany = tooManyContainersMessage(fleet); !tooMany.empty()) return tooMany;
  }
  if (std::string fit = palletFitMessage(input, types); !fit.empty()) return fit;
  if (several && request.fleetGoal == FleetGoal::FixedFleet) return uncountedFleetMessage(types);
  return {};
}

void planPalletsInto(const CalculationRequest& request, CancelToken& token, CalculationReport& report) {
  const bool several = palletsIntoSeveralContainers(request);
  PalletPlanInput input = palletInputFromProject(request.input);
  if (!several) input.containers.resize(std::min<std::size_t>(input.containers.size(), 1));
  if (!several && !request.input.fleet.empty()) {
    // As much as fits into the project's own container.
    const Container& c = request.input.container;
    input.containers = {FleetContainerType{c.width, c.height, c.length, double(c.maxWeight), 1, -1}};
  }
  input.cargo.supportPercent = request.supportPercent;
  input.loading = several ? PalletLoading::SeveralContainers : PalletLoading::OneContainer;
  input.goal = request.fleetGoal;
  input.timeLimitSeconds = timeLimitOf(request);
  PalletControl control;
  control.cancel = &token.flag();
  PalletPlanResult plan;
  try {
    plan = planPallets(input, control);
  } catch (const std::bad_alloc&) {
    plan = {};  // out of memory: nothing planned
  }
  report.mode = RunMode::Single;
  if (token.cancelRequested() || plan.cancelled) {
    report.status = CalculationStatus::Cancelled;
    return;
  }
  const std::vector<ContainerType> types = request.input.fleetOrContainer();
  ProjectResult& result = report.result;
  result.mode = PlanningMode::Pallets;
  result.supportPercent = request.supportPercent;
  result.timedOut = plan.timedOut;
  result.goal = request.fleetGoal;
  result.lowerBoundContainers = plan.lowerBoundContainers;
  result.lowerBoundCost = plan.lowerBoundCost;
  result.pallets = std::move(plan.pallets);
  for (PalletLoad& load : plan.containers) {
    LoadedContainer loaded;
    loaded.container = several ? types[static_cast<std::size_t>(load.type)].container : request.input.container;
    loaded.blocks = std::move(load.blocks);
    loaded.fleetType = several ? load.type : -1;
    loaded.pallets = std::move(load.pallets);
    result.containers.push_back(std::move(loaded));
  }
}

std::vector<PalletCount> palletCounts(const FillScheme& project) {
  std::vector<PalletCount> counts;
  if (project.result.mode != PlanningMode::Pallets) return counts;
  for (const LoadedContainer& loaded : project.result.containers) {
    for (const PalletPlacement& placement : loaded.pallets) {
      if (placement.pallet < 0 || static_cast<std::size_t>(placement.pallet) >= project.result.pallets.size()) continue;
      const std::string& type = project.result.pallets[static_cast<std::size_t>(placement.pallet)].type.name;
      auto it = std::find_if(counts.begin(), counts.end(), [&](const PalletCount& c) { return c.type == type; });
      if (it == counts.end()) counts.push_back(PalletCount{type, 1});
      else ++it->count;
    }
  }
  return counts;
}

std::string palletSummaryText(const FillScheme& project) {
  if (project.result.mode != PlanningMode::Pallets || project.result.empty()) return {};
  std::int64_t pallets = 0, loose = 0;
  std::string byType;
  for (const PalletCount& count : palletCounts(project)) {
    pallets += count.count;
    byType += (byType.empty() ? "" : inLanguage("，", ", ")) + count.type + " " + std::to_string(count.count);
  }
  for (const LoadedContainer& loaded : project.result.containers)
    for (const BlockScheme& b : loaded.blocks) loose += b.count;
  std::string text = std::to_string(pallets) + inLanguage(" 个托盘", pallets == 1 ? " pallet" : " pallets");
  if (!byType.empty()) text += inLanguage("（", " (") + byType + inLanguage("）", ")");
  text += inLanguage("，散装纸箱 ", ", ") + std::to_string(loose) + inLanguage(" 箱", " loose cartons");
  return text;
}

LoadedContainer containerWithPalletCartons(const FillScheme& project, std::size_t container) {
  if (container >= project.result.containers.size()) return LoadedContainer{project.container, {}};
  LoadedContainer loaded = project.result.containers[container];
  for (const PalletPlacement& placement : loaded.pallets) {
    if (placement.pallet < 0 || static_cast<std::size_t>(placement.pallet) >= project.result.pallets.size()) continue;
    const std::vector<BlockScheme> cartons =
        placedPalletCartons(project.result.pallets[static_cast<std::size_t>(placement.pallet)], placement);
    loaded.blocks.insert(loaded.blocks.end(), cartons.begin(), cartons.end());
  }
  return loaded;
}

LoadBalance palletLoadBalance(const FillScheme& project, std::size_t container) {
  LoadedContainer loaded = containerWithPalletCartons(project, container);
  // Each pallet's base, a carton of its own weighing the tare.
  std::vector<Carton> cartons = project.cartons;
  for (const PalletPlacement& placement : loaded.pallets) {
    if (placement.pallet < 0 || static_cast<std::size_t>(placement.pallet) >= project.result.pallets.size()) continue;
    const LoadedPallet& pallet = project.result.pallets[static_cast<std::size_t>(placement.pallet)];
    if (!(pallet.type.tareWeight > 0)) continue;
    Carton base;
    base.name = pallet.type.name;
    base.weight = pallet.type.tareWeight;
    cartons.push_back(base);
    const PlacedBox box = placedPalletBase(pallet, placement);
    BlockScheme block = boxBlock(box, static_cast<std::int32_t>(cartons.size() - 1));
    block.cartonName = base.name;
    loaded.blocks.push_back(block);
  }
  return loadBalance(cartons, loaded);
}
