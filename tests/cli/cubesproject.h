#pragma once
// A project of one rule that costs: cubes of 500 mm that may not be stacked, in a container
// 1000 mm wide and high, so that one layer of them covers its floor.

#include "model/fillscheme.h"

inline FillScheme notStackableCubes(std::int32_t containerLength, std::int32_t count) {
  FillScheme project;
  project.container = Container{"厢式货车", containerLength, 1000, 1000, 5000};
  Carton& cube = project.addCarton();
  cube.name = "立方";
  cube.length = cube.width = cube.height = 500;
  cube.weight = 10;
  cube.count = count;
  cube.stackable = false;
  return project;
}
