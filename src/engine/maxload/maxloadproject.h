#pragma once
// The load-max planner's input taken from a loading project.

#include "engine/maxload/maxload.h"

struct FillScheme;

// The container, the project's spacings (spacingW across, spacingH up, spacingL along the
// length) and every carton type in list order, so that a type's index is its cartonIndex.
// A mustUp carton stands on its height; with upendLayers it may also lie in that many top
// layers. spaceIndex 0 / 100 / 200 becomes the inner-end / free / door zone. The search
// options keep their defaults.
MaxLoadInput maxLoadInputFromProject(const FillScheme& project);

// The search options a caller chooses.
struct MaxLoadOptions {
  std::int32_t supportPercent = 100;
  double timeLimitSeconds = 2.0;  // <= 0: no limit
  std::uint64_t effortBudget = kDefaultEffortBudget;
  std::int32_t threads = 2;
};

// The whole load-max calculation on a project: plans with the project's container,
// spacings and cartons, puts the result blocks into project.blocks (none when cancelled)
// and refreshes the project's result statistics. Returns the plan with its placements,
// leftovers, weight and centre of gravity.
MaxLoadResult loadAsMuchAsFits(FillScheme& project, const MaxLoadOptions& options,
                               const MaxLoadControl& control = {});
