// cargolyx-cli check PROJECT PLAN.json [--support P] [--spacing L,W,H]: checks a plan in the form plan --json
// prints it (any planner: one container, several, pallets on both levels) against the project, with the checker
// that shares nothing with the planners. Exit 0 with "plan holds", 6 listing each broken rule with the container
// and cartons it concerns and by how much, or 3 for a document that is not a plan of this project.

#include <iostream>
#include <string>

#include "check/planjson.h"
#include "check/projectplan.h"
#include "cli/options.h"
#include "cli/projectinput.h"
#include "cli/terminaltext.h"
#include "cli/verbs.h"
#include "model/fillscheme.h"
#include "model/projectfile.h"

namespace {

int refuse(const CliOptions& options, const std::string& reason) {
  std::cerr << "cargolyx-cli: " << escapeControlCharacters(options.planFile) << ": " << escapeControlCharacters(reason)
            << "\n";
  return kExitBadInput;
}

}  // namespace

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
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  check::PlanReading reading = check::readPlanJson(text);
  if (!reading.plan) return refuse(options, reading.reason);
  // The support the plan promises: as asked, else as the plan says it was made.
  if (options.supportGiven) reading.plan->supportPercent = options.supportPercent;
  const check::PlanVerdict verdict = check::checkProjectPlan(project, *reading.plan);
  if (!verdict.refusal.empty()) return refuse(options, verdict.refusal);
  std::cout << escapeControlCharactersByLine(check::planVerdictText(verdict));  // names shown, never obeyed
  return verdict.holds() ? kExitLoaded : kExitPlanBroken;
}
