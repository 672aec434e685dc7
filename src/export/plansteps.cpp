#include "export/plansteps.h"

#include <algorithm>
#include <cmath>

#include "commands/resultlist.h"

std::vector<PlanStep> planSteps(const ProjectInput& project, const LoadedContainer& loaded) {
  const std::vector<Carton>& cartons = project.cartons;
  std::vector<PlanStep> steps;
  LoadedContainer soFar{loaded.container, {}};
  std::int64_t cartonsSoFar = 0;
  for (const std::size_t index : loadingSteps(project, loaded)) {
    const BlockScheme& block = loaded.blocks[index];
    PlanStep step;
    step.block = index;
    step.cartons = std::clamp<std::int64_t>(block.count, 0, block.capacity());
    const bool known = block.cartonIndex >= 0 && static_cast<std::size_t>(block.cartonIndex) < cartons.size();
    if (known) {
      const double weight = cartons[static_cast<std::size_t>(block.cartonIndex)].weight;
      if (weight > 0 && std::isfinite(weight)) step.weight = weight * static_cast<double>(step.cartons);
    }
    cartonsSoFar += step.cartons;
    step.cartonsSoFar = cartonsSoFar;
    soFar.blocks.push_back(block);
    step.balanceSoFar = loadBalance(cartons, soFar);
    steps.push_back(step);
  }
  return steps;
}

std::vector<BlockScheme> blocksUpToStep(const LoadedContainer& loaded, const std::vector<PlanStep>& steps,
                                        std::size_t k) {
  std::vector<BlockScheme> blocks;
  for (std::size_t i = 0; i < k && i < steps.size(); ++i) blocks.push_back(loaded.blocks[steps[i].block]);
  return blocks;
}

std::vector<std::int64_t> loadedCountsByType(std::size_t typeCount, const LoadedContainer& loaded) {
  std::vector<std::int64_t> counts(typeCount, 0);
  for (const BlockScheme& block : loaded.blocks)
    if (block.cartonIndex >= 0 && static_cast<std::size_t>(block.cartonIndex) < typeCount)
      counts[static_cast<std::size_t>(block.cartonIndex)] += block.count;
  return counts;
}
