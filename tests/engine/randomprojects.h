#pragma once
// Small random projects from a seed, the same on every machine.

#include <cstdint>

#include "model/fillscheme.h"

struct RandomCase {
  FillScheme project;
  std::int32_t maxBlockNum = 6;
  bool stopAtFirst = false;
};

// A container a few cartons wide, high and long, one to six carton types (some upright,
// some allowed to lie in a few top layers), small spacings.
RandomCase randomCase(std::uint32_t seed);
