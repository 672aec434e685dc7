// Which language the locale asks for, and the CLI's language codes.

#include <gtest/gtest.h>

#include "platform/language.h"

TEST(LanguageOfLocale, theFirstNonEmptyOfLcAllLcMessagesAndLangDecides) {
  EXPECT_EQ(languageOfLocale(nullptr, nullptr, "en_GB.UTF-8"), Language::English);
  EXPECT_EQ(languageOfLocale("", "", "en"), Language::English);
  EXPECT_EQ(languageOfLocale(nullptr, "en_US.UTF-8", "zh_CN.UTF-8"), Language::English);
  EXPECT_EQ(languageOfLocale(nullptr, "zh_CN.UTF-8", "en_US.UTF-8"), Language::Chinese);
  EXPECT_EQ(languageOfLocale("zh_CN.UTF-8", "en_US.UTF-8", "en_US.UTF-8"), Language::Chinese);
  EXPECT_EQ(languageOfLocale("en_US.UTF-8", "C", "zh_CN.UTF-8"), Language::English);
}

TEST(LanguageOfLocale, cPosixOtherLanguagesAndNothingKeepChinese) {
  EXPECT_EQ(languageOfLocale(nullptr, nullptr, "C"), Language::Chinese);
  EXPECT_EQ(languageOfLocale(nullptr, nullptr, "C.UTF-8"), Language::Chinese);
  EXPECT_EQ(languageOfLocale(nullptr, nullptr, "POSIX"), Language::Chinese);
  EXPECT_EQ(languageOfLocale("C", nullptr, "en_US.UTF-8"), Language::Chinese);
  EXPECT_EQ(languageOfLocale(nullptr, nullptr, "de_DE.UTF-8"), Language::Chinese);
  EXPECT_EQ(languageOfLocale(nullptr, nullptr, nullptr), Language::Chinese);
  EXPECT_EQ(languageOfLocale("", "", ""), Language::Chinese);
}

TEST(LanguageFromCode, takesEnAndZhOnly) {
  EXPECT_EQ(languageFromCode("en"), Language::English);
  EXPECT_EQ(languageFromCode("zh"), Language::Chinese);
  EXPECT_EQ(languageFromCode("EN"), std::nullopt);
  EXPECT_EQ(languageFromCode("english"), std::nullopt);
  EXPECT_EQ(languageFromCode(""), std::nullopt);
}

TEST(StartLanguage, theChoiceInOptionsWinsOverTheLocale) {
  EXPECT_EQ(startLanguage("en", Language::Chinese), Language::English);
  EXPECT_EQ(startLanguage("zh", Language::English), Language::Chinese);
  EXPECT_EQ(startLanguage("", Language::English), Language::English);
  EXPECT_EQ(startLanguage("fr", Language::Chinese), Language::Chinese);
}
