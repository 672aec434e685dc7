#include "model/pallettype.h"

#include <algorithm>
#include <cctype>

namespace {

bool sameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

bool PalletType::isUsable() const {
  return !name.empty() && length > 0 && width > 0 && baseHeight > 0 && overhang >= 0 && maxHeight > baseHeight &&
         tareWeight >= 0 && maxGrossWeight > tareWeight && maxLoadOnTop >= 0 &&
         (forkEntry & kForkFromAllSides) != 0 && (forkEntry & ~kForkFromAllSides) == 0 &&
         // Within int32 for the loading area and its coordinates.
         length <= 1'000'000 && width <= 1'000'000 && overhang <= 1'000'000 && maxHeight <= 1'000'000;
}

std::string PalletType::displayText() const {
  return name + " (" + std::to_string(length) + "*" + std::to_string(width) + "*" + std::to_string(baseHeight) + ")";
}

std::string forkEntryName(std::uint8_t forkEntry) {
  if (forkEntry == kForkFromEnds) return "ends";
  if (forkEntry == kForkFromSides) return "sides";
  return "all";
}

std::uint8_t forkEntryOfName(std::string_view name) {
  if (name == "all") return kForkFromAllSides;
  if (name == "ends") return kForkFromEnds;
  if (name == "sides") return kForkFromSides;
  return 0;
}

const std::vector<PalletType>& palletPresets() {
  static const std::vector<PalletType> presets = {
      PalletType{"EUR", 1200, 800, 144, 25, 1800, 1500, 0, true, 1000, kForkFromAllSides},
      PalletType{"ISO", 1200, 1000, 144, 30, 1800, 1500, 0, true, 1000, kForkFromAllSides},
      PalletType{"US", 1219, 1016, 150, 20, 1800, 1250, 0, true, 1000, kForkFromAllSides},
  };
  return presets;
}

const PalletType* findPalletType(const std::vector<PalletType>& own, std::string_view name) {
  if (name.empty()) return nullptr;
  for (const PalletType& type : own)
    if (type.name == name) return &type;
  for (const PalletType& type : palletPresets())
    if (sameLetters(type.name, name)) return &type;
  return nullptr;
}
