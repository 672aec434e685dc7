#pragma once
// Which language the locale asks for. The first non-empty of LC_ALL, LC_MESSAGES and
// LANG decides: English when it starts with "en" ("en_GB.UTF-8", "en"), Chinese for
// everything else, "C" and "POSIX" included, and when none is set.

#include <optional>
#include <string>

#include "model/language.h"

Language languageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);

// languageOfLocale over this process's environment.
Language languageOfEnvironment();

// "en" and "zh" as the CLI's --lang takes them; nothing for any other text.
std::optional<Language> languageFromCode(const std::string& code);
// "en" or "zh".
std::string languageCode(Language language);

// The language of this start: the one chosen in Options ("en" or "zh"), else the locale's.
Language startLanguage(const std::string& chosenInOptions, Language ofLocale);
