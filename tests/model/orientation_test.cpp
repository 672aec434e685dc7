// The one table of orientations: six distinct turns of a carton, named as the result
// list names them.

#include "model/orientation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "model/blockscheme.h"

namespace {

char letter(Edge e) { return e == Edge::Length ? 'L' : e == Edge::Width ? 'W' : 'H'; }

// "L-W" for a face spanned by two edges, in the order L, W, H.
std::string face(Edge a, Edge b) {
  if (static_cast<int>(b) < static_cast<int>(a)) std::swap(a, b);
  return std::string(1, letter(a)) + "-" + letter(b);
}

}  // namespace

TEST(Orientation, theSixCodesAreTheSixTurnsOfACarton) {
  std::set<std::array<int, 3>> turns;
  for (int code = 0; code < kOrientationCount; ++code) {
    const auto [x, y, z] = orientedExtents(code, 600, 400, 300);
    std::array<int, 3> sorted = {x, y, z};
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::array<int, 3>{300, 400, 600})) << code;
    turns.insert({x, y, z});
  }
  EXPECT_EQ(turns.size(), 6u);
  EXPECT_EQ(verticalEdge(2), Edge::Height);
  EXPECT_EQ(verticalEdge(3), Edge::Height);
}

// The names say which faces look toward the door (across x and y) and up (across x and z).
TEST(Orientation, theNamesReadTheTable) {
  for (int code = 0; code < kOrientationCount; ++code) {
    const OrientationEdges& e = kOrientationEdges[static_cast<std::size_t>(code)];
    const std::string expected = face(e.alongX, e.alongY) + "面朝门，" + face(e.alongX, e.alongZ) + "面朝上";
    EXPECT_EQ(orientationName(code), expected) << code;
  }
  EXPECT_FALSE(isOrientationCode(6));
  EXPECT_FALSE(isOrientationCode(-1));
}

TEST(Orientation, edgeBitsNameTheEdgeACartonStandsOn) {
  std::uint8_t all = 0;
  for (Edge e : {Edge::Length, Edge::Width, Edge::Height}) all |= edgeBit(e);
  EXPECT_EQ(all, kEveryEdge);
  EXPECT_EQ(edgeBit(verticalEdge(2)), kEdgeHeight);
}
