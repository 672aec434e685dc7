#include "view3d/colors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "model/palette.h"

namespace {

struct Rgb {
  int r, g, b;
};

std::uint32_t pack(Rgb c) { return packColor(c.r, c.g, c.b); }

struct ShadeCase {
  const char* name;
  std::uint32_t color;
  Rgb dark, middle, light;
};

class BlockShades : public testing::TestWithParam<ShadeCase> {};

TEST_P(BlockShades, givesDarkMiddleAndLightOfTheSameHue) {
  const ShadeCase& c = GetParam();
  const Shades shades = blockShades(c.color);
  EXPECT_EQ(shades[kShadeDark], pack(c.dark));
  EXPECT_EQ(shades[kShadeMiddle], pack(c.middle));
  EXPECT_EQ(shades[kShadeLight], pack(c.light));
}

INSTANTIATE_TEST_SUITE_P(
    Colors, BlockShades,
    testing::Values(
        ShadeCase{"red", materialColor(1), {64, 0, 0}, {128, 0, 0}, {191, 0, 0}},
        ShadeCase{"grey", materialColor(4), {58, 64, 61}, {116, 128, 122}, {174, 191, 183}},
        ShadeCase{"lightBlue", materialColor(2), {0, 51, 64}, {0, 102, 128}, {0, 153, 191}},
        ShadeCase{
            "pureGrey", packColor(90, 90, 90), {64, 64, 64}, {128, 128, 128}, {191, 191, 191}},
        ShadeCase{"black", packColor(0, 0, 0), {64, 64, 64}, {128, 128, 128}, {191, 191, 191}}),
    [](const testing::TestParamInfo<ShadeCase>& info) { return std::string(info.param.name); });

TEST(ColorToHsv, measuresHueFromRedWithRedWinningTies) {
  EXPECT_FLOAT_EQ(colorToHsv(255, 0, 0).h, 0.0f);
  EXPECT_FLOAT_EQ(colorToHsv(0, 255, 0).h, 1.0f / 3.0f);
  EXPECT_FLOAT_EQ(colorToHsv(0, 0, 255).h, 2.0f / 3.0f);
  EXPECT_FLOAT_EQ(colorToHsv(255, 255, 0).h, 1.0f / 6.0f) << "yellow: red and green tie";
  EXPECT_FLOAT_EQ(colorToHsv(0, 255, 255).h, 0.5f) << "cyan: green and blue tie";
  EXPECT_FLOAT_EQ(colorToHsv(255, 0, 255).h, 5.0f / 6.0f) << "a negative hue wraps around";

  const Hsv grey = colorToHsv(100, 110, 105);
  EXPECT_FLOAT_EQ(grey.h, 5.0f / 12.0f);
  EXPECT_FLOAT_EQ(grey.s, 1.0f / 11.0f);
  EXPECT_FLOAT_EQ(grey.v, 110.0f / 255.0f);
}

TEST(HsvToColor, coversEverySectorOfTheColourCircle) {
  EXPECT_EQ(hsvToColor(0.0f, 1.0f, 1.0f), packColor(255, 0, 0));
  EXPECT_EQ(hsvToColor(1.0f / 6.0f, 1.0f, 1.0f), packColor(255, 255, 0));
  EXPECT_EQ(hsvToColor(2.0f / 6.0f, 1.0f, 1.0f), packColor(0, 255, 0));
  EXPECT_EQ(hsvToColor(3.0f / 6.0f, 1.0f, 1.0f), packColor(0, 255, 255));
  EXPECT_EQ(hsvToColor(4.0f / 6.0f, 1.0f, 1.0f), packColor(0, 0, 255));
  EXPECT_EQ(hsvToColor(5.0f / 6.0f, 1.0f, 1.0f), packColor(255, 0, 255));
  EXPECT_EQ(hsvToColor(1.0f, 1.0f, 1.0f), packColor(255, 0, 0)) << "a whole turn is red again";
  EXPECT_EQ(hsvToColor(-1.0f / 3.0f, 1.0f, 1.0f), packColor(0, 0, 255));
  EXPECT_EQ(hsvToColor(std::nanf(""), 1.0f, 1.0f), packColor(0, 0, 0));
}

TEST(HsvToColor, returnsEveryCartonColourFromItsOwnHsv) {
  for (int index = 0; index <= 9; ++index) {
    const std::uint32_t color = materialColor(index);
    const Hsv hsv = colorToHsv(redOf(color), greenOf(color), blueOf(color));
    const std::uint32_t back = hsvToColor(hsv.h, hsv.s, hsv.v);
    EXPECT_NEAR(redOf(back), redOf(color), 1) << "colour " << index;
    EXPECT_NEAR(greenOf(back), greenOf(color), 1) << "colour " << index;
    EXPECT_NEAR(blueOf(back), blueOf(color), 1) << "colour " << index;
  }
}

// Carton edges must be countable on every face of every carton colour: the edge colour
// differs in brightness from each of the three shades.
TEST(EdgeColor, standsOutOnEveryShadeOfEveryCartonColour) {
  for (int material = 0; material < 10; ++material) {
    const Shades shades = blockShades(materialColor(material));
    const std::uint32_t edge = edgeColor(shades);
    for (const std::uint32_t shade : shades) {
      EXPECT_GE(std::abs(brightnessOf(edge) - brightnessOf(shade)), 40)
          << "material " << material << " shade " << std::hex << shade;
    }
  }
}

TEST(EdgeColor, isBlackOnBrightCartonsAndLightOnDeepColours) {
  EXPECT_EQ(edgeColor(blockShades(materialColor(3))), packColor(0, 0, 0)) << "yellow";
  EXPECT_EQ(edgeColor(blockShades(packColor(128, 128, 128))), packColor(0, 0, 0)) << "grey";
  const std::uint32_t onBlue = edgeColor(blockShades(materialColor(5)));
  EXPECT_GT(brightnessOf(onBlue), brightnessOf(blockShades(materialColor(5))[kShadeLight]));
}

}  // namespace
