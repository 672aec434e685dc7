// cargolyx-cli info FILE.pak (or LIST.csv --container L,W,H,KG): the container, the cartons
// and their statistics.

#include <iostream>

#include "cli/cli.h"
#include "cli/projectinput.h"
#include "cli/terminaltext.h"
#include "engine/statistics.h"
#include "model/fillscheme.h"

int runInfo(const std::vector<std::string>& args) {
  const char* const usage = "usage: cargolyx-cli info FILE.pak\n       cargolyx-cli info LIST.csv --container L,W,H,KG\n";
  std::string path;
  std::optional<Container> container;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--container") {
      container = parseContainerOption(i + 1 < args.size() ? args[++i] : std::string());
      if (!container) {
        std::cerr << usage;
        return kExitBadInput;
      }
    } else if (path.empty() && args[i].rfind("--", 0) != 0) {
      path = args[i];
    } else {
      std::cerr << usage;
      return kExitBadInput;
    }
  }
  if (path.empty() || !containerFitsInput(path, container)) {
    std::cerr << usage;
    return kExitBadInput;
  }
  FillScheme project;
  if (!readInputProject(path, container, project)) return kExitBadInput;
  // Names are shown, never obeyed by the terminal.
  std::cout << escapeControlCharacters(project.container.displayText()) << "\n";
  for (const Carton& carton : project.cartons)
    std::cout << "  " << escapeControlCharacters(carton.displayText()) << "\n";
  std::cout << cartonStatisticsText(project) << "\n";
  return kExitLoaded;
}
