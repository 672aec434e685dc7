#pragma once
// The report of a calculation as text for a terminal: the result list as a table with
// aligned columns, the statistics, the leftovers, the weight and the centre of gravity.

#include <string>

#include "commands/calculate.h"

struct FillScheme;

// The result list of a loaded container of the project (the first by default), one line
// per row, with the cartons the whole result left behind or without them.
std::string resultTableText(const FillScheme& project, std::size_t index = 0, bool withLeftovers = true);
// The loaded weight and the centre of gravity of a loaded container, a line each; empty
// without a result.
std::string balanceText(const FillScheme& project, std::size_t index = 0);
// What plan prints without --json: the question answered with Yes, then the result list,
// its statistics (with the cartons left behind and a reached time limit of the load-max
// planner) and the balance, or the message that stopped the calculation.
std::string reportText(const FillScheme& project, const CalculationReport& report);
