#include "cli/projectinput.h"

#include <cctype>
#include <iostream>
#include <vector>

#include "cli/options.h"
#include "cli/terminaltext.h"
#include "commands/packinglist.h"
#include "commands/projectfiles.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "model/projectfile.h"

bool isPackingListName(const std::string& path) {
  constexpr std::string_view suffix = ".csv";
  if (path.size() < suffix.size()) return false;
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(path[path.size() - suffix.size() + i])) != suffix[i]) return false;
  return true;
}

bool readInputProject(const CliOptions& options, FillScheme& project) {
  if (!containerFitsInput(options)) return false;
  const std::string& path = options.path;
  if (!isPackingListName(path)) {
    OpenFailure failure;
    if (loadProjectFile(path, project, &failure)) {
      // --container adds container types to a project's own for several containers.
      if (!options.containers.empty()) {
        std::vector<ContainerType> fleet = project.fleetOrContainer();
        fleet.insert(fleet.end(), options.containers.begin(), options.containers.end());
        project.fleet = std::move(fleet);
      }
      return true;
    }
    // The message's own lines stay lines; what a name holds is shown, never obeyed.
    std::cerr << "cargolyx-cli: " << escapeControlCharacters(path) << ": "
              << escapeControlCharactersByLine(openFailedMessage(failure)) << "\n";
    return false;
  }
  PackingList list = readPackingListFile(path);
  if (!list.ok()) {
    std::cerr << "cargolyx-cli: " << escapeControlCharacters(list.message) << "\n";
    return false;
  }
  project.container = options.containers.front().container;
  if (options.containers.size() == 1) project.container.name = Container{}.name;
  project.cartons = std::move(list.cartons);
  project.stops = std::move(list.stops);
  // Several containers given are the container types of several containers, whichever verb reads them.
  if (options.mode == PlanningMode::Fleet || options.containers.size() > 1)
    project.fleet = options.containers;
  return true;
}
