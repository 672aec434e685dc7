#include "view3d/pixelformat.h"

#include <gtest/gtest.h>

namespace {

const TPFDFlags kDefaultFlags{TPFDFlag::f_PFD_DRAW_TO_WINDOW, TPFDFlag::f_PFD_SUPPORT_OPENGL,
                              TPFDFlag::f_PFD_DOUBLEBUFFER};

QSurfaceFormat programFormat() {
  QSurfaceFormat format;
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  return format;
}

TEST(DescriptorFlags, requestDrawToWindowOpenGLAndDoubleBufferByDefault) {
  EXPECT_EQ(descriptorFlags(kDefaultFlags),
            kPfdDrawToWindow | kPfdSupportOpenGL | kPfdDoubleBuffer);
}

TEST(DescriptorFlags, requestSingleBufferingWithGdiWhateverTheDoubleBufferMember) {
  TPFDFlags flags = kDefaultFlags;
  flags.include(TPFDFlag::f_PFD_SUPPORT_GDI);
  EXPECT_EQ(descriptorFlags(flags), kPfdDrawToWindow | kPfdSupportOpenGL | kPfdSupportGdi);

  TPFDFlags withoutMember{TPFDFlag::f_PFD_DRAW_TO_WINDOW};
  EXPECT_EQ(descriptorFlags(withoutMember), kPfdDrawToWindow | kPfdDoubleBuffer);
}

TEST(RequestedSurfaceFormat, keepsTheProgramsContextAndSetsTheBuffers) {
  const QSurfaceFormat format = requestedSurfaceFormat(
      programFormat(), TPFDPixelTypes::f_PFD_TYPE_RGBA, kDefaultFlags, 32, 32);
  EXPECT_EQ(format.majorVersion(), 2);
  EXPECT_EQ(format.minorVersion(), 1);
  EXPECT_EQ(format.profile(), QSurfaceFormat::CompatibilityProfile);
  EXPECT_EQ(format.swapBehavior(), QSurfaceFormat::DoubleBuffer);
  EXPECT_FALSE(format.stereo());
  EXPECT_EQ(format.redBufferSize(), 8);
  EXPECT_EQ(format.greenBufferSize(), 8);
  EXPECT_EQ(format.blueBufferSize(), 8);
  EXPECT_EQ(format.depthBufferSize(), 24) << "the closest depth offered";
}

TEST(RequestedSurfaceFormat, followsTheColourDepthAndBufferingProperties) {
  TPFDFlags flags = kDefaultFlags;
  flags.include(TPFDFlag::f_PFD_SUPPORT_GDI);
  flags.include(TPFDFlag::f_PFD_STEREO);
  const QSurfaceFormat format =
      requestedSurfaceFormat(programFormat(), TPFDPixelTypes::f_PFD_TYPE_COLORINDEX, flags, 16, 16);
  EXPECT_EQ(format.swapBehavior(), QSurfaceFormat::SingleBuffer);
  EXPECT_TRUE(format.stereo());
  EXPECT_EQ(format.redBufferSize(), 5);
  EXPECT_EQ(format.greenBufferSize(), 6);
  EXPECT_EQ(format.blueBufferSize(), 5);
  EXPECT_EQ(format.depthBufferSize(), 16);

  const QSurfaceFormat none =
      requestedSurfaceFormat(programFormat(), TPFDPixelTypes::f_PFD_TYPE_RGBA, kDefaultFlags, 0, 0);
  EXPECT_EQ(none.redBufferSize(), -1) << "no preference";
  EXPECT_EQ(none.depthBufferSize(), 0);
}

}  // namespace
