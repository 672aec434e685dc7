// cargolyx-cli info FILE (or LIST.csv --container L,W,H,KG): the container, the cartons and
// their statistics, and the plan a project file holds.

#include <iostream>

#include "cli/options.h"
#include "cli/projectinput.h"
#include "cli/reporttext.h"
#include "cli/terminaltext.h"
#include "cli/verbs.h"
#include "commands/resultcheck.h"
#include "commands/statistics.h"
#include "model/fillscheme.h"

int runInfo(const CliOptions& options) {
  FillScheme project;
  if (!readInputProject(options, project)) return kExitBadInput;
  // Names are shown, never obeyed by the terminal.
  std::cout << escapeControlCharacters(project.container.displayText()) << "\n";
  for (const Carton& carton : project.cartons)
    std::cout << "  " << escapeControlCharacters(carton.displayText()) << "\n";
  std::cout << cartonStatisticsText(project) << "\n";
  if (const std::string broken = resultViolations(project); !broken.empty()) {
    std::cerr << "cargolyx-cli: " << escapeControlCharactersByLine(brokenSavedPlanMessage(broken));
    project.result = {};
  }
  if (!project.result.empty()) {
    std::cout << resultTableText(project)
              << resultStatisticsText(resultStatistics(project, project.result.containers.front())) << "\n"
              << balanceText(project);
  }
  return kExitLoaded;
}
