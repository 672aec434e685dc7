#include "check/wording.h"

#include <cstdio>

#include "model/language.h"

namespace check {

std::string says(const std::string& chinese, const std::string& english) {
  return inLanguage(chinese.c_str(), english.c_str());
}

std::string twoDecimals(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

std::string whole(double value) { return std::to_string(static_cast<long long>(value)); }

}  // namespace check
