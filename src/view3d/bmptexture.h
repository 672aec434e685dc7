#pragma once
// Bitmap files as OpenGL texture data.

#include <cstdint>
#include <optional>
#include <vector>

class QString;

// Texture data ready for glTexImage2D: rows bottom-up (row 0 is the bottom line of the
// picture), each pixel red, green, blue and, with alpha, 255.
struct TextureImage {
  std::vector<std::uint8_t> data;
  int components = 3;  // 3, or 4 with alpha
  int width = 0;
  int height = 0;
  std::uint32_t format = 0x1907;  // GL_RGB, or GL_RGBA (0x1908) with alpha
  std::uint32_t type = 0x1401;    // GL_UNSIGNED_BYTE
};

// Reads a BMP file; nothing when it cannot be read or is no BMP.
std::optional<TextureImage> loadBmpTexture(const QString& file, bool alpha);
