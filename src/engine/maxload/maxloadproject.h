#pragma once
// The load-max planner's input taken from a loading project.

#include "engine/maxload/maxload.h"

struct ProjectInput;

// The container, the project's spacings (spacingW across, spacingH up, spacingL along the
// length) and every carton type in list order, so that a type's index is its cartonIndex.
// A mustUp carton stands on its height; with upendLayers it may also lie in that many top
// layers. spaceIndex 0 / 100 / 200 becomes the inner-end / free / door zone. The search
// options keep their defaults.
MaxLoadInput maxLoadInputFromProject(const ProjectInput& project);

// The search options a caller chooses.
struct MaxLoadOptions {
  std::int32_t supportPercent = 100;
  double timeLimitSeconds = 2.0;  // <= 0: no limit
  std::uint64_t effortBudget = kDefaultEffortBudget;
  std::int32_t threads = 2;
};

// The whole load-max calculation on a project's input: plans with its container, spacings
// and cartons. A cancelled plan holds nothing but its cancelled mark.
MaxLoadResult loadAsMuchAsFits(const ProjectInput& project, const MaxLoadOptions& options,
                               const MaxLoadControl& control = {});
