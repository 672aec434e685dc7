#include "commands/treecaptions.h"

#include <charconv>
#include <cmath>

#include "commands/statistics.h"
#include "model/language.h"

namespace {

std::string sizeText(std::int32_t x, std::int32_t y, std::int32_t z) {
  return std::to_string(x) + "×" + std::to_string(y) + "×" + std::to_string(z) + " mm";
}

// A weight as typed: no decimals for whole kilograms, else two.
std::string weightText(double kg) {
  if (std::floor(kg) == kg && std::fabs(kg) < 1e15) return std::to_string(static_cast<long long>(kg)) + " kg";
  return formatTwoDecimals(kg) + " kg";
}

// A cost as typed: the shortest text that reads back as the same number.
std::string costText(double value) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return error == std::errc() ? std::string(text, end) : std::string("0");
}

}  // namespace

std::string cartonCaption(const Carton& carton) {
  std::string caption = carton.name + " " + sizeText(carton.length, carton.width, carton.height) + " × " +
                        std::to_string(carton.count) + inLanguage(" 箱", carton.count == 1 ? " carton" : " cartons");
  if (carton.weight > 0) caption += inLanguage("，", ", ") + weightText(carton.weight);
  return caption;
}

std::string containerCaption(const Container& container) {
  return container.name + " " + sizeText(container.length, container.width, container.height) +
         inLanguage("，最大载重 ", ", maximum load ") + std::to_string(container.maxWeight) + " kg";
}

std::string containerTypeCaption(const ContainerType& type) {
  std::string caption = containerCaption(type.container);
  if (type.available) caption += inLanguage("，最多 ", ", at most ") + std::to_string(*type.available) + inLanguage(" 个", "");
  if (type.cost) caption += inLanguage("，费用 ", ", cost ") + costText(*type.cost);
  return caption;
}
