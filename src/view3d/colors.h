#pragma once
// Carton colours for the 3D view: packed colours 0x00BBGGRR (red in the lowest byte),
// their HSV form, and the three shades every carton is painted in.

#include <array>
#include <cstdint>

// Hue as a fraction of the colour circle in [0, 1) (0 red, 1/3 green, 2/3 blue);
// saturation and value in [0, 1].
struct Hsv {
  float h = 0, s = 0, v = 0;
};

// Dark (value 0.25), middle (0.5) and light (0.75) forms of one colour.
using Shades = std::array<std::uint32_t, 3>;
constexpr int kShadeDark = 0;
constexpr int kShadeMiddle = 1;
constexpr int kShadeLight = 2;

constexpr std::uint32_t packColor(int r, int g, int b) {
  return static_cast<std::uint32_t>(r & 0xFF) | static_cast<std::uint32_t>(g & 0xFF) << 8 |
         static_cast<std::uint32_t>(b & 0xFF) << 16;
}
constexpr int redOf(std::uint32_t color) { return static_cast<int>(color & 0xFF); }
constexpr int greenOf(std::uint32_t color) { return static_cast<int>(color >> 8 & 0xFF); }
constexpr int blueOf(std::uint32_t color) { return static_cast<int>(color >> 16 & 0xFF); }

// r, g, b are 0-255.
Hsv colorToHsv(int r, int g, int b);
std::uint32_t hsvToColor(float h, float s, float v);
// The three shades with the hue and saturation of color; its own value is not used.
Shades blockShades(std::uint32_t color);

// Perceived brightness of a colour, 0-255 (Rec. 601 weights).
int brightnessOf(std::uint32_t color);
// The colour of the carton edges drawn over faces in these shades: black, unless the dark
// shade is so dark (a deep blue or red) that black would vanish in it; then a light grey
// that stands out on all three shades.
std::uint32_t edgeColor(const Shades& shades);
// The edges of the block the view singles out (the current loading step): white.
inline constexpr std::uint32_t kHighlightEdgeColor = 0x00FFFFFF;
