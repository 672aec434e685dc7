#pragma once
// The steps of a loading plan as the exported document tells them: one block per step, in
// the order a loader puts them in (engine/loadingorder.h), with what the step adds and what
// is loaded once it is done.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/balance.h"
#include "model/carton.h"
#include "model/projectinput.h"
#include "model/projectresult.h"

struct PlanStep {
  std::size_t block = 0;           // index into the loaded container's blocks
  std::int64_t cartons = 0;        // the cartons this step loads
  std::optional<double> weight;    // kg of this step's cartons; nothing when their type has no weight
  std::int64_t cartonsSoFar = 0;   // loaded once the step is done
  LoadBalance balanceSoFar;        // weight and centre of gravity once the step is done
};

// One step per block of loaded, in loading order (stop by stop where the project lists
// stops); the project gives the weights.
std::vector<PlanStep> planSteps(const ProjectInput& project, const LoadedContainer& loaded);

// The blocks of steps 1 to k (k counted from 1) in loading order.
std::vector<BlockScheme> blocksUpToStep(const LoadedContainer& loaded, const std::vector<PlanStep>& steps,
                                        std::size_t k);

// The cartons of each type in the carton list that loaded holds.
std::vector<std::int64_t> loadedCountsByType(std::size_t typeCount, const LoadedContainer& loaded);
