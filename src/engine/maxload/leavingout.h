#pragma once
// Which cartons the load-max search weighs leaving behind. A carton type with a cargo rule
// can block more than it is worth: not stackable or fragile cartons covering the floor,
// the cartons of one stop walling off the others, a heavy type the balance cannot bear.
// Besides the whole order the search tries the order with such a type left out or capped,
// then another on top of the best, and keeps the best load (maxload.cpp).

#include <cstdint>
#include <vector>

#include "engine/maxload/blocks.h"

namespace maxload {

// The share of the effort and the time the brief tries take together: the whole order and
// each variant get an equal part; the rest goes to the best of them.
inline constexpr double kProbeShare = 0.25;
// And each brief try at most this much effort per search thread, however large the budget.
inline constexpr std::uint64_t kMostProbeEffort = 8000;
// A variant is followed (given the rest, or a second round) only where its brief try loads
// more than the best so far by this share of the container at least.
inline constexpr double kClearlyMore = 0.01;
// At most this many types are weighed in a round, those the best load holds most of first.
inline constexpr std::size_t kMostTypesLeftOut = 5;
// Rounds: a type left out, then another on top of the best of those.
inline constexpr std::size_t kLeavingOutRounds = 2;

// The order with at most cap cartons of one type.
struct LeavingOut {
  std::int32_t type = 0;
  std::int32_t cap = 0;

  bool operator==(const LeavingOut&) const = default;
};

// The types that carry a rule and have cartons to load: not stackable, a load limit,
// fragile; every type where the cartons go to more than one stop or the balance or the
// axles are kept. Empty where nothing is worth leaving out.
std::vector<std::int32_t> leavingOutCandidates(const MaxLoadInput& input, const Problem& problem);

// The variants to try, given the candidates and the cartons of each type the best load so
// far holds: of the candidates it loads, the kMostTypesLeftOut it loads the most
// volume of (of equal ones the earlier type), each left out entirely, then each capped at
// half of what it loads. Always the same for the same loads.
std::vector<LeavingOut> leavingOutVariants(const Problem& problem, const std::vector<std::int32_t>& candidates,
                                           const std::vector<std::int32_t>& loaded);

}  // namespace maxload
