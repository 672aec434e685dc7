#pragma once
// An exhaustive count of the pallet loading problem for small sizes, written apart from the
// planner to check it: the most a × b rectangles, either way round, that fit without
// overlapping into an X × Z rectangle, all sizes in whole units. Every arrangement on the
// grid of unit cells is tried: at the first free cell, row by row, a rectangle starts,
// either way round, or the cell stays empty; a branch stops when even the free cells
// cannot beat the best count.

#include <cstdint>
#include <vector>

namespace exhaustive {

// The most rectangles, or atLeast when no arrangement holds more than atLeast.
std::int64_t mostRectangles(int X, int Z, int a, int b, std::int64_t atLeast = 0);

// Whether rectangles at the corners given (x, z, turned) lie inside X × Z without
// overlapping one another.
struct Rectangle {
  std::int64_t x = 0, z = 0;
  bool turned = false;
};
bool validArrangement(std::int64_t X, std::int64_t Z, std::int64_t a, std::int64_t b,
                      const std::vector<Rectangle>& rectangles);

}  // namespace exhaustive
