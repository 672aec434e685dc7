// The main window's size on the screen it opens on.

#include "ui/windowsize.h"

#include <gtest/gtest.h>

TEST(WindowSize, opensAtFourFifthsOfTheScreenButNoLessThanDesignedNorMoreThanTheScreen) {
  EXPECT_EQ(initialWindowSize({1920, 1050}), QSize(1536, 840));
  EXPECT_EQ(initialWindowSize({1024, 740}), QSize(819, 592));
  EXPECT_EQ(initialWindowSize({800, 600}), QSize(761, 518)) << "the designed size fits";
  EXPECT_EQ(initialWindowSize({700, 500}), QSize(700, 500)) << "a small screen: all of it";
  EXPECT_EQ(initialWindowSize({}), kDesignedWindowSize) << "no screen known";
}

TEST(WindowSize, aFrameFromALargerScreenIsShrunkAndMovedOntoThisOne) {
  const QRect screen(0, 0, 1280, 1000);
  EXPECT_EQ(fittedOnScreen({100, 50, 800, 600}, screen), QRect(100, 50, 800, 600)) << "already on it";
  EXPECT_EQ(fittedOnScreen({2000, 50, 800, 600}, screen), QRect(480, 50, 800, 600)) << "off to the right";
  EXPECT_EQ(fittedOnScreen({-300, -20, 3766, 1200}, screen), QRect(0, 0, 1280, 1000)) << "wider and taller";
  const QRect second(1280, 0, 1920, 1080);  // a screen to the right of the first
  EXPECT_EQ(fittedOnScreen({1300, 100, 800, 600}, second), QRect(1300, 100, 800, 600));
}
