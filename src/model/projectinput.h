#pragma once
// What the user enters for a loading project: the container, the carton types to load,
// the spacing between cartons and the delivery stops. Two inputs are equal when every
// value is: that is how a result is known to belong to a project, and a project to be
// unchanged since it was saved.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/carton.h"
#include "model/container.h"
#include "model/containertype.h"
#include "model/pallettype.h"

// Sets the container takes are counted up to this; at or above it the container "holds
// too many boxes".
inline constexpr std::int32_t kInitialMaxSets = 99999999;

struct ProjectInput {
  std::int32_t spacingL = 0;  // gap between cartons along the container length, mm
  std::int32_t spacingW = 0;  // along the width
  std::int32_t spacingH = 0;  // along the height
  Container container;
  std::vector<Carton> cartons;  // a carton's position is its identity
  // The container types the several-containers planner may use; none: the container above,
  // costing 1, as many as needed.
  std::vector<ContainerType> fleet;
  std::vector<std::string> stops{};  // delivery stops in delivery order; cartons name them
  // The project's own pallet types; a carton names one of these or a preset (Carton::pallet).
  std::vector<PalletType> palletTypes;

  bool operator==(const ProjectInput&) const = default;

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
  // one set, kInitialMaxSets or more for very many.
  std::int32_t computeMaxSets() const;
  // True when two cartons have different position requirements.
  bool hasMixedSpaceIndex() const;
  // The container types the several-containers planner uses: the fleet, or the container.
  std::vector<ContainerType> fleetOrContainer() const;
  // The pallet type a carton names (findPalletType); nullptr for a loose carton or a name
  // that names no pallet type.
  const PalletType* palletTypeOf(const Carton& carton) const;
  // Whether some carton names a pallet type: the cartons are built onto pallets first.
  bool usesPallets() const;

  // The project file image of the container and the cartons (see projectfile.cpp).
  // Nothing when a name cannot be written without loss (not GBK, or longer than its field).
  std::optional<std::vector<std::uint8_t>> saveToStream() const;
  // Takes the container and cartons of a project file image. False, with the input
  // untouched, for anything that is not such a file. The spacings stay as they are.
  bool loadFromStream(std::span<const std::uint8_t> stream);
};
