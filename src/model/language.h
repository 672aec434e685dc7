#pragma once
// The language of the program's texts, chosen once at start: Chinese unless the user
// or the locale asks for English. Every user-facing text of the core and the CLI comes
// through inLanguage, which picks the text of the current language.

#include <string>

enum class Language { Chinese, English };

// Sets the language for the rest of the run; main calls it once, before any text is made.
void setLanguage(Language language);
Language currentLanguage();

// The Chinese or the English text, after the current language.
std::string inLanguage(const char* chinese, const char* english);
