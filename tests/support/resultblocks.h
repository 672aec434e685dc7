#pragma once
// Tests that set up a result by hand: the blocks of a project's one loaded container.

#include <vector>

#include "engine/statistics.h"
#include "model/fillscheme.h"

// The blocks of the project's first loaded container; a container of the project's own is
// added, empty, when the result has none.
inline std::vector<BlockScheme>& resultBlocks(FillScheme& project) {
  if (project.result.containers.empty()) project.result.containers.push_back(LoadedContainer{project.container, {}});
  return project.result.containers.front().blocks;
}

// The project's first loaded container, or its own container without blocks.
inline LoadedContainer loadedContainerOf(const FillScheme& project) {
  return project.result.empty() ? LoadedContainer{project.container, {}} : project.result.containers.front();
}

// The blocks of the project's first loaded container, none without a result; reading it
// changes nothing.
inline const std::vector<BlockScheme>& blocksOf(const FillScheme& project) {
  static const std::vector<BlockScheme> none;
  return project.result.empty() ? none : project.result.containers.front().blocks;
}

// The figures of the project's first loaded container.
inline ResultStatistics statisticsOf(const FillScheme& project) {
  return resultStatistics(loadedContainerOf(project), project.cartonTotal());
}
