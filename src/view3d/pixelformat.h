#pragma once
// The pixel-format properties of TOpenGLPanel and how they become a QSurfaceFormat.
//
// The flags first become the descriptor flags of the requested format (the numbers the
// flags have always stood for); the QSurfaceFormat then takes from them what has a
// counterpart here: double or single buffering and stereo. Colour-index pixels, drawing
// to bitmaps, GDI drawing and palettes have none; an RGBA format is always requested.

#include <QSurfaceFormat>
#include <bitset>
#include <cstdint>
#include <initializer_list>

enum class TPFDPixelTypes { f_PFD_TYPE_RGBA, f_PFD_TYPE_COLORINDEX };

enum class TPFDFlag {
  f_PFD_DRAW_TO_WINDOW,
  f_PFD_DRAW_TO_BITMAP,
  f_PFD_SUPPORT_GDI,
  f_PFD_SUPPORT_OPENGL,
  f_PFD_GENERIC_ACCELERATED,
  f_PFD_GENERIC_FORMAT,
  f_PFD_NEED_PALETTE,
  f_PFD_NEED_SYSTEM_PALETTE,
  f_PFD_DOUBLEBUFFER,
  f_PFD_STEREO,
  f_PFD_SWAP_LAYER_BUFFERS,
};

class TPFDFlags {
 public:
  TPFDFlags() = default;
  TPFDFlags(std::initializer_list<TPFDFlag> flags);
  bool contains(TPFDFlag flag) const { return bits_.test(index(flag)); }
  void include(TPFDFlag flag) { bits_.set(index(flag)); }
  void exclude(TPFDFlag flag) { bits_.reset(index(flag)); }
  bool operator==(const TPFDFlags&) const = default;

 private:
  static std::size_t index(TPFDFlag flag) { return static_cast<std::size_t>(flag); }
  std::bitset<11> bits_;
};

enum class TOpenGLSwapBuffers { Auto, Manual };

// Descriptor flag values.
constexpr std::uint32_t kPfdDoubleBuffer = 0x1;
constexpr std::uint32_t kPfdStereo = 0x2;
constexpr std::uint32_t kPfdDrawToWindow = 0x4;
constexpr std::uint32_t kPfdDrawToBitmap = 0x8;
constexpr std::uint32_t kPfdSupportGdi = 0x10;
constexpr std::uint32_t kPfdSupportOpenGL = 0x20;
constexpr std::uint32_t kPfdGenericFormat = 0x40;
constexpr std::uint32_t kPfdNeedPalette = 0x80;
constexpr std::uint32_t kPfdNeedSystemPalette = 0x100;
constexpr std::uint32_t kPfdSwapLayerBuffers = 0x800;
constexpr std::uint32_t kPfdGenericAccelerated = 0x1000;

// The descriptor flags requested for the set. Double buffering is requested exactly when
// GDI support is not: the f_PFD_DOUBLEBUFFER member itself is not consulted.
std::uint32_t descriptorFlags(const TPFDFlags& flags);

// base (the program's default: OpenGL 2.1, compatibility profile) with the buffers the
// properties ask for. Colour bits count red, green and blue together; depth bits above
// 24 ask for the closest depth offered, 24.
QSurfaceFormat requestedSurfaceFormat(const QSurfaceFormat& base, TPFDPixelTypes pixelType,
                                      const TPFDFlags& flags, std::uint8_t colorBits,
                                      std::uint8_t depthBits);
