#pragma once
// The project file of format 2 (".clyx"): a JSON document holding everything a project
// holds, its result included.
//
//   {"cargolyxProject": 2,                        always the first member
//    "requires": ["..."],                         features a reader must understand
//    "container": {"name", "length", "width", "height", "maxWeight",
//                  "balance": {"lengthPercent", "widthPercent", "maxHeight"},
//                  "vehicle": {"kind": "rigid", "wheelbase", "frontAxleToCargo",
//                              "tare": [front, rear], "maxLoad": [front, rear]} or
//                             {"kind": "semitrailer", "wheelbase", "kingpinSetback",
//                              "kingpinToTrailerAxle", "fifthWheelLead",
//                              "tare": [front, drive, trailer], "maxLoad": [...]}},
//    "spacing": {"length", "width", "height"},
//    "stops": ["...", ...],                       delivery stops in delivery order
//    "cartons": [{"name", "length", "width", "height", "weight", "count", "mustUp",
//                 "upendLayers", "material", "position": "inner" | "free" | "door",
//                 "stackable", "maxLoadOnTop", "fragile", "stop",
//                 "pallet" (a pallet type's name; none: loose)}],
//    "fleet": [{"name", "length", "width", "height", "maxWeight", "balance", "vehicle",
//               "cost", "available"}],        several containers ("requires": "fleet")
//    "palletTypes": [{"name", "length", "width", "baseHeight", "tareWeight", "maxHeight",
//                     "maxGrossWeight", "overhang", "stackable", "maxLoadOnTop",
//                     "forkEntry": "all" | "ends" | "sides"}]
//                                                 pallets ("requires": "pallets", also when a
//                                                 carton names a pallet type)
//    "planner": {"mode": "sets" | "max" | "fleet" | "pallets", "goal": "cheapest" | "fixed",
//                "loadMaxTimeLimit", "fleetTimeLimit", "supportPercent"}
//                                                 the planner the project is planned with
//    "result": {"planner": "sets" | "max" | "fleet" | "pallets", "supportPercent", "timedOut",
//               "goal": "cheapest" | "fixed", "lowerBound": {"containers", "cost"} (fleet, pallets),
//               "pallets": [{"type": {a pallet type}, "height", "grossWeight",
//                 "centreOfGravity": {"x", "y", "z"}, "blocks": [...]}] (pallets),
//               "containers": [{"container": {...}, "fleetType", "blocks": [{"x", "y", "z", "sizeX",
//                 "sizeY", "sizeZ", "nx", "ny", "nz", "orientation", "material", "count",
//                 "gapX", "gapY", "gapZ", "cartonIndex", "cartonName"}],
//                 "pallets": [{"pallet", "x", "y", "z", "turned"}] (pallets)}]}}
//
// Names are UTF-8. The cargo rules are written only where they are set (balance, vehicle,
// stops, and a carton's stackable false, maxLoadOnTop, fragile true, stop), and "requires"
// then names them: "stacking", "stops", "balance", "axles". A reader ignores members it
// does not know, but refuses a document whose "requires" names a feature it does not
// know: such a file holds something it would lose, or a rule it would not keep.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct FillScheme;

inline constexpr int kProjectFormat = 2;
// A document deeper than this is not a project; no project comes near it.
inline constexpr int kMaxProjectNesting = 16;
// A saved result of more containers or cartons than this is damaged: no plan comes near
// it, and checking one takes its cartons one by one.
inline constexpr std::size_t kMaxSavedPlanContainers = 10'000;
inline constexpr std::int64_t kMaxSavedPlanCartons = 500'000;
// The longest name a format 2 file may hold, in bytes.
inline constexpr std::size_t kMaxStoredNameBytes = 1000;

// How reading a format 2 document went.
enum class ProjectJsonProblem {
  None,
  NotAProject,     // not JSON, or JSON without "cargolyxProject"
  Damaged,         // a project file with something wrong in it (detail: what and where)
  NewerFormat,     // "cargolyxProject" above 2 (detail: the number)
  UnknownFeature,  // "requires" names features this program does not know (detail: them)
};

struct ProjectJsonOutcome {
  ProjectJsonProblem problem = ProjectJsonProblem::None;
  std::string detail;
  bool ok() const { return problem == ProjectJsonProblem::None; }
};

// The features this program reads; a "requires" list may name only these.
const std::vector<std::string>& knownProjectFeatures();

// The document of the project, UTF-8.
std::string projectToJson(const FillScheme& project);
// Reads a document into project (input and result). On any problem the project is left
// untouched and the outcome says what went wrong.
ProjectJsonOutcome projectFromJson(std::span<const std::uint8_t> bytes, FillScheme& project);
// Whether the bytes begin like a format 2 document: "{", then "cargolyxProject" as the
// first member's name (blanks allowed between).
bool looksLikeProjectJson(std::span<const std::uint8_t> bytes);
