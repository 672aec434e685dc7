#include <gtest/gtest.h>

#include "model/gbk.h"

TEST(Gbk, convertsChineseBothWays) {
  auto gbk = utf8ToGbk("演示集装箱");
  ASSERT_TRUE(gbk);
  EXPECT_EQ(gbk->size(), 10u);
  EXPECT_EQ(*gbk, "\xD1\xDD\xCA\xBE\xBC\xAF\xD7\xB0\xCF\xE4");
  EXPECT_EQ(gbkToUtf8(*gbk), "演示集装箱");
  EXPECT_EQ(utf8ToGbk("×＝　"), "\xA1\xC1\xA3\xBD\xA1\xA1");
  EXPECT_EQ(utf8ToGbk(""), "");
}

TEST(Gbk, refusesWhatItCannotConvert) {
  EXPECT_FALSE(utf8ToGbk("box \xF0\x9F\x93\xA6"));  // an emoji has no GBK code
  EXPECT_FALSE(utf8ToGbk("\xC3"));                  // cut UTF-8 sequence
  EXPECT_FALSE(gbkToUtf8("\xD1"));                  // lead byte without its trail byte
  EXPECT_FALSE(gbkToUtf8("\xFF\xFF"));
}

TEST(Gbk, storableNamesFitTheProjectFileField) {
  EXPECT_TRUE(isStorableName(""));
  EXPECT_TRUE(isStorableName("纸箱1"));
  EXPECT_TRUE(isStorableName(std::string(49, 'a')));
  EXPECT_FALSE(isStorableName(std::string(50, 'a')));
  std::string chinese;
  for (int i = 0; i < 24; ++i) chinese += "箱";  // 48 bytes in GBK
  EXPECT_TRUE(isStorableName(chinese));
  EXPECT_TRUE(isStorableName(chinese + "a"));
  EXPECT_FALSE(isStorableName(chinese + "箱"));
  EXPECT_FALSE(isStorableName("纸箱\xF0\x9F\x93\xA6"));
  EXPECT_FALSE(isStorableName(std::string("a\0b", 3)));
}
