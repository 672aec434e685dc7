#include "cli/reportjson.h"

#include <cmath>
#include <optional>
#include <string>

#include "commands/fleetplan.h"
#include "commands/leftoverreasons.h"
#include "commands/leftovers.h"
#include "commands/loadbalance.h"
#include "commands/palletplan.h"
#include "commands/statistics.h"
#include "model/cargorules.h"
#include "model/fillscheme.h"

namespace {

using Json = nlohmann::ordered_json;

// A whole number as an integer, others as the double itself; JSON has no infinity or NaN.
Json number(double value) {
  if (!std::isfinite(value)) return nullptr;
  if (value == std::trunc(value) && std::fabs(value) < 1e17) return static_cast<std::int64_t>(value);
  return value;
}

const char* statusName(CalculationStatus status) {
  switch (status) {
    case CalculationStatus::Loaded: return "loaded";
    case CalculationStatus::NothingLoaded: return "nothing-loaded";
    case CalculationStatus::Refused: return "refused";
    case CalculationStatus::Cancelled: return "cancelled";
    case CalculationStatus::TimedOut: return "timed-out";
  }
  return "";
}

const char* modeName(PlanningMode planner, RunMode mode) {
  if (planner == PlanningMode::LoadMax) return "max";
  switch (mode) {
    case RunMode::Single: return "single";
    case RunMode::Zoned: return "zoned";
    case RunMode::None: return "none";
  }
  return "";
}

Json blockJson(const BlockScheme& b) {
  return Json{{"x", b.x},         {"y", b.y},         {"z", b.z},         {"sizeX", b.sizeX},
              {"sizeY", b.sizeY}, {"sizeZ", b.sizeZ}, {"nx", b.nx},       {"ny", b.ny},
              {"nz", b.nz},       {"orientation", b.orientation},         {"material", b.material},
              {"count", b.count}, {"gapX", b.gapX},   {"gapY", b.gapY},   {"gapZ", b.gapZ},
              {"cartonIndex", b.cartonIndex},         {"cartonName", b.cartonName}};
}

// The loaded cartons of a block one by one: its first `count` grid places, along z first,
// then up, then across.
// A project that lists its stops gives each carton its stop's name, else nothing.
void addPlacements(Json& out, const BlockScheme& b, std::int32_t blockIndex, const std::optional<std::string>& stop) {
  std::int64_t left = b.count;
  for (std::int32_t ix = 0; ix < b.nx && left > 0; ++ix)
    for (std::int32_t iy = 0; iy < b.ny && left > 0; ++iy)
      for (std::int32_t iz = 0; iz < b.nz && left > 0; ++iz, --left) {
        Json placement{{"x", b.x + ix * (b.sizeX + b.gapX)},
                       {"y", b.y + iy * (b.sizeY + b.gapY)},
                       {"z", b.z + iz * (b.sizeZ + b.gapZ)},
                       {"sizeX", b.sizeX},
                       {"sizeY", b.sizeY},
                       {"sizeZ", b.sizeZ},
                       {"cartonIndex", b.cartonIndex},
                       {"block", blockIndex}};
        if (stop) placement["stop"] = *stop;
        out.push_back(std::move(placement));
      }
}

std::optional<std::string> stopOfBlock(const ProjectInput& project, const BlockScheme& b) {
  if (project.stops.empty() || b.cartonIndex < 0 || static_cast<std::size_t>(b.cartonIndex) >= project.cartons.size())
    return std::nullopt;
  return stopNameOf(project, project.cartons[static_cast<std::size_t>(b.cartonIndex)]);
}

// The axles by their role, whatever the language: front and rear, or front, drive and trailer.
const char* axleKey(VehicleKind kind, std::size_t axle) {
  if (axle == 0) return "front";
  if (kind == VehicleKind::RigidTruck) return "rear";
  return axle == 1 ? "drive" : "trailer";
}

Json axleLoadsJson(const AxleLoads& loads, const ProjectInput& project) {
  const auto stopName = [&](const AxleState& state) -> Json {
    if (!state.afterStop) return nullptr;
    if (*state.afterStop < project.stops.size()) return project.stops[*state.afterStop];
    return static_cast<std::int64_t>(*state.afterStop + 1);
  };
  Json axles = Json::array();
  for (std::size_t axle = 0; axle < loads.maxLoads.size(); ++axle)
    axles.push_back(Json{{"axle", axleKey(loads.kind, axle)}, {"maxLoad", number(loads.maxLoads[axle])}});
  Json states = Json::array();
  for (const AxleState& state : loads.states) {
    Json values = Json::array();
    for (const double load : state.loads) values.push_back(number(load));
    states.push_back(Json{{"afterStop", stopName(state)}, {"loads", std::move(values)}});
  }
  Json overloaded = nullptr;
  if (const auto over = loads.worstOverload())
    overloaded = Json{{"afterStop", stopName(loads.states[over->state])},
                      {"axle", axleKey(loads.kind, over->axle)},
                      {"kgOver", number(over->kg)}};
  return Json{{"vehicle", loads.kind == VehicleKind::RigidTruck ? "rigid" : "semitrailer"},
              {"axles", std::move(axles)},
              {"states", std::move(states)},
              {"overloaded", std::move(overloaded)}};
}

Json balanceJson(const LoadBalance& balance, const Container& container) {
  Json missing = Json::array();
  for (const std::string& name : balance.weightlessCartons) missing.push_back(name);
  Json centre = nullptr;
  if (balance.centreKnown)
    centre = Json{{"fromInnerEnd", number(balance.fromInnerEnd)},
                  {"fromLeftWall", number(balance.fromLeftWall)},
                  {"aboveFloor", number(balance.aboveFloor)},
                  {"offsetAlongLength", number(balance.offsetAlongLength)},
                  {"offsetAcross", number(balance.offsetAcross)},
                  {"offsetAlongLengthPercent", number(balance.offsetAlongLengthPercent)},
                  {"offsetAcrossPercent", number(balance.offsetAcrossPercent)}};
  Json out{{"loadedWeight", number(balance.loadedWeight)},
           {"maxLoadShare", balance.maxLoadShare ? number(*balance.maxLoadShare) : Json(nullptr)},
           {"weightsMissing", missing},
           {"centreOfGravity", centre}};
  // The container's balance window, and whether the centre lies inside (null: no centre).
  if (const BalanceWindow& window = container.balance; window.active())
    out["window"] = Json{{"lengthPercent", window.lengthPercent ? number(*window.lengthPercent) : Json(nullptr)},
                         {"widthPercent", window.widthPercent ? number(*window.widthPercent) : Json(nullptr)},
                         {"maxHeight", window.maxHeight ? Json(*window.maxHeight) : Json(nullptr)},
                         {"inside", balance.insideWindow ? Json(*balance.insideWindow) : Json(nullptr)}};
  return out;
}

// Compact JSON; a byte that is not UTF-8 in a name becomes U+FFFD rather than an error.
std::string dumped(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

// The report of the several-containers planner.
Json fleetReportJson(const FillScheme& project, const CalculationReport& report) {
  const std::vector<ContainerType> types = project.fleetOrContainer();
  Json out;
  out["status"] = statusName(report.status);
  out["message"] = report.message;
  out["mode"] = "fleet";
  out["goal"] = report.result.goal == FleetGoal::FixedFleet ? "fixed" : "cheapest";
  double cost = 0;
  Json containers = Json::array();
  for (const LoadedContainer& loaded : report.result.containers) {
    const ContainerType* type = loaded.fleetType >= 0 && static_cast<std::size_t>(loaded.fleetType) < types.size()
                                    ? &types[static_cast<std::size_t>(loaded.fleetType)]
                                    : nullptr;
    cost += type ? type->costOrOne() : 0;
    const ResultStatistics statistics = resultStatistics(project.input(), loaded);
    const LoadBalance balance = loadBalance(project.cartons, loaded);
    Json blocks = Json::array(), placements = Json::array();
    for (std::size_t i = 0; i < loaded.blocks.size(); ++i) {
      blocks.push_back(blockJson(loaded.blocks[i]));
      addPlacements(placements, loaded.blocks[i], static_cast<std::int32_t>(i), stopOfBlock(project, loaded.blocks[i]));
    }
    Json container;
    container["type"] = loaded.fleetType;
    container["name"] = loaded.container.name;
    container["cost"] = number(type ? type->costOrOne() : 0);
    container["blocks"] = std::move(blocks);
    container["placements"] = std::move(placements);
    container["loadedCount"] = statistics.loadedCount;
    container["loadedWeight"] = number(balance.loadedWeight);
    container["balance"] = balanceJson(balance, loaded.container);
    container["centreOfGravity"] = container["balance"]["centreOfGravity"];
    container["fillRatio"] = number(statistics.fillRatio);
    container["netRatio"] = number(statistics.netRatio);
    if (const std::optional<AxleLoads> axles = axleLoads(project, loaded))
      container["axleLoads"] = axleLoadsJson(*axles, project);
    containers.push_back(std::move(container));
  }
  out["totalCost"] = number(cost);
  out["lowerBound"] = Json{{"containers", report.result.lowerBoundContainers},
                           {"cost", number(report.result.lowerBoundCost)}};
  out["containers"] = std::move(containers);
  Json leftovers = Json::array();
  if (report.status == CalculationStatus::Loaded || report.status == CalculationStatus::NothingLoaded) {
    std::vector<std::int64_t> left;
    for (const Carton& c : project.cartons) left.push_back(c.count);
    for (const LoadedContainer& loaded : report.result.containers)
      for (const BlockScheme& b : loaded.blocks)
        if (b.cartonIndex >= 0 && static_cast<std::size_t>(b.cartonIndex) < left.size())
          left[static_cast<std::size_t>(b.cartonIndex)] -= b.count;
    // Why a type is left: it fits no container type at all, or room ran out.
    const std::vector<std::string> unfit = unfitReasonCodes(project.input());
    for (std::size_t i = 0; i < left.size(); ++i)
      if (left[i] > 0)
        leftovers.push_back(Json{{"cartonIndex", i},
                                 {"cartonName", project.cartons[i].name},
                                 {"count", left[i]},
                                 {"reason", i < unfit.size() && !unfit[i].empty() ? unfit[i] : "no-room"}});
  }
  out["leftovers"] = std::move(leftovers);
  out["timedOut"] = report.result.timedOut;
  out["supportPercent"] = report.result.empty() ? 0 : report.result.supportPercent;
  return out;
}

// What a pallet plan left: per carton type, neither on a loaded pallet nor loaded loose.
Json leftoversJson(const FillScheme& project, const CalculationReport& report) {
  Json leftovers = Json::array();
  if (report.status != CalculationStatus::Loaded && report.status != CalculationStatus::NothingLoaded) return leftovers;
  for (const Leftover& leftover : leftoverCartons(project.input(), project.result))
    leftovers.push_back(Json{{"cartonIndex", leftover.cartonIndex}, {"cartonName", leftover.name}, {"count", leftover.count}});
  if (report.status == CalculationStatus::NothingLoaded)
    for (std::size_t i = 0; i < project.cartons.size(); ++i)
      if (project.cartons[i].count > 0)
        leftovers.push_back(Json{{"cartonIndex", i}, {"cartonName", project.cartons[i].name}, {"count", project.cartons[i].count}});
  return leftovers;
}

// The report of the pallet planner: the loaded pallets with their cartons in pallet
// coordinates, then the containers with their loose cartons and the pallets they place.
Json palletReportJson(const FillScheme& project, const CalculationReport& report) {
  const ProjectResult& result = report.result;
  const bool several = !result.containers.empty() && result.containers.front().fleetType >= 0;
  const std::vector<ContainerType> types = project.fleetOrContainer();
  Json out;
  out["status"] = statusName(report.status);
  out["message"] = report.message;
  out["mode"] = "pallets";
  out["loading"] = several ? "fleet" : "max";
  if (several) out["goal"] = result.goal == FleetGoal::FixedFleet ? "fixed" : "cheapest";
  Json pallets = Json::array();
  for (const LoadedPallet& pallet : result.pallets) {
    Json placements = Json::array();
    std::int64_t cartons = 0;
    for (std::size_t i = 0; i < pallet.blocks.size(); ++i) {
      addPlacements(placements, pallet.blocks[i], static_cast<std::int32_t>(i), stopOfBlock(project, pallet.blocks[i]));
      cartons += pallet.blocks[i].count;
    }
    const PlacedBox box = palletBox(pallet);
    pallets.push_back(Json{{"type", pallet.type.name},
                           {"height", pallet.height},
                           {"grossWeight", number(pallet.grossWeight)},
                           {"centreOfGravity", Json{{"x", number(pallet.centreX)}, {"y", number(pallet.centreY)},
                                                    {"z", number(pallet.centreZ)}}},
                           {"footprint", Json{{"x", box.x}, {"z", box.z}, {"sizeX", box.sizeX}, {"sizeZ", box.sizeZ}}},
                           {"cartonCount", cartons},
                           {"placements", std::move(placements)}});
  }
  out["pallets"] = std::move(pallets);
  double cost = 0;
  Json containers = Json::array();
  for (std::size_t k = 0; k < result.containers.size(); ++k) {
    const LoadedContainer& loaded = result.containers[k];
    const ContainerType* type = loaded.fleetType >= 0 && static_cast<std::size_t>(loaded.fleetType) < types.size()
                                    ? &types[static_cast<std::size_t>(loaded.fleetType)]
                                    : nullptr;
    cost += type ? type->costOrOne() : 0;
    Json placements = Json::array();
    for (std::size_t i = 0; i < loaded.blocks.size(); ++i)
      addPlacements(placements, loaded.blocks[i], static_cast<std::int32_t>(i), stopOfBlock(project, loaded.blocks[i]));
    for (const PalletPlacement& placement : loaded.pallets) {
      if (placement.pallet < 0 || static_cast<std::size_t>(placement.pallet) >= result.pallets.size()) continue;
      const PlacedBox box = placedPalletBox(result.pallets[static_cast<std::size_t>(placement.pallet)], placement);
      placements.push_back(Json{{"x", box.x},
                                {"y", box.y},
                                {"z", box.z},
                                {"sizeX", box.sizeX},
                                {"sizeY", box.sizeY},
                                {"sizeZ", box.sizeZ},
                                {"pallet", placement.pallet},
                                {"turned", placement.turned}});
    }
    Json blocks = Json::array();
    for (const BlockScheme& b : loaded.blocks) blocks.push_back(blockJson(b));
    const ResultStatistics statistics = resultStatistics(project.input(), containerWithPalletCartons(project, k));
    const LoadBalance balance = palletLoadBalance(project, k);
    Json container;
    container["type"] = several ? loaded.fleetType : 0;
    container["name"] = loaded.container.name;
    if (several) container["cost"] = number(type ? type->costOrOne() : 0);
    container["blocks"] = std::move(blocks);
    container["placements"] = std::move(placements);
    container["palletCount"] = loaded.pallets.size();
    container["loadedCount"] = statistics.loadedCount;
    container["loadedWeight"] = number(balance.loadedWeight);
    container["balance"] = balanceJson(balance, loaded.container);
    container["centreOfGravity"] = container["balance"]["centreOfGravity"];
    container["netRatio"] = number(statistics.netRatio);
    containers.push_back(std::move(container));
  }
  if (several) {
    out["totalCost"] = number(cost);
    out["lowerBound"] = Json{{"containers", result.lowerBoundContainers}, {"cost", number(result.lowerBoundCost)}};
  }
  out["containers"] = std::move(containers);
  out["leftovers"] = leftoversJson(project, report);
  out["timedOut"] = result.timedOut;
  out["supportPercent"] = result.empty() ? 0 : result.supportPercent;
  return out;
}

}  // namespace

Json reportJson(const FillScheme& project, const CalculationReport& report) {
  if (report.planner == PlanningMode::Pallets) return palletReportJson(project, report);
  if (report.planner == PlanningMode::Fleet) return fleetReportJson(project, report);
  const bool loadMax = report.planner == PlanningMode::LoadMax;
  const LoadedContainer loaded =
      report.result.empty() ? LoadedContainer{project.container, {}} : report.result.containers.front();
  const ResultStatistics statistics = resultStatistics(project.input(), loaded);
  Json out;
  out["status"] = statusName(report.status);
  out["message"] = report.message;
  out["question"] = report.question;
  out["maxSets"] = report.maxSets;
  out["mode"] = modeName(loadMax ? PlanningMode::LoadMax : PlanningMode::Sets, report.mode);
  Json blocks = Json::array();
  for (const BlockScheme& b : loaded.blocks) blocks.push_back(blockJson(b));
  out["blocks"] = std::move(blocks);
  out["loadedCount"] = statistics.loadedCount;
  out["capacityCount"] = statistics.capacityCount;
  out["setCount"] = loadMax ? 0 : statistics.setCount;
  out["loadedVolume"] = number(statistics.loadedVolume);
  out["fillRatio"] = number(statistics.fillRatio);
  out["netRatio"] = number(statistics.netRatio);
  const LoadBalance balance = loadBalance(project.cartons, loaded);
  if (loadMax) {
    Json placements = Json::array();
    for (std::size_t i = 0; i < loaded.blocks.size(); ++i)
      addPlacements(placements, loaded.blocks[i], static_cast<std::int32_t>(i), stopOfBlock(project, loaded.blocks[i]));
    out["placements"] = std::move(placements);
    // What is left of each type: everything entered less what was loaded (nothing is
    // listed when the run was refused before it started).
    Json leftovers = Json::array();
    if (report.status == CalculationStatus::Loaded || report.status == CalculationStatus::NothingLoaded) {
      std::vector<std::int64_t> left;
      for (const Carton& c : project.cartons) left.push_back(c.count);
      for (const BlockScheme& b : loaded.blocks)
        if (b.cartonIndex >= 0 && static_cast<std::size_t>(b.cartonIndex) < left.size())
          left[static_cast<std::size_t>(b.cartonIndex)] -= b.count;
      std::vector<Leftover> listed;
      for (std::size_t i = 0; i < left.size(); ++i)
        if (left[i] > 0) listed.push_back(Leftover{static_cast<int>(i), project.cartons[i].name, left[i]});
      // Each with why it stayed behind: the words, and the rule or limit as a key.
      const std::vector<LeftoverReason> reasons = leftoverReasons(project.input(), report.result, loaded, listed);
      for (std::size_t k = 0; k < listed.size(); ++k)
        leftovers.push_back(Json{{"cartonIndex", listed[k].cartonIndex},
                                 {"cartonName", listed[k].name},
                                 {"count", listed[k].count},
                                 {"reason", reasons[k].text},
                                 {"rule", reasons[k].rule}});
    }
    out["leftovers"] = std::move(leftovers);
    out["loadedWeight"] = number(balance.loadedWeight);
    out["timedOut"] = report.result.timedOut;
    out["supportPercent"] = report.result.empty() ? 0 : report.result.supportPercent;
  }
  out["balance"] = balanceJson(balance, loaded.container);
  std::optional<AxleLoads> axles = axleLoads(project, loaded);
  if (axles) out["axleLoads"] = axleLoadsJson(*axles, project);
  // Every planner's plan lists its loaded containers: here the project's one container.
  Json containers = Json::array();
  if (!report.result.empty()) {
    Json container;
    container["type"] = 0;
    container["name"] = loaded.container.name;
    container["blocks"] = out["blocks"];
    if (loadMax) container["placements"] = out["placements"];
    container["loadedCount"] = statistics.loadedCount;
    container["loadedWeight"] = number(balance.loadedWeight);
    container["balance"] = out["balance"];
    if (axles) container["axleLoads"] = out["axleLoads"];
    containers.push_back(std::move(container));
  }
  out["containers"] = std::move(containers);
  return out;
}

std::string reportJsonText(const Json& report) {
  std::string text = "{";
  bool first = true;
  for (const auto& [key, value] : report.items()) {
    text += first ? "" : ",\n ";
    first = false;
    text += dumped(Json(key)) + ": ";
    if (value.is_array() && !value.empty()) {
      text += "[";
      for (std::size_t i = 0; i < value.size(); ++i) text += (i ? ",\n  " : "") + dumped(value[i]);
      text += "]";
    } else {
      text += dumped(value);
    }
  }
  return text + "}";
}
