#include "model/projectinput.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const char* const kCartonBaseName = "纸箱";

// Truncates toward zero into int32, holding the ends of the range for larger quotients.
std::int32_t truncateClamped(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

}  // namespace

Carton& ProjectInput::addCarton() {
  const std::size_t n = cartons.size();
  Carton carton;
  carton.material = static_cast<std::int32_t>(n % kMaterialCount);
  std::size_t k = n + 1;
  auto nameTaken = [this](const std::string& name) {
    return std::any_of(cartons.begin(), cartons.end(),
                       [&](const Carton& c) { return c.name == name; });
  };
  while (nameTaken(kCartonBaseName + std::to_string(k))) ++k;
  carton.name = kCartonBaseName + std::to_string(k);
  cartons.push_back(std::move(carton));
  return cartons.back();
}

bool ProjectInput::removeCarton(std::size_t index) {
  if (index >= cartons.size()) return false;
  cartons.erase(cartons.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

double ProjectInput::netVolume() const {
  double sum = 0.0;
  for (const Carton& c : cartons) sum += c.count * c.volume();
  return sum;
}

double ProjectInput::volumeRatio() const {
  const double containerVolume = container.volume();
  return containerVolume > 1.0 ? netVolume() / containerVolume : 0.0;
}

std::int64_t ProjectInput::cartonTotal() const {
  std::int64_t sum = 0;
  for (const Carton& c : cartons) sum += c.count;
  return sum;
}

std::int32_t ProjectInput::computeMaxSets() const {
  double volume = 0.0;
  double weight = 0.0;
  for (const Carton& c : cartons) {
    volume += c.count * c.volume();
    weight += c.count * c.weight;
  }
  if (volume <= 0.0) return 0;
  // A quotient beyond the int32 range (cartons of a few mm³) is held at its top,
  // far above the 20000 sets the run accepts.
  std::int32_t sets = truncateClamped(container.volume() / volume);
  if (weight > 1e-7) {
    const std::int32_t byWeight = truncateClamped(container.maxWeight / weight);
    if (byWeight < sets) sets = byWeight > 0 ? byWeight : -1;
  }
  return sets;
}

bool ProjectInput::hasMixedSpaceIndex() const {
  if (cartons.empty()) return false;
  const std::int32_t first = cartons.front().spaceIndex;
  return std::any_of(cartons.begin(), cartons.end(),
                     [first](const Carton& c) { return c.spaceIndex != first; });
}

std::vector<ContainerType> ProjectInput::fleetOrContainer() const {
  if (!fleet.empty()) return fleet;
  return {ContainerType{container, std::nullopt, std::nullopt}};
}

const PalletType* ProjectInput::palletTypeOf(const Carton& carton) const {
  return findPalletType(palletTypes, carton.pallet);
}

bool ProjectInput::usesPallets() const {
  return std::any_of(cartons.begin(), cartons.end(), [](const Carton& c) { return !c.pallet.empty(); });
}
