// The plain lines below the Run command's questions and messages.

#include "commands/runexplanations.h"

#include <gtest/gtest.h>

#include "model/fillscheme.h"
#include "model/language.h"

namespace {

// The demo container (11800 × 2300 × 2450 mm, 20000 kg) with one carton type.
FillScheme withCartons(int length, int count, double weight) {
  FillScheme project;
  Carton& carton = project.addCarton();
  carton.length = length;
  carton.width = carton.height = 1000;
  carton.count = count;
  carton.weight = weight;
  return project;
}

}  // namespace

TEST(RunExplanations, tooMuchCargoIsSaidInVolumeAndWeightAgainstTheContainer) {
  EXPECT_EQ(cargoAgainstContainerText(withCartons(1000, 80, 300)),
            "纸箱总体积 80.00 立方米，集装箱容积 66.49 立方米；纸箱总重 24000.00 千克，最大载重 20000 千克。");
  EXPECT_EQ(cargoAgainstContainerText(withCartons(1000, 80, 0)), "纸箱总体积 80.00 立方米，集装箱容积 66.49 立方米。")
      << "no weights: no weight to compare";
  setLanguage(Language::English);
  EXPECT_EQ(cargoAgainstContainerText(withCartons(1000, 80, 300)),
            "The cartons take 80.00 cubic metres, the container holds 66.49 cubic metres; they weigh 24000.00 kg, the "
            "container carries 20000 kg.");
  setLanguage(Language::Chinese);
}

TEST(RunExplanations, theSetsLineSaysWhatASetIsAndHowManyMayFit) {
  // 10 m³ of 100 kg a set: 6 sets by volume, 20 by weight.
  EXPECT_EQ(setsMeaningText(withCartons(1000, 10, 100)),
            "即：输入的 10 箱为一套，计算将装入集装箱能装下的最多整套（按体积和重量最多 6 套，即 60 箱）。");
  // The weight allows fewer: 2 sets of 8000 kg.
  EXPECT_NE(setsMeaningText(withCartons(1000, 10, 800)).find("最多 2 套，即 20 箱"), std::string::npos);
  // Not two whole sets: no number to promise.
  EXPECT_EQ(setsMeaningText(withCartons(1000, 40, 0)), "即：输入的 40 箱为一套，计算将装入集装箱能装下的最多整套。");
}
