#include <gtest/gtest.h>

#include "model/carton.h"
#include "model/container.h"

TEST(Carton, startsWithItsDefaults) {
  Carton c;
  EXPECT_EQ(c.name, "纸箱");
  EXPECT_EQ(c.count, 1);
  EXPECT_EQ(c.spaceIndex, 100);
  EXPECT_EQ(c.groupKey, 100);
  EXPECT_EQ(c.material, 0);
  EXPECT_EQ(c.length + c.width + c.height, 0);
  EXPECT_FALSE(c.mustUp);
  EXPECT_EQ(c.displayText(), "纸箱 (0*0*0:1)");
}

TEST(Carton, displayTextShowsSizeAndCount) {
  Carton c;
  c.name = "纸箱1";
  c.length = 600;
  c.width = 400;
  c.height = 300;
  c.count = 50;
  EXPECT_EQ(c.displayText(), "纸箱1 (600*400*300:50)");
  EXPECT_DOUBLE_EQ(c.volume(), 72000000.0);
}

TEST(Carton, volumeIsFormedInFloatingPoint) {
  Carton c;
  c.length = c.width = c.height = 32767;
  EXPECT_DOUBLE_EQ(c.volume(), 32767.0 * 32767.0 * 32767.0);
}

TEST(Container, demoContainerIsTheDefault) {
  Container c;
  EXPECT_EQ(c.name, "演示集装箱");
  EXPECT_EQ(c.length, 11800);
  EXPECT_EQ(c.width, 2300);
  EXPECT_EQ(c.height, 2450);
  EXPECT_EQ(c.maxWeight, 20000);
  EXPECT_EQ(c.displayText(), "演示集装箱 (11800*2300*2450)");
  EXPECT_EQ(c.volume(), 66493000000.0);
}
