#pragma once
// The pallet library as the options dialog edits it: a table with a row of texts per
// pallet type, each marked when the project uses it as one of its own, read back on OK
// into the library (every row, kept between starts) and the project's own types (the
// marked rows), with the reason when a row makes no pallet. The presets EUR, ISO and US
// are not in the table; a type of the project's own with a preset's name takes the
// preset's place for this project.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/pallettype.h"

// The columns: name, length, width, base height (mm), tare (kg), highest pallet (mm),
// heaviest pallet (kg), overhang (mm), stackable, load on top (kg), fork entry.
inline constexpr std::size_t kPalletColumnCount = 11;
using PalletRow = std::array<std::string, kPalletColumnCount>;

// The column captions, in the current language.
PalletRow palletColumns();
// The texts of the stackable column ("是", "否") and of the fork entry column ("四面",
// "两端", "两侧"), in the current language.
std::vector<std::string> stackableTexts();
std::vector<std::string> forkEntryTexts();

// The texts of a pallet type's row.
PalletRow palletRowOf(const PalletType& type);

// The rows read back: the pallet types, or why not (the first row that makes no pallet,
// or a name given twice).
struct PalletRowsCheck {
  std::string message;  // empty when every row was read
  std::vector<PalletType> types;
  std::size_t row = 0;  // the row refused
  bool accepted() const { return message.empty(); }
};
PalletRowsCheck readPalletRows(const std::vector<PalletRow>& rows);

// The table's pallet types: the library's (a type the project has under the same name as
// the project has it), then the project's own types the library lacks; and which of them
// are the project's.
struct PalletTable {
  std::vector<PalletType> types;
  std::vector<bool> inProject;
};
PalletTable palletTable(const std::vector<PalletType>& library, const std::vector<PalletType>& project);

// A new row's pallet type: EUR's sizes and limits, named "托盘1" ("Pallet 1"), the first
// number not yet taken by a row.
PalletType newPalletType(const std::vector<PalletRow>& rows);
