#include "check/palletcheck.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "check/boxgrid.h"

namespace check {
namespace {

bool knownType(const NestedPlan& plan, std::int32_t type) {
  return type >= 0 && static_cast<std::size_t>(type) < plan.types.size();
}

double footprintOverlap(const Box& a, const Box& b) {
  const std::int64_t w = std::min(a.x2, b.x2) - std::max(a.x1, b.x1);
  const std::int64_t d = std::min(a.z2, b.z2) - std::max(a.z1, b.z1);
  return w > 0 && d > 0 ? double(w) * double(d) : 0.0;
}

double baseArea(const Box& b) { return double(b.x2 - b.x1) * double(b.z2 - b.z1); }

// Sums and limits compare with a little room for decimal weights.
bool above(double value, double limit) { return value > limit + 1e-9 * std::max(1.0, std::abs(limit)); }

class Findings {
 public:
  bool add(NestedViolation v) {
    if (report_.violations.size() >= kMaxViolations) {
      report_.stoppedEarly = true;
      return false;
    }
    report_.violations.push_back(std::move(v));
    return true;
  }
  bool full() const { return report_.stoppedEarly; }
  void stoppedEarly() { report_.stoppedEarly = true; }
  NestedReport take() { return std::move(report_); }

 private:
  NestedReport report_;
};

NestedViolation palletRule(Level level, std::size_t index, PalletRule rule, std::vector<std::size_t> items,
                           double amount) {
  NestedViolation v;
  v.level = level;
  v.index = index;
  v.rule = rule;
  v.items = std::move(items);
  v.amount = amount;
  return v;
}

NestedViolation planRule(Level level, std::size_t index, Violation violation) {
  NestedViolation v;
  v.level = level;
  v.index = index;
  v.plan = std::move(violation);
  return v;
}

// One item of a container: a loose carton or a placed pallet, as a gross box with its weight.
struct Item {
  Box box;
  double weight = 0;
  std::int64_t pallet = -1;  // the placed pallet's built pallet, -1 for a loose carton
};

class NestedChecker {
 public:
  explicit NestedChecker(const NestedPlan& plan) : plan_(plan) {}

  NestedReport run() {
    for (std::size_t k = 0; k < plan_.pallets.size() && !findings_.full(); ++k) checkPallet(k);
    for (std::size_t c = 0; c < plan_.containers.size() && !findings_.full(); ++c) checkContainer(c);
    if (!findings_.full()) checkWholePlan();
    return findings_.take();
  }

 private:
  void checkPallet(std::size_t k) {
    const BuiltPallet& pallet = plan_.pallets[k];
    const CheckInput input = palletCheckInput(plan_, k);
    const CheckReport report = checkPlan(input);
    if (report.stoppedEarly) findings_.stoppedEarly();
    for (const Violation& v : report.violations) {
      // The payload over the maximum load is the gross weight over its maximum.
      const bool added = v.rule == Rule::Weight
                             ? findings_.add(palletRule(Level::Pallet, k, PalletRule::TooHeavy, {}, v.amount))
                             : findings_.add(planRule(Level::Pallet, k, v));
      if (!added) return;
    }
    const PalletExtent extent = palletExtent(pallet);
    if (extent.sizeY > pallet.kind.maxHeight)
      findings_.add(palletRule(Level::Pallet, k, PalletRule::TooHigh, {}, double(extent.sizeY - pallet.kind.maxHeight)));
    if (pallet.statedHeight && *pallet.statedHeight != extent.sizeY)
      findings_.add(palletRule(Level::Pallet, k, PalletRule::StatedHeight, {},
                               std::abs(double(*pallet.statedHeight) - double(extent.sizeY))));
    const double gross = palletGrossWeight(pallet, plan_.types);
    if (pallet.statedGrossWeight && std::abs(*pallet.statedGrossWeight - gross) > 1e-6 * std::max(1.0, gross))
      findings_.add(palletRule(Level::Pallet, k, PalletRule::StatedWeight, {}, std::abs(*pallet.statedGrossWeight - gross)));
    if (plan_.typePallets.empty()) return;
    for (std::size_t i = 0; i < pallet.cartons.size() && !findings_.full(); ++i) {
      const std::int32_t type = pallet.cartons[i].type;
      if (!knownType(plan_, type) || static_cast<std::size_t>(type) >= plan_.typePallets.size()) continue;
      if (plan_.typePallets[static_cast<std::size_t>(type)] != pallet.kind.name)
        findings_.add(palletRule(Level::Pallet, k, PalletRule::WrongPallet, {i}, 0));
    }
  }

  bool knownPallet(std::int32_t pallet) const {
    return pallet >= 0 && static_cast<std::size_t>(pallet) < plan_.pallets.size();
  }

  void checkContainer(std::size_t c) {
    const NestedContainer& container = plan_.containers[c];
    const std::size_t loose = container.cartons.size();
    const CheckInput input = containerCheckInput(plan_, c);
    const CheckReport report = checkPlan(input);
    if (report.stoppedEarly) findings_.stoppedEarly();
    for (const Violation& v : report.violations) {
      // A placement that names no pallet is reported as such, not as a carton of no type.
      if (v.rule == Rule::UnknownType && !v.cartons.empty() && v.cartons[0] >= loose) continue;
      if (!findings_.add(planRule(Level::Container, c, v))) return;
    }
    // The centre of gravity and the axles with the weight where it lies.
    for (const Violation& v : checkWeightDistribution(containerMassInput(plan_, c)).violations)
      if (!findings_.add(planRule(Level::Container, c, v))) return;
    if (!plan_.typePallets.empty()) {
      for (std::size_t i = 0; i < loose; ++i) {
        const std::int32_t type = container.cartons[i].type;
        if (knownType(plan_, type) && static_cast<std::size_t>(type) < plan_.typePallets.size() &&
            !plan_.typePallets[static_cast<std::size_t>(type)].empty() &&
            !findings_.add(palletRule(Level::Container, c, PalletRule::NotOnPallet, {i}, 0)))
          return;
      }
    }
    // The items as gross boxes, as the plan rules saw them.
    std::vector<Item> items;
    items.reserve(input.cartons.size());
    for (std::size_t i = 0; i < input.cartons.size(); ++i) {
      const PlacedCarton& p = input.cartons[i];
      Item item;
      item.box = Box{p.x, p.y, p.z, std::int64_t(p.x) + p.sizeX + plan_.spacing.gapX,
                     std::int64_t(p.y) + p.sizeY + plan_.spacing.gapY, std::int64_t(p.z) + p.sizeZ + plan_.spacing.gapZ};
      if (p.type >= 0 && static_cast<std::size_t>(p.type) < input.types.size())
        item.weight = input.types[static_cast<std::size_t>(p.type)].weight;
      if (i >= loose) item.pallet = container.pallets[i - loose].pallet;
      items.push_back(item);
    }
    for (std::size_t k = 0; k < container.pallets.size() && !findings_.full(); ++k) {
      const PlacedPallet& placed = container.pallets[k];
      const std::size_t self = loose + k;
      if (!knownPallet(placed.pallet)) {
        findings_.add(palletRule(Level::Container, c, PalletRule::UnknownPallet, {self}, double(placed.pallet)));
        continue;
      }
      checkPlacedPallet(c, items, self, placed);
    }
  }

  void checkPlacedPallet(std::size_t c, const std::vector<Item>& items, std::size_t self, const PlacedPallet& placed) {
    const BuiltPallet& pallet = plan_.pallets[static_cast<std::size_t>(placed.pallet)];
    const PalletKind& kind = pallet.kind;
    const Box& box = items[self].box;
    const PalletExtent extent = palletExtent(pallet);
    // The stated box.
    const std::int64_t sizeX = placed.turned ? extent.sizeZ : extent.sizeX;
    const std::int64_t sizeZ = placed.turned ? extent.sizeX : extent.sizeZ;
    std::int64_t off = 0;
    if (placed.statedSizeX) off = std::max(off, std::abs(*placed.statedSizeX - sizeX));
    if (placed.statedSizeY) off = std::max(off, std::abs(*placed.statedSizeY - extent.sizeY));
    if (placed.statedSizeZ) off = std::max(off, std::abs(*placed.statedSizeZ - sizeZ));
    if (off > 0) findings_.add(palletRule(Level::Container, c, PalletRule::StatedSize, {self}, double(off)));
    // A forklift through the door: along the length of a straight pallet, across a turned one.
    const std::uint8_t needed = placed.turned ? kForkSides : kForkEnds;
    if ((kind.forkEntry & needed) == 0) findings_.add(palletRule(Level::Container, c, PalletRule::ForkSide, {self}, 0));
    // On the floor, or on pallets carrying its whole base.
    if (box.y1 > 0) {
      double carried = 0;
      for (std::size_t j = 0; j < items.size(); ++j) {
        if (j == self || items[j].box.y2 != box.y1) continue;
        const double overlap = footprintOverlap(box, items[j].box);
        if (overlap <= 0) continue;
        if (items[j].pallet < 0) {
          if (!findings_.add(palletRule(Level::Container, c, PalletRule::OnCartons, {self, j}, 0))) return;
        } else {
          carried += overlap;
        }
      }
      const double base = baseArea(box);
      if (base > 0 && carried < base)
        findings_.add(palletRule(Level::Container, c, PalletRule::NotCarried, {self}, 100.0 - carried * 100.0 / base));
    }
    // What stands on it, and what it bears.
    double load = 0;
    for (std::size_t j = 0; j < items.size(); ++j) {
      const Box& other = items[j].box;
      if (j == self || other.y1 < box.y2) continue;
      const double overlap = footprintOverlap(box, other);
      if (overlap <= 0) continue;
      if (other.y1 == box.y2 && !kind.stackable &&
          !findings_.add(palletRule(Level::Container, c, PalletRule::NotStackable, {self, j}, 0)))
        return;
      const double area = baseArea(other);
      if (area > 0) load += items[j].weight * overlap / area;
    }
    if (kind.stackable && above(load, kind.maxLoadOnTop))
      findings_.add(palletRule(Level::Container, c, PalletRule::LoadOnTop, {self}, load - kind.maxLoadOnTop));
  }

  void checkWholePlan() {
    std::vector<std::int64_t> placements(plan_.pallets.size(), 0);
    for (const NestedContainer& container : plan_.containers)
      for (const PlacedPallet& placed : container.pallets)
        if (knownPallet(placed.pallet)) ++placements[static_cast<std::size_t>(placed.pallet)];
    for (std::size_t k = 0; k < placements.size() && !findings_.full(); ++k) {
      if (placements[k] == 0) findings_.add(palletRule(Level::Plan, 0, PalletRule::NotPlaced, {k}, 0));
      if (placements[k] > 1) findings_.add(palletRule(Level::Plan, 0, PalletRule::PlacedTwice, {k}, double(placements[k] - 1)));
    }
    CheckInput all;
    all.types = plan_.types;
    all.setCount = 1;
    for (const BuiltPallet& pallet : plan_.pallets) all.cartons.insert(all.cartons.end(), pallet.cartons.begin(), pallet.cartons.end());
    for (const NestedContainer& container : plan_.containers)
      all.cartons.insert(all.cartons.end(), container.cartons.begin(), container.cartons.end());
    const CheckReport counts = checkCounts(all);
    if (counts.stoppedEarly) findings_.stoppedEarly();
    for (const Violation& v : counts.violations)
      if (!findings_.add(planRule(Level::Plan, 0, v))) return;
  }

  const NestedPlan& plan_;
  Findings findings_;
};

}  // namespace

PalletExtent palletExtent(const BuiltPallet& pallet) {
  const PalletKind& k = pallet.kind;
  std::int64_t x1 = k.overhang, z1 = k.overhang;
  std::int64_t x2 = std::int64_t{k.overhang} + k.width, z2 = std::int64_t{k.overhang} + k.length;
  std::int64_t top = k.baseHeight;
  for (const PlacedCarton& c : pallet.cartons) {
    x1 = std::min<std::int64_t>(x1, c.x);
    z1 = std::min<std::int64_t>(z1, c.z);
    x2 = std::max<std::int64_t>(x2, std::int64_t{c.x} + c.sizeX);
    z2 = std::max<std::int64_t>(z2, std::int64_t{c.z} + c.sizeZ);
    top = std::max<std::int64_t>(top, std::int64_t{c.y} + c.sizeY);
  }
  return PalletExtent{x1, z1, x2 - x1, top, z2 - z1};
}

CheckInput containerMassInput(const NestedPlan& plan, std::size_t container) {
  const NestedContainer& c = plan.containers[container];
  CheckInput input;
  input.container = c.container;
  input.balance = c.balance;
  input.vehicle = c.vehicle;
  input.stops = plan.stops;
  input.setCount = 1;
  input.types = plan.types;
  input.cartons = c.cartons;
  for (const PlacedPallet& placed : c.pallets) {
    if (placed.pallet < 0 || static_cast<std::size_t>(placed.pallet) >= plan.pallets.size()) continue;
    const BuiltPallet& pallet = plan.pallets[static_cast<std::size_t>(placed.pallet)];
    const PalletExtent extent = palletExtent(pallet);
    std::int32_t stop = std::numeric_limits<std::int32_t>::max();
    for (const PlacedCarton& carton : pallet.cartons)
      if (knownType(plan, carton.type)) stop = std::min(stop, plan.types[static_cast<std::size_t>(carton.type)].stop);
    if (stop == std::numeric_limits<std::int32_t>::max()) stop = 0;
    // A box in pallet coordinates where it stands in the container.
    const auto inContainer = [&](std::int64_t x, std::int64_t y, std::int64_t z, std::int64_t sx, std::int64_t sy,
                                 std::int64_t sz, std::int32_t type) {
      const auto at = [](std::int64_t v) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                                  std::numeric_limits<std::int32_t>::max()));
      };
      const std::int64_t dx = x - extent.x1, dz = z - extent.z1;
      if (!placed.turned) return PlacedCarton{type, at(placed.x + dx), at(placed.y + y), at(placed.z + dz), at(sx), at(sy), at(sz)};
      return PlacedCarton{type, at(placed.x + dz), at(placed.y + y), at(placed.z + dx), at(sz), at(sy), at(sx)};
    };
    // The pallet's own copies of its carton types, leaving at its stop.
    std::vector<std::int32_t> ownType(plan.types.size(), -1);
    for (const PlacedCarton& carton : pallet.cartons) {
      if (!knownType(plan, carton.type)) continue;
      std::int32_t& own = ownType[static_cast<std::size_t>(carton.type)];
      if (own < 0) {
        CartonType type = plan.types[static_cast<std::size_t>(carton.type)];
        type.stop = stop;
        input.types.push_back(type);
        own = static_cast<std::int32_t>(input.types.size() - 1);
      }
      input.cartons.push_back(inContainer(carton.x, carton.y, carton.z, carton.sizeX, carton.sizeY, carton.sizeZ, own));
    }
    CartonType tare;
    tare.name = pallet.kind.name;
    tare.weight = pallet.kind.tareWeight;
    tare.stop = stop;
    input.types.push_back(tare);
    const PalletKind& k = pallet.kind;
    input.cartons.push_back(inContainer(k.overhang, 0, k.overhang, k.width, k.baseHeight, k.length,
                                        static_cast<std::int32_t>(input.types.size() - 1)));
  }
  return input;
}

double palletGrossWeight(const BuiltPallet& pallet, const std::vector<CartonType>& types) {
  double weight = pallet.kind.tareWeight;
  for (const PlacedCarton& c : pallet.cartons)
    if (c.type >= 0 && static_cast<std::size_t>(c.type) < types.size()) weight += types[static_cast<std::size_t>(c.type)].weight;
  return weight;
}

CheckInput palletCheckInput(const NestedPlan& plan, std::size_t pallet) {
  const BuiltPallet& p = plan.pallets[pallet];
  const PalletKind& k = p.kind;
  const PalletExtent extent = palletExtent(p);
  CheckInput input;
  constexpr std::int64_t kMost = std::numeric_limits<std::int32_t>::max();
  const auto clamped = [&](std::int64_t v) { return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, kMost)); };
  // The height is not a limit here: the pallet's maximum height is its own rule.
  input.container = ContainerSize{clamped(std::int64_t{k.width} + 2 * std::int64_t{k.overhang}),
                                  clamped(std::max<std::int64_t>(extent.sizeY - k.baseHeight, 1)),
                                  clamped(std::int64_t{k.length} + 2 * std::int64_t{k.overhang}),
                                  k.maxGrossWeight - k.tareWeight};
  input.supportPercent = 100;
  input.setCount = 1;
  input.types = plan.types;
  for (CartonType& t : input.types) {
    t.count = std::numeric_limits<std::int32_t>::max();  // counted over the whole plan
    t.zone = kZoneFree;
  }
  input.cartons = p.cartons;
  // A carton below the top of the base keeps its depth below it, as a negative height.
  for (std::size_t i = 0; i < input.cartons.size(); ++i)
    input.cartons[i].y = static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{p.cartons[i].y} - k.baseHeight,
                                                                             -kMost, kMost));
  return input;
}

CheckInput containerCheckInput(const NestedPlan& plan, std::size_t container) {
  const NestedContainer& c = plan.containers[container];
  CheckInput input;
  input.container = c.container;
  input.spacing = plan.spacing;
  input.supportPercent = plan.supportPercent;
  input.setCount = 1;
  input.types = plan.types;
  input.cartons = c.cartons;
  for (const PlacedPallet& placed : c.pallets) {
    if (placed.pallet < 0 || static_cast<std::size_t>(placed.pallet) >= plan.pallets.size()) {
      input.cartons.push_back(PlacedCarton{-1, placed.x, placed.y, placed.z, 0, 0, 0});
      continue;
    }
    const BuiltPallet& pallet = plan.pallets[static_cast<std::size_t>(placed.pallet)];
    const PalletExtent extent = palletExtent(pallet);
    const auto size = [](std::int64_t v) {
      return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, std::numeric_limits<std::int32_t>::max()));
    };
    CartonType type;
    type.name = pallet.kind.name;
    type.length = size(extent.sizeZ);
    type.width = size(extent.sizeX);
    type.height = size(extent.sizeY);
    type.count = 1;
    type.weight = palletGrossWeight(pallet, plan.types);
    type.standingEdges = kEdgeH;
    type.zone = kZoneDoor;
    bool anyCarton = false;
    for (const PlacedCarton& carton : pallet.cartons) {
      if (!knownType(plan, carton.type)) continue;
      type.zone = std::min(type.zone, plan.types[static_cast<std::size_t>(carton.type)].zone);
      anyCarton = true;
    }
    if (!anyCarton) type.zone = kZoneFree;
    input.types.push_back(type);
    const std::int32_t sizeX = placed.turned ? type.length : type.width;
    const std::int32_t sizeZ = placed.turned ? type.width : type.length;
    input.cartons.push_back(PlacedCarton{static_cast<std::int32_t>(input.types.size() - 1), placed.x, placed.y, placed.z,
                                         sizeX, type.height, sizeZ});
  }
  return input;
}

NestedReport checkNestedPlan(const NestedPlan& plan) { return NestedChecker(plan).run(); }

}  // namespace check
