#pragma once
// The order to paint boxes in so that nearer ones cover farther ones: a box is painted
// after every box it hides part of.

#include <cstddef>
#include <vector>

#include "boxpic/view.h"

namespace boxpic {

// The indexes of boxes, far ones first, for view. Boxes that do not overlap are painted
// correctly: where two of them overlap on the picture, one lies beyond the other along an
// axis, and the one on the viewer's side comes later. Among boxes that do not hide each
// other, the farther (by their centres) comes first, then the lower index.
std::vector<std::size_t> paintingOrder(const std::vector<Box>& boxes, const View& view);

}  // namespace boxpic
