#include <gtest/gtest.h>

#include <limits>

#include "model/fillscheme.h"

namespace {

Carton makeCarton(int l, int w, int h, double weight, int count) {
  Carton c;
  c.length = l;
  c.width = w;
  c.height = h;
  c.weight = weight;
  c.count = count;
  return c;
}

}  // namespace

TEST(FillScheme, anEmptyProjectHasNoVolumeAndNoSets) {
  FillScheme p;
  EXPECT_EQ(p.netVolume(), 0.0);
  EXPECT_EQ(p.cartonTotal(), 0);
  EXPECT_EQ(p.volumeRatio(), 0.0);
  EXPECT_FALSE(p.hasMixedSpaceIndex());
  EXPECT_EQ(p.computeMaxSets(), 0);
}

TEST(FillScheme, addCartonNamesAndColoursCartonsInTurn) {
  FillScheme p;
  for (int i = 0; i < 11; ++i) p.addCarton();
  EXPECT_EQ(p.cartons[0].name, "纸箱1");
  EXPECT_EQ(p.cartons[1].name, "纸箱2");
  EXPECT_EQ(p.cartons[2].name, "纸箱3");
  EXPECT_EQ(p.cartons[0].material, 0);
  EXPECT_EQ(p.cartons[1].material, 1);
  EXPECT_EQ(p.cartons[2].material, 2);
  EXPECT_EQ(p.cartons[9].material, 9);
  EXPECT_EQ(p.cartons[10].material, 0);
  EXPECT_EQ(p.cartons[10].name, "纸箱11");
  EXPECT_EQ(p.cartons[10].count, 1);
}

TEST(FillScheme, addCartonSkipsTakenNames) {
  FillScheme p;
  p.addCarton();
  p.addCarton();
  p.cartons[1].name = "纸箱3";
  EXPECT_EQ(p.addCarton().name, "纸箱4");

  FillScheme q;
  q.addCarton();
  q.addCarton();
  ASSERT_TRUE(q.removeCarton(0));  // 纸箱2 stays; one carton left
  EXPECT_EQ(q.addCarton().name, "纸箱3");
  q.cartons[0].name = "纸箱A";
  EXPECT_EQ(q.addCarton().name, "纸箱4") << "k starts at 3, which is taken";
}

TEST(FillScheme, removeCartonOutsideTheListChangesNothing) {
  FillScheme p;
  p.addCarton();
  EXPECT_FALSE(p.removeCarton(1));
  EXPECT_EQ(p.cartons.size(), 1u);
  EXPECT_TRUE(p.removeCarton(0));
  EXPECT_TRUE(p.cartons.empty());
}

TEST(FillScheme, volumesAndTotals) {
  FillScheme p;
  p.cartons.push_back(makeCarton(600, 400, 300, 10, 10));
  p.cartons.push_back(makeCarton(100, 100, 100, 1, 5));
  EXPECT_EQ(p.netVolume(), 720000000.0 + 5000000.0);
  EXPECT_EQ(p.cartonTotal(), 15);
  EXPECT_DOUBLE_EQ(p.volumeRatio(), 725000000.0 / 66493000000.0);
  p.container.height = 0;
  EXPECT_EQ(p.volumeRatio(), 0.0);
}

TEST(FillScheme, computeMaxSetsByVolumeAndWeight) {
  FillScheme p;
  p.cartons.push_back(makeCarton(600, 400, 300, 10, 10));
  EXPECT_EQ(p.computeMaxSets(), 92);  // 200 sets by weight, 92 by volume

  p.cartons[0].weight = 50;
  p.cartons[0].count = 500;  // one set by volume, none by weight
  EXPECT_EQ(p.computeMaxSets(), -1);

  p.cartons[0].weight = 0;  // weightless: only volume decides
  EXPECT_EQ(p.computeMaxSets(), 1);

  p.cartons[0].count = 5000;  // not one set by volume
  EXPECT_EQ(p.computeMaxSets(), 0);

  p.cartons[0].weight = 1e-9;  // 5e-6 kg in all: still weightless
  p.cartons[0].count = 10;
  EXPECT_EQ(p.computeMaxSets(), 92);
}

TEST(FillScheme, computeMaxSetsHoldsHugeQuotientsAboveTheLimit) {
  FillScheme p;
  p.cartons.push_back(makeCarton(1, 1, 1, 0, 1));
  EXPECT_EQ(p.computeMaxSets(), std::numeric_limits<std::int32_t>::max());

  p.cartons[0].weight = 1e-6;  // weight quotient beyond int32 as well
  EXPECT_GE(p.computeMaxSets(), 20001);

  FillScheme q;
  q.cartons.push_back(makeCarton(10, 10, 10, 0, 2));  // 33 246 500 sets
  EXPECT_EQ(q.computeMaxSets(), 33246500);
}

TEST(FillScheme, hasMixedSpaceIndex) {
  FillScheme p;
  p.addCarton();
  EXPECT_FALSE(p.hasMixedSpaceIndex());
  p.addCarton();
  EXPECT_FALSE(p.hasMixedSpaceIndex());
  p.cartons[1].spaceIndex = kSpaceDoor;
  EXPECT_TRUE(p.hasMixedSpaceIndex());
}

