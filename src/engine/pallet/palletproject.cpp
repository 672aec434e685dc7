#include "engine/pallet/palletproject.h"

#include "engine/fleet/fleetproject.h"
#include "model/projectinput.h"

PalletPlanInput palletInputFromProject(const ProjectInput& project) {
  PalletPlanInput input;
  const FleetInput fleet = fleetInputFromProject(project);
  input.containers = fleet.containers;
  input.cargo = fleet.cargo;
  for (std::size_t i = 0; i < project.cartons.size(); ++i) {
    const Carton& carton = project.cartons[i];
    std::int32_t index = -1;
    if (const PalletType* type = project.palletTypeOf(carton)) {
      for (std::size_t k = 0; k < input.palletTypes.size() && index < 0; ++k)
        if (input.palletTypes[k] == *type) index = static_cast<std::int32_t>(k);
      if (index < 0) {
        input.palletTypes.push_back(*type);
        index = static_cast<std::int32_t>(input.palletTypes.size() - 1);
      }
    } else if (!carton.pallet.empty()) {
      input.cargo.types[i].count = 0;  // names a pallet type that does not exist
    }
    input.cartonPallet.push_back(index);
  }
  return input;
}
