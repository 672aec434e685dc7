#pragma once
// Turning the best plan of a run into result blocks of the run's project.

#include <cstdint>

class ContainerPlan;
struct RunProject;

// Appends a BlockScheme for every block of plan's best plan that receives cartons, in plan
// order, placed at its vertex and shifted by zOffset mm along the container length. group
// is the key the plan was built for (negative: all cartons); it maps the plan's types back
// to the project's cartons. The cartons of each type are handed out among its blocks in
// order; a block left with none is not added, but the blocks after it still start behind it.
void assembleResults(const ContainerPlan& plan, RunProject& project, std::int32_t zOffset,
                     std::int32_t group);
