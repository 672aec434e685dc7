// Pallet types: the presets by their short names, the project's own types before them, and
// what makes a pallet.

#include "model/pallettype.h"

#include <gtest/gtest.h>

TEST(PalletType, presetsAreFoundByTheirShortNamesInAnyLetterCase) {
  const std::vector<PalletType> none;
  const PalletType* eur = findPalletType(none, "eur");
  ASSERT_NE(eur, nullptr);
  EXPECT_EQ(eur->name, "EUR");
  EXPECT_EQ(eur->length, 1200);
  EXPECT_EQ(eur->width, 800);
  EXPECT_EQ(eur->baseHeight, 144);
  const PalletType* iso = findPalletType(none, "ISO");
  ASSERT_NE(iso, nullptr);
  EXPECT_EQ(iso->width, 1000);
  const PalletType* us = findPalletType(none, "Us");
  ASSERT_NE(us, nullptr);
  EXPECT_EQ(us->length, 1219);
  EXPECT_EQ(us->width, 1016);
  EXPECT_EQ(us->baseHeight, 150);
  for (const PalletType& preset : palletPresets()) EXPECT_TRUE(preset.isUsable()) << preset.name;
  EXPECT_EQ(findPalletType(none, ""), nullptr) << "empty: loose";
  EXPECT_EQ(findPalletType(none, "EURO"), nullptr);
}

TEST(PalletType, theProjectsOwnTypeComesBeforeAPresetOfTheSameName) {
  PalletType own;
  own.name = "EUR";
  own.baseHeight = 100;
  const std::vector<PalletType> types = {own};
  const PalletType* found = findPalletType(types, "EUR");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->baseHeight, 100);
  EXPECT_EQ(findPalletType(types, "eur")->baseHeight, 144) << "the project's own names match exactly";
}

TEST(PalletType, forkEntryNamesReadBack) {
  for (const std::uint8_t entry : {kForkFromEnds, kForkFromSides, kForkFromAllSides})
    EXPECT_EQ(forkEntryOfName(forkEntryName(entry)), entry);
  EXPECT_EQ(forkEntryOfName("both"), 0);
}

struct Unusable {
  const char* what;
  void (*spoil)(PalletType&);
};

class PalletTypeUnusable : public ::testing::TestWithParam<Unusable> {};

TEST_P(PalletTypeUnusable, isNoPallet) {
  PalletType type;
  ASSERT_TRUE(type.isUsable());
  GetParam().spoil(type);
  EXPECT_FALSE(type.isUsable()) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Values, PalletTypeUnusable,
    ::testing::Values(Unusable{"no name", [](PalletType& t) { t.name.clear(); }},
                      Unusable{"no length", [](PalletType& t) { t.length = 0; }},
                      Unusable{"no width", [](PalletType& t) { t.width = -5; }},
                      Unusable{"no base", [](PalletType& t) { t.baseHeight = 0; }},
                      Unusable{"base as high as the highest pallet", [](PalletType& t) { t.maxHeight = t.baseHeight; }},
                      Unusable{"gross weight not above the tare", [](PalletType& t) { t.maxGrossWeight = t.tareWeight; }},
                      Unusable{"negative overhang", [](PalletType& t) { t.overhang = -1; }},
                      Unusable{"no fork entry", [](PalletType& t) { t.forkEntry = 0; }},
                      Unusable{"an unknown fork entry", [](PalletType& t) { t.forkEntry = 4 | kForkFromEnds; }}));
