#pragma once
// The weight and balance of a loaded container: how much the loaded cartons weigh, against
// the container's maximum load, where their centre of gravity lies (against the
// container's balance window) and what the axles of its vehicle carry. Both planners, the
// status bar, the exported plan and the command line read it from here.
//
// Positions are in mm: from the inner end (z = 0) toward the door, from the left wall
// (x = 0, on the left of someone looking in from the door) and above the floor (y = 0).
// A block holding fewer cartons than its grid holds the first `count` places of the grid,
// along z first, then up along y, then across along x, as the 3D view draws them.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/carton.h"
#include "model/projectresult.h"

struct ProjectInput;

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
  // The same offsets as shares of the container's length and width, %.
  double offsetAlongLengthPercent = 0, offsetAcrossPercent = 0;
  // Whether the centre lies within the container's balance window; nothing without a
  // window or without a known centre.
  std::optional<bool> insideWindow;
};


// The balance of the loaded container's blocks, whose cartonIndex points into cartons; all
// zero without blocks.
LoadBalance loadBalance(const std::vector<Carton>& cartons, const LoadedContainer& loaded);

// The loads on the axles of the vehicle under a loaded container, at one moment.
struct AxleState {
  std::optional<std::size_t> afterStop;  // nothing: at departure; k: once stop k is unloaded
  std::vector<double> loads;             // kg per axle: its tare and its share of the cartons
};

struct AxleLoads {
  VehicleKind kind = VehicleKind::RigidTruck;
  std::vector<double> maxLoads;  // kg per axle
  // At departure, then after each stop in delivery order while cartons are left.
  std::vector<AxleState> states;

  struct Overload {
    std::size_t state = 0, axle = 0;
    double kg = 0;  // above the axle's maximum
  };
  // The largest overload of any axle at any moment; nothing while every axle holds.
  std::optional<Overload> worstOverload() const;
};

// The axle loads by static equilibrium: each carton's weight at the middle of its length,
// the vehicle's geometry as model/vehicle.h gives it. Cartons without a weight weigh
// nothing; nothing at all when the loaded container has no vehicle or its axle loads cannot
// be worked out (vehicleProblem).
std::optional<AxleLoads> axleLoads(const ProjectInput& project, const LoadedContainer& loaded);
