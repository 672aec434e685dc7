#pragma once
// Projects for the engine tests: a container and cartons given in a line.

#include <initializer_list>

#include "engine/containerplan.h"
#include "engine/runproject.h"
#include "model/fillscheme.h"

struct CartonSpec {
  int length, width, height;
  int count = 1;
  bool mustUp = false;
  int upendLayers = 0;
  double weight = 0;
  int spaceIndex = kSpaceNone;
};

// A project with no spacing, the given container (length, width, height) and cartons
// named 纸箱1, 纸箱2, ... in the colours 0, 1, ...
inline FillScheme projectOf(int length, int width, int height, std::initializer_list<CartonSpec> cartons,
                            int maxWeight = 20000) {
  FillScheme p;
  p.spacingL = p.spacingW = p.spacingH = 0;
  p.container = Container{"测试柜", length, width, height, maxWeight};
  for (const CartonSpec& s : cartons) {
    Carton& c = p.addCarton();
    c.length = s.length;
    c.width = s.width;
    c.height = s.height;
    c.count = s.count;
    c.mustUp = s.mustUp;
    c.upendLayers = s.upendLayers;
    c.weight = s.weight;
    c.spaceIndex = s.spaceIndex;
  }
  return p;
}

// The same project as a sets run's own copy.
inline RunProject runProjectOf(int length, int width, int height, std::initializer_list<CartonSpec> cartons,
                               int maxWeight = 20000) {
  return RunProject(projectOf(length, width, height, cartons, maxWeight).input());
}

// A block of a plan: its region, type, grid, cutting axis and orientation.
inline PlanBlock planBlock(double ex, double ey, double ez, int type, int nx, int ny, int nz, int axis,
                           int orientation) {
  PlanBlock b;
  b.extentX = ex;
  b.extentY = ey;
  b.extentZ = ez;
  b.typeIndex = type;
  b.nx = nx;
  b.ny = ny;
  b.nz = nz;
  b.axis = axis;
  b.orientation = orientation;
  return b;
}
