#pragma once
// A plan in the command line's JSON form (`cargolyx-cli plan ... --json`, either planner),
// read into the checker's cartons. The document is untrusted: its size, its nesting and
// the cartons it expands to are bounded, and anything malformed is refused with a reason
// that says what is wrong and where.
//
// Read: "placements" (the load-max form: x, y, z, sizeX, sizeY, sizeZ, cartonIndex per
// carton) when present, else "blocks" (x, y, z, sizeX, sizeY, sizeZ, nx, ny, nz, count,
// gapX, gapY, gapZ, cartonIndex per block; a block holds the first count places of its
// grid); "setCount"; "mode"; "supportPercent" when the planner wrote it. Every other member
// is ignored.

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
inline constexpr std::int64_t kMaxPlanCartons = 4'000'000;

struct JsonPlan {
  std::vector<PlacedCarton> cartons;           // type = cartonIndex
  std::int64_t setCount = 0;                   // 0 when the document has none
  bool loadMax = false;                        // "mode" is "max": the load-max planner's plan
  std::optional<std::int32_t> supportPercent;  // the support the plan was made with, 0..100
};

struct JsonPlanReading {
  std::optional<JsonPlan> plan;  // nothing when the document is refused
  std::string reason;            // why it was refused, in the program's language
};

JsonPlanReading readPlanJson(std::string_view text);

// A plan of several containers (`plan --mode fleet --json`): its "containers", each with its
// "type" (the index of its container type) and its cartons as readPlanJson reads them, and
// the plan's "supportPercent".
struct JsonFleetContainer {
  std::int32_t type = 0;
  std::vector<PlacedCarton> cartons;
};
struct JsonFleetPlan {
  std::vector<JsonFleetContainer> containers;
  std::optional<std::int32_t> supportPercent;
};
struct JsonFleetPlanReading {
  std::optional<JsonFleetPlan> plan;
  std::string reason;
};

// Whether the document is a plan of several containers: an object with "containers".
bool isFleetPlanJson(std::string_view text);
JsonFleetPlanReading readFleetPlanJson(std::string_view text);

// A pallet plan (`plan --mode pallets --json`): its "pallets", each with its "type" (the name
// of its pallet type), its "height" and "grossWeight" when given, and its cartons as
// "placements" in pallet coordinates (x, y, z, sizeX, sizeY, sizeZ, cartonIndex); its
// "containers", each with its "type" (the index of its container type) and its
// "placements": loose cartons as above, and pallets (x, y, z, "pallet": an index into
// "pallets", "turned", and sizeX, sizeY, sizeZ when given); and the plan's "supportPercent".
struct JsonPallet {
  std::string type;
  std::optional<std::int32_t> height;
  std::optional<double> grossWeight;
  std::vector<PlacedCarton> cartons;
};
struct JsonPalletContainer {
  std::int32_t type = 0;
  std::vector<PlacedCarton> cartons;
  std::vector<PlacedPallet> pallets;
};
struct JsonPalletPlan {
  std::vector<JsonPallet> pallets;
  std::vector<JsonPalletContainer> containers;
  std::optional<std::int32_t> supportPercent;
};
struct JsonPalletPlanReading {
  std::optional<JsonPalletPlan> plan;
  std::string reason;
};

// Whether the document is a pallet plan: an object with "pallets".
bool isPalletPlanJson(std::string_view text);
JsonPalletPlanReading readPalletPlanJson(std::string_view text);

}  // namespace check
