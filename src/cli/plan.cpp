// cargolyx-cli plan FILE [--mode sets|max] [options] [--json]: calculates the loading plan
// as the Run command does, answering its questions with Yes, and prints the result list
// and its statistics, or the message that applies.

#include <iostream>
#include <vector>

#include "cli/calculate.h"
#include "cli/options.h"
#include "cli/reportjson.h"
#include "cli/reporttext.h"
#include "cli/verbs.h"
#include "cli/terminaltext.h"
#include "commands/rulecosts.h"
#include "model/fillscheme.h"
#include "model/language.h"

namespace {

// With --rule-costs, the project planned again without each rule it sets.
std::vector<RuleCost> costsOfRules(const CliOptions& options, const CalculationRequest& request,
                                   const FillScheme& project, const CalculationReport& report) {
  if (!options.ruleCosts || report.status != CalculationStatus::Loaded) return {};
  return ruleCosts(request, project.result, [](const CalculationRequest& without) -> std::optional<CalculationReport> {
    CancelToken token;
    return calculate(without, token);
  });
}

}  // namespace

int runPlan(const CliOptions& options) {
  FillScheme project;
  int stopStatus = kExitBadInput;
  CalculationRequest request;
  const auto report = calculateProject(options, project, &stopStatus, &request);
  if (!report) return stopStatus;
  const std::vector<RuleCost> costs = costsOfRules(options, request, project, *report);
  const bool several = project.result.containers.size() > 1;
  if (options.json) {
    nlohmann::ordered_json json = reportJson(project, *report);
    if (options.ruleCosts) {
      json["ruleCosts"] = nlohmann::ordered_json::array();
      for (const RuleCost& c : costs)
        json["ruleCosts"].push_back(nlohmann::ordered_json{{"rule", ruleKey(c.rule)},
                                         {"name", cargoRuleName(c.rule)},
                                         {"planned", c.planned},
                                         {"fillPoints", c.fillPoints},
                                         {"cartons", c.cartons},
                                         {"containers", c.containers},
                                         {"cost", c.cost}});
    }
    std::cout << reportJsonText(json) << "\n";
  } else {
    std::cout << reportText(project, *report);
    if (options.ruleCosts && report->status == CalculationStatus::Loaded)
      std::cout << "\n" << escapeControlCharactersByLine(ruleCostsText(costs, several)) << "\n";
  }
  return exitStatus(report->status);
}
