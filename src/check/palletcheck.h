#pragma once
// The checker of a pallet plan: cartons built onto pallets, the pallets and the loose
// cartons loaded into containers. Both levels are checked, each with the rules of a plan
// (plancheck.h) and the rules of pallets; data in, every broken rule out.
//
// Pallet coordinates: x across the pallet's width, y up from the floor the pallet stands
// on, z along its length, the origin at the corner of the loading area (the base with the
// overhang on every side). The base occupies [overhang, overhang + width] across,
// [0, baseHeight] up and [overhang, overhang + length] along.
//
// The rules of a built pallet:
// - every carton lies within the loading area and stands at or above the base; cartons on
//   a pallet stand tight (no spacing), on their allowed edges, do not overlap, and every
//   carton off the base rests on cartons below over its whole base (the base carries the
//   whole loading area);
// - its built height (the top of its highest carton, the base at least) stays within the
//   type's maximum height, and its gross weight (tare and cartons) within the maximum
//   gross weight;
// - the height and the gross weight the plan states are the pallet's.
// The rules of a container holding pallets and loose cartons:
// - a pallet is a box of its built height and gross weight over its base and its cartons;
//   pallets and loose cartons keep the rules of a plan (inside, no overlap with the
//   spacing, the maximum load, zones, support); a pallet's zone is the earliest of its
//   cartons' zones;
// - a pallet stands upright, on the floor or on pallets only, which carry its whole base;
// - nothing stands on a pallet whose type may not be stacked, and a pallet bears at most
//   its type's load on top: everything above its top, each box counted with the share of
//   its base over the pallet;
// - a forklift takes a pallet through the door, along the container's length: a pallet
//   turned (its length across the container) is entered from its long sides, else from its
//   short ends, and its type must allow that.
// The rules of the whole plan: every pallet of the plan stands in exactly one container;
// no carton type is loaded more often than its count, on pallets and loose together; a
// carton goes onto the pallet type its type names, or loose when it names none.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "check/plancheck.h"

namespace check {

// The sides a forklift may enter a pallet from, as bits.
inline constexpr std::uint8_t kForkEnds = 1;   // the short ends: forks along the length
inline constexpr std::uint8_t kForkSides = 2;  // the long sides: forks across the width

struct PalletKind {
  std::string name;
  std::int32_t length = 0, width = 0, baseHeight = 0;  // mm
  double tareWeight = 0;                               // kg
  std::int32_t maxHeight = 0;                          // mm, from the floor
  double maxGrossWeight = 0;                           // kg
  std::int32_t overhang = 0;                           // mm beyond each edge of the base
  bool stackable = false;
  double maxLoadOnTop = 0;                             // kg
  std::uint8_t forkEntry = kForkEnds | kForkSides;
};

struct BuiltPallet {
  PalletKind kind;
  std::vector<PlacedCarton> cartons;  // pallet coordinates; type: index into NestedPlan::types
  // The figures the plan states, checked when given.
  std::optional<std::int32_t> statedHeight;
  std::optional<double> statedGrossWeight;
};

struct PlacedPallet {
  std::int32_t pallet = 0;           // index into NestedPlan::pallets
  std::int32_t x = 0, y = 0, z = 0;  // vertex of the pallet's box
  bool turned = false;               // its length across the container (along x)
  // The box extents the plan states (x, y, z), checked when given.
  std::optional<std::int32_t> statedSizeX, statedSizeY, statedSizeZ;
};

struct NestedContainer {
  ContainerSize container;
  // Where the centre of gravity of its load may lie, and the vehicle whose axles carry it:
  // weighed with every carton where it stands, on a pallet or loose, and each pallet's tare
  // over its base; a pallet comes off whole at the first stop of its cartons.
  BalanceWindow balance{};
  std::optional<Vehicle> vehicle{};
  std::vector<PlacedCarton> cartons;  // the loose cartons
  std::vector<PlacedPallet> pallets;
};

struct NestedPlan {
  Spacing spacing;                 // between loose cartons and pallets in the containers
  std::vector<std::string> stops;  // names in delivery order, for the wording
  std::vector<CartonType> types;   // count: cartons entered, over the whole plan
  // Per carton type, the name of the pallet kind its cartons go onto, empty for loose
  // cartons; no such rule when the list is empty.
  std::vector<std::string> typePallets;
  std::int32_t supportPercent = 0;  // of loose cartons and pallets in the containers
  std::vector<BuiltPallet> pallets;
  std::vector<NestedContainer> containers;
};

// Where a broken rule lies.
enum class Level {
  Pallet,     // on a built pallet: index = the pallet
  Container,  // in a container: index = the container
  Plan,       // over the whole plan
};

enum class PalletRule {
  Plan,            // a rule of plancheck.h: see NestedViolation::plan
  TooHigh,         // pallet; amount: mm above its type's maximum height
  TooHeavy,        // pallet; amount: kg above its type's maximum gross weight
  StatedHeight,    // pallet; amount: mm the stated height differs from the built one
  StatedWeight,    // pallet; amount: kg the stated gross weight differs
  StatedSize,      // container, [pallet]; amount: mm the stated box differs on the worst axis
  UnknownPallet,   // container, [pallet]: names no pallet of the plan
  NotPlaced,       // plan; pallet: no container holds it
  PlacedTwice,     // plan; pallet; amount: placements beyond one
  OnCartons,       // container, [pallet, loose carton it stands on]
  NotCarried,      // container, [pallet]; amount: percentage points of its base not on pallets
  NotStackable,    // container, [pallet, what stands on it (item)]
  LoadOnTop,       // container, [pallet]; amount: kg above its type's load on top
  ForkSide,        // container, [pallet]: no fork entry faces the door
  WrongPallet,     // pallet, [carton]: its type goes onto another pallet type, or loose
  NotOnPallet,     // container, [loose carton]: its type goes onto a pallet
};

struct NestedViolation {
  Level level = Level::Pallet;
  std::size_t index = 0;  // the pallet or the container (Level::Plan: 0)
  PalletRule rule = PalletRule::Plan;
  // PalletRule::Plan: the rule and the cartons it concerns. At the pallet level the cartons
  // are the pallet's; at the container level they are items: the loose cartons first, then
  // the container's pallets (item = cartons.size() + index into NestedContainer::pallets).
  // At the plan level (the count rule) the cartons are numbered over every pallet in order,
  // then every container's loose cartons in order.
  Violation plan;
  std::vector<std::size_t> items;  // the pallet rules' items, as in the comment above
  double amount = 0;
};

struct NestedReport {
  std::vector<NestedViolation> violations;
  bool stoppedEarly = false;
  bool holds() const { return violations.empty(); }
};

NestedReport checkNestedPlan(const NestedPlan& plan);

// The plan input of one built pallet's cartons on its loading area, as checkPlan takes it:
// y measured from the top of the base, no count limit, the payload (maximum gross weight
// less the tare) as the maximum load, full support.
CheckInput palletCheckInput(const NestedPlan& plan, std::size_t pallet);
// The plan input of one container: its loose cartons, then each placed pallet as a carton
// of a type of its own (named after the pallet) that stands on its height only.
CheckInput containerCheckInput(const NestedPlan& plan, std::size_t container);

// Where the weight of one container's load lies: its loose cartons, every carton of its
// pallets where it stands in the container (a pallet turned has its length along x), each
// pallet's tare as its base; the cartons and tare of a pallet leave at the first stop of its
// cartons. With the container's balance window and vehicle; for the centre and the axles.
CheckInput containerMassInput(const NestedPlan& plan, std::size_t container);

// The box a built pallet occupies in its own coordinates (base and cartons): x1, z1 and the
// extents across, up and along.
struct PalletExtent {
  std::int64_t x1 = 0, z1 = 0, sizeX = 0, sizeY = 0, sizeZ = 0;
};
PalletExtent palletExtent(const BuiltPallet& pallet);
// The gross weight of a built pallet: its tare and its cartons.
double palletGrossWeight(const BuiltPallet& pallet, const std::vector<CartonType>& types);

}  // namespace check
