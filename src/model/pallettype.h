#pragma once
// A pallet type: the base cartons are built on, how high and how heavy a built pallet may
// be, how far cartons may reach over the edges of the base, whether built pallets may stand
// on one another, and from which sides a forklift takes it.
//
// Pallet coordinates (the cartons of a built pallet, model/loadedpallet.h): x across the
// pallet's width, y up from the floor the pallet stands on, z along its length. The origin
// is the corner of the loading area, the base with the overhang on every side, so that no
// coordinate is negative: the base occupies [overhang, overhang + width] across,
// [0, baseHeight] up and [overhang, overhang + length] along; cartons stand on it, at or
// above baseHeight.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The sides a forklift enters a pallet from, as bits of PalletType::forkEntry. In a
// container the forklift comes through the door, along the container's length, so a pallet
// is turned with a side it may be taken from toward the door.
inline constexpr std::uint8_t kForkFromEnds = 1;   // the two short ends: the forks run along the length
inline constexpr std::uint8_t kForkFromSides = 2;  // the two long sides: the forks run across the width
inline constexpr std::uint8_t kForkFromAllSides = kForkFromEnds | kForkFromSides;

struct PalletType {
  std::string name = "EUR";
  std::int32_t length = 1200;      // mm, the longer edge of the base
  std::int32_t width = 800;        // mm
  std::int32_t baseHeight = 144;   // mm, the empty pallet
  double tareWeight = 25;          // kg, the empty pallet
  std::int32_t maxHeight = 1800;   // mm, a built pallet from the floor to its top
  double maxGrossWeight = 1500;    // kg, the pallet and its cartons
  std::int32_t overhang = 0;       // mm cartons may reach beyond each edge of the base
  bool stackable = true;           // built pallets may stand on a built pallet of this type
  double maxLoadOnTop = 1000;      // kg a built pallet of this type may bear on top
  std::uint8_t forkEntry = kForkFromAllSides;

  // The loading area: the base with the overhang on every side.
  std::int32_t loadWidth() const { return width + 2 * overhang; }
  std::int32_t loadLength() const { return length + 2 * overhang; }
  // Whether the values make a pallet: a name, positive sizes, a base lower than the
  // highest pallet, a gross weight above the tare, and at least one fork entry.
  bool isUsable() const;
  // "EUR (1200*800*144)": the caption in lists.
  std::string displayText() const;

  bool operator==(const PalletType&) const = default;
};

// The sides a forklift may enter from, for the files: "all", "ends" or "sides".
std::string forkEntryName(std::uint8_t forkEntry);
// The bits of a name forkEntryName gives; 0 for any other text.
std::uint8_t forkEntryOfName(std::string_view name);

// The preset pallet types, known by their short names: EUR 1200 × 800 × 144, ISO
// 1200 × 1000 × 144, US 1219 × 1016 × 150 (48 × 40 in), with typical tares and limits.
const std::vector<PalletType>& palletPresets();

// The pallet type a carton names: the project's own type of that name first, else the
// preset of that short name (in any letter case). nullptr when there is none.
const PalletType* findPalletType(const std::vector<PalletType>& own, std::string_view name);
