#include "export/stepwords.h"

#include <gtest/gtest.h>

#include "model/language.h"

namespace {

struct OrientationCase {
  int code;
  const char* chinese;
  const char* english;
};

class OrientationWordsOf : public ::testing::TestWithParam<OrientationCase> {};

}  // namespace

// Which edge stands up and which runs along the container, from the one orientation table.
TEST_P(OrientationWordsOf, nameTheEdgeUpAndTheEdgeAlongTheContainer) {
  EXPECT_EQ(orientationWords(GetParam().code), GetParam().chinese);
  setLanguage(Language::English);
  EXPECT_EQ(orientationWords(GetParam().code), GetParam().english);
  setLanguage(Language::Chinese);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, OrientationWordsOf,
    ::testing::Values(OrientationCase{0, "竖放（长边朝上），高边沿箱长", "on its end (length up), height along the container"},
                      OrientationCase{1, "侧放（宽边朝上），长边沿箱长", "on its side (width up), long side along the container"},
                      OrientationCase{2, "立放，宽边沿箱长", "upright, width along the container"},
                      OrientationCase{3, "立放，长边沿箱长", "upright, long side along the container"},
                      OrientationCase{4, "竖放（长边朝上），宽边沿箱长", "on its end (length up), width along the container"},
                      OrientationCase{5, "侧放（宽边朝上），高边沿箱长", "on its side (width up), height along the container"},
                      OrientationCase{6, "未知", "unknown"}, OrientationCase{-1, "未知", "unknown"}));

TEST(StepWords, positionsNameEachDistanceWithItsReference) {
  EXPECT_EQ(positionWords(300, 800.4, 1240), "距里端 1240 mm，距左壁 300 mm，离地 800 mm");
  setLanguage(Language::English);
  EXPECT_EQ(positionWords(300, 800.4, 1240), "1240 mm from the inner end, 300 mm from the left wall, 800 mm above the floor");
  setLanguage(Language::Chinese);
}

TEST(StepWords, anArrangementNamesTheAxesAndThePlaces) {
  EXPECT_EQ(arrangementWords(3, 2, 4), "沿箱宽 3 × 沿箱高 2 × 沿箱长 4 = 24 个位置");
  EXPECT_EQ(arrangementWords(2000, 2000, 2000), "沿箱宽 2000 × 沿箱高 2000 × 沿箱长 2000 = 8000000000 个位置");
  setLanguage(Language::English);
  EXPECT_EQ(arrangementWords(3, 2, 4), "3 across × 2 high × 4 along = 24 places");
  setLanguage(Language::Chinese);
}
