#include "engine/fleet/fleetproject.h"

#include "engine/maxload/maxloadproject.h"
#include "model/projectinput.h"

FleetInput fleetInputFromProject(const ProjectInput& project) {
  FleetInput input;
  for (const ContainerType& type : project.fleetOrContainer()) {
    FleetContainerType c;
    c.containerX = type.container.width;
    c.containerY = type.container.height;
    c.containerZ = type.container.length;
    c.maxWeight = type.container.maxWeight;
    c.cost = type.costOrOne();
    c.available = type.available.value_or(-1);
    input.containers.push_back(c);
  }
  input.cargo = maxLoadInputFromProject(project);
  return input;
}
