#pragma once
// The verbs of cargolyx-cli. Each takes the arguments after its name and returns the
// process exit status.

#include <string>
#include <vector>

// Exit statuses shared by the verbs.
inline constexpr int kExitLoaded = 0;
inline constexpr int kExitNothingLoaded = 1;
inline constexpr int kExitRefused = 2;
inline constexpr int kExitBadInput = 3;  // unreadable or invalid file, bad arguments
inline constexpr int kExitExportFailed = 4;  // the plan could not be exported
inline constexpr int kExitTimedOut = 5;      // the calculation reached its time limit

int runInfo(const std::vector<std::string>& args);
int runPlan(const std::vector<std::string>& args);
int runExport(const std::vector<std::string>& args);

struct FillScheme;
// The result list as a text table with aligned columns (plan and plan --mode max).
void printResultTable(const FillScheme& project);
