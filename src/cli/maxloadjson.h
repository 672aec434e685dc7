#pragma once
// The JSON of a load-max plan, as `plan --mode max --json` prints it.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/maxload/maxload.h"

struct MaxLoadReport {
  std::string status = "loaded";  // "loaded", "nothing-loaded" or "refused"
  std::string message;
  std::int32_t maxSets = 0;
  std::int64_t loadedCount = 0, capacityCount = 0;
  double loadedVolume = 0, fillRatio = 0, netRatio = 0;
};

// The keys of the sets mode (mode "max", setCount 0, question ""), then placements,
// leftovers, loadedWeight, centreOfGravity, timedOut and balance (the weight and balance
// object of both modes, given as JSON; null when the caller has no project to weigh).
// cartonNames name the leftovers.
std::string maxLoadJson(const MaxLoadReport& report, const MaxLoadResult& result,
                        const std::vector<std::string>& cartonNames, const std::string& balance = "null");
