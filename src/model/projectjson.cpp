#include "model/projectjson.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <set>
#include <string_view>

#include "model/fillscheme.h"
#include "model/language.h"
#include "model/orientation.h"

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormatKey = "cargolyxProject";

// The features a "requires" list may name.
constexpr const char* kFeatureStacking = "stacking";  // not stackable, load on top, fragile
constexpr const char* kFeatureStops = "stops";        // delivery stops
constexpr const char* kFeatureBalance = "balance";    // a container's centre of gravity window
constexpr const char* kFeatureAxles = "axles";        // a container's vehicle and its axle loads

// ---- Writing

Json number(double value) {
  if (value == std::trunc(value) && std::fabs(value) < 1e15) return static_cast<std::int64_t>(value);
  return value;
}

const char* positionName(std::int32_t spaceIndex) {
  return spaceIndex == kSpaceInner ? "inner" : spaceIndex == kSpaceDoor ? "door" : "free";
}

Json balanceJson(const BalanceWindow& window) {
  Json out = Json::object();
  if (window.lengthPercent) out["lengthPercent"] = number(*window.lengthPercent);
  if (window.widthPercent) out["widthPercent"] = number(*window.widthPercent);
  if (window.maxHeight) out["maxHeight"] = *window.maxHeight;
  return out;
}

Json axleValues(const std::array<std::int32_t, kMaxAxles>& values, std::size_t count) {
  Json out = Json::array();
  for (std::size_t i = 0; i < count; ++i) out.push_back(values[i]);
  return out;
}

Json vehicleJson(const Vehicle& v) {
  Json out;
  if (v.kind == VehicleKind::RigidTruck) {
    out = Json{{"kind", "rigid"}, {"wheelbase", v.wheelbase}, {"frontAxleToCargo", v.frontAxleToCargo}};
  } else {
    out = Json{{"kind", "semitrailer"},
               {"wheelbase", v.wheelbase},
               {"kingpinSetback", v.kingpinSetback},
               {"kingpinToTrailerAxle", v.kingpinToTrailerAxle},
               {"fifthWheelLead", v.fifthWheelLead}};
  }
  out["tare"] = axleValues(v.tare, v.axleCount());
  out["maxLoad"] = axleValues(v.maxLoad, v.axleCount());
  return out;
}

Json containerJson(const Container& c) {
  Json out{{"name", c.name}, {"length", c.length}, {"width", c.width}, {"height", c.height},
           {"maxWeight", c.maxWeight}};
  if (c.balance.active()) out["balance"] = balanceJson(c.balance);
  if (c.vehicle) out["vehicle"] = vehicleJson(*c.vehicle);
  return out;
}

Json cartonJson(const Carton& c) {
  Json out{{"name", c.name},       {"length", c.length},           {"width", c.width},
           {"height", c.height},   {"weight", number(c.weight)},   {"count", c.count},
           {"mustUp", c.mustUp},   {"upendLayers", c.upendLayers}, {"material", c.material},
           {"position", positionName(c.spaceIndex)}};
  // The cargo rules only where a carton sets them: a project without them reads as before.
  if (!c.stackable) out["stackable"] = false;
  if (c.maxLoadOnTop) out["maxLoadOnTop"] = number(*c.maxLoadOnTop);
  if (c.fragile) out["fragile"] = true;
  if (!c.stop.empty()) out["stop"] = c.stop;
  if (!c.pallet.empty()) out["pallet"] = c.pallet;
  return out;
}

// The cargo rules' features of "requires" the project's data needs: a reader that does not
// know one would drop a rule the project sets.
std::vector<std::string> ruleFeatures(const FillScheme& project) {
  const auto anyCarton = [&](auto test) { return std::any_of(project.cartons.begin(), project.cartons.end(), test); };
  std::vector<const Container*> containers{&project.container};
  for (const ContainerType& type : project.fleet) containers.push_back(&type.container);
  for (const LoadedContainer& loaded : project.result.containers) containers.push_back(&loaded.container);
  const auto anyContainer = [&](auto test) { return std::any_of(containers.begin(), containers.end(), test); };
  std::vector<std::string> features;
  if (anyCarton([](const Carton& c) { return !c.stackable || c.maxLoadOnTop || c.fragile; }))
    features.push_back(kFeatureStacking);
  if (!project.stops.empty() || anyCarton([](const Carton& c) { return !c.stop.empty(); }))
    features.push_back(kFeatureStops);
  if (anyContainer([](const Container* c) { return c->balance.active(); })) features.push_back(kFeatureBalance);
  if (anyContainer([](const Container* c) { return c->vehicle.has_value(); })) features.push_back(kFeatureAxles);
  return features;
}

Json blockJson(const BlockScheme& b) {
  return Json{{"x", b.x},         {"y", b.y},         {"z", b.z},         {"sizeX", b.sizeX},
              {"sizeY", b.sizeY}, {"sizeZ", b.sizeZ}, {"nx", b.nx},       {"ny", b.ny},
              {"nz", b.nz},       {"orientation", b.orientation},         {"material", b.material},
              {"count", b.count}, {"gapX", b.gapX},   {"gapY", b.gapY},   {"gapZ", b.gapZ},
              {"cartonIndex", b.cartonIndex},         {"cartonName", b.cartonName}};
}

const char* plannerName(PlanningMode mode) {
  switch (mode) {
    case PlanningMode::Sets: return "sets";
    case PlanningMode::LoadMax: return "max";
    case PlanningMode::Fleet: return "fleet";
    case PlanningMode::Pallets: return "pallets";
  }
  return "sets";
}

Json palletTypeJson(const PalletType& t) {
  return Json{{"name", t.name},
              {"length", t.length},
              {"width", t.width},
              {"baseHeight", t.baseHeight},
              {"tareWeight", number(t.tareWeight)},
              {"maxHeight", t.maxHeight},
              {"maxGrossWeight", number(t.maxGrossWeight)},
              {"overhang", t.overhang},
              {"stackable", t.stackable},
              {"maxLoadOnTop", number(t.maxLoadOnTop)},
              {"forkEntry", forkEntryName(t.forkEntry)}};
}

Json loadedPalletJson(const LoadedPallet& pallet) {
  Json blocks = Json::array();
  for (const BlockScheme& b : pallet.blocks) blocks.push_back(blockJson(b));
  return Json{{"type", palletTypeJson(pallet.type)},
              {"height", pallet.height},
              {"grossWeight", number(pallet.grossWeight)},
              {"centreOfGravity", Json{{"x", number(pallet.centreX)}, {"y", number(pallet.centreY)}, {"z", number(pallet.centreZ)}}},
              {"blocks", std::move(blocks)}};
}

Json placementJson(const PalletPlacement& p) {
  return Json{{"pallet", p.pallet}, {"x", p.x}, {"y", p.y}, {"z", p.z}, {"turned", p.turned}};
}

Json resultJson(const ProjectResult& result) {
  Json containers = Json::array();
  for (const LoadedContainer& loaded : result.containers) {
    Json blocks = Json::array();
    for (const BlockScheme& b : loaded.blocks) blocks.push_back(blockJson(b));
    Json container{{"container", containerJson(loaded.container)}};
    if (loaded.fleetType >= 0) container["fleetType"] = loaded.fleetType;
    container["blocks"] = std::move(blocks);
    if (result.mode == PlanningMode::Pallets) {
      Json pallets = Json::array();
      for (const PalletPlacement& p : loaded.pallets) pallets.push_back(placementJson(p));
      container["pallets"] = std::move(pallets);
    }
    containers.push_back(std::move(container));
  }
  Json out{{"planner", plannerName(result.mode)}, {"supportPercent", result.supportPercent}, {"timedOut", result.timedOut}};
  if (result.mode == PlanningMode::Fleet || result.mode == PlanningMode::Pallets) {
    out["goal"] = result.goal == FleetGoal::FixedFleet ? "fixed" : "cheapest";
    out["lowerBound"] = Json{{"containers", result.lowerBoundContainers}, {"cost", number(result.lowerBoundCost)}};
  }
  if (result.mode == PlanningMode::Pallets) {
    Json pallets = Json::array();
    for (const LoadedPallet& pallet : result.pallets) pallets.push_back(loadedPalletJson(pallet));
    out["pallets"] = std::move(pallets);
  }
  out["containers"] = std::move(containers);
  return out;
}

Json plannerJson(const PlannerChoice& p) {
  return Json{{"mode", plannerName(p.mode)},
              {"goal", p.goal == FleetGoal::FixedFleet ? "fixed" : "cheapest"},
              {"loadMaxTimeLimit", number(p.loadMaxTimeLimit)},
              {"fleetTimeLimit", number(p.fleetTimeLimit)},
              {"supportPercent", p.supportPercent}};
}

Json containerTypeJson(const ContainerType& type) {
  Json out = containerJson(type.container);
  if (type.cost) out["cost"] = number(*type.cost);
  if (type.available) out["available"] = *type.available;
  return out;
}

// The features a reader must know to read the project whole.
Json featuresOf(const FillScheme& project) {
  Json features = Json::array();
  if (!project.fleet.empty() || project.result.mode == PlanningMode::Fleet) features.push_back("fleet");
  for (const std::string& rule : ruleFeatures(project)) features.push_back(rule);
  if (!project.palletTypes.empty() || project.usesPallets() || project.result.mode == PlanningMode::Pallets)
    features.push_back("pallets");
  return features;
}

std::string compact(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

// Short values and objects of plain members on one line; longer objects and arrays one
// member or item per line.
void write(const Json& value, int depth, std::string& out) {
  const std::string flat = compact(value);
  const bool plain = value.is_object() && std::none_of(value.begin(), value.end(),
                                                       [](const Json& member) { return member.is_structured(); });
  if (!value.is_structured() || value.empty() || flat.size() <= 100 || plain) {
    out += flat;
    return;
  }
  std::string inner = "\n";
  inner.append(static_cast<std::size_t>(depth + 1), ' ');
  out += value.is_object() ? "{" : "[";
  bool first = true;
  for (auto it = value.begin(); it != value.end(); ++it) {
    if (!first) out += ",";
    out += inner;
    first = false;
    if (value.is_object()) out += compact(Json(it.key())) + ": ";
    write(*it, depth + 1, out);
  }
  out += "\n";
  out.append(static_cast<std::size_t>(depth), ' ');
  out += value.is_object() ? "}" : "]";
}

// ---- Reading

// Something wrong in the document: where (a path such as cartons[2].count) and what.
struct Damage {
  std::string what;
};

class Fields {
 public:
  Fields(const Json& object, std::string path) : object_(object), path_(std::move(path)) {
    if (!object_.is_object()) throw Damage{path_ + ": not an object"};
  }

  const Json* find(std::string_view key) const {
    const auto it = object_.find(std::string(key));
    return it == object_.end() ? nullptr : &*it;
  }
  const Json& required(std::string_view key) const {
    const Json* value = find(key);
    if (value == nullptr) throw Damage{where(key) + ": missing"};
    return *value;
  }
  std::string where(std::string_view key) const { return path_ + "." + std::string(key); }

  std::int32_t whole(std::string_view key, std::int64_t min, std::optional<std::int32_t> fallback = {}) const {
    const Json* value = find(key);
    if (value == nullptr) {
      if (fallback) return *fallback;
      throw Damage{where(key) + ": missing"};
    }
    if (!value->is_number_integer() || value->get<std::int64_t>() < min ||
        value->get<std::int64_t>() > std::numeric_limits<std::int32_t>::max())
      throw Damage{where(key) + ": not a whole number from " + std::to_string(min) + " to 2147483647"};
    return static_cast<std::int32_t>(value->get<std::int64_t>());
  }
  double number(std::string_view key, double fallback) const {
    const Json* value = find(key);
    if (value == nullptr) return fallback;
    if (!value->is_number() || !std::isfinite(value->get<double>()) || value->get<double>() < 0)
      throw Damage{where(key) + ": not a number of at least 0"};
    return value->get<double>();
  }
  bool flag(std::string_view key, bool fallback) const {
    const Json* value = find(key);
    if (value == nullptr) return fallback;
    if (!value->is_boolean()) throw Damage{where(key) + ": not true or false"};
    return value->get<bool>();
  }
  std::string name(std::string_view key, std::optional<std::string> fallback = {}) const {
    const Json* value = find(key);
    if (value == nullptr) {
      if (fallback) return *fallback;
      throw Damage{where(key) + ": missing"};
    }
    if (!value->is_string()) throw Damage{where(key) + ": not a text"};
    std::string text = value->get<std::string>();
    if (text.size() > kMaxStoredNameBytes)
      throw Damage{where(key) + ": longer than " + std::to_string(kMaxStoredNameBytes) + " bytes"};
    return text;
  }

 private:
  const Json& object_;
  std::string path_;
};

std::string indexed(const std::string& path, std::size_t i) { return path + "[" + std::to_string(i) + "]"; }

const Json& arrayAt(const Fields& fields, std::string_view key) {
  const Json& value = fields.required(key);
  if (!value.is_array()) throw Damage{fields.where(key) + ": not a list"};
  return value;
}

BalanceWindow readBalance(const Json& value, const std::string& path) {
  const Fields f(value, path);
  BalanceWindow window;
  if (f.find("lengthPercent")) window.lengthPercent = f.number("lengthPercent", 0);
  if (f.find("widthPercent")) window.widthPercent = f.number("widthPercent", 0);
  if (f.find("maxHeight")) window.maxHeight = f.whole("maxHeight", 0);
  return window;
}

std::array<std::int32_t, kMaxAxles> readAxleValues(const Fields& f, std::string_view key, std::size_t count) {
  const Json& list = arrayAt(f, key);
  if (list.size() != count)
    throw Damage{f.where(key) + ": not " + std::to_string(count) + " values, one for each axle"};
  std::array<std::int32_t, kMaxAxles> values{};
  for (std::size_t i = 0; i < count; ++i) {
    if (!list[i].is_number_integer() || list[i].get<std::int64_t>() < 0 ||
        list[i].get<std::int64_t>() > std::numeric_limits<std::int32_t>::max())
      throw Damage{indexed(f.where(key), i) + ": not a whole number from 0 to 2147483647"};
    values[i] = static_cast<std::int32_t>(list[i].get<std::int64_t>());
  }
  return values;
}

Vehicle readVehicle(const Json& value, const std::string& path) {
  const Fields f(value, path);
  Vehicle v;
  const std::string kind = f.name("kind");
  if (kind == "rigid") v.kind = VehicleKind::RigidTruck;
  else if (kind == "semitrailer") v.kind = VehicleKind::SemiTrailer;
  else throw Damage{f.where("kind") + ": not rigid or semitrailer"};
  v.wheelbase = f.whole("wheelbase", 1);
  if (v.kind == VehicleKind::RigidTruck) {
    v.frontAxleToCargo = f.whole("frontAxleToCargo", 0);
  } else {
    v.kingpinSetback = f.whole("kingpinSetback", 0);
    v.kingpinToTrailerAxle = f.whole("kingpinToTrailerAxle", 1);
    v.fifthWheelLead = f.whole("fifthWheelLead", 0);
  }
  v.tare = readAxleValues(f, "tare", v.axleCount());
  v.maxLoad = readAxleValues(f, "maxLoad", v.axleCount());
  for (std::size_t i = 0; i < v.axleCount(); ++i)
    if (v.tare[i] > v.maxLoad[i]) throw Damage{indexed(f.where("tare"), i) + ": above the axle's maxLoad"};
  return v;
}

Container readContainer(const Json& value, const std::string& path) {
  const Fields f(value, path);
  Container c;
  c.name = f.name("name");
  c.length = f.whole("length", 0);
  c.width = f.whole("width", 0);
  c.height = f.whole("height", 0);
  c.maxWeight = f.whole("maxWeight", 0);
  if (const Json* balance = f.find("balance")) c.balance = readBalance(*balance, f.where("balance"));
  if (const Json* vehicle = f.find("vehicle")) c.vehicle = readVehicle(*vehicle, f.where("vehicle"));
  return c;
}

Carton readCarton(const Json& value, const std::string& path, const std::vector<std::string>& stops) {
  const Fields f(value, path);
  Carton c;
  c.name = f.name("name");
  c.length = f.whole("length", 1);
  c.width = f.whole("width", 1);
  c.height = f.whole("height", 1);
  c.weight = f.number("weight", 0.0);
  c.count = f.whole("count", 1);
  c.mustUp = f.flag("mustUp", false);
  c.upendLayers = f.whole("upendLayers", 0, 0);
  c.material = f.whole("material", 0, 0);
  if (c.material >= kMaterialCount) throw Damage{f.where("material") + ": not a colour from 0 to 9"};
  const std::string position = f.name("position", std::string("free"));
  if (position == "inner") c.spaceIndex = kSpaceInner;
  else if (position == "door") c.spaceIndex = kSpaceDoor;
  else if (position == "free") c.spaceIndex = kSpaceNone;
  else throw Damage{f.where("position") + ": not inner, free or door"};
  c.stackable = f.flag("stackable", true);
  if (f.find("maxLoadOnTop")) c.maxLoadOnTop = f.number("maxLoadOnTop", 0);
  c.fragile = f.flag("fragile", false);
  c.stop = f.name("stop", std::string());
  if (!c.stop.empty() && std::find(stops.begin(), stops.end(), c.stop) == stops.end())
    throw Damage{f.where("stop") + ": no stop of that name in stops"};
  c.pallet = f.name("pallet", std::string());
  return c;
}

PalletType readPalletType(const Json& value, const std::string& path) {
  const Fields f(value, path);
  PalletType t;
  t.name = f.name("name");
  t.length = f.whole("length", 1);
  t.width = f.whole("width", 1);
  t.baseHeight = f.whole("baseHeight", 1);
  t.tareWeight = f.number("tareWeight", 0.0);
  t.maxHeight = f.whole("maxHeight", 1);
  t.maxGrossWeight = f.number("maxGrossWeight", 0.0);
  t.overhang = f.whole("overhang", 0, 0);
  t.stackable = f.flag("stackable", false);
  t.maxLoadOnTop = f.number("maxLoadOnTop", 0.0);
  t.forkEntry = forkEntryOfName(f.name("forkEntry", std::string("all")));
  if (t.forkEntry == 0) throw Damage{f.where("forkEntry") + ": not all, ends or sides"};
  if (!t.isUsable())
    throw Damage{path + ": not a pallet (a name, a base lower than the highest pallet, a gross weight above the tare)"};
  return t;
}

BlockScheme readBlock(const Json& value, const std::string& path, const std::vector<Carton>& cartons) {
  const Fields f(value, path);
  BlockScheme b;
  b.x = f.whole("x", 0);
  b.y = f.whole("y", 0);
  b.z = f.whole("z", 0);
  b.sizeX = f.whole("sizeX", 1);
  b.sizeY = f.whole("sizeY", 1);
  b.sizeZ = f.whole("sizeZ", 1);
  b.nx = f.whole("nx", 1);
  b.ny = f.whole("ny", 1);
  b.nz = f.whole("nz", 1);
  b.orientation = f.whole("orientation", 0);
  if (!isOrientationCode(b.orientation)) throw Damage{f.where("orientation") + ": not a code from 0 to 5"};
  b.material = f.whole("material", 0);
  if (b.material >= kMaterialCount) throw Damage{f.where("material") + ": not a colour from 0 to 9"};
  b.count = f.whole("count", 0);
  if (b.count > b.capacity()) throw Damage{f.where("count") + ": more cartons than the block's grid holds"};
  b.gapX = f.whole("gapX", 0);
  b.gapY = f.whole("gapY", 0);
  b.gapZ = f.whole("gapZ", 0);
  b.cartonIndex = f.whole("cartonIndex", 0);
  if (static_cast<std::size_t>(b.cartonIndex) >= cartons.size())
    throw Damage{f.where("cartonIndex") + ": no carton " + std::to_string(b.cartonIndex) + " in the project"};
  // The block shows its carton by the project's name: a name stored with it that differs
  // (an edited file) is not shown as though it were the carton's.
  (void)f.name("cartonName", std::string());
  b.cartonName = cartons[static_cast<std::size_t>(b.cartonIndex)].name;
  return b;
}

LoadedPallet readLoadedPallet(const Json& value, const std::string& path, const std::vector<Carton>& cartons) {
  const Fields f(value, path);
  LoadedPallet pallet;
  pallet.type = readPalletType(f.required("type"), path + ".type");
  pallet.height = f.whole("height", 0);
  pallet.grossWeight = f.number("grossWeight", 0.0);
  if (const Json* centre = f.find("centreOfGravity")) {
    const Fields c(*centre, path + ".centreOfGravity");
    pallet.centreX = c.number("x", 0.0);
    pallet.centreY = c.number("y", 0.0);
    pallet.centreZ = c.number("z", 0.0);
  }
  const Json& blocks = arrayAt(f, "blocks");
  for (std::size_t k = 0; k < blocks.size(); ++k)
    pallet.blocks.push_back(readBlock(blocks[k], indexed(path + ".blocks", k), cartons));
  return pallet;
}

PalletPlacement readPlacement(const Json& value, const std::string& path, std::size_t pallets) {
  const Fields f(value, path);
  PalletPlacement p;
  p.pallet = f.whole("pallet", 0);
  if (static_cast<std::size_t>(p.pallet) >= pallets)
    throw Damage{f.where("pallet") + ": no pallet " + std::to_string(p.pallet) + " in the result"};
  p.x = f.whole("x", 0);
  p.y = f.whole("y", 0);
  p.z = f.whole("z", 0);
  p.turned = f.flag("turned", false);
  return p;
}

ContainerType readContainerType(const Json& value, const std::string& path) {
  ContainerType type;
  type.container = readContainer(value, path);
  const Fields f(value, path);
  if (f.find("cost")) type.cost = f.number("cost", 0);
  if (f.find("available")) type.available = f.whole("available", 0);
  return type;
}

ProjectResult readResult(const Json& value, const std::vector<Carton>& cartons, std::size_t fleetTypes) {
  const Fields f(value, "result");
  ProjectResult result;
  const std::string planner = f.name("planner");
  if (planner == "sets") result.mode = PlanningMode::Sets;
  else if (planner == "max") result.mode = PlanningMode::LoadMax;
  else if (planner == "fleet") result.mode = PlanningMode::Fleet;
  else if (planner == "pallets") result.mode = PlanningMode::Pallets;
  else throw Damage{f.where("planner") + ": not sets, max, fleet or pallets"};
  if (result.mode == PlanningMode::Fleet || result.mode == PlanningMode::Pallets) {
    const std::string goal = f.name("goal", std::string("cheapest"));
    if (goal == "cheapest") result.goal = FleetGoal::Cheapest;
    else if (goal == "fixed") result.goal = FleetGoal::FixedFleet;
    else throw Damage{f.where("goal") + ": not cheapest or fixed"};
    if (const Json* bound = f.find("lowerBound")) {
      const Fields b(*bound, "result.lowerBound");
      result.lowerBoundContainers = b.whole("containers", 0, 0);
      result.lowerBoundCost = b.number("cost", 0);
    }
  }
  result.supportPercent = f.whole("supportPercent", 0, 0);
  if (result.supportPercent > 100) throw Damage{f.where("supportPercent") + ": above 100"};
  result.timedOut = f.flag("timedOut", false);
  if (result.mode == PlanningMode::Pallets) {
    const Json& pallets = arrayAt(f, "pallets");
    for (std::size_t i = 0; i < pallets.size(); ++i)
      result.pallets.push_back(readLoadedPallet(pallets[i], indexed("result.pallets", i), cartons));
  }
  const Json& containers = arrayAt(f, "containers");
  if (containers.size() > kMaxSavedPlanContainers)
    throw Damage{f.where("containers") + ": more than " + std::to_string(kMaxSavedPlanContainers) + " containers"};
  for (std::size_t i = 0; i < containers.size(); ++i) {
    const std::string path = indexed("result.containers", i);
    const Fields loaded(containers[i], path);
    LoadedContainer out;
    out.container = readContainer(loaded.required("container"), path + ".container");
    if (result.mode == PlanningMode::Fleet || (result.mode == PlanningMode::Pallets && loaded.find("fleetType"))) {
      out.fleetType = loaded.whole("fleetType", 0);
      if (static_cast<std::size_t>(out.fleetType) >= fleetTypes)
        throw Damage{loaded.where("fleetType") + ": no container type " + std::to_string(out.fleetType) + " in the project"};
    }
    const Json& blocks = arrayAt(loaded, "blocks");
    for (std::size_t k = 0; k < blocks.size(); ++k)
      out.blocks.push_back(readBlock(blocks[k], indexed(path + ".blocks", k), cartons));
    if (result.mode == PlanningMode::Pallets) {
      const Json& pallets = arrayAt(loaded, "pallets");
      for (std::size_t k = 0; k < pallets.size(); ++k)
        out.pallets.push_back(readPlacement(pallets[k], indexed(path + ".pallets", k), result.pallets.size()));
    }
    result.containers.push_back(std::move(out));
  }
  // Checking a plan takes its cartons one by one: a plan of more than any container holds
  // is refused before that, whatever its blocks claim.
  std::int64_t cartonTotal = 0;
  const auto add = [&](const std::vector<BlockScheme>& blocks) {
    for (const BlockScheme& b : blocks) cartonTotal += b.count;
  };
  for (const LoadedPallet& pallet : result.pallets) add(pallet.blocks);
  for (const LoadedContainer& loaded : result.containers) add(loaded.blocks);
  if (cartonTotal > kMaxSavedPlanCartons)
    throw Damage{"result: more than " + std::to_string(kMaxSavedPlanCartons) + " cartons loaded"};
  return result;
}

PlanningMode readPlannerName(const Fields& f, std::string_view key) {
  const std::string name = f.name(key);
  if (name == "sets") return PlanningMode::Sets;
  if (name == "max") return PlanningMode::LoadMax;
  if (name == "fleet") return PlanningMode::Fleet;
  if (name == "pallets") return PlanningMode::Pallets;
  throw Damage{f.where(key) + ": not sets, max, fleet or pallets"};
}

// The longest time limit a project may ask for, in seconds.
constexpr double kMaxPlannerSeconds = 3600;

double readSeconds(const Fields& f, std::string_view key, double fallback) {
  const double seconds = f.number(key, fallback);
  if (!(seconds > 0) || seconds > kMaxPlannerSeconds)
    throw Damage{f.where(key) + ": not a number of seconds above 0 and at most 3600"};
  return seconds;
}

PlannerChoice readPlanner(const Json& value) {
  const Fields f(value, "planner");
  PlannerChoice p;
  p.mode = readPlannerName(f, "mode");
  const std::string goal = f.name("goal", std::string("cheapest"));
  if (goal == "cheapest") p.goal = FleetGoal::Cheapest;
  else if (goal == "fixed") p.goal = FleetGoal::FixedFleet;
  else throw Damage{f.where("goal") + ": not cheapest or fixed"};
  p.loadMaxTimeLimit = readSeconds(f, "loadMaxTimeLimit", p.loadMaxTimeLimit);
  p.fleetTimeLimit = readSeconds(f, "fleetTimeLimit", p.fleetTimeLimit);
  p.supportPercent = f.whole("supportPercent", 0, p.supportPercent);
  if (p.supportPercent > 100) throw Damage{f.where("supportPercent") + ": above 100"};
  return p;
}

FillScheme readProject(const Json& document) {
  const Fields f(document, "");
  FillScheme project;
  project.container = readContainer(f.required("container"), "container");
  if (const Json* spacing = f.find("spacing")) {
    const Fields s(*spacing, "spacing");
    project.spacingL = s.whole("length", 0, 0);
    project.spacingW = s.whole("width", 0, 0);
    project.spacingH = s.whole("height", 0, 0);
  }
  if (f.find("stops")) {
    const Json& stops = arrayAt(f, "stops");
    for (std::size_t i = 0; i < stops.size(); ++i) {
      const std::string path = indexed("stops", i);
      if (!stops[i].is_string()) throw Damage{path + ": not a text"};
      std::string name = stops[i].get<std::string>();
      if (name.empty() || name.size() > kMaxStoredNameBytes)
        throw Damage{path + ": not a name of 1 to " + std::to_string(kMaxStoredNameBytes) + " bytes"};
      if (std::find(project.stops.begin(), project.stops.end(), name) != project.stops.end())
        throw Damage{path + ": a second stop of the same name"};
      project.stops.push_back(std::move(name));
    }
  }
  const Json& cartons = arrayAt(f, "cartons");
  for (std::size_t i = 0; i < cartons.size(); ++i)
    project.cartons.push_back(readCarton(cartons[i], indexed("cartons", i), project.stops));
  if (const Json* fleet = f.find("fleet")) {
    if (!fleet->is_array()) throw Damage{f.where("fleet") + ": not a list"};
    for (std::size_t i = 0; i < fleet->size(); ++i)
      project.fleet.push_back(readContainerType((*fleet)[i], indexed("fleet", i)));
  }
  if (const Json* pallets = f.find("palletTypes")) {
    if (!pallets->is_array()) throw Damage{f.where("palletTypes") + ": not a list"};
    for (std::size_t i = 0; i < pallets->size(); ++i)
      project.palletTypes.push_back(readPalletType((*pallets)[i], indexed("palletTypes", i)));
  }
  if (const Json* planner = f.find("planner")) project.planner = readPlanner(*planner);
  if (const Json* result = f.find("result"); result != nullptr && !result->is_null())
    project.result = readResult(*result, project.cartons, project.fleetOrContainer().size());
  return project;
}

// Whether brackets nest no deeper than limit, strings skipped. Checked on the raw bytes
// before parsing, so a hostile document never recurses deep in the parser.
bool nestsWithin(std::span<const std::uint8_t> bytes, int limit) {
  int depth = 0;
  bool inString = false, escaped = false;
  for (const std::uint8_t byte : bytes) {
    if (inString) {
      if (escaped) escaped = false;
      else if (byte == '\\') escaped = true;
      else if (byte == '"') inString = false;
    } else if (byte == '"') {
      inString = true;
    } else if (byte == '{' || byte == '[') {
      if (++depth > limit) return false;
    } else if (byte == '}' || byte == ']') {
      --depth;
    }
  }
  return true;
}

// "line 3, column 14" of a byte position counted from 1.
std::string lineAndColumn(std::span<const std::uint8_t> bytes, std::size_t position) {
  std::size_t line = 1, column = 1;
  for (std::size_t i = 0; i + 1 < position && i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ++line;
      column = 1;
    } else if ((bytes[i] & 0xC0) != 0x80) {
      ++column;  // a character, not a continuation byte
    }
  }
  std::string text = "line ";
  return text.append(std::to_string(line)).append(", column ").append(std::to_string(column));
}

ProjectJsonOutcome failure(ProjectJsonProblem problem, std::string detail) { return {problem, std::move(detail)}; }

// What is damaged, by the thing's number from 1 and its name where the path names a carton
// type, a container type or a pallet type, the path after it ("carton type 2 (洗衣机):
// cartons[1].count: ..."); the path alone otherwise.
std::string namedDamage(const Json& document, const std::string& where) {
  struct Kind {
    const char* list;
    const char* chinese;
    const char* english;
  };
  static const Kind kinds[] = {{"cartons", "种纸箱", "carton type "},
                               {"fleet", "种集装箱", "container type "},
                               {"palletTypes", "种托盘", "pallet type "}};
  for (const Kind& kind : kinds) {
    const std::string prefix = std::string(kind.list) + "[";
    if (where.rfind(prefix, 0) != 0) continue;
    const std::size_t close = where.find(']');
    if (close == std::string::npos) return where;
    std::size_t index = 0;
    try {
      index = std::stoul(where.substr(prefix.size(), close - prefix.size()));
    } catch (const std::exception&) {
      return where;
    }
    std::string name;
    const auto list = document.find(kind.list);
    if (list != document.end() && list->is_array() && index < list->size() && (*list)[index].is_object()) {
      const auto named = (*list)[index].find("name");
      if (named != (*list)[index].end() && named->is_string()) name = named->get<std::string>();
    }
    const std::string number = std::to_string(index + 1);
    const std::string named = name.empty() ? "" : inLanguage("（", " (") + name + inLanguage("）", ")");
    const std::string which = currentLanguage() == Language::Chinese ? "第 " + number + " " + kind.chinese
                                                                      : kind.english + number;
    return which + named + inLanguage("：", ": ") + where;
  }
  return where;
}

// A key given twice in one object: JSON leaves open which one counts, so the file is
// refused rather than read one way here and another way elsewhere.
struct RepeatedKey {
  std::string key;
};

// A parser callback that throws RepeatedKey at the second of two equal keys of an object.
Json::parser_callback_t refuseRepeatedKeys() {
  auto keys = std::make_shared<std::vector<std::set<std::string>>>();
  return [keys](int, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start: keys->emplace_back(); break;
      case Json::parse_event_t::object_end:
        if (!keys->empty()) keys->pop_back();
        break;
      case Json::parse_event_t::key:
        if (!keys->empty() && !keys->back().insert(parsed.get<std::string>()).second)
          throw RepeatedKey{parsed.get<std::string>()};
        break;
      default: break;
    }
    return true;
  };
}

}  // namespace

const std::vector<std::string>& knownProjectFeatures() {
  static const std::vector<std::string> features{"fleet", "pallets", kFeatureStacking, kFeatureStops,
                                                 kFeatureBalance, kFeatureAxles};
  return features;
}

std::string projectToJson(const FillScheme& project) {
  Json document;
  document[std::string(kFormatKey)] = kProjectFormat;
  document["requires"] = featuresOf(project);
  document["container"] = containerJson(project.container);
  document["spacing"] = Json{{"length", project.spacingL}, {"width", project.spacingW}, {"height", project.spacingH}};
  if (!project.stops.empty()) document["stops"] = project.stops;
  Json cartons = Json::array();
  for (const Carton& c : project.cartons) cartons.push_back(cartonJson(c));
  document["cartons"] = std::move(cartons);
  if (!project.fleet.empty()) {
    Json fleet = Json::array();
    for (const ContainerType& type : project.fleet) fleet.push_back(containerTypeJson(type));
    document["fleet"] = std::move(fleet);
  }
  if (!project.palletTypes.empty()) {
    Json pallets = Json::array();
    for (const PalletType& type : project.palletTypes) pallets.push_back(palletTypeJson(type));
    document["palletTypes"] = std::move(pallets);
  }
  if (project.planner) document["planner"] = plannerJson(*project.planner);
  if (!project.result.empty()) document["result"] = resultJson(project.result);
  std::string out;
  write(document, 0, out);
  return out + "\n";
}

bool looksLikeProjectJson(std::span<const std::uint8_t> bytes) {
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\n' || bytes[i] == '\r')) ++i;
  };
  skipBlanks();
  if (i >= bytes.size() || bytes[i] != '{') return false;
  ++i;
  skipBlanks();
  std::string key = "\"";
  key.append(kFormatKey).append("\"");
  if (bytes.size() - i < key.size()) return false;
  return std::equal(key.begin(), key.end(), bytes.begin() + static_cast<std::ptrdiff_t>(i));
}

ProjectJsonOutcome projectFromJson(std::span<const std::uint8_t> bytes, FillScheme& project) {
  const bool looksLikeProject = looksLikeProjectJson(bytes);
  if (!nestsWithin(bytes, kMaxProjectNesting))
    return failure(looksLikeProject ? ProjectJsonProblem::Damaged : ProjectJsonProblem::NotAProject,
                   std::string("nested deeper than ").append(std::to_string(kMaxProjectNesting)).append(" levels"));
  Json document;
  try {
    document = Json::parse(bytes.begin(), bytes.end(), refuseRepeatedKeys());
  } catch (const RepeatedKey& repeated) {
    if (!looksLikeProject) return failure(ProjectJsonProblem::NotAProject, "");
    return failure(ProjectJsonProblem::Damaged, "\"" + repeated.key + "\": given twice in one object");
  } catch (const Json::parse_error& e) {
    if (!looksLikeProject) return failure(ProjectJsonProblem::NotAProject, "");
    std::string what = e.what();
    // "[json.exception.parse_error.101] parse error at line 1, column 7: syntax error ..."
    if (const std::size_t colon = what.find(": "); colon != std::string::npos) what = what.substr(colon + 2);
    return failure(ProjectJsonProblem::Damaged, lineAndColumn(bytes, e.byte) + ": " + what);
  } catch (const Json::exception& e) {
    // A number beyond what a double holds, and the like.
    if (!looksLikeProject) return failure(ProjectJsonProblem::NotAProject, "");
    std::string what = e.what();
    if (const std::size_t bracket = what.find("] "); bracket != std::string::npos) what = what.substr(bracket + 2);
    return failure(ProjectJsonProblem::Damaged, what);
  }
  if (!document.is_object() || !document.contains(std::string(kFormatKey)))
    return failure(ProjectJsonProblem::NotAProject, "");
  const Json& format = document[std::string(kFormatKey)];
  if (!format.is_number_integer()) return failure(ProjectJsonProblem::Damaged, std::string(kFormatKey) + ": not a format number");
  if (format.get<std::int64_t>() > kProjectFormat)
    return failure(ProjectJsonProblem::NewerFormat, std::to_string(format.get<std::int64_t>()));
  if (format.get<std::int64_t>() < kProjectFormat)
    return failure(ProjectJsonProblem::Damaged,
                   std::string(kFormatKey) + ": " + std::to_string(format.get<std::int64_t>()) + " is no format of this program");
  if (const auto required = document.find("requires"); required != document.end()) {
    if (!required->is_array()) return failure(ProjectJsonProblem::Damaged, "requires: not a list");
    std::string unknown;
    for (const Json& feature : *required) {
      if (!feature.is_string()) return failure(ProjectJsonProblem::Damaged, "requires: holds something that is not a name");
      const std::string name = feature.get<std::string>();
      const auto& known = knownProjectFeatures();
      if (std::find(known.begin(), known.end(), name) == known.end())
        unknown += (unknown.empty() ? "" : ", ") + name;
    }
    if (!unknown.empty()) return failure(ProjectJsonProblem::UnknownFeature, unknown);
  }
  try {
    project = readProject(document);
  } catch (const Damage& damage) {
    std::string where = damage.what;
    if (!where.empty() && where.front() == '.') where.erase(0, 1);
    return failure(ProjectJsonProblem::Damaged, namedDamage(document, where));
  }
  return {};
}
