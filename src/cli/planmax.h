#pragma once
// `plan FILE.pak --mode max`: the load-max planner on the command line.

#include <string>
#include <vector>

// True when the arguments ask for the load-max planner (--mode max).
bool asksForMaxMode(const std::vector<std::string>& args);
// cargolyx-cli plan FILE.pak --mode max [--time-limit S] [--support P] [--spacing L,W,H] [--json]
int runPlanMax(const std::vector<std::string>& args);
