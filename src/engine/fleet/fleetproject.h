#pragma once
// The several-containers planner's input taken from a loading project.

#include "engine/fleet/fleet.h"

struct ProjectInput;

// The project's container types (its fleet, or its one container costing 1, as many as
// needed: ProjectInput::fleetOrContainer) in order, and its cartons and spacing as the
// load-max planner takes them (maxLoadInputFromProject). The search options keep their
// defaults.
FleetInput fleetInputFromProject(const ProjectInput& project);
