// cargolyx-cli plan FILE [--mode sets|max] [options] [--json]: calculates the loading plan
// as the Run command does, answering its questions with Yes, and prints the result list
// and its statistics, or the message that applies.

#include <iostream>

#include "cli/calculate.h"
#include "cli/options.h"
#include "cli/reportjson.h"
#include "cli/reporttext.h"
#include "cli/verbs.h"
#include "model/fillscheme.h"

int runPlan(const CliOptions& options) {
  FillScheme project;
  int stopStatus = kExitBadInput;
  const auto report = calculateProject(options, project, &stopStatus);
  if (!report) return stopStatus;
  if (options.json) std::cout << reportJsonText(reportJson(project, *report)) << "\n";
  else std::cout << reportText(project, *report);
  return exitStatus(report->status);
}
