#pragma once
// What the cargo rules need to know of a partial load (rulekeeper.h): the simple blocks
// placed, and where loads on top are limited, every stack of cartons in them with the load
// its lowest carton bears and what it rests on. Empty while the input sets no such rule.

#include <cstdint>
#include <vector>

namespace maxload {

class RuleKeeper;

// A placed simple block: its gross box, its type, and its stacks (nx across, nz along).
struct RuleLeaf {
  std::int32_t x1, y1, z1, x2, y2, z2;
  std::int32_t type;
  std::int32_t nx, nz, cx, cz;   // stacks and their gross extents
  std::int32_t firstStack;       // its stacks, ix * nz + iz from here; -1 without loads
};

// One stack of a simple block: ny cartons, one on the other.
struct RuleStack {
  double borne;  // kg on its lowest carton: the cartons above it in the stack and what rests on the stack
  double limit;  // kg its cartons may bear
  std::int32_t y1;  // gross bottom
  std::int32_t firstSupport, supportCount;  // what it rests on, in RuleState::supports
};

struct RuleSupport {
  std::int32_t stack;  // the stack below
  double share;        // of the load passed down, by contact area
};

struct RuleState {
  std::vector<RuleLeaf> leaves;
  std::vector<RuleStack> stacks;
  std::vector<RuleSupport> supports;

  void clear() {
    leaves.clear();
    stacks.clear();
    supports.clear();
  }
};

}  // namespace maxload
