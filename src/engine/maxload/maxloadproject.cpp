#include "engine/maxload/maxloadproject.h"

#include "model/projectinput.h"

MaxLoadInput maxLoadInputFromProject(const ProjectInput& project) {
  MaxLoadInput input;
  input.containerX = project.container.width;
  input.containerY = project.container.height;
  input.containerZ = project.container.length;
  input.maxWeight = project.container.maxWeight;
  input.gapX = project.spacingW;
  input.gapY = project.spacingH;
  input.gapZ = project.spacingL;
  for (const Carton& carton : project.cartons) {
    MaxLoadType type;
    type.name = carton.name;
    type.material = carton.material;
    type.length = carton.length;
    type.width = carton.width;
    type.height = carton.height;
    type.count = carton.count;
    type.weight = carton.weight;
    if (carton.mustUp) {
      type.verticalEdges = kEdgeHeight;
      if (carton.upendLayers > 0) {
        type.lyingEdges = kEdgeLength | kEdgeWidth;
        type.lyingLayers = carton.upendLayers;
      }
    }
    type.zone = carton.spaceIndex < kSpaceNone    ? LoadZone::InnerEnd
                : carton.spaceIndex < kSpaceDoor ? LoadZone::Free
                                                 : LoadZone::Door;
    input.types.push_back(type);
  }
  return input;
}

MaxLoadResult loadAsMuchAsFits(const ProjectInput& project, const MaxLoadOptions& options,
                               const MaxLoadControl& control) {
  MaxLoadInput input = maxLoadInputFromProject(project);
  input.supportPercent = options.supportPercent;
  input.timeLimitSeconds = options.timeLimitSeconds;
  input.effortBudget = options.effortBudget;
  input.threads = options.threads;
  MaxLoadResult result = planMaxLoad(input, control);
  if (result.cancelled) {
    result = MaxLoadResult{};
    result.cancelled = true;
  }
  return result;
}
