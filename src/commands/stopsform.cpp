#include "commands/stopsform.h"

#include <algorithm>

#include "model/projectinput.h"

bool moveStop(std::vector<std::string>& stops, std::size_t index, bool up) {
  if (index >= stops.size()) return false;
  if (up ? index == 0 : index + 1 == stops.size()) return false;
  std::swap(stops[index], stops[up ? index - 1 : index + 1]);
  return true;
}

bool removeStop(std::vector<std::string>& stops, std::size_t index) {
  if (index >= stops.size()) return false;
  stops.erase(stops.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

bool applyStops(ProjectInput& project, const std::vector<std::string>& stops) {
  const ProjectInput before = project;
  project.stops = stops;
  for (Carton& carton : project.cartons)
    if (std::find(stops.begin(), stops.end(), carton.stop) == stops.end()) carton.stop.clear();
  return !(project == before);
}
