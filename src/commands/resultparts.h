#pragma once
// What the window lists, draws and steps through for one loaded container of a result: its
// parts (a block of loose cartons, or a built pallet with its cartons), the rows of the
// result list, and the loading steps, one part per step.
//
// A plan of loose cartons has one part per block, in the rows of resultRows (row i is
// block i). A pallet plan lists each pallet as a row of its own (number, type, height,
// gross weight) with a row per carton type on it below, then the loose blocks, the totals
// and what was left behind; a pallet and its cartons are one part and one step. The
// pallets are listed in the order they are loaded and numbered so: P1 is loaded first.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "commands/resultlist.h"
#include "engine/balance.h"
#include "model/fillscheme.h"

struct ShownPart {
  std::vector<BlockScheme> blocks;      // the cartons, in container coordinates
  std::optional<PlacedBox> palletBase;  // a pallet's base in the container; none for loose cartons
  double tareWeight = 0;                // the empty pallet, kg; 0 for loose cartons
  std::string palletType;               // the pallet type's name; empty for loose cartons
  std::int32_t placement = -1;          // a pallet's index in LoadedContainer::pallets; -1 for loose cartons
  std::int32_t blockNumber = 0;         // a loose block's number in the list (from 1); 0 for a pallet
  std::size_t headRow = 0;              // the row that names the part
};

struct ResultListing {
  std::vector<ResultRow> rows;
  std::vector<int> partOfRow;           // each row's part; -1 for the totals and the leftovers
  std::vector<ShownPart> parts;
  std::vector<std::size_t> stepRows;    // the parts' head rows in loading order: the steps
  std::size_t totalsRow = 0;
  bool pallets = false;                 // a pallet plan: its rows are no block indexes
  // What the whole result left behind, and why (leftoverreasons.h: one per leftover, or
  // none), as the leftover rows show them.
  std::vector<Leftover> leftovers;
  std::vector<LeftoverReason> leftoverReasons;

  // The part of a row, or nullptr for a row that shows none.
  const ShownPart* partAt(std::size_t row) const;
};

// The listing of the loaded container k of the project's result; of a project without a
// result, the totals row of an empty container and the leftovers.
ResultListing resultListing(const FillScheme& project, std::size_t k);

// The stop a part comes out at: of a pallet, the first stop any of its cartons goes to;
// none when the project lists no stops (or the part names no known carton).
std::optional<std::size_t> partStop(const ProjectInput& project, const ShownPart& part);

// The given parts as a load to weigh: the project's cartons and a carton more per pallet
// base, weighing its tare; the parts' blocks and a block per base, in a container.
struct WeighedLoad {
  std::vector<Carton> cartons;
  LoadedContainer loaded;
};
WeighedLoad weighedLoad(const ProjectInput& project, const Container& container,
                        const std::vector<const ShownPart*>& parts);

// The weight and the centre of gravity of the given parts: their cartons, and each
// pallet's tare at the middle of its base.
LoadBalance partsBalance(const ProjectInput& project, const Container& container,
                         const std::vector<const ShownPart*>& parts);

// The axle loads of the whole listing's parts, the pallets' tares included; nothing when
// the project names no vehicle.
std::optional<AxleLoads> listingAxleLoads(const ProjectInput& project, const Container& container,
                                          const ResultListing& listing);
