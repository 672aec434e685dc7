#pragma once
// A plan in the command line's JSON form (`cargolyx-cli plan ... --json`, every planner),
// read in one pass into the checker's own structures. The document is untrusted: its size,
// its nesting, its containers and the cartons it expands to are bounded, a key given twice
// in one object is refused, and anything that is not a plan is refused with a reason that
// says what is wrong and where.
//
// Every plan names its planner ("mode": single, zoned, none for the sets planner; max,
// fleet, pallets) and has its loaded containers in "containers", each with its "type" (the
// index of its container type) and its cartons: "placements" (x, y, z, sizeX, sizeY,
// sizeZ, cartonIndex per carton; of a pallet plan also pallets: x, y, z, "pallet" (an index
// into "pallets"), "turned", and sizeX, sizeY, sizeZ when given) and "blocks" (x, y, z,
// sizeX, sizeY, sizeZ, nx, ny, nz, count, gapX, gapY, gapZ, cartonIndex per block; a block
// holds the first count places of its grid). Where both lists are given they must hold the
// same cartons. A plan of one container may give its lists at the top instead, as the sets
// and load-max planners also do. A pallet plan has "pallets", each with its "type" (the name
// of its pallet type), "height" and "grossWeight" when given, and its cartons as
// "placements" in pallet coordinates. Also read: "status" (a report that holds no plan is
// refused), "setCount", "supportPercent", and of a pallet plan "loading" (fleet: its
// container types are the project's fleet). Every other member is ignored.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/palletcheck.h"
#include "check/plancheck.h"

namespace check {

inline constexpr std::size_t kMaxPlanJsonBytes = 64u << 20;
inline constexpr int kMaxPlanJsonDepth = 16;
// No real plan comes near these; a plan beyond them is refused before it is expanded.
inline constexpr std::int64_t kMaxPlanCartons = 500'000;
inline constexpr std::int64_t kMaxPlanContainers = 10'000;

enum class PlanKind { Sets, LoadMax, Fleet, Pallets };

struct PlanContainer {
  std::int32_t type = 0;                // index of its container type
  std::vector<PlacedCarton> cartons;    // loose cartons; type = cartonIndex
  std::vector<PlacedPallet> pallets;    // of a pallet plan
};

struct PlanPallet {
  std::string type;  // the name of its pallet type
  std::optional<std::int32_t> height;
  std::optional<double> grossWeight;
  std::vector<PlacedCarton> cartons;  // pallet coordinates
};

struct PlanDocument {
  PlanKind kind = PlanKind::LoadMax;
  // The containers' types index the project's container types (ProjectInput::fleetOrContainer):
  // several containers, or pallets loaded into several containers. Otherwise the one
  // container is the project's own.
  bool fleetTypes = false;
  std::int64_t setCount = 0;                   // 0 when the document has none
  std::optional<std::int32_t> supportPercent;  // the support the plan was made with, 0..100
  std::vector<PlanPallet> pallets;
  std::vector<PlanContainer> containers;
};

struct PlanReading {
  std::optional<PlanDocument> plan;  // nothing when the document is refused
  std::string reason;                // why it was refused, in the program's language
};

PlanReading readPlanJson(std::string_view text);

}  // namespace check
