#pragma once
// The pallet planner's input taken from a loading project.

#include "engine/pallet/pallet.h"

struct ProjectInput;

// The project's container types (ProjectInput::fleetOrContainer), its cartons and spacing
// as the load-max planner takes them (maxLoadInputFromProject), the pallet types its
// cartons name (the project's own or presets, each once, in the order first named) and
// each carton's. A carton naming a pallet type that does not exist is not planned at all
// (the calculation call refuses such a project before). The options keep their defaults.
PalletPlanInput palletInputFromProject(const ProjectInput& project);
