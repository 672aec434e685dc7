#pragma once
// The report of a calculation as the JSON that `plan --json` prints, one writer for every
// planner. Members, in order: status, message, question, maxSets, mode, blocks,
// loadedCount, capacityCount, setCount, loadedVolume, fillRatio, netRatio; for the load-max
// planner then placements, leftovers, loadedWeight, timedOut, supportPercent; balance last.
// The several-containers planner: status, message, mode "fleet", goal, totalCost,
// lowerBound {containers, cost}, containers [{type, name, cost, blocks, placements,
// loadedCount, loadedWeight, centreOfGravity, fillRatio, netRatio}], leftovers, timedOut,
// supportPercent.
// The pallet planner: status, message, mode "pallets", loading "max" | "fleet", goal (fleet),
// pallets [{type, height, grossWeight, centreOfGravity {x, y, z}, footprint {x, z, sizeX,
// sizeZ}, cartonCount, placements (pallet coordinates)}], containers [{type, name, cost
// (fleet), blocks (loose), placements (loose cartons with cartonIndex, then pallets with
// pallet and turned), palletCount, loadedCount, loadedWeight, centreOfGravity, netRatio}],
// totalCost and lowerBound (fleet), leftovers, timedOut, supportPercent.
// Whole numbers are written as integers; other numbers read back as the same double.

#include <nlohmann/json.hpp>

#include <string>

#include "commands/calculate.h"

struct FillScheme;

// The report of a calculation of project (its input and the report's result).
nlohmann::ordered_json reportJson(const FillScheme& project, const CalculationReport& report);

// The JSON text: one member per line, the items of an array one per line.
std::string reportJsonText(const nlohmann::ordered_json& report);
