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

#include <cstddef>
#include <cstdint>
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
};

struct Violation {
  Rule rule = Rule::UnknownType;
  std::vector<std::size_t> cartons;  // indexes into CheckInput::cartons
  double amount = 0;                 // by how much, in the rule's unit; 0 where none applies
};

// At most this many violations are listed; a plan broken beyond that stops the search.
inline constexpr std::size_t kMaxViolations = 10000;

struct CheckReport {
  std::vector<Violation> violations;  // grouped by rule
  bool stoppedEarly = false;          // kMaxViolations were found; there may be more
  bool holds() const { return violations.empty(); }
};

CheckReport checkPlan(const CheckInput& input);

// The count rule alone: for the cartons of all the containers of one plan together, which
// may load no type more often than allowed over all of them.
CheckReport checkCounts(const CheckInput& input);

// The most cartons of a type a plan claiming setCount sets may hold: its count times the
// sets, one set at least (and no more than INT64_MAX).
std::int64_t allowedCount(const CartonType& type, std::int64_t setCount);

}  // namespace check
