#include <gtest/gtest.h>

#include "model/blockscheme.h"

TEST(BlockScheme, volumesOfAnUprightBlock) {
  BlockScheme b;
  b.orientation = 3;
  b.sizeX = 400;
  b.sizeY = 300;
  b.sizeZ = 600;
  b.nx = 3;
  b.ny = 8;
  b.nz = 19;
  b.count = 400;
  EXPECT_EQ(b.netVolume(), 28800000000.0);
  EXPECT_EQ(b.grossVolume(), b.netVolume());
  EXPECT_EQ(b.capacity(), 456);
  b.gapX = 10;
  b.gapY = 5;
  b.gapZ = 5;
  EXPECT_EQ(b.grossVolume(), 410.0 * 305.0 * 605.0 * 400.0);
}

TEST(BlockScheme, orientationTexts) {
  const char* expected[] = {"L-W面朝门，W-H面朝上", "W-H面朝门，L-H面朝上", "L-H面朝门，L-W面朝上",
                            "W-H面朝门，L-W面朝上", "L-H面朝门，W-H面朝上", "L-W面朝门，L-H面朝上"};
  BlockScheme b;
  for (int code = 0; code < 6; ++code) {
    b.orientation = code;
    EXPECT_EQ(b.orientationText(), expected[code]) << code;
  }
  b.orientation = 6;
  EXPECT_EQ(b.orientationText(), "未知");
  b.orientation = -1;
  EXPECT_EQ(b.orientationText(), "未知");
}
