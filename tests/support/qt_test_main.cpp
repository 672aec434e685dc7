// main() of the tests that need a QApplication: the OpenGL format is set first, as the
// program itself does.
#include <gtest/gtest.h>

#include <QApplication>

#include "view3d/surfaceformat.h"

int main(int argc, char** argv) {
  setDefaultSurfaceFormat();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
