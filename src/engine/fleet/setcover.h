#pragma once
// Choosing among loading patterns with COIN-OR: how many containers of each pattern.
//
// Cheapest:   minimise sum cost_p x_p  with  sum_p counts_p,i x_p >= demand_i  for every
//             carton type i, sum over the patterns of a type x_p <= its available count.
// FixedFleet: maximise sum volume_p x_p with sum_p counts_p,i x_p <= demand_i and the same
//             limits per type.
// x_p whole numbers at least 0.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/fleet/patterns.h"

namespace fleet {

struct CoverProblem {
  const std::vector<Pattern>* patterns = nullptr;
  std::vector<double> patternValue;        // cost (Cheapest) or volume (FixedFleet) per pattern
  std::vector<std::int32_t> demand;        // cartons per carton type
  std::vector<std::int32_t> available;     // per container type, -1 for no limit
  bool cheapest = true;
};

// The whole-number choice, or nothing when there is none (or the solver found none within
// its node limit). The same problem gives the same choice.
// maxSeconds above 0 also bounds its time: then it keeps the best choice found by then.
std::optional<std::vector<std::int32_t>> chooseWhole(const CoverProblem& problem, std::int32_t nodeLimit,
                                                     double maxSeconds = 0);

// The prices of the covering rows in the relaxation of a Cheapest problem (x_p real): what
// one more carton of each type is worth. Nothing when the relaxation has no solution.
std::optional<std::vector<double>> coverPrices(const CoverProblem& problem);

}  // namespace fleet
