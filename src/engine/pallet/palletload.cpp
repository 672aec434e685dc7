#include "engine/pallet/palletload.h"
#include "engine/fleet/containerjob.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <numeric>
#include <set>
#include <utility>

namespace pallet {
namespace {

using Clock = std::chrono::steady_clock;
using Loads = std::vector<std::pair<std::int32_t, std::vector<BlockScheme>>>;

constexpr std::int32_t kMostStacked = 1000;
// Of several containers: the share of the time for the containers one after another, and
// the least time one container of them gets.
constexpr double kFirstShare = 0.5;
constexpr double kLeastContainerSeconds = 0.3;
// The least time limit of a load-max run: a run of no limit is never meant.
constexpr double kLeastSeconds = 1e-3;
// The least effort one container of them gets.
constexpr std::uint64_t kLeastContainerEffort = 20'000;

// Identical built pallets, loaded as units of one cargo type.
struct Group {
  std::vector<std::size_t> members;  // into BuiltPallets::pallets, not yet placed first
  std::size_t next = 0;
  PlacedBox box;                      // a member's box, pallet coordinates
  bool straight = true, turned = true;  // the turns its forklift sides allow
  std::int32_t zone = static_cast<std::int32_t>(LoadZone::Free);
};

// A cargo type of stage 2 made of pallets: `pallets` of one group side by side along the
// container's length in a slot of `slot` pallets, all turned alike.
struct Unit {
  std::size_t group = 0;
  std::int32_t pallets = 1;
  std::int32_t alongZ = 0;     // one pallet's extent along the container's length in the unit
  bool fixedTurn = false;      // the unit may stand only one way: the pallets' turn is `turned`
  bool turned = false;
};

// The places of a block's cartons: its first count places, along z, then up, then across.
template <typename Visit>
void forEachPlace(const BlockScheme& b, Visit visit) {
  std::int64_t left = b.count;
  for (std::int32_t ix = 0; ix < b.nx && left > 0; ++ix)
    for (std::int32_t iy = 0; iy < b.ny && left > 0; ++iy)
      for (std::int32_t iz = 0; iz < b.nz && left > 0; ++iz, --left)
        visit(b.x + ix * (b.sizeX + b.gapX), b.y + iy * (b.sizeY + b.gapY), b.z + iz * (b.sizeZ + b.gapZ));
}

std::int32_t zoneOf(const LoadedPallet& pallet, const MaxLoadInput& cargo) {
  std::int32_t zone = static_cast<std::int32_t>(LoadZone::Door) + 1;
  for (const BlockScheme& b : pallet.blocks)
    if (b.count > 0 && b.cartonIndex >= 0 && static_cast<std::size_t>(b.cartonIndex) < cargo.types.size())
      zone = std::min(zone, static_cast<std::int32_t>(cargo.types[static_cast<std::size_t>(b.cartonIndex)].zone));
  return zone > static_cast<std::int32_t>(LoadZone::Door) ? static_cast<std::int32_t>(LoadZone::Free) : zone;
}

class Loader {
 public:
  Loader(const PalletPlanInput& input, const BuiltPallets& built, const RunBudget& run, double seconds,
         std::uint64_t effort, const PalletControl& control)
      : input_(input), built_(built), run_(run), seconds_(seconds), effort_(effort),
        control_(control), cartons_(input.cargo.types.size()) {}

  PalletPlanResult run() {
    group();
    const MaxLoadInput cargo = stageCargo();
    if (input_.loading == PalletLoading::OneContainer) {
      Loads loads;
      if (!input_.containers.empty()) {
        MaxLoadInput in = into(cargo, 0, seconds_);
        if (effort_ > 0) in.effortBudget = std::min(effort_, kDefaultEffortBudget);
        MaxLoadControl control;
        control.cancel = control_.cancel;
        MaxLoadResult plan = planMaxLoad(in, control);
        if (plan.cancelled) return cancelled();
        loads.emplace_back(0, std::move(plan.blocks));
        PalletPlanResult result = answer(loads);
        result.timedOut = plan.timedOut;
        return result;
      }
      return answer(loads);
    }
    // Several containers: containers one after another first, an answer in any case; then
    // the several-containers planner with the time left. The answer that loads more wins,
    // then the cheaper.
    const Clock::time_point start = Clock::now();
    std::uint64_t effortUsed = 0;
    const Loads first = oneAfterAnother(cargo, seconds_ > 0 ? seconds_ * kFirstShare : 0,
                                        static_cast<std::uint64_t>(static_cast<double>(effort_) * kFirstShare), effortUsed);
    if (stopped()) return cancelled();
    PalletPlanResult best = answer(first);
    if (run_.mustEnd()) {
      best.timedOut = true;
      return best;
    }
    FleetInput fleet;
    fleet.containers = input_.containers;
    fleet.cargo = cargo;
    fleet.goal = input_.goal;
    fleet.timeLimitSeconds =
        seconds_ > 0 ? std::max(seconds_ - std::chrono::duration<double>(Clock::now() - start).count(), 0.1) : 0;
    if (effort_ > 0) fleet.effortBudget = std::max<std::uint64_t>(1, effort_ - std::min(effort_, effortUsed));
    fleet.threads = input_.threads;
    FleetControl control;
    control.cancel = control_.cancel;
    control.endBy = run_.end();
    const FleetResult plan = planFleet(fleet, control);
    if (plan.cancelled || stopped()) return cancelled();
    if (!plan.loads.empty()) {
      Loads loads;
      for (const FleetLoad& load : plan.loads) loads.emplace_back(load.type, load.blocks);
      PalletPlanResult other = answer(loads);
      if (better(other, best)) best = std::move(other);
    }
    best.timedOut = plan.timedOut;
    best.lowerBoundContainers = plan.lowerBoundContainers;
    best.lowerBoundCost = plan.lowerBoundCost;
    return best;
  }

 private:
  void group() {
    for (std::size_t k = 0; k < built_.pallets.size(); ++k) {
      const LoadedPallet& pallet = built_.pallets[k];
      auto same = std::find_if(groups_.begin(), groups_.end(), [&](const Group& g) {
        return built_.pallets[g.members.front()] == pallet;
      });
      if (same != groups_.end()) {
        same->members.push_back(k);
        continue;
      }
      Group g;
      g.members = {k};
      g.box = palletBox(pallet);
      g.straight = mayStandStraight(pallet.type);
      g.turned = mayStandTurned(pallet.type);
      g.zone = zoneOf(pallet, input_.cargo);
      groups_.push_back(std::move(g));
    }
  }

  bool onPallet(std::size_t i) const { return i < input_.cartonPallet.size() && input_.cartonPallet[i] >= 0; }
  std::int32_t looseCount(std::size_t i) const { return onPallet(i) ? 0 : std::max(0, input_.cargo.types[i].count); }

  std::int32_t widestContainer() const {
    std::int32_t widest = 0;
    for (const FleetContainerType& c : input_.containers) widest = std::max(widest, c.containerX);
    return widest;
  }
  std::int32_t shortestContainer() const {
    std::int32_t shortest = std::numeric_limits<std::int32_t>::max();
    for (const FleetContainerType& c : input_.containers) shortest = std::min(shortest, c.containerZ);
    return shortest;
  }

  // The zones of stage 2. A pallet belongs to the zone of its earliest carton; within each
  // zone the pallets go first, so that no pallet stands on a loose carton (nothing ever
  // stands on a pallet but the pallets of its stack). The load-max planner knows three
  // zones: when pallets and loose cartons need more, they share their zones, and a stack
  // the planner puts on loose cartons is left out (kept).
  std::vector<std::int32_t> zoneLevels(std::vector<std::int32_t>& looseLevel) const {
    std::set<std::pair<std::int32_t, int>> used;  // zone, then 0 for pallets, 1 for loose cartons
    for (const Group& g : groups_) used.insert({g.zone, 0});
    for (std::size_t i = 0; i < cartons_; ++i)
      if (looseCount(i) > 0) used.insert({static_cast<std::int32_t>(input_.cargo.types[i].zone), 1});
    const bool share = used.size() > 3;
    const auto level = [&](std::int32_t zone, int kind) {
      return share ? zone : static_cast<std::int32_t>(std::distance(used.begin(), used.find({zone, kind})));
    };
    std::vector<std::int32_t> groupLevel;
    for (const Group& g : groups_) groupLevel.push_back(level(g.zone, 0));
    looseLevel.assign(cartons_, static_cast<std::int32_t>(LoadZone::Free));
    for (std::size_t i = 0; i < cartons_; ++i)
      if (looseCount(i) > 0) looseLevel[i] = level(static_cast<std::int32_t>(input_.cargo.types[i].zone), 1);
    return groupLevel;
  }

  // The loose cartons as they are, then the units of pallets, a cargo type each.
  MaxLoadInput stageCargo() {
    std::vector<std::int32_t> looseLevel;
    const std::vector<std::int32_t> groupLevel = zoneLevels(looseLevel);
    MaxLoadInput cargo = input_.cargo;
    for (std::size_t i = 0; i < cartons_; ++i) {
      cargo.types[i].count = looseCount(i);
      cargo.types[i].zone = static_cast<LoadZone>(looseLevel[i]);
    }
    const std::int32_t gapZ = std::max(0, cargo.gapZ);
    for (std::size_t g = 0; g < groups_.size(); ++g) {
      const Group& group = groups_[g];
      const LoadedPallet& pallet = built_.pallets[group.members.front()];
      const auto n = static_cast<std::int32_t>(group.members.size());
      MaxLoadType type;
      type.name = pallet.type.name;
      type.height = group.box.sizeY;
      type.verticalEdges = 0;
      type.lyingEdges = kEdgeHeight;  // upright, and only pallets of its own kind above it
      type.lyingLayers = stackHeight(pallet);
      type.zone = static_cast<LoadZone>(groupLevel[g]);
      if (group.straight && group.turned) {
        type.length = group.box.sizeZ;
        type.width = group.box.sizeX;
        type.count = n;
        type.weight = pallet.grossWeight;
        add(cargo, type, Unit{g, 1, group.box.sizeZ, false, false});
        continue;
      }
      // One turn only: units long enough that they cannot stand across any container.
      const bool turned = !group.straight;
      const std::int32_t along = turned ? group.box.sizeX : group.box.sizeZ;
      const std::int32_t across = turned ? group.box.sizeZ : group.box.sizeX;
      std::int64_t slot = 1;
      while (slot * (along + gapZ) - gapZ <= widestContainer()) ++slot;
      if (slot * (along + gapZ) - gapZ > shortestContainer()) slot = 1;  // then a unit turned wrong is left out
      type.length = static_cast<std::int32_t>(slot * (along + gapZ) - gapZ);
      type.width = across;
      const auto perSlot = static_cast<std::int32_t>(slot);
      if (n / perSlot > 0) {
        type.count = n / perSlot;
        type.weight = pallet.grossWeight * perSlot;
        add(cargo, type, Unit{g, perSlot, along, true, turned});
      }
      if (n % perSlot > 0) {
        type.count = 1;
        type.weight = pallet.grossWeight * (n % perSlot);
        add(cargo, type, Unit{g, n % perSlot, along, true, turned});
      }
    }
    return cargo;
  }

  void add(MaxLoadInput& cargo, const MaxLoadType& type, const Unit& unit) {
    cargo.types.push_back(type);
    units_.push_back(unit);
  }

  // The answer of loads: each container's loose cartons as they are, its units as pallets.
  PalletPlanResult answer(const Loads& loads) {
    for (Group& g : groups_) g.next = 0;
    PalletPlanResult result;
    for (const auto& [type, blocks] : loads) unpack(type, blocks, result);
    leftovers(result);
    result.palletsBuilt = static_cast<std::int32_t>(built_.pallets.size());
    return result;
  }

  PalletPlanResult cancelled() const {
    PalletPlanResult result;
    result.cancelled = true;
    return result;
  }
  bool stopped() const { return control_.cancel && control_.cancel->load(std::memory_order_relaxed); }

  double costOf(const PalletPlanResult& r) const {
    double cost = 0;
    for (const PalletLoad& load : r.containers) cost += input_.containers[static_cast<std::size_t>(load.type)].cost;
    return cost;
  }
  static std::int64_t left(const PalletPlanResult& r) {
    std::int64_t n = 0;
    for (const std::int32_t l : r.leftovers) n += l;
    return n;
  }
  bool better(const PalletPlanResult& a, const PalletPlanResult& b) const {
    if (left(a) != left(b)) return left(a) < left(b);
    if (input_.goal == FleetGoal::Cheapest && costOf(a) != costOf(b)) return costOf(a) < costOf(b) - 1e-9;
    return a.containers.size() < b.containers.size();
  }

  // The cargo of stage 2 in the container type, with a time limit.
  MaxLoadInput into(const MaxLoadInput& cargo, std::size_t type, double seconds) const {
    MaxLoadInput in = cargoInContainer(cargo, input_.containers[type]);
    in.timeLimitSeconds = seconds;
    // Never past the run's end (a limit of 0 would be none).
    if (const std::optional<double> toEnd = run_.secondsToEnd())
      in.timeLimitSeconds = std::max(kLeastSeconds, seconds > 0 ? std::min(seconds, *toEnd) : *toEnd);
    in.threads = input_.threads;
    return in;
  }

  // Containers one after another, each of the first type in order of worth (the least cost
  // per volume; a fixed fleet: the largest first) still available that loads anything, each
  // loaded with what is left by the load-max planner within its share of the time.
  Loads oneAfterAnother(MaxLoadInput cargo, double seconds, std::uint64_t effort, std::uint64_t& effortUsed) {
    Loads loads;
    const std::size_t types = input_.containers.size();
    std::vector<std::size_t> order(types);
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto volume = [&](std::size_t t) {
      const FleetContainerType& c = input_.containers[t];
      return double(c.containerX) * c.containerY * c.containerZ;
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      if (input_.goal == FleetGoal::FixedFleet) return volume(a) > volume(b);
      return input_.containers[a].cost * volume(b) < input_.containers[b].cost * volume(a);
    });
    double cargoVolume = 0, largest = 1;
    for (const MaxLoadType& t : cargo.types) cargoVolume += double(t.count) * t.length * t.width * t.height;
    for (std::size_t t = 0; t < types; ++t) largest = std::max(largest, volume(t));
    const double estimate = std::max(1.0, std::ceil(cargoVolume / largest));
    const Clock::time_point deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    std::vector<std::int32_t> used(types, 0);
    MaxLoadControl control;
    control.cancel = control_.cancel;
    // Each container gets its share of the effort, at least a quick plan's; without an
    // effort budget the load-max planner's usual one.
    const std::uint64_t effortEach =
        effort_ > 0 ? std::max<std::uint64_t>(kLeastContainerEffort, static_cast<std::uint64_t>(static_cast<double>(effort) / estimate))
                    : kDefaultEffortBudget;
    double lastSeconds = 0;
    bool more = true;
    while (more && !stopped()) {
      // The run's end stops the containers: those loaded by then are the answer.
      if (!run_.leavesRoomFor(lastSeconds)) break;
      more = false;
      bool anyLeft = false;
      for (const MaxLoadType& t : cargo.types) anyLeft = anyLeft || t.count > 0;
      if (!anyLeft) break;
      for (const std::size_t t : order) {
        const std::int32_t available = input_.containers[t].available;
        if (available >= 0 && used[t] >= available) continue;
        double share = 0;
        if (seconds > 0) {
          const double left = std::chrono::duration<double>(deadline - Clock::now()).count();
          share = std::max(kLeastContainerSeconds, std::min(left, seconds / estimate));
        }
        MaxLoadInput in = into(cargo, t, share);
        in.effortBudget = effortEach;
        const Clock::time_point began = Clock::now();
        MaxLoadResult plan = planMaxLoad(in, control);
        lastSeconds = std::chrono::duration<double>(Clock::now() - began).count();
        effortUsed += plan.effortUsed;
        if (plan.cancelled) return loads;
        plan.blocks.erase(std::remove_if(plan.blocks.begin(), plan.blocks.end(),
                                         [&](const BlockScheme& b) { return !kept(b); }),
                          plan.blocks.end());
        if (plan.blocks.empty()) continue;
        for (const BlockScheme& b : plan.blocks) cargo.types[static_cast<std::size_t>(b.cartonIndex)].count -= b.count;
        loads.emplace_back(static_cast<std::int32_t>(t), std::move(plan.blocks));
        ++used[t];
        more = true;
        break;
      }
    }
    return loads;
  }

  // Whether a block of a plan is kept: a unit that may stand one way only, standing the
  // other way, and a stack on loose cartons are not loaded (a pallet stands on the floor or
  // on its own stack).
  bool kept(const BlockScheme& b) const {
    if (b.cartonIndex < 0 || static_cast<std::size_t>(b.cartonIndex) < cartons_) return true;
    const Unit& unit = units_[static_cast<std::size_t>(b.cartonIndex) - cartons_];
    return b.y == 0 && !(unit.fixedTurn && b.orientation == 2);
  }

  // A loaded container's blocks: the loose cartons as they are, the units as pallets.
  void unpack(std::int32_t type, const std::vector<BlockScheme>& blocks, PalletPlanResult& result) {
    PalletLoad load;
    load.type = type;
    for (const BlockScheme& b : blocks) {
      if (b.cartonIndex < 0) continue;
      const auto index = static_cast<std::size_t>(b.cartonIndex);
      if (index < cartons_) {
        load.blocks.push_back(b);
        continue;
      }
      if (!kept(b)) continue;
      const Unit& unit = units_[index - cartons_];
      Group& group = groups_[unit.group];
      // Orientation 3 keeps the unit's length along the container's length; 2 turns it.
      const bool unitTurned = b.orientation == 2;
      forEachPlace(b, [&](std::int32_t x, std::int32_t y, std::int32_t z) {
        for (std::int32_t k = 0; k < unit.pallets; ++k) {
          if (group.next >= group.members.size()) return;
          const bool turned = unit.fixedTurn ? unit.turned : unitTurned;
          const std::size_t member = group.members[group.next++];
          result.pallets.push_back(built_.pallets[member]);
          const std::int32_t offset = k * (unit.alongZ + std::max(0, input_.cargo.gapZ));
          load.pallets.push_back(
              PalletPlacement{static_cast<std::int32_t>(result.pallets.size() - 1), x, y, z + offset, turned});
        }
      });
    }
    if (!load.blocks.empty() || !load.pallets.empty()) result.containers.push_back(std::move(load));
  }

  void leftovers(PalletPlanResult& result) const {
    std::vector<std::int64_t> left(cartons_, 0);
    for (std::size_t i = 0; i < cartons_; ++i) left[i] = std::max(0, input_.cargo.types[i].count);
    for (const PalletLoad& load : result.containers)
      for (const BlockScheme& b : load.blocks)
        if (b.cartonIndex >= 0 && static_cast<std::size_t>(b.cartonIndex) < cartons_)
          left[static_cast<std::size_t>(b.cartonIndex)] -= b.count;
    for (const LoadedPallet& pallet : result.pallets)
      for (const BlockScheme& b : pallet.blocks)
        if (b.cartonIndex >= 0 && static_cast<std::size_t>(b.cartonIndex) < cartons_)
          left[static_cast<std::size_t>(b.cartonIndex)] -= b.count;
    result.leftovers.clear();
    for (const std::int64_t l : left) result.leftovers.push_back(static_cast<std::int32_t>(std::max<std::int64_t>(0, l)));
  }

  const PalletPlanInput& input_;
  const BuiltPallets& built_;
  const RunBudget& run_;
  const double seconds_;
  const std::uint64_t effort_;  // 0: each planner's usual budget
  const PalletControl& control_;
  const std::size_t cartons_;
  std::vector<Group> groups_;
  std::vector<Unit> units_;  // per cargo type from cartons_ on
};

}  // namespace

std::int32_t stackHeight(const LoadedPallet& pallet) {
  if (!pallet.type.stackable) return 1;
  if (pallet.grossWeight <= 0) return kMostStacked;
  const double bearable = std::floor(pallet.type.maxLoadOnTop / pallet.grossWeight + 1e-9);
  return static_cast<std::int32_t>(std::min<double>(kMostStacked, 1 + bearable));
}

bool mayStandStraight(const PalletType& type) { return (type.forkEntry & kForkFromEnds) != 0; }
bool mayStandTurned(const PalletType& type) { return (type.forkEntry & kForkFromSides) != 0; }

PalletPlanResult loadPallets(const PalletPlanInput& input, const BuiltPallets& built, const RunBudget& run,
                             double timeLimitSeconds, std::uint64_t effort, const PalletControl& control) {
  return Loader(input, built, run, timeLimitSeconds, effort, control).run();
}

}  // namespace pallet
