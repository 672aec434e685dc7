#include <gtest/gtest.h>

#include "model/carton.h"
#include "model/container.h"

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
