#include <gtest/gtest.h>

#include <string>

#include "commands/entrycheck.h"

namespace {

std::string repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

}  // namespace

struct NameCase {
  std::string name;
  bool acceptable;
};

class AcceptableName : public ::testing::TestWithParam<NameCase> {};

TEST_P(AcceptableName, followsTheBoxAndTheProjectFile) {
  EXPECT_EQ(isAcceptableName(GetParam().name), GetParam().acceptable) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, AcceptableName,
    ::testing::Values(NameCase{"", true}, NameCase{"纸箱1", true},
                      NameCase{repeat("a", 30), true},          // the box's 30 characters
                      NameCase{repeat("a", 31), false},
                      NameCase{repeat("箱", 24), true},         // 48 bytes in GBK
                      NameCase{repeat("箱", 25), false},        // 50 bytes: no room for the terminator
                      NameCase{repeat("箱", 24) + "a", true},   // 49 bytes
                      NameCase{"箱子😀", false},                // GBK has no emoji
                      NameCase{std::string("a\0b", 3), false},  // would end the name in the file
                      NameCase{"\xC3\x28", false}));            // not UTF-8

TEST(EntryCheck, readsTheValueOfACheckedText) {
  EXPECT_EQ(readCheckedInteger("40000"), 40000);
  EXPECT_EQ(readCheckedInteger("+5"), 5);
  EXPECT_EQ(readCheckedInteger("0"), 0);
  EXPECT_FALSE(readCheckedInteger(""));
  EXPECT_FALSE(readCheckedInteger("12a"));
  EXPECT_FALSE(readCheckedInteger("-1"));
  EXPECT_FALSE(readCheckedInteger("2147483648"));
  EXPECT_EQ(readCheckedNumber("12.5"), 12.5);
  EXPECT_EQ(readCheckedNumber("-0.5"), -0.5) << "passes the check; the caller tests the sign";
  EXPECT_FALSE(readCheckedNumber("-3"));
  EXPECT_FALSE(readCheckedNumber("1e400"));
  EXPECT_FALSE(readCheckedNumber("."));
}

TEST(EntryCheck, numberTextReadsBackAsTheSameValue) {
  EXPECT_EQ(numberText(0.0), "0");
  EXPECT_EQ(numberText(12.5), "12.5");
  EXPECT_EQ(numberText(0.1), "0.1");
  EXPECT_EQ(numberText(20000.0), "20000");
  const double awkward = 0.1234567890123456;
  EXPECT_EQ(readCheckedNumber(numberText(awkward)), awkward);
}
