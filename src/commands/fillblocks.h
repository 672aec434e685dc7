#pragma once
// The fill command: a block of a result may hold fewer cartons than its grid. Filling
// raises a block's count to its full grid and the entered count of its carton type by
// the same amount, so that the entered cartons grow with the plan. It neither runs the
// engine nor checks the weight limit; it only completes grids already placed.
//
// It works on a result of one loaded container. The rows of the result list are its blocks
// in order, then the totals row (row index blocks.size()). A selection is the list of the
// selected row indexes.

#include <cstddef>
#include <string>
#include <vector>

struct FillScheme;

// What the fill command does with the current result and selection.
enum class FillDecision {
  NoResult,           // nothing was loaded
  NothingToFill,      // every block is full already
  SeveralSets,        // the result loads several sets; counts keep their proportion
  NoSingleSelection,  // no block rows, or not exactly one row selected
  FillOneBlock,       // fill the one selected block row
  FillAllBlocks,      // the totals row is selected: ask, then fill every block
};

FillDecision decideFill(const FillScheme& project, const std::vector<int>& selectedRows);

// The message for a decision that stops the command; empty otherwise.
std::string fillMessage(FillDecision decision);
// The question asked before every block is filled.
std::string fillAllQuestion();
// Fill after a load-max result: that plan already loads whatever fits.
std::string loadMaxFillMessage();
// Fill after a several-containers result: its containers are chosen for the cartons entered.
std::string fleetFillMessage();
// The selected block is full already.
std::string blockAlreadyFullMessage();

// Fills the block at index and raises its carton type's count. False, with nothing
// changed, when the block is full already or there is no block at index.
bool fillBlock(FillScheme& project, std::size_t index);
// Fills every block that is not full. Returns the number of cartons added.
long long fillAllBlocks(FillScheme& project);

// Whether the result list's pop-up item "完全填充" is enabled for this selection.
bool canFillSelection(const FillScheme& project, const std::vector<int>& selectedRows);
