#include "model/language.h"

#include <atomic>

namespace {

std::atomic<Language> chosenLanguage{Language::Chinese};

}  // namespace

void setLanguage(Language language) { chosenLanguage.store(language); }

Language currentLanguage() { return chosenLanguage.load(); }

std::string inLanguage(const char* chinese, const char* english) {
  return currentLanguage() == Language::English ? english : chinese;
}
