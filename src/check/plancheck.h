#pragma once
// The plan checker: every rule a loading plan keeps, defined once, in terms of its own.
// It knows nothing of how a plan was made; data in, every broken rule out.
//
// Axes: x across the container width, y up from the floor, z along the length from the
// inner end (z = 0) toward the door; whole millimetres. A carton occupies its gross box:
// its net extents plus the spacing (gapX, gapY, gapZ) on each axis, at its vertex.
//
// The rules:
// - every gross box lies inside the container, and no two gross boxes overlap;
// - a carton's net extents are a permutation of its type's L, W, H, and the edge standing
//   vertical is one the type may stand on; an edge it may only lie on (a carton that must
//   stay upright but may lie in its top layers) makes the carton a lying carton;
// - above a lying carton, within its footprint, lie only lying cartons of its own type,
//   and no column holds more lying cartons of a type than its lying layers;
// - no type is loaded more often than its count times the plan's set count (one set at
//   least);
// - the loaded weight stays within the container's maximum load;
// - zones along the length: a carton of a later zone starts, at its face toward the inner
//   end, at or beyond the start of every carton of an earlier zone;
// - every carton off the floor rests on the tops of gross boxes right below it over at
//   least supportPercent % of its gross base.
//
// The cargo rules, kept where the input sets them ("rests on": a carton whose gross bottom
// lies at the gross top of another, their gross footprints sharing some area):
// - not stackable: nothing rests on any part of the carton's top;
// - maximum load on top: the load a carton bears never exceeds its maximum. The load is
//   spread downward: a carton's own weight plus the load it bears is shared among the
//   cartons it rests on in proportion to their contact areas, and so on down to the floor;
// - fragile: only fragile cartons rest on a fragile carton;
// - delivery stops: the container is unloaded through its door, stop by stop. A carton of
//   a stop delivered earlier starts at or beyond the start of every carton of a stop
//   delivered later, and no carton rests on one of a stop delivered earlier than its own.
//   The zones keep their order within a stop: the order along the length is by stop
//   (the last stop first), then by zone;
// - centre of gravity: the loaded cartons' centre (each carton's weight at the middle of
//   its net box) lies within ± a share of the length and of the width from the middle of
//   the container, and no higher than a height above the floor, where these are set;
// - axle loads: the vehicle's axles carry their tare and their share of the cartons by
//   static equilibrium, within each axle's maximum, at departure and again after each
//   stop's cartons are unloaded (while cartons are left).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace check {

// A carton's edges, as bits.
inline constexpr std::uint8_t kEdgeL = 1, kEdgeW = 2, kEdgeH = 4;
inline constexpr std::uint8_t kAllEdges = kEdgeL | kEdgeW | kEdgeH;

// Zones along the length, by the carton's position requirement; a larger value is later.
inline constexpr std::int32_t kZoneInnerEnd = 0, kZoneFree = 100, kZoneDoor = 200;

struct ContainerSize {
  std::int32_t width = 0, height = 0, length = 0;  // inner extents along x, y, z, mm
  double maxWeight = 0;                            // kg
};

struct Spacing {
  std::int32_t gapX = 0, gapY = 0, gapZ = 0;  // mm added to every carton along x, y, z
};

struct CartonType {
  std::string name;                                // for the wording only
  std::int32_t length = 0, width = 0, height = 0;  // edges L, W, H, mm
  std::int32_t count = 0;                          // cartons of this type (in one set)
  double weight = 0;                               // kg per carton
  std::uint8_t standingEdges = kAllEdges;          // edges that may stand vertical anywhere
  std::uint8_t lyingEdges = 0;   // edges that may stand vertical in lying layers only
  std::int32_t lyingLayers = 0;  // at most this many lying cartons in one column
  std::int32_t zone = kZoneFree;
  bool stackable = true;                 // something may rest on it
  std::optional<double> maxLoadOnTop{};  // kg it may bear; nothing: no limit
  bool fragile = false;                  // only fragile cartons may rest on it
  std::int32_t stop = 0;                 // its stop: index into CheckInput::stops, 0 first
};

// Where the loaded cartons' centre of gravity may lie; nothing set: anywhere.
struct BalanceWindow {
  std::optional<double> lengthPercent{};  // ± this % of the length from the middle
  std::optional<double> widthPercent{};   // ± this % of the width from the middle
  std::optional<double> maxHeight{};      // mm above the floor at most
};

// A vehicle under the container, along its length: the container's inner end faces the
// front of the vehicle. Axles: a rigid truck's front (0) and rear (1); a tractor's front
// (0) and drive (1) axles and the semi-trailer's axles (2).
struct Vehicle {
  enum class Kind { RigidTruck, SemiTrailer };
  Kind kind = Kind::RigidTruck;
  double wheelbase = 0;             // mm from the (tractor's) front axle to its rear axle
  double frontAxleToCargo = 0;      // rigid truck: mm from the front axle back to the inner end
  double kingpinSetback = 0;        // semi-trailer: mm from the inner end back to the kingpin
  double kingpinToTrailerAxle = 0;  // semi-trailer: mm from the kingpin back to its axles
  double fifthWheelLead = 0;        // semi-trailer: mm the kingpin lies ahead of the drive axle
  std::vector<double> tare;         // kg on each axle, unladen
  std::vector<double> maxLoad;      // kg each axle may carry
};

struct PlacedCarton {
  std::int32_t type = 0;                         // index into CheckInput::types
  std::int32_t x = 0, y = 0, z = 0;              // vertex: the corner nearest the origin
  std::int32_t sizeX = 0, sizeY = 0, sizeZ = 0;  // net extents along x, y, z

  bool operator==(const PlacedCarton&) const = default;
};

struct CheckInput {
  ContainerSize container;
  Spacing spacing;
  std::vector<CartonType> types;
  std::int32_t supportPercent = 0;  // 0..100
  std::int64_t setCount = 0;        // complete sets the plan claims; below 1 counts as 1
  std::vector<std::string> stops;   // names in delivery order; none: one stop for everything
  BalanceWindow balance;
  std::optional<Vehicle> vehicle{};
  std::vector<PlacedCarton> cartons;
};

enum class Rule {
  UnknownType,    // the carton names no type of the input
  Outside,        // amount: mm the gross box reaches outside the container
  Overlap,        // two cartons; amount: mm they reach into each other (the least axis)
  Extents,        // the net extents are not the type's L, W, H
  Orientation,    // an edge stands vertical that may not
  OnLyingCarton,  // [lying carton, carton above it] that is not a lying carton of its type
  LyingLayers,    // amount: lying layers beyond the type's allowance
  Count,          // the cartons over the count; amount: how many
  Weight,         // no cartons named; amount: kg over the maximum load
  Zone,           // [carton, earlier-zone carton it starts before]; amount: mm too early
  Support,        // amount: percentage points of gross base short of supportPercent
  NotStackable,   // [carton, carton resting on it]
  LoadOnTop,      // amount: kg it bears beyond its maximum
  Fragile,        // [fragile carton, carton resting on it that is not fragile]
  StopOrder,      // [carton, carton of a later stop it starts before]; amount: mm too early
  StopBuried,     // [carton, carton of a later stop resting on it]
  CentreAlongLength,  // no cartons; amount: mm beyond the window along the length
  CentreAcross,       // no cartons; amount: mm beyond the window across
  CentreHeight,       // no cartons; amount: mm above the highest allowed
  AxleLoad,           // no cartons; axle, afterStop; amount: kg over the axle's maximum
};

struct Violation {
  Rule rule = Rule::UnknownType;
  std::vector<std::size_t> cartons;  // indexes into CheckInput::cartons
  double amount = 0;                 // by how much, in the rule's unit; 0 where none applies
  std::int32_t axle = -1;            // AxleLoad: the axle (see Vehicle)
  std::int32_t afterStop = -1;       // AxleLoad: -1 at departure, k after stop k is unloaded
};

// At most this many violations are listed; a plan broken beyond that stops the search.
inline constexpr std::size_t kMaxViolations = 10000;

struct CheckReport {
  std::vector<Violation> violations;  // grouped by rule
  bool stoppedEarly = false;          // kMaxViolations were found; there may be more
  bool holds() const { return violations.empty(); }
};

CheckReport checkPlan(const CheckInput& input);

// The centre of gravity and axle rules alone, for an input that places every weight where
// it lies (a pallet's cartons and tare) without being a plan of boxes of its own.
CheckReport checkWeightDistribution(const CheckInput& input);

// The count rule alone: for the cartons of all the containers of one plan together, which
// may load no type more often than allowed over all of them.
CheckReport checkCounts(const CheckInput& input);

// The loaded cartons' centre of gravity, mm (x across, y up, z along the length); nothing
// when they weigh nothing.
struct Centre {
  double x = 0, y = 0, z = 0;
};
std::optional<Centre> centreOfGravity(const CheckInput& input);

// The vehicle's axle loads, kg, with the cartons still loaded after stop afterStop (-1:
// at departure, every carton); empty for a vehicle whose axles cannot be worked out.
std::vector<double> axleLoads(const CheckInput& input, std::int32_t afterStop);

// The most cartons of a type a plan claiming setCount sets may hold: its count times the
// sets, one set at least (and no more than INT64_MAX).
std::int64_t allowedCount(const CartonType& type, std::int64_t setCount);

}  // namespace check
