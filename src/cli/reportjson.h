#pragma once
// The report of a calculation as the JSON that `plan --json` prints, one writer for every
// planner. Members, in order: status, message, question, maxSets, mode, blocks,
// loadedCount, capacityCount, setCount, loadedVolume, fillRatio, netRatio; for the load-max
// planner then placements, leftovers, loadedWeight, timedOut, supportPercent; balance; and
// axleLoads last when the container has a vehicle.
// The several-containers planner: status, message, mode "fleet", goal, totalCost,
// lowerBound {containers, cost}, containers [{type, name, cost, blocks, placements,
// loadedCount, loadedWeight, centreOfGravity, fillRatio, netRatio, and axleLoads when the
// container has a vehicle}], leftovers, timedOut, supportPercent.
// A placement names its carton's stop ("stop") when the project lists stops. The balance's
// centre gives its offsets from the middle also as shares of the length and the width
// (offsetAlongLengthPercent, offsetAcrossPercent), and a container with a balance window
// adds "window" (its bounds and whether the centre is "inside"). axleLoads: the vehicle
// ("rigid" or "semitrailer"), its axles ("front", "rear" / "drive", "trailer") with their
// maxLoad, the loads of each axle at departure (afterStop null) and after each stop, and
// the worst overload ("overloaded": afterStop, axle, kgOver; null while every axle holds).
// A leftover of several containers gives its reason: "fits-no-container",
// "heavier-than-every-container" or "no-room".
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
