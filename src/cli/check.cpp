// cargolyx-cli check PROJECT PLAN.json [--support P] [--spacing L,W,H]: checks a plan in the form plan --json
// prints it (any planner; a pallet plan on both levels) against the project, with the checker that shares nothing
// with the planners. Exit 0 with "plan holds", or 6 listing each broken rule with the
// cartons it concerns and by how much.

#include <iostream>
#include <string>

#include "check/pallettext.h"
#include "check/planjson.h"
#include "check/projectplan.h"
#include "check/violationtext.h"
#include "cli/options.h"
#include "cli/projectinput.h"
#include "cli/terminaltext.h"
#include "cli/verbs.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "model/projectfile.h"

namespace {

// A plan of several containers: each container on its own, with the size and load of its
// type, and no carton counted twice over all of them.
int checkFleetPlan(const CliOptions& options, const FillScheme& project, std::string_view text) {
  const check::JsonFleetPlanReading reading = check::readFleetPlanJson(text);
  if (!reading.plan) {
    std::cerr << "cargolyx-cli: " << escapeControlCharacters(options.planFile) << ": "
              << escapeControlCharacters(reading.reason) << "\n";
    return kExitBadInput;
  }
  const std::vector<ContainerType> types = project.fleetOrContainer();
  const std::int32_t support =
      options.supportGiven ? options.supportPercent : reading.plan->supportPercent.value_or(100);
  std::string broken;
  check::CheckInput all = check::projectCheckInput(project, support, 1);
  for (std::size_t k = 0; k < reading.plan->containers.size(); ++k) {
    const check::JsonFleetContainer& container = reading.plan->containers[k];
    const std::string which = inLanguage("集装箱 ", "container ") + std::to_string(k + 1) + inLanguage("：", ": ");
    if (static_cast<std::size_t>(container.type) >= types.size()) {
      broken += which + inLanguage("项目中没有第 ", "the project has no container type ") +
                std::to_string(container.type) + inLanguage(" 种集装箱", "") + "\n";
      continue;
    }
    check::CheckInput input = check::projectCheckInput(project, support, 1);
    const Container& box = types[static_cast<std::size_t>(container.type)].container;
    input.container = check::ContainerSize{box.width, box.height, box.length, double(box.maxWeight)};
    input.cartons = container.cartons;
    for (const check::Violation& v : check::checkPlan(input).violations)
      broken += which + check::describeViolation(v, input) + "\n";
    all.cartons.insert(all.cartons.end(), container.cartons.begin(), container.cartons.end());
  }
  for (const check::Violation& v : check::checkCounts(all).violations)
    broken += inLanguage("所有集装箱合计：", "over all containers: ") + check::describeViolation(v, all) + "\n";
  if (broken.empty()) broken = check::checkReportText(check::CheckReport{}, all);
  std::cout << escapeControlCharactersByLine(broken);
  return broken == check::checkReportText(check::CheckReport{}, all) ? kExitLoaded : kExitPlanBroken;
}

// A pallet plan: the cartons on each pallet, the pallets and loose cartons in each
// container, and the plan as a whole.
int checkPalletPlan(const CliOptions& options, const FillScheme& project, std::string_view text) {
  const check::JsonPalletPlanReading reading = check::readPalletPlanJson(text);
  if (!reading.plan) {
    std::cerr << "cargolyx-cli: " << escapeControlCharacters(options.planFile) << ": "
              << escapeControlCharacters(reading.reason) << "\n";
    return kExitBadInput;
  }
  const std::int32_t support =
      options.supportGiven ? options.supportPercent : reading.plan->supportPercent.value_or(100);
  const check::NestedPlanReading nested = check::nestedPlanOfJson(project, *reading.plan, support);
  if (!nested.plan) {
    std::cerr << "cargolyx-cli: " << escapeControlCharacters(options.planFile) << ": "
              << escapeControlCharacters(nested.reason) << "\n";
    return kExitBadInput;
  }
  const check::NestedReport report = check::checkNestedPlan(*nested.plan);
  std::cout << escapeControlCharactersByLine(check::nestedReportText(report, *nested.plan));
  return report.holds() ? kExitLoaded : kExitPlanBroken;
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
  if (check::isPalletPlanJson(text)) return checkPalletPlan(options, project, text);
  if (check::isFleetPlanJson(text)) return checkFleetPlan(options, project, text);
  const check::JsonPlanReading reading = check::readPlanJson(text);
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
