#include "engine/resultassembly.h"

#include <algorithm>
#include <vector>

#include "engine/containerplan.h"
#include "engine/truncate.h"
#include "engine/runproject.h"

namespace {

// Position in the whole carton list of the group's carton numbered typeIndex; -1 when the
// group has fewer cartons.
std::int32_t cartonIndexOf(const RunProject& project, std::int32_t group, std::int32_t typeIndex) {
  std::int32_t member = 0;
  for (std::size_t i = 0; i < project.input.cartons.size(); ++i) {
    if (group >= 0 && project.groupKeyOf(i) != group) continue;
    if (member == typeIndex) return static_cast<std::int32_t>(i);
    ++member;
  }
  return -1;
}

}  // namespace

void assembleResults(const ContainerPlan& plan, RunProject& project, std::int32_t zOffset,
                     std::int32_t group) {
  const PlanInput& input = plan.input();
  const PlanResult& result = plan.result();
  std::vector<std::int64_t> quota(plan.typeCount());
  for (std::uint32_t i = 0; i < plan.typeCount(); ++i) quota[i] = plan.cartonsPerSet(i) * result.sets;
  double xOff = 0, yOff = 0, zOff = zOffset;
  double topY = input.spaceY;  // lying stacks go against the top of the free box

  for (std::uint32_t i = 0; i < result.blockCount; ++i) {
    const PlanBlock& b = result.blocks[i];
    const auto type = static_cast<std::size_t>(b.typeIndex);
    const PlanCarton& planCarton = input.types[type];
    const std::int32_t cartonIndex = cartonIndexOf(project, group, b.typeIndex);

    BlockScheme block;
    const std::int64_t capacity = static_cast<std::int64_t>(b.nx) * b.ny * b.nz;
    const std::int64_t count = std::min(quota[type], capacity);
    quota[type] -= count;
    block.count = clampToInt32(count);
    if (cartonIndex >= 0) {
      const Carton& carton = project.input.cartons[static_cast<std::size_t>(cartonIndex)];
      block.cartonName = carton.name;
      block.material = carton.material;
    }
    block.cartonIndex = cartonIndex;
    block.orientation = b.orientation;
    block.nx = b.nx;
    block.ny = b.ny;
    block.nz = b.nz;
    const auto& row = kOrientations[static_cast<std::size_t>(b.orientation)];
    block.sizeX = truncateToInt32(planCarton.dim(row[0]));
    block.sizeY = truncateToInt32(planCarton.dim(row[1]));
    block.sizeZ = truncateToInt32(planCarton.dim(row[2]));
    block.x = truncateToInt32(xOff);
    block.y = truncateToInt32(yOff);
    block.z = truncateToInt32(zOff);

    const bool upright = verticalEdge(b.orientation) == Edge::Height;
    if (b.axis == 0) {
      xOff += b.extentX;
    } else if (b.axis == 2) {
      zOff += b.extentZ;
    } else if (upright || !planCarton.mustStayUpright()) {
      yOff += b.extentY;
    } else {
      // A stack of upright-only cartons lying down goes on top of the load.
      block.y = truncateToInt32(topY - b.extentY);
      topY -= b.extentY;
    }
    block.gapX = truncateToInt32(input.gapX);
    block.gapY = truncateToInt32(input.gapY);
    block.gapZ = truncateToInt32(input.gapZ);
    if (block.count > 0) project.blocks.push_back(block);
  }
}
