#pragma once
// The pallet list of a loaded container, for the warehouse that builds the pallets: each
// placed pallet with its number, type, contents by carton type, height and gross weight,
// and which of the container's distinct pallets it is (distinct: another type, or other
// cartons or other places for them), so that each distinct pallet is drawn once.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/projectresult.h"

struct PalletContent {
  std::string carton;  // the carton type's name
  std::int64_t count = 0;

  bool operator==(const PalletContent&) const = default;
};

struct PalletListRow {
  std::size_t number = 0;   // from 1, in the container's loading order of pallets (P1, P2 ...)
  std::string type;         // the pallet type's name
  std::vector<PalletContent> contents;  // by carton type, in order of first appearance
  std::int32_t height = 0;  // mm
  double grossWeight = 0;   // kg
  std::size_t picture = 0;  // which distinct pallet, from 0
  std::size_t placement = 0;  // index into the loaded container's pallets
};

struct PalletList {
  std::vector<PalletListRow> rows;
  // Per distinct pallet: the index into the result's pallets of the first one placed.
  std::vector<std::size_t> distinct;
};

// The list of loaded's placed pallets; pallets are the result's built pallets. A placement
// that names no pallet is left out. loadingOrder, when given, lists the placements in the
// order they are loaded: the rows, their numbers and the pictures follow it (placements it
// leaves out come after, in their own order), so that P1 is loaded first.
PalletList palletList(const LoadedContainer& loaded, const std::vector<LoadedPallet>& pallets,
                      const std::vector<std::size_t>& loadingOrder = {});
