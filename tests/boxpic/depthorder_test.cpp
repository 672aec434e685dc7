#include "boxpic/depthorder.h"

#include <gtest/gtest.h>

#include <algorithm>

using boxpic::Box;
using boxpic::View;

namespace {

std::size_t positionOf(const std::vector<std::size_t>& order, std::size_t box) {
  return static_cast<std::size_t>(std::find(order.begin(), order.end(), box) - order.begin());
}

}  // namespace

TEST(PaintingOrder, aBoxNearerTheViewerComesAfterTheOneItHides) {
  const View view = View::fromDoor();  // from the door (z high), above (y high), left (x low)
  // Each pair: a box and one beside it toward the viewer along one axis; listed nearer first.
  const std::vector<std::pair<Box, Box>> pairs = {
      {{{0, 0, 1000}, {500, 500, 1500}}, {{0, 0, 0}, {500, 500, 1000}}},         // toward the door
      {{{0, 500, 0}, {500, 1000, 500}}, {{0, 0, 0}, {500, 500, 500}}},           // on top
      {{{0, 0, 0}, {500, 500, 500}}, {{500, 0, 0}, {1000, 500, 500}}},           // nearer the left wall
  };
  for (const auto& [near, far] : pairs) {
    const auto order = paintingOrder({near, far}, view);
    EXPECT_EQ(order, (std::vector<std::size_t>{1, 0}));
  }
}

TEST(PaintingOrder, aLongBoxBehindASmallOneStillComesFirst) {
  // A long block along the length at the inner end whose centre is nearer the door than
  // a small block in front of its near end would be by centre alone.
  const View view = View::fromDoor();
  const Box longBlock = {{0, 0, 0}, {600, 400, 9000}};
  const Box small = {{0, 400, 8400}, {600, 800, 9000}};  // on top of its near end
  const Box beside = {{600, 0, 0}, {1200, 2000, 600}};   // tall, far from the viewer's left
  const auto order = paintingOrder({small, longBlock, beside}, view);
  EXPECT_LT(positionOf(order, 1), positionOf(order, 0));
}

TEST(PaintingOrder, everyBoxComesOnceEvenWhenBoxesOverlap) {
  const View view = View::fromDoor();
  const std::vector<Box> boxes = {{{0, 0, 0}, {10, 10, 10}}, {{5, 5, 5}, {15, 15, 15}}, {{2, 2, 2}, {8, 8, 8}}};
  std::vector<std::size_t> order = paintingOrder(boxes, view);
  std::sort(order.begin(), order.end());
  EXPECT_EQ(order, (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_TRUE(paintingOrder({}, view).empty());
}
