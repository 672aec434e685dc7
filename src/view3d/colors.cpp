#include "view3d/colors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// trunc(channel x 255 + 0.5); channels outside [0, 1] (or NaN) are held to the range.
int toByte(float channel) {
  if (!(channel > 0.0f)) return 0;
  if (channel >= 1.0f) return 255;
  return static_cast<int>(channel * 255.0f + 0.5f);
}

}  // namespace

Hsv colorToHsv(int r, int g, int b) {
  const int max = std::max({r, g, b});
  const int min = std::min({r, g, b});
  Hsv hsv;
  hsv.v = static_cast<float>(max) * (1.0f / 255.0f);
  hsv.s = max == 0 ? 0.0f : static_cast<float>(max - min) / static_cast<float>(max);
  if (hsv.s == 0.0f) return hsv;

  const float d = static_cast<float>(max - min);
  const float rc = static_cast<float>(max - r) / d;
  const float gc = static_cast<float>(max - g) / d;
  const float bc = static_cast<float>(max - b) / d;
  float h;
  if (max == r) {
    h = bc - gc;
  } else if (max == g) {
    h = 2.0f + rc - bc;
  } else {
    h = 4.0f + gc - rc;
  }
  h = h * (1.0f / 6.0f);
  if (h < 0.0f) h = h + 1.0f;
  hsv.h = h;
  return hsv;
}

std::uint32_t hsvToColor(float h, float s, float v) {
  if (s < 0.00001f) {
    const int grey = toByte(v);
    return packColor(grey, grey, grey);
  }
  const float h6 = (h - std::floor(h)) * 6.0f;
  const float f = h6 - std::floor(h6);
  const float p = (1.0f - s) * v;
  const float q = (1.0f - s * f) * v;
  const float t = (1.0f - (1.0f - f) * s) * v;
  const int sector = h6 >= 0.0f && h6 < 6.0f ? static_cast<int>(h6) : -1;  // NaN gives -1
  std::array<float, 3> rgb{};  // black for any other sector
  switch (sector) {
    case 0:
      rgb = {v, t, p};
      break;
    case 1:
      rgb = {q, v, p};
      break;
    case 2:
      rgb = {p, v, t};
      break;
    case 3:
      rgb = {p, q, v};
      break;
    case 4:
      rgb = {t, p, v};
      break;
    case 5:
      rgb = {v, p, q};
      break;
    default:
      break;
  }
  return packColor(toByte(rgb[0]), toByte(rgb[1]), toByte(rgb[2]));
}

Shades blockShades(std::uint32_t color) {
  const Hsv hsv = colorToHsv(redOf(color), greenOf(color), blueOf(color));
  return {hsvToColor(hsv.h, hsv.s, 0.25f), hsvToColor(hsv.h, hsv.s, 0.5f),
          hsvToColor(hsv.h, hsv.s, 0.75f)};
}

int brightnessOf(std::uint32_t color) {
  return (redOf(color) * 299 + greenOf(color) * 587 + blueOf(color) * 114 + 500) / 1000;
}

std::uint32_t edgeColor(const Shades& shades) {
  // Below this brightness black edges no longer stand out from the dark faces.
  constexpr int kDarkFace = 40;
  if (brightnessOf(shades[kShadeDark]) >= kDarkFace) return packColor(0, 0, 0);
  return packColor(210, 210, 210);
}
