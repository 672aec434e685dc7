#pragma once
// The project a sets run works on: its own copy of the input, each carton's group key for
// the run, and the result blocks the run assembles.

#include <cstdint>
#include <vector>

#include "model/blockscheme.h"
#include "model/projectinput.h"

struct RunProject {
  ProjectInput input;
  // Per carton of input.cartons: the group it is planned in. Cartons of one position
  // requirement form groups of at most six types (see assignGroupKeys).
  std::vector<std::int32_t> groupKeys;
  std::vector<BlockScheme> blocks;  // the result, in placing order

  RunProject() = default;
  explicit RunProject(ProjectInput projectInput)
      : input(std::move(projectInput)), groupKeys(input.cartons.size(), kSpaceNone) {}

  std::int32_t groupKeyOf(std::size_t carton) const {
    return carton < groupKeys.size() ? groupKeys[carton] : kSpaceNone;
  }
};
