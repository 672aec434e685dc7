#include "commands/treecaptions.h"

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
