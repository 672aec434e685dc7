// The project's own pallet types in the options dialog: a row of texts per type, read back
// with the reason when a row makes no pallet.

#include "commands/pallettypeform.h"

#include <gtest/gtest.h>

#include "model/language.h"

namespace {

PalletType halfPallet() {
  PalletType t;
  t.name = "半托";
  t.length = 800, t.width = 600, t.baseHeight = 150, t.tareWeight = 12.5, t.maxHeight = 1600;
  t.maxGrossWeight = 600, t.overhang = 20, t.stackable = false, t.maxLoadOnTop = 0, t.forkEntry = kForkFromEnds;
  return t;
}

}  // namespace

TEST(PalletTypeForm, aRowReadsBackAsTheTypeItShows) {
  setLanguage(Language::Chinese);
  for (const PalletType& type : {halfPallet(), palletPresets()[0], palletPresets()[2]}) {
    const PalletRowsCheck check = readPalletRows({palletRowOf(type)});
    ASSERT_TRUE(check.accepted()) << check.message;
    ASSERT_EQ(check.types.size(), 1u);
    EXPECT_EQ(check.types[0], type) << type.name;
  }
  const PalletRow row = palletRowOf(halfPallet());
  EXPECT_EQ(row[4], "12.5");
  EXPECT_EQ(row[8], "否");
  EXPECT_EQ(row[10], "两端");
}

TEST(PalletTypeForm, theLongerEdgeIsTheLength) {
  PalletRow row = palletRowOf(halfPallet());
  row[1] = "600";
  row[2] = "800";
  const PalletRowsCheck check = readPalletRows({row});
  ASSERT_TRUE(check.accepted()) << check.message;
  EXPECT_EQ(check.types[0].length, 800);
  EXPECT_EQ(check.types[0].width, 600);
}

struct RefusedRow {
  std::size_t column;
  const char* text;
};

class PalletTypeFormRefuses : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(PalletTypeFormRefuses, aRowThatMakesNoPalletNamingTheRow) {
  setLanguage(Language::Chinese);
  PalletRow bad = palletRowOf(halfPallet());
  bad[0] = "坏托盘";
  bad[GetParam().column] = GetParam().text;
  const PalletRowsCheck check = readPalletRows({palletRowOf(palletPresets()[0]), bad});
  EXPECT_FALSE(check.accepted());
  EXPECT_EQ(check.row, 1u);
  EXPECT_NE(check.message.find("第 2 行"), std::string::npos) << check.message;
}

INSTANTIATE_TEST_SUITE_P(Rows, PalletTypeFormRefuses,
                         ::testing::Values(RefusedRow{0, ""},          // no name
                                           RefusedRow{1, "0"},         // no length
                                           RefusedRow{2, "abc"},       // no number
                                           RefusedRow{3, "1600"},      // a base as high as the highest pallet
                                           RefusedRow{4, "-3"},        // a negative tare
                                           RefusedRow{6, "12"},        // heaviest below the tare
                                           RefusedRow{7, "-1"},        // a negative overhang
                                           RefusedRow{8, "也许"},      // neither yes nor no
                                           RefusedRow{10, "上面"}));  // no fork entry

TEST(PalletTypeForm, aNameGivenTwiceIsRefused) {
  const PalletRowsCheck check = readPalletRows({palletRowOf(halfPallet()), palletRowOf(halfPallet())});
  EXPECT_FALSE(check.accepted());
  EXPECT_EQ(check.row, 1u);
  EXPECT_TRUE(readPalletRows({}).accepted()) << "no types of the project's own";
}

TEST(PalletTypeForm, aNewRowIsAEurPalletWithTheFirstFreeName) {
  setLanguage(Language::Chinese);
  PalletType taken = palletPresets()[0];
  taken.name = "托盘1";
  const PalletType added = newPalletType({palletRowOf(taken)});
  EXPECT_EQ(added.name, "托盘2");
  EXPECT_EQ(added.length, palletPresets()[0].length);
  EXPECT_TRUE(added.isUsable());
  EXPECT_EQ(newPalletType({}).name, "托盘1");
}

TEST(PalletTypeForm, theTableIsTheLibraryWithTheProjectsVersionsAndTheProjectsOthersTicked) {
  PalletType kept = halfPallet();
  PalletType projectsHalf = halfPallet();
  projectsHalf.maxHeight = 1400;  // the project has 半托 as it was when its plan was made
  PalletType other = palletPresets()[1];
  other.name = "大托";
  PalletType onlyInProject = palletPresets()[2];
  onlyInProject.name = "美托";
  const PalletTable table = palletTable({other, kept}, {onlyInProject, projectsHalf});
  ASSERT_EQ(table.types.size(), 3u);
  EXPECT_EQ(table.types[0], other);
  EXPECT_EQ(table.types[1], projectsHalf) << "the project's version of a type it has";
  EXPECT_EQ(table.types[2], onlyInProject);
  EXPECT_EQ(table.inProject, (std::vector<bool>{false, true, true}));
}
