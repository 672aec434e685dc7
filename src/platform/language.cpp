#include "platform/language.h"

#include <cstdlib>
#include <cstring>

Language languageOfLocale(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value == nullptr || *value == '\0') continue;
    return std::strncmp(value, "en", 2) == 0 ? Language::English : Language::Chinese;
  }
  return Language::Chinese;
}

Language languageOfEnvironment() {
  return languageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

std::optional<Language> languageFromCode(const std::string& code) {
  if (code == "en") return Language::English;
  if (code == "zh") return Language::Chinese;
  return std::nullopt;
}

std::string languageCode(Language language) { return language == Language::English ? "en" : "zh"; }

Language startLanguage(const std::string& chosenInOptions, Language ofLocale) {
  return languageFromCode(chosenInOptions).value_or(ofLocale);
}
