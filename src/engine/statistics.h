#pragma once
// The figures of a loaded container: cartons loaded, what its blocks could hold, complete
// sets, the loaded volume and the fill ratios.

#include <cstdint>

#include "model/projectresult.h"

struct ResultStatistics {
  std::int64_t loadedCount = 0;    // sum of count over the blocks
  std::int64_t capacityCount = 0;  // sum of nx*ny*nz over the blocks
  std::int64_t setCount = 0;       // loadedCount / the cartons of one set
  double loadedVolume = 0.0;       // net volume of the loaded cartons, mm³
  double fillRatio = 0.0;          // gross volume (cartons with spacing) / container volume, at most 1
  double netRatio = 0.0;           // net volume / container volume, at most 1

  bool operator==(const ResultStatistics&) const = default;
};

// The figures of the blocks in their container; setTotal is the number of cartons in one
// set (the entered cartons). The ratios and the volume are 0 when the container has none.
ResultStatistics resultStatistics(const LoadedContainer& loaded, std::int64_t setTotal);
