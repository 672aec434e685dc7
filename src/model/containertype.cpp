#include "model/containertype.h"

#include <charconv>

#include "model/language.h"

namespace {

std::string shortest(double value) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return error == std::errc() ? std::string(text, end) : std::string("0");
}

}  // namespace

std::string ContainerType::displayText() const {
  std::string text = container.displayText();
  if (available) text += " × " + std::to_string(*available);
  if (cost) text += inLanguage("，费用 ", ", cost ") + shortest(*cost);
  return text;
}
