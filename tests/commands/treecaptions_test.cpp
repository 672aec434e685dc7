// The carton tree's captions name what each number is.

#include "commands/treecaptions.h"

#include <gtest/gtest.h>

#include "model/language.h"

namespace {

Carton tv(double weight, int count) {
  Carton carton;
  carton.name = "电视机";
  carton.length = 1100;
  carton.width = 300;
  carton.height = 700;
  carton.count = count;
  carton.weight = weight;
  return carton;
}

}  // namespace

TEST(TreeCaptions, aCartonNamesItsSizeCountAndWeight) {
  EXPECT_EQ(cartonCaption(tv(25, 40)), "电视机 1100×300×700 mm × 40 箱，25 kg");
  EXPECT_EQ(cartonCaption(tv(28.5, 40)), "电视机 1100×300×700 mm × 40 箱，28.50 kg");
  EXPECT_EQ(cartonCaption(tv(0, 40)), "电视机 1100×300×700 mm × 40 箱") << "no weight entered";
  setLanguage(Language::English);
  EXPECT_EQ(cartonCaption(tv(25, 40)), "电视机 1100×300×700 mm × 40 cartons, 25 kg");
  EXPECT_EQ(cartonCaption(tv(0, 1)), "电视机 1100×300×700 mm × 1 carton");
  setLanguage(Language::Chinese);
}

TEST(TreeCaptions, theContainerNamesItsSizeAndMaximumLoad) {
  const Container container{"40尺高柜", 12030, 2350, 2690, 26000};
  EXPECT_EQ(containerCaption(container), "40尺高柜 12030×2350×2690 mm，最大载重 26000 kg");
  setLanguage(Language::English);
  EXPECT_EQ(containerCaption(container), "40尺高柜 12030×2350×2690 mm, maximum load 26000 kg");
  setLanguage(Language::Chinese);
}
