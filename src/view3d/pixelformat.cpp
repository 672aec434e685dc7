#include "view3d/pixelformat.h"

#include <algorithm>

TPFDFlags::TPFDFlags(std::initializer_list<TPFDFlag> flags) {
  for (const TPFDFlag flag : flags) include(flag);
}

std::uint32_t descriptorFlags(const TPFDFlags& flags) {
  std::uint32_t result = 0;
  if (flags.contains(TPFDFlag::f_PFD_DRAW_TO_WINDOW)) result |= kPfdDrawToWindow;
  if (flags.contains(TPFDFlag::f_PFD_DRAW_TO_BITMAP)) result |= kPfdDrawToBitmap;
  if (flags.contains(TPFDFlag::f_PFD_SUPPORT_GDI)) {
    result |= kPfdSupportGdi;
  } else {
    result |= kPfdDoubleBuffer;
  }
  if (flags.contains(TPFDFlag::f_PFD_SUPPORT_OPENGL)) result |= kPfdSupportOpenGL;
  if (flags.contains(TPFDFlag::f_PFD_GENERIC_ACCELERATED)) result |= kPfdGenericAccelerated;
  if (flags.contains(TPFDFlag::f_PFD_GENERIC_FORMAT)) result |= kPfdGenericFormat;
  if (flags.contains(TPFDFlag::f_PFD_NEED_PALETTE)) result |= kPfdNeedPalette;
  if (flags.contains(TPFDFlag::f_PFD_NEED_SYSTEM_PALETTE)) result |= kPfdNeedSystemPalette;
  if (flags.contains(TPFDFlag::f_PFD_STEREO)) result |= kPfdStereo;
  if (flags.contains(TPFDFlag::f_PFD_SWAP_LAYER_BUFFERS)) result |= kPfdSwapLayerBuffers;
  return result;
}

QSurfaceFormat requestedSurfaceFormat(const QSurfaceFormat& base, TPFDPixelTypes /*pixelType*/,
                                      const TPFDFlags& flags, std::uint8_t colorBits,
                                      std::uint8_t depthBits) {
  QSurfaceFormat format = base;
  const std::uint32_t descriptor = descriptorFlags(flags);
  format.setSwapBehavior((descriptor & kPfdDoubleBuffer) != 0 ? QSurfaceFormat::DoubleBuffer
                                                              : QSurfaceFormat::SingleBuffer);
  format.setStereo((descriptor & kPfdStereo) != 0);

  int red = -1, green = -1, blue = -1;  // -1: no preference
  if (colorBits >= 24) {
    red = green = blue = 8;
  } else if (colorBits == 16) {
    red = 5, green = 6, blue = 5;
  } else if (colorBits > 0) {
    red = green = blue = std::max(1, colorBits / 3);
  }
  format.setRedBufferSize(red);
  format.setGreenBufferSize(green);
  format.setBlueBufferSize(blue);
  format.setDepthBufferSize(depthBits == 0 ? 0 : std::min<int>(depthBits, 24));
  return format;
}
