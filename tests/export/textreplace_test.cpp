#include "export/textreplace.h"

#include <gtest/gtest.h>

#include <string>

TEST(ReplaceAll, replacesEveryOccurrence) {
  EXPECT_EQ(replaceAll("a[x]b[x]", "[x]", "1"), "a1b1");
  EXPECT_EQ(replaceAll("[x][x]", "[x]", ""), "");
  EXPECT_EQ(replaceAll("纸箱[x]纸箱", "[x]", "图例"), "纸箱图例纸箱");
}

TEST(ReplaceAll, neverSearchesTheInsertedText) {
  EXPECT_EQ(replaceAll("a[x]b[x]", "[x]", "[x][x]"), "a[x][x]b[x][x]");
  EXPECT_EQ(replaceAll("[[x]]", "[x]", "["), "[[]");
  EXPECT_EQ(replaceAll("aaaa", "aa", "a"), "aa");
}

TEST(ReplaceAll, leavesTextWithoutThePatternAsItWas) {
  EXPECT_EQ(replaceAll("a[x]b", "[y]", "1"), "a[x]b");
  EXPECT_EQ(replaceAll("", "[x]", "1"), "");
  EXPECT_EQ(replaceAll("a[X]b", "[x]", "1"), "a[X]b") << "case-sensitive";
  EXPECT_EQ(replaceAll("a[x]b", "", "1"), "a[x]b") << "an empty pattern finds nothing";
}

TEST(ReplaceAll, endsAtTheFirstZeroByte) {
  EXPECT_EQ(replaceAll(std::string("a[x]\0b[x]", 9), "[x]", "1"), "a1");
  EXPECT_EQ(replaceAll("a[x]b", "[x]", std::string("1\0002", 3)), "a1");
}
