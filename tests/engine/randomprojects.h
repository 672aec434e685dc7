#pragma once
// Small random projects from a seed, the same on every machine.

#include <cstdint>

#include "engine/runproject.h"
#include "model/fillscheme.h"

struct RandomCase {
  RunProject project;
  std::int32_t maxBlockNum = 6;
  bool stopAtFirst = false;
};

// A container a few cartons wide, high and long, one to six carton types (some upright,
// some allowed to lie in a few top layers), small spacings.
RandomCase randomCase(std::uint32_t seed);
// The same kind of case with four to twelve carton types.
RandomCase manyTypeCase(std::uint32_t seed);

// A project in the demo container (11800 x 2300 x 2450 mm, 20 000 kg) with between
// minTypes and maxTypes carton types of a few cartons each, sized so that several sets
// fit (the set bisection has work to do). With zoned, the counts are raised until the
// cartons fill more than half of the container, and each six types in list order share a
// group key, as the zoned run plans them.
RunProject demoContainerProject(std::uint32_t seed, int minTypes, int maxTypes, bool zoned = false);
