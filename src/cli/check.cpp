// cargolyx-cli check PROJECT PLAN.json [--support P] [--spacing L,W,H]: checks a plan in the form plan --json
// prints it (either planner) against the project, with the checker that shares nothing
// with the planners. Exit 0 with "plan holds", or 6 listing each broken rule with the
// cartons it concerns and by how much.

#include <iostream>
#include <string>

#include "check/planjson.h"
#include "check/projectplan.h"
#include "check/violationtext.h"
#include "cli/options.h"
#include "cli/projectinput.h"
#include "cli/terminaltext.h"
#include "cli/verbs.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"

int runCheck(const CliOptions& options) {
  FillScheme project;
  if (!readInputProject(options, project)) return kExitBadInput;
  if (options.spacingL) {  // the spacing the plan was made with, when not the project's
    project.spacingL = *options.spacingL;
    project.spacingW = *options.spacingW;
    project.spacingH = *options.spacingH;
  }
  std::string error;
  const auto bytes = readWholeFile(options.planFile, &error, check::kMaxPlanJsonBytes);
  if (!bytes) {
    std::cerr << "cargolyx-cli: " << escapeControlCharacters(error) << "\n";
    return kExitBadInput;
  }
  const check::JsonPlanReading reading =
      check::readPlanJson(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  if (!reading.plan) {
    std::cerr << "cargolyx-cli: " << escapeControlCharacters(options.planFile) << ": "
              << escapeControlCharacters(reading.reason) << "\n";
    return kExitBadInput;
  }
  const check::JsonPlan& plan = *reading.plan;
  // The support the plan promises: as asked, else as the plan says it was made, else the
  // load-max planner's default; the sets planner promises none.
  const std::int32_t support = options.supportGiven ? options.supportPercent
                               : plan.supportPercent ? *plan.supportPercent
                               : plan.loadMax        ? 100
                                                     : 0;
  // The sets planner loads whole sets of the entered cartons: as many as the plan's
  // cartons make. The load-max planner loads each carton entered at most once.
  std::int64_t entered = 0;
  for (const Carton& carton : project.cartons) entered += carton.count;
  const std::int64_t sets =
      plan.loadMax || entered <= 0 ? 1 : static_cast<std::int64_t>(plan.cartons.size()) / entered;
  check::CheckInput input = check::projectCheckInput(project, support, sets);
  input.cartons = plan.cartons;
  const check::CheckReport report = check::checkPlan(input);
  std::cout << escapeControlCharactersByLine(check::checkReportText(report, input));  // names shown, never obeyed
  return report.holds() ? kExitLoaded : kExitPlanBroken;
}
