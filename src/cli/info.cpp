// cargolyx-cli info FILE.pak: the container, the cartons and their statistics.

#include <iostream>

#include "cli/cli.h"
#include "cli/terminaltext.h"
#include "engine/statistics.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"

int runInfo(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::cerr << "usage: cargolyx-cli info FILE.pak\n";
    return kExitBadInput;
  }
  FillScheme project;
  std::string error;
  if (!loadProjectFile(args[0], project, &error)) {
    std::cerr << "cargolyx-cli: cannot open the project: " << escapeControlCharacters(error) << "\n";
    return kExitBadInput;
  }
  // Names are shown, never obeyed by the terminal.
  std::cout << escapeControlCharacters(project.container.displayText()) << "\n";
  for (const Carton& carton : project.cartons)
    std::cout << "  " << escapeControlCharacters(carton.displayText()) << "\n";
  std::cout << cartonStatisticsText(project) << "\n";
  return kExitLoaded;
}
