#pragma once
// Choices that outlive one project while the program runs. Memory only: every start
// of the program begins with these defaults and an empty container library.

#include <cstdint>
#include <vector>

#include "model/container.h"

struct Settings {
  std::int32_t spacingL = 0;     // gap between cartons along the container length, mm
  std::int32_t spacingW = 0;     // along the width
  std::int32_t spacingH = 0;     // along the height
  std::int32_t maxBlockNum = 6;  // most blocks a result of up to three carton types may have
  std::vector<Container> containers;  // the container library; the first is the default

  // A copy of the first library entry, or the demo container when the library is empty.
  Container defaultContainer() const;
};
