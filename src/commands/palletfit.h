#pragma once
// Why a pallet run cannot load some cartons at all, said before it runs: a carton larger
// than the pallet it names, in every way it may stand; a pallet type that cannot stand in
// any of the containers, its base too large for their floors or, built with its lowest
// carton, taller than they are high.

#include <string>
#include <vector>

#include "model/containertype.h"

struct ProjectInput;

// The refusal naming each such carton and pallet type with their sizes in mm, one per
// line; empty when every carton can go onto its pallet and every pallet type in use into
// some container of the types given.
std::string palletFitMessage(const ProjectInput& input, const std::vector<ContainerType>& types);
