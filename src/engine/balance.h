#pragma once
// The weight and balance of a loaded container: how much the loaded cartons weigh, against
// the container's maximum load, and where their centre of gravity lies. Both planners, the
// status bar, the exported plan and the command line read it from here.
//
// Positions are in mm: from the inner end (z = 0) toward the door, from the left wall
// (x = 0, on the left of someone looking in from the door) and above the floor (y = 0).
// A block holding fewer cartons than its grid holds the first `count` places of the grid,
// along z first, then up along y, then across along x, as the 3D view draws them.

#include <optional>
#include <string>
#include <vector>

#include "model/carton.h"
#include "model/projectresult.h"

struct LoadBalance {
  double loadedWeight = 0;  // kg
  // loadedWeight / the container's maximum load; nothing when the container has none.
  std::optional<double> maxLoadShare;
  // Loaded carton types without a weight, in the carton list's order: while there are
  // any, the centre of gravity would be meaningless and is not given.
  std::vector<std::string> weightlessCartons;
  bool centreKnown = false;  // a weighted load and no weightless cartons in it
  double fromInnerEnd = 0, fromLeftWall = 0, aboveFloor = 0;
  // The centre's offset from the middle of the container: along the length (> 0 toward
  // the door) and across (> 0 toward the right wall).
  double offsetAlongLength = 0, offsetAcross = 0;
};


// The balance of the loaded container's blocks, whose cartonIndex points into cartons; all
// zero without blocks.
LoadBalance loadBalance(const std::vector<Carton>& cartons, const LoadedContainer& loaded);
