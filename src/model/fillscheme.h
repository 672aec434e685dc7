#pragma once
// The loading project: a container, the carton types to load, the spacing between
// cartons, the blocks of the last calculation and that result's statistics.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/blockscheme.h"
#include "model/carton.h"
#include "model/container.h"

// computeMaxSets: at or above this many sets the container "holds too many boxes".
inline constexpr std::int32_t kInitialMaxSets = 99999999;

struct FillScheme {
  // Whoever creates a project copies the settings' spacings over these at once.
  std::int32_t spacingL = 10;  // gap along the container length, mm
  std::int32_t spacingW = 5;   // along the width
  std::int32_t spacingH = 5;   // along the height
  Container container;
  std::vector<Carton> cartons;      // a carton's position is its identity
  std::vector<BlockScheme> blocks;  // the last result, in placing order

  // Statistics of the result, written by the result list refresh. 64 bits: the blocks of a
  // project may hold more cartons than an int32 counts.
  std::int64_t loadedCount = 0;    // sum of count over blocks
  std::int64_t capacityCount = 0;  // sum of nx*ny*nz over blocks
  std::int64_t setCount = 0;       // loadedCount / cartonTotal()
  double fillRatio = 0.0;          // gross block volume / container volume, at most 1
  double netRatio = 0.0;           // net block volume / container volume, at most 1
  double loadedVolume = 0.0;       // net block volume, mm³
  std::int32_t maxSets = kInitialMaxSets;  // result of computeMaxSets()

  // Appends a default carton named 纸箱k (the first free k from the list size + 1),
  // with the colours cycling through the ten materials. Returns the new list element.
  Carton& addCarton();
  // Removes the carton at index; false when there is none there.
  bool removeCarton(std::size_t index);

  // Sum of count x volume over the cartons, mm³.
  double netVolume() const;
  // netVolume() / container volume, 0 when the container volume is 1 mm³ or less.
  double volumeRatio() const;
  // Sum of count over the cartons.
  std::int64_t cartonTotal() const;
  // Complete sets of the carton list the container takes by volume and by weight:
  // 0 when the list has no volume or not one set fits, -1 when only the weight forbids
  // one set. Stores the value in maxSets and returns it.
  std::int32_t computeMaxSets();
  // True when two cartons have different position requirements.
  bool hasMixedSpaceIndex() const;

  // The project file image (see projectfile.cpp). Nothing when a name cannot be
  // written without loss (not GBK, or longer than its field).
  std::optional<std::vector<std::uint8_t>> saveToStream() const;
  // Takes the container and cartons of a project file image. False, with the project
  // untouched, for anything that is not such a file. The spacings stay as they are.
  bool loadFromStream(std::span<const std::uint8_t> stream);
};
